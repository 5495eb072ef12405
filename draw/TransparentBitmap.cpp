#include "draw/TransparentBitmap.h"

#include <commctrl.h>

// The common controls' image list builds the mask from the transparent
// colour and draws through it, which is all this needs. Adding a bitmap
// with a mask colour turns the bitmap's pixels of that colour black, so the
// list is given a copy: the host's bitmap must draw the same next time.
// The copy keeps the bitmap's own format (a DIB section of its depth, masks
// and colour table): the mask compares each pixel with the transparent
// colour as that format holds it, and a copy widened to the screen's format
// would hold, say, a 16-bit grey of 192 as 198 and so match nothing.
void DrawTransparent(CDC* pDC, CBitmap* pBitmap, COLORREF transparent, tagPOINT at) {
  if (pDC == nullptr || pBitmap == nullptr) return;
  BITMAP bm = {};
  if (::GetObjectA(pBitmap->m_hObject, sizeof bm, &bm) == 0) return;
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
