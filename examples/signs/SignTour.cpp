// The scripted tour: a timer walks through the steps below the way a
// user's actions arrive (typing into the dialog, the toolbar and the
// pointer over the view (SignTourBars.cpp), the wheel, a drag, a click,
// the menu, a resize, a scroll bar, print preview, print setup, an export,
// a print on the test printer compared with the export). Each step acts on
// one tick and checks on the next, once the messages it posted have been
// handled; it prints one line with what it checked and saves a picture.
#include "SignTour.h"

#include "../DemoPrintout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <sys/stat.h>

namespace tour {

CSignFrame* g_pFrame = nullptr;
std::string g_dir;
bool g_bPictures = true;
int g_nFailures = 0;
size_t g_nTick = 0;
size_t g_nStep = 0;  // the step acting or checking now
bool g_bBusy = false;  // a tick pumps messages: no tick inside a tick
std::string g_checked;  // the current step's checks, for its line
bool g_bStepOk = true;

CSignFrame* Frame() { return g_pFrame; }
CSignView* View() { return g_pFrame->View(); }
CSignDoc* Doc() { return g_pFrame->Document(); }
CSignApp* App() { return static_cast<CSignApp*>(AfxGetApp()); }

void Expect(bool bOk, const std::string& what) {
  if (!g_checked.empty()) g_checked += "; ";
  g_checked += bOk ? what : "FAILED: " + what;
  if (!bOk) g_bStepOk = false;
}

void EndStep(size_t nStep, const char* name) {
  std::printf("%s - %02u %s: %s\n", g_bStepOk ? "ok" : "not ok", static_cast<unsigned>(nStep + 1),
              name, g_checked.c_str());
  std::fflush(stdout);
  if (!g_bStepOk) ++g_nFailures;
  g_checked.clear();
  g_bStepOk = true;
}

// ---- input as the system delivers it -------------------------------------------------

void PumpPending() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    AfxGetApp()->PumpMessage();
  }
}

// A key pressed and released on the focused control, handled before the next.
void PressKey(HWND hWnd, UINT nVirtKey) {
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(nVirtKey, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageA(hWnd, WM_KEYDOWN, nVirtKey, 1 | scan);
  PumpPending();
  ::PostMessageA(hWnd, WM_KEYUP, nVirtKey, 1 | scan | (1L << 30) | (1L << 31));
  PumpPending();
}

// Replaces the text of a dialog's field (an edit, or a combo box's edit)
// by typing.
void TypeInto(HWND hDlg, int nID, const char* text) {
  HWND hField = ::GetDlgItem(hDlg, nID);
  COMBOBOXINFO combo = {};
  combo.cbSize = sizeof combo;
  if (::GetComboBoxInfo(hField, &combo)) hField = combo.hwndItem;
  ::SetFocus(hField);
  ::SendMessageA(hField, EM_SETSEL, 0, -1);
  for (const char* p = text; *p != '\0'; ++p) {
    PressKey(hField, static_cast<UINT>(::VkKeyScanA(*p) & 0xFF));
  }
}

void Click(HWND hWnd) {
  RECT rc;
  ::GetClientRect(hWnd, &rc);
  const LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
  ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(hWnd, WM_LBUTTONUP, 0, at);
  PumpPending();
}

void PostToView(UINT message, WPARAM wParam, int x, int y) {
  View()->PostMessage(message, wParam, MAKELPARAM(x, y));
}

// The wheel at a point of the view's client area (the message carries
// screen coordinates).
void Wheel(UINT nKeys, short zDelta, CPoint point) {
  View()->ClientToScreen(&point);
  View()->PostMessage(WM_MOUSEWHEEL, MAKEWPARAM(nKeys, static_cast<WORD>(zDelta)),
                      MAKELPARAM(point.x, point.y));
}

UINT MenuState(int nMenu, UINT nID) {
  CMenu* pMenu = g_pFrame->GetMenu()->GetSubMenu(nMenu);
  g_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pMenu->m_hMenu),
                        MAKELPARAM(nMenu, FALSE));
  return pMenu->GetMenuState(nID, MF_BYCOMMAND);
}
bool Checked(UINT nID) { return (MenuState(1, nID) & MF_CHECKED) != 0; }

// ---- what a step looks at -------------------------------------------------------------

std::string Inches(LONG units) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f in", static_cast<double>(units) / kUnitsPerInch);
  return text;
}

