// The tour's steps of the toolbar, the status bar and print preview: a
// toolbar click against the menu's command, the pointer's place read back
// from the status bar, and print preview opened, paged, zoomed and closed
// with the view as it was.
#include "SignTour.h"

#include <algorithm>

namespace tour {

namespace {

CToolBar& ToolBar() { return Frame()->m_wndToolBar; }
CStatusBar& StatusBar() { return Frame()->m_wndStatusBar; }

// What the status bar's pane shows.
std::string PaneText(UINT nID) {
  const int nIndex = nID == ID_SEPARATOR ? 0 : StatusBar().CommandToIndex(nID);
  char text[256] = {};
  StatusBar().SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(text));
  return text;
}

// The toolbar button's middle, in the toolbar's client coordinates.
CPoint ButtonMiddle(UINT nID) {
  CRect rc;
  ToolBar().GetItemRect(ToolBar().CommandToIndex(nID), &rc);
  return rc.CenterPoint();
}

// A click on a toolbar button, as the mouse makes it.
void ClickButton(UINT nID) {
  const CPoint at = ButtonMiddle(nID);
  const LPARAM lParam = MAKELPARAM(at.x, at.y);
  ToolBar().PostMessage(WM_MOUSEMOVE, 0, lParam);
  ToolBar().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
  ToolBar().PostMessage(WM_LBUTTONUP, 0, lParam);
  PumpPending();
}

bool ButtonEnabled(UINT nID) {
  return (ToolBar().SendMessage(TB_GETSTATE, nID) & TBSTATE_ENABLED) != 0;
}

bool ButtonChecked(UINT nID) {
  return (ToolBar().SendMessage(TB_GETSTATE, nID) & TBSTATE_CHECKED) != 0;
}

// The application's idle time, which brings the bars up to date.
void Idle() {
  PumpPending();
  App()->OnIdle(0);
}

// Pumps until the condition holds, for a second at most.
bool WaitFor(const std::function<bool()>& condition) {
  for (int i = 0; i < 50 && !condition(); ++i) {
    PumpPending();
    ::Sleep(20);
  }
  return condition();
}

// The pointer over a point of the view's client area, as the system moves it.
void MovePointerTo(CPoint client) {
  CPoint screen = client;
  View()->ClientToScreen(&screen);
  ::SetCursorPos(screen.x, screen.y);
  View()->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
  PumpPending();
}

// The two amounts of the position pane's text ("x unit, y unit").
bool ReadPosition(const std::string& text, bool bInches, double* pX, double* pY) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos) return false;
  unsigned int uUnits = UNITS_DISTANCE;
  return ConvertAmount(text.substr(0, comma).c_str(), *pX, uUnits, 2, bInches, false) &&
         ConvertAmount(text.substr(comma + 1).c_str(), *pY, uUnits, 2, bInches, false);
}

// A zoom as the status bar shows it.
std::string ZoomText(double dPercent) {
  CString text;
  FormatAmount(dPercent, UNITS_PERCENT, text, dPercent < 10 ? 1 : 0, true, false, 0);
  return static_cast<const char*>(text);
}

// The pages the sign prints on: as many as preview shows.
UINT PageCount() {
  tagRECT page;
  return static_cast<UINT>(View()->DocumentPages(&page));
}

CRect g_rcByButton;
double g_dZoomBefore = 0;
const tagPOINT kTarget = {12 * kUnitsPerInch, 6 * kUnitsPerInch};  // on the sign
CPoint g_ptTarget;  // its pixel in the view

// The view's state that print preview must give back.
struct ViewState {
  CRect window, windowMax, client;
  unsigned int nScaleMode = 0;
  int nZoomDepth = 0;
  int nHorzPos = 0, nVertPos = 0;
  bool bSmooth = false;
  bool operator==(const ViewState& o) const {
    return window == o.window && windowMax == o.windowMax && client == o.client &&
           nScaleMode == o.nScaleMode && nZoomDepth == o.nZoomDepth && nHorzPos == o.nHorzPos &&
           nVertPos == o.nVertPos && bSmooth == o.bSmooth;
  }
};
ViewState g_stateBefore;

ViewState StateOfView() {
  ViewState s;
  s.window = View()->Window();
  s.windowMax = View()->WindowMax();
  View()->GetClientRect(&s.client);
  s.nScaleMode = View()->ScaleMode();
  s.nZoomDepth = View()->ZoomDepth();
  s.nHorzPos = View()->GetScrollPos(SB_HORZ);
  s.nVertPos = View()->GetScrollPos(SB_VERT);
  s.bSmooth = View()->SmoothScroll();
  return s;
}

std::string Describe(const ViewState& s) {
  return Inches(s.window.Width()) + " wide at (" + Inches(s.window.left) + ", " +
         Inches(s.window.bottom) + "), " + std::to_string(s.nZoomDepth) + " zooms deep, bars at " +
         std::to_string(s.nHorzPos) + " and " + std::to_string(s.nVertPos);
}

CPreviewView* Preview() {
  CView* pView = Frame()->GetActiveView();
  return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CPreviewView))
             ? static_cast<CPreviewView*>(pView)
             : nullptr;
}

