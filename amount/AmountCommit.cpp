#include "amount/AmountCommit.h"

#include "amount/IsSibling.h"

namespace varnel::amount {

void NotifyAmount(CWnd* pDialog, CWnd& control, UINT message, int nIDC, LPARAM lParam) {
  if (pDialog != nullptr) pDialog->SendMessage(message, static_cast<WPARAM>(nIDC), lParam);
  control.SendMessage(message, static_cast<WPARAM>(nIDC), lParam);
}

namespace {

// The user-interface thread's; its dialogs live on that one thread.
HWND g_hWndRefusedAction = nullptr;

void TellInvalid(CDataExchange* pDX, int nIDC, CWnd* pInvalid) {
  if (pInvalid != nullptr) NotifyAmount(pDX->m_pDlgWnd, *pInvalid, WM_AMOUNTINVALID, nIDC, 0);
}

}  // namespace

void FailUnreadableAmount(CDataExchange* pDX, int nIDC, CWnd* pInvalid) {
  const CRefusalScope refusal;
  TellInvalid(pDX, nIDC, pInvalid);
  AfxMessageBox(AFX_IDP_PARSE_REAL, MB_OK, static_cast<UINT>(-1));
  pDX->Fail();
}

CString AmountRangePrompt(const CAmountFields& fields, unsigned int uUnits) {
  CString lower, upper, prompt;
  fields.FormatLimits(uUnits, lower, upper);
  AfxFormatString2(prompt, AFX_IDP_PARSE_REAL_RANGE, lower, upper);
  return prompt;
}

void FailAmountOutOfRange(CDataExchange* pDX, int nIDC, CWnd* pInvalid, const CString& prompt) {
  const CRefusalScope refusal;
  TellInvalid(pDX, nIDC, pInvalid);
  AfxMessageBox(prompt, MB_OK, 0);
  pDX->Fail();
}

bool CommitsOnFocusTo(CWnd& control, CWnd* pFocus) {
  // A refusal moving the focus (this field's, another's, or the dialog's
  // own exchange) is not the user leaving: committing here too would put
  // a second prompt on the first and take the focus from the field the
  // user has to mend.
  if (CRefusalScope::IsOpen()) return false;
  // The control itself, or a part of it (a combo box's edit field), is not
  // another window.
  if (pFocus == nullptr || pFocus->m_hWnd == control.m_hWnd ||
      ::IsChild(control.m_hWnd, pFocus->m_hWnd)) {
    return false;
  }
  return IsSibling(&control, pFocus) && pFocus->GetDlgCtrlID() != IDCANCEL;
}

void CancelUserAction(HWND hWnd) {
  // Posted: the press being handled may not have begun yet (a button takes
  // the focus before it shows itself pressed).
  ::PostMessageA(hWnd, WM_CANCELMODE, 0, 0);
  if ((::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) != 0) {
    ::PostMessageA(hWnd, BM_SETSTATE, FALSE, 0);
  }
}

void NoteRefusedAction(HWND hWnd) {
  g_hWndRefusedAction = hWnd;
  // Posted messages come before the user's next input.
  ::PostMessageA(hWnd, WM_AMOUNTACTIONDONE, 0, 0);
}

bool IsRefusedAction(HWND hWnd) { return hWnd != nullptr && hWnd == g_hWndRefusedAction; }

void EndRefusedAction(HWND hWnd) {
  if (hWnd == g_hWndRefusedAction) g_hWndRefusedAction = nullptr;
}

}  // namespace varnel::amount
