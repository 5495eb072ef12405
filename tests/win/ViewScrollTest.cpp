// Scrolling a world view on real scroll bars: bar messages with the bar's
// 32-bit positions, scrolling to a position, the pixels already drawn
// moved and only the uncovered strip repainted, smooth scrolling, and which
// directions may scroll.
#include "TestViewW.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace varnel::view;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGreen = RGB(0, 255, 0);

unsigned int Vert(unsigned int code) { return kNoScrollCode | (code << 8); }

// A 500 x 500 pixel view with both bars, showing 10 world units a pixel:
// the window (0, 10000, 5000, 5000) of the maximum (0, 10000, 10000, 0).
class ViewScrollTest : public ::testing::Test {
 protected:
  void SetUp() override { Make(CRect(0, 10000, 10000, 0)); }
  void Make(const CRect& max) {
    const int cx = 500 + ::GetSystemMetrics(SM_CXVSCROLL);
    const int cy = 500 + ::GetSystemMetrics(SM_CYHSCROLL);
    vf = MakeViewInFrame(cx, cy, WS_HSCROLL | WS_VSCROLL);
    view = vf.view;
    view->SetWindowMax(max, false);
    view->SetWindow(CRect(0, 10000, 5000, 5000), true, {0, 0}, {0, 0});
    PumpPending();
    ASSERT_EQ(view->View(), CRect(0, 0, 500, 500));
  }
  void TearDown() override {
    if (vf.frame != nullptr) vf.frame->DestroyWindow();
    PumpPending();
  }
  COLORREF Pixel(int x, int y) {
    CClientDC dc(view);
    return dc.GetPixel(x, y);
  }
  void PaintNow() {
    view->Invalidate();
    view->UpdateWindow();
    view->drawClipBoxes.clear();
  }

  ViewInFrame vf{nullptr, nullptr};
  CTestViewW* view = nullptr;
};

TEST_F(ViewScrollTest, ScrollsToAPositionThroughWholePixels) {
  view->ScrollToPositionW(CPointW{8000, 2000});
  EXPECT_EQ(view->Window(), CRect(5000, 5000, 10000, 0));
  EXPECT_EQ(BarInfo(*view, SB_HORZ).nPos, 500);
  EXPECT_EQ(BarInfo(*view, SB_VERT).nPos, -500);
  // Nowhere further to go: nothing moves, and the answer says so.
  view->nBarSets[0] = view->nBarSets[1] = 0;
  EXPECT_FALSE(view->OnScrollBy(CSize(10, 10), TRUE));
  EXPECT_FALSE(view->OnScrollBy(CSize(10, 10), FALSE));
  EXPECT_TRUE(view->OnScrollBy(CSize(-10, 0), FALSE));
  EXPECT_EQ(view->Window(), CRect(5000, 5000, 10000, 0)) << "only asked";
  view->SetWindow(view->Window(), false, {0, 0}, {0, 0});
  EXPECT_EQ(view->nBarSets[0] + view->nBarSets[1], 0) << "no bar whose values stay is set";
  // Beyond the maximum window the shift is cut to what is left.
  EXPECT_TRUE(view->OnScrollBy(CSize(-120, 30), TRUE));
  EXPECT_EQ(view->Window(), CRect(3800, 5000, 8800, 0));
  EXPECT_EQ(view->nBarSets[0], 1) << "the horizontal bar alone moved";
  EXPECT_EQ(view->nBarSets[1], 0);
  EXPECT_TRUE(BarsMatchTheWindow(*view));
}

