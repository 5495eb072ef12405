#include "view/ViewW.h"

#include "draw/WorldMapping.h"
#include "frame/WorldGeometry.h"

namespace {

// The prepared context maps logical to device coordinates with equal
// extents in size, so every axis keeps its own scale. The isotropic mode
// promises the same, but it adjusts the viewport extent to the device's
// aspect (its millimetres, not its pixels): where those are not
// proportional (Wine's screen, printers with unequal resolutions) it moves
// the window's corners off the view's by a pixel or more. The anisotropic
// mode with the same origins and extents maps identically wherever the
// isotropic one leaves the extents alone, and exactly everywhere else.
constexpr int kViewMapMode = MM_ANISOTROPIC;

bool SameSize(const tagSIZE& a, const tagSIZE& b) { return a.cx == b.cx && a.cy == b.cy; }

}  // namespace

IMPLEMENT_DYNAMIC(CViewW, CView)

BEGIN_MESSAGE_MAP(CViewW, CView)
  ON_WM_SIZE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_MOUSEWHEEL()
  ON_WM_MOUSEHWHEEL()
  ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

const tagSIZE CViewW::sizeDefault = {0, 0};

CViewW::CViewW() {
  SetRectW(&m_rcWindow, 0, 0, 10000, 10000);
  m_rcWindowMax = m_rcWindow;
  m_rcView = tagRECT{0, 0, 10, 10};
  m_rcViewPrev = m_rcView;  // so that keeping the scale before any resize keeps it
  m_rcClient = m_rcView;
  m_rcViewBorder = tagRECT{0, 0, 0, 0};
}

CViewW::~CViewW() { m_aZoomStack.RemoveAll(); }

// ---- view ------------------------------------------------------------------

void CViewW::SetView(const tagRECT& rcClient) {
  m_rcClient = rcClient;
  m_rcView = ViewFromClient(m_rcClient, m_rcViewBorder);
}

void CViewW::GetView(tagRECT* pRect) { *pRect = m_rcView; }

tagSIZE CViewW::GetViewSize() { return DeviceSize(m_rcView); }

void CViewW::SetViewBorder(const tagRECT& rcBorder) {
  m_rcViewBorder = rcBorder;
  SetView(m_rcClient);
}

void CViewW::GetViewBorder(tagRECT* pRect) { *pRect = m_rcViewBorder; }

// ---- window ----------------------------------------------------------------

void CViewW::SetWindow(const tagRECT& rcWindow, bool bRedraw, const tagSIZE& sizePage,
                       const tagSIZE& sizeLine) {
  tagRECT rc;
  CopyRectW(&rc, &rcWindow);
  CheckRange(rc);
  m_rcWindow = rc;
  if (m_bPrinting) return;

  SetScrollSizes(sizePage, sizeLine);
  UpdateBars();
  if (bRedraw && m_hWnd != nullptr) {  // a null handle would repaint every window
    m_ptBrushOrg = tagPOINT{0, 0};
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
  }
}

void CViewW::GetWindow(tagRECT* pRect) { *pRect = m_rcWindow; }

tagSIZE CViewW::GetWindowSize() { return tagSIZE{WorldWidth(m_rcWindow), WorldHeight(m_rcWindow)}; }

void CViewW::SetWindowMax(const tagRECT& rcMax, bool bUpdateBars) {
  CopyRectW(&m_rcWindowMax, &rcMax);
  if (bUpdateBars) UpdateBars();
}

void CViewW::GetWindowMax(tagRECT* pRect) { *pRect = m_rcWindowMax; }

tagSIZE CViewW::GetWindowMaxSize() {
  return tagSIZE{WorldWidth(m_rcWindowMax), WorldHeight(m_rcWindowMax)};
}

bool CViewW::CheckRange(tagRECT& rc) { return ShiftIntoRange(rc, m_rcWindowMax); }

void CViewW::SetWindowSizeMin(const tagSIZE& size) { m_sizeWindowMin = size; }

void CViewW::GetWindowSizeMin(tagSIZE* pSize) { *pSize = m_sizeWindowMin; }

// ---- scale and fitting -------------------------------------------------------

