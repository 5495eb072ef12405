#include "draw/WorldMath.h"

#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

using namespace varnel::draw;

namespace {

const ContextMapping kWindow500 = {{0, 0}, {500, 500}};
const WorldLevel kWorld10000 = {{0, 0}, {10000, 10000}, 0.0};

tagPOINT FromWorld(const ContextMapping& context, const WorldLevel& level, tagPOINT p,
                   bool clamp = false) {
  ConvertFromWorld(context, level, clamp, &p, &p, 1);
  return p;
}

tagPOINT ToWorld(const ContextMapping& context, const WorldLevel& level, tagPOINT p) {
  ConvertToWorld(context, level, &p, &p, 1);
  return p;
}

TEST(WorldMath, ConvertsBothWaysAndRoundsHalvesAwayFromZero) {
  const struct {
    ContextMapping context;
    WorldLevel level;
    tagPOINT world, context_point;
  } cases[] = {
      {kWindow500, kWorld10000, {5000, 2500}, {250, 125}},
      {{{10, 20}, {500, 500}}, {{-100, 300}, {10000, 10000}, 0.0}, {4900, 2800}, {260, 145}},
      {{{0, 0}, {1, 1}}, {{0, 0}, {2, 2}, 0.0}, {5, -5}, {3, -3}},        // 5/2 and -5/2
      {{{0, 0}, {100, -100}}, {{0, 0}, {1000, 1000}, 0.0}, {500, 500}, {50, -50}},  // flipped y
  };
  for (const auto& c : cases) {
    const tagPOINT p = FromWorld(c.context, c.level, c.world);
    EXPECT_EQ(p.x, c.context_point.x);
    EXPECT_EQ(p.y, c.context_point.y);
  }
  const tagPOINT w = ToWorld(kWindow500, kWorld10000, {250, 125});
  EXPECT_EQ(w.x, 5000);
  EXPECT_EQ(w.y, 2500);
}

TEST(WorldMath, ZeroExtentsGiveMulDivsMinusOnePlusTheOrigin) {
  const WorldLevel atLoad = {};
  const ContextMapping window = {{7, -9}, {500, 500}};
  const tagPOINT p = FromWorld(window, atLoad, {1234, -5678});
  EXPECT_EQ(p.x, 6);
  EXPECT_EQ(p.y, -10);
  const tagPOINT w = ToWorld({{0, 0}, {0, 0}}, kWorld10000, {5, 5});
  EXPECT_EQ(w.x, -1);
  EXPECT_EQ(w.y, -1);
}

TEST(WorldMath, ClampsOnlyFromWorldAndOnlyWhenAsked) {
  const WorldLevel level = {{0, 0}, {1, 1}, 0.0};
  const ContextMapping identity = {{0, 0}, {1, 1}};
  tagPOINT p = FromWorld(identity, level, {20000, -20000}, true);
  EXPECT_EQ(p.x, 16000);
  EXPECT_EQ(p.y, -16000);
  p = FromWorld(identity, level, {20000, -20000}, false);
  EXPECT_EQ(p.x, 20000);
  EXPECT_EQ(p.y, -20000);
  p = ToWorld(identity, level, {20000, -20000});
  EXPECT_EQ(p.x, 20000);
  EXPECT_EQ(p.y, -20000);
}

TEST(WorldMath, SubtractionsAndAdditionsWrapAs32BitIntegers) {
  const WorldLevel level = {{1, -1}, {1, 1}, 0.0};
  const tagPOINT p = FromWorld({{INT_MAX, INT_MAX}, {1, 1}}, level, {INT_MIN, 0});
  // x: INT_MIN - 1 wraps to INT_MAX, plus INT_MAX wraps to -2.
  // y: 0 - (-1) is 1, plus INT_MAX wraps to INT_MIN.
  EXPECT_EQ(p.x, -2);
  EXPECT_EQ(p.y, INT_MIN);
}

TEST(WorldMath, InPlaceEqualsSeparateArrays) {
  std::mt19937 rng(3);
  std::vector<tagPOINT> points(200);
  for (tagPOINT& p : points) {
    p.x = static_cast<LONG>(rng() % 200001) - 100000;
    p.y = static_cast<LONG>(rng() % 200001) - 100000;
  }
  const ContextMapping context = {{13, -7}, {640, -480}};
  const WorldLevel level = {{-500, 900}, {12345, 6789}, 1.5};
  std::vector<tagPOINT> separate(points.size()), inPlace = points;
  ConvertFromWorld(context, level, true, points.data(), separate.data(), 200);
  ConvertFromWorld(context, level, true, inPlace.data(), inPlace.data(), 200);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(separate[i].x, inPlace[i].x);
    EXPECT_EQ(separate[i].y, inPlace[i].y);
  }
  ConvertToWorld(context, level, points.data(), separate.data(), 0);  // count 0: nothing
  ConvertToWorld(context, level, points.data(), separate.data(), -3);
  EXPECT_EQ(separate[0].x, inPlace[0].x);
}

TEST(WorldMappingStack, PushAndPopStayWithinFiveLevels) {
  WorldMappingStack stack;
  stack.Current().org = {1, 2};
  stack.Push();
  EXPECT_EQ(stack.Current().org.x, 0) << "a pushed level holds its own values, not a copy";
  for (int i = 0; i < 5; ++i) stack.Push();
  EXPECT_EQ(stack.Level(), 4);
  stack.Current().org = {40, 41};
  stack.Push();
  EXPECT_EQ(stack.Current().org.x, 40) << "a push at the top changes nothing";
  stack.Pop();
  EXPECT_EQ(stack.Level(), 3);
  for (int i = 0; i < 9; ++i) stack.Pop();
  EXPECT_EQ(stack.Level(), 0);
  EXPECT_EQ(stack.Current().org.y, 2);
}

}  // namespace