std::string Describe(const CRect& rc) {
  return Inches(rc.right - rc.left) + " x " + Inches(rc.top - rc.bottom) + " from (" +
         Inches(rc.left) + ", " + Inches(rc.bottom) + ")";
}

bool Near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

// The window's picture, saved as DIR\NN-name.png when pictures are wanted.
PixelImage Picture(HWND hWnd, const char* name) {
  ::RedrawWindow(hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  PixelImage image = CaptureWindow(hWnd);
  if (g_bPictures) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\%02u-%s.png", g_dir.c_str(),
                  static_cast<unsigned>(g_nStep + 1), name);
    Expect(SavePng(image, path), "picture saved");
  }
  return image;
}

bool FileHasBytes(const std::string& path) {
  struct stat info = {};
  return stat(path.c_str(), &info) == 0 && info.st_size > 0;
}

// World units across one pixel of the view.
double UnitsPerPixel() {
  CRect rcView;
  View()->GetView(&rcView);
  return static_cast<double>(View()->Window().Width()) / rcView.Width();
}

// The world point under a point of the view's client area.
tagPOINT WorldAt(POINT client) {
  CClientDC dc(View());
  static_cast<CViewW*>(View())->OnPrepareDC(&dc);
  DPtoWP(&dc, &client, &client, 1);
  return client;
}

// Whether the window shows the whole layout and its pages.
bool ShowsAll(const CRect& rc) {
  const CRect rcMax = View()->WindowMax();
  return rc.left <= rcMax.left && rc.right >= rcMax.right && rc.top >= rcMax.top &&
         rc.bottom <= rcMax.bottom;
}

// The most pixels of one row of a found neither at the same place in b nor
// a row above or below.
int CountMismatchesInARow(const PixelImage& a, const PixelImage& b) {
  if (a.width != b.width || a.height != b.height) return a.width;
  int nMost = 0;
  for (int y = 0; y < a.height; ++y) {
    int n = 0;
    for (int x = 0; x < a.width; ++x) {
      const COLORREF c = a.At(x, y);
      const bool bFound = c == b.At(x, y) || (y > 0 && c == b.At(x, y - 1)) ||
                          (y + 1 < a.height && c == b.At(x, y + 1));
      if (!bFound) ++n;
    }
    nMost = std::max(nMost, n);
  }
  return nMost;
}

// Whether fitting the layout's width flips the vertical bar for ever: the
// window is lower than the layout in the view without the bar (which it
// then needs) and as high in the view with it (which it then does not).
// The view shows the whole layout fitted both ways instead. Whether it
// happens depends on the view's size in pixels, which the bars, menu and
// caption of a denser screen change.
bool FitWidthFlipsTheBar() {
  CRect rcView;
  View()->GetView(&rcView);
  const CRect rcMax = View()->WindowMax();
  const double dWidth = rcMax.Width(), dHeight = rcMax.top - rcMax.bottom;
  const double dWithout = dWidth * rcView.Height() / rcView.Width();
  const double dWith =
      dWidth * rcView.Height() / (rcView.Width() - ::GetSystemMetrics(SM_CXVSCROLL));
  return dWithout < dHeight && dWith >= dHeight;
}

HWND Dialog() { return ::GetLastActivePopup(g_pFrame->m_hWnd); }

// Where the test printer writes its jobs (a Unix path), from the
// environment the tour is run in; empty when there is no test printer.
std::string PrinterFolder() {
  const char* dir = std::getenv("VARNEL_TEST_PRINTER_DIR");
  return dir != nullptr ? dir : "";
}

std::string FrameTitle() {
  char title[256] = {};
  ::GetWindowTextA(g_pFrame->m_hWnd, title, sizeof title);
  return title;
}

// Removes the tour's earlier printout from the test printer's folder.
void ForgetPrintout() {
  const std::string job = PrinterFolder() + "/" + JobFileTitle(FrameTitle());
  ::DeleteFileA(WindowsPathOf(job + ".pdf").c_str());
}

