// CDC's drawing checked by pixels on a memory context (real GDI).
#include "DibCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// ---- polygons and fill modes ----------------------------------------------

// A five-pointed star drawn as one self-crossing outline: its centre is
// wound twice, so the alternate mode leaves it empty and winding fills it.
std::vector<POINT> Star(int cx, int cy, int r) {
  std::vector<POINT> points;
  const double kPi = 3.14159265358979323846;
  for (int i = 0; i < 5; ++i) {
    const double a = -kPi / 2 + i * 4 * kPi / 5;
    points.push_back(POINT{cx + static_cast<int>(std::lround(r * std::cos(a))),
                           cy + static_cast<int>(std::lround(r * std::sin(a)))});
  }
  return points;
}

struct FillModeCase {
  int mode;
  COLORREF centre;
};

class PolygonFill : public ::testing::TestWithParam<FillModeCase> {};

TEST_P(PolygonFill, StarAndNestedSquares) {
  DibCanvas canvas(100, 100);
  CDC& dc = canvas.dc();
  CBrush red(kRed);
  canvas.Fill(kWhite);
  dc.SelectStockObject(NULL_PEN);
  dc.SelectObject(&red);
  dc.SetPolyFillMode(GetParam().mode);
  EXPECT_EQ(dc.GetPolyFillMode(), GetParam().mode);

  const std::vector<POINT> star = Star(50, 50, 45);
  ASSERT_TRUE(dc.Polygon(star.data(), static_cast<int>(star.size())));
  EXPECT_EQ(canvas.At(50, 50), GetParam().centre);
  EXPECT_EQ(canvas.At(50, 12), kRed);   // near the top point: wound once
  EXPECT_EQ(canvas.At(3, 3), kWhite);   // outside

  // Two squares turning the same way, one inside the other.
  canvas.Fill(kWhite);
  const POINT squares[] = {{10, 10}, {90, 10}, {90, 90}, {10, 90},
                           {30, 30}, {70, 30}, {70, 70}, {30, 70}};
  const INT counts[] = {4, 4};
  ASSERT_TRUE(dc.PolyPolygon(squares, counts, 2));
  EXPECT_EQ(canvas.At(50, 50), GetParam().centre);
  EXPECT_EQ(canvas.At(20, 50), kRed);
  EXPECT_EQ(canvas.At(95, 50), kWhite);
  dc.SelectStockObject(WHITE_BRUSH);  // let the brush go before it is deleted
}

INSTANTIATE_TEST_SUITE_P(Modes, PolygonFill,
                         ::testing::Values(FillModeCase{ALTERNATE, kWhite},
                                           FillModeCase{WINDING, kRed}));

// ---- inverting draws that undo themselves ---------------------------------

TEST(XorDrawing, LineDrawnTwiceLeavesNothing) {
  DibCanvas canvas(60, 60);
  CDC& dc = canvas.dc();
  canvas.FillVaried();
  const std::vector<DWORD> before = canvas.Snapshot();
  CPen pen(PS_SOLID, 3, RGB(192, 192, 192));
  CPen* pOld = dc.SelectObject(&pen);
  EXPECT_EQ(dc.SetROP2(R2_XORPEN), R2_COPYPEN);
  dc.MoveTo(5, 5);
  dc.LineTo(50, 40);
  EXPECT_EQ(dc.GetCurrentPosition(), CPoint(50, 40));
  EXPECT_GT(canvas.ChangedSince(before).size(), 45u);
  dc.MoveTo(CPoint(5, 5));
  dc.LineTo(CPoint(50, 40));
  EXPECT_TRUE(canvas.ChangedSince(before).empty());
  dc.SelectObject(pOld);
}

TEST(FocusRect, DrawnTwiceRestoresThePixels) {
  DibCanvas canvas(50, 50);
  canvas.FillVaried();
  const std::vector<DWORD> before = canvas.Snapshot();
  const CRect rc(5, 5, 40, 30);
  canvas.dc().DrawFocusRect(&rc);
  const std::vector<POINT> changed = canvas.ChangedSince(before);
  ASSERT_FALSE(changed.empty());
  for (const POINT& p : changed) {  // only on the outline
    const bool onEdge = p.x == rc.left || p.x == rc.right - 1 || p.y == rc.top || p.y == rc.bottom - 1;
    EXPECT_TRUE(onEdge) << p.x << "," << p.y;
  }
  canvas.dc().DrawFocusRect(&rc);
  EXPECT_TRUE(canvas.ChangedSince(before).empty());
}

