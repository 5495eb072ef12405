// Zooming a world view on real windows: dragged zooms against the system's
// drag threshold, the zoom stack's way back, the wheel with Ctrl (zoom
// around the cursor), Shift (vertical) and no key (horizontal), the tilt
// wheel, the wheel setting refreshed by a settings change, and resizes
// while zoomed.
#include "TestViewW.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

const CRect kFarMax(-100000, 100000, 100000, -100000);  // never in the way

class ViewZoomTest : public ::testing::Test {
 protected:
  void Make(int cx, int cy, DWORD dwStyle) {
    vf = MakeViewInFrame(cx, cy, dwStyle);
    view = vf.view;
  }
  void TearDown() override {
    if (vf.frame != nullptr) vf.frame->DestroyWindow();
    PumpPending();
  }
  LRESULT Wheel(UINT message, WPARAM keys, short z, POINT ptClient) {
    CPoint pt(ptClient);
    view->ClientToScreen(&pt);
    return view->SendMessage(message, MAKEWPARAM(keys, static_cast<WORD>(z)),
                             MAKELPARAM(pt.x, pt.y));
  }
  // The world point under a client point, through a prepared context.
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

// A 500 x 500 view showing (0, 10000, 10000, 0): 20 world units a pixel.
TEST_F(ViewZoomTest, DraggedZoomsAndTheWayBack) {
  ASSERT_EQ(::GetSystemMetrics(SM_CXDRAG), 4);
  ASSERT_EQ(::GetSystemMetrics(SM_CYDRAG), 4);
  Make(500, 500, 0);
  view->SetWindowMax(kFarMax, false);
  view->SetWindow(CRect(0, 10000, 10000, 0), true, {0, 0}, {0, 0});

  CRect click(100, 100, 103, 103);
  view->ZoomIn(&click, true);
  EXPECT_EQ(view->Window(), CRect(0, 10000, 10000, 0)) << "a 3 x 3 drag is a click";
  EXPECT_FALSE(view->IsZoomed());

  // 3 x 10 pixels: (2000, 8000, 2060, 7800), grown to the minimum size
  // around its origin corner.
  CRect drag(100, 100, 103, 110);
  view->ZoomIn(&drag, true);
  EXPECT_EQ(view->Window(), CRect(2000, 12800, 7000, 7800));
  EXPECT_TRUE(view->IsZoomed());

  // Five more: only five windows are recorded in all.
  std::vector<CRect> before{CRect(0, 10000, 10000, 0)};
  for (int i = 1; i < 6; ++i) {
    before.push_back(view->Window());
    CRect rc(20 * i, 30 * i, 20 * i + 300, 30 * i + 300);
    view->ZoomIn(&rc, true);
  }
  // Each drag kept its origin corner (left, bottom): right by 20 i pixels,
  // its bottom 30 i + 300 pixels down, grown to 5000 high.
  EXPECT_EQ(view->Window(), CRect(before[5].left + 1000, before[5].top + 500,
                                   before[5].left + 6000, before[5].top - 4500));
  for (int i = 4; i >= 0; --i) {
    view->ZoomOut(true);
    EXPECT_EQ(view->Window(), before[i]) << "back to the window before zoom-in " << i + 1;
  }
  EXPECT_FALSE(view->IsZoomed());
  view->ZoomOut(true);
  EXPECT_EQ(view->Window(), before[0]) << "nothing left to go back to";

  // No levels: zooms still happen, nothing is recorded.
  EXPECT_EQ(view->GetZoomLevels(), 5);
  view->SetZoomLevels(0);
  EXPECT_EQ(view->GetZoomLevels(), 0);
  view->ZoomIn(&drag, true);
  EXPECT_EQ(view->Window(), CRect(2000, 12800, 7000, 7800));
  EXPECT_FALSE(view->IsZoomed());
  view->ZoomOut(true);
  EXPECT_EQ(view->Window(), CRect(2000, 12800, 7000, 7800));

  // Levels lowered under the entries keep them; to the top empties all.
  view->SetZoomLevels(3);
  for (int i = 0; i < 3; ++i) view->CenterOnPointW(CPoint(4000, 10000), 0.5);
  EXPECT_EQ(view->Window(), CRect(3688, 10313, 4313, 9688));
  view->SetZoomLevels(1);
  view->CenterOnPointW(CPoint(4000, 10000), 2.0);
  EXPECT_TRUE(view->IsZoomed());
  view->ZoomOutToTop(true);
  EXPECT_EQ(view->Window(), CRect(2000, 12800, 7000, 7800));
  EXPECT_FALSE(view->IsZoomed());

  // Centring by a device point, and beyond the maximum window.
  view->SetWindowMax(CRect(0, 10000, 10000, 0), false);
  view->SetWindow(CRect(0, 10000, 10000, 0), true, {0, 0}, {0, 0});
  view->CenterOnPoint(CPoint(250, 250), 2.0);
  EXPECT_EQ(view->Window(), CRect(0, 20000, 20000, 0)) << "shifted onto the maximum";
  view->CenterOnPoint(CPoint(100, 400), 0.5);  // world (4000, 4000)
  EXPECT_EQ(view->Window(), CRect(0, 10000, 10000, 0)) << "shifted again";
}

// Ctrl zooms once a notification and keeps the cursor on its world point.
TEST_F(ViewZoomTest, CtrlWheelZoomsAroundTheCursor) {
  Make(500, 500, 0);
  view->SetWindowMax(kFarMax, false);
  view->SetWindow(CRect(0, 10000, 10000, 0), true, {0, 0}, {0, 0});
  const POINT pt{100, 150};
  const CPoint world = WorldAt(pt);
  EXPECT_EQ(world, CPoint(2000, 7000));

  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_CONTROL, 240, pt), TRUE);
  EXPECT_EQ(view->Window(), CRect(-500, 9500, 4500, 4500)) << "halved once, centred on (2000, 7000)";
  CPoint cursor;
  ::GetCursorPos(&cursor);
  view->ScreenToClient(&cursor);
  const CPoint under = WorldAt(cursor);
  EXPECT_LE(std::abs(under.x - world.x), 10) << "within a pixel (10 world units)";
  EXPECT_LE(std::abs(under.y - world.y), 10);

  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_CONTROL, -120, pt), TRUE);
  EXPECT_EQ(view->Window(), CRect(0, 10000, 10000, 0)) << "one recorded level back";
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_CONTROL, -120, pt), TRUE) << "nothing recorded: still handled";
  EXPECT_EQ(view->Window(), CRect(0, 10000, 10000, 0));
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, 120, pt), FALSE) << "no direction, no Ctrl";
}