TEST_F(ViewScrollTest, TheThumbMovesTheViewOnlyWhenReleased) {
  view->SetWindow(CRect(0, 5000, 5000, 0), true, {0, 0}, {0, 0});
  EXPECT_FALSE(view->OnScroll(Vert(SB_THUMBTRACK), static_cast<UINT>(-700)));
  EXPECT_EQ(view->Window(), CRect(0, 5000, 5000, 0));
  EXPECT_TRUE(view->OnScroll(Vert(SB_THUMBPOSITION), static_cast<UINT>(-700)));
  EXPECT_EQ(view->Window(), CRect(0, 7000, 5000, 2000)) << "up by 2000 world units";

  // Through the message: the position comes from the bar, not the message.
  view->SetScrollPosW(SB_CTL, 9000, true);  // not a bar of the view: nothing
  EXPECT_EQ(BarInfo(*view, SB_VERT).nPos, -700);
  EXPECT_EQ(BarInfo(*view, SB_HORZ).nPos, 0);
  view->nBarSets[0] = view->nBarSets[1] = 0;
  view->SetScrollPosW(SB_VERT, 7000, true);
  EXPECT_EQ(view->nBarSets[1], 0) << "already there";
  view->SetScrollPosW(SB_VERT, 9000, true);
  EXPECT_EQ(view->nBarSets[1], 1);
  EXPECT_EQ(view->Window(), CRect(0, 7000, 5000, 2000)) << "the thumb alone moved";
  view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0x1234));
  EXPECT_EQ(view->Window(), CRect(0, 7000, 5000, 2000));
  view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0x1234));
  EXPECT_EQ(view->Window(), CRect(0, 9000, 5000, 4000));
  EXPECT_EQ(BarInfo(*view, SB_VERT).nPos, -900);

  // Arrows: a line is a fifteenth of the window, whole pixels.
  view->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
  EXPECT_EQ(view->Window(), CRect(0, 8670, 5000, 3670));
  view->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
  EXPECT_EQ(view->Window(), CRect(330, 8670, 5330, 3670));
  view->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_TOP, 0));
  EXPECT_EQ(view->Window().left, 0);
}

TEST_F(ViewScrollTest, PositionsBeyondSixteenBitsAreHonoured) {
  TearDown();
  Make(CRect(0, 10000, 1000000, 0));
  view->SetScrollPosW(SB_HORZ, 800000, true);
  ASSERT_EQ(BarInfo(*view, SB_HORZ).nPos, 80000);
  view->SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 80000 & 0xFFFF));
  EXPECT_EQ(view->Window(), CRect(800000, 10000, 805000, 5000));
  EXPECT_EQ(BarInfo(*view, SB_HORZ).nPos, 80000);
}

TEST_F(ViewScrollTest, MovesThePixelsAndRepaintsOnlyTheStrip) {
  view->fills = {{CRect(1000, 8000, 2000, 7000), kRed}};  // pixels (100, 200)-(200, 300)
  PaintNow();
  ASSERT_EQ(Pixel(150, 200), kRed);
  ASSERT_EQ(Pixel(150, 199), kWhite);

  view->nBarSets[0] = view->nBarSets[1] = 0;
  EXPECT_TRUE(view->OnScroll(Vert(SB_LINEDOWN), 0));  // 333 world units: 33 pixels
  EXPECT_EQ(view->Window(), CRect(0, 9670, 5000, 4670));
  EXPECT_EQ(view->nBarSets[1], 1) << "the vertical bar, once";
  EXPECT_EQ(view->nBarSets[0], 0) << "the horizontal bar kept its values";
  EXPECT_TRUE(BarsMatchTheWindow(*view));
  ASSERT_EQ(view->drawClipBoxes.size(), 1u);
  EXPECT_EQ(view->drawClipBoxes[0], CRect(0, 467, 500, 500)) << "the uncovered strip alone";
  EXPECT_EQ(Pixel(150, 167), kRed);
  EXPECT_EQ(Pixel(150, 266), kRed);
  EXPECT_EQ(Pixel(150, 267), kWhite);
  EXPECT_EQ(Pixel(150, 166), kWhite);
  EXPECT_EQ(view->BrushOrigin().x, 0);
  EXPECT_EQ(view->BrushOrigin().y, 7) << "moved with the picture, modulo 8";
}

