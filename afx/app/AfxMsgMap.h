// Message maps: a table of handlers per class, chained to the base class's
// table. Each entry holds a thunk instantiated for the handler it calls; the
// thunk unpacks wParam/lParam for that message and calls the handler through
// a pointer-to-member of exactly the framework's signature. A handler
// declared with another signature therefore fails to compile at its
// BEGIN_MESSAGE_MAP ... END_MESSAGE_MAP entry instead of being called
// through a cast.
//
//   class CMyDlg : public CDialog { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialog)
//     ON_WM_SIZE()
//     ON_BN_CLICKED(IDC_APPLY, OnApply)
//   END_MESSAGE_MAP()
#pragma once

#include "afx/base/AfxCore.h"

#include <type_traits>

class CCmdTarget;
class CScrollBar;

// Marks message handlers in class declarations, as hosts are used to.
#define afx_msg

// Reflected notifications (a control's own WM_COMMAND notifications, sent
// back to it by its parent) are looked up under message + WM_REFLECT_BASE.
#define WM_REFLECT_BASE 0xBC00

// The notification code of a command's user-interface update: the entry's
// handler is given the CCmdUI instead of carrying the command out.
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

// The framework's own messages between its windows.
// The status bar's message: wParam a string ID (0 for none), lParam the
// text itself when not null; the frame shows it and returns the ID shown
// before.
#define WM_SETMESSAGESTRING 0x0362
// Sent at idle time to the main window and its descendants: bars bring
// their items up to date (wParam TRUE: items without a handler greyed).
#define WM_IDLEUPDATECMDUI 0x0363
// Sent when the thread has nothing else to do: to a modal dialog by its
// loop, to modeless top-level windows (dialogs) by the application's idle
// time; wParam MSGF_DIALOGBOX, lParam the count of idle calls in this
// quiet spell. A dialog brings its buttons up to date here
// (UpdateDialogControls); a nonzero result asks for more idle calls.
#define WM_KICKIDLE 0x036A

// What a command handler's thunk returns when the command is to go on to
// the next target, as if this one had none (an ON_COMMAND_EX handler that
// returned FALSE, an update handler that called ContinueRouting).
constexpr LRESULT AFX_CONTINUE_ROUTING = -2;

typedef LRESULT (*AFX_PMSG)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // window message, WM_COMMAND, or a reflected message
  UINT nCode;     // notification code for WM_COMMAND entries
  UINT nID;       // first control or command ID for WM_COMMAND entries
  UINT nLastID;   // last ID of the range (equal to nID for one ID)
  AFX_PMSG pfn;   // thunk that unpacks the message and calls the handler
  // For ON_REGISTERED_MESSAGE: the variable holding the message's number,
  // read at each lookup (it is registered at run time); nMessage is unused.
  const UINT* pnMessage = nullptr;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null at the root
  const AFX_MSGMAP_ENTRY* lpEntries;     // ends with an entry whose pfn is null
};

// The first entry of the map chain that handles the message (for WM_COMMAND
// and WM_NOTIFY entries: the code and an ID in the entry's range); null
// when none does.
VARNEL_API const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage,
                                                       UINT nCode, UINT nID);

// A scroll-bar control object for a WM_HSCROLL/WM_VSCROLL sender: its own
// object when it has one, otherwise a temporary one; null for the window's
// own scroll bars (lParam 0).
VARNEL_API CScrollBar* AfxScrollBarFromHandle(HWND hWnd);

// ---- declaring and defining maps --------------------------------------------

#define DECLARE_MESSAGE_MAP()                        \
 protected:                                          \
  static const AFX_MSGMAP* GetThisMessageMap();      \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                   \
    using ThisClass [[maybe_unused]] = theClass;                                      \
    using TheBaseClass = baseClass;                                                   \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                              \
    {0, 0, 0, 0, nullptr}};                                                           \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap,           \
                                          &_messageEntries[0]};                       \
    return &messageMap;                                                               \
  }

// ---- thunks, one per handler signature ------------------------------------------
//
// Each converts the handler (pmf, possibly a member of a base class) to the
// exact pointer-to-member type of its message before calling it; that
// conversion is the signature check.