// The printed pages against the exported ones: each printed page (the
// whole sheet) is saved as print-N.png and compared with its exported
// page (the printable area, at its offset on the sheet).
void CheckPrintout(const std::vector<PixelImage>& printed) {
  const std::vector<PixelImage>& exported = View()->m_exportedPages;
  Expect(printed.size() == exported.size(),
         std::to_string(printed.size()) + " PDF pages for the " + std::to_string(exported.size()) +
             " exported, at " + std::to_string(View()->m_nExportDpi) + " dpi");
  const POINT offset = View()->m_ptExportOffset;
  // The badge's outline and letter are the sign's only black: a badge
  // printed through its mask, which a printer cannot do, shows a black
  // square of a thousand pixels or more.
  if (printed.size() == 2 && exported.size() == 2) {
    const int nPrinted = printed[1].Count(RGB(0, 0, 0)), nExported = exported[1].Count(RGB(0, 0, 0));
    Expect(nPrinted < nExported + 200,
           "the badge printed without its mask colour's square (" + std::to_string(nPrinted) +
               " black pixels printed, " + std::to_string(nExported) + " exported)");
  }
  for (size_t i = 0; i < printed.size() && i < exported.size(); ++i) {
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\print-%u.png", g_dir.c_str(), static_cast<unsigned>(i + 1));
    const bool bSaved = SavePng(printed[i], path);
    const PageComparison c = ComparePages(printed[i], exported[i], offset, {});
    // The stars' and letters' 1-pixel outlines over their fills come out a
    // pixel apart from the two rasterisers; where a star is a few pixels
    // wide, one may cover its fill that the other shows: those pixels find
    // their colour further away.
    const int nArea = exported[i].width * exported[i].height;
    Expect(bSaved && c.nBeyondAPixel < nArea / 100 && c.nMarginInk == 0,
           "page " + std::to_string(i + 1) + ": " + std::to_string(c.nDiffering) + " of " +
               std::to_string(nArea) + " pixels differ, " + std::to_string(c.nBeyondAPixel) +
               " of them by more than a pixel (the worst by " + std::to_string(c.nWorstOffset) +
               "), " + std::to_string(c.nMarginInk) + " printed in the margins");
  }
}

CRect g_rcBefore;  // the window before a step's action
double g_dScaleBefore = 0;
int g_nDrawsBefore = 0;
CPoint g_ptWheel(300, 200);
tagPOINT g_ptWorldAtWheel = {};
size_t g_nPromptsBefore = 0;
int g_nPagesWritten = 0;

