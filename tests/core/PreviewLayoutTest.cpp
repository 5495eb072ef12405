// Print preview's geometry: the scale of each zoom state and where the
// sheets lie, for a Letter page of a 300-dpi printer on a 96-dpi screen.
#include "afx/base/AfxPreviewLayout.h"

#include <gtest/gtest.h>

namespace {

// Letter at 300 dpi, a quarter inch unprintable on each side.
PreviewDevice Letter300() {
  PreviewDevice d = {};
  d.paper = tagSIZE{2550, 3300};
  d.offset = tagPOINT{75, 75};
  d.printerDpi = tagSIZE{300, 300};
  d.screenDpi = tagSIZE{96, 96};
  return d;
}

LONG Width(const tagRECT& rc) { return rc.right - rc.left; }
LONG Height(const tagRECT& rc) { return rc.bottom - rc.top; }

TEST(PreviewLayout, ActualSizeIsTheScreensInchForThePrintersInch) {
  const PreviewLayout layout = LayOutPreview(Letter300(), kPreviewZoomIn, 1, tagSIZE{700, 500});
  // 96 / 300, reduced.
  EXPECT_EQ(layout.scale.numX, 8);
  EXPECT_EQ(layout.scale.denX, 25);
  EXPECT_EQ(Width(layout.sheets[0]), 816);
  EXPECT_EQ(Height(layout.sheets[0]), 1056);
  // Larger than the window: it scrolls, a margin around the sheet.
  EXPECT_EQ(layout.picture.cx, 816 + 2 * kPreviewMargin);
  EXPECT_EQ(layout.picture.cy, 1056 + 2 * kPreviewMargin);
  EXPECT_EQ(layout.sheets[0].left, kPreviewMargin);
  EXPECT_EQ(layout.sheets[0].top, kPreviewMargin);
}

TEST(PreviewLayout, ZoomedOutOneSheetFitsTheTighterSide) {
  // 484 pixels of height for 1056 at the actual size: 11/75 of the
  // printer's pixels, not a round scale.
  const PreviewLayout layout = LayOutPreview(Letter300(), kPreviewZoomOut, 1, tagSIZE{700, 500});
  EXPECT_EQ(layout.scale.numY, 11);
  EXPECT_EQ(layout.scale.denY, 75);
  EXPECT_EQ(Height(layout.sheets[0]), 484);
  EXPECT_EQ(Width(layout.sheets[0]), 374);  // 2550 * 11 / 75 = 374.0
  // Centred in the window, which it does not exceed.
  EXPECT_EQ(layout.picture.cx, 700);
  EXPECT_EQ(layout.picture.cy, 500);
  EXPECT_EQ(layout.sheets[0].left, (700 - 374) / 2);
  EXPECT_EQ(layout.sheets[0].top, kPreviewMargin);
  // The printable area's corner: 75 printer pixels, 11 screen pixels.
  EXPECT_EQ(layout.scale.ToScreenX(75), 11);
}

TEST(PreviewLayout, TwoSheetsSideBySideShareTheWidth) {
  // A wide, low window: the two sheets' width decides.
  const PreviewLayout layout = LayOutPreview(Letter300(), kPreviewZoomOut, 2, tagSIZE{600, 700});
  const LONG cx = Width(layout.sheets[0]);
  EXPECT_EQ(Width(layout.sheets[1]), cx);
  EXPECT_LE(2 * cx + 3 * kPreviewMargin, 600);
  EXPECT_GE(2 * cx + 3 * kPreviewMargin, 598);  // within a rounding of the width
  EXPECT_EQ(layout.sheets[1].left - layout.sheets[0].right, kPreviewMargin);
  EXPECT_EQ(layout.sheets[0].top, layout.sheets[1].top);
  // The sheets keep the paper's proportions within a pixel.
  EXPECT_NEAR(Height(layout.sheets[0]), cx * 3300.0 / 2550.0, 1.0);
}

TEST(PreviewLayout, MiddleZoomLiesHalfWayToTheActualSize) {
  const tagSIZE client{700, 500};
  const LONG out = Height(LayOutPreview(Letter300(), kPreviewZoomOut, 1, client).sheets[0]);
  const LONG middle = Height(LayOutPreview(Letter300(), kPreviewZoomMiddle, 1, client).sheets[0]);
  const LONG in = Height(LayOutPreview(Letter300(), kPreviewZoomIn, 1, client).sheets[0]);
  EXPECT_EQ(middle, (out + in) / 2);
  // Zoomed, one sheet is shown even when two were asked for.
  const PreviewLayout two = LayOutPreview(Letter300(), kPreviewZoomMiddle, 2, client);
  EXPECT_EQ(Width(two.sheets[1]), 0);
}

TEST(PreviewLayout, ASmallPageIsNeverShownLargerThanItsActualSize) {
  PreviewDevice d = Letter300();
  d.paper = tagSIZE{300, 200};
  d.offset = tagPOINT{0, 0};
  d.printerDpi = tagSIZE{96, 96};
  for (int nZoom : {kPreviewZoomOut, kPreviewZoomMiddle, kPreviewZoomIn}) {
    const PreviewLayout layout = LayOutPreview(d, nZoom, 1, tagSIZE{700, 500});
    EXPECT_TRUE(layout.scale.IsIdentity()) << nZoom;
    EXPECT_EQ(Width(layout.sheets[0]), 300) << nZoom;
    EXPECT_EQ(layout.sheets[0].left, 200) << nZoom;
    EXPECT_EQ(layout.sheets[0].top, 150) << nZoom;
  }
}

TEST(PreviewLayout, UnequalResolutionsKeepThePapersShape) {
  // 300 by 600 dpi: the sheet is still 8.5 by 11 inches on the screen.
  PreviewDevice d = Letter300();
  d.paper = tagSIZE{2550, 6600};
  d.printerDpi = tagSIZE{300, 600};
  const PreviewLayout layout = LayOutPreview(d, kPreviewZoomIn, 1, tagSIZE{700, 500});
  EXPECT_EQ(Width(layout.sheets[0]), 816);
  EXPECT_EQ(Height(layout.sheets[0]), 1056);
}

TEST(PreviewLayout, ScrollPositionsStayInsideThePicture) {
  struct Case {
    LONG pos, picture, client, expected;
  } cases[] = {
      {-5, 1000, 300, 0}, {0, 1000, 300, 0},     {350, 1000, 300, 350},
      {700, 1000, 300, 700}, {701, 1000, 300, 700}, {50, 300, 400, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClampPreviewScroll(c.pos, c.picture, c.client), c.expected) << c.pos << " " << c.picture;
  }
}

}  // namespace