namespace afx_detail {

// The parameter types of a handler, for the signatures whose point or
// device-context parameter is a class the host's headers supply.
template <class C, class R, class A>
A FirstArg(R (C::*)(A));
template <class C, class R, class A, class B>
B SecondArg(R (C::*)(A, B));
template <class C, class R, class A, class B, class D>
D ThirdArg(R (C::*)(A, B, D));
template <class C, class R, class A, class B>
A FirstArg2(R (C::*)(A, B));
template <class C, class R, class A, class B, class D>
A FirstArg3(R (C::*)(A, B, D));
template <class C, class R, class A, class B, class D>
B SecondArg3(R (C::*)(A, B, D));
template <class C, class R, class A, class B, class D>
R Result3(R (C::*)(A, B, D));

inline POINT PointFromLParam(LPARAM lParam) {
  POINT pt;
  pt.x = static_cast<short>(LOWORD(lParam));
  pt.y = static_cast<short>(HIWORD(lParam));
  return pt;
}

}  // namespace afx_detail

// void ()
template <class T, auto pmf>
LRESULT AfxMsg_v(CCmdTarget* p, WPARAM, LPARAM) {
  void (T::*f)() = pmf;
  (static_cast<T*>(p)->*f)();
  return 0;
}

// LRESULT (WPARAM, LPARAM)
template <class T, auto pmf>
LRESULT AfxMsg_l_w_l(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  LRESULT (T::*f)(WPARAM, LPARAM) = pmf;
  return (static_cast<T*>(p)->*f)(wParam, lParam);
}

// void (UINT nType, int cx, int cy): WM_SIZE
template <class T, auto pmf>
LRESULT AfxMsg_v_u_i_i(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, int, int) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
  return 0;
}

// void (UINT nSBCode, UINT nPos, CScrollBar*): WM_HSCROLL, WM_VSCROLL. The
// 16-bit position is sign-extended, so a negative position reads back as a
// negative int.
template <class T, auto pmf>
LRESULT AfxMsg_v_u_u_sb(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, UINT, CScrollBar*) = pmf;
  const int nPos = static_cast<short>(HIWORD(wParam));
  (static_cast<T*>(p)->*f)(LOWORD(wParam), static_cast<UINT>(nPos),
                           AfxScrollBarFromHandle(reinterpret_cast<HWND>(lParam)));
  return 0;
}

// BOOL (UINT nFlags, short zDelta, CPoint pt): WM_MOUSEWHEEL, the point in
// screen coordinates. The point type is the handler's (POINT or a class
// built from one).
template <class T, auto pmf>
LRESULT AfxMsg_b_u_s_pt(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using Pt = decltype(afx_detail::ThirdArg(pmf));
  BOOL (T::*f)(UINT, short, Pt) = pmf;
  return (static_cast<T*>(p)->*f)(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                                  Pt(afx_detail::PointFromLParam(lParam)));
}

// void (UINT nFlags, short zDelta, CPoint pt): WM_MOUSEHWHEEL; the
// message's result is TRUE (handled).
template <class T, auto pmf>
LRESULT AfxMsg_v_b_u_s_pt(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using Pt = decltype(afx_detail::ThirdArg(pmf));
  void (T::*f)(UINT, short, Pt) = pmf;
  (static_cast<T*>(p)->*f)(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
                           Pt(afx_detail::PointFromLParam(lParam)));
  return TRUE;
}

// void (UINT uFlags, LPCSTR lpszSection): WM_SETTINGCHANGE
template <class T, auto pmf>
LRESULT AfxMsg_v_u_sz(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, LPCSTR) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), reinterpret_cast<LPCSTR>(lParam));
  return 0;
}

// void (UINT nChar, UINT nRepCnt, UINT nFlags): WM_CHAR, WM_KEYDOWN
template <class T, auto pmf>
LRESULT AfxMsg_v_u_u_u(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, UINT, UINT) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
  return 0;
}

// void (UINT nFlags, CPoint point): mouse buttons and moves, client
// coordinates. The point type is the handler's, as above.
template <class T, auto pmf>
LRESULT AfxMsg_v_u_pt(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using Pt = decltype(afx_detail::SecondArg(pmf));
  void (T::*f)(UINT, Pt) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), Pt(afx_detail::PointFromLParam(lParam)));
  return 0;
}

// BOOL (CDC* pDC): WM_ERASEBKGND. The device-context class is the
// handler's; it is asked for the object of the message's HDC.
template <class T, auto pmf>
LRESULT AfxMsg_b_dc(CCmdTarget* p, WPARAM wParam, LPARAM) {
  using DcPtr = decltype(afx_detail::FirstArg(pmf));
  BOOL (T::*f)(DcPtr) = pmf;
  using Dc = typename std::remove_pointer<DcPtr>::type;
  return (static_cast<T*>(p)->*f)(Dc::FromHandle(reinterpret_cast<HDC>(wParam)));
}

