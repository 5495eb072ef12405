// CRect's portable rules agree with the platform's rectangle functions.
#include "Varnel.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(CRectPlatform, AgreesWithTheSystemOnRandomRectangles) {
  std::mt19937 random(5);
  // Small coordinates, so that touching, empty and inverted rectangles
  // come up often.
  std::uniform_int_distribution<int> coord(-8, 8);
  auto next = [&] { return CRect(coord(random), coord(random), coord(random), coord(random)); };
  for (int i = 0; i < 20000; ++i) {
    const CRect a = next(), b = next();
    const POINT pt = {coord(random), coord(random)};

    CRect mine, theirs;
    ASSERT_EQ(mine.IntersectRect(&a, &b), ::IntersectRect(&theirs, &a, &b) != 0);
    ASSERT_EQ(mine, theirs);
    ASSERT_EQ(mine.UnionRect(&a, &b), ::UnionRect(&theirs, &a, &b) != 0);
    ASSERT_EQ(mine, theirs);
    ASSERT_EQ(a.IsRectEmpty(), ::IsRectEmpty(&a) != 0);
    ASSERT_EQ(a.PtInRect(pt), ::PtInRect(&a, pt) != 0);

    mine = a;
    theirs = a;
    mine.InflateRect(pt.x, pt.y);
    ::InflateRect(&theirs, pt.x, pt.y);
    ASSERT_EQ(mine, theirs);
  }
}

}  // namespace
