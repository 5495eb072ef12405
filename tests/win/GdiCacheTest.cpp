// The drawing-object cache on real GDI objects: what it hands out, what it
// paints, and what it does when the system refuses an object.
#include "GdiCacheFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <vector>

namespace {

struct Request {
  const char* name;
  std::function<CGdiObject*()> get;
};

TEST_F(GdiCache, TheSameRequestGivesTheSameObjectAndADifferentOneAnother) {
  BYTE bytes[2] = {0x12, 0x34};
  const std::vector<Request> requests = {
      {"pen", [] { return GetGDIPen(RGB(1, 2, 3), PS_DOT); }},
      {"solid brush", [] { return GetGDIBrush(RGB(1, 2, 3), -1); }},
      {"hatch brush", [] { return GetGDIBrush(RGB(1, 2, 3), HS_CROSS); }},
      {"pattern brush", [] { return GetGDIBrush(0x1234, -2); }},
      {"pattern from bytes", [&] { return GetGDIBrush(bytes); }},
      {"font", [] { return GetGDIFont(10, "Arial"); }},
  };
  PushGDIObjects(&m_canvas.dc());
  std::vector<CGdiObject*> first;
  for (const Request& r : requests) {
    CGdiObject* pObject = r.get();
    ASSERT_NE(pObject, nullptr) << r.name;
    EXPECT_TRUE(IsLive(pObject->m_hObject)) << r.name;
    EXPECT_EQ(r.get(), pObject) << r.name;
    first.push_back(pObject);
  }
  // The two pattern requests ask for one brush; all others differ.
  EXPECT_EQ(first[3], first[4]);
  EXPECT_NE(GetGDIPen(RGB(1, 2, 3), PS_DASH), first[0]);
  EXPECT_NE(GetGDIPen(RGB(1, 2, 4), PS_DOT), first[0]);
  EXPECT_NE(GetGDIBrush(RGB(1, 2, 3), HS_VERTICAL), first[2]);
  EXPECT_NE(GetGDIBrush(0x1235, -2), first[3]);
  PopGDIObjects(&m_canvas.dc());
}

TEST_F(GdiCache, PensAreOfTheirStyleAndColourAndOneUnitWide) {
  const LOGPEN pens[] = {{PS_DOT, {1, 0}, RGB(1, 2, 3)}, {PS_SOLID, {1, 0}, RGB(200, 100, 0)}};
  for (const LOGPEN& expected : pens) {
    LOGPEN pen = {};
    ASSERT_EQ(GetGDIPen(expected.lopnColor, static_cast<int>(expected.lopnStyle))
                  ->GetObject(sizeof pen, &pen),
              static_cast<int>(sizeof pen));
    EXPECT_EQ(pen.lopnStyle, expected.lopnStyle);
    EXPECT_EQ(pen.lopnWidth.x, 1);
    EXPECT_EQ(pen.lopnColor, expected.lopnColor);
  }
}

TEST_F(GdiCache, APenAndABrushOfTheSameColourAndStyleAreDifferentObjects) {
  for (int style : {-1, 0, 3}) {
    CPen* pPen = GetGDIPen(RGB(200, 0, 0), style);
    CBrush* pBrush = GetGDIBrush(RGB(200, 0, 0), style);
    EXPECT_NE(static_cast<CGdiObject*>(pPen), static_cast<CGdiObject*>(pBrush)) << style;
    EXPECT_EQ(pPen->GetObjectType(), static_cast<UINT>(OBJ_PEN)) << style;
    EXPECT_EQ(pBrush->GetObjectType(), static_cast<UINT>(OBJ_BRUSH)) << style;
  }
}

// ---- what the brushes paint ------------------------------------------------

constexpr COLORREF kText = RGB(0, 0, 255);
constexpr COLORREF kBack = RGB(255, 255, 0);

// Fills the 16 x 16 top-left corner of the canvas with the brush.
void PaintWith(DibCanvas& canvas, CBrush* pBrush) {
  canvas.Fill(RGB(255, 255, 255));
  canvas.dc().SetTextColor(kText);
  canvas.dc().SetBkColor(kBack);
  RECT rc = {0, 0, 16, 16};
  ::FillRect(canvas.dc().m_hDC, &rc, static_cast<HBRUSH>(pBrush->m_hObject));
}

struct PatternCase {
  BYTE bytes[2];
  bool (*isSet)(int x, int y);  // the pixels in the background colour
};

TEST_F(GdiCache, PatternBrushesPaintTheFirstByteOnEvenRowsHighBitLeftmost) {
  const PatternCase cases[] = {
      {{0xAA, 0x55}, [](int x, int y) { return (x + y) % 2 == 0; }},  // checkerboard
      {{0x80, 0x01}, [](int x, int y) { return y % 2 == 0 ? x % 8 == 0 : x % 8 == 7; }},
      {{0xF0, 0x00}, [](int x, int y) { return y % 2 == 0 && x % 8 < 4; }},
  };
  for (const PatternCase& c : cases) {
    BYTE bytes[2] = {c.bytes[0], c.bytes[1]};
    PaintWith(m_canvas, GetGDIBrush(bytes));
    int wrong = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (m_canvas.At(x, y) != (c.isSet(x, y) ? kBack : kText)) ++wrong;
    EXPECT_EQ(wrong, 0) << std::hex << int{c.bytes[0]} << " " << int{c.bytes[1]};
  }
  BYTE checker[2] = {0xAA, 0x55};
  EXPECT_EQ(GetGDIBrush(checker), GetGDIBrush(0xAA55, -2));
}

TEST_F(GdiCache, SolidAndHatchBrushesPaintTheirKind) {
  const COLORREF colour = RGB(0, 128, 0);
  PaintWith(m_canvas, GetGDIBrush(colour, -1));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(m_canvas.At(x, y), colour) << x << "," << y;

  // Hatch 3 is the backward diagonal: one line of pixels where x + y is
  // constant modulo 8, the rest in the background colour.
  PaintWith(m_canvas, GetGDIBrush(colour, HS_BDIAGONAL));
  std::vector<int> diagonals;
  int others = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      const COLORREF c = m_canvas.At(x, y);
      if (c == colour) diagonals.push_back((x + y) % 8);
      else if (c != kBack) ++others;
    }
  EXPECT_EQ(others, 0);
  ASSERT_EQ(diagonals.size(), 32u);  // one pixel in eight
  for (int d : diagonals) EXPECT_EQ(d, diagonals[0]);
}

