#include "afx/base/AfxPreviewLayout.h"

#include <algorithm>

namespace {

// A sheet's size at the actual size (the screen's resolution).
tagSIZE ActualSheet(const PreviewDevice& d) {
  return tagSIZE{MulDiv(d.paper.cx, d.screenDpi.cx, d.printerDpi.cx),
                 MulDiv(d.paper.cy, d.screenDpi.cy, d.printerDpi.cy)};
}

// The fraction (num / den) of the actual size at which nSheets sheets fit
// the window, at most 1.
void FitFraction(const PreviewDevice& d, int nSheets, const tagSIZE& client, int64_t* pNum,
                 int64_t* pDen) {
  const tagSIZE actual = ActualSheet(d);
  const int64_t availX = std::max<int64_t>(1, client.cx - (nSheets + 1) * kPreviewMargin);
  const int64_t availY = std::max<int64_t>(1, client.cy - 2 * kPreviewMargin);
  const int64_t needX = std::max<int64_t>(1, int64_t{nSheets} * actual.cx);
  const int64_t needY = std::max<int64_t>(1, actual.cy);
  // The tighter axis decides: availX / needX against availY / needY.
  if (availX * needY <= availY * needX) {
    *pNum = availX;
    *pDen = needX;
  } else {
    *pNum = availY;
    *pDen = needY;
  }
  if (*pNum > *pDen) *pNum = *pDen;  // never larger than the actual size
}

// num / den kept within what MulDiv's 32-bit arguments hold.
void Reduce(int64_t* pNum, int64_t* pDen) {
  int64_t a = *pNum, b = *pDen;
  while (b != 0) {
    const int64_t t = a % b;
    a = b;
    b = t;
  }
  if (a > 1) {
    *pNum /= a;
    *pDen /= a;
  }
  while (*pNum > 0x7FFFFFFF || *pDen > 0x7FFFFFFF) {
    *pNum = (*pNum + 1) / 2;
    *pDen = (*pDen + 1) / 2;
  }
}

}  // namespace

PreviewScale PreviewScaleFor(const PreviewDevice& d, int nZoom, int nSheets,
                             const tagSIZE& client) {
  // The fraction f of the actual size, then per axis screen / printer * f.
  int64_t fNum = 1, fDen = 1;
  if (nZoom != kPreviewZoomIn) {
    FitFraction(d, nZoom == kPreviewZoomOut ? nSheets : 1, client, &fNum, &fDen);
    if (nZoom == kPreviewZoomMiddle) {  // half way to the actual size
      fNum += fDen;
      fDen *= 2;
    }
  }
  int64_t numX = d.screenDpi.cx * fNum, denX = d.printerDpi.cx * fDen;
  int64_t numY = d.screenDpi.cy * fNum, denY = d.printerDpi.cy * fDen;
  Reduce(&numX, &denX);
  Reduce(&numY, &denY);
  PreviewScale s;
  s.numX = static_cast<int>(numX);
  s.denX = static_cast<int>(denX);
  s.numY = static_cast<int>(numY);
  s.denY = static_cast<int>(denY);
  return s;
}

PreviewLayout LayOutPreview(const PreviewDevice& d, int nZoom, int nSheets,
                            const tagSIZE& client) {
  nSheets = nZoom == kPreviewZoomOut && nSheets == 2 ? 2 : 1;
  PreviewLayout layout = {};
  layout.scale = PreviewScaleFor(d, nZoom, nSheets, client);
  const LONG cx = layout.scale.ToScreenX(d.paper.cx);
  const LONG cy = layout.scale.ToScreenY(d.paper.cy);
  const LONG sheetsWidth = nSheets * cx + (nSheets - 1) * kPreviewMargin;
  layout.picture.cx = std::max(client.cx, sheetsWidth + 2 * kPreviewMargin);
  layout.picture.cy = std::max(client.cy, cy + 2 * kPreviewMargin);
  const LONG left = (layout.picture.cx - sheetsWidth) / 2;
  const LONG top = (layout.picture.cy - cy) / 2;
  for (int i = 0; i < nSheets; ++i) {
    const LONG x = left + i * (cx + kPreviewMargin);
    layout.sheets[i] = tagRECT{x, top, x + cx, top + cy};
  }
  return layout;
}

LONG ClampPreviewScroll(LONG nPos, LONG nPicture, LONG nClient) {
  return std::max<LONG>(0, std::min<LONG>(nPos, std::max<LONG>(0, nPicture - nClient)));
}
