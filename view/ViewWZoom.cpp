// CViewW's zooming and centring, the zoom stack, and the mouse wheel.
#include "view/ViewW.h"

#include "draw/WorldMapping.h"
#include "frame/Platform.h"

// ---- zoom stack -----------------------------------------------------------------

void CViewW::RecordZoom() {
  if (ZoomStackRecords(static_cast<int>(m_aZoomStack.GetSize()), m_nZoomLevels)) {
    m_aZoomStack.Add(m_rcWindow);
  }
}

void CViewW::SetZoomLevels(int nLevels) { m_nZoomLevels = nLevels; }

int CViewW::GetZoomLevels() { return m_nZoomLevels; }

// ---- zooming in -------------------------------------------------------------------

void CViewW::ZoomIn(tagRECT* pRect, bool bKeepOrigin) {
  const tagSIZE drag{::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG)};
  if (!IsZoomDrag(*pRect, drag)) return;
  RecordZoom();
  tagRECT world;
  {
    CClientDC dc(this);
    OnPrepareDC(&dc, nullptr);
    tagRECT device = *pRect;
    DPtoWP(&dc, &device, &world);
  }
  SetScaleToWindow(&world, bKeepOrigin);
}

void CViewW::CenterOnPoint(tagPOINT pt, double dFactor) {
  tagPOINT world;
  {
    CClientDC dc(this);
    OnPrepareDC(&dc, nullptr);
    DPtoWP(&dc, &pt, &world, 1);
  }
  CenterOnPointW(world, dFactor);
}

void CViewW::CenterOnPointW(tagPOINT pt, double dFactor) {
  RecordZoom();
  SetWindow(WindowCenteredOn(pt, GetWindowSize(), dFactor), true, sizeDefault, sizeDefault);
}

// ---- zooming out ------------------------------------------------------------------

// The entry stays on the stack while its window is shown: a resize nested
// in the refit still counts as zoomed.
void CViewW::ZoomOut(bool bKeepOrigin) {
  if (m_aZoomStack.GetSize() == 0) return;
  tagRECT rc = m_aZoomStack[m_aZoomStack.GetSize() - 1];
  SetScaleToWindow(&rc, bKeepOrigin);
  if (m_aZoomStack.GetSize() > 0) m_aZoomStack.RemoveAt(m_aZoomStack.GetSize() - 1);
}

void CViewW::ZoomOutToTop(bool bKeepOrigin) {
  if (m_aZoomStack.GetSize() == 0) return;
  tagRECT rc = m_aZoomStack[0];
  SetScaleToWindow(&rc, bKeepOrigin);
  m_aZoomStack.RemoveAll();
}

// ---- the mouse wheel ----------------------------------------------------------------

int CViewW::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
  const WheelAction action = ChooseWheelAction(nFlags, zDelta, IsDirectionAvailable(SB_HORZ),
                                               IsDirectionAvailable(SB_VERT));
  switch (action) {
    case WheelAction::ZoomIn:
      ZoomInAtCursor(pt);
      return TRUE;
    case WheelAction::ZoomOut:
      ZoomOut(true);
      return TRUE;
    case WheelAction::Refuse:
      return FALSE;
    default:
      break;
  }
  const unsigned int nLines = GetMouseScrollLines(TRUE);
  if (action == WheelAction::ScrollHorz) {
    ScrollByWheel(CSize(WheelScrollDistance(zDelta, nLines, m_sizeLineDev.cx, m_sizePageDev.cx), 0));
  } else if (action == WheelAction::ScrollVert) {
    ScrollByWheel(CSize(0, WheelScrollDistance(zDelta, nLines, m_sizeLineDev.cy, m_sizePageDev.cy)));
  }
  return TRUE;
}

// The horizontal wheel's distance is positive to the right, the vertical
// wheel's towards the left: the same rule with the sign turned.
void CViewW::OnMouseHWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/) {
  if (!IsDirectionAvailable(SB_HORZ)) return;
  const int z = -static_cast<int>(zDelta);
  ScrollByWheel(CSize(
      WheelScrollDistance(z, GetMouseScrollLines(TRUE), m_sizeLineDev.cx, m_sizePageDev.cx), 0));
}

void CViewW::ScrollByWheel(CSize size) {
  if (OnScrollBy(size, TRUE)) UpdateWindow();
}

// The world point under the cursor is found before the zoom and shown
// under the cursor after it: the cursor moves to where that point now is.
void CViewW::ZoomInAtCursor(CPoint ptScreen) {
  CPoint pt = ptScreen;
  ScreenToClient(&pt);
  CClientDC dc(this);
  OnPrepareDC(&dc, nullptr);
  tagPOINT world;
  DPtoWP(&dc, &pt, &world, 1);
  CenterOnPointW(world, 0.5);
  OnPrepareDC(&dc, nullptr);
  tagPOINT device;
  WPtoDP(&dc, &world, &device, 1);
  CPoint ptCursor(device);
  ClientToScreen(&ptCursor);
  ::SetCursorPos(ptCursor.x, ptCursor.y);
}

void CViewW::OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
  CView::OnSettingChange(uFlags, lpszSection);
  GetMouseScrollLines(TRUE);
}