// ---- fonts -----------------------------------------------------------------

TEST_F(GdiCache, FontsDifferByLetterCaseAndSize) {
  CFont* pArial10 = GetGDIFont(10, "Arial");
  EXPECT_EQ(GetGDIFont(10, "Arial"), pArial10);
  EXPECT_NE(GetGDIFont(10, "arial"), pArial10);
  CFont* pArial9 = GetGDIFont(9, "Arial");
  ASSERT_NE(pArial9, pArial10);
  LOGFONTA lf9 = {}, lf10 = {};
  ASSERT_TRUE(pArial9->GetLogFont(&lf9));
  ASSERT_TRUE(pArial10->GetLogFont(&lf10));
  EXPECT_STREQ(lf10.lfFaceName, "Arial");
  EXPECT_LT(std::abs(lf9.lfHeight), std::abs(lf10.lfHeight));
}

LONG HeightOf(CFont* pFont) {
  LOGFONTA lf = {};
  pFont->GetLogFont(&lf);
  return lf.lfHeight;
}

// Wine offers no printer here and its metafile contexts have the screen's
// resolution; a context measuring in twips (1440 to the inch) has another.
TEST_F(GdiCache, AFontIsMadeForTheScreenOutsideABracketAndForItsContextInside) {
  CFont screenFont;
  ASSERT_TRUE(screenFont.CreatePointFont(100, "Arial"));
  EXPECT_EQ(HeightOf(GetGDIFont(10, "Arial")), HeightOf(&screenFont));
  Flush();

  DibCanvas twips(8, 8);
  twips.dc().SetMapMode(MM_TWIPS);
  PushGDIObjects(&twips.dc());
  const LONG height = HeightOf(GetGDIFont(10, "Arial"));
  CFont twipsFont;
  ASSERT_TRUE(twipsFont.CreatePointFont(100, "Arial", &twips.dc()));
  EXPECT_EQ(height, HeightOf(&twipsFont));
  // Ten points are 200 twips, give or take the rounding to whole pixels.
  EXPECT_NEAR(std::abs(height), 200, 15);
  EXPECT_NE(height, HeightOf(&screenFont));
  PopGDIObjects(&twips.dc());
}

