// The drawing objects and device contexts own their handles; wrappers of
// handles nobody owns are temporary and never delete them.
#include "DibCanvas.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

bool IsLive(HGDIOBJ h) { return ::GetObjectType(h) != 0; }

TEST(GdiObjects, EachDeletesItsHandleWhenDestroyed) {
  HGDIOBJ handles[6] = {};
  HDC hDC = nullptr;
  {
    CPen pen(PS_DASH, 1, RGB(1, 2, 3));
    CBrush brush(RGB(4, 5, 6));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(4, 4, 1, 1, nullptr));
    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 5, 5));
    CPalette palette;
    CDC screen;
    ASSERT_TRUE(screen.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(palette.CreateHalftonePalette(&screen));
    EXPECT_GT(palette.GetEntryCount(), 0);
    const CGdiObject* all[6] = {&pen, &brush, &font, &bitmap, &rgn, &palette};
    const UINT types[6] = {OBJ_PEN, OBJ_BRUSH, OBJ_FONT, OBJ_BITMAP, OBJ_REGION, OBJ_PAL};
    for (int i = 0; i < 6; ++i) {
      handles[i] = all[i]->m_hObject;
      EXPECT_EQ(all[i]->GetObjectType(), types[i]);
    }
    hDC = screen.m_hDC;
    EXPECT_EQ(::GetObjectType(hDC), static_cast<DWORD>(OBJ_MEMDC));
  }
  for (HGDIOBJ h : handles) EXPECT_FALSE(IsLive(h));
  EXPECT_EQ(::GetObjectType(hDC), 0u);
}

TEST(GdiObjects, DetachGivesTheHandleUpAndAttachTakesItOver) {
  HGDIOBJ h = nullptr;
  {
    CBrush brush(RGB(9, 9, 9));
    h = brush.Detach();
    EXPECT_EQ(brush.m_hObject, nullptr);
  }
  ASSERT_TRUE(IsLive(h));
  {
    CBrush owner;
    ASSERT_TRUE(owner.Attach(h));
    EXPECT_EQ(CBrush::FromHandle(static_cast<HBRUSH>(h)), &owner);
  }
  EXPECT_FALSE(IsLive(h));
}

TEST(GdiObjects, FailedCreationInAConstructorThrowsResourceException) {
  CBitmap none;  // no handle: the system refuses the pattern brush
  bool thrown = false;
  try {
    CBrush brush(&none);
  } catch (CResourceException* e) {
    thrown = true;
    e->Delete();
  }
  EXPECT_TRUE(thrown);
  CBrush brush;
  EXPECT_FALSE(brush.CreatePatternBrush(&none));  // the Create form reports FALSE
}

TEST(GdiObjects, TemporaryWrappersHaveTheHandlesClassAndLeaveItAlive) {
  CGdiObject::DeleteTempMap();
  const int nPermanent = CGdiObject::GetWrapperCount(false);
  HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(1, 1, 1));
  CGdiObject* pObject = CGdiObject::FromHandle(hPen);
  ASSERT_NE(pObject, nullptr);
  EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CPen)));
  EXPECT_EQ(CPen::FromHandle(hPen), pObject);  // the same temporary
  EXPECT_TRUE(CGdiObject::FromHandle(::GetStockObject(WHITE_BRUSH))->IsKindOf(RUNTIME_CLASS(CBrush)));
  EXPECT_EQ(CGdiObject::GetWrapperCount(true), 2);
  EXPECT_EQ(CGdiObject::GetWrapperCount(false), nPermanent);
  CGdiObject::DeleteTempMap();
  EXPECT_EQ(CGdiObject::GetWrapperCount(true), 0);
  EXPECT_TRUE(IsLive(hPen));
  ::DeleteObject(hPen);
}

