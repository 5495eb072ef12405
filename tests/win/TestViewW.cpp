#include "TestViewW.h"

#include <gtest/gtest.h>

BEGIN_MESSAGE_MAP(CTestViewW, CViewW)
  ON_WM_SIZE()
END_MESSAGE_MAP()

void CTestViewW::OnDraw(CDC* pDC) {
  CRect rcClip;
  pDC->GetClipBox(&rcClip);
  pDC->LPtoDP(&rcClip);  // logical y runs upwards: normalise after the conversion
  rcClip.NormalizeRect();
  drawClipBoxes.push_back(rcClip);
  if (pDC->IsPrinting() && m_bPrinting) ++nPrintedDraws;

  // Drawn in device pixels: each world rectangle converted as a whole.
  const int nSaved = pDC->SaveDC();
  std::vector<std::pair<CRect, COLORREF>> device;
  for (const WorldFill& f : fills) {
    CRect world = f.world;
    CRect rc;
    WPtoDP(pDC, &world, &rc);
    rc.NormalizeRect();
    device.emplace_back(rc, f.color);
  }
  pDC->SetMapMode(MM_TEXT);
  pDC->SetWindowOrg(0, 0);
  pDC->SetViewportOrg(0, 0);
  pDC->FillSolidRect(&rcClip, background);
  for (const auto& [rc, color] : device) pDC->FillSolidRect(&rc, color);
  pDC->RestoreDC(nSaved);
}

void CTestViewW::OnSize(UINT nType, int cx, int cy) {
  ++nResize;
  if (m_bUpdatingBars) ++nResizeDuringBarUpdate;
  CViewW::OnSize(nType, cx, cy);
}

ViewInFrame MakeViewInFrame(int cx, int cy, DWORD dwViewStyle, CTestViewW* pView) {
  ViewInFrame vf{new CFrameWnd, pView};
  EXPECT_TRUE(vf.frame->Create(nullptr, "World view", WS_POPUP, CRect(0, 0, cx, cy), nullptr, 0));
  EXPECT_TRUE(vf.view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | dwViewStyle,
                              CRect(0, 0, 10, 10), vf.frame, AFX_IDW_PANE_FIRST));
  vf.frame->SetActiveView(vf.view);
  vf.frame->RecalcLayout();
  vf.frame->ShowWindow(SW_SHOW);
  vf.frame->UpdateWindow();
  PumpPending();
  return vf;
}

void ResizeFrame(const ViewInFrame& vf, int cx, int cy) {
  vf.frame->SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool BarVisible(const CWnd& wnd, int nBar) {
  return (wnd.GetStyle() & (nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL)) != 0;
}

SCROLLINFO BarInfo(CWnd& wnd, int nBar) {
  SCROLLINFO info = {};
  wnd.GetScrollInfo(nBar, &info, SIF_ALL);
  return info;
}
