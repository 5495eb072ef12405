// Message-map entries for more window messages: activation, the non-client
// area, moving and sizing, owner-drawn items, keys, menus and the session.
// Each thunk unpacks its message as the framework documents the handler
// and checks the handler's signature the way AfxMsgMap.h describes; CWnd
// has a default handler of each name, which does the default processing.
#pragma once

#include "afx/app/AfxMsgMap.h"

#include <shellapi.h>  // HDROP

class CListBox;

// F1 pressed (mingw-w64's headers lack the message's name).
#ifndef WM_HELPINFO
#  define WM_HELPINFO 0x0053
#endif

// The list box of WM_CHARTOITEM/WM_VKEYTOITEM: its own object when it has
// one, otherwise a temporary one.
VARNEL_API CListBox* AfxListBoxFromHandle(HWND hWnd);

namespace afx_detail {

template <class C, class R>
R Result0(R (C::*)());
template <class C, class R, class A>
R Result1(R (C::*)(A));

// What a handler returned, as the message's result.
template <class R>
LRESULT ToResult(R r) {
  if constexpr (std::is_pointer<R>::value) {
    return reinterpret_cast<LRESULT>(r);
  } else {
    return static_cast<LRESULT>(r);
  }
}

}  // namespace afx_detail

// R (): WM_GETDLGCODE (UINT), WM_QUERYENDSESSION, WM_QUERYOPEN,
// WM_QUERYNEWPALETTE (BOOL), WM_QUERYDRAGICON (HCURSOR). R is the
// message's own result type, given by the entry.
template <class T, auto pmf, class R>
LRESULT AfxMsg_x(CCmdTarget* p, WPARAM, LPARAM) {
  R (T::*f)() = pmf;
  return afx_detail::ToResult((static_cast<T*>(p)->*f)());
}

// void (BOOL): WM_ENABLE, WM_ENDSESSION, WM_ENTERMENULOOP, WM_EXITMENULOOP.
template <class T, auto pmf>
LRESULT AfxMsg_v_b(CCmdTarget* p, WPARAM wParam, LPARAM) {
  void (T::*f)(BOOL) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<BOOL>(wParam));
  return 0;
}

// BOOL (BOOL bActive): WM_NCACTIVATE; TRUE lets the change happen.
template <class T, auto pmf>
LRESULT AfxMsg_b_b(CCmdTarget* p, WPARAM wParam, LPARAM) {
  BOOL (T::*f)(BOOL) = pmf;
  return (static_cast<T*>(p)->*f)(static_cast<BOOL>(wParam));
}

// UINT or LRESULT (CPoint point): WM_NCHITTEST, the point in screen
// coordinates; the result is the HT* code. Either return type is taken
// (the framework's handler returned UINT before it returned LRESULT).
template <class T, auto pmf>
LRESULT AfxMsg_x_pt(CCmdTarget* p, WPARAM, LPARAM lParam) {
  using Pt = decltype(afx_detail::FirstArg(pmf));
  using R = decltype(afx_detail::Result1(pmf));
  static_assert(std::is_same<R, UINT>::value || std::is_same<R, LRESULT>::value,
                "OnNcHitTest returns UINT or LRESULT");
  R (T::*f)(Pt) = pmf;
  return static_cast<LRESULT>((static_cast<T*>(p)->*f)(Pt(afx_detail::PointFromLParam(lParam))));
}

// void (UINT nState, CWnd* pWndOther, BOOL bMinimized): WM_ACTIVATE
template <class T, auto pmf>
LRESULT AfxMsg_v_u_w_b(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using WndPtr = decltype(afx_detail::SecondArg3(pmf));
  void (T::*f)(UINT, WndPtr, BOOL) = pmf;
  using Wnd = typename std::remove_pointer<WndPtr>::type;
  (static_cast<T*>(p)->*f)(LOWORD(wParam), Wnd::FromHandle(reinterpret_cast<HWND>(lParam)),
                           HIWORD(wParam) != 0);
  return 0;
}

// void (BOOL bActive, DWORD dwThreadID): WM_ACTIVATEAPP (an HTASK in
// place of the thread, as older hosts declare it, is taken too).
template <class T, auto pmf>
LRESULT AfxMsg_v_b_task(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using Task = decltype(afx_detail::SecondArg(pmf));
  static_assert(std::is_same<Task, DWORD>::value || std::is_same<Task, HTASK>::value,
                "OnActivateApp takes (BOOL, DWORD)");
  void (T::*f)(BOOL, Task) = pmf;
  Task task;
  if constexpr (std::is_pointer<Task>::value) {
    task = reinterpret_cast<Task>(lParam);
  } else {
    task = static_cast<Task>(lParam);
  }
  (static_cast<T*>(p)->*f)(static_cast<BOOL>(wParam), task);
  return 0;
}

