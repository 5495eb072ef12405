#include "view/ViewScroll.h"

#include "view/ViewGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <vector>

using namespace varnel::view;

namespace {

unsigned int Horz(unsigned int code) { return code | (kNoScrollCode << 8); }
unsigned int Vert(unsigned int code) { return kNoScrollCode | (code << 8); }

TEST(ViewScroll, ScrollCodesAskForWorldDistances) {
  const tagSIZE line{667, 500};
  const tagSIZE page{9500, 7000};
  const tagRECT window{1000, 5000, 6000, 0};  // (left, top, right, bottom)
  const tagRECT max{-2000, 10000, 10000, -4000};
  const struct {
    unsigned int codes;
    int pos;
    LONG dx, dy;
  } cases[] = {
      {Horz(0), 0, -667, 0},       {Horz(1), 0, 667, 0},
      {Horz(2), 0, -9500, 0},      {Horz(3), 0, 9500, 0},
      {Horz(4), 300, 2000, 0},     {Horz(5), 300, 0, 0},
      {Horz(6), 0, -3000, 0},      {Horz(7), 0, 4000, 0},
      {Horz(8), 0, 0, 0},          {Vert(0), 0, 0, 500},
      {Vert(1), 0, 0, -500},       {Vert(2), 0, 0, 7000},
      {Vert(3), 0, 0, -7000},      {Vert(4), -700, 0, 2000},
      {Vert(5), -700, 0, 0},       {Vert(6), 0, 0, 5000},
      {Vert(7), 0, 0, -4000},      {Vert(8), 0, 0, 0},
      {kNoScrollCode | (kNoScrollCode << 8), 0, 0, 0},
      {1 | (1 << 8), 0, 667, -500},  // both codes of one word
      {Horz(4), 100000, 999000, 0},  // a position beyond 16 bits
      {Horz(4), INT_MAX, INT_MAX - 1000, 0},  // beyond any bar: the far end
  };
  for (const auto& c : cases) {
    const tagSIZE d = ScrollCodeDistance(c.codes, c.pos, line, page, window, max);
    EXPECT_EQ(d.cx, c.dx) << "codes " << c.codes;
    EXPECT_EQ(d.cy, c.dy) << "codes " << c.codes;
  }
}

TEST(ViewScroll, WorldDistancesInPixelsAndScrollTargets) {
  const tagSIZE d = WorldToPixelDistance({5000, 2000}, {500, 200}, {5000, 2000});
  EXPECT_EQ(d.cx, 500);
  EXPECT_EQ(d.cy, -200) << "device y grows downwards";
  const tagSIZE rounded = WorldToPixelDistance({15, -15}, {100, 100}, {1000, 1000});
  EXPECT_EQ(rounded.cx, 2);
  EXPECT_EQ(rounded.cy, 2);

  const tagRECT max{0, 10000, 10000, 0};
  const tagRECT window{0, 10000, 5000, 5000};
  const struct {
    tagPOINT in, out;
  } cases[] = {
      {{8000, 2000}, {5000, 5000}}, {{-100, 12000}, {0, 10000}},
      {{2000, 7000}, {2000, 7000}}, {{5000, 5000}, {5000, 5000}},
  };
  for (const auto& c : cases) {
    const tagPOINT p = ClampScrollTarget(c.in, window, max);
    EXPECT_EQ(p.x, c.out.x);
    EXPECT_EQ(p.y, c.out.y);
  }
}

// Where the world mapping puts a world point: x = view left + MulDiv(x -
// window left, view width, window width), y = view bottom - MulDiv(y -
// window bottom, view height, window height). Here relative to the view's
// left and bottom edges.
LONG DrawnX(LONG x, const tagRECT& window, tagSIZE view) {
  return MulDiv(x - window.left, view.cx, window.right - window.left);
}
LONG DrawnY(LONG y, const tagRECT& window, tagSIZE view) {
  return -MulDiv(y - window.bottom, view.cy, window.top - window.bottom);
}

// Scroll after scroll, whatever was drawn for any earlier window and then
// moved with the pixels lies within a pixel of where a full repaint for the
// final window draws it: at scales that are not whole pixels a unit, near
// the maximum window's edges and in both directions.
TEST(ViewScroll, ThePixelsMovedStayInStepWithTheWindow) {
  const struct {
    tagRECT window;
    tagSIZE view;
    const char* scale;
  } cases[] = {
      {{1000, 1061, 1061, 1000}, {201, 201}, "3.3 pixels a unit"},
      {{-5000, 111, -4926, 0}, {200, 300}, "0.37 units a pixel"},
      {{7, 5007, 4607, 7}, {383, 283}, "12 units a pixel across, 17.7 down"},
      {{0, 3, 3, 0}, {10, 10}, "3.33 pixels a unit"},
  };
  const tagSIZE requests[] = {{5, 0},  {5, 0},   {-2, 3}, {1, -1}, {41, 7},
                              {-3, 0}, {0, -17}, {2, 2},  {7, 5},  {-1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    const LONG margin = 150;  // units of room around the window: moves get cut
    const tagRECT max{c.window.left - margin, c.window.top + margin, c.window.right + margin,
                      c.window.bottom - margin};
    std::vector<tagRECT> windows{c.window};
    std::vector<tagSIZE> shifts;  // the pixels each scroll moved
    tagRECT window = c.window;
    int nCut = 0;
    for (int i = 0; i < 400; ++i) {
      // Runs one way, then the other, into the edges of the maximum window.
      const tagSIZE base = requests[i % 10];
      const int sign = (i / 60) % 2 == 0 ? 1 : -1;
      const tagSIZE d{sign * base.cx * (1 + i % 3), sign * base.cy};
      tagRECT target = WindowScrolledBy(window, c.view, d);
      if (ShiftIntoRange(target, max)) ++nCut;
      shifts.push_back(PixelsBetween(window, target, c.view));
      window = target;
      windows.push_back(window);
    }
    EXPECT_GT(nCut, 5) << "moves cut at the edges";
    for (size_t k = 0; k < windows.size(); k += 37) {
      int64_t sx = 0, sy = 0;
      for (size_t j = k; j < shifts.size(); ++j) {
        sx += shifts[j].cx;
        sy += shifts[j].cy;
      }
      for (LONG x = max.left - 100; x <= max.right + 100; x += 1 + (max.right - max.left) / 300) {
        const int64_t moved = DrawnX(x, windows[k], c.view) - sx;
        ASSERT_LE(std::llabs(moved - DrawnX(x, window, c.view)), 1) << "x " << x << " from " << k;
      }
      for (LONG y = max.bottom - 100; y <= max.top + 100; y += 1 + (max.top - max.bottom) / 300) {
        const int64_t moved = DrawnY(y, windows[k], c.view) - sy;
        ASSERT_LE(std::llabs(moved - DrawnY(y, window, c.view)), 1) << "y " << y << " from " << k;
      }
    }
  }
}

TEST(ViewScroll, ScrolledWindowsAndTheirPixels) {
  // 3.3 pixels a unit: a window moves by whole units, so five pixels asked
  // move 1.5 units, rounded to 2, which are 6.6 pixels: 7 on this canvas.
  const tagRECT window{0, 91, 61, 0};  // 201 x 300 pixels
  const tagSIZE view{201, 300};
  tagRECT moved = WindowScrolledBy(window, view, {5, 0});
  EXPECT_EQ(moved.left, 2);
  EXPECT_EQ(moved.right, 63);
  EXPECT_EQ(PixelsBetween(window, moved, view).cx, 7);
  EXPECT_EQ(moved.top, 91) << "no distance down: the window stays";
  EXPECT_EQ(WindowScrolledBy(window, view, {1, 0}).left, 0) << "under half a unit: no move";
  // Down 10 pixels: the window's bottom 3 units lower, 9.9 pixels: 10.
  moved = WindowScrolledBy(window, view, {0, 10});
  EXPECT_EQ(moved.bottom, -3);
  EXPECT_EQ(moved.top, 88);
  EXPECT_EQ(PixelsBetween(window, moved, view).cy, 10);
  EXPECT_EQ(PixelsBetween(moved, window, view).cy, -10);

  // Ten units a pixel: a pixel is ten units.
  const tagRECT fine{-5000, 10000, 0, 5000};
  moved = WindowScrolledBy(fine, {500, 500}, {-120, 30});
  EXPECT_EQ(moved.left, -6200);
  EXPECT_EQ(moved.bottom, 4700);
  // A window without width or a view without pixels does not move that way.
  EXPECT_EQ(WindowScrolledBy({5, 10, 5, 0}, view, {50, 50}).left, 5);
  EXPECT_EQ(WindowScrolledBy(window, {0, 300}, {50, 0}).left, 0);
  EXPECT_EQ(PixelsBetween({5, 10, 5, 0}, {9, 10, 9, 0}, view).cx, 0);
  // Far coordinates stay inside 64 bits and come back held to 32.
  moved = WindowScrolledBy({INT_MAX - 10, 10, INT_MAX, 0}, {1000, 1000}, {INT_MAX, 0});
  EXPECT_EQ(moved.left, INT_MAX);
  EXPECT_EQ(PixelsBetween({INT_MIN, 1, INT_MIN + 1, 0}, {INT_MAX - 1, 1, INT_MAX, 0}, view).cx,
            INT_MAX);
}

TEST(ViewScroll, BrushOriginFollowsThePictureModuloEight) {
  const struct {
    LONG org, d, out;
  } cases[] = {{3, 5, 6}, {3, -13, 0}, {0, 0, 0}, {0, 1, 7}, {7, -1, 0},
               {5, 16, 5}, {0, INT_MIN, 0}, {2, INT_MAX, 3}};
  for (const auto& c : cases) EXPECT_EQ(ShiftBrushOrigin(c.org, c.d), c.out) << c.org << " " << c.d;
}

TEST(ViewScroll, SmoothScrollPlans) {
  const tagSIZE line{27, 20};
  const tagSIZE page{380, 285};
  auto total = [](const std::vector<SmoothMove>& moves) {
    tagSIZE t{0, 0};
    for (const SmoothMove& m : moves) {
      t.cx += m.d.cx;
      t.cy += m.d.cy;
    }
    return t;
  };

  std::vector<SmoothMove> moves = PlanSmoothScroll({200, 10}, line, page);
  ASSERT_EQ(moves.size(), 13u);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(moves[i].d.cx, 16) << i;
    EXPECT_EQ(moves[i].d.cy, i < 4 ? 2 : 0) << i;
    EXPECT_TRUE(moves[i].bRepaint);
  }
  EXPECT_EQ(moves[12].d.cx, 8);
  EXPECT_EQ(moves[12].d.cy, 2);
  EXPECT_FALSE(moves[12].bRepaint) << "the remainder waits for the ordinary paint";

  moves = PlanSmoothScroll({100, 0}, line, page);
  ASSERT_EQ(moves.size(), 9u);
  EXPECT_EQ(moves[0].d.cx, 12);
  EXPECT_EQ(moves[7].d.cx, 12);
  EXPECT_EQ(moves[8].d.cx, 4);

  // Steps by axis: 4 up to a line and two pixels, 12 beyond half a page.
  const struct {
    tagSIZE d;
    size_t count;
  } counts[] = {{{29, 0}, 4 + 1}, {{30, 0}, 8 + 1}, {{190, 0}, 8 + 1}, {{191, 0}, 12 + 1},
                {{-200, -10}, 13}, {{3, 0}, 1}, {{0, 0}, 0}, {{-24, 0}, 4}};
  for (const auto& c : counts) {
    moves = PlanSmoothScroll(c.d, line, page);
    EXPECT_EQ(moves.size(), c.count) << c.d.cx;
    EXPECT_EQ(total(moves).cx, c.d.cx);
    EXPECT_EQ(total(moves).cy, c.d.cy);
  }

  EXPECT_TRUE(IsSmoothDistance({380, -285}, page));
  EXPECT_FALSE(IsSmoothDistance({381, 0}, page));
  EXPECT_FALSE(IsSmoothDistance({0, -286}, page));
  EXPECT_FALSE(IsSmoothDistance({INT_MIN, 0}, page));
}

}  // namespace