// ---- the drag frame -------------------------------------------------------

// The pixels of the frame of thickness t along the inside of rc.
std::set<std::pair<int, int>> FramePixels(const CRect& rc, int t) {
  std::set<std::pair<int, int>> pixels;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x)
      if (x < rc.left + t || x >= rc.right - t || y < rc.top + t || y >= rc.bottom - t)
        pixels.insert({x, y});
  return pixels;
}

TEST(DragRect, DrawsAHalftoneFrameInsideTheRectangle) {
  DibCanvas canvas(80, 60);
  CDC& dc = canvas.dc();
  canvas.Fill(kWhite);
  const std::vector<DWORD> before = canvas.Snapshot();
  const CRect rc(10, 10, 50, 40);
  dc.DrawDragRect(&rc, CSize(2, 2), nullptr, CSize(0, 0));

  const std::set<std::pair<int, int>> frame = FramePixels(rc, 2);
  const std::vector<POINT> changed = canvas.ChangedSince(before);
  // Half of the frame, in a checkerboard: white becomes black.
  EXPECT_EQ(changed.size(), frame.size() / 2);
  for (const POINT& p : changed) {
    EXPECT_TRUE(frame.count({p.x, p.y})) << p.x << "," << p.y;
    EXPECT_EQ(canvas.At(p.x, p.y), RGB(0, 0, 0));
  }
  EXPECT_NE(canvas.At(10, 10), canvas.At(11, 10));
  EXPECT_NE(canvas.At(10, 10), canvas.At(10, 11));
  EXPECT_EQ(canvas.At(10, 10), canvas.At(11, 11));
}

TEST(DragRect, DrawnTwiceOrRemovedLeavesNothing) {
  DibCanvas canvas(80, 60);
  CDC& dc = canvas.dc();
  canvas.FillVaried();
  const std::vector<DWORD> before = canvas.Snapshot();
  const CRect rc(10, 10, 50, 40);

  dc.DrawDragRect(&rc, CSize(2, 2), nullptr, CSize(0, 0));
  dc.DrawDragRect(&rc, CSize(2, 2), nullptr, CSize(0, 0));
  EXPECT_TRUE(canvas.ChangedSince(before).empty());

  // The tracker's way: draw, then remove with thickness 0 and the last one.
  dc.DrawDragRect(&rc, CSize(2, 2), nullptr, CSize(0, 0));
  EXPECT_FALSE(canvas.ChangedSince(before).empty());
  dc.DrawDragRect(&rc, CSize(0, 0), &rc, CSize(2, 2));
  EXPECT_TRUE(canvas.ChangedSince(before).empty());

  // Thickness 0 draws nothing.
  dc.DrawDragRect(&rc, CSize(0, 0), nullptr, CSize(0, 0));
  EXPECT_TRUE(canvas.ChangedSince(before).empty());
}

TEST(DragRect, MovingChangesOnlyWhereTheFramesDiffer) {
  DibCanvas moved(80, 60), fresh(80, 60);
  moved.FillVaried();
  fresh.FillVaried();
  const CRect first(10, 10, 50, 40), second(14, 12, 60, 40);  // shares the bottom edge

  moved.dc().DrawDragRect(&first, CSize(2, 2), nullptr, CSize(0, 0));
  const std::vector<DWORD> before = moved.Snapshot();
  moved.dc().DrawDragRect(&second, CSize(2, 2), &first, CSize(2, 2));

  // Only pixels in exactly one of the two frames were touched...
  const std::set<std::pair<int, int>> a = FramePixels(first, 2), b = FramePixels(second, 2);
  for (const POINT& p : moved.ChangedSince(before)) {
    const bool inA = a.count({p.x, p.y}) != 0, inB = b.count({p.x, p.y}) != 0;
    EXPECT_NE(inA, inB) << p.x << "," << p.y;
  }
  // ...and the result is the second frame alone on the background.
  fresh.dc().DrawDragRect(&second, CSize(2, 2), nullptr, CSize(0, 0));
  EXPECT_TRUE(moved.ChangedSince(fresh.Snapshot()).empty());
}

