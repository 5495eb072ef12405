#include "afx/gdi/AfxGdi.h"

#include "afx/app/AfxApp.h"
#include "afx/base/AfxException.h"
#include "afx/gdi/AfxGdiHandleMap.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNCREATE(CPen, CGdiObject)
IMPLEMENT_DYNCREATE(CBrush, CGdiObject)
IMPLEMENT_DYNCREATE(CFont, CGdiObject)
IMPLEMENT_DYNCREATE(CBitmap, CGdiObject)
IMPLEMENT_DYNCREATE(CRgn, CGdiObject)
IMPLEMENT_DYNCREATE(CPalette, CGdiObject)

namespace {

// Never destroyed: permanent wrappers that are static objects (in the
// library or in a host) may unregister after every other static is gone.
CGdiHandleMap<HGDIOBJ, CGdiObject>& Map() {
  static auto* map = new CGdiHandleMap<HGDIOBJ, CGdiObject>;
  return *map;
}

// The wrapper class for a handle of the given kind.
CRuntimeClass* ClassOfObjectType(DWORD type) {
  switch (type) {
    case OBJ_PEN:
    case OBJ_EXTPEN: return RUNTIME_CLASS(CPen);
    case OBJ_BRUSH: return RUNTIME_CLASS(CBrush);
    case OBJ_FONT: return RUNTIME_CLASS(CFont);
    case OBJ_BITMAP: return RUNTIME_CLASS(CBitmap);
    case OBJ_REGION: return RUNTIME_CLASS(CRgn);
    case OBJ_PAL: return RUNTIME_CLASS(CPalette);
    default: return RUNTIME_CLASS(CGdiObject);
  }
}

}  // namespace

// ---- CGdiObject ------------------------------------------------------------

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
  if (hObject == nullptr) return FALSE;
  if (m_hObject != nullptr) DeleteObject();
  m_hObject = hObject;
  Map().SetPermanent(hObject, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ hObject = m_hObject;
  // A temporary wrapper is not in the map: leave a permanent one alone.
  if (hObject != nullptr && Map().LookupPermanent(hObject) == this) Map().RemovePermanent(hObject);
  m_hObject = nullptr;
  return hObject;
}

BOOL CGdiObject::DeleteObject() {
  if (m_hObject == nullptr) return FALSE;
  return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(::GetStockObject(nIndex)); }

BOOL CGdiObject::UnrealizeObject() { return ::UnrealizeObject(m_hObject); }

int CGdiObject::GetObject(int nCount, void* lpObject) const {
  return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const { return ::GetObjectType(m_hObject); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject) {
  if (hObject == nullptr) return nullptr;
  return FromHandleOf(hObject, ClassOfObjectType(::GetObjectType(hObject)));
}

CGdiObject* CGdiObject::FromHandleOf(HGDIOBJ hObject, CRuntimeClass* pClass) {
  if (hObject == nullptr) return nullptr;
  CGdiHandleMap<HGDIOBJ, CGdiObject>& map = Map();
  CGdiObject* pObject = map.LookupPermanent(hObject);
  if (pObject != nullptr && pObject->IsKindOf(pClass)) return pObject;
  pObject = map.LookupTemp(hObject);
  if (pObject != nullptr && pObject->IsKindOf(pClass)) return pObject;
  // None yet, or one of another class (the handle value was reused for an
  // object of another kind): make a fresh temporary wrapper.
  map.RemoveTemp(hObject);
  pObject = static_cast<CGdiObject*>(pClass->CreateObject());
  pObject->m_hObject = hObject;
  map.SetTemp(hObject, pObject);
  return pObject;
}

void CGdiObject::DeleteTempMap() { Map().DeleteTemp(); }

int CGdiObject::GetWrapperCount(bool bTemporary) { return Map().Count(bTemporary); }

// ---- CPen ------------------------------------------------------------------

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) {
  if (!CreatePen(nPenStyle, nWidth, crColor)) AfxThrowResourceException();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lpLogPen) {
  return Attach(::CreatePenIndirect(lpLogPen));
}

