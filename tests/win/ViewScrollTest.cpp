// Scrolling a world view on real scroll bars: bar messages with the bar's
// 32-bit positions, scrolling to a position, the pixels already drawn
// moved and only the uncovered strip repainted, smooth scrolling, and which
// directions may scroll.
#include "TestViewW.h"

#include <gtest/gtest.h>

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
  EXPECT_FALSE(view->OnScrollBy(CSize(10, 10), FALSE));
  EXPECT_TRUE(view->OnScrollBy(CSize(-10, 0), FALSE));
  EXPECT_EQ(view->Window(), CRect(5000, 5000, 10000, 0)) << "only asked";
  // Beyond the maximum window the shift is cut to what is left.
  EXPECT_TRUE(view->OnScrollBy(CSize(-120, 30), TRUE));
  EXPECT_EQ(view->Window(), CRect(3800, 5000, 8800, 0));
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
  view->SetScrollPosW(SB_VERT, 9000, true);
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

  EXPECT_TRUE(view->OnScroll(Vert(SB_LINEDOWN), 0));  // 333 world units: 33 pixels
  EXPECT_EQ(view->Window(), CRect(0, 9670, 5000, 4670));
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
  EXPECT_TRUE(view->OnScrollBy(CSize(200, 10)));
  EXPECT_EQ(view->drawClipBoxes.size(), 8u) << "one synchronous paint per step";
  EXPECT_EQ(view->Window(), CRect(2000, 9900, 7000, 4900));
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

}  // namespace

// A band dragged past the view's right edge scrolls the view, and its
// anchor stays on the world point it was pressed on.
TEST_F(ViewScrollTest, ARubberBandPastTheEdgeScrollsAndKeepsItsAnchorOnTheWorld) {
  const CPoint anchorWorld = WorldAt(view, CPoint(100, 100));
  view->PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(540, 100));
  view->PostMessage(WM_KEYDOWN, VK_ESCAPE, 1);
  CRubberband band(view, RBS_RECT | RBS_AUTOSCROLL);
  UINT nFlags = 0;
  CPoint point(100, 100);
  CRect rect;
  band.DoRubberband(nFlags, point, &rect);
  EXPECT_EQ(view->Window(), CRect(410, 10000, 5410, 5000)) << "41 pixels of 10 units";
  const CPoint anchorNow = WorldAt(view, band.m_ptStart);
  EXPECT_EQ(anchorNow, anchorWorld);
  EXPECT_EQ(point, CPoint(499, 100)) << "the band ends at the view's edge";
}