// A click on one of the preview bar's buttons.
void ClickPreviewButton(UINT nID) {
  CWnd* pBar = Frame()->GetDlgItem(AFX_IDW_PREVIEW_BAR);
  if (pBar == nullptr) return;
  ::SendMessageA(::GetDlgItem(pBar->m_hWnd, static_cast<int>(nID)), BM_CLICK, 0, 0);
  Idle();
}

bool PreviewButtonEnabled(UINT nID) {
  CWnd* pBar = Frame()->GetDlgItem(AFX_IDW_PREVIEW_BAR);
  return pBar != nullptr && ::IsWindowEnabled(::GetDlgItem(pBar->m_hWnd, static_cast<int>(nID)));
}

// Pixels of a colour inside a sheet the preview shows, in a picture of the
// frame.
int CountOnSheet(const PixelImage& frame, int nSheet, COLORREF colour) {
  CRect rc = Preview()->GetSheetRect(nSheet);
  Preview()->ClientToScreen(&rc);
  CRect rcFrame;
  Frame()->GetWindowRect(&rcFrame);
  rc.OffsetRect(-rcFrame.left, -rcFrame.top);
  int n = 0;
  for (int y = std::max<LONG>(0, rc.top); y < std::min<LONG>(frame.height, rc.bottom); ++y) {
    for (int x = std::max<LONG>(0, rc.left); x < std::min<LONG>(frame.width, rc.right); ++x) {
      n += frame.At(x, y) == colour ? 1 : 0;
    }
  }
  return n;
}

}  // namespace

std::vector<TourStep> BarSteps() {
  return {
      {"toolbar",
       [] {
         g_dZoomBefore = View()->ZoomPercent();
         ClickButton(ID_VIEW_ZOOM_IN);
       },
       [] {
         g_rcByButton = View()->Window();
         Idle();
         Expect(View()->IsZoomed() && ButtonEnabled(ID_VIEW_ZOOM_OUT) && ButtonChecked(ID_VIEW_FIT_BOTH),
                "the toolbar's Zoom In zoomed: Zoom Out enabled, Fit Both checked, as in the menu");
         Expect(Near(View()->ZoomPercent(), 2 * g_dZoomBefore, g_dZoomBefore / 100) &&
                    PaneText(ID_INDICATOR_ZOOM) == ZoomText(View()->ZoomPercent()),
                "the status bar's zoom went from " + ZoomText(g_dZoomBefore) + " to " +
                    PaneText(ID_INDICATOR_ZOOM));
         // The pointer over the print button: its prompt and tip.
         const CPoint at = ButtonMiddle(ID_FILE_PRINT_PREVIEW);
         ToolBar().PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
         PumpPending();
         Expect(PaneText(ID_SEPARATOR) == "Show the sign's pages as they will print",
                "over Print Preview the status bar says \"" + PaneText(ID_SEPARATOR) + "\"");
         Picture(Frame()->m_hWnd, "toolbar");
         ToolBar().SendMessage(WM_MOUSELEAVE);
         Expect(PaneText(ID_SEPARATOR) == "Ready", "Ready when the pointer leaves the toolbar");
         // The menu's command does what the button did.
         Frame()->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_ALL);
         Idle();
         Expect(!ButtonEnabled(ID_VIEW_ZOOM_OUT), "zoomed out fully, Zoom Out greyed on the toolbar");
         Frame()->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_IN);
         Expect(View()->Window() == g_rcByButton,
                "View > Zoom in shows what the button showed: " + Describe(g_rcByButton));
         Frame()->SendMessage(WM_COMMAND, ID_VIEW_ZOOM_ALL);
       }},
      {"pointer",
       [] {
         CClientDC dc(View());
         static_cast<CViewW*>(View())->OnPrepareDC(&dc);
         tagPOINT pixel = kTarget;
         WPtoDP(&dc, &pixel, &pixel, 1);
         g_ptTarget = pixel;
         MovePointerTo(g_ptTarget);
       },
       [] {
         // The pixel's own world point is within a pixel of the target.
         const double dPixelInches = UnitsPerPixel() / kUnitsPerInch;
         const std::string text = PaneText(ID_INDICATOR_POSITION);
         double x = 0, y = 0;
         Expect(ReadPosition(text, true, &x, &y) && Near(x, 12.0, dPixelInches + 0.005) &&
                    Near(y, 6.0, dPixelInches + 0.005) && text.find(" in") != std::string::npos,
                "the pointer over (12 in, 6 in) of the sign reads \"" + text + "\"");
         Picture(Frame()->m_hWnd, "pointer");
         Frame()->SendMessage(WM_COMMAND, ID_VIEW_CENTIMETRES);
         MovePointerTo(g_ptTarget);
         const std::string cm = PaneText(ID_INDICATOR_POSITION);
         Expect(Checked(ID_VIEW_CENTIMETRES) && ReadPosition(cm, false, &x, &y) &&
                    Near(x, 12.0, dPixelInches + 0.005) && Near(y, 6.0, dPixelInches + 0.005) &&
                    cm.find(" cm") != std::string::npos,
                "in centimetres: \"" + cm + "\"");
         Frame()->SendMessage(WM_COMMAND, ID_VIEW_CENTIMETRES);
       }},
      {"pointer-leaves",
       [] {
         // Below the frame: the system tells the view the pointer left.
         CRect rc;
         Frame()->GetWindowRect(&rc);
         ::SetCursorPos(rc.left + 20, rc.bottom + 40);
       },
       [] {
         const bool bEmpty = WaitFor([] { return PaneText(ID_INDICATOR_POSITION).empty(); });
         Expect(bEmpty, "the position pane is empty once the pointer is off the view");
       }},
  };
}

