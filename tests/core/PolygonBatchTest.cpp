#include "draw/PolygonBatch.h"

#include <gtest/gtest.h>

#include <vector>

// Found by argument-dependent lookup, so it must live beside tagPOINT.
static bool operator==(const tagPOINT& a, const tagPOINT& b) { return a.x == b.x && a.y == b.y; }

namespace {

// Logical coordinates are world units divided by 10 (so near points
// collapse); device coordinates are world units negated, so the flag shows.
void FakeConvert(void* pTarget, bool bLogical, tagPOINT& point) {
  ++*static_cast<int*>(pTarget);
  if (bLogical) {
    point.x /= 10;
    point.y /= 10;
  } else {
    point.x = -point.x;
    point.y = -point.y;
  }
}

class PolygonBatchTest : public ::testing::Test {
 protected:
  void Polygon(const std::vector<CPointW>& points, bool logical = true, CPointW offset = {0, 0}) {
    batch.Begin(&conversions, offset, logical);
    for (const CPointW& p : points) batch.Add(p);
    ended = batch.End();
  }
  std::vector<tagPOINT> Stored() const {
    return std::vector<tagPOINT>(batch.Points(), batch.Points() + batch.PointTotal());
  }
  std::vector<INT> Counts() const {
    return std::vector<INT>(batch.Counts(), batch.Counts() + batch.PolygonCount());
  }

  int conversions = 0;
  bool ended = false;
  PolygonBatch batch{&FakeConvert};
};

TEST_F(PolygonBatchTest, KeepsPolygonsBackToBackWithTheirCounts) {
  Polygon({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
  Polygon({{10, 10}, {20, 10}, {20, 20}});
  Polygon({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}});
  EXPECT_EQ(batch.PointTotal(), 12);
  EXPECT_EQ(Counts(), (std::vector<INT>{4, 3, 5}));
  EXPECT_EQ(conversions, 12) << "one conversion per point";
  batch.Flush();
  EXPECT_EQ(batch.PointTotal(), 0);
  EXPECT_EQ(batch.PolygonCount(), 0);
}

TEST_F(PolygonBatchTest, DropsConsecutiveRepeatsAfterConversion) {
  Polygon({{10, 10}, {14, 19}, {30, 30}, {10, 10}});  // A, A (after /10), B, A
  EXPECT_EQ(Stored(), (std::vector<tagPOINT>{{1, 1}, {3, 3}, {1, 1}}));
  Polygon({{10, 10}, {50, 50}});  // first point equals the previous polygon's last: kept
  EXPECT_EQ(Counts(), (std::vector<INT>{3, 2}));
  EXPECT_EQ(batch.PointTotal(), 5);
}

TEST_F(PolygonBatchTest, ALonePointBecomesTwoAndAnEmptyPolygonNothing) {
  Polygon({{5, 5}, {6, 6}, {9, 9}});  // all convert to (0, 0)
  EXPECT_TRUE(ended);
  EXPECT_EQ(Stored(), (std::vector<tagPOINT>{{0, 0}, {0, 0}}));
  Polygon({});
  EXPECT_FALSE(ended);
  EXPECT_EQ(Counts(), (std::vector<INT>{2}));
}

TEST_F(PolygonBatchTest, AppliesOffsetAndFlagOfItsOwnBegin) {
  Polygon({{10, -10}}, false, {5, -5});
  Polygon({{100, 100}}, true, {0, 0});
  EXPECT_EQ(Stored(), (std::vector<tagPOINT>{{-15, 15}, {-15, 15}, {10, 10}, {10, 10}}));

  batch.Begin(&conversions, {50, -50}, true);  // a flush keeps target, offset and flag
  batch.Flush();
  batch.Add({100, -100});
  EXPECT_TRUE(batch.End());
  EXPECT_EQ(Stored(), (std::vector<tagPOINT>{{15, -15}, {15, -15}}));
}

TEST_F(PolygonBatchTest, AddsNothingWithoutATarget) {
  PolygonBatch fresh(&FakeConvert);
  fresh.Add({1, 1});  // no Begin named a target yet
  EXPECT_EQ(fresh.PointTotal(), 0);
  fresh.Begin(nullptr, {0, 0}, true);
  fresh.Add({1, 1});
  EXPECT_FALSE(fresh.End());
}

TEST_F(PolygonBatchTest, GrowsByWholeBlocksAndKeepsMemoryAcrossBatches) {
  batch.Begin(&conversions, {0, 0}, false);
  EXPECT_EQ(batch.PointCapacity(), 1024);
  EXPECT_EQ(batch.PolygonCapacity(), 256);
  for (int polygon = 0; polygon < 300; ++polygon) {
    batch.Begin(&conversions, {0, 0}, false);
    for (int i = 0; i < 10; ++i) batch.Add({polygon * 100 + i, i});
    ASSERT_TRUE(batch.End());
  }
  EXPECT_EQ(batch.PointTotal(), 3000);
  EXPECT_EQ(batch.PolygonCount(), 300);
  EXPECT_EQ(batch.PointCapacity(), 3072);
  EXPECT_EQ(batch.PolygonCapacity(), 512);
  EXPECT_EQ(batch.Points()[2999].x, -(299 * 100 + 9));

  const tagPOINT* memory = batch.Points();
  batch.Flush();
  Polygon({{1, 1}, {2, 2}}, false);
  EXPECT_EQ(batch.Points(), memory) << "a new batch reuses the memory";
  EXPECT_EQ(batch.PointCapacity(), 3072);
}

}  // namespace
