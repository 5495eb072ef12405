// The screen density (dots per inch) a window is shown at, for a program
// that declares itself aware of each monitor's density.
//
// When a top-level window moves to a monitor of another density, the
// system sends it WM_DPICHANGED with the new density and a suggested
// rectangle; the frame keeps that density (AfxSetWindowDpi) and tells its
// descendants before and after it takes the rectangle
// (WM_DPICHANGED_BEFOREPARENT, WM_DPICHANGED_AFTERPARENT). A window's
// density is the one its top-level window keeps; without one, the system's
// for the window (GetDpiForWindow, where the system has it), else its
// device context's (LOGPIXELSY). A device context's density never follows
// a monitor change: GetDeviceCaps answers the system's.
#pragma once

#include "afx/wnd/AfxWin.h"

// The notifications of a density change (older headers lack them).
#ifndef WM_DPICHANGED
#  define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_BEFOREPARENT
#  define WM_DPICHANGED_BEFOREPARENT 0x02E2
#  define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// The density of hWnd's top-level window (the screen's for null).
VARNEL_API UINT AfxGetWindowDpi(HWND hWnd);
// The density hWnd's top-level window keeps, or 0 when it keeps none.
VARNEL_API UINT AfxGetKeptWindowDpi(HWND hWnd);
// Keeps nDpi on hWnd when it is a top-level window (0 forgets it); does
// nothing for a child window.
VARNEL_API void AfxSetWindowDpi(HWND hWnd, UINT nDpi);

// What a top-level window told of a new density (WM_DPICHANGED) does
// around its own step of taking its new size: Begin tells its descendants
// (WM_DPICHANGED_BEFOREPARENT: they record what they are shown at) and
// keeps nDpi; End tells them again (WM_DPICHANGED_AFTERPARENT: they lay
// themselves out for the new density and size). A system that tells them
// itself (per-monitor awareness version 2) tells them a second time: they
// count a change once (CDpiChange).
VARNEL_API void AfxBeginDpiChange(CWnd* pWnd, UINT nDpi);
VARNEL_API void AfxEndDpiChange(CWnd* pWnd);

// Follows one window through a change of density. Before, at the
// notification before the top-level window takes the new density, records
// the density the window is shown at; After, at the one after, tells the
// change once. A notification that comes twice (the system's and the
// frame's) counts once; After without Before tells nothing.
class VARNEL_API CDpiChange {
 public:
  void Before(HWND hWnd);
  // True when the density changed since Before: the densities before and
  // after into nOld and nNew.
  bool After(HWND hWnd, UINT& nOld, UINT& nNew);

 private:
  UINT m_nBefore = 0;  // 0: no change under way
};
