#include "TestViewW.h"

#include "DibCanvas.h"

#include <gtest/gtest.h>

using namespace varnel::view;

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

ViewInFrame MakeViewInFrame(int cx, int cy, DWORD dwViewStyle, CTestViewW* pView,
                            CFrameWnd* pFrame) {
  ViewInFrame vf{pFrame, pView};
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

::testing::AssertionResult BarsMatchTheWindow(CTestViewW& view) {
  const CRect window = view.Window(), max = view.WindowMax();
  for (int nBar : {SB_HORZ, SB_VERT}) {
    if (!(nBar == SB_HORZ ? view.HorzBar() : view.VertBar())) continue;
    const BarValues v = nBar == SB_HORZ ? HorzBarValues(window, max) : VertBarValues(window, max);
    const char* name = nBar == SB_HORZ ? "horizontal" : "vertical";
    if (BarVisible(view, nBar) != v.bShow) {
      return ::testing::AssertionFailure()
             << "the " << name << " bar is " << (v.bShow ? "hidden" : "shown") << " for the window";
    }
    if (!v.bShow) continue;
    const SCROLLINFO info = BarInfo(view, nBar);
    if (info.nMin != v.nMin || info.nMax != v.nMax || static_cast<LONG>(info.nPage) != v.nPage ||
        info.nPos != v.nPos) {
      return ::testing::AssertionFailure()
             << "the " << name << " bar shows " << info.nMin << ".." << info.nMax << " page "
             << info.nPage << " at " << info.nPos << " instead of " << v.nMin << ".." << v.nMax
             << " page " << v.nPage << " at " << v.nPos;
    }
  }
  CRect client = view.Client(), border = view.Border();
  client.DeflateRect(border.left, border.top, border.right, border.bottom);
  if (view.View() != client) return ::testing::AssertionFailure() << "the view is not the client area";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult EveryPartReachable(CTestViewW& view) {
  const CRect window = view.Window(), max = view.WindowMax();
  const bool bAcross = window.left <= max.left && window.right >= max.right;
  const bool bUp = window.bottom <= max.bottom && window.top >= max.top;
  if (!bAcross && !BarVisible(view, SB_HORZ)) {
    return ::testing::AssertionFailure() << "part of the width is out of sight, and no bar";
  }
  if (!bUp && !BarVisible(view, SB_VERT)) {
    return ::testing::AssertionFailure()
           << "part of the height (" << window.bottom << ".." << window.top << " of " << max.bottom
           << ".." << max.top << ") is out of sight, and no bar";
  }
  return ::testing::AssertionSuccess();
}

std::vector<COLORREF> ClientPixels(CWnd& wnd) {
  CRect rc;
  wnd.GetClientRect(&rc);
  DibCanvas canvas(rc.Width(), rc.Height());
  {
    CClientDC dc(&wnd);
    canvas.dc().BitBlt(0, 0, rc.Width(), rc.Height(), &dc, 0, 0, SRCCOPY);
  }
  std::vector<COLORREF> pixels;
  pixels.reserve(static_cast<size_t>(rc.Width()) * rc.Height());
  for (int y = 0; y < rc.Height(); ++y) {
    for (int x = 0; x < rc.Width(); ++x) pixels.push_back(canvas.At(x, y));
  }
  return pixels;
}

int ChangedBeyondEdges(const std::vector<COLORREF>& after, const std::vector<COLORREF>& before,
                       int width) {
  const int height = static_cast<int>(after.size()) / width;
  auto at = [&](int x, int y) { return before[static_cast<size_t>(y) * width + x]; };
  int n = 0;
  for (int y = 1; y + 1 < height; ++y) {
    for (int x = 1; x + 1 < width; ++x) {
      const COLORREF c = after[static_cast<size_t>(y) * width + x];
      const bool bFound = c == at(x, y) || c == at(x - 1, y) || c == at(x + 1, y) ||
                          c == at(x, y - 1) || c == at(x, y + 1);
      if (!bFound) ++n;
    }
  }
  return n;
}
