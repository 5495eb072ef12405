// Printing a world view through the real print path: the framework's print
// loop, the print and print setup dialogs driven as a user drives them, the
// spooler, Wine's PostScript driver and the tests' printer, which makes
// each job a PDF file. Each printed page, rasterised, is compared with the
// same page printed onto a stand-in page (CPageDC) of the printer's page
// at the raster's resolution. NoPrinter runs in a prefix without a printer.
#include "PrintJob.h"
#include "TestViewW.h"

#include <gtest/gtest.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

namespace {

constexpr int kDpi = 72;  // the resolution pages are compared at
const COLORREF kColours[] = {RGB(200, 30, 30), RGB(20, 150, 60), RGB(30, 60, 200),
                             RGB(250, 200, 0), RGB(120, 120, 120)};

// World rectangles, y upwards.
CRect Shape(LONG left, LONG top, LONG width, LONG height) {
  return CRect(left, top, left + width, top - height);
}

// A document of shapes, lines and words across several pages, printed the
// way a host prints a world view: each page's view is the printable area
// of the device's page, its window the page's part of the document.
class CShapesView : public CTestViewW {
 public:
  CRect document = CRect(0, 11000, 20000, 0);
  BOOL bDirect = FALSE;
  CPageDC* pTarget = nullptr;  // set: print onto this page instead of a printer
  UINT nLastPage = 0;          // set: the host ends the job before the page after it
  UINT nAbandonPage = 0;       // set: the host abandons the job while drawing it
  std::function<void(UINT)> onPrintPage;  // set: runs as each page prints

  // What the job saw.
  int nBegun = 0;
  int nPages = 0;
  std::vector<UINT> printed;
  CRect viewOnPage;   // the view while a page printed
  CRect rectDraw;     // the print loop's usable area of the page
  int caps[6] = {};   // HORZRES, VERTRES, LOGPIXELSX, PHYSICALWIDTH, PHYSICALOFFSETX, Y
  std::map<UINT, std::vector<CRect>> words;  // device rectangles of the words, by page

  // The words: where they stand in the world.
  static CRect Word(int i) { return Shape(600 + 4200 * i, 2300, 3000, 600); }
  static std::string WordText(int i) { return "Word " + std::to_string(i + 1); }

