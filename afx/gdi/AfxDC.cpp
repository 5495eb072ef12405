#include "afx/gdi/AfxDC.h"

#include "afx/gdi/AfxGdiHandleMap.h"

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

int CDC::GetWrapperCount(bool bTemporary) { return Map().Count(bTemporary); }

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
