#include "afx/gdi/AfxPreviewDC.h"

#include <limits>

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

namespace {

bool FitsInt(int64_t v) {
  return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

// A window and viewport extent pair mapping like (windowExt, viewportExt)
// scaled by num / den: exactly, by widening the window extent, where the
// products fit; else by rounding the viewport extent (never to 0).
void ScaledExtents(int windowExt, int viewportExt, int num, int den, int* pWindow, int* pViewport) {
  const int64_t w = int64_t{windowExt} * den, v = int64_t{viewportExt} * num;
  if (FitsInt(w) && FitsInt(v)) {
    *pWindow = static_cast<int>(w);
    *pViewport = static_cast<int>(v);
    return;
  }
  *pWindow = windowExt;
  *pViewport = MulDiv(viewportExt, num, den);
  if (*pViewport == 0) *pViewport = viewportExt < 0 ? -1 : 1;
}

}  // namespace

CPreviewDC::CPreviewDC() { m_bPrinting = TRUE; }

CPreviewDC::~CPreviewDC() {
  // The base would delete the output handle.
  m_hDC = nullptr;
  m_hAttribDC = nullptr;
}

void CPreviewDC::SetPrinter(CDC* pPrinter) {
  m_pPrinter = pPrinter;
  m_hAttribDC = pPrinter != nullptr ? pPrinter->m_hAttribDC : nullptr;
}

void CPreviewDC::SetOutput(HDC hOutput, POINT ptOrigin, const PreviewScale& scale) {
  m_hDC = hOutput;
  m_ptOrigin = ptOrigin;
  m_scale = scale;
  m_saved.clear();
  if (m_hDC != nullptr && m_hAttribDC != nullptr) MirrorMapping();
}

void CPreviewDC::ReleaseOutputDC() {
  m_hDC = nullptr;
  m_saved.clear();
}

CPoint CPreviewDC::PrinterToOutput(POINT pt) const {
  return CPoint(m_ptOrigin.x + m_scale.ToScreenX(pt.x), m_ptOrigin.y + m_scale.ToScreenY(pt.y));
}

int CPreviewDC::GetDeviceCaps(int nIndex) const {
  return m_pPrinter != nullptr ? m_pPrinter->GetDeviceCaps(nIndex) : CDC::GetDeviceCaps(nIndex);
}

void CPreviewDC::MirrorMapping() {
  POINT windowOrg = {0, 0}, viewportOrg = {0, 0};
  SIZE windowExt = {1, 1}, viewportExt = {1, 1};
  ::GetWindowOrgEx(m_hAttribDC, &windowOrg);
  ::GetWindowExtEx(m_hAttribDC, &windowExt);
  ::GetViewportOrgEx(m_hAttribDC, &viewportOrg);
  ::GetViewportExtEx(m_hAttribDC, &viewportExt);
  int windowX = 1, windowY = 1, viewportX = 1, viewportY = 1;
  ScaledExtents(windowExt.cx, viewportExt.cx, m_scale.numX, m_scale.denX, &windowX, &viewportX);
  ScaledExtents(windowExt.cy, viewportExt.cy, m_scale.numY, m_scale.denY, &windowY, &viewportY);
  // Anisotropic whatever the printer's mode: fixed modes and the isotropic
  // one have already made their extents what they are on the printer.
  ::SetMapMode(m_hDC, MM_ANISOTROPIC);
  ::SetWindowExtEx(m_hDC, windowX, windowY, nullptr);
  ::SetViewportExtEx(m_hDC, viewportX, viewportY, nullptr);
  ::SetWindowOrgEx(m_hDC, windowOrg.x, windowOrg.y, nullptr);
  const CPoint origin = PrinterToOutput(viewportOrg);
  ::SetViewportOrgEx(m_hDC, origin.x, origin.y, nullptr);
}

int CPreviewDC::SaveDC() {
  const int nAttrib = ::SaveDC(m_hAttribDC);
  const int nOutput = m_hDC != nullptr ? ::SaveDC(m_hDC) : 0;
  if (nAttrib != 0) m_saved.emplace_back(nAttrib, nOutput);
  return nAttrib;
}

BOOL CPreviewDC::RestoreDC(int nSavedDC) {
  // Each handle goes back to its own level of the same save.
  size_t nAt = m_saved.size();
  if (nSavedDC < 0) {
    const size_t nBack = static_cast<size_t>(-static_cast<int64_t>(nSavedDC));
    if (nBack > m_saved.size()) return FALSE;
    nAt = m_saved.size() - nBack;
  } else {
    for (size_t i = 0; i < m_saved.size(); ++i) {
      if (m_saved[i].first == nSavedDC) nAt = i;
    }
  }
  if (nAt >= m_saved.size()) return FALSE;
  const std::pair<int, int> levels = m_saved[nAt];
  m_saved.resize(nAt);
  BOOL bOk = ::RestoreDC(m_hAttribDC, levels.first);
  if (m_hDC != nullptr && levels.second != 0) bOk = ::RestoreDC(m_hDC, levels.second) && bOk;
  return bOk;
}

// ---- mapping: set on the printer, then mirrored -----------------------------------

int CPreviewDC::SetMapMode(int nMapMode) {
  const int nOld = ::SetMapMode(m_hAttribDC, nMapMode);
  MirrorMapping();
  return nOld;
}

CPoint CPreviewDC::SetWindowOrg(int x, int y) {
  POINT old = {0, 0};
  ::SetWindowOrgEx(m_hAttribDC, x, y, &old);
  MirrorMapping();
  return old;
}

CSize CPreviewDC::SetWindowExt(int cx, int cy) {
  SIZE old = {0, 0};
  ::SetWindowExtEx(m_hAttribDC, cx, cy, &old);
  MirrorMapping();
  return old;
}

CPoint CPreviewDC::SetViewportOrg(int x, int y) {
  POINT old = {0, 0};
  ::SetViewportOrgEx(m_hAttribDC, x, y, &old);
  MirrorMapping();
  return old;
}

CSize CPreviewDC::SetViewportExt(int cx, int cy) {
  SIZE old = {0, 0};
  ::SetViewportExtEx(m_hAttribDC, cx, cy, &old);
  MirrorMapping();
  return old;
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight) {
  POINT old = {0, 0};
  ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &old);
  MirrorMapping();
  return old;
}