// void (UINT, LPARAM): WM_SYSCOMMAND (the command, whose low four bits
// the system uses, and the mouse position), WM_PARENTNOTIFY (the event in
// the low word, a created or destroyed child's ID in the high word).
template <class T, auto pmf>
LRESULT AfxMsg_v_u_l(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, LPARAM) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), lParam);
  return 0;
}

// void (int x, int y): WM_MOVE, the client area's new position (negative
// on a monitor left of or above the primary one).
template <class T, auto pmf>
LRESULT AfxMsg_v_i_i(CCmdTarget* p, WPARAM, LPARAM lParam) {
  void (T::*f)(int, int) = pmf;
  const POINT pt = afx_detail::PointFromLParam(lParam);
  (static_cast<T*>(p)->*f)(pt.x, pt.y);
  return 0;
}

// void (UINT nSide, LPRECT lpRect): WM_MOVING, WM_SIZING; the handler may
// change the rectangle. The result is TRUE (handled).
template <class T, auto pmf>
LRESULT AfxMsg_v_u_rect(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, LPRECT) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
  return TRUE;
}

// R (int nIDCtl, S* lpStruct): WM_MEASUREITEM, WM_DELETEITEM (void: the
// result is TRUE, kVoidResult), WM_COMPAREITEM (int: the order),
// WM_STYLECHANGING and WM_STYLECHANGED (void: 0; nIDCtl being GWL_STYLE
// or GWL_EXSTYLE).
template <class T, auto pmf, class R, class S, LRESULT kVoidResult>
LRESULT AfxMsg_x_i_s(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  R (T::*f)(int, S*) = pmf;
  auto* pStruct = reinterpret_cast<S*>(lParam);
  if constexpr (std::is_void<R>::value) {
    (static_cast<T*>(p)->*f)(static_cast<int>(wParam), pStruct);
    return kVoidResult;
  } else {
    return static_cast<LRESULT>((static_cast<T*>(p)->*f)(static_cast<int>(wParam), pStruct));
  }
}

// R (S* lpStruct): WM_WINDOWPOSCHANGING/CHANGED (WINDOWPOS, void),
// WM_HELPINFO (HELPINFO, BOOL).
template <class T, auto pmf, class R, class S>
LRESULT AfxMsg_x_s(CCmdTarget* p, WPARAM, LPARAM lParam) {
  R (T::*f)(S*) = pmf;
  auto* pStruct = reinterpret_cast<S*>(lParam);
  if constexpr (std::is_void<R>::value) {
    (static_cast<T*>(p)->*f)(pStruct);
    return 0;
  } else {
    return static_cast<LRESULT>((static_cast<T*>(p)->*f)(pStruct));
  }
}

// BOOL (LPCREATESTRUCT): WM_NCCREATE; FALSE fails the creation.
template <class T, auto pmf>
LRESULT AfxMsg_b_cs(CCmdTarget* p, WPARAM, LPARAM lParam) {
  BOOL (T::*f)(LPCREATESTRUCTA) = pmf;
  return (static_cast<T*>(p)->*f)(reinterpret_cast<LPCREATESTRUCTA>(lParam));
}

