// Zooming a world view on real windows: dragged zooms against the system's
// drag threshold, the zoom stack's way back, the wheel with Ctrl (zoom
// around the cursor), Shift (vertical) and no key (horizontal), the tilt
// wheel, and the wheel setting refreshed by a settings change. Resizes
// while zoomed are in ViewWTest.
#include "TestViewW.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

using namespace varnel::view;

namespace {

class ViewZoomTest : public ::testing::Test {
 protected:
  // A view of cx x cy pixels plus the bars of dwStyle.
  void Make(int cx, int cy, DWORD dwStyle, const CRect& max, const CRect& window) {
    if ((dwStyle & WS_VSCROLL) != 0) cx += ::GetSystemMetrics(SM_CXVSCROLL);
    if ((dwStyle & WS_HSCROLL) != 0) cy += ::GetSystemMetrics(SM_CYHSCROLL);
    vf = MakeViewInFrame(cx, cy, dwStyle);
    view = vf.view;
    view->SetWindowMax(max, false);
    view->SetWindow(window, true, {0, 0}, {0, 0});
  }
  void TearDown() override {
    if (vf.frame != nullptr) vf.frame->DestroyWindow();
    PumpPending();
  }
  LRESULT Wheel(UINT message, WPARAM keys, short z, POINT ptClient = {10, 10}) {
    CPoint pt(ptClient);
    view->ClientToScreen(&pt);
    return view->SendMessage(message, MAKEWPARAM(keys, static_cast<WORD>(z)),
                             MAKELPARAM(pt.x, pt.y));
  }
  CPoint WorldAt(POINT ptClient) {
    CClientDC dc(view);
    view->OnPrepareDC(&dc, nullptr);
    CPoint world;
    DPtoWP(&dc, &ptClient, &world, 1);
    return world;
  }

  ViewInFrame vf{nullptr, nullptr};
  CTestViewW* view = nullptr;
};

const CRect kFarMax(-100000, 100000, 100000, -100000);  // never in the way
const CRect kSquare(0, 10000, 10000, 0);

// 500 x 500 pixels showing kSquare: 20 world units a pixel.
TEST_F(ViewZoomTest, DraggedZoomsAndTheWayBack) {
  ASSERT_EQ(::GetSystemMetrics(SM_CXDRAG), 4);
  ASSERT_EQ(::GetSystemMetrics(SM_CYDRAG), 4);
  Make(500, 500, 0, kFarMax, kSquare);
  CRect click(100, 100, 103, 103);
  view->ZoomIn(&click, true);
  EXPECT_EQ(view->Window(), kSquare) << "a 3 x 3 drag is a click";
  EXPECT_FALSE(view->IsZoomed());

  // Six zoom-ins, five recorded. The first, 3 x 10 pixels, is the world's
  // (2000, 8000, 2060, 7800) grown to 5000 x 5000 around its origin corner.
  std::vector<CRect> before;
  for (int i = 0; i < 6; ++i) {
    before.push_back(view->Window());
    CRect rc = i == 0 ? CRect(100, 100, 103, 110) : CRect(20 * i, 0, 20 * i + 300, 300);
    view->ZoomIn(&rc, true);
    if (i == 0) {
      EXPECT_EQ(view->Window(), CRect(2000, 12800, 7000, 7800));
    }
  }
  EXPECT_EQ(view->Window(), CRect(before[5].left + 1000, before[5].top + 2000,
                                   before[5].left + 6000, before[5].top - 3000));
  for (int i = 4; i >= 0; --i) {
    view->ZoomOut(true);
    EXPECT_EQ(view->Window(), before[i]) << "back to the window before zoom-in " << i + 1;
  }
  EXPECT_FALSE(view->IsZoomed());
  view->ZoomOut(true);
  EXPECT_EQ(view->Window(), kSquare) << "nothing left to go back to";

  // No levels: a zoom still happens, nothing is recorded.
  view->SetZoomLevels(0);
  EXPECT_EQ(view->GetZoomLevels(), 0);
  CRect drag(100, 100, 103, 110);
  view->ZoomIn(&drag, true);
  EXPECT_EQ(view->Window(), CRect(2000, 12800, 7000, 7800));
  EXPECT_FALSE(view->IsZoomed());

  // Levels lowered under the entries keep them; to the top empties all.
  view->SetWindowSizeMin(CSize(1000, 1000));  // room below the 5000-unit window
  view->SetZoomLevels(2);
  view->CenterOnPointW(CPoint(4000, 10000), 0.5);
  view->CenterOnPointW(CPoint(4000, 10000), 0.5);
  EXPECT_EQ(view->Window(), CRect(3375, 10625, 4625, 9375));
  view->SetZoomLevels(1);
  view->CenterOnPointW(CPoint(4000, 10000), 2.0);
  view->ZoomOutToTop(true);
  EXPECT_EQ(view->Window(), CRect(2000, 12800, 7000, 7800));
  EXPECT_FALSE(view->IsZoomed());

  // Centring on a device point, shifted onto the maximum window.
  view->SetWindowMax(kSquare, false);
  view->SetWindow(kSquare, true, {0, 0}, {0, 0});
  view->CenterOnPoint(CPoint(250, 250), 2.0);
  EXPECT_EQ(view->Window(), CRect(0, 20000, 20000, 0));
}

// Ctrl zooms once a notification and keeps the cursor on its world point.
TEST_F(ViewZoomTest, CtrlWheelZoomsAroundTheCursor) {
  Make(500, 500, 0, kFarMax, kSquare);
  const POINT pt{100, 150};
  const CPoint world = WorldAt(pt);
  ASSERT_EQ(world, CPoint(2000, 7000));
  CPoint screen(pt);
  view->ClientToScreen(&screen);
  ASSERT_TRUE(::SetCursorPos(screen.x, screen.y));
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_CONTROL, 240, pt), TRUE);
  EXPECT_EQ(view->Window(), CRect(-500, 9500, 4500, 4500)) << "halved once, around (2000, 7000)";
  CPoint cursor;
  ::GetCursorPos(&cursor);
  view->ScreenToClient(&cursor);
  const CPoint under = WorldAt(cursor);
  EXPECT_LE(std::abs(under.x - world.x), 10) << "within a pixel (10 world units)";
  EXPECT_LE(std::abs(under.y - world.y), 10);

  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_CONTROL, -120, pt), TRUE);
  EXPECT_EQ(view->Window(), kSquare) << "one recorded level back";
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_CONTROL, -120, pt), TRUE) << "nothing recorded: handled";
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, 120, pt), FALSE) << "no direction and no Ctrl";
}

