// DrawTransparent by pixels: what it covers, what it leaves alone.
#include "DibCanvas.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

using PixelRule = std::function<COLORREF(int x, int y)>;

// A bitmap in the screen's format whose pixels the rule gives.
void MakeBitmap(CBitmap& bitmap, int width, int height, const PixelRule& rule) {
  HDC hScreen = ::GetDC(nullptr);
  ASSERT_TRUE(bitmap.Attach(::CreateCompatibleBitmap(hScreen, width, height)));
  ::ReleaseDC(nullptr, hScreen);
  HDC hMem = ::CreateCompatibleDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(hMem, bitmap.m_hObject);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) ::SetPixelV(hMem, x, y, rule(x, y));
  ::SelectObject(hMem, hOld);
  ::DeleteDC(hMem);
}

// The bitmap's pixels, read back.
std::vector<COLORREF> PixelsOf(CBitmap& bitmap, int width, int height) {
  HDC hMem = ::CreateCompatibleDC(nullptr);
  HGDIOBJ hOld = ::SelectObject(hMem, bitmap.m_hObject);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(hMem, x, y));
  ::SelectObject(hMem, hOld);
  ::DeleteDC(hMem);
  return pixels;
}

// A 16 x 16 bitmap with a scatter of transparent pixels among colours that
// differ from pixel to pixel.
COLORREF Mixed(int x, int y) {
  if ((x * 3 + y) % 4 == 0) return kMagenta;
  return RGB(x * 16, y * 16, 100);
}

TEST(DrawTransparent, ABitmapAllOfTheTransparentColourChangesNothing) {
  DibCanvas canvas(32, 32);
  canvas.FillVaried();
  const std::vector<DWORD> before = canvas.Snapshot();
  CBitmap bitmap;
  MakeBitmap(bitmap, 16, 16, [](int, int) { return kMagenta; });
  DrawTransparent(&canvas.dc(), &bitmap, kMagenta, POINT{5, 5});
  EXPECT_TRUE(canvas.ChangedSince(before).empty());
}

struct Placement {
  POINT viewportOrg;  // device position of the logical origin
  POINT at;           // logical
  POINT device;       // where the top-left corner must land
};

TEST(DrawTransparent, ABitmapCoversExactlyItsOwnSizeAtTheLogicalPoint) {
  const Placement placements[] = {
      {{0, 0}, {0, 0}, {0, 0}},
      {{0, 0}, {7, 9}, {7, 9}},
      {{0, 0}, {16, 16}, {16, 16}},
      {{3, 4}, {2, 2}, {5, 6}},
  };
  CBitmap bitmap;
  MakeBitmap(bitmap, 16, 16, [](int, int) { return RGB(200, 0, 0); });
  for (const Placement& p : placements) {
    DibCanvas canvas(32, 32);
    canvas.Fill(RGB(255, 255, 255));
    const std::vector<DWORD> before = canvas.Snapshot();
    canvas.dc().SetViewportOrg(p.viewportOrg.x, p.viewportOrg.y);
    DrawTransparent(&canvas.dc(), &bitmap, kMagenta, p.at);
    const std::vector<POINT> changed = canvas.ChangedSince(before);
    EXPECT_EQ(changed.size(), 256u) << p.at.x << "," << p.at.y;
    for (const POINT& pt : changed) {
      EXPECT_TRUE(pt.x >= p.device.x && pt.x < p.device.x + 16 && pt.y >= p.device.y &&
                  pt.y < p.device.y + 16)
          << pt.x << "," << pt.y;
    }
  }
}

// Draws the mixed bitmap at (4, 6) on a varied canvas and checks every
// pixel: transparent ones and those outside keep the canvas.
void ExpectMixedDrawn(CBitmap& bitmap) {
  DibCanvas canvas(32, 32);
  canvas.FillVaried();
  DibCanvas reference(32, 32);
  reference.FillVaried();
  DrawTransparent(&canvas.dc(), &bitmap, kMagenta, POINT{4, 6});
  int wrong = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      const bool inside = x >= 4 && x < 20 && y >= 6 && y < 22;
      const bool drawn = inside && Mixed(x - 4, y - 6) != kMagenta;
      if (canvas.At(x, y) != (drawn ? Mixed(x - 4, y - 6) : reference.At(x, y))) ++wrong;
    }
  EXPECT_EQ(wrong, 0);
}

TEST(DrawTransparent, TransparentPixelsKeepTheDestinationAndOthersAreCopied) {
  CBitmap bitmap;
  MakeBitmap(bitmap, 16, 16, Mixed);
  ExpectMixedDrawn(bitmap);
}

// The image list turns the masked pixels of a bitmap added to it black; the
// host's bitmap must come through unchanged, so that it draws alike again.
TEST(DrawTransparent, TheHostsBitmapIsLeftAsItWasAndDrawsAlikeAgain) {
  CBitmap bitmap;
  MakeBitmap(bitmap, 16, 16, Mixed);
  const std::vector<COLORREF> before = PixelsOf(bitmap, 16, 16);
  ExpectMixedDrawn(bitmap);
  EXPECT_EQ(PixelsOf(bitmap, 16, 16), before);
  ExpectMixedDrawn(bitmap);
}

TEST(DrawTransparent, ABitmapWithoutAHandleDrawsNothing) {
  DibCanvas canvas(16, 16);
  canvas.FillVaried();
  const std::vector<DWORD> before = canvas.Snapshot();
  CBitmap none;
  DrawTransparent(&canvas.dc(), &none, kMagenta, POINT{0, 0});
  EXPECT_TRUE(canvas.ChangedSince(before).empty());
}

}  // namespace