// int (LPCREATESTRUCT): WM_CREATE; -1 fails the creation.
template <class T, auto pmf>
LRESULT AfxMsg_i_cs(CCmdTarget* p, WPARAM, LPARAM lParam) {
  int (T::*f)(LPCREATESTRUCTA) = pmf;
  return (static_cast<T*>(p)->*f)(reinterpret_cast<LPCREATESTRUCTA>(lParam));
}

// void (CWnd*): WM_SETFOCUS, WM_KILLFOCUS, WM_CAPTURECHANGED (the other
// window from wParam or lParam, as the message has it).
template <class T, auto pmf, bool bFromLParam = false>
LRESULT AfxMsg_v_w(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using WndPtr = decltype(afx_detail::FirstArg(pmf));
  void (T::*f)(WndPtr) = pmf;
  using Wnd = typename std::remove_pointer<WndPtr>::type;
  const HWND hWnd = bFromLParam ? reinterpret_cast<HWND>(lParam) : reinterpret_cast<HWND>(wParam);
  (static_cast<T*>(p)->*f)(Wnd::FromHandle(hWnd));
  return 0;
}

// void (UINT): WM_TIMER (the timer's ID)
template <class T, auto pmf>
LRESULT AfxMsg_v_u(CCmdTarget* p, WPARAM wParam, LPARAM) {
  void (T::*f)(UINT) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam));
  return 0;
}

// void (CWnd* pWnd, CPoint pos): WM_CONTEXTMENU, the point in screen
// coordinates ((-1, -1) from the keyboard).
template <class T, auto pmf>
LRESULT AfxMsg_v_w_pt(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using WndPtr = decltype(afx_detail::FirstArg2(pmf));
  using Pt = decltype(afx_detail::SecondArg(pmf));
  void (T::*f)(WndPtr, Pt) = pmf;
  using Wnd = typename std::remove_pointer<WndPtr>::type;
  (static_cast<T*>(p)->*f)(Wnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                           Pt(afx_detail::PointFromLParam(lParam)));
  return 0;
}

// BOOL (CWnd*, UINT nHitTest, UINT message): WM_SETCURSOR;
// int (CWnd*, UINT nHitTest, UINT message): WM_MOUSEACTIVATE.
template <class T, auto pmf>
LRESULT AfxMsg_x_w_u_u(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using WndPtr = decltype(afx_detail::FirstArg3(pmf));
  using R = decltype(afx_detail::Result3(pmf));
  R (T::*f)(WndPtr, UINT, UINT) = pmf;
  using Wnd = typename std::remove_pointer<WndPtr>::type;
  return static_cast<LRESULT>((static_cast<T*>(p)->*f)(
      Wnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam)));
}

// void (MINMAXINFO*): WM_GETMINMAXINFO
template <class T, auto pmf>
LRESULT AfxMsg_v_mmi(CCmdTarget* p, WPARAM, LPARAM lParam) {
  void (T::*f)(MINMAXINFO*) = pmf;
  (static_cast<T*>(p)->*f)(reinterpret_cast<MINMAXINFO*>(lParam));
  return 0;
}

