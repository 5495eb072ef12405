#include "afx/AfxDataExchange.h"

#include "afx/AfxDiag.h"

// ---- CDataExchange ------------------------------------------------------------------

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

HWND CDataExchange::PrepareCtrl(int nIDC) {
  const HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
  if (hWndCtrl == nullptr) {
    // The dialog's code and its template disagree: nothing of this item
    // (or after it) is exchanged, and the data stays as it was.
    AfxTrace("Error: no data exchange control with ID %d (0x%04X).\n", nIDC,
             static_cast<unsigned>(nIDC));
    AfxThrowNotSupportedException();
  }
  m_hWndLastControl = hWndCtrl;
  m_bEditLastControl = FALSE;
  return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) {
  const HWND hWnd = PrepareCtrl(nIDC);
  m_bEditLastControl = TRUE;
  return hWnd;
}

void CDataExchange::Fail() {
  if (m_hWndLastControl != nullptr && m_bSaveAndValidate) {
    // Back to the entry the user has to correct, with its text selected
    // so that typing replaces it.
    ::SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
  }
  AfxThrowUserException();
}

// ---- DDX ----------------------------------------------------------------------------

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.m_hWnd != nullptr) return;
  const HWND hWndControl = pDX->PrepareCtrl(nIDC);
  if (!rControl.SubclassWindow(hWndControl)) {
    // Attached to another object already: the dialog's code is at fault.
    AfxTrace("Error: data exchange control with ID %d is attached already.\n", nIDC);
    AfxThrowNotSupportedException();
  }
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
  const HWND hWndControl = pDX->PrepareEditCtrl(nIDC);
  if (pDX->m_bSaveAndValidate) {
    const int nLength = ::GetWindowTextLengthA(hWndControl);
    char* pBuffer = value.GetBuffer(nLength);
    ::GetWindowTextA(hWndControl, pBuffer, nLength + 1);
    value.ReleaseBuffer();
  } else {
    ::SetWindowTextA(hWndControl, value);
  }
}

// ---- strings and message boxes ------------------------------------------------------

CString AfxFormatStrings(LPCSTR lpszFormat, const LPCSTR* rglpsz, int nString) {
  CString result;
  for (const char* p = lpszFormat; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] >= '1' && p[1] <= '9') {
      const int nIndex = p[1] - '1';
      if (nIndex < nString && rglpsz[nIndex] != nullptr) result += rglpsz[nIndex];
      ++p;
    } else {
      result += *p;
    }
  }
  return result;
}

void AfxFormatString1(CString& rString, UINT nIDS, LPCSTR lpsz1) {
  CString format;
  AfxLoadString(nIDS, format);
  rString = AfxFormatStrings(format, &lpsz1, 1);
}

void AfxFormatString2(CString& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2) {
  CString format;
  AfxLoadString(nIDS, format);
  const LPCSTR inserts[2] = {lpsz1, lpsz2};
  rString = AfxFormatStrings(format, inserts, 2);
}

int AfxMessageBox(LPCSTR lpszText, UINT nType, UINT nIDHelp) {
  if (CWinApp* pApp = AfxGetApp()) return pApp->DoMessageBox(lpszText, nType, nIDHelp);
  return ::MessageBoxA(::GetActiveWindow(), lpszText, nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  CString prompt;
  AfxLoadString(nIDPrompt, prompt);
  if (nIDHelp == static_cast<UINT>(-1)) nIDHelp = nIDPrompt;
  return AfxMessageBox(prompt, nType, nIDHelp);
}