// The steps in their order: the toolbar and status bar's while the whole
// sign shows, print preview's while the view is zoomed and scrolled.
std::vector<TourStep> AllSteps() {
  std::vector<TourStep> steps = {
      {"layout", [] {},
       [] {
         const PixelImage image = Picture(g_pFrame->m_hWnd, "layout");
         const SignLayout& layout = Doc()->Layout();
         Expect(layout.stars.Size() >= 2000 && layout.grid.Size() > 30 &&
                    layout.letters.Size() > 80,
                std::to_string(layout.stars.Size() + layout.grid.Size() + layout.letters.Size() +
                               layout.proof.Size()) +
                    " outlines");
         Expect(!View()->IsZoomed() && ShowsAll(View()->Window()) && Checked(ID_VIEW_FIT_BOTH) &&
                    !Checked(ID_VIEW_FIT_WIDTH),
                "fitted both ways, its menu item checked");
         Expect(image.Count(Doc()->Settings().crLetters) > 1000, "red letters shown");
         Expect(image.Count(ColorToGray(Doc()->Settings().crLetters)) > 200, "grey proof shown");
         Expect(image.Count(kStarFill) > 2000, "stars shown");
         Expect(image.Count(kPageFrame) > 100, "page frames shown");
         Expect(image.Count(kBadgeDisc) > 500 && image.Count(kBadgeMask) == 0,
                "badge shown without its mask colour");
       }},
      {"properties",
       [] { g_pFrame->PostMessage(WM_COMMAND, ID_LAYOUT_PROPERTIES); },
       [] {
         // The dialog's modal loop runs this tick.
         const HWND hDlg = Dialog();
         Expect(hDlg != g_pFrame->m_hWnd, "the dialog is open");
         g_nPromptsBefore = App()->m_prompts.size();
         TypeInto(hDlg, IDC_WIDTH, "500");
         PressKey(::GetFocus(), VK_RETURN);
         Expect(App()->m_prompts.size() == g_nPromptsBefore + 1 && ::IsWindow(hDlg) &&
                    ::GetFocus() == ::GetDlgItem(hDlg, IDC_WIDTH),
                "500 in refused with a prompt (\"" +
                    (App()->m_prompts.empty() ? std::string() : App()->m_prompts.back()) +
                    "\"), the focus back on the width");
         TypeInto(hDlg, IDC_WIDTH, "60");
         TypeInto(hDlg, IDC_HEIGHT, "70");
         TypeInto(hDlg, IDC_LETTER_HEIGHT, "6 1/2");
         TypeInto(hDlg, IDC_SCALE, "75");
         TypeInto(hDlg, IDC_GRID, "3");
         Click(::GetDlgItem(hDlg, IDC_GREEN));
         // Leaving the box committed 6 1/2: the newest entry of its history,
         // above the amount it had and the two default entries.
         ::SetFocus(::GetDlgItem(hDlg, IDC_SCALE));
         const HWND hLetters = ::GetDlgItem(hDlg, IDC_LETTER_HEIGHT);
         char top[32] = {};
         ::SendMessageA(hLetters, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(top));
         Expect(::SendMessageA(hLetters, CB_GETCOUNT, 0, 0) == 4 && std::string(top) == "6.500",
                "the letter height's history: 6.500 on top of 7.000 and the defaults 4 and 8");
         ::SendMessageA(hLetters, CB_SHOWDROPDOWN, TRUE, 0);
         COMBOBOXINFO combo = {};
         combo.cbSize = sizeof combo;
         ::GetComboBoxInfo(hLetters, &combo);
         PumpPending();
         ::RedrawWindow(combo.hwndList, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
         Picture(hDlg, "properties");
         ::SendMessageA(hLetters, CB_SHOWDROPDOWN, FALSE, 0);
         Click(::GetDlgItem(hDlg, IDOK));
         Expect(App()->m_prompts.size() == g_nPromptsBefore + 1,
                "typed 60 in, 70 cm, 6 1/2 in, 75 %, 3 in, clicked Green, then OK" +
                    (App()->m_prompts.size() > g_nPromptsBefore + 1
                         ? " (prompt \"" + App()->m_prompts.back() + "\")"
                         : std::string()));
       }},
      {"new-layout", [] {},
       [] {
         const SignSettings& s = Doc()->Settings();
         Expect(Doc()->m_nLastDialogResult == IDOK && Doc()->IsModified() &&
                    FrameTitle() == "Untitled - Varnel Signs",
                "OK: the untitled sign is modified");
         Expect(Near(s.dWidth, 60.0, 1e-9) && Near(s.dHeight, 70.0 / 2.54, 1e-3) &&
                    Near(s.dLetterHeight, 6.5, 1e-9) && Near(s.dShapeScale, 75.0, 1e-9) &&
                    Near(s.dGrid, 3.0, 1e-9),
                "the amounts came back in inches and percent");
         Expect(View()->WindowMax().right >= 60 * kUnitsPerInch, "the sign is 60 in wide");
         const PixelImage image = Picture(g_pFrame->m_hWnd, "new-layout");
         Expect(image.Count(kLetterColours[1]) > 1000 && image.Count(kLetterColours[0]) == 0,
                "the letters are green now");
       }},
  };
  const std::vector<TourStep> bars = BarSteps();
  steps.insert(steps.end(), bars.begin(), bars.end());
  const std::vector<TourStep> middle = {
      {"ctrl-wheel",
       [] {
         g_rcBefore = View()->Window();
         g_dScaleBefore = UnitsPerPixel();
         g_ptWorldAtWheel = WorldAt(g_ptWheel);
         Wheel(MK_CONTROL, WHEEL_DELTA, g_ptWheel);
       },
       [] {
         // The bars appear when zoomed: the view narrows, the scale stays.
         const CRect rc = View()->Window();
         Expect(View()->IsZoomed() && Near(UnitsPerPixel(), g_dScaleBefore / 2, g_dScaleBefore / 200),
                "Ctrl+wheel zoomed in by 2 around the pointer: " + Describe(g_rcBefore) + " to " +
                    Describe(rc));
         POINT cursor;
         ::GetCursorPos(&cursor);
         View()->ScreenToClient(&cursor);
         const tagPOINT now = WorldAt(cursor);
         const double pixel = UnitsPerPixel();
         Expect(Near(now.x, g_ptWorldAtWheel.x, 2 * pixel) && Near(now.y, g_ptWorldAtWheel.y, 2 * pixel),
                "the pointer moved with its world point to (" + std::to_string(cursor.x) + ", " +
                    std::to_string(cursor.y) + ")");
         Picture(g_pFrame->m_hWnd, "ctrl-wheel");
       }},
      {"wheel",
       [] {
         g_rcBefore = View()->Window();
         Wheel(0, -WHEEL_DELTA, g_ptWheel);
       },
       [] {
         const CRect rc = View()->Window();
         Expect(rc.left > g_rcBefore.left && rc.Width() == g_rcBefore.Width() &&
                    rc.top == g_rcBefore.top,
                "the wheel scrolled right by " + Inches(rc.left - g_rcBefore.left));
         Picture(g_pFrame->m_hWnd, "wheel");
       }},
      {"shift-wheel",
       [] {
         g_rcBefore = View()->Window();
         Wheel(MK_SHIFT, -WHEEL_DELTA, g_ptWheel);
       },
       [] {
         const CRect rc = View()->Window();
         Expect(rc.top < g_rcBefore.top && rc.left == g_rcBefore.left,
                "Shift+wheel scrolled down by " + Inches(g_rcBefore.top - rc.top));
       }},
      {"zoom-out-fully",
       [] { g_pFrame->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_ALL); },
       [] {
         Expect(!View()->IsZoomed() && ShowsAll(View()->Window()) &&
                    (MenuState(1, ID_VIEW_ZOOM_OUT) & MF_GRAYED) != 0,
                "View > Zoom out fully showed the whole layout again (" +
                    Describe(View()->Window()) + "), Zoom out greyed");
       }},
      {"rubber-band",
       [] {
         g_rcBefore = View()->Window();
         // The tracker pumps the moves and the release itself.
         PostToView(WM_LBUTTONDOWN, MK_LBUTTON, 120, 120);
         PostToView(WM_MOUSEMOVE, MK_LBUTTON, 200, 160);
         PostToView(WM_MOUSEMOVE, MK_LBUTTON, 320, 220);
         PostToView(WM_LBUTTONUP, 0, 320, 220);
       },
       [] {
         const CRect rc = View()->Window();
         Expect(View()->IsZoomed() && rc.Width() < g_rcBefore.Width() / 2 &&
                    rc.left > g_rcBefore.left && rc.top < g_rcBefore.top,
                "a left drag of 200 x 100 pixels zoomed to " + Describe(rc));
         Picture(g_pFrame->m_hWnd, "rubber-band");
       }},
      {"right-click",
       [] { PostToView(WM_RBUTTONDOWN, MK_RBUTTON, 100, 100); },
       [] {
         Expect(!View()->IsZoomed() && ShowsAll(View()->Window()),
                "a right click zoomed back out to the window before the drag (" +
                    Describe(View()->Window()) + ")");
       }},
      {"fit-width",
       [] { g_pFrame->SendMessage(WM_COMMAND, ID_VIEW_FIT_WIDTH); },
       [] {
         const CRect rc = View()->Window(), rcMax = View()->WindowMax();
         Expect((View()->ScaleMode() & SCALE_FIT_MASK) == SCALE_FIT_WIDTH &&
                    Checked(ID_VIEW_FIT_WIDTH) && !Checked(ID_VIEW_FIT_BOTH),
                "View > Fit width set the mode, its item alone checked");
         Expect((rc.left == rcMax.left && rc.right == rcMax.right) ||
                    (FitWidthFlipsTheBar() && rc.bottom == rcMax.bottom && rc.top == rcMax.top),
                "the window spans the layout's width (or, where no such window can settle, "
                "its height): " + Describe(rc));
         Picture(g_pFrame->m_hWnd, "fit-width");
       }},
      {"resize",
       [] {
         g_rcBefore = View()->Window();
         g_pFrame->SetWindowPos(nullptr, 0, 0, 1000, 420, SWP_NOZORDER | SWP_NOMOVE);
       },
       [] {
         const CRect rc = View()->Window(), rcMax = View()->WindowMax();
         CRect rcView;
         View()->GetView(&rcView);
         const double expectedHeight = static_cast<double>(rc.Width()) * rcView.Height() / rcView.Width();
         Expect(rc.Width() == rcMax.Width() && Near(rc.Height() * -1.0, expectedHeight, rc.Width() / 500.0),
                "after the resize the width still fits and the height follows the view: " +
                    Describe(rc));
         Picture(g_pFrame->m_hWnd, "resize");
       }},
      {"smooth-scroll",
       [] {
         g_pFrame->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_IN);
         g_pFrame->SendMessage(WM_COMMAND, ID_VIEW_SMOOTH);
         View()->UpdateWindow();
         g_rcBefore = View()->Window();
         g_nDrawsBefore = View()->m_nDraws;
         View()->PostMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
       },
       [] {
         const CRect rc = View()->Window();
         Expect(View()->IsZoomed() && Checked(ID_VIEW_SMOOTH),
                "View > Zoom in zoomed, Smooth scrolling checked");
         Expect(rc.top < g_rcBefore.top && rc.Width() == g_rcBefore.Width() &&
                    View()->m_nDraws - g_nDrawsBefore >= 2,
                "a page down on the bar scrolled by " + Inches(g_rcBefore.top - rc.top) + " in " +
                    std::to_string(View()->m_nDraws - g_nDrawsBefore) + " painted steps");
         const PixelImage scrolled = Picture(g_pFrame->m_hWnd, "smooth-scroll");
         // Whole pixels moved, world units asked for: a repaint may place
         // an edge a pixel higher or lower and round a star's tip another
         // way (the tips of a row of stars, the more of them the smaller
         // the scale), but a strip left unpainted or painted twice differs
         // in whole rows.
         View()->Invalidate();
         View()->UpdateWindow();
         const PixelImage repainted = CaptureWindow(g_pFrame->m_hWnd);
         const int nMismatches = CountMismatchesInARow(scrolled, repainted);
         Expect(nMismatches < scrolled.width / 4,
                "the scrolled picture is the repainted one, edges within a pixel (" +
                    std::to_string(nMismatches) + " pixels of a row otherwise)");
       }},
  };
  steps.insert(steps.end(), middle.begin(), middle.end());
  const std::vector<TourStep> monitor = MonitorSteps();
  steps.insert(steps.end(), monitor.begin(), monitor.end());
  const std::vector<TourStep> preview = PreviewSteps();
  steps.insert(steps.end(), preview.begin(), preview.end());
  const std::vector<TourStep> last = {
      {"print-setup",
       [] { g_pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT_SETUP); },
       [] {
         // The dialog's modal loop runs this tick: Letter, landscape, OK.
         const HWND hDlg = Dialog();
         Expect(hDlg != g_pFrame->m_hWnd, "File > Print Setup opened its dialog");
         const bool bPaper = PickInCombo(::GetDlgItem(hDlg, kPrintSetupPaper), "Letter", &PressKey);
         ::SendMessageA(::GetDlgItem(hDlg, kLandscape), BM_CLICK, 0, 0);
         PumpPending();
         Picture(hDlg, "print-setup");
         ::SendMessageA(::GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
         Expect(bPaper, "chose Letter, landscape, then OK");
       }},
      {"landscape", [] {},
       [] {
         tagRECT page;
         const int nPages = View()->DocumentPages(&page);
         Expect(nPages == 2 && page.right - page.left > page.top - page.bottom,
                "the sign's pages are landscape now: " + std::to_string(nPages) + " of " +
                    Describe(CRect(page)));
         const PixelImage image = Picture(g_pFrame->m_hWnd, "landscape");
         Expect(image.Count(kPageFrame) > 100, "their frames shown");
       }},
      {"export without keeping",
       [] {
         View()->m_bKeepExportedPages = false;  // as a user's export
         g_nPagesWritten = View()->ExportPages(g_dir);
         View()->m_bKeepExportedPages = true;
       },
       [] {
         Expect(g_nPagesWritten == 2 && View()->m_exportedPages.empty(),
                "an export the tour does not look at wrote " + std::to_string(g_nPagesWritten) +
                    " pages and kept " + std::to_string(View()->m_exportedPages.size()) +
                    " pictures in memory");
       }},
      {"export",
       [] {
         g_rcBefore = View()->Window();
         g_nPromptsBefore = App()->m_prompts.size();
         g_pFrame->SendMessage(WM_COMMAND, ID_FILE_EXPORT);
       },
       [] {
         tagRECT page;
         const int nPages = View()->DocumentPages(&page);
         bool bFiles = true;
         for (int i = 1; i <= nPages; ++i) {
           bFiles = bFiles && FileHasBytes(g_dir + "\\page-" + std::to_string(i) + ".png");
         }
         const std::vector<PixelImage>& pages = View()->m_exportedPages;
         Expect(nPages == 2 && static_cast<int>(pages.size()) == nPages && bFiles,
                "File > Export pages wrote " + std::to_string(pages.size()) + " of " +
                    std::to_string(nPages) + " pages as page-N.png");
         // The sign's left half, with the grey proof, then its right half
         // with the badge; white paper around it.
         const COLORREF green = kLetterColours[1], grey = ColorToGray(green);
         const COLORREF yellow = kBadgeDisc, surround = kSurround;
         Expect(pages.size() == 2 && pages[0].Count(green) > 10000 && pages[0].Count(grey) > 1000 &&
                    pages[0].Count(yellow) == 0 && pages[1].Count(yellow) > 1000 &&
                    pages[1].Count(grey) == 0 && pages[1].Count(surround) == 0,
                "each page shows its part of the sign");
         Expect(App()->m_prompts.size() == g_nPromptsBefore + 1, "and said so");
         Expect(View()->Window() == g_rcBefore, "the screen's window came back after printing");
       }},
      {"print",
       [] {
         g_nPromptsBefore = App()->m_prompts.size();
         g_rcBefore = View()->Window();
         if (!PrinterFolder().empty()) ForgetPrintout();
         g_pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT);
       },
       [] {
         // The print dialog's modal loop runs this tick: the default
         // printer is chosen; OK.
         const HWND hDlg = Dialog();
         char printer[128] = {};
         ::GetWindowTextA(::GetDlgItem(hDlg, kPrintPrinters), printer, sizeof printer);
         Expect(hDlg != g_pFrame->m_hWnd, std::string("File > Print opened its dialog on ") +
                                              printer);
         Picture(hDlg, "print");
         ::SendMessageA(::GetDlgItem(hDlg, IDOK), BM_CLICK, 0, 0);
       }},
      {"printed", [] {},
       [] {
         const std::string folder = PrinterFolder();
         Expect(App()->m_prompts.size() == g_nPromptsBefore, "printed without a complaint");
         if (folder.empty()) {
           Expect(true, "no test printer here: nothing to compare");
           return;
         }
         const std::string job = folder + "/" + JobFileTitle(FrameTitle());
         CheckPrintout(RasterisePdf(job + ".pdf", View()->m_nExportDpi, job + "-printed"));
         Expect(View()->Window() == g_rcBefore, "the screen's window came back after printing");
       }},
  };
  steps.insert(steps.end(), last.begin(), last.end());
  const std::vector<TourStep> files = FileSteps();
  steps.insert(steps.end(), files.begin(), files.end());
  return steps;
}

