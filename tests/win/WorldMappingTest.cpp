// The world mapping on real device contexts: the conversions agree with
// GDI's own mapping, and the mapping stack behaves through the exported
// functions.
#include "DibCanvas.h"
#include "WorldViewMapping.h"
#include "draw/WorldMapping.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(WorldMapping, WorkedExampleBothWays) {
  DibCanvas canvas(500, 500);
  CDC& dc = canvas.dc();
  dc.SetMapMode(MM_ANISOTROPIC);  // extents count only in the scaling modes
  dc.SetWindowOrg(0, 0);
  dc.SetWindowExt(500, 500);
  SetWorldOrg(&dc, 0, 0);
  SetWorldExt(&dc, 10000, 10000);
  tagPOINT p = {5000, 2500};
  WPtoLP(&dc, &p, &p, 1);
  EXPECT_EQ(p.x, 250);
  EXPECT_EQ(p.y, 125);
  LPtoWP(&dc, &p, &p, 1);
  EXPECT_EQ(p.x, 5000);
  EXPECT_EQ(p.y, 2500);
}

// Sets the platform value for one test and puts the system's back.
class PlatformFamily {
 public:
  explicit PlatformFamily(bool bWinNT) : m_saved(m_bWinNT) { m_bWinNT = bWinNT; }
  ~PlatformFamily() { m_bWinNT = m_saved; }
  PlatformFamily(const PlatformFamily&) = delete;
  PlatformFamily& operator=(const PlatformFamily&) = delete;

 private:
  bool m_saved;
};

struct ClampCase {
  bool bWinNT;
  tagPOINT world, logical, device;
};

// Outside the NT family the results from world coordinates stay within
// +-16000; logical and device coordinates are clamped each on their own.
TEST(WorldMapping, ResultsFromWorldAreClampedOutsideTheNtFamily) {
  const ClampCase cases[] = {
      {false, {9000, -9000}, {9000, -9000}, {16000, -16000}},
      {false, {20000, -20000}, {16000, -16000}, {16000, -16000}},
      {false, {-8000, 8000}, {-8000, 8000}, {-16000, 16000}},
      {true, {9000, -9000}, {9000, -9000}, {18000, -18000}},
      {true, {20000, -20000}, {20000, -20000}, {40000, -40000}},
  };
  DibCanvas canvas(16, 16);
  CDC& dc = canvas.dc();
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(1, 1);
  dc.SetViewportExt(2, 2);  // a device unit is half a logical one
  SetWorldOrg(&dc, 0, 0);
  SetWorldExt(&dc, 1, 1);
  for (const ClampCase& c : cases) {
    PlatformFamily family(c.bWinNT);
    tagPOINT logical = c.world, device = c.world;
    WPtoLP(&dc, &logical, &logical, 1);
    WPtoDP(&dc, &device, &device, 1);
    EXPECT_EQ(logical.x, c.logical.x) << c.bWinNT << " " << c.world.x;
    EXPECT_EQ(logical.y, c.logical.y) << c.bWinNT << " " << c.world.x;
    EXPECT_EQ(device.x, c.device.x) << c.bWinNT << " " << c.world.x;
    EXPECT_EQ(device.y, c.device.y) << c.bWinNT << " " << c.world.x;
  }
}

