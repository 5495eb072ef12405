// A host of the image button and the separator: a dialog from a resource
// template with headings set into etched lines, buttons with an icon, a
// masked bitmap (and its embossed disabled look), a colour tab, an icon
// alone, and a default Close button with its frame.
//
//   controls_demo.exe                    shows the dialog
//   controls_demo.exe --screenshot FILE  shows it, saves a picture (BMP), ends
#include "ControlsDemoResource.h"
#include "DemoPicture.h"
#include "Varnel.h"

#include <cstring>
#include <string>

namespace {

constexpr UINT WM_DEMO_SCREENSHOT = WM_APP + 1;
const COLORREF kMask = RGB(255, 0, 255);  // left out of the stop picture

class CControlsDemoDialog : public CDialog {
 public:
  CControlsDemoDialog() : CDialog(IDD_CONTROLS_DEMO) {}

  std::string screenshotPath;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_HEADING_OUTPUT, m_output);
    DDX_Control(pDX, IDC_HEADING_OPTIONS, m_options);
    DDX_Control(pDX, IDC_HEADING_END, m_end);
    DDX_Control(pDX, IDC_VERTICAL, m_vertical);
    DDX_Control(pDX, IDC_PRINT, m_print);
    DDX_Control(pDX, IDC_STOP, m_stop);
    DDX_Control(pDX, IDC_DISABLED, m_disabled);
    DDX_Control(pDX, IDC_TAB, m_tab);
    DDX_Control(pDX, IDC_ICON_ONLY, m_iconOnly);
    DDX_Control(pDX, IDCANCEL, m_close);
  }

  BOOL OnInitDialog() override {
    const BOOL result = CDialog::OnInitDialog();
    m_print.SetIcon(IDI_PRINT, 16, 16);
    m_stop.SetMaskedBitmap(IDB_STOP, 16, 16, kMask);
    m_disabled.SetMaskedBitmap(IDB_STOP, 16, 16, kMask);
    m_tab.SetColorTab(RGB(200, 0, 0));
    m_iconOnly.SetIcon(IDI_PRINT, 16, 16);
    m_close.SetDefaultButton(1);  // Enter closes; the frame shows it
    if (!screenshotPath.empty()) PostMessage(WM_DEMO_SCREENSHOT);
    return result;
  }

  afx_msg LRESULT OnScreenshot(WPARAM, LPARAM) {
    UpdateWindow();
    SaveWindowPicture(m_hWnd, screenshotPath.c_str());
    EndDialog(IDCANCEL);
    return 0;
  }
  DECLARE_MESSAGE_MAP()

 private:
  CStaticSeparator m_output, m_options, m_end, m_vertical;
  CImageButton m_print, m_stop, m_disabled, m_tab, m_iconOnly, m_close;
};

BEGIN_MESSAGE_MAP(CControlsDemoDialog, CDialog)
  ON_MESSAGE(WM_DEMO_SCREENSHOT, OnScreenshot)
END_MESSAGE_MAP()

// The application object: the framework's WinMain runs InitInstance,
// which shows the dialog and ends the program with it.
class CControlsDemoApp : public CWinApp {
 public:
  CControlsDemoApp() : CWinApp("Varnel controls demo") {}

  BOOL InitInstance() override {
    CControlsDemoDialog dlg;
    const char* option = std::strstr(m_lpCmdLine, "--screenshot ");
    if (option != nullptr) dlg.screenshotPath = option + std::strlen("--screenshot ");
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;  // no message loop after the dialog
  }
};

CControlsDemoApp theApp;

}  // namespace
