// Device contexts of a window: its client area (CClientDC), the whole
// window with its frame (CWindowDC), and the client area during WM_PAINT
// (CPaintDC, which validates the update region when it ends). Each takes
// the context from the system in its constructor and gives it back in its
// destructor; a context that cannot be had throws CResourceException.
#pragma once

#include "afx/gdi/AfxDC.h"
#include "afx/wnd/AfxWin.h"

class VARNEL_API CClientDC : public CDC {
  DECLARE_DYNAMIC(CClientDC)

 public:
  explicit CClientDC(CWnd* pWnd);  // null: the screen
  ~CClientDC() override;

 protected:
  HWND m_hWnd;
};

class VARNEL_API CWindowDC : public CDC {
  DECLARE_DYNAMIC(CWindowDC)

 public:
  explicit CWindowDC(CWnd* pWnd);  // null: the screen
  ~CWindowDC() override;

 protected:
  HWND m_hWnd;
};

class VARNEL_API CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)

 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps;  // what BeginPaint reported: the area to repaint

 protected:
  HWND m_hWnd;
};
