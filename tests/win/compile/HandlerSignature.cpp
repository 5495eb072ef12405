// Compiled by the suite, not run: a message-map entry whose handler has the
// wrong signature must not compile. Built with HANDLER_RIGHT defined, the
// same map compiles, so the failure is the signature's alone.
#include "Varnel.h"

class CSizingWnd : public CWnd {
 protected:
#if defined(HANDLER_RIGHT)
  afx_msg void OnSize(UINT nType, int cx, int cy);
  // The other handlers of the framework's signatures, for the same check.
  afx_msg void OnPaint();
  afx_msg void OnDestroy();
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonUp(UINT nFlags, POINT point);
  afx_msg void OnMouseMove(UINT nFlags, POINT point);
  afx_msg void OnApply();
#else
  afx_msg void OnSize(int cx, int cy);  // WM_SIZE handlers take (UINT, int, int)
#endif
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSizingWnd, CWnd)
  ON_WM_SIZE()
#if defined(HANDLER_RIGHT)
  ON_WM_PAINT()
  ON_WM_DESTROY()
  ON_WM_VSCROLL()
  ON_WM_SETTINGCHANGE()
  ON_WM_KEYDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_MOUSEMOVE()
  ON_COMMAND(1000, OnApply)
#endif
END_MESSAGE_MAP()
