#include "afx/ui/AfxCmdUI.h"

#include "afx/wnd/AfxWndInternal.h"

void CCmdUI::Enable(BOOL bOn) {
  if (m_pMenu != nullptr) {
    m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
  } else if (m_pOther != nullptr) {
    // A control about to be disabled hands the focus on first, or the
    // keyboard would be left on a control that takes no keys.
    if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
      ::SendMessageA(::GetParent(m_pOther->m_hWnd), WM_NEXTDLGCTL, 0, FALSE);
    }
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
    // Only a change: the same text again would repaint the control, and
    // the repaint would bring the next idle update, for ever.
    CString current;
    m_pOther->GetWindowText(current);
    if (current != lpszText) m_pOther->SetWindowText(lpszText);
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

// ---- dialog controls ----------------------------------------------------------------

namespace {

// A button that carries a command out when pushed (not a check box, a
// radio button or a group box, which hold a state or hold nothing).
bool IsCommandButton(HWND hWnd) {
  if ((::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON) == 0) return false;
  switch (::GetWindowLongA(hWnd, GWL_STYLE) & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
    case BS_OWNERDRAW:
      return true;
    default:
      return false;
  }
}

}  // namespace

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  CCmdUI state;
  for (HWND hWndChild = ::GetWindow(m_hWnd, GW_CHILD); hWndChild != nullptr;
       hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
    const auto nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
    if (nID == 0 || nID == 0xFFFF) continue;  // IDC_STATIC and unnamed windows
    state.m_nID = nID;
    state.m_pOther = FromHandle(hWndChild);
    // The control's own update handler first; one that calls
    // ContinueRouting leaves the control to pTarget's handlers.
    CWnd* pChild = FromHandlePermanent(hWndChild);
    if (pChild != nullptr) {
      const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(
          pChild->GetMessageMap(), WM_COMMAND + WM_REFLECT_BASE, CN_UPDATE_COMMAND_UI, 0);
      if (pEntry != nullptr &&
          pEntry->pfn(pChild, 0, reinterpret_cast<LPARAM>(&state)) != AFX_CONTINUE_ROUTING) {
        continue;
      }
    }
    state.DoUpdate(pTarget, bDisableIfNoHndler && IsCommandButton(hWndChild));
  }
}