  void OnDraw(CDC* pDC) override {
    if (pDC->IsPrinting()) {
      printed.push_back(m_nCurPage);
      if (nAbandonPage == m_nCurPage) pDC->AbortDoc();
      if (onPrintPage) onPrintPage(m_nCurPage);
    }
    CTestViewW::OnDraw(pDC);  // the background and the host's fills
    // Shapes filled without outlines (an outline drawn over a fill by two
    // rasterisers can leave the fill showing through at its steps), then
    // lines on their own.
    const int nSaved = pDC->SaveDC();
    pDC->SelectStockObject(NULL_PEN);
    for (int i = 0; i < 10; ++i) {
      CBrush brush(kColours[i % 5]);
      CBrush* pOld = pDC->SelectObject(&brush);
      const LONG x = 500 + 2000 * i;
      FillWorld(pDC, Shape(x, 9500, 1200, 2500));  // blocks, without outline
      POINT triangle[] = {{x, 6000}, {x + 1500, 6000}, {x + 750, 4500}};
      WPtoLP(pDC, triangle, triangle, 3);
      pDC->Polygon(triangle, 3);
      CRect ellipse = Shape(x + 100, 4100, 1400, 1300);
      WPtoLP(pDC, &ellipse, &ellipse);
      pDC->Ellipse(ellipse.left, ellipse.top, ellipse.right, ellipse.bottom);
      pDC->SelectObject(pOld);
    }
    // Lines: a frame round the document, one diagonal across it, a rule.
    CPen line(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* pOldPen = pDC->SelectObject(&line);
    POINT frame[] = {{document.left, document.bottom}, {document.right - 1, document.bottom},
                     {document.right - 1, document.top - 1}, {document.left, document.top - 1},
                     {document.left, document.bottom}};
    WPtoLP(pDC, frame, frame, 5);
    pDC->Polyline(frame, 5);
    POINT lines[] = {{document.left, document.top}, {document.right, document.bottom},
                     {document.left, 1000}, {document.right, 1000}};
    WPtoLP(pDC, lines, lines, 4);
    pDC->Polyline(lines, 2);
    pDC->Polyline(lines + 2, 2);
    pDC->SelectObject(pOldPen);
    pDC->RestoreDC(nSaved);
    DrawWords(pDC);
  }

  BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
    pInfo->m_bDirect = bDirect;
    pInfo->m_pTargetDC = pTarget;
    pInfo->SetMaxPage(9);  // the real count comes with the device
    return DoPreparePrinting(pInfo);
  }
  void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {
    ++nBegun;
    printed.clear();
    nPages = GetDocumentPages(pDC, document, &m_rcFirstPage);
    pInfo->SetMaxPage(static_cast<UINT>(nPages));
    int k = 0;
    for (int nIndex : {HORZRES, VERTRES, LOGPIXELSX, PHYSICALWIDTH, PHYSICALOFFSETX,
                       PHYSICALOFFSETY})
      caps[k++] = pDC->GetDeviceCaps(nIndex);
    CTestViewW::OnBeginPrinting(pDC, pInfo);
  }
  void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
    if (pInfo != nullptr && pDC->IsPrinting()) {
      m_nCurPage = pInfo->m_nCurPage;
      if (nLastPage != 0 && m_nCurPage > nLastPage) pInfo->m_bContinuePrinting = FALSE;
      const LONG width = m_rcFirstPage.right - m_rcFirstPage.left;
      const LONG left = m_rcFirstPage.left + static_cast<LONG>(m_nCurPage - 1) * width;
      SetWindowMax(CRect(left, document.top, left + width, document.bottom), false);
      SetViewBorder(CRect(0, 0, 0, 0));
      SetView(CRect(0, 0, pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES)));
      CViewW::SetWindow(CRect(left, document.top, left + width, document.bottom), false);
      viewOnPage = View();
    }
    CTestViewW::OnPrepareDC(pDC, pInfo);
    if (pInfo != nullptr) rectDraw = pInfo->m_rectDraw;
  }

 private:
  void FillWorld(CDC* pDC, CRect rc) {
    WPtoLP(pDC, &rc, &rc);
    CBrush* pBrush = CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(*pDC, OBJ_BRUSH)));
    pDC->FillRect(&rc, pBrush);
  }
  // Words in a font as tall as their world rectangle, placed in device
  // pixels (the font follows the page's scale).
  void DrawWords(CDC* pDC) {
    std::vector<CRect>& boxes = words[pDC->IsPrinting() ? m_nCurPage : 0];
    boxes.clear();
    for (int i = 0; i < 5; ++i) {
      CRect world = Word(i);
      CRect rc;
      WPtoDP(pDC, &world, &rc);
      rc.NormalizeRect();
      boxes.push_back(rc);
      const int nSaved = pDC->SaveDC();
      pDC->SetMapMode(MM_TEXT);
      pDC->SetWindowOrg(0, 0);
      pDC->SetViewportOrg(0, 0);
      CFont font;
      font.CreateFont(-rc.Height(), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                      "Arial");
      pDC->SelectObject(&font);
      pDC->SetBkMode(TRANSPARENT);
      pDC->SetTextColor(RGB(0, 0, 0));
      pDC->TextOut(rc.left, rc.top, CString(WordText(i).c_str()));
      pDC->RestoreDC(nSaved);
    }
  }

  UINT m_nCurPage = 0;
  tagRECT m_rcFirstPage = {};
};

// ---- the user at the dialogs ----------------------------------------------------------

// What a user does once a dialog with this title (any, when null) is up;
// run from a timer inside the dialog's own message loop.
std::function<void(HWND)> g_user;
const char* g_dialogTitle = nullptr;
int g_nDialogs = 0;

void CALLBACK OnUserTimer(HWND, UINT, UINT_PTR nID, DWORD) {
  static bool bBusy = false;
  if (bBusy) return;
  const HWND hDlg = ::FindWindowA("#32770", g_dialogTitle);
  if (hDlg == nullptr || !::IsWindowVisible(hDlg)) return;
  bBusy = true;
  ::KillTimer(nullptr, nID);
  ++g_nDialogs;
  g_user(hDlg);
  bBusy = false;
}