// World to device directly must land where world to logical followed by
// GDI's own logical-to-device lands, on every point. That holds while the
// viewport extent is the window extent flipped. In the anisotropic mode it
// always is; in the isotropic mode Wine shrinks the viewport extent by a
// pixel or two for many sizes, how many depending on its desktop (its
// pixels are not square in millimetres), and such setups are left out,
// since the two ways then round differently.
TEST(WorldMapping, DeviceResultsAgreeWithGdiOnRandomPoints) {
  std::mt19937 rng(8);
  DibCanvas canvas(16, 16);
  CDC& dc = canvas.dc();
  int setupsCompared = 0;
  for (int setup = 0; setup < 100; ++setup) {
    const int w = 1 + static_cast<int>(rng() % 3000), h = 1 + static_cast<int>(rng() % 3000);
    const LONG left = static_cast<LONG>(rng() % 200001) - 100000;
    const LONG bottom = static_cast<LONG>(rng() % 200001) - 100000;
    const RECT world = {left, bottom + 1 + static_cast<LONG>(rng() % 500000),
                        left + 1 + static_cast<LONG>(rng() % 500000), bottom};
    PrepareAsWorldView(dc, w, h, world);
    if (setup % 2 == 1) dc.SetMapMode(MM_ANISOTROPIC);  // keeps the extents as set
    dc.SetWindowExt(w, h);
    dc.SetViewportExt(w, -h);
    if (dc.GetViewportExt() != CSize(w, -h)) {
      ASSERT_EQ(dc.GetMapMode(), MM_ISOTROPIC) << "setup " << setup;
      continue;
    }
    ++setupsCompared;
    for (int i = 0; i < 2000; ++i) {
      const tagPOINT wp = {left + static_cast<LONG>(rng() % 1000001) - 500000,
                           bottom + static_cast<LONG>(rng() % 1000001) - 500000};
      tagPOINT device = wp, logical = wp;
      WPtoDP(&dc, &device, &device, 1);
      WPtoLP(&dc, &logical, &logical, 1);
      dc.LPtoDP(&logical);
      ASSERT_EQ(device.x, logical.x) << "setup " << setup << " point " << wp.x << "," << wp.y;
      ASSERT_EQ(device.y, logical.y) << "setup " << setup << " point " << wp.x << "," << wp.y;
    }
  }
  EXPECT_GE(setupsCompared, 50);  // every anisotropic one
}

TEST(WorldMapping, DeviceToWorldReadsTheViewport) {
  DibCanvas canvas(200, 150);
  CDC& dc = canvas.dc();
  PrepareAsWorldView(dc, 200, 150, RECT{0, 1500, 2000, 0});
  tagPOINT bottomLeft = {0, 150}, topRight = {200, 0};
  DPtoWP(&dc, &bottomLeft, &bottomLeft, 1);
  DPtoWP(&dc, &topRight, &topRight, 1);
  EXPECT_EQ(bottomLeft.x, 0);
  EXPECT_EQ(bottomLeft.y, 0);
  EXPECT_EQ(topRight.x, 2000);
  EXPECT_EQ(topRight.y, 1500);
}

TEST(WorldMapping, RectanglesConvertAsTwoPointsWithoutReordering) {
  DibCanvas canvas(200, 150);
  CDC& dc = canvas.dc();
  PrepareAsWorldView(dc, 200, 150, RECT{0, 1500, 2000, 0});
  tagRECT world = {500, 1000, 1500, 250};  // left, top, right, bottom
  tagRECT device = {};
  WPtoDP(&dc, &world, &device);
  EXPECT_EQ(device.left, 50);
  EXPECT_EQ(device.top, 50);
  EXPECT_EQ(device.right, 150);
  EXPECT_EQ(device.bottom, 125);
  tagRECT back = device;
  DPtoWP(&dc, &back, &back);  // in place
  EXPECT_EQ(back.left, 500);
  EXPECT_EQ(back.top, 1000);
  tagRECT swapped = {1500, 250, 500, 1000};
  WPtoLP(&dc, &swapped, &swapped);
  EXPECT_EQ(swapped.left, 150) << "left stays left even when it ends up right of right";
  EXPECT_EQ(swapped.right, 50);
}

TEST(WorldMapping, StackLevelsKeepTheirOwnValues) {
  CDC* none = nullptr;
  SetWorldOrg(none, 11, 12);
  SetPixelScale(none, 2.5);
  PushDC();
  EXPECT_EQ(GetWorldOrg(none).x, 0) << "a level used first holds zero, not the level below";
  SetWorldOrg(none, 21, 22);
  for (int i = 0; i < 5; ++i) PushDC();  // stays at the top level
  SetWorldExt(none, tagPOINT{41, 42});
  PopDC();
  PopDC();
  PopDC();  // back to level 1
  EXPECT_EQ(GetWorldOrg(none).x, 21);
  PopDC();
  EXPECT_EQ(GetWorldOrg(none).x, 11);
  EXPECT_EQ(GetPixelScale(none), 2.5);
  PopDC();  // below the first level: nothing
  EXPECT_EQ(GetWorldOrg(none).y, 12);
  for (int i = 0; i < 4; ++i) PushDC();
  EXPECT_EQ(GetWorldExt(none).x, 41) << "the top level kept its extent";
  for (int i = 0; i < 4; ++i) PopDC();
}

}  // namespace
