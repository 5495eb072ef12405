#include "controls/ImageButtonLayout.h"

#include <gtest/gtest.h>

#include <climits>

using namespace varnel::controls;

namespace {

constexpr tagRECT kItem = {0, 0, 100, 30};
constexpr tagSIZE kClient = {100, 30};
constexpr tagSIZE kIcon = {16, 16};
constexpr tagSIZE kCaption = {40, 13};

ImageButtonLayout AutoLayout(tagSIZE sizeImage) {
  return ImageButtonLayout{true, {0, 0}, {0, 0}, 4, 8, sizeImage};
}

ImageButtonLayout ExplicitLayout(tagPOINT ptImage, tagPOINT ptText, tagSIZE sizeImage) {
  return ImageButtonLayout{false, ptImage, ptText, 4, 8, sizeImage};
}

struct LayoutCase {
  const char* name;
  ImageButtonLayout layout;
  tagRECT rcItem;
  bool hasImage, hasCaption;
  LONG shift;
  tagPOINT image, caption;
};

TEST(ImageButtonLayout, PlacesImageAndCaption) {
  const tagRECT shrunk = {1, 1, 99, 29};  // inside the default frame
  const LayoutCase cases[] = {
      {"icon and caption", AutoLayout(kIcon), kItem, true, true, 0, {4, 7}, {28, 7}},
      {"pressed", AutoLayout(kIcon), kItem, true, true, 1, {5, 8}, {29, 8}},
      {"no caption: centred", AutoLayout(kIcon), kItem, true, false, 0, {42, 7}, {}},
      {"no image: centred, one pixel up", AutoLayout(kIcon), kItem, false, true, 0, {}, {30, 7}},
      // The image follows the shrunk item; the caption is counted from 0.
      {"default frame", AutoLayout(kIcon), shrunk, true, true, 0, {5, 7}, {28, 7}},
      // Counted as 0 x 0: centred, the corner lands on the client's centre.
      {"zero-size image", AutoLayout({0, 0}), kItem, true, false, 0, {50, 15}, {}},
      {"zero-size image beside a caption", AutoLayout({0, 0}), kItem, true, true, 0, {4, 15},
       {12, 7}},
      {"explicit text (10, -1)", ExplicitLayout({2, 3}, {10, -1}, kIcon), kItem, true, true, 0,
       {2, 3}, {10, 7}},
      {"explicit, pressed: no lift off the centre", ExplicitLayout({-1, 3}, {-1, 9}, kIcon),
       kItem, true, true, 1, {43, 4}, {31, 10}},
      {"odd remainder rounds toward minus infinity", ExplicitLayout({-1, -1}, {-1, -1}, {101, 31}),
       kItem, true, true, 0, {-1, -1}, {30, 7}},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.hasImage) {
      const tagPOINT image = ImagePosition(c.layout, c.rcItem, kClient, c.hasCaption, c.shift);
      EXPECT_EQ(image.x, c.image.x);
      EXPECT_EQ(image.y, c.image.y);
    }
    if (c.hasCaption) {
      const tagPOINT caption = CaptionPosition(c.layout, kClient, c.hasImage, kCaption, c.shift);
      EXPECT_EQ(caption.x, c.caption.x);
      EXPECT_EQ(caption.y, c.caption.y);
    }
  }
}

// Offsets, explicit positions and the image size scale to the nearest
// pixel, halves away from zero; a centring -1 stays; a round trip returns.
TEST(ImageButtonLayout, LaidOutAgainAtAnotherDensity) {
  const ImageButtonLayout layout{false, {3, -1}, {-1, 7}, 4, 8, {16, 16}};
  const struct {
    UINT nOld, nNew;
    tagPOINT image, text;
    LONG imageOffset, textOffset;
    tagSIZE size;
  } cases[] = {
      {96, 144, {5, -1}, {-1, 11}, 6, 12, {24, 24}},  // 4.5 and 10.5 away from zero
      {96, 120, {4, -1}, {-1, 9}, 5, 10, {20, 20}},   // 3.75, 8.75
      {144, 96, {2, -1}, {-1, 5}, 3, 5, {11, 11}},    // 2, 4.67, 2.67, 5.33, 10.67
      {96, 96, {3, -1}, {-1, 7}, 4, 8, {16, 16}},
      {96, 0, {3, -1}, {-1, 7}, 4, 8, {16, 16}},      // no density: unchanged
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.nOld << " to " << c.nNew);
    const ImageButtonLayout scaled = LayoutForDensity(layout, c.nOld, c.nNew);
    EXPECT_EQ(scaled.bAutoPos, layout.bAutoPos);
    EXPECT_EQ(scaled.ptImage.x, c.image.x);
    EXPECT_EQ(scaled.ptImage.y, c.image.y);
    EXPECT_EQ(scaled.ptText.x, c.text.x);
    EXPECT_EQ(scaled.ptText.y, c.text.y);
    EXPECT_EQ(scaled.nImageOffset, c.imageOffset);
    EXPECT_EQ(scaled.nTextOffset, c.textOffset);
    EXPECT_EQ(scaled.sizeImage.cx, c.size.cx);
    EXPECT_EQ(scaled.sizeImage.cy, c.size.cy);
  }
  const ImageButtonLayout there = LayoutForDensity(layout, 96, 144);
  const ImageButtonLayout back = LayoutForDensity(there, 144, 96);
  EXPECT_EQ(back.nImageOffset, 4);
  EXPECT_EQ(back.nTextOffset, 8);
  EXPECT_EQ(back.sizeImage.cx, 16);
  const ImageButtonLayout negative{false, {-3, -2}, {0, 0}, -4, 0, {0, 0}};
  const ImageButtonLayout scaledNegative = LayoutForDensity(negative, 96, 144);
  EXPECT_EQ(scaledNegative.ptImage.x, -5);  // -4.5 away from zero
  EXPECT_EQ(scaledNegative.ptImage.y, -3);
  EXPECT_EQ(scaledNegative.nImageOffset, -6);
}