// Both bars, 500 x 500 pixels at 10 world units a pixel.
TEST_F(ViewZoomTest, WheelScrollsByLinesAndTheSettingFollowsChanges) {
  Make(500, 500, WS_HSCROLL | WS_VSCROLL, kSquare, CRect(0, 10000, 5000, 5000));
  ASSERT_EQ(view->View(), CRect(0, 0, 500, 500));
  ASSERT_EQ(GetMouseScrollLines(TRUE), 3u);
  const CSize line = view->LineDev();
  ASSERT_GT(line.cx, 0);

  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, -120), TRUE);
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_SHIFT, -120), TRUE);
  EXPECT_EQ(view->Window().TopLeft(), CPoint(30 * line.cx, 10000 - 30 * line.cy))
      << "three lines right, then with Shift three down";
  EXPECT_EQ(Wheel(WM_MOUSEHWHEEL, 0, 120), TRUE);
  EXPECT_EQ(view->Window().left, 60 * line.cx) << "tilted right: three more";
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, 240), TRUE);
  EXPECT_EQ(view->Window().left, 0);

  // Twenty lines a notch, read again when the frame passes the change on:
  // a notch forwards is cut to a page.
  ASSERT_TRUE(::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 20, nullptr, 0));
  EXPECT_EQ(GetMouseScrollLines(FALSE), 3u) << "kept until refreshed";
  vf.frame->SendMessage(WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
  EXPECT_EQ(GetMouseScrollLines(FALSE), 20u);
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, -120), TRUE);
  EXPECT_EQ(view->Window().left, 10 * view->PageDev().cx);
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
  GetMouseScrollLines(TRUE);
}

TEST_F(ViewZoomTest, OnlyAVerticalBarScrollsOnlyWithShift) {
  const CRect window(0, 10000, 5000, 5000);
  Make(500, 500, WS_VSCROLL, kSquare, window);
  ASSERT_TRUE(BarVisible(*view, SB_VERT));
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, -120), TRUE);
  EXPECT_EQ(Wheel(WM_MOUSEHWHEEL, 0, 120), TRUE);
  EXPECT_EQ(view->Window(), window) << "no horizontal direction";
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_SHIFT, -120), TRUE);
  EXPECT_EQ(view->Window().top, 10000 - 30 * view->LineDev().cy);
}

