#include "frame/WorldGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(WorldGeometry, SetRectWTakesOriginCornerThenOppositeCorner) {
  tagRECT rc = {1, 2, 3, 4};
  EXPECT_EQ(SetRectW(&rc, 0, 0, 10000, 10000), 1);
  EXPECT_EQ(rc.left, 0);
  EXPECT_EQ(rc.bottom, 0);
  EXPECT_EQ(rc.right, 10000);
  EXPECT_EQ(rc.top, 10000);

  EXPECT_EQ(SetRectW(&rc, -5, -7, 20, 30), 1);
  EXPECT_EQ(rc.left, -5);
  EXPECT_EQ(rc.bottom, -7);
  EXPECT_EQ(rc.right, 20);
  EXPECT_EQ(rc.top, 30);
  EXPECT_EQ(SetRectW(nullptr, 0, 0, 1, 1), 0);
}

TEST(WorldGeometry, CopyRectWCopiesDestinationFirst) {
  const tagRECT src = {-100, 900, 800, -300};
  tagRECT dst = {};
  EXPECT_EQ(CopyRectW(&dst, &src), 1);
  EXPECT_EQ(dst.left, -100);
  EXPECT_EQ(dst.top, 900);
  EXPECT_EQ(dst.right, 800);
  EXPECT_EQ(dst.bottom, -300);
  EXPECT_EQ(CopyRectW(nullptr, &src), 0);
  EXPECT_EQ(CopyRectW(&dst, nullptr), 0);
}

TEST(WorldGeometry, PointArraysPassAsPlatformPoints) {
  CPointW world[2] = {{1, -2}, {2147483647, -2147483647 - 1}};
  const tagPOINT* platform = reinterpret_cast<const tagPOINT*>(world);
  EXPECT_EQ(platform[1].x, 2147483647);
  EXPECT_EQ(platform[1].y, -2147483647 - 1);
  EXPECT_EQ(platform[0].y, -2);
}

}  // namespace
