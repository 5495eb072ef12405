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
// pixel: transparent ones and those outside keep the canvas, the others
// show the bitmap's colour as the screen's format holds it.
void ExpectMixedDrawn(CBitmap& bitmap) {
  const std::vector<COLORREF> held = PixelsOf(bitmap, 16, 16);
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
      const COLORREF expected = drawn ? held[(y - 6) * 16 + x - 4] : reference.At(x, y);
      if (canvas.At(x, y) != expected) ++wrong;
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

// ---- every bitmap format ---------------------------------------------------

enum class Kind { Dib, ScreenDdb, MonoDdb };

struct BitmapFormat {
  const char* name;
  Kind kind;
  WORD bitCount;      // of a DIB section
  bool rgb565;        // 16 bits with 5-6-5 masks rather than 5-5-5
  bool keepSelected;  // still selected into a memory context while drawn
};

DWORD AsQuad(COLORREF c) { return DWORD{GetRValue(c)} << 16 | GetGValue(c) << 8 | GetBValue(c); }

// An 8 x 8 bitmap of that format, not yet painted; a colour table, where
// the format has one, holds the two colours.
HBITMAP CreateInFormat(const BitmapFormat& f, COLORREF back, COLORREF spot) {
  if (f.kind == Kind::MonoDdb) return ::CreateBitmap(8, 8, 1, 1, nullptr);
  if (f.kind == Kind::ScreenDdb) {
    HDC hScreen = ::GetDC(nullptr);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, 8, 8);
    ::ReleaseDC(nullptr, hScreen);
    return hBitmap;
  }
  struct {
    BITMAPINFOHEADER header;
    DWORD colours[256];
  } info = {};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = 8;
  info.header.biHeight = 8;
  info.header.biPlanes = 1;
  info.header.biBitCount = f.bitCount;
  if (f.rgb565) {
    info.header.biCompression = BI_BITFIELDS;
    info.colours[0] = 0xF800;
    info.colours[1] = 0x07E0;
    info.colours[2] = 0x001F;
  } else if (f.bitCount <= 8) {
    info.header.biClrUsed = 2;
    info.colours[0] = AsQuad(back);
    info.colours[1] = AsQuad(spot);
  }
  void* bits = nullptr;
  return ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                            nullptr, 0);
}

// A 16-bit format holds a grey of 192 as 198 when read back; the mask must
// still compare the pixels as the format holds them, not widened ones.
TEST(DrawTransparent, MasksExactlyTheTransparentPixelsInEveryFormat) {
  const BitmapFormat formats[] = {
      {"1-bit DIB", Kind::Dib, 1, false, false},
      {"4-bit DIB", Kind::Dib, 4, false, false},
      {"8-bit DIB", Kind::Dib, 8, false, false},
      {"16-bit 5-5-5 DIB", Kind::Dib, 16, false, false},
      {"16-bit 5-6-5 DIB", Kind::Dib, 16, true, false},
      {"16-bit DIB, selected", Kind::Dib, 16, false, true},
      {"24-bit DIB", Kind::Dib, 24, false, false},
      {"32-bit DIB", Kind::Dib, 32, false, false},
      {"screen bitmap", Kind::ScreenDdb, 0, false, false},
      {"screen bitmap, selected", Kind::ScreenDdb, 0, false, true},
      {"monochrome bitmap", Kind::MonoDdb, 0, false, false},
  };
  for (const BitmapFormat& f : formats) {
    const bool mono = f.kind == Kind::MonoDdb;
    const COLORREF back = mono ? RGB(255, 255, 255) : RGB(192, 192, 192);
    const COLORREF spot = mono ? RGB(0, 0, 0) : RGB(200, 0, 0);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.Attach(CreateInFormat(f, back, spot))) << f.name;
    HDC hMem = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hMem, bitmap.m_hObject);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) ::SetPixelV(hMem, x, y, x == 3 && y == 4 ? spot : back);
    // The colours as the format holds them.
    const COLORREF heldBack = ::GetPixel(hMem, 0, 0), heldSpot = ::GetPixel(hMem, 3, 4);
    if (!f.keepSelected) ::SelectObject(hMem, hOld);

    DibCanvas canvas(16, 16);
    canvas.FillVaried();
    const std::vector<DWORD> before = canvas.Snapshot();
    DrawTransparent(&canvas.dc(), &bitmap, back, POINT{2, 2});
    const std::vector<POINT> changed = canvas.ChangedSince(before);
    ASSERT_EQ(changed.size(), 1u) << f.name;
    EXPECT_EQ(changed[0].x, 5) << f.name;
    EXPECT_EQ(changed[0].y, 6) << f.name;

    ::SelectObject(hMem, bitmap.m_hObject);  // the host's bitmap is as it was
    int altered = 0;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        if (::GetPixel(hMem, x, y) != (x == 3 && y == 4 ? heldSpot : heldBack)) ++altered;
    EXPECT_EQ(altered, 0) << f.name;
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
  }
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
