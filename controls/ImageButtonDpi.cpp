// CImageButton on a monitor of another density.
#include "controls/ImageButton.h"

using namespace varnel::controls;

LRESULT CImageButton::OnDpiChangedBeforeParent(WPARAM, LPARAM) {
  m_dpiChange.Before(m_hWnd);
  return 0;
}

LRESULT CImageButton::OnDpiChangedAfterParent(WPARAM, LPARAM) {
  UINT nOld = 0, nNew = 0;
  if (!m_dpiChange.After(m_hWnd, nOld, nNew)) return 0;
  const ImageButtonLayout layout = LayoutForDensity(Layout(), nOld, nNew);
  m_ptImage = layout.ptImage;
  m_ptText = layout.ptText;
  m_nImageOffset = layout.nImageOffset;
  m_nTextOffset = layout.nTextOffset;
  m_sizeImage = layout.sizeImage;
  ReloadImage();
  Redraw();
  return 0;
}

// A failed load leaves the image as the setter leaves it (an icon: none).
void CImageButton::ReloadImage() {
  const int cx = m_sizeImage.cx, cy = m_sizeImage.cy;
  switch (m_imageSource) {
    case ImageSource::Icon: SetIcon(m_nIDImage, cx, cy); break;
    case ImageSource::Bitmap: SetBitmap(m_nIDImage, cx, cy); break;
    case ImageSource::MaskedBitmap: SetMaskedBitmap(m_nIDImage, cx, cy, m_crImageMask); break;
    case ImageSource::None: break;
  }
}