TEST(DeviceContext, SelectionHandsBackThePreviousObjects) {
  DibCanvas canvas(8, 8);
  CDC& dc = canvas.dc();
  CPen red(PS_SOLID, 1, RGB(255, 0, 0)), blue(PS_SOLID, 1, RGB(0, 0, 255));
  CPen* pOriginal = dc.SelectObject(&red);
  ASSERT_NE(pOriginal, nullptr);
  EXPECT_EQ(dc.GetCurrentPen(), &red);
  EXPECT_EQ(dc.SelectObject(&blue), &red);
  EXPECT_EQ(dc.SelectObject(pOriginal), &blue);
  EXPECT_EQ(dc.GetCurrentPen()->m_hObject, pOriginal->m_hObject);

  CFont font;
  ASSERT_TRUE(font.CreatePointFont(100, "Arial"));
  CFont* pOldFont = dc.SelectObject(&font);
  EXPECT_EQ(dc.GetCurrentFont(), &font);
  dc.SelectObject(pOldFont);

  CGdiObject* pOldBrush = dc.SelectStockObject(BLACK_BRUSH);
  ASSERT_NE(pOldBrush, nullptr);
  EXPECT_EQ(dc.GetCurrentBrush()->m_hObject, ::GetStockObject(BLACK_BRUSH));

  CPalette palette;
  ASSERT_TRUE(palette.CreateHalftonePalette(&dc));
  CPalette* pOldPalette = dc.SelectPalette(&palette, TRUE);
  ASSERT_NE(pOldPalette, nullptr);
  EXPECT_EQ(dc.GetCurrentPalette(), &palette);
  dc.SelectPalette(pOldPalette, TRUE);
}

TEST(DeviceContext, FromHandleFindsTheOwnerOrMakesATemporary) {
  CDC::DeleteTempMap();
  const int nPermanent = CDC::GetWrapperCount(false);
  CDC owner;
  ASSERT_TRUE(owner.CreateCompatibleDC(nullptr));
  EXPECT_EQ(CDC::FromHandle(owner.m_hDC), &owner);
  EXPECT_EQ(CDC::GetWrapperCount(false), nPermanent + 1);

  HDC hRaw = ::CreateCompatibleDC(nullptr);
  CDC* pTemp = CDC::FromHandle(hRaw);
  ASSERT_NE(pTemp, nullptr);
  EXPECT_EQ(pTemp->m_hAttribDC, hRaw);
  EXPECT_EQ(CDC::FromHandle(hRaw), pTemp);
  EXPECT_EQ(CDC::GetWrapperCount(true), 1);
  CDC::DeleteTempMap();
  EXPECT_EQ(CDC::GetWrapperCount(true), 0);
  EXPECT_EQ(::GetObjectType(hRaw), static_cast<DWORD>(OBJ_MEMDC));  // not deleted
  ::DeleteDC(hRaw);

  HDC hDetached = owner.Detach();
  EXPECT_EQ(owner.m_hDC, nullptr);
  EXPECT_EQ(owner.m_hAttribDC, nullptr);
  EXPECT_EQ(::GetObjectType(hDetached), static_cast<DWORD>(OBJ_MEMDC));
  ::DeleteDC(hDetached);
}

TEST(Regions, PolygonRegionsAndCombination) {
  const POINT points[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10},
                          {20, 0}, {30, 0}, {30, 10}, {20, 10}};
  const INT counts[] = {4, 4};
  CRgn two, one, both;
  ASSERT_TRUE(two.CreatePolyPolygonRgn(points, counts, 2, ALTERNATE));
  ASSERT_TRUE(one.CreatePolygonRgn(points, 4, ALTERNATE));
  EXPECT_TRUE(two.PtInRegion(25, 5));
  EXPECT_FALSE(two.PtInRegion(15, 5));
  CRect box;
  EXPECT_EQ(two.GetRgnBox(&box), COMPLEXREGION);
  EXPECT_EQ(box, CRect(0, 0, 30, 10));

  ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
  EXPECT_EQ(both.CombineRgn(&two, &one, RGN_DIFF), SIMPLEREGION);
  EXPECT_FALSE(both.PtInRegion(5, 5));
  EXPECT_TRUE(both.PtInRegion(25, 5));
  CRgn copy;
  ASSERT_TRUE(copy.CreateRectRgn(0, 0, 0, 0));
  copy.CopyRgn(&both);
  EXPECT_TRUE(copy.EqualRgn(&both));
}

