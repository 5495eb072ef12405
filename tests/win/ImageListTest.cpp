// CImageList: transparent drawing of a bitmap through the list's mask.
#include "DibCanvas.h"

#include <gtest/gtest.h>

namespace {

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);

// A 16 x 16 screen-compatible bitmap: its left half in `left`, its right
// half in `right`.
void MakeBitmap(CBitmap& bitmap, COLORREF left, COLORREF right) {
  CDC screen;
  screen.Attach(::GetDC(nullptr));
  ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 16, 16));
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(&screen));
  CBitmap* pOld = memory.SelectObject(&bitmap);
  memory.FillSolidRect(0, 0, 8, 16, left);
  memory.FillSolidRect(8, 0, 8, 16, right);
  memory.SelectObject(pOld);
  ::ReleaseDC(nullptr, screen.Detach());
}

TEST(CImageList, MaskColourLeavesTheDestinationAlone) {
  CBitmap bitmap;
  MakeBitmap(bitmap, kMagenta, kBlue);
  HIMAGELIST hList = nullptr;
  {
    CImageList list;
    ASSERT_TRUE(list.Create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 1));
    ASSERT_EQ(list.Add(&bitmap, kMagenta), 0);
    EXPECT_EQ(list.GetImageCount(), 1);

    DibCanvas canvas(30, 30);
    canvas.FillVaried();
    const std::vector<DWORD> before = canvas.Snapshot();
    ASSERT_TRUE(list.Draw(&canvas.dc(), 0, CPoint(4, 5), ILD_TRANSPARENT));
    for (const POINT& p : canvas.ChangedSince(before)) {  // only the blue half
      EXPECT_TRUE(p.x >= 12 && p.x < 20 && p.y >= 5 && p.y < 21) << p.x << "," << p.y;
    }
    for (int y = 5; y < 21; ++y) {
      EXPECT_EQ(canvas.At(12, y), kBlue);
      EXPECT_EQ(canvas.At(19, y), kBlue);
    }
    hList = list.m_hImageList;
  }
  // Destroyed with its wrapper: a second destruction is refused.
  EXPECT_FALSE(::ImageList_Destroy(hList));
}

TEST(CImageList, BitmapAllOfTheMaskColourChangesNothing) {
  CBitmap bitmap;
  MakeBitmap(bitmap, kMagenta, kMagenta);
  CImageList list;
  ASSERT_TRUE(list.Create(16, 16, ILC_COLORDDB | ILC_MASK, 1, 1));
  ASSERT_EQ(list.Add(&bitmap, kMagenta), 0);
  DibCanvas canvas(30, 30);
  canvas.FillVaried();
  const std::vector<DWORD> before = canvas.Snapshot();
  ASSERT_TRUE(list.Draw(&canvas.dc(), 0, CPoint(0, 0), ILD_TRANSPARENT));
  EXPECT_TRUE(canvas.ChangedSince(before).empty());
}

}  // namespace
