// Print preview of a world view in a wizard-made frame, printing onto a
// stand-in page: the pages preview shows are the pages that print, pixel
// for pixel at the same resolution and within a pixel at a fitted scale;
// the preview bar pages and zooms; closing gives the view back exactly as
// it was; Print runs the print loop.
#include "PreviewHost.h"

#include <gtest/gtest.h>

namespace {

class PreviewTest : public ::testing::Test {
 protected:
  void Open(int cxPage, int cyPage, int cxFrame = 800, int cyFrame = 600) {
    printer = std::make_unique<CPageDC>(cxPage, cyPage);
    frame = CBarsFrame::Make(RUNTIME_CLASS(CPreviewHostView), cxFrame, cyFrame);
    ASSERT_NE(frame, nullptr);
    host = static_cast<CPreviewHostView*>(frame->GetActiveView());
    host->m_pPrinter = printer.get();
  }
  void TearDown() override {
    if (frame != nullptr) frame->Close();
  }
  CPreviewView* Preview() const { return PreviewOf(frame); }
  void Command(UINT nID) {
    frame->SendMessage(WM_COMMAND, nID);
    IdleUpdate();
  }
  CWnd* BarButton(UINT nID) const {
    CWnd* pBar = frame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    return pBar != nullptr ? pBar->GetDlgItem(static_cast<int>(nID)) : nullptr;
  }