void CViewW::SetScaleMode(unsigned int nMode) {
  if (nMode == m_nScaleMode) return;
  const unsigned int nOld = m_nScaleMode;
  m_nScaleMode = nMode;
  if (((nOld ^ nMode) & SCALE_FIT_MASK) != 0) SetWindowToFit(nMode & SCALE_FIT_MASK);
}

void CViewW::AdjustRectToFit(tagRECT* pRect, unsigned int nFit, bool bKeepOrigin) {
  FitRectToView(*pRect, nFit, bKeepOrigin, GetViewSize(), m_sizeWindowMin);
}

// Showing or hiding a scroll bar inside SetWindow resizes the view (the
// resize handler runs at once, nested); the fit is then repeated for the
// new view size until it holds still, a bounded number of times.
void CViewW::SetWindowToFit(unsigned int nFit) {
  nFit &= SCALE_FIT_MASK;
  for (int pass = 0; pass < kMaxFitPasses; ++pass) {
    tagRECT rc;
    CopyRectW(&rc, &m_rcWindowMax);
    if (nFit != SCALE_FIT_NONE) AdjustRectToFit(&rc, nFit, true);
    const tagSIZE before = GetViewSize();
    SetWindow(rc, true, sizeDefault, sizeDefault);
    if (SameSize(before, GetViewSize())) return;
  }
}

// As SetWindowToFit; each pass refits the rectangle the previous pass left.
void CViewW::SetScaleToWindow(tagRECT* pRect, bool bKeepOrigin) {
  tagRECT rc;
  CopyRectW(&rc, pRect);
  for (int pass = 0; pass < kMaxFitPasses; ++pass) {
    AdjustRectToFit(&rc, SCALE_FIT_BOTH, bKeepOrigin);
    const tagSIZE before = GetViewSize();
    SetWindow(rc, true, sizeDefault, sizeDefault);
    if (SameSize(before, GetViewSize())) return;
  }
}

void CViewW::SetWindowToScale() {
  const tagRECT rc = WindowKeepingScale(m_rcWindow, GetViewSize(), DeviceSize(m_rcViewPrev));
  SetWindow(rc, true, sizeDefault, sizeDefault);
}

bool CViewW::IsZoomed() { return m_aZoomStack.GetSize() > 0; }

// ---- scroll bars ---------------------------------------------------------------

void CViewW::SetScrollSizes(const tagSIZE& sizePage, const tagSIZE& sizeLine) {
  const ScrollSizes s = ComputeScrollSizes(sizePage, sizeLine, GetWindowSize(), GetViewSize());
  m_sizePage = s.page;
  m_sizeLine = s.line;
  m_sizePageDev = s.pageDev;
  m_sizeLineDev = s.lineDev;
}

// Showing or hiding a bar changes the client area: the resize handler runs
// inside ApplyBar and may set the window again, whose own bar update then
// returns at once (m_bUpdatingBars); the vertical values are taken after
// the horizontal bar is done, from the window as it then is.
void CViewW::UpdateBars() {
  if (m_bPrinting || m_bUpdatingBars) return;
  m_bUpdatingBars = true;
  if (m_bHorzBar) ApplyBar(SB_HORZ, HorzBarValues(m_rcWindow, m_rcWindowMax));
  if (m_bVertBar) ApplyBar(SB_VERT, VertBarValues(m_rcWindow, m_rcWindowMax));
  m_bUpdatingBars = false;
}

void CViewW::ApplyBar(int nBar, const BarValues& values) {
  if (!values.bShow) {
    EnableScrollBarCtrl(nBar, FALSE);  // its values are left as they were
    return;
  }
  EnableScrollBarCtrl(nBar, TRUE);
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = values.nMin;
  info.nMax = values.nMax;
  info.nPage = static_cast<UINT>(values.nPage);
  info.nPos = values.nPos;
  SetScrollInfo(nBar, &info, TRUE);
}

void CViewW::SetScrollPosW(int nBar, LONG nPos, bool bRedraw) {
  if (m_bPrinting || m_bUpdatingBars) return;
  m_bUpdatingBars = true;
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  if (nBar == SB_HORZ && m_bHorzBar) {
    info.nPos = ScrollUnits(nPos);
    SetScrollInfo(SB_HORZ, &info, bRedraw);
  } else if (nBar == SB_VERT && m_bVertBar) {
    info.nPos = -ScrollUnits(nPos);
    SetScrollInfo(SB_VERT, &info, bRedraw);
  }
  m_bUpdatingBars = false;
}

