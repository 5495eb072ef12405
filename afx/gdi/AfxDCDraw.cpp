// CDC's drawing: colours and modes, lines and shapes, filling and frames,
// blits, text and DrawState, each on the output handle.
#include "afx/gdi/AfxDC.h"

// ---- colours and modes -----------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF crColor) {
  COLORREF crOld = CLR_INVALID;
  ForBothHandles([&](HDC h) { crOld = ::SetTextColor(h, crColor); });
  return crOld;
}

COLORREF CDC::SetBkColor(COLORREF crColor) {
  COLORREF crOld = CLR_INVALID;
  ForBothHandles([&](HDC h) { crOld = ::SetBkColor(h, crColor); });
  return crOld;
}

int CDC::SetBkMode(int nBkMode) {
  int nOld = 0;
  ForBothHandles([&](HDC h) { nOld = ::SetBkMode(h, nBkMode); });
  return nOld;
}

int CDC::SetROP2(int nDrawMode) {
  int nOld = 0;
  ForBothHandles([&](HDC h) { nOld = ::SetROP2(h, nDrawMode); });
  return nOld;
}

int CDC::SetPolyFillMode(int nPolyFillMode) {
  int nOld = 0;
  ForBothHandles([&](HDC h) { nOld = ::SetPolyFillMode(h, nPolyFillMode); });
  return nOld;
}

UINT CDC::SetTextAlign(UINT nFlags) {
  UINT nOld = 0;
  ForBothHandles([&](HDC h) { nOld = ::SetTextAlign(h, nFlags); });
  return nOld;
}

// ---- lines and shapes ------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
  POINT old = {0, 0};
  ForBothHandles([&](HDC h) { ::MoveToEx(h, x, y, &old); });
  return old;
}

BOOL CDC::LineTo(int x, int y) {
  // The attribute handle keeps the current position for queries.
  if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC) ::MoveToEx(m_hAttribDC, x, y, nullptr);
  return ::LineTo(m_hDC, x, y);
}

CPoint CDC::GetCurrentPosition() const {
  POINT pt = {0, 0};
  ::GetCurrentPositionEx(m_hAttribDC, &pt);
  return pt;
}

BOOL CDC::PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount) {
  if (nCount <= 0) return FALSE;
  return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, static_cast<DWORD>(nCount));
}

BOOL CDC::Rectangle(LPCRECT lpRect) {
  return ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

// ---- filling and frames ----------------------------------------------------

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  // An opaque text output of no characters fills the rectangle with the
  // background colour, without a brush.
  const COLORREF crOld = ::SetBkColor(m_hDC, clr);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
  ::SetBkColor(m_hDC, crOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  const CRect rc(x, y, x + cx, y + cy);
  FillSolidRect(&rc, clr);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  if (pBrush != nullptr) ::FillRect(m_hDC, lpRect, *pBrush);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
  if (pBrush != nullptr) ::FrameRect(m_hDC, lpRect, *pBrush);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
             lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft,
                     COLORREF clrBottomRight) {
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
  FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
  FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight);
}

// ---- blits -----------------------------------------------------------------

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop) {
  return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr,
                  xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop) {
  return ::StretchBlt(m_hDC, x, y, nWidth, nHeight,
                      pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                      nSrcHeight, dwRop);
}

// ---- text ------------------------------------------------------------------

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
  SIZE size = {0, 0};
  ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
  return size;
}

// ---- DrawState -------------------------------------------------------------

BOOL CDC::DrawStateRaw(CPoint pt, CSize size, LPARAM lData, WPARAM wData, UINT nFlags,
                       HBRUSH hBrush) {
  return ::DrawStateA(m_hDC, hBrush, nullptr, lData, wData, pt.x, pt.y, size.cx, size.cy,
                      nFlags);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush) {
  return DrawStateRaw(pt, size, reinterpret_cast<LPARAM>(hIcon), 0, nFlags | DST_ICON, hBrush);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush) {
  return DrawState(pt, size, hIcon, nFlags, pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush) {
  return DrawStateRaw(pt, size, reinterpret_cast<LPARAM>(hBitmap), 0, nFlags | DST_BITMAP,
                      hBrush);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush) {
  if (pBitmap == nullptr) return FALSE;
  return DrawState(pt, size, static_cast<HBITMAP>(*pBitmap), nFlags,
                   pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, HBRUSH hBrush) {
  const UINT nKind = bPrefixText ? DST_PREFIXTEXT : DST_TEXT;
  return DrawStateRaw(pt, size, reinterpret_cast<LPARAM>(lpszText),
                      static_cast<WPARAM>(nTextLen), nFlags | nKind, hBrush);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCSTR lpszText, UINT nFlags, BOOL bPrefixText,
                    int nTextLen, CBrush* pBrush) {
  return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen,
                   pBrush != nullptr ? static_cast<HBRUSH>(*pBrush) : nullptr);
}
