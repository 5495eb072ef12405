// The host's self-test: a timer walks through the steps below, one per
// tick, the way a user's actions arrive (commands, keys, a dialog, a
// setting change, a click, printing), prints one line per check, and
// finally closes the main window.
#include "Host.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace {

int g_nFailures = 0;
size_t g_nStep = 0;
CMainFrame* g_pFrame = nullptr;

void Check(bool bOk, const char* what) {
  std::printf("%s - %s\n", bOk ? "ok" : "not ok", what);
  std::fflush(stdout);
  if (!bOk) ++g_nFailures;
}

CHostView* View() { return static_cast<CHostView*>(g_pFrame->GetActiveView()); }

// The state of the View menu's item for nID after the menu was "opened".
UINT ViewMenuState(UINT nID) {
  CMenu* pViewMenu = g_pFrame->GetMenu()->GetSubMenu(1);
  g_pFrame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pViewMenu->m_hMenu),
                        MAKELPARAM(1, FALSE));
  return pViewMenu->GetMenuState(nID, MF_BYCOMMAND);
}

bool Checked(UINT nState) { return (nState & MF_CHECKED) != 0; }
bool Grey(UINT nState) { return (nState & MF_GRAYED) != 0; }

const std::vector<std::function<void()>>& Steps() {
  static const std::vector<std::function<void()>> steps = {
      [] {
        CString title;
        g_pFrame->GetWindowText(title);
        Check(title == "Varnel Host", "the frame's title comes from its string resource");
        Check(g_pFrame->GetMenu() != nullptr, "the frame has the menu of its resource");
        Check(View() != nullptr && View()->IsKindOf(RUNTIME_CLASS(CHostView)),
              "the frame made the view from its run-time class");
        CRect rcFrame, rcView;
        g_pFrame->GetClientRect(&rcFrame);
        View()->GetWindowRect(&rcView);
        Check(rcView.Width() == rcFrame.Width() && rcView.Height() == rcFrame.Height(),
              "the view fills the frame's client area");
        ASSERT_VALID(View());
        TRACE("host: view at %p\n", static_cast<void*>(View()));
        View()->Dump(afxDump);
      },
      [] {
        g_pFrame->SendMessage(WM_COMMAND, ID_VIEW_GRID);
        Check(View()->m_bGrid, "a menu command sent to the frame reaches the view");
        View()->SetFocus();
        View()->PostMessage(WM_KEYDOWN, VK_F5, 1);
      },
      [] { Check(!View()->m_bGrid, "the F5 accelerator reaches the view's command"); },
      [] {
        View()->m_bGrid = TRUE;
        View()->m_nColor = 2;
        Check(Checked(ViewMenuState(ID_VIEW_GRID)), "an update handler checks its item");
        Check(!Grey(ViewMenuState(ID_VIEW_THICK)), "an update handler enables its item");
        Check(Grey(ViewMenuState(ID_VIEW_UNHANDLED)), "an item nobody handles is greyed");
        Check(Checked(ViewMenuState(ID_VIEW_COLOR_BLUE)) &&
                  !Checked(ViewMenuState(ID_VIEW_COLOR_RED)),
              "a range's update handler checks the current item only");
        View()->m_bGrid = FALSE;
        Check(Grey(ViewMenuState(ID_VIEW_THICK)), "an update handler greys its item");
        g_pFrame->SendMessage(WM_COMMAND, ID_VIEW_COLOR_GREEN);
        Check(View()->m_nColor == 1, "a command of a range reaches its handler with its ID");
      },
      [] {
        // The frame's own command; the dialog's modal loop runs the next steps.
        g_pFrame->PostMessage(WM_COMMAND, ID_TOOLS_OPTIONS);
      },
      [] {
        HWND hDlg = ::GetLastActivePopup(g_pFrame->m_hWnd);
        Check(hDlg != g_pFrame->m_hWnd, "the frame's command opened the options dialog");
        char text[16] = {};
        ::GetDlgItemTextA(hDlg, IDC_COUNT, text, sizeof text);
        Check(std::strcmp(text, "3") == 0, "the dialog shows the view's number");
        // A number out of range: one prompt, and the dialog stays.
        ::SetDlgItemTextA(hDlg, IDC_COUNT, "99");
        const int nPrompts = static_cast<CHostApp*>(AfxGetApp())->m_nPrompts;
        ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
        Check(static_cast<CHostApp*>(AfxGetApp())->m_nPrompts == nPrompts + 1 &&
                  ::IsWindow(hDlg) && ::GetFocus() == ::GetDlgItem(hDlg, IDC_COUNT),
              "a number out of range is refused with one prompt, the focus on the field");
        ::SetDlgItemTextA(hDlg, IDC_COUNT, "7");
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
      },
      [] {
        Check(g_pFrame->m_nOptionsShown == 1 && g_pFrame->m_nLastDialogResult == IDOK,
              "OK ends the dialog");
        Check(g_pFrame->m_nLastSwatchDraws > 0, "the owner-drawn button was drawn by the dialog");
        Check(View()->m_nSquares == 7, "the dialog's number came back to the view");
        g_pFrame->SendMessage(WM_SETTINGCHANGE, SPI_SETWHEELSCROLLLINES, 0);
        Check(View()->m_nSettingChanges == 1, "a settings change reaches the view");
      },
      [] {
        ::SetFocus(nullptr);
        View()->SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(g_pFrame->m_hWnd),
                            MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
        Check(::GetFocus() == View()->m_hWnd, "a click gives the view the focus");
        ::SetFocus(g_pFrame->m_hWnd);
        Check(::GetFocus() == View()->m_hWnd, "the frame hands its focus to the view");
      },
      [] {
        CPageDC page(200, 100);
        View()->m_pPrintTarget = &page;
        g_pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT);
        View()->m_pPrintTarget = nullptr;
        const COLORREF green = RGB(0, 160, 0), white = RGB(255, 255, 255);
        Check(page.m_nDocsStarted == 1 && page.m_pages.size() == 2, "printing made one job of two pages");
        Check(page.m_pages.size() == 2 && page.GetPagePixel(0, 40, 40) == green &&
                  page.GetPagePixel(0, 140, 40) == white && page.GetPagePixel(1, 40, 40) == white &&
                  page.GetPagePixel(1, 140, 40) == green,
              "each page has its own pixels");
        Check(!page.IsPrinting(), "the page is not printing once the job is done");
      },
      [] { g_pFrame->PostMessage(WM_CLOSE); },
  };
  return steps;
}

void CALLBACK OnSelfTestTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_nStep >= Steps().size()) return;
  Steps()[g_nStep++]();
}

}  // namespace

void StartSelfTest(CMainFrame* pFrame) {
  g_pFrame = pFrame;
  ::SetTimer(nullptr, 0, 50, &OnSelfTestTimer);
}

int SelfTestFailures() {
  Check(g_nStep == Steps().size(), "every step ran before the program ended");
  return g_nFailures;
}