// ---- device contexts and printing ----------------------------------------------

void CViewW::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
  if (pInfo == nullptr || !pInfo->m_bPreview) {
    // One pixel more to the right and downwards: the window's right and
    // bottom edges land on the view's right and bottom pixels.
    CRect rcClip(m_rcView);
    rcClip.right = AfxWrapAdd(rcClip.right, 1);
    rcClip.bottom = AfxWrapAdd(rcClip.bottom, 1);
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&rcClip);
    pDC->SelectClipRgn(&rgn, RGN_AND);
  }
  SetDCViewAndWindow(pDC);
  pDC->SetBrushOrg(m_ptBrushOrg);
  CView::OnPrepareDC(pDC, pInfo);
}

void CViewW::SetDCViewAndWindow(CDC* pDC) {
  const ViewMapping m = MappingForView(m_rcView, m_rcWindow);
  pDC->SetMapMode(kViewMapMode);
  pDC->SetWindowOrg(m.windowOrg.x, m.windowOrg.y);
  pDC->SetWindowExt(m.windowExt.cx, m.windowExt.cy);
  pDC->SetViewportOrg(m.viewportOrg.x, m.viewportOrg.y);
  pDC->SetViewportExt(m.viewportExt.cx, m.viewportExt.cy);
  SetWorldOrg(pDC, m.worldOrg.x, m.worldOrg.y);
  SetWorldExt(pDC, m.worldExt.x, m.worldExt.y);
}

void CViewW::SaveViewAndWindow() {
  m_rcViewSave = m_rcView;
  m_rcViewPrevSave = m_rcViewPrev;
  m_rcViewBorderSave = m_rcViewBorder;
  m_rcClientSave = m_rcClient;
  m_rcWindowSave = m_rcWindow;
  m_rcWindowMaxSave = m_rcWindowMax;
}

void CViewW::RestoreViewAndWindow() {
  m_rcView = m_rcViewSave;
  m_rcViewPrev = m_rcViewPrevSave;
  m_rcViewBorder = m_rcViewBorderSave;
  m_rcClient = m_rcClientSave;
  m_rcWindow = m_rcWindowSave;
  m_rcWindowMax = m_rcWindowMaxSave;
}

int CViewW::GetDocumentPages(CDC* pDC, tagRECT& rcDoc, tagRECT* pPage) {
  return DocumentPageCount(rcDoc, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES),
                           pPage);
}

void CViewW::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
  m_bPrinting = true;
  SaveViewAndWindow();
  CView::OnBeginPrinting(pDC, pInfo);
}

void CViewW::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {
  m_bPrinting = false;
  RestoreViewAndWindow();
  CView::OnEndPrinting(pDC, pInfo);
}

BOOL CViewW::PreCreateWindow(CREATESTRUCTA& cs) {
  if ((cs.style & WS_VSCROLL) != 0) m_bVertBar = true;
  if ((cs.style & WS_HSCROLL) != 0) m_bHorzBar = true;
  return CView::PreCreateWindow(cs);
}

// ---- resize ----------------------------------------------------------------------

// Also runs nested inside UpdateBars, when a bar shown or hidden changes
// the client area; the bar guard keeps the nested SetWindow off the bars.
void CViewW::OnSize(UINT nType, int cx, int cy) {
  CView::OnSize(nType, cx, cy);
  const tagRECT rcClient{0, 0, cx, cy};
  const tagSIZE view = DeviceSize(ViewFromClient(rcClient, m_rcViewBorder));
  if (view.cx <= 0 || view.cy <= 0) return;  // nothing left inside the border

  m_rcViewPrev = m_rcView;
  SetView(rcClient);
  switch (ChooseResizeAction(IsZoomed(), m_nScaleMode)) {
    case ResizeAction::KeepScale:
      SetWindowToScale();
      break;
    case ResizeAction::RefitWindow: {
      tagRECT rc = m_rcWindow;
      SetScaleToWindow(&rc, true);
      break;
    }
    case ResizeAction::FitMaxWindow:
      SetWindowToFit(m_nScaleMode & SCALE_FIT_MASK);
      break;
    case ResizeAction::None:
      break;
  }
}
