#include "view/ViewZoom.h"

#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

TEST(ViewZoom, WheelDistances) {
  const struct {
    int z;
    unsigned int lines;
    LONG d;
  } cases[] = {
      {120, 3, -81},  {-120, 3, 81},    // three lines a notch, line 27 pixels
      {-120, 20, 380}, {120, 20, -540},  // cut to a page forwards only
      {120, 1, -380}, {-120, 1, 27},    // MulDiv's -1 reads as a page
      {120, kWheelPageScroll, -380}, {-120, kWheelPageScroll, 380},
      {60, 3, -54},   {0, 3, 0},        // half a notch rounds away from zero
      {32767, 100000000, -380},         // MulDiv overflows: a page
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WheelScrollDistance(c.z, c.lines, 27, 380), c.d) << c.z << ", " << c.lines;
  }
  EXPECT_EQ(WheelScrollDistance(32767, 100000, 1000, 380), INT_MIN) << "held to 32 bits";
}

TEST(ViewZoom, WheelActionsDragsAndStackLevels) {
  using A = WheelAction;
  const unsigned int shift = 4, control = 8;
  EXPECT_EQ(ChooseWheelAction(0, 120, true, true), A::ScrollHorz);
  EXPECT_EQ(ChooseWheelAction(shift, 120, true, true), A::ScrollVert);
  EXPECT_EQ(ChooseWheelAction(shift, 120, true, false), A::Nothing);
  EXPECT_EQ(ChooseWheelAction(shift, 120, false, false), A::Refuse);
  EXPECT_EQ(ChooseWheelAction(control, 1, false, false), A::ZoomIn);
  EXPECT_EQ(ChooseWheelAction(control | shift, 0, true, true), A::ZoomOut);

  EXPECT_FALSE(IsZoomDrag({10, 10, 13, 13}, {4, 4})) << "3 x 3 is a click";
  EXPECT_TRUE(IsZoomDrag({10, 10, 14, 11}, {4, 4})) << "one dimension at the threshold";
  EXPECT_FALSE(IsZoomDrag({20, 10, 10, 12}, {4, 4})) << "drawn backwards counts as narrow";
  EXPECT_TRUE(ZoomStackRecords(4, 5));
  EXPECT_FALSE(ZoomStackRecords(5, 5));
  EXPECT_FALSE(ZoomStackRecords(3, 2)) << "levels lowered below the entries";
}

TEST(ViewZoom, WindowCentredOnAPointHeldTo32Bits) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    tagPOINT pt;
    tagSIZE size;
    double f;
    tagRECT rc;  // (left, top, right, bottom)
  } cases[] = {
      {{5000, 5000}, {10000, 10000}, 0.5, {2500, 7500, 7500, 2500}},
      {{5000, 5000}, {10000, 10000}, 2.0, {-5000, 15000, 15000, -5000}},
      {{0, 0}, {1, 1}, 0.5, {0, 0, 0, 0}},       // a unit truncates to nothing
      {{0, 0}, {-10, 10}, 0.5, {2, 3, -3, -2}},  // halves truncate toward zero
      {{0, 0}, {1000000, 0}, 1e6, {-(INT_MAX / 2), 0, INT_MAX / 2 + 1, 0}},
      {{0, 0}, {-1000000, 0}, 1e6, {-(INT_MIN / 2), 0, INT_MIN / 2, 0}},
      {{7, 7}, {1, 0}, std::numeric_limits<double>::quiet_NaN(), {7, 7, 7, 7}},
      {{7, 7}, {1, 0}, inf, {7 - INT_MAX / 2, 7, 8 + INT_MAX / 2, 7}},  // 0 x inf is NaN
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

}  // namespace