// Runs `job` with a user ready to answer the dialog titled `title`.
void WithUser(const char* title, std::function<void(HWND)> user, const std::function<void()>& job) {
  g_dialogTitle = title;
  g_user = std::move(user);
  const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, &OnUserTimer);
  job();
  ::KillTimer(nullptr, nTimer);
}

void Click(HWND hDlg, int nID) {
  ::SendMessageA(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0);
  PumpPending();
}

void Retype(HWND hDlg, int nID, const char* text) {
  const HWND hEdit = ::GetDlgItem(hDlg, nID);
  ::SetFocus(hEdit);
  ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
  TypeText(hEdit, text);
}

// Print setup as a user fills it in: printer, paper, orientation, OK.
void SetUpPrinter(const char* printer, const char* paper, bool bLandscape) {
  bool bPicked = false;
  WithUser("Print Setup",
           [&](HWND hDlg) {
             bPicked = PickInCombo(::GetDlgItem(hDlg, kPrintSetupPrinters), printer, &PressKey) &&
                       PickInCombo(::GetDlgItem(hDlg, kPrintSetupPaper), paper, &PressKey);
             Click(hDlg, bLandscape ? kLandscape : kPortrait);
             Click(hDlg, IDOK);
           },
           [] { TestApp().OnFilePrintSetup(); });
  ASSERT_TRUE(bPicked) << printer << ", " << paper;
}

// The application's printer and paper, as its settings say.
struct PrinterChoice {
  std::string device;
  short nPaper = 0;
  short nOrientation = 0;
  short nCopies = 0;
};
PrinterChoice AppPrinter() {
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  PrinterChoice choice;
  if (!TestApp().GetPrinterDeviceDefaults(&pd)) return choice;
  const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(pd.hDevNames));
  choice.device = reinterpret_cast<const char*>(pNames) + pNames->wDeviceOffset;
  ::GlobalUnlock(pd.hDevNames);
  const auto* pMode = static_cast<const DEVMODEA*>(::GlobalLock(pd.hDevMode));
  choice.nPaper = pMode->dmPaperSize;
  choice.nOrientation = pMode->dmOrientation;
  choice.nCopies = pMode->dmCopies;
  ::GlobalUnlock(pd.hDevMode);
  return choice;
}

// ---- printing and comparing -----------------------------------------------------------

struct Printout {
  ViewInFrame vf;
  CShapesView* view;
};

Printout MakeShapesView(const std::string& title) {
  auto* view = new CShapesView;
  Printout p{MakeViewInFrame(400, 300, WS_HSCROLL | WS_VSCROLL, view), view};
  p.vf.frame->SetWindowText(title.c_str());
  ForgetJob(title);
  ForgetJob(title, "second");
  return p;
}

void Close(const Printout& p) {
  p.vf.frame->DestroyWindow();
  PumpPending();
}