const std::vector<TourStep>& Steps() {
  static const std::vector<TourStep> steps = AllSteps();
  return steps;
}

// A print job lets messages through while it runs (its "Printing" dialog
// answers the user, and timers tick): the tour's next step waits for the
// job to end.
bool JobPrinting() { return ::FindWindowA("#32770", "Printing") != nullptr; }

void CALLBACK OnTourTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_bBusy || g_nTick >= 2 * Steps().size() || JobPrinting()) return;
  g_bBusy = true;
  const size_t nStep = g_nStep = g_nTick / 2;
  const TourStep& step = Steps()[nStep];
  const bool bAct = g_nTick % 2 == 0;
  ++g_nTick;
  if (bAct) {
    step.act();
  } else {
    if (nStep + 1 < Steps().size()) {
      step.check();
      EndStep(nStep, step.name);
    }
  }
  g_bBusy = false;
}

}  // namespace tour

using namespace tour;

void StartTour(CSignFrame* pFrame, const std::string& dir, bool bPictures) {
  g_pFrame = pFrame;
  g_dir = dir;
  g_bPictures = bPictures;
  ::SetTimer(nullptr, 0, 150, &OnTourTimer);
}

int TourFailures() {
  const size_t nSteps = Steps().size();
  if (g_nTick / 2 + 1 < nSteps) {
    std::printf("not ok - the program ended after %u of %u steps\n",
                static_cast<unsigned>(g_nTick / 2), static_cast<unsigned>(nSteps));
    ++g_nFailures;
  } else {
    Steps().back().check();
    EndStep(nSteps - 1, Steps().back().name);
  }
  return g_nFailures;
}
