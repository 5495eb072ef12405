// The sign's toolbar and status bar: the frame makes them as the
// application wizard does; the view shows in the status bar where the
// pointer is on the sign, in the sign's unit, and how large the sign is
// shown.
#include "Signs.h"

namespace {

const UINT kIndicators[] = {
    ID_SEPARATOR,  // the prompts and "Ready"
    ID_INDICATOR_POSITION,
    ID_INDICATOR_ZOOM,
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
};

}  // namespace

IMPLEMENT_DYNCREATE(CSignFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CSignFrame, CFrameWnd)
  ON_WM_CREATE()
END_MESSAGE_MAP()

int CSignFrame::OnCreate(LPCREATESTRUCTA lpcs) {
  if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
  m_pSignView = static_cast<CSignView*>(GetActiveView());
  if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                             WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                                 CBRS_FLYBY | CBRS_SIZE_DYNAMIC) ||
      !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
    TRACE0("Failed to create toolbar\n");
    return -1;
  }
  if (!m_wndStatusBar.Create(this) ||
      !m_wndStatusBar.SetIndicators(kIndicators, sizeof(kIndicators) / sizeof(UINT))) {
    TRACE0("Failed to create status bar\n");
    return -1;
  }
  // The position pane is as wide as its string and empty until the
  // pointer is over the sign.
  m_wndStatusBar.SetPaneText(m_wndStatusBar.CommandToIndex(ID_INDICATOR_POSITION), "");
  m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
  EnableDocking(CBRS_ALIGN_ANY);
  DockControlBar(&m_wndToolBar);
  return 0;
}

CString CSignView::PositionText(tagPOINT world) const {
  const bool bInches = !m_bCentimetres;
  CString x, y;
  FormatAmount(static_cast<double>(world.x) / kUnitsPerInch, UNITS_DISTANCE, x, 2, bInches, false, 0);
  FormatAmount(static_cast<double>(world.y) / kUnitsPerInch, UNITS_DISTANCE, y, 2, bInches, false, 0);
  const char* unit = bInches ? " in" : " cm";
  return x + unit + ", " + y + unit;
}

double CSignView::ZoomPercent() {
  // World units per pixel against a thousandth of an inch per
  // screen-inch's thousandth.
  CRect rcView;
  GetView(&rcView);
  // The density of the monitor the view is on, which its context does not
  // follow.
  const double dPixelsPerInch = AfxGetWindowDpi(m_hWnd);
  const double dWindowInches = static_cast<double>(Window().Width()) / kUnitsPerInch;
  if (dWindowInches <= 0 || dPixelsPerInch <= 0) return 0;
  return 100.0 * rcView.Width() / (dWindowInches * dPixelsPerInch);
}

void CSignView::ShowPosition(LPCSTR lpszText) {
  CStatusBar& bar = static_cast<CSignFrame*>(GetParentFrame())->m_wndStatusBar;
  bar.SetPaneText(bar.CommandToIndex(ID_INDICATOR_POSITION), lpszText);
}

void CSignView::OnMouseMove(UINT nFlags, CPoint point) {
  CViewW::OnMouseMove(nFlags, point);
  if (!m_bTrackingLeave) {
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, m_hWnd, 0};
    m_bTrackingLeave = ::TrackMouseEvent(&track) != FALSE;
  }
  CClientDC dc(this);
  OnPrepareDC(&dc);
  tagPOINT world = point;
  DPtoWP(&dc, &world, &world, 1);
  ShowPosition(PositionText(world));
}

LRESULT CSignView::OnMouseLeave(WPARAM, LPARAM) {
  m_bTrackingLeave = false;
  ShowPosition("");
  return 0;
}

void CSignView::OnViewCentimetres() { m_bCentimetres = !m_bCentimetres; }

void CSignView::OnUpdateViewCentimetres(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bCentimetres ? 1 : 0); }

void CSignView::OnUpdateIndicatorZoom(CCmdUI* pCmdUI) {
  const double dPercent = ZoomPercent();
  CString text;
  FormatAmount(dPercent, UNITS_PERCENT, text, dPercent < 10 ? 1 : 0, true, false, 0);
  pCmdUI->SetText(text);
}