// void (int nIDCtl, LPDRAWITEMSTRUCT): WM_DRAWITEM; returns TRUE (drawn).
template <class T, auto pmf>
LRESULT AfxMsg_v_i_dis(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(int, LPDRAWITEMSTRUCT) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<int>(wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  return TRUE;
}

// HBRUSH (CDC* pDC, CWnd* pWnd, UINT nCtlColor): the WM_CTLCOLOR* messages;
// nCtlColor is CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC, in the messages' order.
template <class T, auto pmf, UINT nCtlColor>
LRESULT AfxMsg_br_dc_w_u(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using DcPtr = decltype(afx_detail::FirstArg3(pmf));
  using WndPtr = decltype(afx_detail::SecondArg3(pmf));
  HBRUSH (T::*f)(DcPtr, WndPtr, UINT) = pmf;
  using Dc = typename std::remove_pointer<DcPtr>::type;
  using Wnd = typename std::remove_pointer<WndPtr>::type;
  return reinterpret_cast<LRESULT>((static_cast<T*>(p)->*f)(
      Dc::FromHandle(reinterpret_cast<HDC>(wParam)), Wnd::FromHandle(reinterpret_cast<HWND>(lParam)),
      nCtlColor));
}

// void (CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu): WM_INITMENUPOPUP
template <class T, auto pmf>
LRESULT AfxMsg_v_menu_u_b(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using MenuPtr = decltype(afx_detail::FirstArg3(pmf));
  void (T::*f)(MenuPtr, UINT, BOOL) = pmf;
  using Menu = typename std::remove_pointer<MenuPtr>::type;
  (static_cast<T*>(p)->*f)(Menu::FromHandle(reinterpret_cast<HMENU>(wParam)), LOWORD(lParam),
                           HIWORD(lParam) != 0);
  return 0;
}

// void (BOOL, UINT): WM_SHOWWINDOW (shown, status)
template <class T, auto pmf>
LRESULT AfxMsg_v_b_u(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(BOOL, UINT) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
  return 0;
}

// void (UINT nID): a command of an ID range, which the handler is told.
template <class T, auto pmf>
LRESULT AfxMsg_cmd_range(CCmdTarget* p, WPARAM wParam, LPARAM) {
  void (T::*f)(UINT) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam));
  return 0;
}

// BOOL (UINT nID): a command whose handler may decline it (FALSE), letting
// it go on to the next target.
template <class T, auto pmf>
LRESULT AfxMsg_cmd_ex(CCmdTarget* p, WPARAM wParam, LPARAM) {
  BOOL (T::*f)(UINT) = pmf;
  return (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam)) ? 0 : AFX_CONTINUE_ROUTING;
}

// void (CCmdUI*): a command's user-interface update; the CCmdUI comes in
// lParam. A handler that called ContinueRouting leaves the update to the
// next target.
template <class T, auto pmf>
LRESULT AfxMsg_update(CCmdTarget* p, WPARAM, LPARAM lParam) {
  using CmdUIPtr = decltype(afx_detail::FirstArg(pmf));
  void (T::*f)(CmdUIPtr) = pmf;
  const auto pCmdUI = reinterpret_cast<CmdUIPtr>(lParam);
  pCmdUI->m_bContinueRouting = FALSE;
  (static_cast<T*>(p)->*f)(pCmdUI);
  return pCmdUI->m_bContinueRouting ? AFX_CONTINUE_ROUTING : 0;
}

// void (UINT nItemID, UINT nFlags, HMENU hSysMenu): WM_MENUSELECT
template <class T, auto pmf>
LRESULT AfxMsg_v_u_u_menu(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, UINT, HMENU) = pmf;
  (static_cast<T*>(p)->*f)(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
  return 0;
}

// ---- entries ------------------------------------------------------------------------

#define AFX_ON_MSG(msg, thunk, fn) {msg, 0, 0, 0, &thunk<ThisClass, &ThisClass::fn>},

#define ON_WM_PAINT() AFX_ON_MSG(WM_PAINT, AfxMsg_v, OnPaint)
#define ON_WM_DESTROY() AFX_ON_MSG(WM_DESTROY, AfxMsg_v, OnDestroy)
#define ON_WM_SIZE() AFX_ON_MSG(WM_SIZE, AfxMsg_v_u_i_i, OnSize)
#define ON_WM_HSCROLL() AFX_ON_MSG(WM_HSCROLL, AfxMsg_v_u_u_sb, OnHScroll)
#define ON_WM_VSCROLL() AFX_ON_MSG(WM_VSCROLL, AfxMsg_v_u_u_sb, OnVScroll)
#define ON_WM_MOUSEWHEEL() AFX_ON_MSG(WM_MOUSEWHEEL, AfxMsg_b_u_s_pt, OnMouseWheel)
#define ON_WM_SETTINGCHANGE() AFX_ON_MSG(WM_SETTINGCHANGE, AfxMsg_v_u_sz, OnSettingChange)
#define ON_WM_CHAR() AFX_ON_MSG(WM_CHAR, AfxMsg_v_u_u_u, OnChar)
#define ON_WM_KEYDOWN() AFX_ON_MSG(WM_KEYDOWN, AfxMsg_v_u_u_u, OnKeyDown)
#define ON_WM_LBUTTONDOWN() AFX_ON_MSG(WM_LBUTTONDOWN, AfxMsg_v_u_pt, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_ON_MSG(WM_LBUTTONUP, AfxMsg_v_u_pt, OnLButtonUp)
#define ON_WM_MOUSEMOVE() AFX_ON_MSG(WM_MOUSEMOVE, AfxMsg_v_u_pt, OnMouseMove)
#define ON_WM_ERASEBKGND() AFX_ON_MSG(WM_ERASEBKGND, AfxMsg_b_dc, OnEraseBkgnd)
#define ON_WM_CREATE() AFX_ON_MSG(WM_CREATE, AfxMsg_i_cs, OnCreate)
#define ON_WM_CLOSE() AFX_ON_MSG(WM_CLOSE, AfxMsg_v, OnClose)
#define ON_WM_NCDESTROY() AFX_ON_MSG(WM_NCDESTROY, AfxMsg_v, OnNcDestroy)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_MSG(WM_SYSCOLORCHANGE, AfxMsg_v, OnSysColorChange)
#define ON_WM_CANCELMODE() AFX_ON_MSG(WM_CANCELMODE, AfxMsg_v, OnCancelMode)
#define ON_WM_SETFOCUS() AFX_ON_MSG(WM_SETFOCUS, AfxMsg_v_w, OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_ON_MSG(WM_KILLFOCUS, AfxMsg_v_w, OnKillFocus)
#define ON_WM_CAPTURECHANGED() \
  {WM_CAPTURECHANGED, 0, 0, 0, &AfxMsg_v_w<ThisClass, &ThisClass::OnCaptureChanged, true>},