TEST_F(ViewScrollTest, WithABorderOnlyTheViewMoves) {
  view->SetViewBorder(CRect(0, 20, 0, 0));
  view->fills = {{CRect(1000, 8000, 2000, 7000), kRed}};
  PaintNow();
  {
    CClientDC dc(view);
    dc.FillSolidRect(0, 0, 500, 20, kGreen);
  }
  const CRect v = view->View();
  ASSERT_EQ(v, CRect(0, 20, 500, 500));
  view->OnScrollBy(CSize(0, 30));
  PumpPending();
  EXPECT_EQ(Pixel(250, 0), kGreen);
  EXPECT_EQ(Pixel(250, 19), kGreen) << "the border kept its pixels";
  const int redTop = 20 + MulDiv(10000 - 8000, 480, 5000) - 30;
  EXPECT_EQ(Pixel(150, redTop), kRed);
  EXPECT_EQ(Pixel(150, redTop - 1), kWhite);
}

TEST_F(ViewScrollTest, SmoothScrollRepaintsBetweenStepsAndEndsOnTheTarget) {
  view->fills = {{CRect(3000, 8000, 4000, 7000), kRed}};  // pixels (300, 200)-(400, 300)
  PaintNow();
  EXPECT_FALSE(view->SetSmoothScroll(true));
  ASSERT_EQ(view->LineDev(), CSize(33, 33));
  ASSERT_EQ(view->PageDev(), CSize(475, 475));
  view->nBarSets[0] = view->nBarSets[1] = 0;
  EXPECT_TRUE(view->OnScrollBy(CSize(200, 10)));
  EXPECT_EQ(view->drawClipBoxes.size(), 8u) << "one synchronous paint per step";
  EXPECT_EQ(view->Window(), CRect(2000, 9900, 7000, 4900));
  EXPECT_EQ(view->nBarSets[0], 1) << "the bars are set once, at the end";
  EXPECT_EQ(view->nBarSets[1], 1);
  EXPECT_TRUE(BarsMatchTheWindow(*view));
  PumpPending();
  EXPECT_EQ(view->drawClipBoxes.size(), 9u) << "the remainder in the ordinary paint";
  EXPECT_EQ(Pixel(150, 190), kRed);
  EXPECT_EQ(Pixel(150, 289), kRed);
  EXPECT_EQ(Pixel(150, 189), kWhite);
  EXPECT_EQ(Pixel(100, 240), kRed);
  EXPECT_EQ(Pixel(99, 240), kWhite);
  EXPECT_EQ(Pixel(200, 240), kWhite);

  // More than a page is not smoothed.
  view->drawClipBoxes.clear();
  EXPECT_TRUE(view->OnScrollBy(CSize(0, 480)));
  EXPECT_TRUE(view->drawClipBoxes.empty());
  EXPECT_TRUE(view->SetSmoothScroll(false));
}

TEST_F(ViewScrollTest, DirectionsScrollWhereABarOrItsControlAllows) {
  // Both bars: both directions.
  EXPECT_TRUE(view->OnScrollBy(CSize(10, 0), FALSE));
  EXPECT_TRUE(view->OnScrollBy(CSize(0, 10), FALSE));

  // A disabled control standing in for the horizontal bar: not available,
  // whatever the window's style says.
  CScrollBar ctrl;
  ASSERT_TRUE(ctrl.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, 100, 16), vf.frame, 1));
  view->pHorzCtrl = &ctrl;
  ctrl.EnableWindow(FALSE);
  EXPECT_FALSE(view->OnScrollBy(CSize(10, 0), FALSE));
  ctrl.EnableWindow(TRUE);
  EXPECT_TRUE(view->OnScrollBy(CSize(10, 0), FALSE));
  view->pHorzCtrl = nullptr;
  ctrl.DestroyWindow();

  // A bar hidden (the window spans the maximum's height): no vertical scroll.
  view->SetWindow(CRect(0, 10000, 5000, 0), true, {0, 0}, {0, 0});
  ASSERT_FALSE(BarVisible(*view, SB_VERT));
  EXPECT_FALSE(view->OnScrollBy(CSize(0, 10), FALSE));
  EXPECT_TRUE(view->OnScrollBy(CSize(10, 10), TRUE));
  EXPECT_EQ(view->Window().bottom, 0) << "only the horizontal part moved";
}

}  // namespace

