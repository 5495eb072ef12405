// Print preview of a world view in a wizard-made frame, printing onto a
// stand-in page: the pages preview shows are the pages that print, pixel
// for pixel at the same resolution and within a pixel at a fitted scale;
// the preview bar pages and zooms; closing gives the view back exactly as
// it was; Print runs the print loop.
#include "BarsFrame.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kMark = RGB(250, 120, 10);  // a rectangle in the page's device units
const COLORREF kBadgeMask = RGB(255, 0, 255);

COLORREF PageColor(UINT nPage) { return RGB(30 * nPage, 160 - 30 * nPage, 200); }


// A world document of pages side by side, printed as the sign demo prints:
// while printing, the view is the page and the window the page's part of
// the document. Each page shows a block of its own colour, an ellipse, a
// transparent badge and its number placed in device units, and a mark at
// fixed device coordinates.
class CPreviewHostView : public CViewW {
  DECLARE_DYNCREATE(CPreviewHostView)

 public:
  CPageDC* m_pPrinter = nullptr;  // the stand-in printer
  CRect m_document = CRect(0, 3000, 9000, 0);
  CRect m_firstPage;
  int m_nPages = 0;
  int m_nPreviewDraws = 0;   // OnPrint with m_bPreview and a printing context
  int m_nOtherDraws = 0;     // OnPrint without them
  CRect m_mark = CRect(30, 20, 90, 50);
  CBitmap m_badge;

  std::vector<tagRECT> ZoomStack() {
    std::vector<tagRECT> stack;
    for (int i = 0; i < m_aZoomStack.GetSize(); ++i) stack.push_back(m_aZoomStack[i]);
    return stack;
  }
  unsigned int ScaleMode() const { return m_nScaleMode; }

  BOOL PreCreateWindow(CREATESTRUCTA& cs) override {
    cs.style |= WS_HSCROLL | WS_VSCROLL;
    return CViewW::PreCreateWindow(cs);
  }

  void OnDraw(CDC* pDC) override {
    const CRect rcWindow = [&] { CRect rc; GetWindow(&rc); return rc; }();
    Fill(pDC, rcWindow, kWhite);
    for (int k = 0; k < m_nPages || (k == 0 && m_nPages == 0); ++k) {
      const LONG pw = m_firstPage.Width() > 0 ? m_firstPage.Width() : 3000;
      const LONG left = k * pw;
      Fill(pDC, CRect(left + pw / 5, 2400, left + 3 * pw / 5, 900), PageColor(static_cast<UINT>(k) + 1));
    }
    if (!pDC->IsPrinting()) return;
    // In device units of the page: an ellipse, the badge, the page number
    // and the mark, as hosts place text and bitmaps.
    tagPOINT corner = {m_firstPage.left + m_firstPage.Width() / 2, 600};
    WPtoDP(pDC, &corner, &corner, 1);
    const int nSaved = pDC->SaveDC();
    pDC->SetMapMode(MM_TEXT);
    pDC->SetWindowOrg(0, 0);
    pDC->SetViewportOrg(0, 0);
    CBrush blue(RGB(0, 0, 180));
    CBrush* pOld = pDC->SelectObject(&blue);
    pDC->Ellipse(corner.x, corner.y - 30, corner.x + 60, corner.y + 10);
    pDC->SelectObject(pOld);
    DrawTransparent(pDC, &m_badge, kBadgeMask, CPoint(corner.x + 70, corner.y - 20));
    pDC->FillSolidRect(&m_mark, kMark);
    CFont font;
    font.CreatePointFont(100, "Arial", pDC);
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(m_mark.left, m_mark.bottom + 5, "Page");
    pDC->SelectObject(pOldFont);
    pDC->RestoreDC(nSaved);
  }

