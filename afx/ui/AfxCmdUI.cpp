#include "afx/ui/AfxCmdUI.h"

#include "afx/wnd/AfxWndInternal.h"

void CCmdUI::Enable(BOOL bOn) {
  if (m_pMenu != nullptr) {
    m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  } else if (m_pOther != nullptr) {
    m_pOther->EnableWindow(bOn);
  }
  m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
  if (m_pMenu != nullptr) {
    m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
  } else if (m_pOther != nullptr) {
    m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
  }
}

void CCmdUI::SetRadio(BOOL bOn) { SetCheck(bOn ? 1 : 0); }

void CCmdUI::SetText(LPCSTR lpszText) {
  if (m_pMenu != nullptr) {
    // Keep the item's enabling and check; the text replaces the rest.
    const UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) &
                        (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_MENUBARBREAK | MF_MENUBREAK);
    m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
  } else if (m_pOther != nullptr) {
    m_pOther->SetWindowText(lpszText);
  }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler) {
  m_bEnableChanged = FALSE;
  m_bContinueRouting = FALSE;
  const BOOL bResult = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this);
  if (bDisableIfNoHandler && !m_bEnableChanged) {
    AFX_CMDHANDLERINFO info;
    Enable(pTarget->OnCmdMsg(m_nID, 0, this, &info));
  }
  return bResult;
}

// ---- CWnd's commands ----------------------------------------------------------------

namespace {

// Asks a command's update handlers whether it is enabled, changing nothing.
class CTestCmdUI : public CCmdUI {
 public:
  BOOL m_bEnabled = TRUE;
  void Enable(BOOL bOn) override {
    m_bEnabled = bOn;
    m_bEnableChanged = TRUE;
  }
  void SetCheck(int) override {}
  void SetRadio(BOOL) override {}
  void SetText(LPCSTR) override {}
};

}  // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  const HWND hWndControl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndControl != nullptr) {
    // Held back while this window's data is exchanged (see UpdateData).
    if (AfxLockoutNotifyWindow() == m_hWnd) return TRUE;
    LRESULT result = 0;
    if (ReflectToChild(hWndControl, WM_COMMAND, wParam, lParam, &result)) return TRUE;
  } else {
    // A menu command or an accelerator: one its update handler disables
    // (it may have become disabled since its menu was shown) is dropped.
    if (nID == 0) return FALSE;
    CTestCmdUI state;
    state.m_nID = nID;
    OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state);
    if (!state.m_bEnabled) return TRUE;
    nCode = 0;
  }
  return OnCmdMsg(nID, nCode);
}