#define ON_WM_TIMER() AFX_ON_MSG(WM_TIMER, AfxMsg_v_u, OnTimer)
#define ON_WM_SHOWWINDOW() AFX_ON_MSG(WM_SHOWWINDOW, AfxMsg_v_b_u, OnShowWindow)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_MSG(WM_LBUTTONDBLCLK, AfxMsg_v_u_pt, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_ON_MSG(WM_RBUTTONDOWN, AfxMsg_v_u_pt, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_ON_MSG(WM_RBUTTONUP, AfxMsg_v_u_pt, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_ON_MSG(WM_RBUTTONDBLCLK, AfxMsg_v_u_pt, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_ON_MSG(WM_MBUTTONDOWN, AfxMsg_v_u_pt, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_ON_MSG(WM_MBUTTONUP, AfxMsg_v_u_pt, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_ON_MSG(WM_MBUTTONDBLCLK, AfxMsg_v_u_pt, OnMButtonDblClk)
#define ON_WM_KEYUP() AFX_ON_MSG(WM_KEYUP, AfxMsg_v_u_u_u, OnKeyUp)
#define ON_WM_SYSKEYDOWN() AFX_ON_MSG(WM_SYSKEYDOWN, AfxMsg_v_u_u_u, OnSysKeyDown)
#define ON_WM_CONTEXTMENU() AFX_ON_MSG(WM_CONTEXTMENU, AfxMsg_v_w_pt, OnContextMenu)
#define ON_WM_SETCURSOR() AFX_ON_MSG(WM_SETCURSOR, AfxMsg_x_w_u_u, OnSetCursor)
#define ON_WM_MOUSEACTIVATE() AFX_ON_MSG(WM_MOUSEACTIVATE, AfxMsg_x_w_u_u, OnMouseActivate)
#define ON_WM_GETMINMAXINFO() AFX_ON_MSG(WM_GETMINMAXINFO, AfxMsg_v_mmi, OnGetMinMaxInfo)
#define ON_WM_DRAWITEM() AFX_ON_MSG(WM_DRAWITEM, AfxMsg_v_i_dis, OnDrawItem)
#define ON_WM_INITMENUPOPUP() AFX_ON_MSG(WM_INITMENUPOPUP, AfxMsg_v_menu_u_b, OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_ON_MSG(WM_MENUSELECT, AfxMsg_v_u_u_menu, OnMenuSelect)
// A horizontal wheel (tilt wheel, sideways swipe): the handler as the
// vertical wheel's, distance positive to the right.
#define ON_WM_MOUSEHWHEEL() \
  {WM_MOUSEHWHEEL, 0, 0, 0, &AfxMsg_v_b_u_s_pt<ThisClass, &ThisClass::OnMouseHWheel>},
// One handler for every control colour message.
#define AFX_ON_CTLCOLOR(msg, code) \
  {msg, 0, 0, 0, &AfxMsg_br_dc_w_u<ThisClass, &ThisClass::OnCtlColor, code>},
