// Message-map entries of controls: WM_COMMAND notifications by code and ID
// range, WM_NOTIFY from common controls, and reflected messages (a
// control's own notifications and owner-draw requests, which its parent
// sends back to the control's object).
//
// WM_COMMAND and WM_NOTIFY reach the sending control first: its reflected
// entry (ON_CONTROL_REFLECT, ON_NOTIFY_REFLECT) handles the notification,
// and the parent's map never sees it, unless the entry is an _EX one whose
// handler returned FALSE. The parent's messages about a control (colours,
// owner-drawn items, scrolling, list-box keys, WM_PARENTNOTIFY) go to the
// parent's own handler first; CWnd's default handler of each, and a parent
// with no entry for the message, hand it to the control's reflected entry.
#pragma once

#include "afx/app/AfxMsgMap.h"

// What a WM_NOTIFY handler gets through OnCmdMsg's pExtra (nCode being
// MAKELONG(code, WM_NOTIFY)): the header, and where the message's result
// goes.
struct AFX_NOTIFY {
  LRESULT* pResult;
  NMHDR* pNMHDR;
};

// ---- thunks -------------------------------------------------------------------------

namespace afx_detail {

inline AFX_NOTIFY& Notify(LPARAM lParam) { return *reinterpret_cast<AFX_NOTIFY*>(lParam); }

}  // namespace afx_detail

// void (NMHDR*, LRESULT*): ON_NOTIFY, ON_NOTIFY_REFLECT
template <class T, auto pmf>
LRESULT AfxMsg_notify(CCmdTarget* p, WPARAM, LPARAM lParam) {
  void (T::*f)(NMHDR*, LRESULT*) = pmf;
  AFX_NOTIFY& notify = afx_detail::Notify(lParam);
  (static_cast<T*>(p)->*f)(notify.pNMHDR, notify.pResult);
  return 0;
}

// void (UINT id, NMHDR*, LRESULT*): ON_NOTIFY_RANGE
template <class T, auto pmf>
LRESULT AfxMsg_notify_range(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  void (T::*f)(UINT, NMHDR*, LRESULT*) = pmf;
  AFX_NOTIFY& notify = afx_detail::Notify(lParam);
  (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), notify.pNMHDR, notify.pResult);
  return 0;
}

// BOOL (UINT id, NMHDR*, LRESULT*): ON_NOTIFY_EX; FALSE passes the
// notification on to the next target.
template <class T, auto pmf>
LRESULT AfxMsg_notify_ex(CCmdTarget* p, WPARAM wParam, LPARAM lParam) {
  BOOL (T::*f)(UINT, NMHDR*, LRESULT*) = pmf;
  AFX_NOTIFY& notify = afx_detail::Notify(lParam);
  const BOOL bHandled =
      (static_cast<T*>(p)->*f)(static_cast<UINT>(wParam), notify.pNMHDR, notify.pResult);
  return bHandled ? 0 : AFX_CONTINUE_ROUTING;
}

// BOOL (NMHDR*, LRESULT*): ON_NOTIFY_REFLECT_EX; FALSE lets the parent
// handle the notification too.
template <class T, auto pmf>
LRESULT AfxMsg_notify_reflect_ex(CCmdTarget* p, WPARAM, LPARAM lParam) {
  BOOL (T::*f)(NMHDR*, LRESULT*) = pmf;
  AFX_NOTIFY& notify = afx_detail::Notify(lParam);
  return (static_cast<T*>(p)->*f)(notify.pNMHDR, notify.pResult) ? 0 : AFX_CONTINUE_ROUTING;
}

// BOOL (): ON_CONTROL_REFLECT_EX; FALSE lets the parent handle the
// notification too.
template <class T, auto pmf>
LRESULT AfxMsg_b_reflect(CCmdTarget* p, WPARAM, LPARAM) {
  BOOL (T::*f)() = pmf;
  return (static_cast<T*>(p)->*f)() ? 0 : AFX_CONTINUE_ROUTING;
}

// HBRUSH (CDC* pDC, UINT nCtlColor): ON_WM_CTLCOLOR_REFLECT. The brush
// paints the control's background; null leaves the colours to the parent.
template <class T, auto pmf, UINT nCtlColor>
LRESULT AfxMsg_reflect_ctlcolor(CCmdTarget* p, WPARAM wParam, LPARAM) {
  using DcPtr = decltype(afx_detail::FirstArg2(pmf));
  HBRUSH (T::*f)(DcPtr, UINT) = pmf;
  using Dc = typename std::remove_pointer<DcPtr>::type;
  const HBRUSH hBrush =
      (static_cast<T*>(p)->*f)(Dc::FromHandle(reinterpret_cast<HDC>(wParam)), nCtlColor);
  return hBrush != nullptr ? reinterpret_cast<LRESULT>(hBrush) : AFX_CONTINUE_ROUTING;
}