 protected:
  int OnCreate(LPCREATESTRUCTA lpcs) {
    if (CViewW::OnCreate(lpcs) == -1) return -1;
    CClientDC screen(this);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    m_badge.CreateCompatibleBitmap(&screen, 24, 24);
    CBitmap* pOld = dc.SelectObject(&m_badge);
    dc.FillSolidRect(0, 0, 24, 24, kBadgeMask);
    dc.FillSolidRect(4, 4, 16, 16, RGB(0, 140, 0));
    dc.SelectObject(pOld);
    SetWindowMax(CRect(-500, 3500, 9500, -500), true);
    SetWindow(CRect(-500, 3500, 9500, -500), true);
    return 0;
  }
  BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
    pInfo->m_pTargetDC = m_pPrinter;
    return DoPreparePrinting(pInfo);
  }
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {
    m_nPages = GetDocumentPages(pDC, m_document, &m_firstPage);
    pInfo->SetMaxPage(static_cast<UINT>(m_nPages));
    CViewW::OnBeginPrinting(pDC, pInfo);
  }
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
    if (pInfo != nullptr && pDC->IsPrinting()) {
      const LONG pw = m_firstPage.Width();
      const LONG left = m_document.left + static_cast<LONG>(pInfo->m_nCurPage - 1) * pw;
      SetWindowMax(CRect(m_document.left, m_document.top, m_document.left + m_nPages * pw,
                         m_document.bottom), false);
      SetViewBorder(CRect(0, 0, 0, 0));
      SetView(CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
      SetWindow(CRect(left, m_document.top, left + pw, m_document.bottom), false);
    }
    CViewW::OnPrepareDC(pDC, pInfo);
  }
  void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
    if (pInfo->m_bPreview && pDC->IsPrinting()) {
      ++m_nPreviewDraws;
    } else {
      ++m_nOtherDraws;
    }
    CViewW::OnPrint(pDC, pInfo);
  }

  DECLARE_MESSAGE_MAP()

 private:
  void Fill(CDC* pDC, const CRect& world, COLORREF color) {
    CBrush brush(color);
    CPen* pOldPen = static_cast<CPen*>(pDC->SelectStockObject(NULL_PEN));
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const CPointW corners[] = {{world.left, world.top}, {world.right, world.top},
                               {world.right, world.bottom}, {world.left, world.bottom}};
    AddPolyPoints(pDC, CPointW{0, 0}, corners, 4, true);
    DrawPolygons(pDC);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
  }
};

IMPLEMENT_DYNCREATE(CPreviewHostView, CViewW)

BEGIN_MESSAGE_MAP(CPreviewHostView, CViewW)
  ON_WM_CREATE()
  ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
  ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

// The pixels of a window's client area, 0x00RRGGBB, top row first.
struct Capture {
  int cx = 0, cy = 0;
  std::vector<DWORD> pixels;
  COLORREF At(int x, int y) const {
    const DWORD v = pixels[static_cast<size_t>(y) * static_cast<size_t>(cx) + static_cast<size_t>(x)];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
};

Capture CaptureClient(CWnd* pWnd) {
  pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  CRect rc;
  pWnd->GetClientRect(&rc);
  CPageDC copy(rc.Width(), rc.Height());
  const HDC hWindow = ::GetDC(pWnd->m_hWnd);
  ::BitBlt(copy.m_hDC, 0, 0, rc.Width(), rc.Height(), hWindow, 0, 0, SRCCOPY);
  ::ReleaseDC(pWnd->m_hWnd, hWindow);
  copy.EndPage();
  Capture capture;
  capture.cx = rc.Width();
  capture.cy = rc.Height();
  capture.pixels = copy.m_pages.back();
  return capture;
}

// Pixels of page k of the printed pages that differ from `shown` at
// `origin` (the page's corner in `shown`).
int DifferingPixels(const CPageDC& printed, size_t k, const Capture& shown, CPoint origin) {
  int n = 0;
  for (int y = 0; y < printed.GetPageHeight(); ++y) {
    for (int x = 0; x < printed.GetPageWidth(); ++x) {
      const int sx = origin.x + x, sy = origin.y + y;
      if (sx < 0 || sy < 0 || sx >= shown.cx || sy >= shown.cy ||
          shown.At(sx, sy) != printed.GetPagePixel(k, x, y)) {
        ++n;
      }
    }
  }
  return n;
}

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
  CPreviewView* Preview() const {
    CView* pView = frame->GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CPreviewView))
               ? static_cast<CPreviewView*>(pView)
               : nullptr;
  }
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
