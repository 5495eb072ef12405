// A host of the amount controls: a dialog with a distance in inches, one in
// centimetres with a range, a percentage, and a combo box with a history of
// committed amounts above two default entries.
//
//   amount_demo.exe                    shows the dialog
//   amount_demo.exe --screenshot FILE  shows it, saves a picture (BMP), ends
#include "DemoPicture.h"
#include "Varnel.h"

#include <cstring>
#include <memory>
#include <string>

namespace {

enum : WORD {
  IDC_WIDTH = 1000,
  IDC_HEIGHT = 1001,
  IDC_SCALE = 1002,
  IDC_SPACING = 1003,
};
constexpr UINT WM_DEMO_SCREENSHOT = WM_APP + 1;

std::unique_ptr<CDlgTemplate> MakeTemplate() {
  auto dlg = std::make_unique<CDlgTemplate>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
                                            20, 20, 230, 130, "Varnel amount entry");
  dlg->AddItem("STATIC", SS_LEFT, 10, 12, 90, 10, 0xFFFF, "Width (in):");
  dlg->AddItem("EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 110, 10, 110, 14, IDC_WIDTH);
  dlg->AddItem("STATIC", SS_LEFT, 10, 32, 90, 10, 0xFFFF, "Height (cm, 1-100):");
  dlg->AddItem("EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 110, 30, 110, 14, IDC_HEIGHT);
  dlg->AddItem("STATIC", SS_LEFT, 10, 52, 90, 10, 0xFFFF, "Scale (%):");
  dlg->AddItem("EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 110, 50, 110, 14, IDC_SCALE);
  dlg->AddItem("STATIC", SS_LEFT, 10, 72, 90, 10, 0xFFFF, "Spacing (history):");
  dlg->AddItem("COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 110, 70, 110, 80,
               IDC_SPACING);
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 60, 105, 50, 14, IDOK, "OK");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 120, 105, 50, 14, IDCANCEL, "Cancel");
  return dlg;
}

class CDemoDialog : public CDialog {
 public:
  CDemoDialog() : m_template(MakeTemplate()) {
    InitModalIndirect(m_template->Get());
    m_width.SetAmount(8.5, UNITS_DISTANCE);
    m_height.SetFormat(2, false, true, true, false);
    m_height.SetRange(1.0 * 0.39370078740157477, 100.0 * 0.39370078740157477);
    m_height.SetAmount(11.0, UNITS_DISTANCE);
    tagFORMAT percent = {1, true, true, true, true, true, 0};
    m_scale.SetFormat(&percent, false);
    m_scale.SetPercentRange(10.0, 400.0);
    m_scale.SetAmount(100.0, UNITS_PERCENT);
  }

  std::string screenshotPath;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_AmountEdit(pDX, IDC_WIDTH, m_width);
    DDX_AmountEdit(pDX, IDC_HEIGHT, m_height);
    DDX_AmountEdit(pDX, IDC_SCALE, m_scale);
    DDX_AmountBox(pDX, IDC_SPACING, m_spacing);
  }

  BOOL OnInitDialog() override {
    const BOOL result = CDialog::OnInitDialog();
    // Two default entries, owned here; the history grows above them.
    for (history& entry : m_defaults) {
      CString text;
      m_spacing.FormatAmount(entry.dAmount, entry.uUnits, text, false);
      m_spacing.SetItemDataPtr(m_spacing.AddString(text), &entry);
    }
    m_spacing.SetDefaults(2);
    m_spacing.SetAmount(0.125, UNITS_DISTANCE);
    m_spacing.SetAmount(0.375, UNITS_DISTANCE);
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
  std::unique_ptr<CDlgTemplate> m_template;
  CAmountEdit m_width, m_height, m_scale;
  CAmountBox m_spacing;
  history m_defaults[2] = {{0.25, UNITS_DISTANCE}, {0.5, UNITS_DISTANCE}};
};

BEGIN_MESSAGE_MAP(CDemoDialog, CDialog)
  ON_MESSAGE(WM_DEMO_SCREENSHOT, OnScreenshot)
END_MESSAGE_MAP()

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int) {
  CWinApp app("Varnel amount demo");
  app.m_hInstance = hInstance;
  CDemoDialog dlg;
  const char* option = std::strstr(lpCmdLine, "--screenshot ");
  if (option != nullptr) dlg.screenshotPath = option + std::strlen("--screenshot ");
  app.m_pMainWnd = &dlg;
  dlg.DoModal();
  app.m_pMainWnd = nullptr;
  return 0;
}
