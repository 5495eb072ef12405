#include "view/ViewW.h"
#include "view/ViewWInternal.h"

#include "afx/app/AfxDiag.h"
#include "draw/WorldMapping.h"
#include "frame/WorldGeometry.h"

using namespace varnel::view;

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

// A bar update goes round again while the window changes under it (a
// host's resize handling that sets a window); this many rounds at most.
constexpr int kMaxBarPasses = 3;
// Resizes handled inside the bar updates of resizes, at most: the kept
// scale and the refits only ever take bars away or only ever add them, so
// two or three suffice.
constexpr int kMaxResizeDepth = 4;

// Counts a fit loop under way for as long as it runs.
class FitScope {
 public:
  explicit FitScope(int& nFitting) : m_n(nFitting) { ++m_n; }
  ~FitScope() { --m_n; }
  FitScope(const FitScope&) = delete;
  FitScope& operator=(const FitScope&) = delete;

 private:
  int& m_n;
};

// Shows the windows `make` gives for the view's size until that size holds
// still (true), or until the bars are seen flipping back and forth
// (false). Through the view's SetWindow, so that an override takes part,
// with the default page and line sizes.
template <class Make>
bool ShowUntilStill(CViewW& view, Make make) {
  FitPasses passes;
  for (;;) {
    const tagSIZE before = view.GetViewSize();
    view.SetWindow(make(before), true, tagSIZE{0, 0}, tagSIZE{0, 0});
    const FitPasses::Next next = passes.After(before, view.GetViewSize());
    if (next != FitPasses::Next::Again) return next == FitPasses::Next::Done;
  }
}

}  // namespace

IMPLEMENT_DYNAMIC(CViewW, CView)

BEGIN_MESSAGE_MAP(CViewW, CView)
  ON_WM_SIZE()
  ON_WM_HSCROLL()
  ON_WM_VSCROLL()
  ON_WM_MOUSEWHEEL()
  ON_WM_MOUSEHWHEEL()
  ON_WM_SETTINGCHANGE()
  ON_MESSAGE(WM_DPICHANGED_BEFOREPARENT, OnDpiChangedBeforeParent)
  ON_MESSAGE(WM_DPICHANGED_AFTERPARENT, OnDpiChangedAfterParent)
END_MESSAGE_MAP()

const tagSIZE CViewW::sizeDefault = {0, 0};