// A window on a monitor of another density: its context still answers the
// system's density, but the fonts made for it take the one its frame was
// told of. A memory context and the screen keep theirs.
TEST_F(GdiCache, FontsOnAWindowFollowItsFramesDensity) {
  CFrameWnd& frame = *new CFrameWnd;
  ASSERT_TRUE(frame.Create(nullptr, "Fonts", WS_POPUP, CRect(0, 0, 100, 80)));
  const UINT dpi = AfxGetWindowDpi(frame.m_hWnd);
  auto fontHeightOn = [](CDC& dc) {
    PushGDIObjects(&dc);
    const LONG height = HeightOf(GetGDIFont(10, "Arial"));
    PopGDIObjects(&dc);
    return height;
  };
  for (const UINT newDpi : {dpi * 5 / 4, dpi * 2}) {
    SCOPED_TRACE(newDpi);
    CRect rc(0, 0, ::MulDiv(100, newDpi, dpi), ::MulDiv(80, newDpi, dpi));
    frame.SendMessage(WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&rc));
    CClientDC dc(&frame);
    EXPECT_EQ(fontHeightOn(dc), -::MulDiv(10, static_cast<int>(newDpi), 72));
    EXPECT_EQ(fontHeightOn(m_canvas.dc()), -::MulDiv(10, static_cast<int>(dpi), 72));
    EXPECT_EQ(HeightOf(GetGDIFont(10, "Arial")), -::MulDiv(10, static_cast<int>(dpi), 72));
    Flush();
  }
  frame.DestroyWindow();
}

// ---- failures --------------------------------------------------------------

TEST_F(GdiCache, ARefusedBrushThrowsAndIsNotCached) {
  for (int attempt = 0; attempt < 2; ++attempt) {  // the second asks the system again
    bool thrown = false;
    try {
      GetGDIBrush(RGB(1, 1, 1), 100);  // no such hatch index: the system refuses it
    } catch (CResourceException* e) {
      thrown = true;
      e->Delete();
    }
    EXPECT_TRUE(thrown) << attempt;
  }
}

// Font creation is not checked: with the system out of object handles the
// font is cached and handed out all the same, holding none, and the bracket
// that deletes it copes.
TEST_F(GdiCache, AFontTheSystemRefusesIsCachedWithoutAHandle) {
  PushGDIObjects(&m_canvas.dc());
  std::vector<HBRUSH> hoard;
  for (HBRUSH h; hoard.size() < 200000 && (h = ::CreateSolidBrush(0)) != nullptr;)
    hoard.push_back(h);
  CFont* pFont = GetGDIFont(10, "Arial");
  CFont* pAgain = GetGDIFont(10, "Arial");
  for (HBRUSH h : hoard) ::DeleteObject(h);
  ASSERT_NE(pFont, nullptr);
  EXPECT_EQ(pFont->m_hObject, nullptr);
  EXPECT_EQ(pAgain, pFont);
  PopGDIObjects(&m_canvas.dc());
  EXPECT_NE(GetGDIFont(10, "Arial")->m_hObject, nullptr);
}

}  // namespace