// R (S*): the reflected owner-draw requests; void handlers answer TRUE.
template <class T, auto pmf, class R, class S>
LRESULT AfxMsg_reflect_s(CCmdTarget* p, WPARAM, LPARAM lParam) {
  R (T::*f)(S*) = pmf;
  auto* pStruct = reinterpret_cast<S*>(lParam);
  if constexpr (std::is_void<R>::value) {
    (static_cast<T*>(p)->*f)(pStruct);
    return TRUE;
  } else {
    return static_cast<LRESULT>((static_cast<T*>(p)->*f)(pStruct));
  }
}

// void (UINT nSBCode, UINT nPos): ON_WM_HSCROLL_REFLECT, ON_WM_VSCROLL_REFLECT
template <class T, auto pmf>
LRESULT AfxMsg_reflect_scroll(CCmdTarget* p, WPARAM wParam, LPARAM) {
  void (T::*f)(UINT, UINT) = pmf;
  const int nPos = static_cast<short>(HIWORD(wParam));
  (static_cast<T*>(p)->*f)(LOWORD(wParam), static_cast<UINT>(nPos));
  return 0;
}

// int (UINT nKey, UINT nIndex): ON_WM_CHARTOITEM_REFLECT, ON_WM_VKEYTOITEM_REFLECT
template <class T, auto pmf>
LRESULT AfxMsg_reflect_key(CCmdTarget* p, WPARAM wParam, LPARAM) {
  int (T::*f)(UINT, UINT) = pmf;
  return (static_cast<T*>(p)->*f)(LOWORD(wParam), HIWORD(wParam));
}

// ---- commands and WM_COMMAND notifications --------------------------------------------

// void fn(UINT nID) for notification code from every control id to idLast.
#define ON_CONTROL_RANGE(code, id, idLast, fn) \
  {WM_COMMAND, AFX_CONTROL_CODE(code), (UINT)(id), (UINT)(idLast),         \
   &AfxMsg_cmd_range<ThisClass, &ThisClass::fn>},
// BOOL fn() in a control's own map; FALSE lets the parent handle it too.
#define ON_CONTROL_REFLECT_EX(code, fn)                                    \
  {WM_COMMAND + WM_REFLECT_BASE, AFX_CONTROL_CODE(code), 0, 0,              \
   &AfxMsg_b_reflect<ThisClass, &ThisClass::fn>},
// void fn(CCmdUI*) in a control's own map: UpdateDialogControls asks the
// control itself before the dialog.
#define ON_UPDATE_COMMAND_UI_REFLECT(fn)                      \
  {WM_COMMAND + WM_REFLECT_BASE, CN_UPDATE_COMMAND_UI, 0, 0, \
   &AfxMsg_update<ThisClass, &ThisClass::fn>},

#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_EN_UPDATE(id, fn) ON_CONTROL(EN_UPDATE, id, fn)
#define ON_EN_SETFOCUS(id, fn) ON_CONTROL(EN_SETFOCUS, id, fn)
#define ON_EN_KILLFOCUS(id, fn) ON_CONTROL(EN_KILLFOCUS, id, fn)
#define ON_EN_MAXTEXT(id, fn) ON_CONTROL(EN_MAXTEXT, id, fn)
#define ON_EN_ERRSPACE(id, fn) ON_CONTROL(EN_ERRSPACE, id, fn)
#define ON_EN_HSCROLL(id, fn) ON_CONTROL(EN_HSCROLL, id, fn)
#define ON_EN_VSCROLL(id, fn) ON_CONTROL(EN_VSCROLL, id, fn)

