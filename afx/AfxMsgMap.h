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

#include "afx/AfxCore.h"

#include <type_traits>

class CCmdTarget;
class CScrollBar;

// Marks message handlers in class declarations, as hosts are used to.
#define afx_msg

// Reflected notifications (a control's own WM_COMMAND notifications, sent
// back to it by its parent) are looked up under message + WM_REFLECT_BASE.
#define WM_REFLECT_BASE 0xBC00

typedef LRESULT (*AFX_PMSG)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // window message, WM_COMMAND, or a reflected message
  UINT nCode;     // notification code for WM_COMMAND entries
  UINT nID;       // first control or command ID for WM_COMMAND entries
  UINT nLastID;   // last ID of the range (equal to nID for one ID)
  AFX_PMSG pfn;   // thunk that unpacks the message and calls the handler
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();  // null at the root
  const AFX_MSGMAP_ENTRY* lpEntries;     // ends with an entry whose pfn is null
};

// The first entry of the map chain that handles the message (for WM_COMMAND
// entries: the code and an ID in the entry's range); null when none does.
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

// LRESULT fn(WPARAM, LPARAM) for any message, registered or not.
#define ON_MESSAGE(message, fn) AFX_ON_MSG(message, AfxMsg_l_w_l, fn)

// void fn() for a command (menu, accelerator, or a control's BN_CLICKED).
#define ON_COMMAND(id, fn) {WM_COMMAND, 0, (UINT)(id), (UINT)(id), &AfxMsg_v<ThisClass, &ThisClass::fn>},
#define ON_CONTROL(code, id, fn) \
  {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), &AfxMsg_v<ThisClass, &ThisClass::fn>},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)

// void fn() in a control's own map for a notification it sends its parent.
#define ON_CONTROL_REFLECT(code, fn) \
  {WM_COMMAND + WM_REFLECT_BASE, (UINT)(code), 0, 0, &AfxMsg_v<ThisClass, &ThisClass::fn>},
