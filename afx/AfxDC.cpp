#include "afx/AfxDC.h"

#include "afx/AfxGdiHandleMap.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {

// Never destroyed, for the same reason as the drawing objects' map.
CGdiHandleMap<HDC, CDC>& Map() {
  static auto* map = new CGdiHandleMap<HDC, CDC>;
  return *map;
}

}  // namespace

// ---- handles ---------------------------------------------------------------

CDC::~CDC() {
  if (m_hDC != nullptr) ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC hDC) {
  if (hDC == nullptr) return FALSE;
  if (m_hDC != nullptr) DeleteDC();
  m_hDC = m_hAttribDC = hDC;
  Map().SetPermanent(hDC, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC hDC = m_hDC;
  // A temporary wrapper is not in the map: leave a permanent one alone.
  if (hDC != nullptr && Map().LookupPermanent(hDC) == this) Map().RemovePermanent(hDC);
  m_hDC = m_hAttribDC = nullptr;
  return hDC;
}

int CDC::StartDoc(LPCSTR lpszDocName) {
  DOCINFOA docInfo = {};
  docInfo.cbSize = sizeof(docInfo);
  docInfo.lpszDocName = lpszDocName;
  return StartDoc(&docInfo);
}

CDC* CDC::FromHandle(HDC hDC) {
  if (hDC == nullptr) return nullptr;
  CGdiHandleMap<HDC, CDC>& map = Map();
  if (CDC* pDC = map.LookupPermanent(hDC)) return pDC;
  if (CDC* pDC = map.LookupTemp(hDC)) return pDC;
  CDC* pDC = new CDC;
  pDC->m_hDC = pDC->m_hAttribDC = hDC;
  map.SetTemp(hDC, pDC);
  return pDC;
}

void CDC::DeleteTempMap() { Map().DeleteTemp(); }

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const DEVMODEA* lpInitData) {
  return Attach(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
  return Attach(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
  if (m_hDC == nullptr) return FALSE;
  return ::DeleteDC(Detach());
}

int CDC::SaveDC() {
  int nSaved = 0;
  ForBothHandles([&](HDC h) { nSaved = ::SaveDC(h); });
  return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC) {
  BOOL bOk = TRUE;
  ForBothHandles([&](HDC h) { bOk = ::RestoreDC(h, nSavedDC) && bOk; });
  return bOk;
}

// ---- mapping ---------------------------------------------------------------
// Each setter changes the output handle and then the attribute handle, and
// returns the attribute handle's previous value.

int CDC::SetMapMode(int nMapMode) {
  int nOld = 0;
  ForBothHandles([&](HDC h) { nOld = ::SetMapMode(h, nMapMode); });
  return nOld;
}

CPoint CDC::SetWindowOrg(int x, int y) {
  POINT old = {0, 0};
  ForBothHandles([&](HDC h) { ::SetWindowOrgEx(h, x, y, &old); });
  return old;
}

CPoint CDC::GetWindowOrg() const {
  POINT pt = {0, 0};
  ::GetWindowOrgEx(m_hAttribDC, &pt);
  return pt;
}

CSize CDC::SetWindowExt(int cx, int cy) {
  SIZE old = {0, 0};
  ForBothHandles([&](HDC h) { ::SetWindowExtEx(h, cx, cy, &old); });
  return old;
}

CSize CDC::GetWindowExt() const {
  SIZE size = {0, 0};
  ::GetWindowExtEx(m_hAttribDC, &size);
  return size;
}

CPoint CDC::SetViewportOrg(int x, int y) {
  POINT old = {0, 0};
  ForBothHandles([&](HDC h) { ::SetViewportOrgEx(h, x, y, &old); });
  return old;
}

CPoint CDC::GetViewportOrg() const {
  POINT pt = {0, 0};
  ::GetViewportOrgEx(m_hAttribDC, &pt);
  return pt;
}

CSize CDC::SetViewportExt(int cx, int cy) {
  SIZE old = {0, 0};
  ForBothHandles([&](HDC h) { ::SetViewportExtEx(h, cx, cy, &old); });
  return old;
}

CSize CDC::GetViewportExt() const {
  SIZE size = {0, 0};
  ::GetViewportExtEx(m_hAttribDC, &size);
  return size;
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
  POINT old = {0, 0};
  ForBothHandles([&](HDC h) { ::OffsetViewportOrgEx(h, nWidth, nHeight, &old); });
  return old;
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
  POINT old = {0, 0};
  ForBothHandles([&](HDC h) { ::OffsetWindowOrgEx(h, nWidth, nHeight, &old); });
  return old;
}

// ---- clipping --------------------------------------------------------------

int CDC::SelectClipRgn(CRgn* pRgn) {
  int nResult = ERROR;
  HRGN hRgn = pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr;
  ForBothHandles([&](HDC h) { nResult = ::SelectClipRgn(h, hRgn); });
  return nResult;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode) {
  int nResult = ERROR;
  HRGN hRgn = pRgn != nullptr ? static_cast<HRGN>(*pRgn) : nullptr;
  ForBothHandles([&](HDC h) { nResult = ::ExtSelectClipRgn(h, hRgn, nMode); });
  return nResult;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
  int nResult = ERROR;
  ForBothHandles([&](HDC h) { nResult = ::IntersectClipRect(h, x1, y1, x2, y2); });
  return nResult;
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
  return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2) {
  int nResult = ERROR;
  ForBothHandles([&](HDC h) { nResult = ::ExcludeClipRect(h, x1, y1, x2, y2); });
  return nResult;
}

int CDC::ExcludeClipRect(LPCRECT lpRect) {
  return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

// ---- brush origin ----------------------------------------------------------

CPoint CDC::SetBrushOrg(int x, int y) {
  POINT old = {0, 0};
  ::SetBrushOrgEx(m_hDC, x, y, &old);
  return old;
}

CPoint CDC::GetBrushOrg() const {
  POINT pt = {0, 0};
  ::GetBrushOrgEx(m_hDC, &pt);
  return pt;
}

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
  ::SetBkColor(m_hDC, clr);
  ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
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
