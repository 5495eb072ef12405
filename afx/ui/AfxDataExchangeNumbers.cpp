// Numbers in edit fields: DDX_Text for the number types and the DDV range
// and length tests, with the framework's prompts.
#include "afx/ui/AfxDataExchange.h"
#include "afx/base/AfxNumberText.h"

#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>

namespace {

CString FieldText(HWND hWndCtrl) {
  CString text;
  const int nLength = ::GetWindowTextLengthA(hWndCtrl);
  ::GetWindowTextA(hWndCtrl, text.GetBuffer(nLength), nLength + 1);
  text.ReleaseBuffer();
  return text;
}

// The user has typed something that is no number of the kind asked.
[[noreturn]] void FailUnreadable(CDataExchange* pDX, UINT nIDPrompt) {
  AfxMessageBox(nIDPrompt, MB_OK | MB_ICONEXCLAMATION, nIDPrompt);
  pDX->Fail();
}

[[noreturn]] void FailOutOfRange(CDataExchange* pDX, UINT nIDPrompt, const std::string& strMin,
                                 const std::string& strMax) {
  CString prompt;
  AfxFormatString2(prompt, nIDPrompt, strMin.c_str(), strMax.c_str());
  AfxMessageBox(prompt, MB_OK | MB_ICONEXCLAMATION, nIDPrompt);
  pDX->Fail();
}

// Saving only: fails unless nMin <= value <= nMax.
void TestWholeRange(CDataExchange* pDX, int64_t value, int64_t nMin, int64_t nMax) {
  if (!pDX->m_bSaveAndValidate || (nMin <= value && value <= nMax)) return;
  FailOutOfRange(pDX, AFX_IDP_PARSE_INT_RANGE, std::to_string(nMin), std::to_string(nMax));
}

void TestRealRange(CDataExchange* pDX, double value, double dMin, double dMax, int nDigits) {
  if (!pDX->m_bSaveAndValidate || (dMin <= value && value <= dMax)) return;
  FailOutOfRange(pDX, AFX_IDP_PARSE_REAL_RANGE, WriteRealNumber(dMin, nDigits),
                 WriteRealNumber(dMax, nDigits));
}

// An edit field or a combo box takes no more than nChars characters.
void LimitTextOf(HWND hWndCtrl, int nChars) {
  if (hWndCtrl == nullptr || nChars < 1) return;  // a limit of 0 would mean none
  char className[16] = {};
  ::GetClassNameA(hWndCtrl, className, static_cast<int>(sizeof className));
  const WPARAM wLimit = static_cast<WPARAM>(nChars);
  if (::lstrcmpiA(className, "Edit") == 0) ::SendMessageA(hWndCtrl, EM_LIMITTEXT, wLimit, 0);
  if (::lstrcmpiA(className, "ComboBox") == 0) ::SendMessageA(hWndCtrl, CB_LIMITTEXT, wLimit, 0);
}

template <class T>
void ExchangeWhole(CDataExchange* pDX, int nIDC, T& value) {
  const HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate) {
    ::SetWindowTextA(hWndCtrl, std::to_string(value).c_str());
    return;
  }
  int64_t nRead = 0;
  if (!ReadWholeNumber(FieldText(hWndCtrl), nRead)) FailUnreadable(pDX, AFX_IDP_PARSE_INT);
  TestWholeRange(pDX, nRead, std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
  value = static_cast<T>(nRead);
}

// Floats travel as doubles: every float is one, and a double within
// ±dLimit converts back to the type.
void ExchangeReal(CDataExchange* pDX, int nIDC, double& value, int nDigits, double dLimit) {
  const HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
  if (!pDX->m_bSaveAndValidate) {
    ::SetWindowTextA(hWndCtrl, WriteRealNumber(value, nDigits).c_str());
    return;
  }
  double dRead = 0.0;
  if (!ReadRealNumber(FieldText(hWndCtrl), dRead)) FailUnreadable(pDX, AFX_IDP_PARSE_REAL);
  TestRealRange(pDX, dRead, -dLimit, dLimit, nDigits);
  value = dRead;
}

}  // namespace

// ---- DDX_Text ---------------------------------------------------------------------------

void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { ExchangeWhole(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) { ExchangeWhole(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeWhole(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeWhole(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeWhole(pDX, nIDC, value); }
void DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { ExchangeWhole(pDX, nIDC, value); }

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
  double dValue = value;
  ExchangeReal(pDX, nIDC, dValue, FLT_DIG, FLT_MAX);
  value = static_cast<float>(dValue);
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
  ExchangeReal(pDX, nIDC, value, DBL_DIG, DBL_MAX);
}

// ---- DDV ----------------------------------------------------------------------------------

void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
  TestWholeRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
  TestWholeRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
  TestWholeRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
  TestWholeRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxDWord(CDataExchange* pDX, DWORD const& value, DWORD minVal, DWORD maxVal) {
  TestWholeRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal) {
  TestRealRange(pDX, value, minVal, maxVal, FLT_DIG);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal) {
  TestRealRange(pDX, value, minVal, maxVal, DBL_DIG);
}

void DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars) {
  if (!pDX->m_bSaveAndValidate) {
    LimitTextOf(pDX->m_hWndLastControl, nChars);
    return;
  }
  if (value.GetLength() <= nChars) return;
  CString prompt;
  AfxFormatString1(prompt, AFX_IDP_PARSE_STRING_SIZE, std::to_string(nChars).c_str());
  AfxMessageBox(prompt, MB_OK | MB_ICONEXCLAMATION, AFX_IDP_PARSE_STRING_SIZE);
  pDX->Fail();
}
