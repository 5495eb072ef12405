// CDC's drag frame and the halftone brush it draws with by default.
#include "afx/gdi/AfxDC.h"

namespace {

// The frame of the given thickness along the inside of rc (device
// coordinates) as a region: the rectangle minus its inner part. A
// thickness of 0 gives an empty region; a frame thicker than half the
// rectangle is the whole rectangle.
bool MakeFrameRgn(CRgn& rgn, CRect rc, SIZE size) {
  rc.NormalizeRect();
  if (!rgn.CreateRectRgnIndirect(&rc)) return false;
  CRect inner = rc;
  inner.DeflateRect(size.cx > 0 ? size.cx : 0, size.cy > 0 ? size.cy : 0);
  if (inner.IsRectEmpty()) return true;
  CRgn rgnInner;
  if (!rgnInner.CreateRectRgnIndirect(&inner)) return false;
  return rgn.CombineRgn(&rgn, &rgnInner, RGN_XOR) != ERROR;
}

// A rectangle given in the logical coordinates of hDC, in device ones.
CRect ToDevice(HDC hDC, LPCRECT lpRect) {
  POINT corners[2] = {{lpRect->left, lpRect->top}, {lpRect->right, lpRect->bottom}};
  ::LPtoDP(hDC, corners, 2);
  CRect rc(corners[0], corners[1]);
  rc.NormalizeRect();
  return rc;
}

// Inverts the pixels of hDC inside rgn (device coordinates) and inside the
// current clipping region with the brush's pattern: where the pattern is
// white the pixel is inverted, where it is black it is kept. A monochrome
// pattern's bits take the text and background colours, so they are set to
// black and white; the context is otherwise left as it was.
void InvertRgnWithBrush(HDC hDC, const CRgn& rgn, HBRUSH hBrush) {
  RECT box;
  const int nType = rgn.GetRgnBox(&box);
  if (nType == NULLREGION || nType == ERROR) return;
  const int nSaved = ::SaveDC(hDC);
  ::SetMapMode(hDC, MM_TEXT);
  ::SetWindowOrgEx(hDC, 0, 0, nullptr);
  ::SetViewportOrgEx(hDC, 0, 0, nullptr);
  ::SetTextColor(hDC, RGB(0, 0, 0));
  ::SetBkColor(hDC, RGB(255, 255, 255));
  ::ExtSelectClipRgn(hDC, rgn, RGN_AND);
  ::SelectObject(hDC, hBrush);
  ::PatBlt(hDC, box.left, box.top, box.right - box.left, box.bottom - box.top, PATINVERT);
  ::RestoreDC(hDC, nSaved);
}

}  // namespace

CBrush* CDC::GetHalftoneBrush() {
  static CBrush brush;
  if (brush.m_hObject == nullptr) {
    // Monochrome rows are padded to 16 bits; alternate rows start with a
    // set and a clear pixel: a one-pixel checkerboard.
    WORD rows[8];
    for (int i = 0; i < 8; ++i) rows[i] = (i & 1) != 0 ? 0xAAAA : 0x5555;
    CBitmap pattern;
    if (pattern.CreateBitmap(8, 8, 1, 1, rows)) brush.CreatePatternBrush(&pattern);
  }
  return brush.m_hObject != nullptr ? &brush : nullptr;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast,
                       CBrush* pBrush, CBrush* pBrushLast) {
  if (pBrush == nullptr) pBrush = GetHalftoneBrush();
  if (pBrushLast == nullptr) pBrushLast = pBrush;
  if (pBrush == nullptr || lpRect == nullptr) return;

  CRgn rgnNew;
  if (!MakeFrameRgn(rgnNew, ToDevice(m_hAttribDC, lpRect), size)) return;
  if (lpRectLast == nullptr) {
    InvertRgnWithBrush(m_hDC, rgnNew, *pBrush);
    return;
  }
  CRgn rgnLast;
  if (!MakeFrameRgn(rgnLast, ToDevice(m_hAttribDC, lpRectLast), sizeLast)) return;
  if (pBrushLast->m_hObject == pBrush->m_hObject) {
    // Inverting twice is no change: invert only where the frames differ.
    CRgn rgnChange;
    if (!rgnChange.CreateRectRgn(0, 0, 0, 0)) return;
    rgnChange.CombineRgn(&rgnNew, &rgnLast, RGN_XOR);
    InvertRgnWithBrush(m_hDC, rgnChange, *pBrush);
  } else {
    InvertRgnWithBrush(m_hDC, rgnLast, *pBrushLast);
    InvertRgnWithBrush(m_hDC, rgnNew, *pBrush);
  }
}