TEST(ImageButtonLayout, CentresOnlyMinusOneAndWrapsExtremeValues) {
  const tagPOINT kept = CenterInClient({-2, 0}, kClient, kIcon);
  EXPECT_EQ(kept.x, -2);
  EXPECT_EQ(kept.y, 0);
  // The largest differences still fit after halving.
  const tagPOINT extreme = CenterInClient({-1, -1}, {INT_MAX, 0}, {INT_MIN, INT_MAX});
  EXPECT_EQ(extreme.x, INT_MAX);
  EXPECT_EQ(extreme.y, -1073741824);
  // A shift past the largest coordinate wraps rather than overflowing.
  const ImageButtonLayout edge = ExplicitLayout({INT_MAX, 0}, {INT_MAX, 0}, kIcon);
  EXPECT_EQ(ImagePosition(edge, kItem, kClient, true, 1).x, INT_MIN);
  EXPECT_EQ(CaptionPosition(edge, kClient, true, kCaption, 1).x, INT_MIN);
}

TEST(ImageButtonLayout, FocusInsetIsAQuarterOfTheSmallerSideUpToThree) {
  const struct {
    LONG width, height, inset;
  } cases[] = {
      {0, 30, 0}, {3, 30, 0}, {4, 30, 1}, {7, 30, 1}, {8, 30, 2},   {11, 30, 2},
      {12, 30, 3}, {13, 30, 3}, {30, 12, 3}, {100, 30, 3}, {30, 9, 2}, {-1, 30, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    const tagRECT rc = {10, 20, 10 + c.width, 20 + c.height};
    EXPECT_EQ(FocusInset(rc), c.inset);
    const tagRECT focus = FocusRectangle(rc);
    EXPECT_EQ(focus.left, rc.left + c.inset);
    EXPECT_EQ(focus.top, rc.top + c.inset);
    EXPECT_EQ(focus.right, rc.right - c.inset);
    EXPECT_EQ(focus.bottom, rc.bottom - c.inset);
  }
  EXPECT_EQ(FocusInset({INT_MIN, INT_MIN, INT_MAX, INT_MAX}), 3);  // no overflow
}

TEST(ImageButtonLayout, FocusRectangleOnceAChangeAndOnEveryFocusedFace) {
  const struct {
    bool focused, wasFocused, disabled, focusOnly, draws;
  } cases[] = {
      {true, false, false, true, true},    // gaining the focus
      {false, true, false, true, true},    // losing it: the inversion removes it
      {true, true, false, true, false},    // no change: drawing again would remove it
      {false, false, false, true, false},
      {true, true, false, false, true},    // a fresh face of a focused button
      {true, false, false, false, true},
      {false, true, false, false, false},  // a fresh face of a button that lost it
      {false, false, false, false, false},
      {true, false, true, true, false},    // never when disabled
      {true, true, true, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DrawsFocusRectangle(c.focused, c.wasFocused, c.disabled, c.focusOnly), c.draws)
        << c.focused << c.wasFocused << c.disabled << c.focusOnly;
  }
}

TEST(ImageButtonLayout, ColorTabIsATriangleInsideTheFace) {
  const struct {
    tagRECT rc;
    LONG shift;
    LONG left, top;
  } cases[] = {{kItem, 0, 1, 1}, {kItem, 1, 2, 2}, {{1, 1, 99, 29}, 0, 2, 2}};
  for (const auto& c : cases) {
    ColorTabRow rows[kColorTabRows];
    ColorTabRows(c.rc, c.shift, rows);
    for (int i = 0; i < kColorTabRows; ++i) {
      EXPECT_EQ(rows[i].xFrom, c.left);
      EXPECT_EQ(rows[i].xTo - rows[i].xFrom, 7 - i);
      EXPECT_EQ(rows[i].y, c.top + i);
    }
  }
}

}  // namespace
