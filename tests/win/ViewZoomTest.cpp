// Zooming a world view on real windows: dragged zooms against the system's
// drag threshold, the zoom stack's way back, the wheel with Ctrl (zoom
// around the cursor), Shift (vertical) and no key (horizontal), the tilt
// wheel, and the wheel setting refreshed by a settings change. Resizes
// while zoomed are in ViewWTest.
#include "TestViewW.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

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

}  // namespace
