#include "controls/SeparatorLayout.h"

#include <gtest/gtest.h>

using namespace varnel::controls;

namespace {

TEST(SeparatorLayout, LineFollowsTheShape) {
  const struct {
    LONG width, height;
    SeparatorLine line;
  } cases[] = {
      {200, 20, {false, 0, 10, 200, 2}},
      {4, 100, {true, 2, 0, 2, 100}},
      {5, 101, {true, 2, 0, 2, 101}},  // halves truncate
      {30, 30, {false, 0, 15, 30, 2}},  // square: horizontal
      {0, 0, {false, 0, 0, 0, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const SeparatorLine line = SeparatorLineFor(c.width, c.height);
    EXPECT_EQ(line.bVertical, c.line.bVertical);
    EXPECT_EQ(line.x, c.line.x);
    EXPECT_EQ(line.y, c.line.y);
    EXPECT_EQ(line.cx, c.line.cx);
    EXPECT_EQ(line.cy, c.line.cy);
  }
}

TEST(SeparatorLayout, CaptionSpacedOnTheSidesWhereTheLineContinues) {
  const struct {
    const char* text;
    DWORD style;
    const char* caption;
    UINT format;
  } cases[] = {
      {"Group", 0x0000, "Group  ", 0x0000},
      {"Group", 0x0001, "  Group  ", 0x0001},
      {"Group", 0x0002, "  Group", 0x0002},
      {"Group", 0x0003, "  Group  ", 0x0001},  // centre is tested first
      {"A&B", 0x0080, "A&B  ", 0x0800},
      {"A&B", 0x0082, "  A&B", 0x0802},
      {"", 0x0000, "  ", 0x0000},
      {"Group", 0x5000000C, "Group  ", 0x0000},  // other style bits play no part
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " style " << c.style);
    const SeparatorCaption caption = SeparatorCaptionFor(c.text, c.style);
    EXPECT_EQ(caption.text, c.caption);
    EXPECT_EQ(caption.nFormat, c.format);
  }
}

}  // namespace
