// CRubberband: lets the user drag out a rectangle, a line, or a chain of
// lines with the mouse inside one window. DoRubberband captures the mouse,
// pumps the thread's messages itself, draws the band by inverting pixels
// on the window's client area (drawing it again removes it), and returns
// when the user finishes or cancels. With RBS_AUTOSCROLL a view that the
// pointer leaves is scrolled through its OnScrollBy (CView::ScrollContentBy);
// the anchor moves with the content by the distance the view reports it
// really moved, and the band's end stays on the edge the pointer left by.
// The band's width and the reach of a press that continues from the anchor
// follow the window's density (AfxGetWindowDpi).
#pragma once

#include "afx/base/AfxArray.h"
#include "afx/ui/AfxView.h"
#include "controls/RubberbandRules.h"

class VARNEL_API CRubberband {
 public:
  CRubberband(CWnd* pWnd, UINT nFlags);

  // Tracks a rectangle (or, without RBS_RECT, a line) from point (client
  // coordinates). Afterwards *pRect holds the band, point its current end,
  // nFlags the key flags of the last mouse move. 1 when ended by the left
  // button's release or the right button, 0 when cancelled (the outputs are
  // still written) or when another window holds the capture (nothing is
  // written).
  int DoRubberband(UINT& nFlags, CPoint& point, CRect* pRect);
  // Tracks polylines from point: each press-drag-release adds a vertex, a
  // press away from the last vertex starts a new polyline after the
  // separator (-1, -1). 1 only when ended by the right button.
  int DoRubberband(UINT& nFlags, CPoint point, CArray<CPoint, CPoint&>& points);

  UINT m_nFlags;
  UINT m_nKeyFlags = 0;
  CPoint m_ptStart;
  CPoint m_ptCurrent;
  CRect m_rect;
  CRect m_rectLast;
  CSize m_sizeLast;
  CWnd* m_pWnd;
  CDC* m_pDC = nullptr;

 protected:
  // Pumps messages until the band ends; returns the RBT_ cause. Mouse
  // moves move the band only when bFollowMouse.
  UINT Track(bool bFollowMouse);
  // The pointer moved to point (screen coordinates) with nFlags held.
  void Move(UINT nFlags, CPoint point);
  void DrawRubberband(int bRemove);
  // Replaces the line along lpRectLast's diagonal (width sizeLast.cx) with
  // the one along lpRect's (width size.cx), both by exclusive or.
  void DrawDragLine(CDC* pDC, RECT* lpRect, SIZE size, RECT* lpRectLast, SIZE sizeLast);

 private:
  void Begin(CPoint point);
  void End();
  void AutoScroll(CPoint& point);
  // A length given at 96 dots per inch in pixels at the window's density.
  LONG Pixels(LONG n96) const;
};
