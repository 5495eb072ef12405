// CDC and the drawing objects: selecting them into a context, and the
// objects' members that are made for a context (a point font in its
// logical units, a compatible bitmap, a halftone palette).
#include "afx/gdi/AfxDC.h"

#include <cstdlib>

// ---- selection -------------------------------------------------------------

HGDIOBJ CDC::SelectHandle(HGDIOBJ hObject) {
  HGDIOBJ hOld = nullptr;
  ForBothHandles([&](HDC h) { hOld = ::SelectObject(h, hObject); });
  return hOld;
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return SelectHandle(hObject); }

CPen* CDC::SelectObject(CPen* pPen) {
  if (pPen == nullptr) return nullptr;
  return CPen::FromHandle(static_cast<HPEN>(SelectHandle(pPen->m_hObject)));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
  if (pBrush == nullptr) return nullptr;
  return CBrush::FromHandle(static_cast<HBRUSH>(SelectHandle(pBrush->m_hObject)));
}

CFont* CDC::SelectObject(CFont* pFont) {
  if (pFont == nullptr) return nullptr;
  return CFont::FromHandle(static_cast<HFONT>(SelectHandle(pFont->m_hObject)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  if (pBitmap == nullptr) return nullptr;
  return CBitmap::FromHandle(static_cast<HBITMAP>(SelectHandle(pBitmap->m_hObject)));
}

int CDC::SelectObject(CRgn* pRgn) { return SelectClipRgn(pRgn); }

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  if (pObject == nullptr) return nullptr;
  // A region is not selected but becomes the clipping region; what comes
  // back is its type, not a handle to wrap.
  if (pObject->GetObjectType() == OBJ_REGION) {
    HRGN hRgn = static_cast<HRGN>(pObject->m_hObject);
    ForBothHandles([&](HDC h) { ::SelectClipRgn(h, hRgn); });
    return nullptr;
  }
  return CGdiObject::FromHandle(SelectHandle(pObject->m_hObject));
}

CGdiObject* CDC::SelectStockObject(int nIndex) {
  HGDIOBJ hObject = ::GetStockObject(nIndex);
  if (hObject == nullptr) return nullptr;
  return CGdiObject::FromHandle(SelectHandle(hObject));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
  HPALETTE hPalette = pPalette != nullptr ? static_cast<HPALETTE>(*pPalette) : nullptr;
  if (hPalette == nullptr) return nullptr;
  HPALETTE hOld = nullptr;
  ForBothHandles([&](HDC h) { hOld = ::SelectPalette(h, hPalette, bForceBackground); });
  return CPalette::FromHandle(hOld);
}

CPen* CDC::GetCurrentPen() const {
  return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hAttribDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const {
  return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hAttribDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const {
  return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hAttribDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const {
  return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hAttribDC, OBJ_BITMAP)));
}

CPalette* CDC::GetCurrentPalette() const {
  return CPalette::FromHandle(static_cast<HPALETTE>(::GetCurrentObject(m_hAttribDC, OBJ_PAL)));
}

// ---- objects made for a context -------------------------------------------------

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC, int nDpiY) {
  LOGFONTA logFont = {};
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfHeight = nPointSize;
  if (lpszFaceName != nullptr) lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
  return CreatePointFontIndirect(&logFont, pDC, nDpiY);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC, int nDpiY) {
  const bool bOwnDC = pDC == nullptr || pDC->m_hAttribDC == nullptr;
  HDC hDC = bOwnDC ? ::GetDC(nullptr) : pDC->m_hAttribDC;
  // Tenths of a point to device pixels (720 tenths to the inch), at the
  // resolution the context answers with (a stand-in page answers as its
  // printer), then to the context's logical units as a distance: the
  // difference of two converted points, so that the window origin drops
  // out. The height is negative: the character height, not the cell
  // height, is meant.
  if (nDpiY == 0) {
    nDpiY = bOwnDC ? ::GetDeviceCaps(hDC, LOGPIXELSY) : pDC->GetDeviceCaps(LOGPIXELSY);
  }
  POINT pt = {0, ::MulDiv(nDpiY, lpLogFont->lfHeight, 720)};
  POINT ptOrg = {0, 0};
  ::DPtoLP(hDC, &pt, 1);
  ::DPtoLP(hDC, &ptOrg, 1);
  LOGFONTA logFont = *lpLogFont;
  logFont.lfHeight = -std::abs(pt.y - ptOrg.y);
  if (bOwnDC) ::ReleaseDC(nullptr, hDC);
  return CreateFontIndirect(&logFont);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight) {
  if (pDC == nullptr) return FALSE;
  return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
  if (pDC == nullptr) return FALSE;
  return Attach(::CreateHalftonePalette(pDC->m_hDC));
}
