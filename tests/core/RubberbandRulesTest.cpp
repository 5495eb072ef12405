#include "controls/RubberbandRules.h"

#include <gtest/gtest.h>

using namespace varnel::controls;

namespace {

constexpr UINT kShift = 0x0004;
constexpr UINT kSnap = RBS_SHIFTCONSTRAIN | RBS_AXISSNAP;

TEST(RubberbandRules, ShiftConstrainsToDiagonalsAndAxes) {
  const struct {
    UINT nStyle, nKeys;
    tagPOINT anchor, point, expected;
  } cases[] = {
      {kSnap, kShift, {0, 0}, {10, 3}, {10, 0}},
      {kSnap, kShift, {0, 0}, {3, 10}, {0, 10}},
      {kSnap, kShift, {0, 0}, {10, 8}, {10, 10}},
      {kSnap, kShift, {0, 0}, {-10, 6}, {-10, 10}},
      {kSnap, kShift, {0, 0}, {10, 5}, {10, 10}},  // exactly twice: still diagonal
      {RBS_SHIFTCONSTRAIN, kShift, {0, 0}, {10, 3}, {10, 10}},
      {RBS_SHIFTCONSTRAIN, kShift, {0, 0}, {-4, 0}, {-4, -4}},
      {RBS_SHIFTCONSTRAIN, kShift, {0, 0}, {0, 0}, {0, 0}},
      {RBS_SHIFTCONSTRAIN, kShift, {100, 50}, {97, 60}, {90, 60}},
      {RBS_SHIFTCONSTRAIN, 0, {0, 0}, {10, 3}, {10, 3}},  // Shift not held
      {RBS_AXISSNAP, kShift, {0, 0}, {10, 3}, {10, 3}},   // constraint not asked for
  };
  for (const auto& c : cases) {
    const tagPOINT p = ConstrainToAnchor(c.anchor, c.point, c.nStyle, c.nKeys);
    EXPECT_EQ(p.x, c.expected.x) << c.point.x << "," << c.point.y;
    EXPECT_EQ(p.y, c.expected.y) << c.point.x << "," << c.point.y;
  }
}

TEST(RubberbandRules, AutoScrollByTheDistancePastTheEdge) {
  const tagRECT client = {0, 0, 100, 100};
  const struct {
    tagPOINT point;
    tagSIZE expected;
  } cases[] = {
      {{-10, 50}, {-10, 0}}, {{100, 100}, {1, 1}}, {{150, 50}, {51, 0}},
      {{99, 0}, {0, 0}},     {{50, -3}, {0, -3}},  {{-2147483647 - 1, 50}, {-2147483647 - 1, 0}},
  };
  for (const auto& c : cases) {
    const tagSIZE s = AutoScrollAmount(client, c.point);
    EXPECT_EQ(s.cx, c.expected.cx) << c.point.x << "," << c.point.y;
    EXPECT_EQ(s.cy, c.expected.cy) << c.point.x << "," << c.point.y;
  }
}

TEST(RubberbandRules, APressWithinFivePixelsKeepsTheAnchor) {
  EXPECT_TRUE(IsSameAnchor({20, 20}, {25, 15}));
  EXPECT_TRUE(IsSameAnchor({20, 20}, {20, 20}));
  EXPECT_FALSE(IsSameAnchor({20, 20}, {26, 20}));
  EXPECT_FALSE(IsSameAnchor({20, 20}, {20, 14}));
  // At 144 dots per inch the reach is 8 pixels (7.5 rounded).
  const LONG reach = RubberbandPixels(kRubberbandSameAnchorReach, 144);
  EXPECT_TRUE(IsSameAnchor({20, 20}, {28, 12}, reach));
  EXPECT_FALSE(IsSameAnchor({20, 20}, {29, 20}, reach));
}

TEST(RubberbandRules, LengthsScaleWithTheDensityToTheNearestPixel) {
  const struct {
    LONG n96;
    UINT dpi;
    LONG pixels;
  } cases[] = {
      {2, 96, 2},  {5, 96, 5},  {2, 144, 3}, {5, 144, 8},  // 7.5 rounds up
      {5, 120, 6}, {2, 120, 3},                            // 6.25 down, 2.5 up
      {5, 192, 10}, {2, 72, 2}, {1, 30, 1},                // never below a pixel
      {0, 144, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RubberbandPixels(c.n96, c.dpi), c.pixels) << c.n96 << " at " << c.dpi;
  }
}

}  // namespace
