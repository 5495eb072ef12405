// CFrameWnd's control bars: the layout of the bars and the view, showing
// and hiding bars, the status bar's messages and key indicators, and the
// frame's part in print preview.
#include "afx/ui/AfxControlBar.h"
#include "afx/app/AfxApp.h"
#include "afx/ui/AfxView.h"

#include <algorithm>

namespace {

CControlBar* BarOf(HWND hWnd) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CControlBar))
             ? static_cast<CControlBar*>(pWnd)
             : nullptr;
}

// The frame's bars in the order they were made (each new window goes to
// the top of its siblings, so the oldest is the last child).
std::vector<CControlBar*> BarsOf(HWND hWndFrame) {
  std::vector<CControlBar*> bars;
  for (HWND h = ::GetWindow(::GetWindow(hWndFrame, GW_CHILD), GW_HWNDLAST); h != nullptr;
       h = ::GetWindow(h, GW_HWNDPREV)) {
    if (CControlBar* pBar = BarOf(h)) bars.push_back(pBar);
  }
  return bars;
}

// Takes a bar's thickness off one side of the free rectangle and returns
// the bar's place.
CRect TakeSide(CRect& rcFree, DWORD dwAlign, CSize size) {
  CRect rcBar(rcFree);
  switch (dwAlign) {
    case CBRS_ALIGN_BOTTOM:
      rcBar.top = rcFree.bottom = std::max(rcFree.top, rcFree.bottom - size.cy);
      break;
    case CBRS_ALIGN_LEFT:
      rcBar.right = rcFree.left = std::min(rcFree.right, rcFree.left + size.cx);
      break;
    case CBRS_ALIGN_RIGHT:
      rcBar.left = rcFree.right = std::max(rcFree.left, rcFree.right - size.cx);
      break;
    default:  // the top, also for a bar without a side
      rcBar.bottom = rcFree.top = std::min(rcFree.bottom, rcFree.top + size.cy);
      break;
  }
  return rcBar;
}

}  // namespace

// ---- layout ---------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL) {
  if (!IsWindow() || m_bInRecalcLayout) return;
  m_bInRecalcLayout = true;
  m_bDelayedLayout = false;
  CRect rcFree;
  GetClientRect(&rcFree);
  for (CControlBar* pBar : BarsOf(m_hWnd)) {
    if (!pBar->IsVisible()) continue;
    DWORD dwAlign = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
    if ((dwAlign & CBRS_ALIGN_TOP) != 0) dwAlign = CBRS_ALIGN_TOP;  // one side each
    else if ((dwAlign & CBRS_ALIGN_BOTTOM) != 0) dwAlign = CBRS_ALIGN_BOTTOM;
    else if ((dwAlign & CBRS_ALIGN_LEFT) != 0) dwAlign = CBRS_ALIGN_LEFT;
    else if ((dwAlign & CBRS_ALIGN_RIGHT) != 0) dwAlign = CBRS_ALIGN_RIGHT;
    const BOOL bHorz = dwAlign == CBRS_ALIGN_TOP || dwAlign == CBRS_ALIGN_BOTTOM || dwAlign == 0;
    const CRect rcBar = TakeSide(rcFree, dwAlign, pBar->CalcFixedLayout(TRUE, bHorz));
    pBar->MoveWindow(&rcBar);
  }
  // The first pane (the view CreateView makes, or preview's) takes the
  // rest; a frame without one sizes its active view. Other views keep
  // their places, active or not.
  HWND hWndPane = ::GetDlgItem(m_hWnd, static_cast<int>(AFX_IDW_PANE_FIRST));
  if (hWndPane == nullptr && m_pViewActive != nullptr) hWndPane = m_pViewActive->m_hWnd;
  if (hWndPane != nullptr && ::IsWindow(hWndPane)) {
    ::MoveWindow(hWndPane, rcFree.left, rcFree.top, rcFree.Width(), rcFree.Height(), TRUE);
  }
  m_bInRecalcLayout = false;
}

// ---- docking, showing and hiding ------------------------------------------------------

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
  m_dwDockStyle = dwDockStyle & static_cast<DWORD>(CBRS_ALIGN_ANY);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT, LPCRECT) {
  if (pBar == nullptr) return;
  pBar->m_pDockSite = this;
  // The bar's own side when the frame and the bar allow it, else the top.
  const DWORD dwAllowed = m_dwDockStyle & (pBar->m_dwDockStyle != 0 ? pBar->m_dwDockStyle
                                                                    : static_cast<DWORD>(CBRS_ALIGN_ANY));
  DWORD dwSide = pBar->GetBarStyle() & CBRS_ALIGN_ANY;
  if ((dwSide & dwAllowed) == 0) dwSide = CBRS_ALIGN_TOP;
  pBar->SetBarStyle((pBar->GetBarStyle() & ~static_cast<DWORD>(CBRS_ALIGN_ANY)) | dwSide);
  RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
  if (pBar == nullptr || !pBar->IsWindow()) return;
  pBar->ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
  if (bDelay) {
    m_bDelayedLayout = true;  // laid out at the next idle time
  } else {
    RecalcLayout();
  }
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
  if (nID == 0) return nullptr;
  for (CControlBar* pBar : BarsOf(m_hWnd)) {
    if (static_cast<UINT>(pBar->GetDlgCtrlID()) == nID) return pBar;
  }
  return nullptr;
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
  CControlBar* pBar = GetControlBar(nID);
  if (pBar == nullptr) return FALSE;
  ShowControlBar(pBar, !pBar->IsVisible(), FALSE);
  return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
  CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
  if (pBar == nullptr) {
    pCmdUI->ContinueRouting();
    return;
  }
  pCmdUI->SetCheck(pBar->IsVisible() ? 1 : 0);
}

