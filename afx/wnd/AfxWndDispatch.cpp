// CWnd's dispatch: a message goes to the handler its class's map names,
// a control's WM_COMMAND or WM_NOTIFY to the control first (reflection),
// the parent's other messages about a control (colours, owner-drawn items,
// scrolling) to the control when the parent's map has no handler, anything
// else to the default processing (the window's original procedure); and
// the default handlers, each of which passes its message on to that.
// WM_COMMAND goes through CWnd::OnCommand, which asks a command's update
// handlers first: it lives with CCmdUI (ui/AfxCmdUI.cpp).
#include "afx/wnd/AfxDpi.h"
#include "afx/wnd/AfxWin.h"

#include "afx/wnd/AfxWndInternal.h"

namespace {

// The control a parent's message is about (null for none, or a menu's).
HWND AfxNotifyingChild(HWND hWndParent, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
      return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM: {
      const auto* pDis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      return pDis != nullptr && pDis->CtlType != ODT_MENU ? pDis->hwndItem : nullptr;
    }
    case WM_MEASUREITEM: {
      // The only one without the control's handle: found by its ID.
      const auto* pMis = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (pMis == nullptr || pMis->CtlType == ODT_MENU) return nullptr;
      return ::GetDlgItem(hWndParent, static_cast<int>(pMis->CtlID));
    }
    case WM_COMPAREITEM:
      return lParam != 0 ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_DELETEITEM:
      return lParam != 0 ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_PARENTNOTIFY: {
      const UINT nEvent = LOWORD(wParam);
      if (nEvent == WM_CREATE || nEvent == WM_DESTROY) return reinterpret_cast<HWND>(lParam);
      if (nEvent != WM_LBUTTONDOWN && nEvent != WM_MBUTTONDOWN && nEvent != WM_RBUTTONDOWN &&
          nEvent != WM_XBUTTONDOWN) {
        return nullptr;
      }
      // A click: the child under the point (client coordinates).
      const POINT pt = afx_detail::PointFromLParam(lParam);
      const HWND hWndChild = ::ChildWindowFromPoint(hWndParent, pt);
      return hWndChild != hWndParent ? hWndChild : nullptr;
    }
    default:
      return nullptr;
  }
}

}  // namespace

// ---- CWnd: dispatch ----------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) {
    result = DefWindowProc(message, wParam, lParam);
  }
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 0;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    LRESULT result = 0;
    if (!OnNotify(wParam, lParam, &result)) return FALSE;
    *pResult = result;
    return TRUE;
  }
  const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
  if (pEntry != nullptr) {
    *pResult = pEntry->pfn(this, wParam, lParam);
    return TRUE;
  }
  // A message about a control that this window's class does not handle
  // goes to the control, as CWnd's default handler of it would send it.
  return ReflectToChild(AfxNotifyingChild(m_hWnd, message, wParam, lParam), message, wParam,
                        lParam, pResult);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
  if (pNMHDR == nullptr) return FALSE;
  // Held back while this window's data is exchanged (see UpdateData).
  if (AfxLockoutNotifyWindow() == m_hWnd) return TRUE;
  if (ReflectToChild(pNMHDR->hwndFrom, WM_NOTIFY, wParam, lParam, pResult)) return TRUE;
  AFX_NOTIFY notify = {pResult, pNMHDR};
  const auto nCode = static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY));
  return OnCmdMsg(static_cast<UINT>(pNMHDR->idFrom), nCode, &notify, nullptr);
}

bool CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult) {
  if (hWndChild == nullptr) return false;
  CWnd* pChild = FromHandlePermanent(hWndChild);
  if (pChild == nullptr || pChild == this) return false;
  return pChild->OnChildNotify(message, wParam, lParam, pResult) != FALSE;
}