// Both bars, 500 x 500 pixels at 10 world units a pixel; the line is a
// fifteenth of the window.
TEST_F(ViewZoomTest, WheelScrollsByLinesAndTheSettingFollowsChanges) {
  Make(500 + ::GetSystemMetrics(SM_CXVSCROLL), 500 + ::GetSystemMetrics(SM_CYHSCROLL),
       WS_HSCROLL | WS_VSCROLL);
  view->SetWindowMax(CRect(0, 10000, 10000, 0), false);
  view->SetWindow(CRect(0, 10000, 5000, 5000), true, {0, 0}, {0, 0});
  ASSERT_EQ(view->View(), CRect(0, 0, 500, 500));
  ASSERT_EQ(GetMouseScrollLines(TRUE), 3u);
  const CSize line = view->LineDev();
  ASSERT_GT(line.cx, 0);
  const POINT pt{10, 10};

  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, -120, pt), TRUE);
  EXPECT_EQ(view->Window().left, 30 * line.cx) << "three lines right";
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_SHIFT, -120, pt), TRUE);
  EXPECT_EQ(view->Window().top, 10000 - 30 * line.cy) << "Shift: three lines down";
  EXPECT_EQ(view->Window().left, 30 * line.cx);
  EXPECT_EQ(Wheel(WM_MOUSEHWHEEL, 0, 120, pt), TRUE);
  EXPECT_EQ(view->Window().left, 60 * line.cx) << "tilted right: three more lines right";
  EXPECT_EQ(Wheel(WM_MOUSEHWHEEL, 0, -120, pt), TRUE);
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, 120, pt), TRUE);
  EXPECT_EQ(view->Window().left, 0);

  // Twenty lines a notch, read again when the frame passes the change on:
  // forwards a notch is cut to a page, backwards it is not.
  ASSERT_TRUE(::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 20, nullptr, 0));
  EXPECT_EQ(GetMouseScrollLines(FALSE), 3u) << "kept until refreshed";
  vf.frame->SendMessage(WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
  EXPECT_EQ(GetMouseScrollLines(FALSE), 20u);
  const CSize page = view->PageDev();
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, -120, pt), TRUE);
  EXPECT_EQ(view->Window().left, 10 * page.cx);
  ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 3, nullptr, 0);
  GetMouseScrollLines(TRUE);
}

TEST_F(ViewZoomTest, OnlyAVerticalBarScrollsOnlyWithShift) {
  Make(500 + ::GetSystemMetrics(SM_CXVSCROLL), 500, WS_VSCROLL);
  view->SetWindowMax(CRect(0, 10000, 10000, 0), false);
  view->SetWindow(CRect(0, 10000, 5000, 5000), true, {0, 0}, {0, 0});
  ASSERT_TRUE(BarVisible(*view, SB_VERT));
  const POINT pt{10, 10};
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, 0, -120, pt), TRUE);
  EXPECT_EQ(Wheel(WM_MOUSEHWHEEL, 0, 120, pt), TRUE);
  EXPECT_EQ(view->Window(), CRect(0, 10000, 5000, 5000)) << "no horizontal direction";
  EXPECT_EQ(Wheel(WM_MOUSEWHEEL, MK_SHIFT, -120, pt), TRUE);
  EXPECT_EQ(view->Window().top, 10000 - 30 * view->LineDev().cy);
}

// Zoomed by centring, then resized: without the keep-scale bit the area
// shown is refitted (it only grows); with it the scale stays.
TEST_F(ViewZoomTest, ResizesWhileZoomed) {
  Make(400, 300, 0);
  view->SetWindowMax(kFarMax, false);
  view->SetScaleMode(0);
  view->SetWindow(CRect(0, 15000, 20000, 0), true, {0, 0}, {0, 0});
  view->CenterOnPointW(CPoint(5000, 3750), 0.5);
  ASSERT_EQ(view->Window(), CRect(0, 7500, 10000, 0));
  ResizeFrame(vf, 200, 300);
  EXPECT_EQ(view->Window(), CRect(0, 15000, 10000, 0));
  ResizeFrame(vf, 400, 300);
  EXPECT_EQ(view->Window(), CRect(0, 15000, 20000, 0));

  view->SetScaleMode(SCALE_KEEP_SCALE);
  ResizeFrame(vf, 800, 300);
  EXPECT_EQ(view->Window(), CRect(0, 15000, 40000, 0)) << "50 world units a pixel kept";
  view->ZoomOut(true);
  EXPECT_FALSE(view->IsZoomed());
  const CRect unzoomed = view->Window();
  ResizeFrame(vf, 400, 300);
  EXPECT_EQ(view->Window(), unzoomed) << "unzoomed: the window stays";
}

}  // namespace
