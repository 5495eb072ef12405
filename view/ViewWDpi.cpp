// CViewW on a monitor of another density.
#include "view/ViewW.h"

#include "view/ViewDensity.h"

using namespace varnel::view;

LRESULT CViewW::OnDpiChangedBeforeParent(WPARAM, LPARAM) {
  m_dpiChange.Before(m_hWnd);
  m_rcWindowDpi = m_rcWindow;
  m_sizeViewDpi = GetViewSize();
  return 0;
}

// The frame's new size came to the view as a resize, which did what a
// resize does; keeping the scale would show more or less of the world as
// the view grew or shrank with the density.
LRESULT CViewW::OnDpiChangedAfterParent(WPARAM, LPARAM) {
  UINT nOld = 0, nNew = 0;
  if (!m_dpiChange.After(m_hWnd, nOld, nNew)) return 0;
  if (m_bPrinting || ChooseResizeAction(IsZoomed(), m_nScaleMode) != ResizeAction::KeepScale) {
    return 0;
  }
  SetWindow(WindowForDensity(m_rcWindowDpi, m_sizeViewDpi, GetViewSize(), nOld, nNew), true,
            sizeDefault, sizeDefault);
  return 0;
}