// void (BOOL bCalcValidRects, NCCALCSIZE_PARAMS*): WM_NCCALCSIZE
template <class T, auto pmf>
LRESULT AfxMsg_v_b_nccs(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(BOOL, NCCALCSIZE_PARAMS*) = pmf;
  (static_cast<T*>(p)->*f)(static_cast<BOOL>(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
  return 0;
}

// int (UINT nKey, CListBox* pListBox, UINT nIndex): WM_CHARTOITEM,
// WM_VKEYTOITEM; the result is the item to act on, -1 for the list box's
// own handling, -2 when the handler did everything.
template <class T, auto pmf>
LRESULT AfxMsg_i_u_lb_u(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  int (T::*f)(UINT, CListBox*, UINT) = pmf;
  return (static_cast<T*>(p)->*f)(LOWORD(wParam),
                                  AfxListBoxFromHandle(reinterpret_cast<HWND>(lParam)),
                                  HIWORD(wParam));
}

// void (HDROP): WM_DROPFILES
template <class T, auto pmf>
LRESULT AfxMsg_v_hdrop(CCmdTarget* p, WPARAM wParam, LPARAM) {
  void (T::*f)(HDROP) = pmf;
  (static_cast<T*>(p)->*f)(reinterpret_cast<HDROP>(wParam));
  return 0;
}

// void (CMenu*): WM_INITMENU
template <class T, auto pmf>
LRESULT AfxMsg_v_menu(CCmdTarget* p, WPARAM wParam, LPARAM) {
  using MenuPtr = decltype(afx_detail::FirstArg(pmf));
  void (T::*f)(MenuPtr) = pmf;
  using Menu = typename std::remove_pointer<MenuPtr>::type;
  (static_cast<T*>(p)->*f)(Menu::FromHandle(reinterpret_cast<HMENU>(wParam)));
  return 0;
}

// LRESULT (UINT nChar, UINT nFlags, CMenu* pMenu): WM_MENUCHAR
template <class T, auto pmf>
LRESULT AfxMsg_l_u_u_menu(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using MenuPtr = decltype(afx_detail::ThirdArg(pmf));
  LRESULT (T::*f)(UINT, UINT, MenuPtr) = pmf;
  using Menu = typename std::remove_pointer<MenuPtr>::type;
  return (static_cast<T*>(p)->*f)(LOWORD(wParam), HIWORD(wParam),
                                  Menu::FromHandle(reinterpret_cast<HMENU>(lParam)));
}

// void (UINT nWhy, CWnd* pWho): WM_ENTERIDLE (the dialog or menu's owner
// window from lParam).
template <class T, auto pmf>
LRESULT AfxMsg_v_u_w(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using WndPtr = decltype(afx_detail::SecondArg(pmf));
  void (T::*f)(UINT, WndPtr) = pmf;
  using Wnd = typename std::remove_pointer<WndPtr>::type;
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam),
                           Wnd::FromHandle(reinterpret_cast<HWND>(lParam)));
  return 0;
}

// BOOL (CWnd* pWnd, COPYDATASTRUCT*): WM_COPYDATA (the sender from wParam)
template <class T, auto pmf>
LRESULT AfxMsg_b_w_cds(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  using WndPtr = decltype(afx_detail::FirstArg2(pmf));
  BOOL (T::*f)(WndPtr, COPYDATASTRUCT*) = pmf;
  using Wnd = typename std::remove_pointer<WndPtr>::type;
  return (static_cast<T*>(p)->*f)(Wnd::FromHandle(reinterpret_cast<HWND>(wParam)),
                                  reinterpret_cast<COPYDATASTRUCT*>(lParam));
}

// void (CDC*): WM_ICONERASEBKGND
template <class T, auto pmf>
LRESULT AfxMsg_v_dc(CCmdTarget* p, WPARAM wParam, LPARAM) {
  using DcPtr = decltype(afx_detail::FirstArg(pmf));
  void (T::*f)(DcPtr) = pmf;
  using Dc = typename std::remove_pointer<DcPtr>::type;
  (static_cast<T*>(p)->*f)(Dc::FromHandle(reinterpret_cast<HDC>(wParam)));
  return 0;
}

// BOOL (UINT nEventType, DWORD_PTR dwData): WM_DEVICECHANGE
template <class T, auto pmf>
LRESULT AfxMsg_b_u_dwp(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  BOOL (T::*f)(UINT, DWORD_PTR) = pmf;
  return (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), static_cast<DWORD_PTR>(lParam));
}

// void (LPSTR): WM_DEVMODECHANGE (the device's name)
template <class T, auto pmf>
LRESULT AfxMsg_v_str(CCmdTarget* p, WPARAM, LPARAM lParam) {
  void (T::*f)(LPSTR) = pmf;
  (static_cast<T*>(p)->*f)(reinterpret_cast<LPSTR>(lParam));
  return 0;
}

// ---- entries ------------------------------------------------------------------------

#define AFX_ON_MSG_X(msg, R, fn) {msg, 0, 0, 0, &AfxMsg_x<ThisClass, &ThisClass::fn, R>},
#define AFX_ON_MSG_I_S(msg, R, S, result, fn) \
  {msg, 0, 0, 0, &AfxMsg_x_i_s<ThisClass, &ThisClass::fn, R, S, result>},
#define AFX_ON_MSG_S(msg, R, S, fn) {msg, 0, 0, 0, &AfxMsg_x_s<ThisClass, &ThisClass::fn, R, S>},