// Prints the view's document onto the application printer's page at kDpi
// and compares each printed page (the job's from nFirstPage on) with its
// page there; the figures go to the output. The printed page count goes
// to *pnPrinted.
void ExpectPagesMatch(CShapesView* view, const std::string& title, const char* folder,
                      UINT nFirstPage, size_t* pnPrinted) {
  CDC printer;
  ASSERT_TRUE(TestApp().CreatePrinterDC(printer));
  CPageDC page(&printer, kDpi);
  view->pTarget = &page;
  view->OnFilePrint();
  view->pTarget = nullptr;
  const std::vector<PixelImage> printed = RasterisedPages(title, kDpi, folder);
  *pnPrinted = printed.size();
  ASSERT_FALSE(printed.empty());
  ASSERT_LE(printed.size() + nFirstPage - 1, page.m_pages.size());
  const POINT offset = {page.GetDeviceCaps(PHYSICALOFFSETX), page.GetDeviceCaps(PHYSICALOFFSETY)};
  for (size_t k = 0; k < printed.size(); ++k) {
    SCOPED_TRACE("printed page " + std::to_string(k + 1));
    const size_t nExported = k + nFirstPage - 1;
    PixelImage exported{page.GetPageWidth(), page.GetPageHeight(), page.m_pages[nExported]};
    WritePixmap(exported, title, "-exported-" + std::to_string(nExported + 1), folder);
    EXPECT_EQ(printed[k].width, page.GetDeviceCaps(PHYSICALWIDTH));
    EXPECT_EQ(printed[k].height, page.GetDeviceCaps(PHYSICALHEIGHT));
    // The words are compared by where their ink is; everything else pixel by pixel.
    std::vector<CRect> words;
    for (CRect rc : view->words[static_cast<UINT>(nExported + 1)]) {
      rc.InflateRect(6, 6);
      words.push_back(rc);
    }
    const PageComparison c = ComparePages(printed[k], exported, offset, words);
    int nWorstWord = 0;
    for (const CRect& rc : words) {
      CRect sheet = rc;
      sheet.OffsetRect(offset.x, offset.y);
      CRect a = InkBounds(exported, rc), b = InkBounds(printed[k], sheet);
      b.OffsetRect(-offset.x, -offset.y);
      if (a.IsRectEmpty() != b.IsRectEmpty()) nWorstWord = 99;
      if (a.IsRectEmpty() || b.IsRectEmpty()) continue;
      for (LONG d : {a.left - b.left, a.top - b.top, a.right - b.right, a.bottom - b.bottom})
        nWorstWord = std::max<int>(nWorstWord, std::abs(static_cast<int>(d)));
    }
    std::printf("%s page %u: %dx%d px at %d dpi, offset (%ld, %ld): %d of %d pixels differ, "
                "worst offset %d px, words within %d px, %d pixels of ink in the margins\n",
                title.c_str(), static_cast<unsigned>(nExported + 1), printed[k].width,
                printed[k].height, kDpi, offset.x, offset.y, c.nDiffering,
                exported.width * exported.height, c.nWorstOffset, nWorstWord, c.nMarginInk);
    EXPECT_LE(c.nWorstOffset, 1) << "shapes and lines within a pixel";
    EXPECT_LT(c.nDiffering, exported.width * exported.height / 100);
    // Printer and screen fonts differ slightly: printed words come out up
    // to three percent narrower.
    EXPECT_LE(nWorstWord, 4) << "the words' ink where it should be";
    EXPECT_EQ(c.nMarginInk, 0) << "nothing outside the printable area";
  }
}

// ---- the tests ----------------------------------------------------------------------------

TEST(PrintTest, DirectJobsPrintOnTheApplicationPrinterWithThePaperChosenInPrintSetup) {
  struct Setup {
    const char* name;
    const char* paper;  // null: the printer as installed
    bool bLandscape;
    short nPaper;
    int nPaperWidth, nPaperHeight;  // points
  };
  const Setup setups[] = {
      {"Letter", nullptr, false, DMPAPER_LETTER, 612, 792},
      {"A4 landscape", "A4", true, DMPAPER_A4, 842, 595},
      {"A4", "A4", false, DMPAPER_A4, 595, 842},
      {"Letter landscape", "Letter", true, DMPAPER_LETTER, 792, 612},
      {"Letter with margins", "LetterSmall", false, DMPAPER_LETTERSMALL, 612, 792},
  };
  for (const Setup& setup : setups) {
    SCOPED_TRACE(setup.name);
    const std::string title = std::string("Direct ") + setup.name;
    const Printout p = MakeShapesView(title);
    if (setup.paper != nullptr) SetUpPrinter(VARNEL_PRINTER, setup.paper, setup.bLandscape);
    const PrinterChoice choice = AppPrinter();
    EXPECT_EQ(choice.device, VARNEL_PRINTER) << "the default printer";
    EXPECT_EQ(choice.nPaper, setup.nPaper);
    EXPECT_EQ(choice.nOrientation, setup.bLandscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);

    p.view->bDirect = TRUE;
    p.view->OnFilePrint();
    ASSERT_TRUE(FileExists(JobFile(title, "pdf"))) << "the job became a PDF";
    EXPECT_TRUE(TestApp().prompts.empty());

    // The device reached the view: its printable area is the view, at
    // the printer's resolution, and the loop's usable area in logical units.
    const int* caps = p.view->caps;
    const int nDpi = caps[2];
    EXPECT_EQ(nDpi, 300);
    const int nLong = MulDiv(std::max(setup.nPaperWidth, setup.nPaperHeight), nDpi, 72);
    EXPECT_NEAR(caps[3], MulDiv(setup.nPaperWidth, nDpi, 72), 2) << "paper width in pixels";
    EXPECT_LE(std::max(caps[0], caps[1]), nLong);
    EXPECT_EQ(p.view->viewOnPage, CRect(0, 0, caps[0], caps[1]));
    CRect rectDrawDevice = p.view->rectDraw;
    EXPECT_EQ(rectDrawDevice.Width(), caps[0]);
    EXPECT_EQ(std::abs(rectDrawDevice.Height()), caps[1]);
    if (setup.nPaper == DMPAPER_LETTERSMALL) {  // margins of 25 points
      EXPECT_NEAR(caps[4], MulDiv(25, nDpi, 72), 1) << "the printable area's offset";
      EXPECT_NEAR(caps[5], MulDiv(25, nDpi, 72), 1);
    }
    EXPECT_EQ(p.view->printed.size(), static_cast<size_t>(p.view->nPages));
    const int nPages = p.view->nPages;
    size_t nPrinted = 0;
    ExpectPagesMatch(p.view, title, "", 1, &nPrinted);
    EXPECT_EQ(nPrinted, static_cast<size_t>(nPages))
        << "as many PDF pages as the document has on this paper";
    EXPECT_FALSE(p.view->Printing());
    Close(p);
  }
  SetUpPrinter(VARNEL_PRINTER, "Letter", false);  // as installed, for the other tests
}