CPoint CPreviewDC::OffsetWindowOrg(int nWidth, int nHeight) {
  POINT old = {0, 0};
  ::OffsetWindowOrgEx(m_hAttribDC, nWidth, nHeight, &old);
  MirrorMapping();
  return old;
}

// ---- clipping ------------------------------------------------------------------------

HRGN CPreviewDC::OutputRegion(HRGN hPrinterRgn) const {
  const DWORD nBytes = ::GetRegionData(hPrinterRgn, 0, nullptr);
  if (nBytes == 0) return nullptr;
  std::vector<BYTE> data(nBytes);
  auto* pData = reinterpret_cast<RGNDATA*>(data.data());
  if (::GetRegionData(hPrinterRgn, nBytes, pData) == 0) return nullptr;
  XFORM xform = {};
  xform.eM11 = static_cast<FLOAT>(static_cast<double>(m_scale.numX) / m_scale.denX);
  xform.eM22 = static_cast<FLOAT>(static_cast<double>(m_scale.numY) / m_scale.denY);
  xform.eDx = static_cast<FLOAT>(m_ptOrigin.x);
  xform.eDy = static_cast<FLOAT>(m_ptOrigin.y);
  return ::ExtCreateRegion(&xform, nBytes, pData);
}

int CPreviewDC::SelectClipRgn(CRgn* pRgn) { return SelectClipRgn(pRgn, RGN_COPY); }

int CPreviewDC::SelectClipRgn(CRgn* pRgn, int nMode) {
  const HRGN hRgn = pRgn != nullptr ? static_cast<HRGN>(pRgn->m_hObject) : nullptr;
  ::ExtSelectClipRgn(m_hAttribDC, hRgn, nMode);
  if (m_hDC == nullptr) return ERROR;
  if (hRgn == nullptr) return ::ExtSelectClipRgn(m_hDC, nullptr, nMode);
  const HRGN hOutput = OutputRegion(hRgn);
  const int nResult = ::ExtSelectClipRgn(m_hDC, hOutput, nMode);
  if (hOutput != nullptr) ::DeleteObject(hOutput);
  return nResult;
}