CPen* CPen::FromHandle(HPEN hPen) {
  return static_cast<CPen*>(FromHandleOf(hPen, RUNTIME_CLASS(CPen)));
}

// ---- CBrush ----------------------------------------------------------------

CBrush::CBrush(COLORREF crColor) {
  if (!CreateSolidBrush(crColor)) AfxThrowResourceException();
}

CBrush::CBrush(int nIndex, COLORREF crColor) {
  if (!CreateHatchBrush(nIndex, crColor)) AfxThrowResourceException();
}

CBrush::CBrush(CBitmap* pBitmap) {
  if (!CreatePatternBrush(pBitmap)) AfxThrowResourceException();
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
  return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap) {
  if (pBitmap == nullptr) return FALSE;
  return Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush) {
  return Attach(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreateSysColorBrush(int nIndex) { return Attach(::GetSysColorBrush(nIndex)); }

CBrush* CBrush::FromHandle(HBRUSH hBrush) {
  return static_cast<CBrush*>(FromHandleOf(hBrush, RUNTIME_CLASS(CBrush)));
}

// ---- CFont -----------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) {
  return Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCSTR lpszFacename) {
  return Attach(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                              bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                              nQuality, nPitchAndFamily, lpszFacename));
}

CFont* CFont::FromHandle(HFONT hFont) {
  return static_cast<CFont*>(FromHandleOf(hFont, RUNTIME_CLASS(CFont)));
}

// ---- CBitmap ---------------------------------------------------------------

BOOL CBitmap::LoadBitmap(LPCSTR lpszResourceName) {
  const HINSTANCE hInstance = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
  return Attach(::LoadBitmapA(hInstance, lpszResourceName));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap) {
  return Attach(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* lpBits) {
  return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* lpBitmap) {
  return Attach(::CreateBitmapIndirect(lpBitmap));
}

CSize CBitmap::GetBitmapDimension() const {
  SIZE size = {0, 0};
  ::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
  return size;
}

CBitmap* CBitmap::FromHandle(HBITMAP hBitmap) {
  return static_cast<CBitmap*>(FromHandleOf(hBitmap, RUNTIME_CLASS(CBitmap)));
}

// ---- CRgn ------------------------------------------------------------------

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
  return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(const RECT* lpRect) {
  return Attach(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
  return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
  return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount,
                                int nMode) {
  return Attach(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nMode));
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
  return ::CombineRgn(*this, pRgn1 != nullptr ? static_cast<HRGN>(*pRgn1) : nullptr,
                      pRgn2 != nullptr ? static_cast<HRGN>(*pRgn2) : nullptr, nCombineMode);
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) { ::SetRectRgn(*this, x1, y1, x2, y2); }

BOOL CRgn::EqualRgn(const CRgn* pRgn) const { return ::EqualRgn(*this, *pRgn); }

int CRgn::OffsetRgn(int x, int y) { return ::OffsetRgn(*this, x, y); }

int CRgn::GetRgnBox(LPRECT lpRect) const { return ::GetRgnBox(*this, lpRect); }

BOOL CRgn::PtInRegion(int x, int y) const { return ::PtInRegion(*this, x, y); }

BOOL CRgn::RectInRegion(const RECT* lpRect) const { return ::RectInRegion(*this, lpRect); }

CRgn* CRgn::FromHandle(HRGN hRgn) {
  return static_cast<CRgn*>(FromHandleOf(hRgn, RUNTIME_CLASS(CRgn)));
}

// ---- CPalette --------------------------------------------------------------

BOOL CPalette::CreatePalette(const LOGPALETTE* lpLogPalette) {
  return Attach(::CreatePalette(lpLogPalette));
}

int CPalette::GetEntryCount() const {
  WORD nEntries = 0;
  GetObject(sizeof nEntries, &nEntries);
  return nEntries;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries,
                                 LPPALETTEENTRY lpPaletteColors) const {
  return ::GetPaletteEntries(*this, nStartIndex, nNumEntries, lpPaletteColors);
}

CPalette* CPalette::FromHandle(HPALETTE hPalette) {
  return static_cast<CPalette*>(FromHandleOf(hPalette, RUNTIME_CLASS(CPalette)));
}