#define ON_CBN_SELCHANGE(id, fn) ON_CONTROL(CBN_SELCHANGE, id, fn)
#define ON_CBN_DBLCLK(id, fn) ON_CONTROL(CBN_DBLCLK, id, fn)
#define ON_CBN_SETFOCUS(id, fn) ON_CONTROL(CBN_SETFOCUS, id, fn)
#define ON_CBN_KILLFOCUS(id, fn) ON_CONTROL(CBN_KILLFOCUS, id, fn)
#define ON_CBN_EDITCHANGE(id, fn) ON_CONTROL(CBN_EDITCHANGE, id, fn)
#define ON_CBN_EDITUPDATE(id, fn) ON_CONTROL(CBN_EDITUPDATE, id, fn)
#define ON_CBN_DROPDOWN(id, fn) ON_CONTROL(CBN_DROPDOWN, id, fn)
#define ON_CBN_CLOSEUP(id, fn) ON_CONTROL(CBN_CLOSEUP, id, fn)
#define ON_CBN_SELENDOK(id, fn) ON_CONTROL(CBN_SELENDOK, id, fn)
#define ON_CBN_SELENDCANCEL(id, fn) ON_CONTROL(CBN_SELENDCANCEL, id, fn)
#define ON_CBN_ERRSPACE(id, fn) ON_CONTROL(CBN_ERRSPACE, id, fn)

#define ON_LBN_SELCHANGE(id, fn) ON_CONTROL(LBN_SELCHANGE, id, fn)
#define ON_LBN_DBLCLK(id, fn) ON_CONTROL(LBN_DBLCLK, id, fn)
#define ON_LBN_SETFOCUS(id, fn) ON_CONTROL(LBN_SETFOCUS, id, fn)
#define ON_LBN_KILLFOCUS(id, fn) ON_CONTROL(LBN_KILLFOCUS, id, fn)
#define ON_LBN_SELCANCEL(id, fn) ON_CONTROL(LBN_SELCANCEL, id, fn)
#define ON_LBN_ERRSPACE(id, fn) ON_CONTROL(LBN_ERRSPACE, id, fn)

#define ON_BN_DOUBLECLICKED(id, fn) ON_CONTROL(BN_DOUBLECLICKED, id, fn)
#define ON_BN_DBLCLK(id, fn) ON_CONTROL(BN_DBLCLK, id, fn)
#define ON_BN_SETFOCUS(id, fn) ON_CONTROL(BN_SETFOCUS, id, fn)
#define ON_BN_KILLFOCUS(id, fn) ON_CONTROL(BN_KILLFOCUS, id, fn)
#define ON_BN_PUSHED(id, fn) ON_CONTROL(BN_PUSHED, id, fn)
#define ON_BN_UNPUSHED(id, fn) ON_CONTROL(BN_UNPUSHED, id, fn)
#define ON_BN_HILITE(id, fn) ON_CONTROL(BN_HILITE, id, fn)
#define ON_BN_UNHILITE(id, fn) ON_CONTROL(BN_UNHILITE, id, fn)
#define ON_BN_DISABLE(id, fn) ON_CONTROL(BN_DISABLE, id, fn)
#define ON_BN_PAINT(id, fn) ON_CONTROL(BN_PAINT, id, fn)

#define ON_STN_CLICKED(id, fn) ON_CONTROL(STN_CLICKED, id, fn)
#define ON_STN_DBLCLK(id, fn) ON_CONTROL(STN_DBLCLK, id, fn)
#define ON_STN_ENABLE(id, fn) ON_CONTROL(STN_ENABLE, id, fn)
#define ON_STN_DISABLE(id, fn) ON_CONTROL(STN_DISABLE, id, fn)

// ---- WM_NOTIFY --------------------------------------------------------------------
//
// Notification codes are kept in 16 bits, as OnCmdMsg's nCode carries them.

#define AFX_NOTIFY_CODE(code) ((UINT)(WORD)(code))

// void fn(NMHDR* pNotifyStruct, LRESULT* pResult) for control id's code.
#define ON_NOTIFY(code, id, fn)                                              \
  {WM_NOTIFY, AFX_NOTIFY_CODE(code), (UINT)(id), (UINT)(id),                \
   &AfxMsg_notify<ThisClass, &ThisClass::fn>},
// void fn(UINT id, NMHDR*, LRESULT*) for the code from controls id to idLast.
#define ON_NOTIFY_RANGE(code, id, idLast, fn)                                \
  {WM_NOTIFY, AFX_NOTIFY_CODE(code), (UINT)(id), (UINT)(idLast),            \
   &AfxMsg_notify_range<ThisClass, &ThisClass::fn>},
// BOOL fn(UINT id, NMHDR*, LRESULT*); FALSE passes it on to the next target.
#define ON_NOTIFY_EX(code, id, fn)                                           \
  {WM_NOTIFY, AFX_NOTIFY_CODE(code), (UINT)(id), (UINT)(id),                \
   &AfxMsg_notify_ex<ThisClass, &ThisClass::fn>},
