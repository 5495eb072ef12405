// CViewW's zooming and centring, the zoom stack, and the mouse wheel.
#include "view/ViewW.h"

#include "draw/WorldMapping.h"
#include "frame/Platform.h"

#include <algorithm>

using namespace varnel::view;

// ---- zoom stack -----------------------------------------------------------------

void CViewW::RecordZoom() {
  if (ZoomStackRecords(static_cast<int>(m_aZoomStack.GetSize()), m_nZoomLevels)) {
    m_aZoomStack.Add(m_rcWindow);
  }
}

void CViewW::SetZoomLevels(int nLevels) { m_nZoomLevels = nLevels; }

int CViewW::GetZoomLevels() { return m_nZoomLevels; }

// ---- zooming in -------------------------------------------------------------------

// The minimum window, and no scale at which the maximum window would leave
// the device range.
tagSIZE CViewW::ZoomFloor() {
  const tagSIZE device = DeviceRangeFloor(GetWindowMaxSize(), GetViewSize());
  return tagSIZE{std::max(m_sizeWindowMin.cx, device.cx), std::max(m_sizeWindowMin.cy, device.cy)};
}

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
  ShowFitted(world, bKeepOrigin, ZoomFloor());
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

void CViewW::CenterOnPointW(tagPOINT pt, double dFactor) { ZoomAround(pt, dFactor); }

bool CViewW::ZoomAround(tagPOINT pt, double dFactor) {
  tagSIZE size;
  if (!ZoomedSizeAboveFloor(GetWindowSize(), dFactor, ZoomFloor(), &size)) return false;
  RecordZoom();
  SetWindow(WindowCenteredOn(pt, size, 1.0), true, sizeDefault, sizeDefault);
  return true;
}

// ---- zooming out ------------------------------------------------------------------

// The entry stays on the stack while its window is shown: a resize nested
// in the refit still counts as zoomed. The recorded window was shown once:
// only the device range bounds it, not the minimum size.
void CViewW::ZoomOut(bool bKeepOrigin) {
  if (m_aZoomStack.GetSize() == 0) return;
  const tagRECT rc = m_aZoomStack[m_aZoomStack.GetSize() - 1];
  ShowFitted(rc, bKeepOrigin, DeviceRangeFloor(GetWindowMaxSize(), GetViewSize()));
  if (m_aZoomStack.GetSize() > 0) m_aZoomStack.RemoveAt(m_aZoomStack.GetSize() - 1);
}

void CViewW::ZoomOutToTop(bool bKeepOrigin) {
  if (m_aZoomStack.GetSize() == 0) return;
  const tagRECT rc = m_aZoomStack[0];
  ShowFitted(rc, bKeepOrigin, DeviceRangeFloor(GetWindowMaxSize(), GetViewSize()));
  m_aZoomStack.RemoveAll();
}

// ---- the mouse wheel ----------------------------------------------------------------

namespace {

// The characters a notch of a tilt wheel scrolls (the system's setting, 3
// where it has none).
unsigned int WheelScrollChars() {
  UINT nChars = 3;
  if (!::SystemParametersInfoA(SPI_GETWHEELSCROLLCHARS, 0, &nChars, 0)) nChars = 3;
  return nChars;
}

}  // namespace

int CViewW::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
  const WheelAction action = ChooseWheelAction(nFlags, zDelta, IsDirectionAvailable(SB_HORZ),
                                               IsDirectionAvailable(SB_VERT));
  if (action != m_wheelAction) {  // parts of a notch count for one use only
    m_wheel.Reset();
    m_wheelAction = action;
  }
  switch (action) {
    case WheelAction::ZoomIn:
    case WheelAction::ZoomOut:
      // Once a notification when the parts make a notch, whatever its size.
      if (m_wheel.Add(zDelta, 1) == 0) return TRUE;
      m_wheel.Reset();
      if (action == WheelAction::ZoomIn) {
        ZoomInAtCursor(pt);
      } else {
        ZoomOut(true);
      }
      return TRUE;
    case WheelAction::Refuse:
      return FALSE;
    case WheelAction::Nothing:
      return TRUE;
    case WheelAction::ScrollHorz:
    case WheelAction::ScrollVert:
      break;
  }
  const unsigned int nLines = GetMouseScrollLines(TRUE);
  // Away from the user (z > 0) scrolls left or up.
  const int64_t steps = -m_wheel.Add(zDelta, nLines);
  const bool bPages = nLines == kWheelPageScroll;
  if (action == WheelAction::ScrollHorz) {
    ScrollByWheel(CSize(WheelScrollDistance(steps, bPages, m_sizeLineDev.cx, m_sizePageDev.cx), 0));
  } else {
    ScrollByWheel(CSize(0, WheelScrollDistance(steps, bPages, m_sizeLineDev.cy, m_sizePageDev.cy)));
  }
  return TRUE;
}

// The tilt wheel's distance is positive to the right. A view that cannot
// scroll sideways hands the message to its parent, as the system's default
// handling does (Wine's does not).
void CViewW::OnMouseHWheel(UINT nFlags, short zDelta, CPoint pt) {
  if (!IsDirectionAvailable(SB_HORZ)) {
    m_hwheel.Reset();
    if (CWnd* pParent = GetParent()) {
      pParent->SendMessage(WM_MOUSEHWHEEL, MAKEWPARAM(nFlags, static_cast<WORD>(zDelta)),
                           MAKELPARAM(pt.x, pt.y));
    }
    return;
  }
  const unsigned int nChars = WheelScrollChars();
  const int64_t steps = m_hwheel.Add(zDelta, nChars);
  ScrollByWheel(CSize(WheelScrollDistance(steps, nChars == kWheelPageScroll, m_sizeLineDev.cx,
                                          m_sizePageDev.cx),
                      0));
}

void CViewW::ScrollByWheel(CSize size) {
  if (size.cx == 0 && size.cy == 0) return;  // parts of a line so far
  if (OnScrollBy(size, TRUE)) UpdateWindow();
}

// The world point under the cursor is found before the zoom and shown
// under the cursor after it: the cursor moves to where that point now is.
// A refused zoom leaves the cursor too.
void CViewW::ZoomInAtCursor(CPoint ptScreen) {
  CPoint pt = ptScreen;
  ScreenToClient(&pt);
  CClientDC dc(this);
  OnPrepareDC(&dc, nullptr);
  tagPOINT world;
  DPtoWP(&dc, &pt, &world, 1);
  if (!ZoomAround(world, 0.5)) return;
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
  m_wheel.Reset();
  m_hwheel.Reset();
}