TEST(DragRect, ADifferentLastBrushRemovesTheOldFrameWholly) {
  DibCanvas moved(80, 60), fresh(80, 60);
  moved.FillVaried();
  fresh.FillVaried();
  CBrush solid(RGB(255, 255, 255));  // inverts every pixel of its frame
  const CRect first(10, 10, 50, 40), second(12, 10, 50, 40);
  moved.dc().DrawDragRect(&first, CSize(3, 3), nullptr, CSize(0, 0), &solid);
  moved.dc().DrawDragRect(&second, CSize(2, 2), &first, CSize(3, 3), nullptr, &solid);
  fresh.dc().DrawDragRect(&second, CSize(2, 2), nullptr, CSize(0, 0));
  EXPECT_TRUE(moved.ChangedSince(fresh.Snapshot()).empty());
}

TEST(DragRect, FollowsTheMappingOfTheContext) {
  DibCanvas canvas(80, 60);
  CDC& dc = canvas.dc();
  canvas.Fill(kWhite);
  const std::vector<DWORD> before = canvas.Snapshot();
  dc.SetWindowOrg(-20, -10);  // logical (0, 0) is device (20, 10)
  const CRect rc(0, 0, 10, 10);
  dc.DrawDragRect(&rc, CSize(1, 1), nullptr, CSize(0, 0));
  for (const POINT& p : canvas.ChangedSince(before)) {
    EXPECT_TRUE(p.x >= 20 && p.x < 30 && p.y >= 10 && p.y < 20) << p.x << "," << p.y;
  }
  EXPECT_FALSE(canvas.ChangedSince(before).empty());
  EXPECT_EQ(dc.GetWindowOrg(), CPoint(-20, -10));  // the mapping is left as it was
}

// ---- outlines and fills ---------------------------------------------------

struct EtchedLine {
  int x, y, cx, cy;        // Draw3dRect's arguments
  POINT dark[2];           // first and last pixel of the dark edge
  POINT light[2];          // first and last pixel of the light edge
  POINT lightCorner;       // the corner that belongs to the light edge
};

TEST(Draw3dRect, EtchedSeparatorLines) {
  const COLORREF dark = RGB(128, 128, 128), light = RGB(250, 250, 250), bg = RGB(10, 20, 30);
  const EtchedLine cases[] = {
      // horizontal 200 x 20 separator: dark row at y 10, light row at y 11
      {0, 10, 200, 2, {{0, 10}, {198, 10}}, {{0, 11}, {199, 11}}, {199, 10}},
      // vertical 4 x 100 separator: dark column at x 2, light column at x 3
      {2, 0, 2, 100, {{2, 0}, {2, 98}}, {{3, 0}, {3, 99}}, {2, 99}},
  };
  for (const EtchedLine& c : cases) {
    DibCanvas canvas(210, 110);
    canvas.Fill(bg);
    canvas.dc().Draw3dRect(c.x, c.y, c.cx, c.cy, dark, light);
    const bool horizontal = c.cx > c.cy;
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(canvas.At(c.dark[i].x, c.dark[i].y), dark);
      EXPECT_EQ(canvas.At(c.light[i].x, c.light[i].y), light);
    }
    EXPECT_EQ(canvas.At(c.lightCorner.x, c.lightCorner.y), light);
    // Nothing outside the outline.
    EXPECT_EQ(canvas.At(horizontal ? 100 : 1, horizontal ? 9 : 50), bg);
    EXPECT_EQ(canvas.At(horizontal ? 100 : 4, horizontal ? 12 : 50), bg);
    EXPECT_EQ(canvas.At(horizontal ? 200 : 2, horizontal ? 10 : 100), bg);
  }
}

TEST(FillSolidRect, FillsAndLeavesItsColourAsTheBackground) {
  DibCanvas canvas(20, 20);
  CDC& dc = canvas.dc();
  dc.SetBkColor(kBlue);
  dc.FillSolidRect(CRect(0, 0, 20, 20), kRed);
  EXPECT_EQ(canvas.At(19, 19), kRed);
  EXPECT_EQ(dc.GetBkColor(), kRed);
}