// activation and the session
#define ON_WM_ACTIVATE() AFX_ON_MSG(WM_ACTIVATE, AfxMsg_v_u_w_b, OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_ON_MSG(WM_ACTIVATEAPP, AfxMsg_v_b_task, OnActivateApp)
#define ON_WM_NCACTIVATE() AFX_ON_MSG(WM_NCACTIVATE, AfxMsg_b_b, OnNcActivate)
#define ON_WM_CHILDACTIVATE() AFX_ON_MSG(WM_CHILDACTIVATE, AfxMsg_v, OnChildActivate)
#define ON_WM_ENABLE() AFX_ON_MSG(WM_ENABLE, AfxMsg_v_b, OnEnable)
#define ON_WM_QUERYENDSESSION() AFX_ON_MSG_X(WM_QUERYENDSESSION, BOOL, OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_ON_MSG(WM_ENDSESSION, AfxMsg_v_b, OnEndSession)
#define ON_WM_QUERYOPEN() AFX_ON_MSG_X(WM_QUERYOPEN, BOOL, OnQueryOpen)
#define ON_WM_SYSCOMMAND() AFX_ON_MSG(WM_SYSCOMMAND, AfxMsg_v_u_l, OnSysCommand)
#define ON_WM_COPYDATA() AFX_ON_MSG(WM_COPYDATA, AfxMsg_b_w_cds, OnCopyData)

// the non-client area
#define ON_WM_NCCREATE() AFX_ON_MSG(WM_NCCREATE, AfxMsg_b_cs, OnNcCreate)
#define ON_WM_NCCALCSIZE() AFX_ON_MSG(WM_NCCALCSIZE, AfxMsg_v_b_nccs, OnNcCalcSize)
#define ON_WM_NCHITTEST() AFX_ON_MSG(WM_NCHITTEST, AfxMsg_x_pt, OnNcHitTest)
#define ON_WM_NCPAINT() AFX_ON_MSG(WM_NCPAINT, AfxMsg_v, OnNcPaint)
#define ON_WM_NCMOUSEMOVE() AFX_ON_MSG(WM_NCMOUSEMOVE, AfxMsg_v_u_pt, OnNcMouseMove)
#define ON_WM_NCLBUTTONDOWN() AFX_ON_MSG(WM_NCLBUTTONDOWN, AfxMsg_v_u_pt, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_ON_MSG(WM_NCLBUTTONUP, AfxMsg_v_u_pt, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_ON_MSG(WM_NCLBUTTONDBLCLK, AfxMsg_v_u_pt, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_ON_MSG(WM_NCRBUTTONDOWN, AfxMsg_v_u_pt, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_ON_MSG(WM_NCRBUTTONUP, AfxMsg_v_u_pt, OnNcRButtonUp)
#define ON_WM_NCRBUTTONDBLCLK() AFX_ON_MSG(WM_NCRBUTTONDBLCLK, AfxMsg_v_u_pt, OnNcRButtonDblClk)
#define ON_WM_NCMBUTTONDOWN() AFX_ON_MSG(WM_NCMBUTTONDOWN, AfxMsg_v_u_pt, OnNcMButtonDown)
#define ON_WM_NCMBUTTONUP() AFX_ON_MSG(WM_NCMBUTTONUP, AfxMsg_v_u_pt, OnNcMButtonUp)
#define ON_WM_NCMBUTTONDBLCLK() AFX_ON_MSG(WM_NCMBUTTONDBLCLK, AfxMsg_v_u_pt, OnNcMButtonDblClk)

