#include "view/ViewScroll.h"

#include <gtest/gtest.h>

#include <climits>

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
