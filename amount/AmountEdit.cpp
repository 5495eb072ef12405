#include "amount/AmountEdit.h"

#include "afx/wnd/AfxClipboard.h"
#include "amount/IsSibling.h"

#include "afx/base/DecimalText.h"

#include <cctype>

using namespace varnel::amount;

namespace {

// Keys the edit control handles itself as characters: copy, cut and undo.
// (Ctrl+V is routed through WM_PASTE, so that the paste filter sees it.)
constexpr UINT kCtrlC = 0x03, kCtrlV = 0x16, kCtrlX = 0x18, kCtrlZ = 0x1A;

bool IsKeyDown(int nVirtKey) { return (::GetKeyState(nVirtKey) & 0x8000) != 0; }

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
  ON_WM_KEYDOWN()
  ON_MESSAGE(WM_PASTE, OnPaste)
  ON_MESSAGE(WM_AMOUNTACTIONDONE, OnActionDone)
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

void CAmountEdit::OnKillfocus() { CommitOnLeaving(*this); }

LRESULT CAmountEdit::OnActionDone(WPARAM, LPARAM) {
  EndRefusedAction(m_hWnd);
  return 0;
}

bool CAmountEdit::IsValidChar(int nChar) const {
  if (nChar == '\b') return true;
  if (nChar < 0 || nChar > 255) return false;
  if (std::isdigit(nChar) != 0) return true;
  // The separator and the sign the parser reads and the formatter writes
  // (the C library's numeric locale, not the user's settings), so that
  // nothing typed here reads as another number.
  const char ch = static_cast<char>(nChar);
  if (ch == DecimalSeparator()[0]) return true;
  if (ch == '-') return true;
  return m_bPercent && ch == '%';
}

void CAmountEdit::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  if (nChar == kCtrlV) {
    SendMessage(WM_PASTE);
  } else if (nChar == kCtrlC || nChar == kCtrlX || nChar == kCtrlZ ||
             (nChar <= 255 && IsValidChar(static_cast<int>(nChar)))) {
    Default();
  }
}

void CAmountEdit::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/) {
  // Shift+Insert pastes inside the edit control without WM_PASTE under
  // some systems: sent as WM_PASTE instead, through the paste filter.
  if (nChar == VK_INSERT && IsKeyDown(VK_SHIFT) && !IsKeyDown(VK_CONTROL)) {
    SendMessage(WM_PASTE);
  } else {
    Default();
  }
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
  if (!rControl.ConvertAmount(text, value, units)) FailUnreadableAmount(pDX, nIDC, &rControl);
  if (!rControl.ValidateAmount(value, units, atLimit)) {
    FailAmountOutOfRange(pDX, nIDC, &rControl, AmountRangePrompt(rControl, units));
  }
  if (rControl.GetModify()) {
    rControl.SetAmount(value, units, atLimit);
    if (rControl.m_bNotify) NotifyAmount(pDX->m_pDlgWnd, rControl, WM_AMOUNTCHANGED, nIDC, 0);
  }
  rControl.SetModify(FALSE);
}