namespace {

// The world point under a client pixel of the view, as its context maps it.
CPoint WorldAt(CTestViewW* view, CPoint client) {
  CClientDC dc(view);
  view->OnPrepareDC(&dc);
  DPtoWP(&dc, &client, &client, 1);
  return client;
}

// A band pressed at (100, 100) and dragged to 41 pixels past the view's
// right edge, then cancelled; point and rect as the tracker left them.
CRubberband DragPastTheRightEdge(CTestViewW* view, CPoint* pPoint, CRect* pRect) {
  view->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(540, 100));
  view->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  CRubberband band(view, RBS_RECT | RBS_AUTOSCROLL);
  UINT nFlags = 0;
  *pPoint = CPoint(100, 100);
  band.DoRubberband(nFlags, *pPoint, pRect);
  return band;
}

}  // namespace

// A band dragged past the view's right edge scrolls the view, and its
// anchor stays on the world point it was pressed on.
TEST_F(ViewScrollTest, ARubberBandPastTheEdgeScrollsAndKeepsItsAnchorOnTheWorld) {
  const CPoint anchorWorld = WorldAt(view, CPoint(100, 100));
  CPoint point;
  CRect rect;
  const CRubberband band = DragPastTheRightEdge(view, &point, &rect);
  EXPECT_EQ(view->Window(), CRect(410, 10000, 5410, 5000)) << "41 pixels of 10 units";
  const CPoint anchorNow = WorldAt(view, band.m_ptStart);
  EXPECT_EQ(anchorNow, anchorWorld);
  EXPECT_EQ(point, CPoint(499, 100)) << "the band ends at the view's edge";
}

// The same where only about 20 pixels are left to scroll, at 12.3 units a
// pixel: the anchor moves with the content by what the view really
// scrolled, and stays on its world point.
TEST_F(ViewScrollTest, ACutAutoScrollKeepsTheAnchorOnItsWorldPoint) {
  view->SetWindowMax(CRect(-1000, 10000, 5400, 0), false);
  view->SetWindow(CRect(-1000, 10000, 5150, 3850), true, {0, 0}, {0, 0});
  ASSERT_EQ(view->View(), CRect(0, 0, 500, 500));
  const CPoint anchorWorld = WorldAt(view, CPoint(100, 100));
  CPoint point;
  CRect rect;
  const CRubberband band = DragPastTheRightEdge(view, &point, &rect);
  EXPECT_EQ(view->Window().right, 5400) << "cut at the maximum window";
  const LONG scrolled = 100 - band.m_ptStart.x;
  EXPECT_GT(scrolled, 15);
  EXPECT_LT(scrolled, 25);
  const CPoint anchorNow = WorldAt(view, band.m_ptStart);
  const double pixel = 6150.0 / 500;
  EXPECT_LE(std::abs(anchorNow.x - anchorWorld.x), pixel);
  EXPECT_LE(std::abs(anchorNow.y - anchorWorld.y), pixel);
  EXPECT_EQ(point, CPoint(499, 100)) << "the band ends at the view's edge";
  EXPECT_EQ(rect, CRect(band.m_ptStart.x, 100, 499, 100));
}

namespace {

// A view of odd size showing a checkerboard at a scale that is not a whole
// number of pixels a unit, both bars up: after each sequence of scrolls
// the picture on screen must be what a full repaint draws, but for edges
// moved by a pixel.
class ScrollSeamTest : public ::testing::TestWithParam<int> {
 protected:
  struct Scale {
    LONG units;  // across the 201 x 151 pixel view
    LONG cell;   // the checkerboard's squares, world units
    const char* name;
  };
  static constexpr Scale kScales[] = {{61, 7, "3.3 pixels a unit"},
                                      {74, 9, "0.37 units a pixel"},
                                      {2473, 250, "12.3 units a pixel"}};

