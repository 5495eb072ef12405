// CViewW on a monitor of another density.
#include "view/ViewW.h"

using namespace varnel::view;

LRESULT CViewW::OnDpiChangedBeforeParent(WPARAM, LPARAM) {
  m_dpiChange.Before(m_hWnd);
  m_rcWindowDpi = m_rcWindow;
  return 0;
}

// The frame's new size came to the view as a resize, which did what a
// resize does. Only keeping the scale would show another world rectangle:
// the view grew or shrank with the density, and the same world units per
// pixel would show more or less of the world. The recorded window is shown
// again instead, fitted to the view's proportions (they may differ by a
// pixel's rounding); it was shown before, so only the device range bounds
// it.
LRESULT CViewW::OnDpiChangedAfterParent(WPARAM, LPARAM) {
  UINT nOld = 0, nNew = 0;
  if (!m_dpiChange.After(m_hWnd, nOld, nNew)) return 0;
  if (m_bPrinting || ChooseResizeAction(IsZoomed(), m_nScaleMode) != ResizeAction::KeepScale) {
    return 0;
  }
  ShowFitted(m_rcWindowDpi, true, DeviceRangeFloor(GetWindowMaxSize(), GetViewSize()));
  return 0;
}
