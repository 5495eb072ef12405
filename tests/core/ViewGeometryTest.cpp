#include "view/ViewDensity.h"
#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace varnel::view;

namespace {

// World rectangles are written (left, top, right, bottom).
bool Same(const tagRECT& a, const tagRECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

::testing::AssertionResult RectIs(const tagRECT& actual, const tagRECT& expected) {
  if (Same(actual, expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << actual.left << ", " << actual.top << ", " << actual.right << ", "
         << actual.bottom << ") instead of (" << expected.left << ", " << expected.top << ", "
         << expected.right << ", " << expected.bottom << ")";
}

const tagSIZE kView{400, 300};
const tagSIZE kMin{5000, 5000};

TEST(ViewGeometry, FitsRectanglesToTheViewAndTheMinimumSize) {
  struct Case {
    tagRECT in;
    unsigned int fit;
    bool keepOrigin;
    tagRECT out;
  };
  const tagRECT square{0, 10000, 10000, 0};
  const tagRECT small{1000, 3000, 2000, 1000};
  const Case cases[] = {
      {square, 3, false, {-1666, 10000, 11667, 0}},
      {square, 3, true, {0, 10000, 13333, 0}},
      {square, 1, false, {0, 8750, 10000, 1250}},
      {square, 1, true, {0, 7500, 10000, 0}},
      {square, 2, false, {-1666, 10000, 11667, 0}},
      {square, 2, true, {0, 10000, 13333, 0}},
      {square, 0, false, square},
      {square, 0, true, square},
      {square, 16 | 3, true, {0, 10000, 13333, 0}},  // only the low two bits count
      {small, 3, false, {-1833, 4500, 4834, -500}},
      {small, 3, true, {1000, 6000, 7667, 1000}},
      {small, 0, false, {-1000, 4500, 4000, -500}},  // the minimum size alone
      {small, 0, true, {1000, 6000, 6000, 1000}},
      {small, 1, true, {1000, 4750, 6000, 1000}},
      {small, 2, true, {1000, 6000, 7667, 1000}},
  };
  for (const Case& c : cases) {
    tagRECT r = c.in;
    FitRectToView(r, c.fit, c.keepOrigin, kView, kMin);
    EXPECT_TRUE(RectIs(r, c.out)) << "fit " << c.fit << " keepOrigin " << c.keepOrigin;
  }
  // A rectangle fitted once stays as it is when fitted both ways again,
  // whichever way its proportions round (a zoom out returns to it).
  const struct {
    tagRECT rc;
    unsigned int fit;
    tagSIZE view;
  } fitted[] = {
      {{0, 11000, 16000, 0}, 1, {788, 550}},  // height 11168: 16000.69 back
      {{0, 10000, 10000, 0}, 2, {383, 300}},
      {{-71, 4321, 6543, -2}, 1, {333, 331}},
      {{5, 98765, 123, 4}, 2, {640, 97}},
  };
  for (const auto& f : fitted) {
    tagRECT once = f.rc;
    FitRectToView(once, f.fit, true, f.view, {0, 0});
    for (bool keepOrigin : {true, false}) {
      tagRECT again = once;
      FitRectToView(again, 3, keepOrigin, f.view, {0, 0});
      EXPECT_TRUE(RectIs(again, once));
    }
  }
  // Fit both only ever grows: a wide rectangle gains height.
  tagRECT wide{0, 1000, 40000, 0};
  FitRectToView(wide, 3, true, kView, {0, 0});
  EXPECT_TRUE(RectIs(wide, {0, 30000, 40000, 0}));
  // A view without width makes the derived dimension MulDiv's -1.
  tagRECT flat = square;
  FitRectToView(flat, 3, true, {0, 300}, kMin);
  EXPECT_TRUE(RectIs(flat, {0, -1, 10000, 0}));
}

TEST(ViewGeometry, ShiftsIntoTheMaximumWindowWithoutResizing) {
  struct Case {
    tagRECT in;
    tagRECT out;
    bool changed;
  };
  const tagRECT max{0, 10000, 10000, 0};
  const Case cases[] = {
      {{-500, 12000, 9500, 2000}, {0, 10000, 10000, 0}, true},
      {{1000, 9000, 4000, 500}, {1000, 9000, 4000, 500}, false},
      {{-3000, 10000, 17000, 0}, {0, 10000, 20000, 0}, true},   // wider: left on max.left
      {{0, 13000, 5000, -2000}, {0, 15000, 5000, 0}, true},      // taller: bottom on max.bottom
      {{7000, 3000, 12000, -1000}, {5000, 4000, 10000, 0}, true},
      {{0, 20000, 20000, 0}, {0, 20000, 20000, 0}, true},  // too big: aligned, yet "changed"
  };
  for (const Case& c : cases) {
    tagRECT r = c.in;
    EXPECT_EQ(ShiftIntoRange(r, max), c.changed);
    EXPECT_TRUE(RectIs(r, c.out));
  }
}

TEST(ViewGeometry, KeepsTheScaleWhenTheViewChangesSize) {
  struct Case {
    tagSIZE view;
    tagSIZE prev;
    tagRECT out;
  };
  const tagRECT window{0, 10000, 10000, 0};
  const Case cases[] = {
      {{800, 300}, {400, 300}, {0, 10000, 20000, 0}},   // width only
      {{400, 150}, {400, 300}, {0, 5000, 10000, 0}},    // height only
      {{200, 600}, {400, 300}, {0, 20000, 5000, 0}},    // both
      {{400, 300}, {400, 300}, {0, 10000, 10000, 0}},   // unchanged
      {{800, 300}, {0, 300}, {0, 10000, 10000, 0}},     // no previous width: the width stays
  };
  for (const Case& c : cases) {
    const ViewScale scale = ScaleToKeep({{1, 1}, {1, 1}}, {10000, 10000}, c.prev);
    EXPECT_TRUE(RectIs(WindowKeepingScale(window, c.view, scale), c.out));
  }
  const tagRECT moved{-300, 700, 9700, -9300};
  EXPECT_TRUE(RectIs(WindowKeepingScale(moved, {800, 300}, {{10000, 10000}, {400, 300}}),
                     {-300, 700, 19700, -9300}))
      << "the origin corner stays";
}

// A live resize: one size after another, each keeping the scale of the
// window the one before left. The rounding of each step must not add up.
TEST(ViewGeometry, TheKeptScaleSurvivesAnySequenceOfSizes) {
  struct Case {
    tagSIZE world;  // the window shown in an 800 x 600 view
    const char* scale;
  };
  const Case cases[] = {
      {{100, 75}, "8 pixels a unit"},
      {{480, 360}, "0.6 units a pixel"},
      {{243, 182}, "3.3 pixels a unit"},
      {{296, 222}, "0.37 units a pixel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scale);
    tagRECT window{-7, c.world.cy - 3, c.world.cx - 7, -3};
    ViewScale kept{{1, 1}, {1, 1}};  // anything: the first resize replaces it
    tagSIZE prev{800, 600};
    auto resize = [&](tagSIZE view) {
      kept = ScaleToKeep(kept, {WorldWidth(window), WorldHeight(window)}, prev);
      window = WindowKeepingScale(window, view, kept);
      prev = view;
    };
    for (LONG w = 801; w <= 1600; ++w) resize({w, 600});
    EXPECT_EQ(WorldWidth(window), 2 * c.world.cx) << "twice the pixels, twice the units";
    EXPECT_EQ(WorldHeight(window), c.world.cy);
    for (LONG w = 1599; w >= 1; --w) resize({w, 600 - (1600 - w) % 7});  // a pane narrowed away
    resize({800, 600});
    EXPECT_TRUE(RectIs(window, {-7, c.world.cy - 3, c.world.cx - 7, -3}))
        << "back to the window it started from";
  }
  // The kept scale stays while it gives the window shown; any other
  // change of the window starts from the window as shown.
  const ViewScale kept{{100, 75}, {800, 600}};
  EXPECT_EQ(ScaleToKeep(kept, {113, 75}, {900, 600}).world.cx, 100) << "112.5 shown as 113";
  EXPECT_EQ(ScaleToKeep(kept, {113, 75}, {900, 600}).view.cx, 800);
  const ViewScale zoomed = ScaleToKeep(kept, {50, 38}, {900, 600});
  EXPECT_EQ(zoomed.world.cx, 50);
  EXPECT_EQ(zoomed.view.cx, 900);
}

// The passes of a fit end when the view holds still, and give up when its
// size comes back to one seen before.
// At a new density the scale follows it: each dimension times the view's
// growth and the inverse of the density's, to the nearest unit, the origin
// corner kept; a view that grew as the density did shows the same window.
TEST(ViewGeometry, TheWindowAtANewDensity) {
  const tagRECT window = {-500, 7525, 10025, -1000};  // 10525 x 8525
  const struct {
    const char* name;
    tagSIZE before, after;
    UINT nOld, nNew;
    tagRECT expected;
  } cases[] = {
      {"grew with the density", {400, 300}, {600, 450}, 96, 144, window},
      {"grew by the density's rounding", {401, 301}, {501, 376}, 96, 120,
       {-500, 7519, 10020, -1000}},  // 10525 * 501 * 96 / (401 * 120) = 10519.75
      {"its non-client part did not grow", {960, 275}, {1210, 380}, 96, 120,
       {-500, 8424, 10113, -1000}},  // 10612.71 and 9424.00
      {"back down", {600, 450}, {400, 300}, 144, 96, window},
      {"same density, larger view: keeps the scale", {400, 300}, {500, 300}, 96, 96,
       {-500, 7525, 12656, -1000}},  // 13156.25
      {"no density before", {400, 300}, {600, 450}, 0, 144, window},
      {"no view before", {0, 300}, {600, 450}, 96, 144, {-500, 7525, 10025, -1000}},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(RectIs(WindowForDensity(window, c.before, c.after, c.nOld, c.nNew), c.expected))
        << c.name;
  }
  // A size past 32 bits stops at the largest that fits.
  const tagRECT huge = {0, 2000000000, 2000000000, 0};
  EXPECT_TRUE(RectIs(WindowForDensity(huge, {100, 100}, {300, 300}, 96, 96),
                     {0, INT_MAX, INT_MAX, 0}));
}

TEST(ViewGeometry, FitPassesSettleOrSeeTheBarsFlip) {
  using Next = FitPasses::Next;
  FitPasses settling;
  EXPECT_EQ(settling.After({400, 300}, {383, 300}), Next::Again);
  EXPECT_EQ(settling.After({383, 300}, {383, 283}), Next::Again);
  EXPECT_EQ(settling.After({383, 283}, {383, 283}), Next::Done);
  FitPasses flipping;
  EXPECT_EQ(flipping.After({400, 300}, {383, 300}), Next::Again);
  EXPECT_EQ(flipping.After({383, 300}, {400, 300}), Next::Flipping);
  FitPasses wandering;
  for (LONG w = 400; w > 400 - kMaxFitPasses + 1; --w) {
    EXPECT_EQ(wandering.After({w, 300}, {w - 1, 300}), Next::Again);
  }
  EXPECT_EQ(wandering.After({300, 300}, {299, 300}), Next::Flipping) << "out of passes";
}

TEST(ViewGeometry, UsableRectanglesAndTheDeviceRange) {
  EXPECT_TRUE(IsUsableWorldRect({INT_MIN / 2, 100, INT_MAX / 2, -100}));
  EXPECT_TRUE(IsUsableWorldRect({-1, 0, INT_MAX - 1, 0}));
  EXPECT_FALSE(IsUsableWorldRect({-2, 0, INT_MAX - 1, 0})) << "2^31 wide: wraps to -2^31";
  EXPECT_FALSE(IsUsableWorldRect({0, INT_MAX, 0, -2}));
  EXPECT_FALSE(IsUsableWorldRect({INT_MAX, 0, INT_MIN, 0}));
  EXPECT_TRUE(IsUsableWorldRect({10, 0, 0, 10})) << "reversed, yet representable";

  // The maximum window's pixels stay within 2^27 - 1 of the view.
  const tagSIZE floor = DeviceRangeFloor({2000000000, 7840}, {783, 550});
  EXPECT_EQ(floor.cx, 11668);  // 2e9 * 783 / (2^27 - 1), rounded up
  EXPECT_EQ(floor.cy, 1);
  EXPECT_LE(int64_t{2000000000} * 783 / floor.cx, kViewDeviceRange);
  EXPECT_GT(int64_t{2000000000} * 783 / (floor.cx - 1), kViewDeviceRange);
  EXPECT_EQ(DeviceRangeFloor({0, -5}, {0, 100}).cy, 1);
}

// Sizes and values as flat lists, compared whole.
std::vector<LONG> Flat(const ScrollSizes& s) {
  return {s.page.cx, s.page.cy, s.line.cx, s.line.cy, s.pageDev.cx, s.pageDev.cy, s.lineDev.cx,
          s.lineDev.cy};
}
std::vector<LONG> Flat(const BarValues& v) { return {v.nMin, v.nMax, v.nPage, v.nPos, v.bShow}; }
std::vector<LONG> Flat(const ViewMapping& m) {
  return {m.windowOrg.x,   m.windowOrg.y,   m.windowExt.cx, m.windowExt.cy,
          m.viewportOrg.x, m.viewportOrg.y, m.viewportExt.cx, m.viewportExt.cy,
          m.worldOrg.x,    m.worldOrg.y,    m.worldExt.x,    m.worldExt.y};
}

TEST(ViewGeometry, ScrollSizesDefaultFromTheWindow) {
  // page, line (world), page, line (pixels)
  EXPECT_EQ(Flat(ComputeScrollSizes({0, 0}, {0, 0}, {10000, 10000}, kView)),
            (std::vector<LONG>{9500, 9500, 667, 667, 380, 285, 27, 20}));
  // Given members are kept; each zero member alone takes its default.
  EXPECT_EQ(Flat(ComputeScrollSizes({2000, 0}, {0, 1000}, {10000, 20000}, kView)),
            (std::vector<LONG>{2000, 19000, 667, 1000, 80, 285, 27, 15}));
  // A window without width gives MulDiv's -1 in pixels.
  EXPECT_EQ(Flat(ComputeScrollSizes({0, 0}, {0, 0}, {0, 10000}, kView)),
            (std::vector<LONG>{0, 9500, 0, 667, -1, 285, -1, 20}));
}

TEST(ViewGeometry, ScrollUnitsRoundAsTheBarsShowThem) {
  const struct {
    LONG x;
    LONG s;
  } cases[] = {{5, 1},       {-5, -1},      {4, 0},         {-4, 0},
               {0, 0},       {40325, 4032}, {12345, 1235},  {-40325, -4032},
               {10000, 1000}, {INT_MAX, 214748365}, {INT_MIN, -214748365}};
  for (const auto& c : cases) EXPECT_EQ(ScrollUnits(c.x), c.s) << c.x;
  EXPECT_EQ(WorldFromScrollUnits(-700), -7000);
}

TEST(ViewGeometry, BarValuesMappingAndView) {
  const tagRECT max{0, 10000, 10000, 0};
  // min, max, page, position, shown
  EXPECT_EQ(Flat(HorzBarValues({0, 5000, 5000, 0}, max)), (std::vector<LONG>{0, 1000, 501, 0, 1}));
  EXPECT_EQ(Flat(VertBarValues({0, 5000, 5000, 0}, max)),
            (std::vector<LONG>{-1000, 0, 501, -500, 1}));
  EXPECT_EQ(Flat(HorzBarValues(max, max)), (std::vector<LONG>{0, 1000, 1001, 0, 0}));
  EXPECT_FALSE(VertBarValues(max, max).bShow);
  // Shown only while at least two scroll units smaller than the range.
  EXPECT_TRUE(HorzBarValues({0, 10000, 9980, 0}, max).bShow);
  EXPECT_FALSE(HorzBarValues({0, 10000, 9990, 0}, max).bShow);
  EXPECT_TRUE(VertBarValues({0, 9980, 10000, 0}, max).bShow);
  EXPECT_FALSE(VertBarValues({0, 9990, 10000, 0}, max).bShow);
  // Compared unsigned: a reversed maximum window gives a huge range.
  EXPECT_TRUE(HorzBarValues(max, {10000, 10000, 0, 0}).bShow);

  // Window origin and extent, viewport origin and extent, world origin and extent.
  EXPECT_EQ(Flat(MappingForView({0, 0, 400, 300}, {0, 10000, 10000, 0})),
            (std::vector<LONG>{0, 0, 400, 300, 0, 300, 400, -300, 0, 0, 10000, 10000}));
  EXPECT_EQ(Flat(MappingForView({10, 20, 470, 360}, {-500, 800, 1500, -200})),
            (std::vector<LONG>{10, 20, 460, 340, 10, 360, 460, -340, -500, -200, 2000, 1000}));

  EXPECT_TRUE(RectIs(ViewFromClient({0, 0, 500, 400}, {10, 20, 30, 40}), {10, 20, 470, 360}));
}

TEST(ViewGeometry, CountsDocumentPages) {
  struct Case {
    tagRECT doc;
    int w, h;
    int pages;
    LONG pageRight;
  };
  const Case cases[] = {
      {{0, 1000, 5000, 0}, 4800, 6600, 7, 727},
      {{0, 1000, 5000, 0}, 6600, 4800, 4, 1375},
      {{0, 1000, 2750, 0}, 6600, 4800, 2, 1375},   // exactly two pages
      {{0, 1000, 2751, 0}, 6600, 4800, 3, 1375},   // a sliver more: a third page
      {{0, 1000, 0, 0}, 6600, 4800, 0, 1375},      // no width
      {{0, 0, 5000, 0}, 6600, 4800, 0, 0},         // no height: page width 0
      {{0, 1000, 5000, 0}, 6600, 0, 0, -1},        // device without height
      {{200, 1000, 1575, 0}, 6600, 4800, 1, 1575}, // from a left edge
  };
  for (const Case& c : cases) {
    tagRECT first{};
    EXPECT_EQ(DocumentPageCount(c.doc, c.w, c.h, &first), c.pages) << c.doc.right;
    EXPECT_TRUE(RectIs(first, {c.doc.left, c.doc.top, c.pageRight, c.doc.bottom}));
  }
  EXPECT_EQ(DocumentPageCount({0, 1000, 5000, 0}, 4800, 6600, nullptr), 7);
  EXPECT_EQ(DocumentPageCount({INT_MIN, 1, INT_MAX, 0}, 1, 1, nullptr), INT_MAX);
}

TEST(ViewGeometry, ResizeKeepsScaleRefitsOrLeavesTheWindow) {
  struct Case {
    bool zoomed;
    unsigned int mode;
    ResizeAction action;
  };
  const Case cases[] = {
      {true, 16, ResizeAction::KeepScale},    {true, 19, ResizeAction::KeepScale},
      {true, 0, ResizeAction::RefitWindow},   {true, 3, ResizeAction::RefitWindow},
      {false, 16, ResizeAction::None},        {false, 0, ResizeAction::None},
      {false, 1, ResizeAction::FitMaxWindow}, {false, 19, ResizeAction::FitMaxWindow},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseResizeAction(c.zoomed, c.mode), c.action) << c.zoomed << " " << c.mode;
  }
}

}  // namespace