// ---- the status bar's message ---------------------------------------------------------

CWnd* CFrameWnd::GetMessageBar() {
  const HWND hBar = ::GetDlgItem(m_hWnd, AFX_IDW_STATUS_BAR);
  return hBar != nullptr ? CWnd::FromHandle(hBar) : nullptr;
}

namespace {

void ShowMessage(CWnd* pBar, LPCSTR lpszText) {
  if (pBar == nullptr) return;
  pBar->SetWindowText(lpszText);
  pBar->UpdateWindow();
}

}  // namespace

// What is set here is what the bar should show until a menu item, a button
// or the idle message takes its place: no update at idle time replaces it.
void CFrameWnd::SetMessageText(LPCSTR lpszText) {
  ShowMessage(GetMessageBar(), lpszText);
  m_nIDTracking = m_nIDLastMessage = 0;
}

void CFrameWnd::SetMessageText(UINT nID) {
  CString message;
  GetMessageString(nID, message);
  ShowMessage(GetMessageBar(), message);
  m_nIDTracking = m_nIDLastMessage = nID;
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
  rMessage.Empty();
  if (nID == 0 || !AfxLoadString(nID, rMessage)) return;
  const int nNewline = rMessage.Find('\n');
  if (nNewline >= 0) rMessage = rMessage.Left(nNewline);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
  const UINT nIDLast = m_nIDLastMessage;
  const auto nID = static_cast<UINT>(wParam);
  if (lParam != 0) {
    ShowMessage(GetMessageBar(), reinterpret_cast<LPCSTR>(lParam));
    m_nIDTracking = m_nIDLastMessage = nID;
  } else {
    SetMessageText(nID);
  }
  return static_cast<LRESULT>(nIDLast);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
  if (nFlags == 0xFFFF && hSysMenu == nullptr) {
    m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed
  } else if ((nFlags & (MF_SEPARATOR | MF_POPUP)) != 0 || nItemID >= 0xF000) {
    m_nIDTracking = 0;  // a submenu, a separator or a system command: nothing to say
  } else {
    m_nIDTracking = nItemID;
  }
  if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
}

void CFrameWnd::OnExitMenuLoop(BOOL bIsTrackPopupMenu) {
  m_nIDTracking = AFX_IDS_IDLEMESSAGE;
  if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
  CWnd::OnExitMenuLoop(bIsTrackPopupMenu);
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
  if (m_bDelayedLayout) RecalcLayout();
  if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
  return 0;
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
  UINT nVK = 0;
  switch (pCmdUI->m_nID) {
    case ID_INDICATOR_CAPS: nVK = VK_CAPITAL; break;
    case ID_INDICATOR_NUM: nVK = VK_NUMLOCK; break;
    case ID_INDICATOR_SCRL: nVK = VK_SCROLL; break;
    default:
      pCmdUI->ContinueRouting();
      return;
  }
  // The low bit of the key's state is its lock.
  pCmdUI->Enable((::GetKeyState(static_cast<int>(nVK)) & 1) != 0);
}

// ---- print preview --------------------------------------------------------------------

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) {
  if (bPreview) {
    // The view goes first, hidden as it is and with its pane ID handed
    // over: nothing done to the frame below may resize it.
    pState->pViewActiveOld = m_pViewActive;
    if (m_pViewActive != nullptr && m_pViewActive->IsWindow()) {
      pState->nIDMainPane = static_cast<UINT>(m_pViewActive->GetDlgCtrlID());
      m_pViewActive->ShowWindow(SW_HIDE);
      m_pViewActive->SetDlgCtrlID(static_cast<int>(pState->nIDMainPane) + 1);
    }
    m_pViewActive = nullptr;
    // The bars go, except the status bar, which shows the pages.
    pState->hiddenBars.clear();
    for (CControlBar* pBar : BarsOf(m_hWnd)) {
      if (pBar->IsVisible() && pBar->GetDlgCtrlID() != AFX_IDW_STATUS_BAR) {
        pState->hiddenBars.push_back(pBar->m_hWnd);
        pBar->ShowWindow(SW_HIDE);
      }
    }
    // The menu and the accelerators go: the preview bar has the commands.
    pState->hMenu = ::GetMenu(m_hWnd);
    ::SetMenu(m_hWnd, nullptr);
    pState->hAccelTable = m_hAccelTable;
    m_hAccelTable = nullptr;
  } else {
    // The frame first, with whatever view is active, then the view, laid
    // out once in the frame it left.
    if (pState->hMenu != nullptr) ::SetMenu(m_hWnd, pState->hMenu);
    pState->hMenu = nullptr;  // the frame's again
    m_hAccelTable = pState->hAccelTable;
    for (HWND hBar : pState->hiddenBars) {
      if (::IsWindow(hBar)) ::ShowWindow(hBar, SW_SHOWNOACTIVATE);
    }
    pState->hiddenBars.clear();
    CView* pView = pState->pViewActiveOld;
    if (pView != nullptr && pView->IsWindow()) {
      pView->SetDlgCtrlID(static_cast<int>(pState->nIDMainPane));
      m_pViewActive = pView;
      RecalcLayout();
      pView->ShowWindow(SW_SHOW);
    }
  }
  RecalcLayout();
}