TEST(PrintTest, PrintDialogChoosesThePrinterCopiesAndPages) {
  const std::string title = "Dialog pages 2 to 3";
  const Printout p = MakeShapesView(title);
  WithUser("Print",
           [](HWND hDlg) {
             EXPECT_TRUE(PickInCombo(::GetDlgItem(hDlg, kPrintPrinters), VARNEL_PRINTER_2, &PressKey));
             Retype(hDlg, kCopies, "2");
             Click(hDlg, kPrintPages);
             Retype(hDlg, kFromPage, "2");
             Retype(hDlg, kToPage, "3");
             Click(hDlg, IDOK);
           },
           [&] { p.view->OnFilePrint(); });
  EXPECT_EQ(g_nDialogs > 0, true);
  EXPECT_EQ(p.view->printed, (std::vector<UINT>{2, 3}));
  ASSERT_TRUE(FileExists(JobFile(title, "pdf", "second"))) << "printed on the printer chosen";
  EXPECT_FALSE(FileExists(JobFile(title, "pdf")));
  EXPECT_NE(ReadFile(JobFile(title, "ps", "second")).find("copies=2"), std::string::npos)
      << "the driver was asked for two copies";

  // The application keeps the choice: the next direct job goes there too,
  // for two copies.
  const PrinterChoice choice = AppPrinter();
  EXPECT_EQ(choice.device, VARNEL_PRINTER_2);
  EXPECT_EQ(choice.nCopies, 2);
  ForgetJob(title, "second");
  p.view->bDirect = TRUE;
  p.view->OnFilePrint();
  ASSERT_TRUE(FileExists(JobFile(title, "pdf", "second")));
  size_t nPrinted = 0;
  ExpectPagesMatch(p.view, title, "second", 1, &nPrinted);
  EXPECT_EQ(nPrinted, static_cast<size_t>(p.view->nPages));
  Close(p);
  SetUpPrinter(VARNEL_PRINTER, "Letter", false);
}

TEST(PrintTest, DialogPageRangePrintsThosePagesOnly) {
  const std::string title = "Dialog page 2";
  const Printout p = MakeShapesView(title);
  WithUser("Print",
           [](HWND hDlg) {
             Click(hDlg, kPrintPages);
             Retype(hDlg, kFromPage, "2");
             Retype(hDlg, kToPage, "2");
             Click(hDlg, IDOK);
           },
           [&] { p.view->OnFilePrint(); });
  EXPECT_EQ(p.view->printed, (std::vector<UINT>{2}));
  size_t nPrinted = 0;
  ExpectPagesMatch(p.view, title, "", 2, &nPrinted);
  EXPECT_EQ(nPrinted, 1u);
  Close(p);
}

// The entry a drop-down list shows.
std::string ComboSelection(HWND hCombo) {
  const LRESULT nSel = ::SendMessageA(hCombo, CB_GETCURSEL, 0, 0);
  char text[256] = {};
  if (nSel >= 0) {
    ::SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nSel), reinterpret_cast<LPARAM>(text));
  }
  return text;
}