// The suite runs at the density the run asks for (VARNEL_DPI, else 96):
// a run meant for 144 dpi that ran at 96 would prove nothing.
TEST(Fonts, TheScreenHasTheDensityTheRunAskedFor) {
  const char* pszAsked = std::getenv("VARNEL_DPI");
  const int nAsked = pszAsked != nullptr ? std::atoi(pszAsked) : 96;
  HDC hScreen = ::GetDC(nullptr);
  EXPECT_EQ(::GetDeviceCaps(hScreen, LOGPIXELSX), nAsked);
  EXPECT_EQ(::GetDeviceCaps(hScreen, LOGPIXELSY), nAsked);
  ::ReleaseDC(nullptr, hScreen);
}

TEST(Fonts, PointFontHeightFollowsTheContextOrTheScreen) {
  HDC hScreen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
  ::ReleaseDC(nullptr, hScreen);

  CFont screenFont;
  ASSERT_TRUE(screenFont.CreatePointFont(120, "Arial"));  // 12 points
  LOGFONTA lf = {};
  ASSERT_GT(screenFont.GetLogFont(&lf), 0);
  EXPECT_EQ(lf.lfHeight, -::MulDiv(12, dpi, 72));
  EXPECT_STREQ(lf.lfFaceName, "Arial");

  // Two device pixels to the logical unit halve the logical height.
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(1, 1);
  dc.SetViewportExt(2, 2);
  CFont scaled;
  ASSERT_TRUE(scaled.CreatePointFont(120, "Arial", &dc));
  ASSERT_GT(scaled.GetLogFont(&lf), 0);
  EXPECT_EQ(lf.lfHeight, -::MulDiv(12, dc.GetDeviceCaps(LOGPIXELSY), 72) / 2);
}

}  // namespace

namespace {

// A context that draws on one handle and answers from another, as a
// print-preview context does (screen output, printer attributes).
TEST(DeviceContext, SettersChangeBothHandlesAndQueriesAskTheAttributeOne) {
  DibCanvas output(20, 20);
  HDC hAttrib = ::CreateCompatibleDC(nullptr);
  CDC dc;
  dc.SetOutputDC(output.dc().m_hDC);
  dc.SetAttribDC(hAttrib);

  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(1, 1);
  EXPECT_EQ(dc.SetViewportExt(2, 2), CSize(1, 1));
  dc.SetTextColor(RGB(1, 2, 3));
  EXPECT_EQ(::GetMapMode(output.dc().m_hDC), MM_ANISOTROPIC);
  EXPECT_EQ(::GetMapMode(hAttrib), MM_ANISOTROPIC);
  EXPECT_EQ(::GetTextColor(output.dc().m_hDC), RGB(1, 2, 3));

  ::SetTextColor(hAttrib, RGB(9, 9, 9));  // only the attribute handle
  EXPECT_EQ(dc.GetTextColor(), RGB(9, 9, 9));

  // Drawing goes to the output, in its (doubled) mapping.
  output.Fill(RGB(255, 255, 255));
  dc.FillSolidRect(CRect(1, 1, 2, 2), RGB(255, 0, 0));
  EXPECT_EQ(output.At(2, 2), RGB(255, 0, 0));
  EXPECT_EQ(output.At(3, 3), RGB(255, 0, 0));
  EXPECT_EQ(output.At(4, 4), RGB(255, 255, 255));

  dc.ReleaseOutputDC();
  dc.ReleaseAttribDC();
  ::DeleteDC(hAttrib);
}

}  // namespace
