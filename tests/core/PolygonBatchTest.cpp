#include "draw/PolygonBatch.h"

#include "draw/WorldMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

using namespace varnel::draw;

// Found by argument-dependent lookup, so it must live beside tagPOINT.
static bool operator==(const tagPOINT& a, const tagPOINT& b) { return a.x == b.x && a.y == b.y; }

namespace {

// Logical coordinates are world units divided by 10, rounded (so near
// points collapse); device coordinates are world units negated, so the flag
// shows. The target counts the queries.
WorldToContext FakeMapping(void* pTarget, bool bLogical) {
  ++*static_cast<int*>(pTarget);
  if (bLogical) return WorldToContext{{{0, 0}, {1, 1}}, {{0, 0}, {10, 10}, 0.0}, false};
  return WorldToContext{{{0, 0}, {-1, -1}}, {{0, 0}, {1, 1}, 0.0}, false};
}

class PolygonBatchTest : public ::testing::Test {
 protected:
  void Polygon(const std::vector<CPointW>& points, bool logical = true, CPointW offset = {0, 0},
               bool whole = false) {
    batch.Begin(&conversions, offset, logical);
    if (whole) {
      batch.AddAll(points.data(), static_cast<int>(points.size()));
    } else {
      for (const CPointW& p : points) batch.Add(p);
    }
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
  PolygonBatch batch{&FakeMapping};
};

TEST_F(PolygonBatchTest, KeepsPolygonsBackToBackWithTheirCounts) {
  Polygon({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
  Polygon({{10, 10}, {20, 10}, {20, 20}});
  Polygon({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}});
  EXPECT_EQ(batch.PointTotal(), 12);
  EXPECT_EQ(Counts(), (std::vector<INT>{4, 3, 5}));
  EXPECT_EQ(conversions, 12) << "one mapping query per point";
  batch.Flush();
  EXPECT_EQ(batch.PointTotal(), 0);
  EXPECT_EQ(batch.PolygonCount(), 0);
}

TEST_F(PolygonBatchTest, DropsConsecutiveRepeatsAfterConversion) {
  for (bool whole : {false, true}) {
    batch.Flush();
    Polygon({{10, 10}, {14, 12}, {30, 30}, {10, 10}}, true, {0, 0}, whole);  // A, A, B, A
    EXPECT_EQ(Stored(), (std::vector<tagPOINT>{{1, 1}, {3, 3}, {1, 1}}));
    // The first point equals the previous polygon's last: kept.
    Polygon({{10, 10}, {50, 50}}, true, {0, 0}, whole);
    EXPECT_EQ(Counts(), (std::vector<INT>{3, 2}));
    EXPECT_EQ(batch.PointTotal(), 5);
  }
  EXPECT_EQ(conversions, 6 + 2) << "one by one, then one query per polygon";
}

TEST_F(PolygonBatchTest, ALonePointBecomesTwoAndAnEmptyPolygonNothing) {
  Polygon({{10, 10}, {12, 12}, {14, 14}});  // all convert to (1, 1)
  EXPECT_TRUE(ended);
  EXPECT_EQ(Stored(), (std::vector<tagPOINT>{{1, 1}, {1, 1}}));
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
  PolygonBatch fresh(&FakeMapping);
  fresh.Add({1, 1});  // no Begin named a target yet
  const CPointW two[2] = {{1, 1}, {2, 2}};
  fresh.AddAll(two, 2);
  EXPECT_EQ(fresh.PointTotal(), 0);
  fresh.Begin(nullptr, {0, 0}, true);
  fresh.Add({1, 1});
  EXPECT_FALSE(fresh.End());
}

TEST_F(PolygonBatchTest, GrowsByWholeBlocksAndKeepsMemoryAcrossBatches) {
  for (bool whole : {false, true}) {
    PolygonBatch fresh(&FakeMapping);
    fresh.Begin(&conversions, {0, 0}, false);
    EXPECT_EQ(fresh.PointCapacity(), 1024);
    EXPECT_EQ(fresh.PolygonCapacity(), 256);
    for (int polygon = 0; polygon < 300; ++polygon) {
      CPointW points[10];
      for (int i = 0; i < 10; ++i) points[i] = {polygon * 100 + i, i};
      fresh.Begin(&conversions, {0, 0}, false);
      if (whole) {
        fresh.AddAll(points, 10);
      } else {
        for (const CPointW& p : points) fresh.Add(p);
      }
      ASSERT_TRUE(fresh.End());
    }
    EXPECT_EQ(fresh.PointTotal(), 3000);
    EXPECT_EQ(fresh.PolygonCount(), 300);
    EXPECT_EQ(fresh.PointCapacity(), 3072);
    EXPECT_EQ(fresh.PolygonCapacity(), 512);
    for (int i = 0; i < 3000; ++i) {
      ASSERT_EQ(fresh.Points()[i].x, -((i / 10) * 100 + i % 10)) << "point " << i;
    }

    const tagPOINT* memory = fresh.Points();
    fresh.Flush();
    fresh.Begin(&conversions, {0, 0}, false);
    fresh.Add({1, 1});
    fresh.End();
    EXPECT_EQ(fresh.Points(), memory) << "a new batch reuses the memory";
    EXPECT_EQ(fresh.PointCapacity(), 3072);
  }
}

// A target with a window for logical points, a viewport for device
// points, a world level, and the clamp outside the NT family when asked.
struct MappedTarget {
  ContextMapping window, viewport;
  WorldLevel level;
  bool clamp;
};

WorldToContext MappingOf(void* pTarget, bool bLogical) {
  const MappedTarget& t = *static_cast<MappedTarget*>(pTarget);
  return WorldToContext{bLogical ? t.window : t.viewport, t.level, t.clamp};
}

// Adding a whole outline at once stores exactly what adding its points one
// by one stores: random mappings that collapse or clamp points, offsets
// that wrap, both flags, repeated and lone points, empty outlines, stores
// with and without room.
TEST(PolygonBatchWholeOutline, StoresWhatAddingPointByPointStores) {
  std::mt19937 random(20);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
  auto coordinate = [&] {
    switch (pick(0, 3)) {
      case 0: return pick(-50, 50);                  // near points collapse
      case 1: return pick(-2000000, 2000000);        // far points clamp
      case 2: return INT_MAX - pick(0, 100);         // wraps with an offset
      default: return pick(-20000, 20000);
    }
  };
  auto extent = [&] { return (pick(0, 1) ? 1 : -1) * pick(1, 3000); };
  for (int trial = 0; trial < 300; ++trial) {
    MappedTarget target = {{{pick(-99, 99), pick(-99, 99)}, {extent(), extent()}},
                           {{pick(-99, 99), pick(-99, 99)}, {extent(), extent()}},
                           {{coordinate(), coordinate()}, {extent(), extent()}, 0.0},
                           pick(0, 1) == 1};
    PolygonBatch onePoint(&MappingOf), whole(&MappingOf);
    for (int polygon = pick(1, 40); polygon > 0; --polygon) {
      const CPointW offset = {coordinate(), coordinate()};
      const bool logical = pick(0, 1) == 1;
      std::vector<CPointW> points;
      for (int n = pick(0, 60); n > 0; --n) {
        // Repeat the previous point now and then, world-exactly.
        if (!points.empty() && pick(0, 3) == 0) {
          points.push_back(points.back());
        } else {
          points.push_back({coordinate(), coordinate()});
        }
      }
      onePoint.Begin(&target, offset, logical);
      for (const CPointW& p : points) onePoint.Add(p);
      // Now and then the polygon's first points go one by one.
      const int count = static_cast<int>(points.size());
      const int split = pick(0, 3) == 0 ? pick(0, count) : 0;
      whole.Begin(&target, offset, logical);
      for (int i = 0; i < split; ++i) whole.Add(points[i]);
      whole.AddAll(points.data() + split, count - split);
      ASSERT_EQ(whole.End(), onePoint.End()) << "trial " << trial;
    }
    ASSERT_EQ(whole.PointTotal(), onePoint.PointTotal()) << "trial " << trial;
    ASSERT_EQ(whole.PolygonCount(), onePoint.PolygonCount());
    ASSERT_EQ(whole.PointCapacity(), onePoint.PointCapacity()) << "the same growth";
    const auto points = [](const PolygonBatch& b) {
      return std::vector<tagPOINT>(b.Points(), b.Points() + b.PointTotal());
    };
    const auto counts = [](const PolygonBatch& b) {
      return std::vector<INT>(b.Counts(), b.Counts() + b.PolygonCount());
    };
    ASSERT_EQ(points(whole), points(onePoint)) << "trial " << trial;
    ASSERT_EQ(counts(whole), counts(onePoint)) << "trial " << trial;
  }
}

}  // namespace
