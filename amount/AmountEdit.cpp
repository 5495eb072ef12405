#include "amount/AmountEdit.h"

#include "afx/AfxClipboard.h"
#include "amount/IsSibling.h"

#include <cctype>

namespace {


// The first character of a locale text of the user's, or the fallback.
char UserLocaleChar(LCTYPE type, char fallback) {
  char buffer[10] = {};
  if (::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer) == 0) return fallback;
  return buffer[0] != '\0' ? buffer[0] : fallback;
}

// The clipboard's text, cut at its first NUL; false when there is none.
bool ClipboardText(CString& text) {
  COleDataObject data;
  if (!data.AttachClipboard() || !data.IsDataAvailable(CF_TEXT)) return false;
  HGLOBAL hGlobal = data.GetGlobalData(CF_TEXT);
  if (hGlobal == nullptr) return false;
  const SIZE_T size = ::GlobalSize(hGlobal);
  const char* bytes = static_cast<const char*>(::GlobalLock(hGlobal));
  if (bytes != nullptr) {
    text = CString(bytes, static_cast<int>(size));
    ::GlobalUnlock(hGlobal);
  }
  ::GlobalFree(hGlobal);
  text = CString(static_cast<const char*>(text));  // up to the first NUL
  return bytes != nullptr;
}

}  // namespace

IMPLEMENT_DYNAMIC(CAmountEdit, CEdit)

BEGIN_MESSAGE_MAP(CAmountEdit, CEdit)
  ON_CONTROL_REFLECT(EN_KILLFOCUS, OnKillfocus)
  ON_WM_CHAR()
  ON_MESSAGE(WM_PASTE, OnPaste)
END_MESSAGE_MAP()

void CAmountEdit::SetAmount(double dAmount, unsigned int uUnits, bool bNoRound) {
  if (IsWindow()) {
    CString text;
    FormatAmount(dAmount, uUnits, text, bNoRound);
    SetWindowText(text);
  }
  m_dAmount = dAmount;
  m_uUnits = uUnits;
}

void CAmountEdit::SetAmount(LONG lAmount, unsigned int uUnits, bool bNoRound) {
  SetAmount(static_cast<double>(lAmount), uUnits, bNoRound);
}

bool CAmountEdit::IsEmpty() const { return GetWindowTextLength() == 0; }

void CAmountEdit::ClearAmount() { SetWindowText(""); }

void CAmountEdit::SetPercentRange(double dLimit1, double dLimit2) {
  m_bRange = true;
  StorePercentRange(dLimit1, dLimit2);
}

void CAmountEdit::SetFormat(int nPrecision, bool bInches, bool bNotify, bool bRequired,
                            bool bPercent) {
  tagFORMAT format = {nPrecision, bInches, bNotify, bRequired, bPercent, m_bOnlyPercent, 0};
  SetFormat(&format, true);
}

void CAmountEdit::SetFormat(tagFORMAT* pFormat, bool bRedisplay) {
  if (pFormat == nullptr) return;
  if (ApplyFormatRecord(*pFormat) && bRedisplay) SetAmount(m_dAmount, m_uUnits, false);
  m_bOnlyPercent = pFormat->bOnlyPercent;
}

void CAmountEdit::GetFormat(tagFORMAT& format) const {
  FillFormatRecord(format);
  format.bOnlyPercent = m_bOnlyPercent;
}

bool CAmountEdit::IsSibling(CWnd* pOther) { return ::IsSibling(this, pOther); }

bool CAmountEdit::CloseAmount() { return CloseAmountExchange(*this, &DDX_AmountEdit); }

BOOL CAmountEdit::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.dwExStyle |= WS_EX_CLIENTEDGE;
  return CEdit::PreCreateWindow(cs);
}

BOOL CAmountEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN || (pMsg->wParam != VK_RETURN && pMsg->wParam != VK_ESCAPE)) {
    return CEdit::PreTranslateMessage(pMsg);
  }
  if ((pMsg->lParam & kRepeatedKeyDown) != 0) return TRUE;
  if (pMsg->wParam == VK_RETURN) {
    if (GetModify()) CloseAmount();
  } else if (!IsEmpty()) {
    ClearAmount();
    SetModify(TRUE);
  } else {
    SetAmount(m_dAmount, m_uUnits, false);
    SetModify(FALSE);
  }
  return TRUE;  // neither the default button nor Cancel fires from here
}

void CAmountEdit::OnKillfocus() {
  if (GetModify() && CommitsOnFocusTo(*this, CWnd::GetFocus())) CloseAmount();
}

bool CAmountEdit::IsValidChar(int nChar) const {
  if (nChar == '\b') return true;
  if (nChar < 0 || nChar > 255) return false;
  if (std::isdigit(nChar) != 0) return true;
  const char ch = static_cast<char>(nChar);
  if (ch == UserLocaleChar(LOCALE_SDECIMAL, '.')) return true;
  if (ch == UserLocaleChar(LOCALE_SNEGATIVESIGN, '-')) return true;
  return m_bPercent && ch == '%';
}

void CAmountEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  if (nChar <= 255 && IsValidChar(static_cast<int>(nChar))) Default();
}

LRESULT CAmountEdit::OnPaste(WPARAM /*wParam*/, LPARAM /*lParam*/) {
  CString text;
  if (!ClipboardText(text)) return 0;
  for (int i = 0; i < text.GetLength(); ++i) {
    if (!IsValidChar(static_cast<unsigned char>(text[i]))) return 0;  // all or nothing
  }
  Default();
  return 0;
}

void DDX_AmountEdit(CDataExchange* pDX, int nIDC, CAmountEdit& rControl) {
  if (LoadAmountExchange(pDX, nIDC, rControl)) return;
  unsigned int units = UNITS_DISTANCE;
  bool atLimit = false;
  if (!rControl.IsWindowEnabled()) return;  // disabled fields are neither read nor tested
  CString text;
  rControl.GetWindowText(text);
  if (rControl.m_bOnlyPercent && !text.IsEmpty() && text.Find('%') < 0) text += '%';
  if (!rControl.m_bRequired && text.IsEmpty()) return;

  double value = 0.0;
  if (!rControl.ConvertAmount(text, value, units)) {
    NotifyAmount(pDX->m_pDlgWnd, rControl, WM_AMOUNTINVALID, nIDC, 0);
    FailUnreadableAmount(pDX);
  }
  if (!rControl.ValidateAmount(value, units, atLimit)) {
    const CString prompt = AmountRangePrompt(rControl, units);
    NotifyAmount(pDX->m_pDlgWnd, rControl, WM_AMOUNTINVALID, nIDC, 0);
    FailAmountOutOfRange(pDX, prompt);
  }
  if (rControl.GetModify()) {
    rControl.SetAmount(value, units, atLimit);
    if (rControl.m_bNotify) NotifyAmount(pDX->m_pDlgWnd, rControl, WM_AMOUNTCHANGED, nIDC, 0);
  }
  rControl.SetModify(FALSE);
}
