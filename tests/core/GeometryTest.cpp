// CPoint, CSize and CRect: the rectangle rules callers depend on (empty,
// exclusive right/bottom edges, intersection and union) and wrapping
// arithmetic at the ends of the 32-bit range.
#include "afx/base/AfxGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

static_assert(sizeof(CPoint) == sizeof(tagPOINT), "arrays of CPoint pass as POINT arrays");
static_assert(sizeof(CSize) == sizeof(tagSIZE));
static_assert(sizeof(CRect) == sizeof(tagRECT));

void ExpectRect(const CRect& rc, LONG l, LONG t, LONG r, LONG b) {
  EXPECT_EQ(rc.left, l);
  EXPECT_EQ(rc.top, t);
  EXPECT_EQ(rc.right, r);
  EXPECT_EQ(rc.bottom, b);
}

struct TwoRects {
  CRect a, b;
  bool intersects;
  CRect intersection;
  bool unites;
  CRect unionRect;
};

TEST(CRect, IntersectAndUnionFollowThePlatformRules) {
  const TwoRects cases[] = {
      // overlapping
      {{0, 0, 10, 10}, {5, 5, 20, 20}, true, {5, 5, 10, 10}, true, {0, 0, 20, 20}},
      // touching edges share no pixel: right and bottom are outside
      {{0, 0, 10, 10}, {10, 0, 20, 10}, false, {0, 0, 0, 0}, true, {0, 0, 20, 10}},
      // disjoint
      {{0, 0, 10, 10}, {30, 30, 40, 40}, false, {0, 0, 0, 0}, true, {0, 0, 40, 40}},
      // an empty rectangle is ignored by the union and empties the intersection
      {{0, 0, 10, 10}, {2, 2, 2, 8}, false, {0, 0, 0, 0}, true, {0, 0, 10, 10}},
      {{5, 5, 5, 5}, {1, 2, 3, 4}, false, {0, 0, 0, 0}, true, {1, 2, 3, 4}},
      // both empty
      {{5, 5, 5, 9}, {1, 1, 0, 0}, false, {0, 0, 0, 0}, false, {0, 0, 0, 0}},
      // inverted rectangles count as empty
      {{10, 10, 0, 0}, {0, 0, 5, 5}, false, {0, 0, 0, 0}, true, {0, 0, 5, 5}},
  };
  for (const TwoRects& c : cases) {
    CRect r(99, 99, 99, 99);
    EXPECT_EQ(r.IntersectRect(&c.a, &c.b), c.intersects);
    EXPECT_EQ(r, c.intersection);
    EXPECT_EQ(r.UnionRect(&c.a, &c.b), c.unites);
    EXPECT_EQ(r, c.unionRect);
  }
}

TEST(CRect, OperandMayBeTheResult) {
  CRect r(0, 0, 10, 10);
  r &= CRect(5, -5, 15, 5);
  ExpectRect(r, 5, 0, 10, 5);
  r |= CRect(-1, -1, 0, 0);
  ExpectRect(r, -1, -1, 10, 5);
}

TEST(CRect, PointsOnRightAndBottomEdgesAreOutside) {
  const CRect r(0, 0, 10, 5);
  EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
  EXPECT_TRUE(r.PtInRect(CPoint(9, 4)));
  EXPECT_FALSE(r.PtInRect(CPoint(10, 4)));
  EXPECT_FALSE(r.PtInRect(CPoint(9, 5)));
  EXPECT_FALSE(r.PtInRect(CPoint(-1, 0)));
}

TEST(CRect, OnlyNormalizeReordersCorners) {
  CRect r(10, 20, 0, 5);
  EXPECT_TRUE(r.IsRectEmpty());
  EXPECT_EQ(r.Width(), -10);
  EXPECT_EQ(r.Height(), -15);
  r.OffsetRect(1, 1);
  ExpectRect(r, 11, 21, 1, 6);
  r.NormalizeRect();
  ExpectRect(r, 1, 6, 11, 21);
  EXPECT_FALSE(r.IsRectEmpty());
}

TEST(CRect, InflateDeflateAndCorners) {
  CRect r(10, 10, 20, 30);
  r.InflateRect(1, 2);
  ExpectRect(r, 9, 8, 21, 32);
  r.DeflateRect(1, 2, 3, 4);
  ExpectRect(r, 10, 10, 18, 28);
  EXPECT_EQ(r.TopLeft(), CPoint(10, 10));
  EXPECT_EQ(r.BottomRight(), CPoint(18, 28));
  EXPECT_EQ(r.Size(), CSize(8, 18));
  EXPECT_EQ(r.CenterPoint(), CPoint(14, 19));
  EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
}

TEST(Geometry, ArithmeticWrapsAtTheEndsOfTheRange) {
  // Wraps modulo 2^32 as the platform does, without overflow (the
  // sanitizer build would stop on a signed overflow).
  CPoint p(INT_MAX, INT_MIN);
  p.Offset(1, -1);
  EXPECT_EQ(p, CPoint(INT_MIN, INT_MAX));
  const CRect wide(INT_MIN, 0, INT_MAX, 1);
  EXPECT_EQ(wide.Width(), -1);
  EXPECT_EQ(wide.CenterPoint(), CPoint(0, 0));
  EXPECT_EQ(CRect(INT_MAX - 1, 0, INT_MAX, 2).CenterPoint(), CPoint(INT_MAX - 1, 1));
  EXPECT_EQ(CPoint(INT_MIN, 0) - CPoint(1, 0), CSize(INT_MAX, 0));
  EXPECT_EQ(-CSize(INT_MIN, 3), CSize(INT_MIN, -3));
}

}  // namespace
