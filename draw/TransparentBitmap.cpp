#include "draw/TransparentBitmap.h"

#include <commctrl.h>

#include <vector>


// The common controls' image list builds the mask from the transparent
// colour and draws through it, which is all this needs. Adding a bitmap
// with a mask colour turns the bitmap's pixels of that colour black, so the
// list is given a copy: the host's bitmap must draw the same next time.
// The copy keeps the bitmap's own format (a DIB section of its depth, masks
// and colour table): the mask compares each pixel with the transparent
// colour as that format holds it, and a copy widened to the screen's format
// would hold, say, a 16-bit grey of 192 as 198 and so match nothing.
namespace {

// A printer cannot draw through a mask: the PostScript driver paints the
// masked pixels black. There the bitmap is copied whole through a clipping
// region made of its other pixels, which every device honours.
void DrawThroughClip(CDC* pDC, HBITMAP hBitmap, const BITMAP& bm, COLORREF transparent,
                     tagPOINT at) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = bm.bmWidth;
  info.bmiHeader.biHeight = -bm.bmHeight;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> bits(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight));
  const HDC hScreen = ::GetDC(nullptr);
  const int nRows = ::GetDIBits(hScreen, hBitmap, 0, static_cast<UINT>(bm.bmHeight), bits.data(),
                                &info, DIB_RGB_COLORS);
  ::ReleaseDC(nullptr, hScreen);
  if (nRows != bm.bmHeight) return;
  const DWORD skip = (DWORD{GetRValue(transparent)} << 16) | (DWORD{GetGValue(transparent)} << 8) |
                     GetBValue(transparent);
  HRGN hOpaque = ::CreateRectRgn(0, 0, 0, 0);
  for (int y = 0; y < bm.bmHeight; ++y) {
    const DWORD* row = &bits[static_cast<size_t>(y) * static_cast<size_t>(bm.bmWidth)];
    for (int x = 0; x < bm.bmWidth;) {
      if ((row[x] & 0xFFFFFF) == skip) {
        ++x;
        continue;
      }
      const int xStart = x;
      while (x < bm.bmWidth && (row[x] & 0xFFFFFF) != skip) ++x;
      // In the device units of the context drawn on, which the region
      // clips: print preview's output is not its printer.
      POINT run[2] = {{at.x + xStart, at.y + y}, {at.x + x, at.y + y + 1}};
      ::LPtoDP(pDC->m_hDC, run, 2);
      HRGN hRun = ::CreateRectRgn(run[0].x, run[0].y, run[1].x, run[1].y);
      ::CombineRgn(hOpaque, hOpaque, hRun, RGN_OR);
      ::DeleteObject(hRun);
    }
  }
  const int nSaved = ::SaveDC(pDC->m_hDC);
  ::ExtSelectClipRgn(pDC->m_hDC, hOpaque, RGN_AND);
  ::StretchDIBits(pDC->m_hDC, at.x, at.y, bm.bmWidth, bm.bmHeight, 0, 0, bm.bmWidth, bm.bmHeight,
                  bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
  ::RestoreDC(pDC->m_hDC, nSaved);
  ::DeleteObject(hOpaque);
}

}  // namespace

void DrawTransparent(CDC* pDC, CBitmap* pBitmap, COLORREF transparent, tagPOINT at) {
  if (pDC == nullptr || pBitmap == nullptr) return;
  BITMAP bm = {};
  if (::GetObjectA(pBitmap->m_hObject, sizeof bm, &bm) == 0) return;
  if (::GetDeviceCaps(pDC->m_hAttribDC, TECHNOLOGY) == DT_RASPRINTER) {
    DrawThroughClip(pDC, static_cast<HBITMAP>(pBitmap->m_hObject), bm, transparent, at);
    return;
  }
  // Device-dependent colour with a mask, one image.
  HIMAGELIST hList = ::ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLORDDB | ILC_MASK, 1, 1);
  if (hList == nullptr) return;
  auto hCopy = static_cast<HBITMAP>(
      ::CopyImage(pBitmap->m_hObject, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (hCopy != nullptr && ::ImageList_AddMasked(hList, hCopy, transparent) >= 0)
    ::ImageList_Draw(hList, 0, pDC->m_hDC, at.x, at.y, ILD_TRANSPARENT);
  if (hCopy != nullptr) ::DeleteObject(hCopy);
  ::ImageList_Destroy(hList);
}