// Views of 800 x 600 pixels with both bars (more without them), zoomed
// with Ctrl and the wheel at the view's middle.
class CtrlWheelTest : public ViewZoomTest {
 protected:
  void SetUp() override {
    Make(800, 600, WS_HSCROLL | WS_VSCROLL, CRect(0, 30000, 40000, 0), CRect(0, 30000, 40000, 0));
    ASSERT_FALSE(BarVisible(*view, SB_HORZ));
  }
  void Notch(short z) {
    CPoint screen(cursor);
    view->ClientToScreen(&screen);
    ::SetCursorPos(screen.x, screen.y);
    EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_CONTROL, z, cursor), TRUE);
    ::GetCursorPos(&screen);
    view->ScreenToClient(&screen);
    cursor = screen;
  }
  CPoint cursor{400, 300};
};

// Zooming in stops at the minimum window: the last notch lands on it, the
// next ones change nothing (no record, no move of the cursor).
TEST_F(CtrlWheelTest, ZoomingInStopsAtTheMinimumWindow) {
  std::vector<CRect> windows;
  for (int i = 0; i < 16; ++i) {
    Notch(120);
    windows.push_back(view->Window());
    const CRect w = view->Window();
    ASSERT_GE(w.Width(), 5000) << i;
    ASSERT_GE(w.top - w.bottom, 5000) << i;
    ASSERT_GT(view->LineDev().cx, 0);
    ASSERT_GT(view->PageDev().cy, 0);
    EXPECT_TRUE(BarsMatchTheWindow(*view)) << i;
  }
  // The notch that lands on the floor (5000 high, the view being wider
  // than high), then refusals.
  size_t floor = 0;
  while (floor < windows.size() && windows[floor].top - windows[floor].bottom != 5000) ++floor;
  ASSERT_GT(floor, 1u);
  ASSERT_LT(floor, 8u);
  EXPECT_GT(windows[floor].Width(), 5000);
  for (size_t i = 1; i <= floor; ++i) EXPECT_LT(windows[i].Width(), windows[i - 1].Width());
  for (size_t i = floor; i < windows.size(); ++i) EXPECT_EQ(windows[i], windows[floor]) << i;
  EXPECT_EQ(view->ZoomCount(), static_cast<int>(floor) + 1) << "refused notches record nothing";
  Notch(-120);
  CRect back = windows[floor - 1];  // the view shows the maximum window stretched: refit it
  FitRectToView(back, SCALE_FIT_BOTH, true, view->View().Size(), {0, 0});
  EXPECT_EQ(view->Window(), back);
}

// The same floor keeps the maximum window within the device's range when
// the minimum window allows more.
TEST_F(CtrlWheelTest, ZoomingInStopsBeforeTheMaximumWindowLeavesTheDeviceRange) {
  const CRect wide(-1000000000, 750000000, 1000000000, -750000000);
  view->SetWindowMax(wide, false);
  view->SetWindow(wide, true, {0, 0}, {0, 0});
  view->SetWindowSizeMin(CSize(1, 1));
  view->SetZoomLevels(100);
  for (int i = 0; i < 40; ++i) Notch(120);
  const tagSIZE floor = DeviceRangeFloor(CSize(2000000000, 1500000000), view->View().Size());
  EXPECT_EQ(view->Window().Width(), floor.cx) << "stopped on the floor";
  CClientDC dc(view);
  view->OnPrepareDC(&dc);
  CRect device;
  CRect world = wide;
  WPtoDP(&dc, &world, &device);
  for (LONG v : {device.left, device.top, device.right, device.bottom}) {
    EXPECT_LE(std::abs(v), kViewDeviceRange + 1000);
    EXPECT_NE(v, -1) << "no conversion overflowed";
  }
}