bool CWnd::ReflectLastMessage(LRESULT* pResult) {
  const MSG& msg = AfxLastSentMessage();
  if (msg.hwnd != m_hWnd) return false;
  return ReflectToChild(AfxNotifyingChild(m_hWnd, msg.message, msg.wParam, msg.lParam),
                        msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  UINT nCode = 0;
  LPARAM lParamThunk = lParam;
  LRESULT notifyResult = 0;
  AFX_NOTIFY notify = {&notifyResult, reinterpret_cast<NMHDR*>(lParam)};
  if (message == WM_COMMAND) {
    nCode = HIWORD(wParam);
  } else if (message == WM_NOTIFY) {
    // The notify thunks read the header and write the result through
    // AFX_NOTIFY, as those of the parent's ON_NOTIFY entries do.
    nCode = AFX_NOTIFY_CODE(notify.pNMHDR->code);
    lParamThunk = reinterpret_cast<LPARAM>(&notify);
  }
  const AFX_MSGMAP_ENTRY* pEntry =
      AfxFindMessageEntry(GetMessageMap(), message + WM_REFLECT_BASE, nCode, 0);
  if (pEntry == nullptr) return FALSE;
  const LRESULT result = pEntry->pfn(this, wParam, lParamThunk);
  // An _EX handler that returned FALSE, or a colour handler that gave no
  // brush, leaves the message to the parent. (Other reflected handlers'
  // results are the message's, -2 included: a list box's "done".)
  const bool bMayDecline = message == WM_COMMAND || message == WM_NOTIFY ||
                           (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC);
  if (bMayDecline && result == AFX_CONTINUE_ROUTING) return FALSE;
  if (pResult != nullptr) *pResult = message == WM_NOTIFY ? notifyResult : result;
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = AfxLastSentMessage();
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    // Stop at the top-level window: GetParent of a popup is its owner.
    if (hWnd == hWndStop || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return FALSE;
}

// ---- default handlers --------------------------------------------------------------

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {
      {WM_NCDESTROY, 0, 0, 0, &AfxMsg_v<CWnd, &CWnd::OnNcDestroy>},
      {0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

void CWnd::OnPaint() { Default(); }
int CWnd::OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
void CWnd::OnClose() { Default(); }
void CWnd::OnNcDestroy() {
  AfxSetWindowDpi(m_hWnd, 0);  // a window's properties go before it does
  Default();
  OnNcDestroyed();  // may delete this
}
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnTimer(UINT) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnLButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnRButtonUp(UINT, POINT) { Default(); }
void CWnd::OnRButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnMButtonDown(UINT, POINT) { Default(); }
void CWnd::OnMButtonUp(UINT, POINT) { Default(); }
void CWnd::OnMButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, POINT) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMouseHWheel(UINT, short, POINT) { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, POINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnSettingChange(UINT, LPCSTR) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }

// The parent's messages about a control: the control's own object first
// (its reflected entry or owner-draw member), then the default processing.
LRESULT CWnd::ReflectOrDefault() {
  LRESULT result = 0;
  return ReflectLastMessage(&result) ? result : Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(ReflectOrDefault()); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { ReflectOrDefault(); }
void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT) { ReflectOrDefault(); }
int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT) { return static_cast<int>(ReflectOrDefault()); }
void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT) { ReflectOrDefault(); }
int CWnd::OnCharToItem(UINT, CListBox*, UINT) { return static_cast<int>(ReflectOrDefault()); }
int CWnd::OnVKeyToItem(UINT, CListBox*, UINT) { return static_cast<int>(ReflectOrDefault()); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { ReflectOrDefault(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { ReflectOrDefault(); }
void CWnd::OnParentNotify(UINT, LPARAM) { ReflectOrDefault(); }

void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnChildActivate() { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
BOOL CWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }
void CWnd::OnEndSession(BOOL) { Default(); }
BOOL CWnd::OnQueryOpen() { return static_cast<BOOL>(Default()); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCTA) { return static_cast<BOOL>(Default()); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
LRESULT CWnd::OnNcHitTest(POINT) { return Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnNcMouseMove(UINT, POINT) { Default(); }
void CWnd::OnNcLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnNcLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnNcRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnNcRButtonUp(UINT, POINT) { Default(); }
void CWnd::OnNcRButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnNcMButtonDown(UINT, POINT) { Default(); }
void CWnd::OnNcMButtonUp(UINT, POINT) { Default(); }
void CWnd::OnNcMButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnMoving(UINT, LPRECT) { Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnEnterSizeMove() { Default(); }
void CWnd::OnExitSizeMove() { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnDeadChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysDeadChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseHover(UINT, POINT) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
void CWnd::OnFontChange() { Default(); }
void CWnd::OnTimeChange() { Default(); }
void CWnd::OnDevModeChange(LPSTR) { Default(); }
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR) { return static_cast<BOOL>(Default()); }
void CWnd::OnIconEraseBkgnd(CDC*) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
BOOL CWnd::OnQueryNewPalette() { return static_cast<BOOL>(Default()); }
