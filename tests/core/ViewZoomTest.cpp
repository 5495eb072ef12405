#include "view/ViewZoom.h"

#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <vector>

using namespace varnel::view;

namespace {

TEST(ViewZoom, WheelDistances) {
  // steps (positive: right or down), page setting, pixels; line 27, page 380
  const struct {
    int64_t steps;
    bool pages;
    LONG d;
  } cases[] = {
      {-3, false, -81}, {3, false, 81},      // three lines a notch
      {20, false, 380}, {-20, false, -540},  // cut to a page forwards only
      {-1, false, -27}, {1, false, 27},      // one line is a line, not a page
      {-1, true, -380}, {2, true, 380},      // the page setting: a page
      {0, false, 0},    {0, true, 0},
      {int64_t{1} << 40, false, 380}, {-(int64_t{1} << 40), false, -380},  // beyond 32 bits
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WheelScrollDistance(c.steps, c.pages, 27, 380), c.d) << c.steps << ", " << c.pages;
  }
  EXPECT_EQ(WheelScrollDistance(-3000000, false, 1000, 380), INT_MIN) << "held to 32 bits";
}

// Parts of notches add up to whole steps; the rest waits.
TEST(ViewZoom, WheelPartsAddUpToNotches) {
  struct Case {
    const char* name;
    unsigned int steps;            // a notch
    std::vector<int> z;            // the reports
    std::vector<int64_t> counts;   // the steps each gives
  };
  const Case cases[] = {
      {"a third of a notch is a line", 3, {40, 40, 40}, {1, 1, 1}},
      {"twelve tenths: a notch", 3, {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10},
       {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1}},
      {"one line a notch", 1, {120, -120, 60, 60}, {1, -1, 0, 1}},
      {"turned back: the parts start afresh", 1, {100, -30, -90}, {0, 0, -1}},
      {"whole notches at once", 3, {240, -360}, {6, -9}},
      {"the page setting counts notches", kWheelPageScroll, {60, 60, 120}, {0, 1, 1}},
      {"seven a notch: nearly a line each", 7, {17, 17, 17, 17}, {0, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WheelAccumulator wheel;
    for (size_t i = 0; i < c.z.size(); ++i) {
      EXPECT_EQ(wheel.Add(c.z[i], c.steps), c.counts[i]) << i;
    }
  }
  WheelAccumulator changed;
  EXPECT_EQ(changed.Add(100, 1), 0);
  EXPECT_EQ(changed.Add(100, 3), 2) << "a new setting drops the parts: 300 / 120";
  changed.Reset();
  EXPECT_EQ(changed.Add(100, 3), 2) << "300 thirds of a line";
  EXPECT_EQ(changed.Add(-32768, 0xFFFFFFFEu), -(int64_t{32768} * 0xFFFFFFFEu / 120));
}

// A zoom in stops at the floor: the last step lands on it, the next is
// refused. Zooming out is never held.
TEST(ViewZoom, ZoomInStopsAtTheFloor) {
  const struct {
    tagSIZE window;
    double f;
    bool zooms;
    tagSIZE size;
  } cases[] = {
      {{40000, 30000}, 0.5, true, {20000, 15000}},
      {{8000, 6000}, 0.5, true, {6666, 5000}},   // cut to land on 5000 high
      {{6666, 5000}, 0.5, false, {0, 0}},        // on the floor: refused
      {{6000, 4000}, 0.5, false, {0, 0}},        // below it: refused
      {{10000, 7500}, 0.75, true, {7500, 5625}},
      {{9999, 10001}, 0.5, true, {5000, 5001}},  // the wider one lands on it
      {{4000, 3000}, 2.0, true, {8000, 6000}},   // out, from below the floor
      {{0, 3000}, 0.5, false, {0, 0}},           // no size
      {{8000, 6000}, std::numeric_limits<double>::quiet_NaN(), false, {0, 0}},
  };
  for (const auto& c : cases) {
    tagSIZE size{0, 0};
    EXPECT_EQ(ZoomedSizeAboveFloor(c.window, c.f, {5000, 5000}, &size), c.zooms)
        << c.window.cx << " x " << c.window.cy << " by " << c.f;
    if (!c.zooms) continue;
    EXPECT_EQ(size.cx, c.size.cx);
    EXPECT_EQ(size.cy, c.size.cy);
  }
  // A floor of its own in each dimension; 8472 * (5000 / 8472) falls just
  // short of 5000 in doubles.
  tagSIZE narrow{0, 0};
  ASSERT_TRUE(ZoomedSizeAboveFloor({8472, 20000}, 0.5, {5000, 3000}, &narrow));
  EXPECT_EQ(narrow.cx, 5000);
  EXPECT_EQ(narrow.cy, 11803);
  // Sixteen Ctrl+wheel notches on a 40000-unit window stop at the floor.
  tagSIZE size{40000, 30000};
  int nZooms = 0;
  for (int i = 0; i < 16; ++i) nZooms += ZoomedSizeAboveFloor(size, 0.5, {5000, 5000}, &size);
  EXPECT_EQ(nZooms, 3);
  EXPECT_EQ(size.cx, 6666);
  EXPECT_EQ(size.cy, 5000);
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