#define ON_NOTIFY_EX_RANGE(code, id, idLast, fn)                             \
  {WM_NOTIFY, AFX_NOTIFY_CODE(code), (UINT)(id), (UINT)(idLast),            \
   &AfxMsg_notify_ex<ThisClass, &ThisClass::fn>},
// In a control's own map: void fn(NMHDR*, LRESULT*), or BOOL for _EX
// (FALSE lets the parent handle the notification too).
#define ON_NOTIFY_REFLECT(code, fn)                                          \
  {WM_NOTIFY + WM_REFLECT_BASE, AFX_NOTIFY_CODE(code), 0, 0,                \
   &AfxMsg_notify<ThisClass, &ThisClass::fn>},
#define ON_NOTIFY_REFLECT_EX(code, fn)                                       \
  {WM_NOTIFY + WM_REFLECT_BASE, AFX_NOTIFY_CODE(code), 0, 0,                \
   &AfxMsg_notify_reflect_ex<ThisClass, &ThisClass::fn>},

// ---- the parent's messages about a control, in the control's own map ---------------

#define AFX_ON_REFLECT(msg, thunk, fn) \
  {(msg) + WM_REFLECT_BASE, 0, 0, 0, &thunk<ThisClass, &ThisClass::fn>},
#define AFX_ON_REFLECT_S(msg, R, S, fn) \
  {(msg) + WM_REFLECT_BASE, 0, 0, 0, &AfxMsg_reflect_s<ThisClass, &ThisClass::fn, R, S>},
#define AFX_ON_CTLCOLOR_REFLECT(msg, code)  \
  {(msg) + WM_REFLECT_BASE, 0, 0, 0,        \
   &AfxMsg_reflect_ctlcolor<ThisClass, &ThisClass::CtlColor, code>},

// HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
#define ON_WM_CTLCOLOR_REFLECT()                                        \
  AFX_ON_CTLCOLOR_REFLECT(WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX)           \
  AFX_ON_CTLCOLOR_REFLECT(WM_CTLCOLOREDIT, CTLCOLOR_EDIT)               \
  AFX_ON_CTLCOLOR_REFLECT(WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX)         \
  AFX_ON_CTLCOLOR_REFLECT(WM_CTLCOLORBTN, CTLCOLOR_BTN)                 \
  AFX_ON_CTLCOLOR_REFLECT(WM_CTLCOLORDLG, CTLCOLOR_DLG)                 \
  AFX_ON_CTLCOLOR_REFLECT(WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR)     \
  AFX_ON_CTLCOLOR_REFLECT(WM_CTLCOLORSTATIC, CTLCOLOR_STATIC)
// void DrawItem(LPDRAWITEMSTRUCT), void MeasureItem(LPMEASUREITEMSTRUCT),
// int CompareItem(LPCOMPAREITEMSTRUCT), void DeleteItem(LPDELETEITEMSTRUCT)
#define ON_WM_DRAWITEM_REFLECT() AFX_ON_REFLECT_S(WM_DRAWITEM, void, DRAWITEMSTRUCT, DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() \
  AFX_ON_REFLECT_S(WM_MEASUREITEM, void, MEASUREITEMSTRUCT, MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT() \
  AFX_ON_REFLECT_S(WM_COMPAREITEM, int, COMPAREITEMSTRUCT, CompareItem)
#define ON_WM_DELETEITEM_REFLECT() \
  AFX_ON_REFLECT_S(WM_DELETEITEM, void, DELETEITEMSTRUCT, DeleteItem)
// void HScroll(UINT nSBCode, UINT nPos), void VScroll(UINT nSBCode, UINT nPos)
#define ON_WM_HSCROLL_REFLECT() AFX_ON_REFLECT(WM_HSCROLL, AfxMsg_reflect_scroll, HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_ON_REFLECT(WM_VSCROLL, AfxMsg_reflect_scroll, VScroll)
// int CharToItem(UINT nKey, UINT nIndex), int VKeyToItem(UINT nKey, UINT nIndex)
#define ON_WM_CHARTOITEM_REFLECT() AFX_ON_REFLECT(WM_CHARTOITEM, AfxMsg_reflect_key, CharToItem)
#define ON_WM_VKEYTOITEM_REFLECT() AFX_ON_REFLECT(WM_VKEYTOITEM, AfxMsg_reflect_key, VKeyToItem)
// void ParentNotify(UINT message, LPARAM lParam)
#define ON_WM_PARENTNOTIFY_REFLECT() AFX_ON_REFLECT(WM_PARENTNOTIFY, AfxMsg_v_u_l, ParentNotify)