#define ON_WM_CTLCOLOR()                                     \
  AFX_ON_CTLCOLOR(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)        \
  AFX_ON_CTLCOLOR(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)            \
  AFX_ON_CTLCOLOR(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)      \
  AFX_ON_CTLCOLOR(WM_CTLCOLORBTN, CTLCOLOR_BTN)              \
  AFX_ON_CTLCOLOR(WM_CTLCOLORDLG, CTLCOLOR_DLG)              \
  AFX_ON_CTLCOLOR(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR)  \
  AFX_ON_CTLCOLOR(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)

// LRESULT fn(WPARAM, LPARAM) for any message.
#define ON_MESSAGE(message, fn) AFX_ON_MSG(message, AfxMsg_l_w_l, fn)
// The same for a message registered at run time (RegisterWindowMessage):
// nMessageVariable is the UINT variable that holds its number.
#define ON_REGISTERED_MESSAGE(nMessageVariable, fn) \
  {0, 0, 0, 0, &AfxMsg_l_w_l<ThisClass, &ThisClass::fn>, &(nMessageVariable)},

// void fn() for a command (menu, accelerator, or a control's BN_CLICKED).
#define ON_COMMAND(id, fn) {WM_COMMAND, 0, (UINT)(id), (UINT)(id), &AfxMsg_v<ThisClass, &ThisClass::fn>},
// void fn() for notification code from control id. Codes are kept in the
// 16 bits WM_COMMAND carries them in (CBN_ERRSPACE, -1, is 0xFFFF there),
// apart from CN_UPDATE_COMMAND_UI.
#define AFX_CONTROL_CODE(code) ((UINT)(WORD)(code))
#define ON_CONTROL(code, id, fn)                                              \
  {WM_COMMAND, AFX_CONTROL_CODE(code), (UINT)(id), (UINT)(id),               \
   &AfxMsg_v<ThisClass, &ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
// void fn(UINT nID) for every command from id to idLast.
#define ON_COMMAND_RANGE(id, idLast, fn) \
  {WM_COMMAND, 0, (UINT)(id), (UINT)(idLast), &AfxMsg_cmd_range<ThisClass, &ThisClass::fn>},
// BOOL fn(UINT nID) for a command, or every command from id to idLast; a
// handler that returns FALSE lets the command go on to the next target.
#define ON_COMMAND_EX(id, fn) \
  {WM_COMMAND, 0, (UINT)(id), (UINT)(id), &AfxMsg_cmd_ex<ThisClass, &ThisClass::fn>},
#define ON_COMMAND_EX_RANGE(id, idLast, fn) \
  {WM_COMMAND, 0, (UINT)(id), (UINT)(idLast), &AfxMsg_cmd_ex<ThisClass, &ThisClass::fn>},
// void fn(CCmdUI*): enables, checks or renames the menu item of a command
// before its menu opens.
#define ON_UPDATE_COMMAND_UI(id, fn) \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), &AfxMsg_update<ThisClass, &ThisClass::fn>},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn)                   \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast),     \
   &AfxMsg_update<ThisClass, &ThisClass::fn>},

// void fn() in a control's own map for a notification it sends its parent.
#define ON_CONTROL_REFLECT(code, fn) \
  {WM_COMMAND + WM_REFLECT_BASE, AFX_CONTROL_CODE(code), 0, 0,             \
   &AfxMsg_v<ThisClass, &ThisClass::fn>},

// More window messages, and the entries of commands, control notifications
// (WM_COMMAND and WM_NOTIFY) and reflected messages.
#include "afx/app/AfxMsgMapWindow.h"
#include "afx/app/AfxMsgMapControls.h"

// ---- thread messages ----------------------------------------------------------------

// void (WPARAM, LPARAM): a message posted to a thread (PostThreadMessage).
template <class T, auto pmf>
LRESULT AfxMsg_v_w_l(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(WPARAM, LPARAM) = pmf;
  (static_cast<T*>(p)->*f)(wParam, lParam);
  return 0;
}

// void fn(WPARAM, LPARAM) in a thread's map (a CWinThread's, the
// application's) for a message posted to the thread, which no window gets.
#define ON_THREAD_MESSAGE(message, fn) AFX_ON_MSG(message, AfxMsg_v_w_l, fn)
// The same for a registered message (RegisterWindowMessage): the variable
// holding its number is read when the map is first used, so it must have
// its value by then (as a static variable initialised with
// RegisterWindowMessage has).
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, fn) \
  AFX_ON_MSG(static_cast<UINT>(nMessageVariable), AfxMsg_v_w_l, fn)
