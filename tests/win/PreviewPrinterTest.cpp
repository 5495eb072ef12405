// Print preview on the tests' printer (a 300-dpi PostScript printer of
// Wine's): the preview's pages, drawn at the printer's own resolution, are
// the pages printed onto a page-sized context of that printer; the sheets
// follow print setup's paper. NoPrinter runs in a prefix without a printer.
#include "PreviewHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class PreviewOnPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = CBarsFrame::Make(RUNTIME_CLASS(CPreviewHostView), 800, 600);
    ASSERT_NE(frame, nullptr);
    host = static_cast<CPreviewHostView*>(frame->GetActiveView());
  }
  void TearDown() override {
    if (frame != nullptr) frame->Close();
  }
  void Command(UINT nID) {
    frame->SendMessage(WM_COMMAND, nID);
    IdleUpdate();
  }

  CBarsFrame* frame = nullptr;
  CPreviewHostView* host = nullptr;
};

// The application's printer with the orientation given.
void SetOrientation(short nOrientation) {
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  ASSERT_TRUE(TestApp().GetPrinterDeviceDefaults(&pd));
  auto* pMode = static_cast<DEVMODEA*>(::GlobalLock(pd.hDevMode));
  pMode->dmFields |= DM_ORIENTATION;
  pMode->dmOrientation = nOrientation;
  ::GlobalUnlock(pd.hDevMode);
}

TEST_F(PreviewOnPrinterTest, PagesAtThePrintersResolutionAreThePrintedPages) {
  CDC printer;
  ASSERT_TRUE(TestApp().CreatePrinterDC(printer));
  ASSERT_EQ(printer.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
  const int nDpi = printer.GetDeviceCaps(LOGPIXELSX);
  CPageDC printed(&printer, nDpi);
  host->m_pPrinter = &printed;
  host->OnFilePrint();
  host->m_pPrinter = nullptr;
  ASSERT_GE(printed.m_pages.size(), 2u);

  Command(ID_FILE_PRINT_PREVIEW);
  CPreviewView* pPreview = PreviewOf(frame);
  ASSERT_NE(pPreview, nullptr);
  EXPECT_EQ(pPreview->GetPrinterDC()->GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
  EXPECT_EQ(pPreview->GetPrinterDC()->GetDeviceCaps(HORZRES), printed.GetPageWidth());
  for (size_t k = 0; k < printed.m_pages.size(); ++k) {
    SCOPED_TRACE(k + 1);
    CPageDC shown(printed.GetPageWidth(), printed.GetPageHeight());
    shown.StartPage();
    pPreview->DrawPage(&shown, static_cast<UINT>(k + 1), CPoint(0, 0), PreviewScale());
    shown.EndPage();
    const std::vector<DWORD>& a = printed.m_pages[k];
    const std::vector<DWORD>& b = shown.m_pages.back();
    ASSERT_EQ(a.size(), b.size());
    size_t nDiffering = 0;
    for (size_t i = 0; i < a.size(); ++i) nDiffering += a[i] != b[i] ? 1 : 0;
    EXPECT_EQ(nDiffering, 0u);
    // Pages with something on them: the page's block, the mark, the badge.
    const auto count = [&](COLORREF c) {
      const DWORD v = (DWORD{GetRValue(c)} << 16) | (DWORD{GetGValue(c)} << 8) | GetBValue(c);
      return std::count(a.begin(), a.end(), v);
    };
    EXPECT_GT(count(PageColor(static_cast<UINT>(k + 1))), 100000);
    EXPECT_GT(count(kMark), 1000);
    EXPECT_GT(count(kBadgeColour), 100);
  }
}

TEST_F(PreviewOnPrinterTest, TheSheetsFollowPrintSetupsPaper) {
  for (short nOrientation : {DMORIENT_LANDSCAPE, DMORIENT_PORTRAIT}) {
    SCOPED_TRACE(nOrientation);
    SetOrientation(nOrientation);
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = PreviewOf(frame);
    ASSERT_NE(pPreview, nullptr);
    const CRect rcSheet = pPreview->GetSheetRect(0);
    EXPECT_EQ(rcSheet.Width() > rcSheet.Height(), nOrientation == DMORIENT_LANDSCAPE);
    CDC* pPrinter = pPreview->GetPrinterDC();
    EXPECT_NEAR(static_cast<double>(rcSheet.Width()) / rcSheet.Height(),
                static_cast<double>(pPrinter->GetDeviceCaps(PHYSICALWIDTH)) /
                    pPrinter->GetDeviceCaps(PHYSICALHEIGHT),
                0.01);
    Command(AFX_ID_PREVIEW_CLOSE);
  }
}

TEST_F(PreviewOnPrinterTest, ATransparentBitmapShowsOnTheScaledSheet) {
  // A printer cannot draw through a mask: the bitmap is copied through a
  // clipping region, which must lie where the preview draws, not where
  // the printer would.
  Command(ID_FILE_PRINT_PREVIEW);
  CPreviewView* pPreview = PreviewOf(frame);
  ASSERT_NE(pPreview, nullptr);
  ASSERT_FALSE(pPreview->GetScale().IsIdentity());
  const Capture shown = CaptureClient(pPreview);
  const CRect rcSheet = pPreview->GetSheetRect(0);
  int nBadge = 0;
  for (int y = rcSheet.top; y < rcSheet.bottom; ++y) {
    for (int x = rcSheet.left; x < rcSheet.right; ++x) nBadge += shown.At(x, y) == kBadgeColour ? 1 : 0;
  }
  EXPECT_GT(nBadge, 0);
}

TEST(NoPrinter, PreviewSaysThereIsNoneAndChangesNothing) {
  CBarsFrame* frame = CBarsFrame::Make(RUNTIME_CLASS(CPreviewHostView), 640, 480);
  ASSERT_NE(frame, nullptr);
  CView* pView = frame->GetActiveView();
  const HMENU hMenu = ::GetMenu(frame->m_hWnd);
  TestApp().prompts.clear();
  frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
  IdleUpdate();
  ASSERT_EQ(TestApp().prompts.size(), 1u);
  EXPECT_EQ(TestApp().prompts[0].nIDPrompt, static_cast<UINT>(AFX_IDP_NO_PRINTER));
  EXPECT_EQ(frame->GetActiveView(), pView);
  EXPECT_EQ(::GetMenu(frame->m_hWnd), hMenu);
  EXPECT_TRUE(frame->m_wndToolBar.IsVisible());
  EXPECT_TRUE(pView->IsWindowVisible());
  EXPECT_EQ(frame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
  EXPECT_EQ(ShownPaneText(frame->m_wndStatusBar, 0), "Ready");
  TestApp().prompts.clear();
  frame->Close();
}

}  // namespace
