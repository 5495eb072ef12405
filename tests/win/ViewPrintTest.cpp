// Printing a world view through the framework's print loop onto a stand-in
// page: a memory context with a page-sized DIB section that records each
// page as it ends. The host points the view at the printable area and the
// window at each page of the document; the screen state comes back.
#include "TestViewW.h"

#include <gtest/gtest.h>


namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kSquareInk = RGB(0, 128, 255);

// A host that prints the document a page at a time: the view is the page's
// printable area less a margin, the window the page's world rectangle. The
// margin replaces the screen's border (set aside by OnBeginPrinting) before
// the pages are counted, so that they have the proportions inside it.
class CPrintHostView : public CTestViewW {
 public:
  CPageDC* pTarget = nullptr;
  CRect document;
  CRect margin;
  bool bMaxSpansPages = true;  // else the maximum window stays the screen's
  int nPages = 0;
  CRect firstPage;

  BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
    pInfo->m_pTargetDC = pTarget;
    return DoPreparePrinting(pInfo);
  }
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {
    CTestViewW::OnBeginPrinting(pDC, pInfo);
    SetViewBorder(margin);
    nPages = GetDocumentPages(pDC, document, &firstPage);
    pInfo->SetMaxPage(static_cast<UINT>(nPages));
  }
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
    if (pInfo != nullptr) {
      const LONG pw = firstPage.right - firstPage.left;
      const LONG left = document.left + static_cast<LONG>(pInfo->m_nCurPage - 1) * pw;
      if (bMaxSpansPages) {
        SetWindowMax(CRect(document.left, document.top, document.left + nPages * pw,
                           document.bottom), true);
      }
      SetView(CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
      m_rcViewPrev = CRect(1, 2, 3, 4);  // anything: it is restored too
      SetWindow(CRect(left, document.top, left + pw, document.bottom), true, {0, 0}, {0, 0});
      SetScrollPosW(SB_HORZ, left, true);  // ignored while printing
    }
    CViewW::OnPrepareDC(pDC, pInfo);
  }
};

// The six rectangles, the page and line sizes and both bars, as one list.
std::vector<LONG> ScreenState(CTestViewW& v) {
  std::vector<LONG> state;
  for (const CRect& rc : {v.View(), v.ViewPrev(), v.Border(), v.StoredClient(), v.Window(),
                          v.WindowMax()})
    state.insert(state.end(), {rc.left, rc.top, rc.right, rc.bottom});
  for (const CSize& size : {v.Page(), v.Line(), v.PageDev(), v.LineDev()})
    state.insert(state.end(), {size.cx, size.cy});
  for (int nBar : {SB_HORZ, SB_VERT}) {
    const SCROLLINFO info = BarInfo(v, nBar);
    state.insert(state.end(), {info.nMin, info.nMax, static_cast<LONG>(info.nPage), info.nPos,
                               BarVisible(v, nBar)});
  }
  return state;
}

COLORREF PageColor(int k) { return RGB(40 * k, 200 - 40 * k, 90); }