TEST(PrintTest, ThePrintDialogOpensOnThePrinterAndPaperOfPrintSetup) {
  const Printout p = MakeShapesView("Dialog after setup");
  SetUpPrinter(VARNEL_PRINTER_2, "A4", true);
  std::string shown;
  WithUser("Print",
           [&](HWND hDlg) {
             shown = ComboSelection(::GetDlgItem(hDlg, kPrintPrinters));
             Click(hDlg, IDCANCEL);
           },
           [&] { p.view->OnFilePrint(); });
  EXPECT_EQ(shown, VARNEL_PRINTER_2) << "the printer print setup chose";
  EXPECT_EQ(p.view->nBegun, 0) << "cancelled: nothing printed";
  // The settings stay the application's for the jobs after.
  const PrinterChoice choice = AppPrinter();
  EXPECT_EQ(choice.device, VARNEL_PRINTER_2);
  EXPECT_EQ(choice.nPaper, DMPAPER_A4);
  EXPECT_EQ(choice.nOrientation, DMORIENT_LANDSCAPE);
  Close(p);
  SetUpPrinter(VARNEL_PRINTER, "Letter", false);
}

// The printer's state as the spooler reports it.
PRINTER_INFO_2A PrinterState(std::vector<BYTE>& buffer) {
  HANDLE hPrinter = nullptr;
  PRINTER_INFO_2A info = {};
  if (!::OpenPrinterA(const_cast<char*>(VARNEL_PRINTER), &hPrinter, nullptr)) return info;
  DWORD needed = 0;
  ::GetPrinterA(hPrinter, 2, nullptr, 0, &needed);
  buffer.resize(needed);
  if (::GetPrinterA(hPrinter, 2, buffer.data(), needed, &needed)) {
    info = *reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
  }
  ::ClosePrinter(hPrinter);
  return info;
}

TEST(PrintTest, JobsTheHostEndsEarlyLeaveTheViewAndThePrinterReady) {
  const std::string title = "Ended early";
  const Printout p = MakeShapesView(title);
  p.view->bDirect = TRUE;
  const CRect window = p.view->Window();

  // The host stops after the first page: that page is printed.
  p.view->nLastPage = 1;
  p.view->OnFilePrint();
  EXPECT_EQ(p.view->printed, (std::vector<UINT>{1}));
  EXPECT_EQ(RasterisedPages(title, 36).size(), 1u);
  EXPECT_EQ(p.view->Window(), window);
  EXPECT_FALSE(p.view->Printing());

  // The host abandons the job on its second page: nothing is printed.
  ForgetJob(title);
  p.view->nLastPage = 0;
  p.view->nAbandonPage = 2;
  p.view->OnFilePrint();
  EXPECT_EQ(p.view->printed, (std::vector<UINT>{1, 2})) << "no page after the abandoned one";
  EXPECT_FALSE(FileExists(JobFile(title, "pdf"))) << "an abandoned job prints nothing";
  EXPECT_EQ(p.view->Window(), window);
  EXPECT_FALSE(p.view->Printing());
  EXPECT_TRUE(TestApp().prompts.empty());
  std::vector<BYTE> buffer;
  const PRINTER_INFO_2A state = PrinterState(buffer);
  EXPECT_EQ(state.Status, 0u) << "the printer is ready";
  EXPECT_EQ(state.cJobs, 0u) << "no job left in its queue";

  // And the next job prints whole.
  p.view->nAbandonPage = 0;
  p.view->OnFilePrint();
  EXPECT_EQ(RasterisedPages(title, 36).size(), static_cast<size_t>(p.view->nPages));
  Close(p);
}

// The "Printing" dialog as it stood while a page printed.
struct PrintingDialogSeen {
  bool bShown = false;
  std::string doc, printer, port, page;
  bool bFrameEnabled = true;
};

