#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

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
      {{800, 300}, {0, 300}, {0, 10000, -1, 0}},        // no previous width: MulDiv's -1
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(RectIs(WindowKeepingScale(window, c.view, c.prev), c.out));
  }
  const tagRECT moved{-300, 700, 9700, -9300};
  EXPECT_TRUE(RectIs(WindowKeepingScale(moved, {800, 300}, {400, 300}), {-300, 700, 19700, -9300}))
      << "the origin corner stays";
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