  std::unique_ptr<CPageDC> printer;
  CBarsFrame* frame = nullptr;
  CPreviewHostView* host = nullptr;
};

TEST_F(PreviewTest, ShowsThePagesThatPrintPixelForPixel) {
  // A small page at the screen's resolution: shown at its actual size,
  // the preview's pixels are the printer's.
  Open(360, 240);
  host->OnFilePrint();
  ASSERT_EQ(printer->m_pages.size(), 2u);
  EXPECT_EQ(host->m_nOtherDraws, 2);

  Command(ID_FILE_PRINT_PREVIEW);
  CPreviewView* pPreview = Preview();
  ASSERT_NE(pPreview, nullptr);
  EXPECT_TRUE(pPreview->GetScale().IsIdentity());
  for (UINT nPage = 1; nPage <= 2; ++nPage) {
    SCOPED_TRACE(nPage);
    EXPECT_EQ(pPreview->GetCurrentPage(), nPage);
    const Capture shown = CaptureClient(pPreview);
    const CRect rcSheet = pPreview->GetSheetRect(0);
    EXPECT_EQ(rcSheet.Size(), CSize(360, 240));
    EXPECT_EQ(DifferingPixels(*printer, nPage - 1, shown, rcSheet.TopLeft()), 0);
    // Onto another context, as the window shows it.
    CPageDC copy(360, 240);
    copy.StartPage();
    pPreview->DrawPage(&copy, nPage, CPoint(0, 0), PreviewScale());
    copy.EndPage();
    EXPECT_EQ(copy.m_pages.back(), printer->m_pages[nPage - 1]);
    Command(AFX_ID_PREVIEW_NEXT);
  }
  EXPECT_GT(host->m_nPreviewDraws, 0);
  EXPECT_EQ(host->m_nOtherDraws, 2) << "every page preview drew had m_bPreview set";
}

TEST_F(PreviewTest, AFittedPageIsThePrintedPageScaledWithinAPixel) {
  // 1000 x 1400 pixels shrunk into a window some 500 pixels high: not a
  // round scale.
  Open(1000, 1400, 640, 600);
  Command(ID_FILE_PRINT_PREVIEW);
  CPreviewView* pPreview = Preview();
  ASSERT_NE(pPreview, nullptr);
  const PreviewScale scale = pPreview->GetScale();
  ASSERT_FALSE(scale.IsIdentity());
  const CRect rcSheet = pPreview->GetSheetRect(0);
  EXPECT_NEAR(rcSheet.Width(), 1000.0 * scale.numX / scale.denX, 1.0);
  const Capture shown = CaptureClient(pPreview);
  // The mark's edges where the scale puts them, give or take a pixel.
  const CRect mark(rcSheet.left + scale.ToScreenX(host->m_mark.left),
                   rcSheet.top + scale.ToScreenY(host->m_mark.top),
                   rcSheet.left + scale.ToScreenX(host->m_mark.right),
                   rcSheet.top + scale.ToScreenY(host->m_mark.bottom));
  EXPECT_EQ(shown.At(mark.CenterPoint().x, mark.CenterPoint().y), kMark);
  const auto markAt = [&](int x, int y) { return shown.At(x, y) == kMark; };
  EXPECT_TRUE(markAt(mark.left + 1, mark.top + 1));
  EXPECT_TRUE(markAt(mark.right - 2, mark.bottom - 2));
  EXPECT_FALSE(markAt(mark.left - 2, mark.top + 1));
  EXPECT_FALSE(markAt(mark.left + 1, mark.top - 2));
  EXPECT_FALSE(markAt(mark.right + 1, mark.bottom - 2));
  EXPECT_FALSE(markAt(mark.right - 2, mark.bottom + 1));
  // The paper around the page's block is white; the block is the page's.
  EXPECT_EQ(shown.At(rcSheet.left + 2, rcSheet.bottom - 3), kWhite);
  bool bBlock = false;
  for (int x = rcSheet.left; x < rcSheet.right && !bBlock; ++x) {
    bBlock = shown.At(x, rcSheet.CenterPoint().y) == PageColor(1);
  }
  EXPECT_TRUE(bBlock);
}

TEST_F(PreviewTest, TheBarPagesAndZoomsAndTheFrameShowsOnlyThePreview) {
  Open(600, 600, 900, 600);  // three square pages over the document, fitted
  Command(ID_FILE_PRINT_PREVIEW);
  CPreviewView* pPreview = Preview();
  ASSERT_NE(pPreview, nullptr);
  EXPECT_EQ(frame->GetMenu(), nullptr);
  EXPECT_FALSE(frame->m_wndToolBar.IsVisible());
  EXPECT_TRUE(frame->m_wndStatusBar.IsVisible());
  EXPECT_FALSE(host->IsWindowVisible());
  ASSERT_NE(BarButton(AFX_ID_PREVIEW_NEXT), nullptr);
  EXPECT_EQ(ShownPaneText(frame->m_wndStatusBar, 0), "Page 1");
  EXPECT_FALSE(BarButton(AFX_ID_PREVIEW_PREV)->IsWindowEnabled());
  EXPECT_TRUE(BarButton(AFX_ID_PREVIEW_NEXT)->IsWindowEnabled());
  EXPECT_FALSE(BarButton(AFX_ID_PREVIEW_ZOOMOUT)->IsWindowEnabled());
  EXPECT_EQ(WindowText(BarButton(AFX_ID_PREVIEW_NUMPAGE)->m_hWnd), "&Two Page");

  Command(AFX_ID_PREVIEW_NEXT);
  Command(AFX_ID_PREVIEW_NUMPAGE);
  EXPECT_EQ(pPreview->GetCurrentPage(), 2u);
  EXPECT_EQ(pPreview->GetPagesShown(), 2u);
  EXPECT_FALSE(pPreview->GetSheetRect(1).IsRectEmpty());
  EXPECT_EQ(pPreview->GetSheetRect(0).top, pPreview->GetSheetRect(1).top);
  EXPECT_EQ(WindowText(BarButton(AFX_ID_PREVIEW_NUMPAGE)->m_hWnd), "&One Page");
  EXPECT_EQ(ShownPaneText(frame->m_wndStatusBar, 0), "Pages 2-3");
  EXPECT_FALSE(BarButton(AFX_ID_PREVIEW_NEXT)->IsWindowEnabled()) << "page 3 is the last";
  EXPECT_TRUE(BarButton(AFX_ID_PREVIEW_PREV)->IsWindowEnabled());

  const CSize fitted = pPreview->GetSheetRect(0).Size();
  Command(AFX_ID_PREVIEW_ZOOMIN);
  EXPECT_EQ(pPreview->GetZoomState(), CPreviewView::ZOOM_MIDDLE);
  EXPECT_EQ(pPreview->GetPagesShown(), 1u);
  EXPECT_GT(pPreview->GetSheetRect(0).Width(), fitted.cx);
  EXPECT_FALSE(BarButton(AFX_ID_PREVIEW_NUMPAGE)->IsWindowEnabled());
  Command(AFX_ID_PREVIEW_ZOOMIN);
  EXPECT_EQ(pPreview->GetZoomState(), CPreviewView::ZOOM_IN);
  EXPECT_EQ(pPreview->GetSheetRect(0).Size(), CSize(600, 600)) << "the actual size";
  EXPECT_FALSE(BarButton(AFX_ID_PREVIEW_ZOOMIN)->IsWindowEnabled());
  Command(AFX_ID_PREVIEW_ZOOMOUT);
  Command(AFX_ID_PREVIEW_ZOOMOUT);
  EXPECT_EQ(pPreview->GetPagesShown(), 2u);
  EXPECT_EQ(pPreview->GetSheetRect(0).Size(), fitted);
  Command(AFX_ID_PREVIEW_PREV);
  EXPECT_EQ(pPreview->GetCurrentPage(), 1u);
}

// The view's state as the user left it: zoomed twice, scrolled.
struct ViewState {
  CRect window, windowMax, view, client, placement;
  std::vector<tagRECT> zoomStack;
  unsigned int nScaleMode;
  SCROLLINFO horz, vert;
  int nID;
  bool operator==(const ViewState& o) const {
    const auto sameBar = [](const SCROLLINFO& a, const SCROLLINFO& b) {
      return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
    };
    bool bSameStack = zoomStack.size() == o.zoomStack.size();
    for (size_t i = 0; bSameStack && i < zoomStack.size(); ++i) {
      bSameStack = CRect(zoomStack[i]) == CRect(o.zoomStack[i]);
    }
    return window == o.window && windowMax == o.windowMax && view == o.view && client == o.client &&
           placement == o.placement && bSameStack && nScaleMode == o.nScaleMode &&
           sameBar(horz, o.horz) && sameBar(vert, o.vert) && nID == o.nID;
  }
};

ViewState StateOf(CPreviewHostView* v, CFrameWnd* pFrame) {
  ViewState s;
  v->GetWindow(&s.window);
  v->GetWindowMax(&s.windowMax);
  v->GetView(&s.view);
  v->GetClientRect(&s.client);
  v->GetWindowRect(&s.placement);
  pFrame->ScreenToClient(&s.placement);
  s.zoomStack = v->ZoomStack();
  s.nScaleMode = v->ScaleMode();
  for (SCROLLINFO* pInfo : {&s.horz, &s.vert}) {
    *pInfo = SCROLLINFO{};
    pInfo->cbSize = sizeof *pInfo;
    pInfo->fMask = SIF_ALL;
  }
  v->GetScrollInfo(SB_HORZ, &s.horz);
  v->GetScrollInfo(SB_VERT, &s.vert);
  s.nID = v->GetDlgCtrlID();
  return s;
}

TEST_F(PreviewTest, ClosingGivesTheViewBackExactlyAsItWas) {
  Open(400, 300);
  host->SetScaleMode(SCALE_FIT_WIDTH | SCALE_KEEP_SCALE);
  CRect rc(1000, 2500, 4000, 1000);
  host->ZoomIn(&rc, false);
  host->CenterOnPoint(CPoint(120, 90), 0.5);
  host->SendMessage(WM_HSCROLL, SB_LINEDOWN);
  host->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
  PumpPending();
  const ViewState before = StateOf(host, frame);
  ASSERT_FALSE(before.zoomStack.empty());
  const int nResizes = host->m_nResizes;
  const HACCEL hAccel = frame->m_hAccelTable;
  const HMENU hMenu = ::GetMenu(frame->m_hWnd);

  // Closed by its button, then by Escape.
  for (int nHow = 0; nHow < 2; ++nHow) {
    SCOPED_TRACE(nHow == 0 ? "Close" : "Escape");
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(pPreview, nullptr);
    Command(AFX_ID_PREVIEW_NEXT);
    Command(AFX_ID_PREVIEW_ZOOMIN);
    CaptureClient(pPreview);  // pages drawn: the host's window moved to them
    frame->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER | SWP_NOMOVE);
    frame->SetWindowPos(nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
    PumpPending();
    if (nHow == 0) {
      ::SendMessageA(BarButton(AFX_ID_PREVIEW_CLOSE)->m_hWnd, BM_CLICK, 0, 0);
    } else {
      PressKey(pPreview->m_hWnd, VK_ESCAPE);
    }
    IdleUpdate();
    EXPECT_EQ(frame->GetActiveView(), host);
    EXPECT_EQ(frame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(::GetMenu(frame->m_hWnd), hMenu);
    EXPECT_EQ(frame->m_hAccelTable, hAccel);
    EXPECT_TRUE(frame->m_wndToolBar.IsVisible());
    EXPECT_TRUE(host->IsWindowVisible());
    EXPECT_EQ(ShownPaneText(frame->m_wndStatusBar, 0), "Ready");
    EXPECT_TRUE(StateOf(host, frame) == before);
    EXPECT_EQ(host->GetDlgCtrlID(), static_cast<int>(AFX_IDW_PANE_FIRST));
    EXPECT_EQ(host->m_nResizes, nResizes) << "the view's window kept its size throughout";
  }
}

TEST_F(PreviewTest, PrintFromThePreviewRunsThePrintLoop) {
  Open(300, 300);
  Command(ID_FILE_PRINT_PREVIEW);
  ASSERT_NE(Preview(), nullptr);
  ::SendMessageA(BarButton(AFX_ID_PREVIEW_PRINT)->m_hWnd, BM_CLICK, 0, 0);
  PumpPending();
  EXPECT_EQ(Preview(), nullptr);
  EXPECT_EQ(frame->GetActiveView(), host);
  EXPECT_EQ(printer->m_nDocsEnded, 1);
  EXPECT_EQ(printer->m_pages.size(), 3u);
}

}  // namespace