  void SetUp() override {
    const Scale& scale = kScales[GetParam()];
    const int cx = 201 + ::GetSystemMetrics(SM_CXVSCROLL);
    const int cy = 151 + ::GetSystemMetrics(SM_CYHSCROLL);
    vf = MakeViewInFrame(cx, cy, WS_HSCROLL | WS_VSCROLL);
    view = vf.view;
    const LONG w = scale.units, h = MulDiv(scale.units, 151, 201);
    window = CRect(-w, h, 0, 0);
    max = CRect(-3 * w, 3 * h, 2 * w, -2 * h);
    for (LONG x = max.left; x < max.right; x += scale.cell) {
      for (LONG y = max.bottom; y < max.top; y += scale.cell) {
        if (((x - max.left) / scale.cell + (y - max.bottom) / scale.cell) % 2 == 0) continue;
        view->fills.push_back({CRect(x, y + scale.cell, x + scale.cell, y), RGB(20, 90, 200)});
      }
    }
    view->SetWindowMax(max, false);
    view->SetWindow(window, true, {0, 0}, {0, 0});
    PumpPending();
    ASSERT_EQ(view->View(), CRect(0, 0, 201, 151));
  }
  void TearDown() override {
    vf.frame->DestroyWindow();
    PumpPending();
  }
  // What a full repaint changes beyond moving an edge by a pixel.
  int RepaintChanges() {
    view->UpdateWindow();
    const std::vector<COLORREF> scrolled = ClientPixels(*view);
    view->Invalidate();
    view->UpdateWindow();
    return ChangedBeyondEdges(scrolled, ClientPixels(*view), view->Client().Width());
  }
  void Wheel(WPARAM keys, short z) {
    CPoint pt(50, 50);
    view->ClientToScreen(&pt);
    view->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(keys, static_cast<WORD>(z)), MAKELPARAM(pt.x, pt.y));
  }

  ViewInFrame vf{nullptr, nullptr};
  CTestViewW* view = nullptr;
  CRect window, max;
};

TEST_P(ScrollSeamTest, AfterAnySequenceOfScrollsARepaintChangesOnlyEdges) {
  SCOPED_TRACE(kScales[GetParam()].name);
  for (int i = 0; i < 40; ++i) {
    view->OnScrollBy(CSize(5, 0));
    view->UpdateWindow();
  }
  EXPECT_EQ(RepaintChanges(), 0) << "forty scrolls of five pixels";

  const CSize ticks[] = {{1, 1}, {2, -3}, {-4, 2}, {3, 3}, {-1, -2}, {7, 0}, {0, 5}};
  for (int i = 0; i < 35; ++i) {
    view->OnScrollBy(ticks[i % 7]);
    view->UpdateWindow();
  }
  EXPECT_EQ(RepaintChanges(), 0) << "autoscroll ticks";

  for (int i = 0; i < 6; ++i) Wheel(i % 3 == 0 ? MK_SHIFT : 0, i < 4 ? -120 : 40);
  EXPECT_EQ(RepaintChanges(), 0) << "wheel notches and parts of notches";

  view->SetSmoothScroll(true);
  view->OnScrollBy(CSize(37, -23));
  view->OnScrollBy(CSize(-11, 29));
  view->SetSmoothScroll(false);
  EXPECT_EQ(RepaintChanges(), 0) << "smooth scrolling";

  // Into the corner of the maximum window, the moves cut short there.
  for (int i = 0; i < 12; ++i) {
    view->OnScrollBy(CSize(97, 89));
    view->UpdateWindow();
  }
  EXPECT_EQ(view->Window().right, max.right);
  EXPECT_EQ(view->Window().bottom, max.bottom);
  EXPECT_EQ(RepaintChanges(), 0) << "scrolls cut at the edges";
}

INSTANTIATE_TEST_SUITE_P(Scales, ScrollSeamTest, ::testing::Values(0, 1, 2));

}  // namespace
