// The push/pop bracket of the drawing-object cache: what it keeps while
// nested, what the outermost pop puts back and deletes, and a stray pop.
#include "GdiCacheFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// What the bracket saves and puts back.
struct ContextState {
  HGDIOBJ pen, brush, font, palette;
  COLORREF text, back;
  int rop2;

  static ContextState Of(CDC& dc) {
    const HDC h = dc.m_hAttribDC;
    return {::GetCurrentObject(h, OBJ_PEN), ::GetCurrentObject(h, OBJ_BRUSH),
            ::GetCurrentObject(h, OBJ_FONT), ::GetCurrentObject(h, OBJ_PAL),
            dc.GetTextColor(), dc.GetBkColor(), dc.GetROP2()};
  }
  bool operator==(const ContextState& o) const {
    return pen == o.pen && brush == o.brush && font == o.font && palette == o.palette &&
           text == o.text && back == o.back && rop2 == o.rop2;
  }
};

// A canvas with objects, colours and a mix mode of the test's own, none of
// them the context's defaults, so that a restore of the wrong thing shows.
class GdiBracket : public GdiCache {
 protected:
  void SetUp() override {
    GdiCache::SetUp();
    ASSERT_TRUE(m_font.CreatePointFont(120, "Courier New"));
    ASSERT_TRUE(m_palette.CreateHalftonePalette(&dc()));
    ASSERT_TRUE(m_otherPalette.CreateHalftonePalette(&dc()));
    UseOwnObjects();
    dc().SelectPalette(&m_palette, FALSE);
    dc().SetTextColor(RGB(1, 2, 3));
    dc().SetBkColor(RGB(4, 5, 6));
    dc().SetROP2(R2_XORPEN);
  }
  void TearDown() override {
    GdiCache::TearDown();
    // Nothing of the test's may stay selected when it is deleted.
    dc().SelectStockObject(BLACK_PEN);
    dc().SelectStockObject(WHITE_BRUSH);
    dc().SelectStockObject(SYSTEM_FONT);
    dc().SelectObject(::GetStockObject(DEFAULT_PALETTE));
  }
  CDC& dc() { return m_canvas.dc(); }
  void UseOwnObjects() {
    dc().SelectObject(&m_pen);
    dc().SelectObject(&m_brush);
    dc().SelectObject(&m_font);
  }
  // Selects cached objects and changes the colours and mix mode; returns
  // the handles of everything it asked the cache for.
  std::vector<HGDIOBJ> DrawWithCachedObjects() {
    CPen* pPen = GetGDIPen(RGB(255, 0, 0), PS_SOLID);
    CBrush* pBrush = GetGDIBrush(0xAA55, -2);
    CFont* pFont = GetGDIFont(10, "Arial");
    dc().SelectObject(pPen);
    dc().SelectObject(pBrush);
    dc().SelectObject(pFont);
    dc().SelectPalette(&m_otherPalette, FALSE);
    dc().SetTextColor(RGB(7, 7, 7));
    dc().SetBkColor(RGB(8, 8, 8));
    dc().SetROP2(R2_NOT);
    dc().Rectangle(1, 1, 20, 20);
    return {pPen->m_hObject, pBrush->m_hObject, pFont->m_hObject,
            GetGDIBrush(RGB(0, 0, 255), -1)->m_hObject,
            GetGDIBrush(RGB(0, 0, 255), HS_CROSS)->m_hObject};
  }

  CPen m_pen{PS_DASH, 1, RGB(9, 8, 7)};
  CBrush m_brush{RGB(7, 8, 9)};
  CFont m_font;
  CPalette m_palette;
  CPalette m_otherPalette;
};