TEST(PrintTest, TheUserCancelsAJobInThePrintingDialog) {
  const std::string title = "Cancelled by the user";
  const Printout p = MakeShapesView(title);
  p.view->bDirect = TRUE;
  const CRect window = p.view->Window();
  std::vector<PrintingDialogSeen> seen;
  p.view->onPrintPage = [&](UINT nPage) {
    PrintingDialogSeen s;
    const HWND hDlg = ::FindWindowA("#32770", "Printing");
    s.bShown = hDlg != nullptr && ::IsWindowVisible(hDlg);
    s.doc = WindowText(::GetDlgItem(hDlg, AFX_IDC_PRINT_DOCNAME));
    s.printer = WindowText(::GetDlgItem(hDlg, AFX_IDC_PRINT_PRINTERNAME));
    s.port = WindowText(::GetDlgItem(hDlg, AFX_IDC_PRINT_PORTNAME));
    s.page = WindowText(::GetDlgItem(hDlg, AFX_IDC_PRINT_PAGENUM));
    s.bFrameEnabled = p.vf.frame->IsWindowEnabled() != FALSE;
    seen.push_back(s);
    // The user clicks Cancel while page 2 prints: the click waits in the
    // queue until the job lets messages through.
    if (nPage == 2) ::PostMessageA(::GetDlgItem(hDlg, IDCANCEL), BM_CLICK, 0, 0);
  };
  p.view->OnFilePrint();
  EXPECT_EQ(p.view->printed, (std::vector<UINT>{1, 2})) << "no page after the cancel";
  EXPECT_FALSE(FileExists(JobFile(title, "pdf"))) << "a cancelled job prints nothing";
  EXPECT_TRUE(TestApp().prompts.empty()) << "no error for the user's own cancel";
  ASSERT_EQ(seen.size(), 2u);
  for (size_t i = 0; i < seen.size(); ++i) {
    SCOPED_TRACE(i + 1);
    EXPECT_TRUE(seen[i].bShown);
    EXPECT_EQ(seen[i].doc, title);
    EXPECT_EQ(seen[i].printer, VARNEL_PRINTER);
    EXPECT_EQ(seen[i].port.rfind("on ", 0), 0u) << seen[i].port;
    EXPECT_GT(seen[i].port.size(), 3u) << "the port is named";
    EXPECT_EQ(seen[i].page, "Page " + std::to_string(i + 1));
    EXPECT_FALSE(seen[i].bFrameEnabled) << "the application waits for the job";
  }
  EXPECT_EQ(::FindWindowA("#32770", "Printing"), nullptr) << "the dialog is gone";
  EXPECT_TRUE(p.vf.frame->IsWindowEnabled());
  EXPECT_EQ(p.view->Window(), window);
  EXPECT_FALSE(p.view->Printing());
  std::vector<BYTE> buffer;
  EXPECT_EQ(PrinterState(buffer).cJobs, 0u) << "no job left in the queue";

  // The next job prints whole.
  p.view->onPrintPage = nullptr;
  p.view->OnFilePrint();
  EXPECT_EQ(RasterisedPages(title, 36).size(), static_cast<size_t>(p.view->nPages));
  Close(p);
}

TEST(NoPrinter, PrintingAndPrintSetupSayThereIsNoneAndChangeNothing) {
  DWORD needed = 0, count = 0;
  ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
  ASSERT_EQ(needed, 0u) << "this prefix has no printer";

  const Printout p = MakeShapesView("No printer");
  const CRect window = p.view->Window();
  TestApp().prompts.clear();
  int nDialogs = g_nDialogs;
  // Any dialog or message box of the system's, had one come up, would be
  // closed at once and counted.
  const auto close = [](HWND hDlg) {
    ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
    ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
  };
  for (BOOL bDirect : {TRUE, FALSE}) {
    p.view->bDirect = bDirect;
    WithUser(nullptr, close, [&] { p.view->OnFilePrint(); });
  }
  WithUser(nullptr, close, [] { TestApp().OnFilePrintSetup(); });
  EXPECT_EQ(g_nDialogs, nDialogs) << "no printing dialog came up";
  ASSERT_EQ(TestApp().prompts.size(), 3u);
  for (const RecordedPrompt& prompt : TestApp().prompts) {
    EXPECT_EQ(prompt.nIDPrompt, static_cast<UINT>(AFX_IDP_NO_PRINTER));
    EXPECT_EQ(prompt.text, "No printer is installed. Install one, then print again.");
  }
  EXPECT_EQ(p.view->nBegun, 0) << "nothing printed";
  EXPECT_EQ(p.view->Window(), window);
  PRINTDLGA pd = {};
  pd.lStructSize = sizeof pd;
  EXPECT_FALSE(TestApp().GetPrinterDeviceDefaults(&pd));
  EXPECT_EQ(pd.hDevNames, nullptr);
  TestApp().prompts.clear();
  Close(p);
}

}  // namespace