TEST(Brushes, HatchRepeatsEveryEightPixels) {
  DibCanvas canvas(32, 32);
  CDC& dc = canvas.dc();
  canvas.Fill(kWhite);
  CBrush hatch(HS_HORIZONTAL, kRed);
  dc.SetBkMode(TRANSPARENT);
  dc.FillRect(CRect(0, 0, 32, 32), &hatch);
  int redRows = 0;
  for (int y = 0; y < 8; ++y) {
    const COLORREF row = canvas.At(0, y);
    for (int x = 0; x < 32; ++x) {
      ASSERT_EQ(canvas.At(x, y), row) << x << "," << y;           // whole rows
      ASSERT_EQ(canvas.At(x % 8, y + 8 * (x / 8 % 3)), row);      // period 8
    }
    redRows += row == kRed ? 1 : 0;
  }
  EXPECT_EQ(redRows, 1);
}

TEST(Brushes, EightByEightPatternOutlivesItsBitmap) {
  DibCanvas canvas(16, 16);
  CDC& dc = canvas.dc();
  CBrush brush;
  {
    // Rows alternate 0xAA and 0x55, each padded to 16 bits; the most
    // significant bit is the leftmost pixel.
    const WORD rows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    CBitmap pattern;
    ASSERT_TRUE(pattern.CreateBitmap(8, 8, 1, 1, rows));
    ASSERT_TRUE(brush.CreatePatternBrush(&pattern));
  }  // the bitmap is deleted here
  // A monochrome pattern draws 0 bits in the text colour, 1 bits in the
  // background colour.
  dc.SetTextColor(kBlue);
  dc.SetBkColor(kWhite);
  dc.FillRect(CRect(0, 0, 16, 16), &brush);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(canvas.At(x, y), (x + y) % 2 == 0 ? kWhite : kBlue) << x << "," << y;
}

// ---- mapping ---------------------------------------------------------------

// Below 250 pixels a side, whatever Wine's desktop: see WorldViewMapping.h.
TEST(Mapping, IsotropicWithFlippedViewportPutsLogicalPointsWhereExpected) {
  // The world view's preparation for a view of 200 x 150 pixels: logical y
  // runs upwards from the bottom edge.
  DibCanvas canvas(200, 150);
  CDC& dc = canvas.dc();
  canvas.Fill(kWhite);
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowOrg(0, 0);
  dc.SetWindowExt(200, 150);
  dc.SetViewportOrg(0, 150);
  dc.SetViewportExt(200, -150);
  EXPECT_EQ(dc.GetMapMode(), MM_ISOTROPIC);
  EXPECT_EQ(dc.GetWindowExt(), CSize(200, 150));
  EXPECT_EQ(dc.GetViewportOrg(), CPoint(0, 150));
  EXPECT_EQ(dc.GetViewportExt(), CSize(200, -150));

  CPoint pt(100, 40);
  dc.LPtoDP(&pt);
  EXPECT_EQ(pt, CPoint(100, 110));
  dc.DPtoLP(&pt);
  EXPECT_EQ(pt, CPoint(100, 40));
  CRect rc(0, 150, 200, 0);
  dc.LPtoDP(&rc);
  EXPECT_EQ(rc, CRect(0, 0, 200, 150));

  dc.SetPixel(100, 40, kRed);
  EXPECT_EQ(canvas.At(100, 110), kRed);
}

// A context that records the mapping calls, as a print-preview one does.
class RecordingDC : public CDC {
 public:
  std::vector<int> calls;
  int SetMapMode(int nMapMode) override { calls.push_back(1); return CDC::SetMapMode(nMapMode); }
  CPoint SetWindowOrg(int x, int y) override { calls.push_back(2); return CDC::SetWindowOrg(x, y); }
  CSize SetWindowExt(int cx, int cy) override { calls.push_back(3); return CDC::SetWindowExt(cx, cy); }
  CPoint SetViewportOrg(int x, int y) override { calls.push_back(4); return CDC::SetViewportOrg(x, y); }
  CSize SetViewportExt(int cx, int cy) override { calls.push_back(5); return CDC::SetViewportExt(cx, cy); }
  using CDC::SetViewportExt;
  using CDC::SetViewportOrg;
  using CDC::SetWindowExt;
  using CDC::SetWindowOrg;
};

