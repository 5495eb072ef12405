#include "view/ViewZoom.h"

#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

constexpr unsigned int kShift = 4;
constexpr unsigned int kControl = 8;

TEST(ViewZoom, WheelDistances) {
  const LONG line = 27;
  const LONG page = 380;
  const struct {
    int z;
    unsigned int lines;
    LONG d;
  } cases[] = {
      {120, 3, -81},      {-120, 3, 81},         // three lines a notch, both ways
      {-120, 20, 380},    {120, 20, -540},       // cut to a page only forwards
      {120, 1, -380},     {-120, 1, 27},         // MulDiv's -1 reads as a page
      {120, kWheelPageScroll, -380}, {-120, kWheelPageScroll, 380},
      {240, 3, -162},     {0, 3, 0},   {60, 3, -54},  // two notches, none, half (rounded away)
      {-32768, 3, 380},   {32767, 100000000, -380},  // MulDiv overflow reads as a page
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WheelScrollDistance(c.z, c.lines, line, page), c.d)
        << "z " << c.z << ", lines " << c.lines;
  }
  EXPECT_EQ(WheelScrollDistance(32767, 100000, 1000, page), INT_MIN) << "held to 32 bits";
}

TEST(ViewZoom, WheelActionsByKeysAndDirections) {
  using A = WheelAction;
  const struct {
    unsigned int flags;
    int z;
    bool horz, vert;
    A action;
  } cases[] = {
      {0, 120, true, true, A::ScrollHorz},   {kShift, 120, true, true, A::ScrollVert},
      {0, 120, false, true, A::Nothing},     {kShift, 120, false, true, A::ScrollVert},
      {kShift, 120, true, false, A::Nothing}, {0, 120, false, false, A::Refuse},
      {kShift, -120, false, false, A::Refuse},
      {kControl, 240, false, false, A::ZoomIn}, {kControl, 1, true, true, A::ZoomIn},
      {kControl, 0, true, true, A::ZoomOut},  {kControl | kShift, -120, false, false, A::ZoomOut},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseWheelAction(c.flags, c.z, c.horz, c.vert), c.action)
        << "flags " << c.flags << ", z " << c.z << ", bars " << c.horz << c.vert;
  }
}

TEST(ViewZoom, DragThresholdAndStackLevels) {
  const tagSIZE drag{4, 4};
  EXPECT_FALSE(IsZoomDrag({10, 10, 13, 13}, drag)) << "3 x 3 is a click";
  EXPECT_TRUE(IsZoomDrag({10, 10, 13, 20}, drag)) << "one dimension is enough";
  EXPECT_TRUE(IsZoomDrag({10, 10, 14, 11}, drag)) << "the threshold itself zooms";
  EXPECT_FALSE(IsZoomDrag({20, 10, 10, 12}, drag)) << "drawn backwards counts as narrow";

  EXPECT_TRUE(ZoomStackRecords(4, 5));
  EXPECT_FALSE(ZoomStackRecords(5, 5));
  EXPECT_FALSE(ZoomStackRecords(0, 0));
  EXPECT_FALSE(ZoomStackRecords(3, 2)) << "levels lowered below the entries";
}

TEST(ViewZoom, WindowCentredOnAPoint) {
  const struct {
    tagPOINT pt;
    tagSIZE size;
    double f;
    tagRECT rc;  // (left, top, right, bottom)
  } cases[] = {
      {{5000, 5000}, {10000, 10000}, 0.5, {2500, 7500, 7500, 2500}},
      {{5000, 5000}, {10000, 10000}, 2.0, {-5000, 15000, 15000, -5000}},
      {{0, 0}, {1, 1}, 0.5, {0, 0, 0, 0}},      // a unit truncates to nothing
      {{0, 0}, {0, 0}, 0.5, {0, 0, 0, 0}},      // and stays there
      {{100, 100}, {301, 201}, 1.0, {-50, 201, 251, 0}},
      {{0, 0}, {-10, 10}, 0.5, {2, 3, -3, -2}},  // halves truncate toward zero
  };
  for (const auto& c : cases) {
    const tagRECT rc = WindowCenteredOn(c.pt, c.size, c.f);
    EXPECT_EQ(rc.left, c.rc.left);
    EXPECT_EQ(rc.top, c.rc.top);
    EXPECT_EQ(rc.right, c.rc.right);
    EXPECT_EQ(rc.bottom, c.rc.bottom);
  }
  // Zoomed out beyond the maximum window, the window is shifted onto it.
  tagRECT out = WindowCenteredOn({5000, 5000}, {10000, 10000}, 2.0);
  EXPECT_TRUE(ShiftIntoRange(out, {0, 10000, 10000, 0}));
  EXPECT_EQ(out.left, 0);
  EXPECT_EQ(out.top, 20000);
  EXPECT_EQ(out.right, 20000);
  EXPECT_EQ(out.bottom, 0);
}

TEST(ViewZoom, ScaledDimensionsHeldTo32Bits) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    LONG n;
    double f;
    LONG r;
  } cases[] = {
      {10000, 0.5, 5000},  {3, 0.5, 1},           {-3, 0.5, -1},
      {10000, 1e9, INT_MAX}, {-10000, 1e9, INT_MIN}, {10000, -1e9, INT_MIN},
      {1, inf, INT_MAX},   {0, inf, 0},           {1, nan, 0},
      {INT_MAX, 1.0, INT_MAX}, {INT_MIN, 1.0, INT_MIN},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScaleWindowDimension(c.n, c.f), c.r) << c.n << " x " << c.f;
  }
  // A window grown past 32 bits still has its edges where 32-bit wrapping
  // puts them, with its width the largest there is.
  const tagRECT rc = WindowCenteredOn({0, 0}, {1000000, 1000000}, 1e6);
  EXPECT_EQ(rc.left, -(INT_MAX / 2));
  EXPECT_EQ(rc.right, INT_MAX / 2 + 1);
}

}  // namespace