CViewW::CViewW() {
  SetRectW(&m_rcWindow, 0, 0, 10000, 10000);
  m_rcWindowMax = m_rcWindow;
  m_rcView = tagRECT{0, 0, 10, 10};
  m_rcViewPrev = m_rcView;  // so that keeping the scale before any resize keeps it
  m_rcClient = m_rcView;
  m_rcViewBorder = tagRECT{0, 0, 0, 0};
  m_scaleKept = ViewScale{GetWindowSize(), GetViewSize()};
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
  ASSERT(IsUsableWorldRect(rcWindow));
  if (!IsUsableWorldRect(rcWindow)) return;
  tagRECT rc;
  CopyRectW(&rc, &rcWindow);
  if (m_bPrinting) {
    // A page's window as the host gives it: the last page keeps its place
    // on the paper even where it runs past the document.
    m_rcWindow = rc;
    return;
  }
  CheckRange(rc);
  m_rcWindow = rc;
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
  ASSERT(IsUsableWorldRect(rcMax));
  if (!IsUsableWorldRect(rcMax)) return;
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

// Showing or hiding a scroll bar inside SetWindow resizes the view; the
// fit is repeated for the new view size until it holds still. Where it
// never does, the bars flip: fit width, say, needs the vertical bar in the
// wider view and not in the narrower one. The maximum window fitted both
// ways needs no bar in any view, so it settles, and every part of the
// maximum window is then in sight.
void CViewW::SetWindowToFit(unsigned int nFit) {
  const FitScope fitting(m_nFitting);
  const BarHold hold(*this);  // the bars are set once the fit settles
  auto fitted = [this](unsigned int fit) {
    return [this, fit](tagSIZE) {
      tagRECT rc;
      CopyRectW(&rc, &m_rcWindowMax);
      if (fit != SCALE_FIT_NONE) AdjustRectToFit(&rc, fit, true);
      return rc;
    };
  };
  if (ShowUntilStill(*this, fitted(nFit & SCALE_FIT_MASK))) return;
  ShowUntilStill(*this, fitted(SCALE_FIT_BOTH));
}

void CViewW::SetScaleToWindow(tagRECT* pRect, bool bKeepOrigin) {
  ShowFitted(*pRect, bKeepOrigin, m_sizeWindowMin);
}

// Each pass fits the request to the view as it now is: a window fitted to
// the view narrowed by bars would otherwise stay once they are gone (and a
// zoom out would not return to the window it recorded). Should that flip
// the bars back and forth, the window shown is grown instead: fitting both
// ways only grows, so bars can only go.
void CViewW::ShowFitted(const tagRECT& rcRequest, bool bKeepOrigin, tagSIZE minSize) {
  const FitScope fitting(m_nFitting);
  const BarHold hold(*this);
  tagRECT request;
  CopyRectW(&request, &rcRequest);
  tagRECT shown = request;  // the window last shown
  auto fitted = [&](const tagRECT& from, tagSIZE view) {
    shown = from;
    FitRectToView(shown, SCALE_FIT_BOTH, bKeepOrigin, view, minSize);
    return shown;
  };
  if (ShowUntilStill(*this, [&](tagSIZE view) { return fitted(request, view); })) return;
  ShowUntilStill(*this, [&](tagSIZE view) { return fitted(shown, view); });
}

// The scale is kept as a ratio while resizes follow one another; any other
// change of the window or view starts from the window as it is shown.
void CViewW::SetWindowToScale() {
  m_scaleKept = ScaleToKeep(m_scaleKept, GetWindowSize(), DeviceSize(m_rcViewPrev));
  const tagRECT rc = WindowKeepingScale(m_rcWindow, GetViewSize(), m_scaleKept);
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

// Showing or hiding a bar changes the client area, and the resize handler
// runs inside ApplyBar: it only notes the new view, and the resize is
// handled once both bars are shown or hidden (EndBarUpdate). The bars'
// values wait meanwhile and are set for the window that handling leaves,
// each bar at most once: a bar's redraw costs more than the strip a
// scroll repaints.
void CViewW::UpdateBars() {
  if (m_bPrinting || m_bUpdatingBars) return;
  const BarHold hold(*this);
  m_bUpdatingBars = true;
  for (int pass = 0; pass < kMaxBarPasses; ++pass) {
    const tagRECT before = m_rcWindow;
    if (m_bHorzBar) ApplyBar(SB_HORZ, HorzBarValues(m_rcWindow, m_rcWindowMax));
    if (m_bVertBar) ApplyBar(SB_VERT, VertBarValues(m_rcWindow, m_rcWindowMax));
    if (::EqualRect(&before, &m_rcWindow)) break;
  }
  EndBarUpdate();
}

void CViewW::EndBarUpdate() {
  m_bUpdatingBars = false;
  if (!m_bResizePending) return;
  m_bResizePending = false;
  if (m_nResizeDepth >= kMaxResizeDepth) return;
  ++m_nResizeDepth;
  ApplyResizeAction();
  --m_nResizeDepth;
}

void CViewW::ApplyBar(int nBar, const BarValues& values) {
  std::optional<BarValues>& waiting = m_barWaiting[nBar == SB_VERT ? 1 : 0];
  if (!values.bShow) {
    waiting.reset();
    EnableScrollBarCtrl(nBar, FALSE);  // its values are left as they were
    return;
  }
  EnableScrollBarCtrl(nBar, TRUE);  // nothing happens to a bar already shown
  waiting = values;
}

void CViewW::SetWaitingBars() {
  for (int nBar : {SB_HORZ, SB_VERT}) {
    std::optional<BarValues>& waiting = m_barWaiting[nBar == SB_VERT ? 1 : 0];
    if (!waiting) continue;
    const BarValues values = *waiting;
    waiting.reset();
    SCROLLINFO shown = {};
    GetScrollInfo(nBar, &shown, SIF_RANGE | SIF_PAGE | SIF_POS);
    if (shown.nMin == values.nMin && shown.nMax == values.nMax &&
        shown.nPage == static_cast<UINT>(values.nPage) && shown.nPos == values.nPos) {
      continue;
    }
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = values.nMin;
    info.nMax = values.nMax;
    info.nPage = static_cast<UINT>(values.nPage);
    info.nPos = values.nPos;
    SetBarInfo(nBar, &info, TRUE);
  }
}

void CViewW::SetBarInfo(int nBar, SCROLLINFO* pInfo, BOOL bRedraw) {
  SetScrollInfo(nBar, pInfo, bRedraw);
}

void CViewW::SetScrollPosW(int nBar, LONG nPos, bool bRedraw) {
  if (m_bPrinting || m_bUpdatingBars) return;
  if (!(nBar == SB_HORZ ? m_bHorzBar : nBar == SB_VERT && m_bVertBar)) return;
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_POS;
  info.nPos = nBar == SB_HORZ ? ScrollUnits(nPos) : -ScrollUnits(nPos);
  if (GetScrollPos(nBar) == info.nPos) return;  // a redraw for nothing
  m_bUpdatingBars = true;
  SetBarInfo(nBar, &info, bRedraw);
  EndBarUpdate();
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

// The pages have the proportions of the area the view will show them in:
// the printable area less the border, whose margins need not be in the
// page's proportions.
int CViewW::GetDocumentPages(CDC* pDC, tagRECT& rcDoc, tagRECT* pPage) {
  const tagRECT rcPrintable{0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)};
  const tagSIZE size = DeviceSize(ViewFromClient(rcPrintable, m_rcViewBorder));
  return DocumentPageCount(rcDoc, size.cx, size.cy, pPage);
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

// Also runs inside UpdateBars, when a bar shown or hidden changes the
// client area: the view follows at once, and the window once the bars are
// set (m_rcViewPrev stays the view before the first such resize). Inside a
// fit, the fit refits for the new view itself.
void CViewW::OnSize(UINT nType, int cx, int cy) {
  CView::OnSize(nType, cx, cy);
  const tagRECT rcClient{0, 0, cx, cy};
  const tagSIZE view = DeviceSize(ViewFromClient(rcClient, m_rcViewBorder));
  if (view.cx <= 0 || view.cy <= 0) return;  // nothing left inside the border

  if (!m_bResizePending) m_rcViewPrev = m_rcView;
  SetView(rcClient);
  if (m_nFitting > 0) return;
  if (m_bUpdatingBars) {
    m_bResizePending = true;
    return;
  }
  ApplyResizeAction();
}

void CViewW::ApplyResizeAction() {
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