std::vector<TourStep> PreviewSteps() {
  return {
      {"preview",
       [] {
         g_stateBefore = StateOfView();
         ClickButton(ID_FILE_PRINT_PREVIEW);
       },
       [] {
         Idle();
         Expect(Preview() != nullptr && Frame()->GetMenu() == nullptr && !ToolBar().IsVisible() &&
                    Frame()->GetDlgItem(AFX_IDW_PREVIEW_BAR) != nullptr,
                "the toolbar's Print Preview shows the pages under the preview's bar, without the "
                "menu and the toolbar");
         if (Preview() == nullptr) return;
         Expect(PaneText(ID_SEPARATOR) == "Page 1" && !PreviewButtonEnabled(AFX_ID_PREVIEW_PREV) &&
                    PreviewButtonEnabled(AFX_ID_PREVIEW_NEXT),
                "\"" + PaneText(ID_SEPARATOR) + "\", Prev Page greyed");
         const PixelImage image = Picture(Frame()->m_hWnd, "preview");
         Expect(CountOnSheet(image, 0, kLetterColours[1]) > 500 && CountOnSheet(image, 0, kSurround) == 0,
                "the first page's letters on white paper");
       }},
      {"preview-next",
       [] { ClickPreviewButton(AFX_ID_PREVIEW_NEXT); },
       [] {
         if (Preview() == nullptr) return Expect(false, "the preview is open");
         Expect(Preview()->GetCurrentPage() == 2 && PaneText(ID_SEPARATOR) == "Page 2" &&
                    PreviewButtonEnabled(AFX_ID_PREVIEW_PREV) &&
                    PreviewButtonEnabled(AFX_ID_PREVIEW_NEXT) == (PageCount() > 2),
                "Next Page shows \"" + PaneText(ID_SEPARATOR) + "\" of " +
                    std::to_string(PageCount()) + ", Prev Page enabled");
       }},
      {"preview-two-pages",
       [] { ClickPreviewButton(AFX_ID_PREVIEW_NUMPAGE); },
       [] {
         if (Preview() == nullptr) return Expect(false, "the preview is open");
         // The last two pages: the second sheet holds the last page, where
         // the badge is.
         const UINT nLast = PageCount();
         const std::string pages = "Pages " + std::to_string(nLast - 1) + "-" + std::to_string(nLast);
         Expect(Preview()->GetPagesShown() == 2 && Preview()->GetCurrentPage() == nLast - 1 &&
                    PaneText(ID_SEPARATOR) == pages && !PreviewButtonEnabled(AFX_ID_PREVIEW_NEXT),
                "Two Page shows the last two pages: \"" + PaneText(ID_SEPARATOR) +
                    "\", Next Page greyed");
         const PixelImage image = Picture(Frame()->m_hWnd, "preview-two-pages");
         Expect(CountOnSheet(image, 1, kBadgeDisc) > 20 && CountOnSheet(image, 0, kBadgeDisc) == 0,
                "the badge on the last page");
       }},
      {"preview-zoom-in",
       [] { ClickPreviewButton(AFX_ID_PREVIEW_ZOOMIN); },
       [] {
         if (Preview() == nullptr) return Expect(false, "the preview is open");
         const CRect rcSheet = Preview()->GetSheetRect(0);
         CRect rcClient;
         Preview()->GetClientRect(&rcClient);
         Expect(Preview()->GetZoomState() == CPreviewView::ZOOM_MIDDLE &&
                    Preview()->GetPagesShown() == 1 && rcSheet.Height() > rcClient.Height(),
                "Zoom In shows one page larger than the window (" + std::to_string(rcSheet.Width()) +
                    " x " + std::to_string(rcSheet.Height()) + " pixels)");
         Picture(Frame()->m_hWnd, "preview-zoom");
       }},
      {"preview-close",
       [] {
         if (Preview() != nullptr) PressKey(Preview()->m_hWnd, VK_ESCAPE);
       },
       [] {
         Idle();
         const ViewState now = StateOfView();
         Expect(Preview() == nullptr && Frame()->GetActiveView() == View() &&
                    Frame()->GetMenu() != nullptr && ToolBar().IsVisible() &&
                    PaneText(ID_SEPARATOR) == "Ready",
                "Escape closed the preview: the view, the menu and the toolbar are back");
         Expect(now == g_stateBefore, "the view is as it was: " + Describe(now));
       }},
  };
}

}  // namespace tour