TEST(Mapping, SettersReachAnOverridingContextThroughTheBaseClass) {
  RecordingDC recording;
  ASSERT_TRUE(recording.CreateCompatibleDC(nullptr));
  CDC* pDC = &recording;
  pDC->SetMapMode(MM_ISOTROPIC);
  pDC->SetWindowOrg(CPoint(1, 2));
  pDC->SetWindowExt(CSize(10, 10));
  pDC->SetViewportOrg(CPoint(0, 10));
  pDC->SetViewportExt(CSize(10, -10));
  EXPECT_EQ(recording.calls, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(pDC->GetWindowOrg(), CPoint(1, 2));
}

// ---- clipping and blits ---------------------------------------------------

TEST(Clipping, RegionAndRectangleIntersect) {
  DibCanvas canvas(50, 50);
  CDC& dc = canvas.dc();
  canvas.Fill(kWhite);
  CRgn rgn;
  ASSERT_TRUE(rgn.CreateRectRgnIndirect(CRect(0, 0, 30, 30)));
  EXPECT_NE(dc.SelectClipRgn(&rgn, RGN_AND), ERROR);
  dc.IntersectClipRect(CRect(10, 10, 50, 50));
  dc.FillSolidRect(0, 0, 50, 50, kRed);
  EXPECT_EQ(canvas.At(10, 10), kRed);
  EXPECT_EQ(canvas.At(29, 29), kRed);
  EXPECT_EQ(canvas.At(9, 15), kWhite);
  EXPECT_EQ(canvas.At(30, 15), kWhite);
  dc.SelectClipRgn(nullptr);  // no clipping again
  dc.FillSolidRect(0, 0, 50, 50, kBlue);
  EXPECT_EQ(canvas.At(45, 45), kBlue);
}

TEST(DrawState, BitmapIsDrawnAtThePointAtItsOwnSize) {
  DibCanvas image(4, 3), canvas(20, 20);
  image.Fill(kRed);
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&image.dc(), 4, 3));
  {
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&image.dc()));
    CBitmap* pOld = memory.SelectObject(&bitmap);
    memory.BitBlt(0, 0, 4, 3, &image.dc(), 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
  }
  canvas.Fill(kWhite);
  ASSERT_TRUE(canvas.dc().DrawState(CPoint(5, 6), CSize(0, 0), &bitmap, DSS_NORMAL));
  EXPECT_EQ(canvas.At(5, 6), kRed);
  EXPECT_EQ(canvas.At(8, 8), kRed);
  EXPECT_EQ(canvas.At(9, 8), kWhite);
  EXPECT_EQ(canvas.At(8, 9), kWhite);
  EXPECT_EQ(canvas.At(4, 6), kWhite);
}

TEST(DrawState, PrefixTextHidesTheAmpersand) {
  // The same text with and without the prefix ampersand covers the same
  // width: the ampersand is not drawn but underlines the next letter.
  DibCanvas plain(120, 30), prefixed(120, 30);
  for (DibCanvas* c : {&plain, &prefixed}) {
    c->Fill(kWhite);
    c->dc().SelectStockObject(DEFAULT_GUI_FONT);
  }
  ASSERT_TRUE(plain.dc().DrawState(CPoint(2, 2), CSize(0, 0), "Open", DSS_NORMAL, FALSE));
  ASSERT_TRUE(prefixed.dc().DrawState(CPoint(2, 2), CSize(0, 0), "&Open", DSS_NORMAL, TRUE));
  auto rightmost = [&](DibCanvas& c) {
    int right = -1;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 120; ++x)
        if (c.At(x, y) != kWhite) right = std::max(right, x);
    return right;
  };
  const int plainRight = rightmost(plain);
  EXPECT_GT(plainRight, 2);
  EXPECT_NEAR(rightmost(prefixed), plainRight, 1);
  EXPECT_GT(prefixed.ChangedSince(plain.Snapshot()).size(), 0u);  // the underline
}

TEST(Text, ExtentIsMeasuredWithTheSelectedFont) {
  DibCanvas canvas(10, 10);
  CDC& dc = canvas.dc();
  dc.SelectStockObject(DEFAULT_GUI_FONT);
  const CSize one = dc.GetTextExtent(CString("Wide"));
  const CSize two = dc.GetTextExtent("WideWide", 8);
  EXPECT_GT(one.cx, 0);
  EXPECT_EQ(two.cx, 2 * one.cx);
  EXPECT_EQ(two.cy, one.cy);
}

}  // namespace