// Five notches in, one out: the window recorded before the fifth (not
// grown to the minimum window, which it may be below), and the world point
// under the pointer stays under it.
TEST_F(CtrlWheelTest, ZoomingOutShowsTheRecordedWindow) {
  view->SetWindowSizeMin(CSize(100, 100));
  CPoint before;
  for (int i = 0; i < 5; ++i) {
    if (i == 4) before = WorldAt(cursor);
    Notch(120);
  }
  const CRect recorded = view->LastZoom();
  ASSERT_LT(recorded.Width(), 5000);
  view->SetWindowSizeMin(CSize(5000, 5000));  // the recorded window is below it now
  Notch(-120);
  CRect expected = recorded;
  FitRectToView(expected, SCALE_FIT_BOTH, true, view->View().Size(), {0, 0});
  EXPECT_EQ(view->Window(), expected);
  EXPECT_LE(std::abs(view->Window().Width() - recorded.Width()), 1) << "refitted only by rounding";
  // The notch moved the cursor to where its world point landed, a pixel
  // either way; the zoom out keeps it there, but for the refit. The zooms
  // kept the proportions of the view without bars, and the refit to the
  // view with them grows the window's height above its bottom edge: the
  // point under the cursor moves up by its share of the growth (the wider
  // the bars, as at higher densities, the more).
  const CPoint after = WorldAt(cursor);
  const CRect rcView = view->View();
  const double pixel = static_cast<double>(recorded.Width()) / rcView.Width();
  const double refitShift = static_cast<double>(expected.top - recorded.top) *
                            (rcView.bottom - cursor.y) / rcView.Height();
  EXPECT_LE(std::abs(after.x - before.x), 2 * pixel);
  EXPECT_LE(std::abs(after.y - before.y - refitShift), 2 * pixel);
  EXPECT_TRUE(BarsMatchTheWindow(*view));
}

// Parts of a notch from a high-resolution wheel or a touchpad add up to a
// notch; one line a notch scrolls a line. Both bars, 10 units a pixel.
TEST_F(ViewZoomTest, PartsOfNotchesScrollWhatTheyAddUpTo) {
  Make(500, 500, WS_HSCROLL | WS_VSCROLL, kSquare, CRect(3000, 8000, 8000, 3000));
  ASSERT_EQ(GetMouseScrollLines(TRUE), 3u);
  const LONG line = view->LineDev().cx;
  const LONG start = view->Window().left;
  auto scrolled = [&] { return (view->Window().left - start) / 10; };
  Wheel(WM_MOUSEWHEEL, 0, -40);
  EXPECT_EQ(scrolled(), line) << "a third of a notch is a line, not a page";
  Wheel(WM_MOUSEWHEEL, 0, -40);
  Wheel(WM_MOUSEWHEEL, 0, -40);
  EXPECT_EQ(scrolled(), 3 * line) << "three thirds: a notch";
  for (int i = 0; i < 12; ++i) Wheel(WM_MOUSEWHEEL, 0, 10);
  EXPECT_EQ(scrolled(), 0) << "twelve tenths back: a notch back";
  Wheel(WM_MOUSEWHEEL, 0, 30);  // a quarter of a line left over ...
  Wheel(WM_MOUSEWHEEL, 0, -40);  // ... is dropped when the wheel turns back
  EXPECT_EQ(scrolled(), line);

  ASSERT_TRUE(::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 1, nullptr, 0));
  vf.frame->SendMessage(WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
  const LONG top = view->Window().top;
  Wheel(WM_MOUSEWHEEL, MK_SHIFT, -120);
  EXPECT_EQ(top - view->Window().top, 10 * view->LineDev().cy) << "one line a notch: a line";
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
  GetMouseScrollLines(TRUE);

  // The tilt wheel scrolls by the characters a notch.
  UINT nChars = 0;
  ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWHEELSCROLLCHARS, 0, &nChars, 0));
  ASSERT_TRUE(::SystemParametersInfoA(SPI_SETWHEELSCROLLCHARS, 5, nullptr, 0));
  const LONG left = view->Window().left;
  Wheel(WM_MOUSEHWHEEL, 0, 60);
  Wheel(WM_MOUSEHWHEEL, 0, 60);
  EXPECT_EQ(view->Window().left - left, 10 * 5 * line) << "five characters a notch";
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLCHARS, nChars, nullptr, 0);
}

// A frame that records the tilt-wheel messages it receives.
class CWheelFrame : public CFrameWnd {
 public:
  int nTilts = 0;
  afx_msg void OnMouseHWheel(UINT /*nFlags*/, short /*zDelta*/, CPoint /*pt*/) { ++nTilts; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWheelFrame, CFrameWnd)
  ON_WM_MOUSEHWHEEL()
END_MESSAGE_MAP()

TEST_F(ViewZoomTest, ATiltTheViewCannotUseGoesToTheParent) {
  auto* frame = new CWheelFrame;
  vf = MakeViewInFrame(500, 500, WS_VSCROLL, new CTestViewW, frame);
  view = vf.view;
  view->SetWindowMax(kSquare, false);
  view->SetWindow(CRect(0, 10000, 5000, 5000), true, {0, 0}, {0, 0});
  const CRect window = view->Window();
  Wheel(WM_MOUSEHWHEEL, 0, 120);
  EXPECT_EQ(frame->nTilts, 1);
  EXPECT_EQ(view->Window(), window);
}

}  // namespace
