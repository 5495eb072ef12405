#include "draw/TransparentBitmap.h"

#include <commctrl.h>

// The common controls' image list builds the mask from the transparent
// colour and draws through it, which is all this needs.
void DrawTransparent(CDC* pDC, CBitmap* pBitmap, COLORREF transparent, tagPOINT at) {
  if (pDC == nullptr || pBitmap == nullptr) return;
  BITMAP bm = {};
  if (::GetObjectA(pBitmap->m_hObject, sizeof bm, &bm) == 0) return;
  // Device-dependent colour with a mask, one image.
  HIMAGELIST hList = ::ImageList_Create(bm.bmWidth, bm.bmHeight, ILC_COLORDDB | ILC_MASK, 1, 1);
  if (hList == nullptr) return;
  if (::ImageList_AddMasked(hList, static_cast<HBITMAP>(pBitmap->m_hObject), transparent) >= 0)
    ::ImageList_Draw(hList, 0, pDC->m_hDC, at.x, at.y, ILD_TRANSPARENT);
  ::ImageList_Destroy(hList);
}