// A page (the screen's size) with margins of its own on each side, not in
// the page's proportions. Pages are as tall
// as the document and as wide as the area inside the margins allows; each
// shows a block, a square and its window's corners where the world says,
// undistorted. With bMaxSpansPages false the maximum window stays the
// document, which the last page runs past: it still prints its own window.
void PrintAndCheck(bool bMaxSpansPages) {
  CPageDC page;
  const int cx = page.GetPageWidth(), cy = page.GetPageHeight();
  auto* host = new CPrintHostView;
  const ViewInFrame vf = MakeViewInFrame(400, 300, WS_HSCROLL | WS_VSCROLL, host);

  // The screen: a bordered view showing part of its maximum window, bars up.
  host->SetViewBorder(CRect(5, 6, 7, 8));
  host->SetWindowMax(CRect(0, 1000, 5000, 0), false);
  host->SetWindow(CRect(0, 1000, 2500, 0), true, {1000, 2000}, {100, 200});
  host->UpdateWindow();
  ASSERT_TRUE(BarVisible(*host, SB_HORZ));
  const std::vector<LONG> before = ScreenState(*host);

  host->pTarget = &page;
  host->document = CRect(0, 1000, 5000, 0);
  host->margin = CRect(60, 45, 40, 75);
  host->bMaxSpansPages = bMaxSpansPages;
  const CRect v(60, 45, cx - 40, cy - 75);
  const LONG pw = MulDiv(1000, v.Width(), v.Height());
  const int nPages = static_cast<int>((5000 + pw - 1) / pw);
  ASSERT_NE(5000 % pw, 0) << "the last page runs past the document";
  for (int k = 0; k < nPages; ++k) {
    const LONG left = k * pw;
    host->fills.push_back({CRect(left + pw / 5, 800, left + 2 * pw / 5, 300), PageColor(k)});
    host->fills.push_back({CRect(left + pw / 2, 600, left + pw / 2 + 300, 300), kSquareInk});
    host->fills.push_back({CRect(left, 1000, left + 10, 990), PageColor(k)});
    host->fills.push_back({CRect(left + pw - 10, 10, left + pw, 0), PageColor(k)});
  }
  host->OnFilePrint();

  EXPECT_EQ(host->nPages, nPages);
  EXPECT_EQ(host->firstPage, CRect(0, 1000, pw, 0));
  ASSERT_EQ(page.m_pages.size(), static_cast<size_t>(nPages));
  EXPECT_EQ(page.m_nDocsEnded, 1);
  EXPECT_EQ(host->nPrintedDraws, nPages);

  auto at = [&](int k, LONG x, LONG y) {  // the device pixel of a world point on page k
    return CPoint(v.left + MulDiv(x - k * pw, v.Width(), pw),
                  v.bottom - MulDiv(y, v.Height(), 1000));
  };
  for (int k = 0; k < nPages; ++k) {
    SCOPED_TRACE(k);
    const CPoint blockTopLeft = at(k, k * pw + pw / 5, 800);
    const CPoint blockBottomRight = at(k, k * pw + 2 * pw / 5, 300);
    EXPECT_EQ(page.GetPagePixel(k, blockTopLeft.x, blockTopLeft.y), PageColor(k));
    EXPECT_EQ(page.GetPagePixel(k, blockTopLeft.x - 1, blockTopLeft.y), kWhite);
    EXPECT_EQ(page.GetPagePixel(k, blockTopLeft.x, blockTopLeft.y - 1), kWhite);
    EXPECT_EQ(page.GetPagePixel(k, blockBottomRight.x - 1, blockBottomRight.y - 1), PageColor(k));
    EXPECT_EQ(page.GetPagePixel(k, blockBottomRight.x, blockBottomRight.y - 1), kWhite);
    EXPECT_EQ(page.GetPagePixel(k, blockBottomRight.x - 1, blockBottomRight.y), kWhite);
    // The window's corners on the view's corners; nothing in the margins.
    EXPECT_EQ(page.GetPagePixel(k, v.left, v.top), PageColor(k));
    EXPECT_EQ(page.GetPagePixel(k, v.left - 1, v.top), kWhite);
    EXPECT_EQ(page.GetPagePixel(k, v.left, v.top - 1), kWhite);
    EXPECT_EQ(page.GetPagePixel(k, v.right - 1, v.bottom - 1), PageColor(k));
    EXPECT_EQ(page.GetPagePixel(k, v.right, v.bottom), kWhite);
    EXPECT_EQ(page.GetPagePixel(k, v.right + 2, v.top), kWhite);
    // A square of the world prints square: as many pixels across as down.
    int across = 0, down = 0;
    const CPoint square = at(k, k * pw + pw / 2 + 150, 450);
    for (int x = 0; x < cx; ++x) across += page.GetPagePixel(k, x, square.y) == kSquareInk;
    for (int y = 0; y < cy; ++y) down += page.GetPagePixel(k, square.x, y) == kSquareInk;
    EXPECT_NEAR(across, down, 1) << "not stretched across the page";
  }

  // The screen state is back and the bars, sizes and paint were untouched.
  EXPECT_FALSE(host->Printing());
  EXPECT_EQ(ScreenState(*host), before);
  EXPECT_FALSE(::GetUpdateRect(host->m_hWnd, nullptr, FALSE)) << "no repaint requested";
  vf.frame->DestroyWindow();
  PumpPending();
}

TEST(ViewPrintTest, PrintsEachPageWhereTheWorldSaysAndGivesTheScreenBack) { PrintAndCheck(true); }

TEST(ViewPrintTest, TheLastPagePrintsItsOwnWindowPastTheDocument) { PrintAndCheck(false); }

TEST(ViewPrintTest, SaveAndRestoreTouchOnlyTheSixRectangles) {
  const ViewInFrame vf = MakeViewInFrame(400, 300, 0);
  CTestViewW& v = *vf.view;
  v.SetWindow(CRect(0, 10000, 10000, 0), true, {0, 0}, {0, 0});
  const std::vector<LONG> before = ScreenState(v);
  v.SaveViewAndWindow();
  v.SetViewBorder(CRect(1, 2, 3, 4));
  v.SetView(CRect(0, 0, 50, 60));
  v.SetWindowMax(CRect(-5, 5, 5, -5), false);
  v.SetWindow(CRect(-1, 1, 1, -1), true, {0, 0}, {0, 0});
  v.SetScaleMode(0);
  v.SetBrushOrigin(POINT{3, 4});
  v.RestoreViewAndWindow();
  const std::vector<LONG> after = ScreenState(v);
  EXPECT_EQ(std::vector<LONG>(after.begin(), after.begin() + 24),
            std::vector<LONG>(before.begin(), before.begin() + 24)) << "the six rectangles";
  EXPECT_NE(after, before) << "the sizes are not among them";
  EXPECT_EQ(v.ScaleMode(), 0u) << "kept its changed value";
  EXPECT_EQ(v.BrushOrigin().x, 3);
  vf.frame->DestroyWindow();
  PumpPending();
}

}  // namespace