// moving and sizing
#define ON_WM_MOVE() AFX_ON_MSG(WM_MOVE, AfxMsg_v_i_i, OnMove)
#define ON_WM_MOVING() AFX_ON_MSG(WM_MOVING, AfxMsg_v_u_rect, OnMoving)
#define ON_WM_SIZING() AFX_ON_MSG(WM_SIZING, AfxMsg_v_u_rect, OnSizing)
#define ON_WM_ENTERSIZEMOVE() AFX_ON_MSG(WM_ENTERSIZEMOVE, AfxMsg_v, OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_ON_MSG(WM_EXITSIZEMOVE, AfxMsg_v, OnExitSizeMove)
#define ON_WM_WINDOWPOSCHANGING() \
  AFX_ON_MSG_S(WM_WINDOWPOSCHANGING, void, WINDOWPOS, OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED() \
  AFX_ON_MSG_S(WM_WINDOWPOSCHANGED, void, WINDOWPOS, OnWindowPosChanged)
#define ON_WM_STYLECHANGING() \
  AFX_ON_MSG_I_S(WM_STYLECHANGING, void, STYLESTRUCT, 0, OnStyleChanging)
#define ON_WM_STYLECHANGED() AFX_ON_MSG_I_S(WM_STYLECHANGED, void, STYLESTRUCT, 0, OnStyleChanged)

// owner-drawn items and list-box keys (a control's own object gets them
// first when its parent has no handler: see AfxMsgMapControls.h)
#define ON_WM_MEASUREITEM() \
  AFX_ON_MSG_I_S(WM_MEASUREITEM, void, MEASUREITEMSTRUCT, TRUE, OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_ON_MSG_I_S(WM_COMPAREITEM, int, COMPAREITEMSTRUCT, 0, OnCompareItem)
#define ON_WM_DELETEITEM() AFX_ON_MSG_I_S(WM_DELETEITEM, void, DELETEITEMSTRUCT, TRUE, OnDeleteItem)
#define ON_WM_CHARTOITEM() AFX_ON_MSG(WM_CHARTOITEM, AfxMsg_i_u_lb_u, OnCharToItem)
#define ON_WM_VKEYTOITEM() AFX_ON_MSG(WM_VKEYTOITEM, AfxMsg_i_u_lb_u, OnVKeyToItem)
#define ON_WM_PARENTNOTIFY() AFX_ON_MSG(WM_PARENTNOTIFY, AfxMsg_v_u_l, OnParentNotify)

// keys and the mouse
#define ON_WM_GETDLGCODE() AFX_ON_MSG_X(WM_GETDLGCODE, UINT, OnGetDlgCode)
#define ON_WM_SYSKEYUP() AFX_ON_MSG(WM_SYSKEYUP, AfxMsg_v_u_u_u, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_ON_MSG(WM_SYSCHAR, AfxMsg_v_u_u_u, OnSysChar)
#define ON_WM_DEADCHAR() AFX_ON_MSG(WM_DEADCHAR, AfxMsg_v_u_u_u, OnDeadChar)
#define ON_WM_SYSDEADCHAR() AFX_ON_MSG(WM_SYSDEADCHAR, AfxMsg_v_u_u_u, OnSysDeadChar)
#define ON_WM_MOUSEHOVER() AFX_ON_MSG(WM_MOUSEHOVER, AfxMsg_v_u_pt, OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_ON_MSG(WM_MOUSELEAVE, AfxMsg_v, OnMouseLeave)
#define ON_WM_HELPINFO() AFX_ON_MSG_S(WM_HELPINFO, BOOL, HELPINFO, OnHelpInfo)
#define ON_WM_DROPFILES() AFX_ON_MSG(WM_DROPFILES, AfxMsg_v_hdrop, OnDropFiles)

// menus
#define ON_WM_INITMENU() AFX_ON_MSG(WM_INITMENU, AfxMsg_v_menu, OnInitMenu)
#define ON_WM_MENUCHAR() AFX_ON_MSG(WM_MENUCHAR, AfxMsg_l_u_u_menu, OnMenuChar)
#define ON_WM_ENTERIDLE() AFX_ON_MSG(WM_ENTERIDLE, AfxMsg_v_u_w, OnEnterIdle)
#define ON_WM_ENTERMENULOOP() AFX_ON_MSG(WM_ENTERMENULOOP, AfxMsg_v_b, OnEnterMenuLoop)
#define ON_WM_EXITMENULOOP() AFX_ON_MSG(WM_EXITMENULOOP, AfxMsg_v_b, OnExitMenuLoop)

// the system's state, painting and palettes
#define ON_WM_FONTCHANGE() AFX_ON_MSG(WM_FONTCHANGE, AfxMsg_v, OnFontChange)
#define ON_WM_TIMECHANGE() AFX_ON_MSG(WM_TIMECHANGE, AfxMsg_v, OnTimeChange)
#define ON_WM_DEVMODECHANGE() AFX_ON_MSG(WM_DEVMODECHANGE, AfxMsg_v_str, OnDevModeChange)
#define ON_WM_DEVICECHANGE() AFX_ON_MSG(WM_DEVICECHANGE, AfxMsg_b_u_dwp, OnDeviceChange)
#define ON_WM_ICONERASEBKGND() AFX_ON_MSG(WM_ICONERASEBKGND, AfxMsg_v_dc, OnIconEraseBkgnd)
#define ON_WM_QUERYDRAGICON() AFX_ON_MSG_X(WM_QUERYDRAGICON, HCURSOR, OnQueryDragIcon)
#define ON_WM_PALETTECHANGED() AFX_ON_MSG(WM_PALETTECHANGED, AfxMsg_v_w, OnPaletteChanged)
#define ON_WM_QUERYNEWPALETTE() AFX_ON_MSG_X(WM_QUERYNEWPALETTE, BOOL, OnQueryNewPalette)