// The pops name the context, or not: without one, the outermost pop
// restores the context its push recorded.
TEST_F(GdiBracket, InnerPopsKeepAllAndTheOutermostRestoresTheContextAndDeletes) {
  for (CDC* pPopDC : {&dc(), static_cast<CDC*>(nullptr)}) {
    const ContextState before = ContextState::Of(dc());
    PushGDIObjects(&dc());
    PushGDIObjects(&dc());
    EXPECT_EQ(GetGDIBracketDepth(), 2);
    const std::vector<HGDIOBJ> handles = DrawWithCachedObjects();
    EXPECT_EQ(GetGDICacheCount(), static_cast<int>(handles.size()));
    const ContextState inside = ContextState::Of(dc());

    PopGDIObjects(pPopDC);
    EXPECT_TRUE(ContextState::Of(dc()) == inside);
    for (HGDIOBJ h : handles) EXPECT_TRUE(IsLive(h));
    EXPECT_EQ(GetGDIBracketDepth(), 1);
    EXPECT_EQ(GetGDICacheCount(), static_cast<int>(handles.size()));

    PopGDIObjects(pPopDC);
    EXPECT_TRUE(ContextState::Of(dc()) == before) << pPopDC;
    for (HGDIOBJ h : handles) EXPECT_FALSE(IsLive(h));
    EXPECT_EQ(GetGDIBracketDepth(), 0);
    EXPECT_EQ(GetGDICacheCount(), 0);
    EXPECT_TRUE(IsLive(GetGDIPen(RGB(255, 0, 0), PS_SOLID)->m_hObject));  // made anew
  }
}

TEST_F(GdiBracket, ObjectsCachedOutsideABracketGoWhenTheNextOneCloses) {
  const HGDIOBJ hPen = GetGDIPen(RGB(3, 3, 3), PS_SOLID)->m_hObject;
  const HGDIOBJ hFont = GetGDIFont(11, "Arial")->m_hObject;
  PushGDIObjects(&dc());
  EXPECT_TRUE(IsLive(hPen));
  PopGDIObjects(&dc());
  EXPECT_FALSE(IsLive(hPen));
  EXPECT_FALSE(IsLive(hFont));
}

// A push without a context has nothing to record and opens no bracket.
TEST_F(GdiBracket, APopWithNoBracketOpenIsIgnored) {
  CPen* pPen = GetGDIPen(RGB(5, 5, 5), PS_SOLID);
  dc().SelectObject(pPen);
  dc().SetROP2(R2_NOT);
  const ContextState state = ContextState::Of(dc());
  PushGDIObjects(nullptr);
  EXPECT_EQ(GetGDIBracketDepth(), 0);
  PopGDIObjects(&dc());
  PopGDIObjects(nullptr);
  EXPECT_EQ(GetGDIBracketDepth(), 0);
  EXPECT_TRUE(ContextState::Of(dc()) == state);
  EXPECT_TRUE(IsLive(pPen->m_hObject));
  EXPECT_EQ(GetGDIPen(RGB(5, 5, 5), PS_SOLID), pPen);

  // The next bracket still closes: had the depth gone below zero, its pop
  // would restore nothing and the pen would live on.
  UseOwnObjects();
  const HGDIOBJ hPen = pPen->m_hObject;
  PushGDIObjects(&dc());
  dc().SelectObject(pPen);
  dc().SetROP2(R2_MERGEPEN);
  PopGDIObjects(&dc());
  EXPECT_EQ(::GetCurrentObject(dc().m_hAttribDC, OBJ_PEN), m_pen.m_hObject);
  EXPECT_EQ(dc().GetROP2(), R2_NOT);
  EXPECT_FALSE(IsLive(hPen));
}

// Every bracket deletes what it cached (a pattern brush's bitmap included),
// DrawTransparent its copy and image list, a batch's region its wrapper.
TEST_F(GdiBracket, RepeatedDrawingLeavesNoObjectBehind) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc(), 4, 4));
  const CPointW square[4] = {{0, 0}, {8, 0}, {8, 8}, {0, 8}};
  auto draw = [&] {
    PushGDIObjects(&dc());
    DrawWithCachedObjects();
    PopGDIObjects(&dc());
    DrawTransparent(&dc(), &bitmap, RGB(255, 0, 255), POINT{0, 0});
    AddPolyPoints(&dc(), CPointW{0, 0}, square, 4, false);
    CRgn region;
    EXPECT_TRUE(CreatePolyRegion(&region));
  };
  draw();  // the first round may leave lasting objects of the system's
  const int live = LiveGdiObjects();
  for (int round = 0; round < 4; ++round) draw();
  EXPECT_EQ(LiveGdiObjects(), live);
}

}  // namespace
