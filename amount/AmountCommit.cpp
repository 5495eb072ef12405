#include "amount/AmountCommit.h"

#include "amount/IsSibling.h"

void NotifyAmount(CWnd* pDialog, CWnd& control, UINT message, int nIDC, LPARAM lParam) {
  if (pDialog != nullptr) pDialog->SendMessage(message, static_cast<WPARAM>(nIDC), lParam);
  control.SendMessage(message, static_cast<WPARAM>(nIDC), lParam);
}

void FailUnreadableAmount(CDataExchange* pDX) {
  AfxMessageBox(AFX_IDP_PARSE_REAL, MB_OK, static_cast<UINT>(-1));
  pDX->Fail();
}

CString AmountRangePrompt(const CAmountFields& fields, unsigned int uUnits) {
  CString lower, upper, prompt;
  fields.FormatLimits(uUnits, lower, upper);
  AfxFormatString2(prompt, AFX_IDP_PARSE_REAL_RANGE, lower, upper);
  return prompt;
}

void FailAmountOutOfRange(CDataExchange* pDX, const CString& prompt) {
  AfxMessageBox(prompt, MB_OK, 0);
  pDX->Fail();
}

bool CommitsOnFocusTo(CWnd& control, CWnd* pFocus) {
  // The control itself, or a part of it (a combo box's edit field), is not
  // another window.
  if (pFocus == nullptr || pFocus->m_hWnd == control.m_hWnd ||
      ::IsChild(control.m_hWnd, pFocus->m_hWnd)) {
    return false;
  }
  return IsSibling(&control, pFocus) && pFocus->GetDlgCtrlID() != IDCANCEL;
}
