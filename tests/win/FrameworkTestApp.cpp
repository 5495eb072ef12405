#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

namespace {

CTestApp g_app;

// Each test starts with no recorded prompts and an empty queue.
class FrameworkEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { PumpPending(); }
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new FrameworkEnvironment);

}  // namespace

CTestApp& TestApp() { return g_app; }

void PumpPending() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (msg.message == WM_QUIT) break;
    g_app.PumpMessage();
  }
}

void PressKey(HWND hWnd, UINT nVirtKey) {
  const UINT nScan = ::MapVirtualKeyA(nVirtKey, MAPVK_VK_TO_VSC);
  ::PostMessageA(hWnd, WM_KEYDOWN, nVirtKey, 1 | (static_cast<LPARAM>(nScan) << 16));
  PumpPending();
  ::PostMessageA(hWnd, WM_KEYUP, nVirtKey,
                 1 | (static_cast<LPARAM>(nScan) << 16) | (1L << 30) | (1L << 31));
  PumpPending();
}

void TypeText(HWND hWnd, const char* text) {
  for (const char* p = text; *p != '\0'; ++p) {
    const SHORT vk = ::VkKeyScanA(*p);
    PressKey(hWnd, static_cast<UINT>(vk & 0xFF));
  }
}

std::string WindowText(HWND hWnd) {
  char buffer[256] = {};
  ::GetWindowTextA(hWnd, buffer, sizeof buffer);
  return buffer;
}

std::unique_ptr<CDlgTemplate> MakeFieldDialogTemplate() {
  auto dlg = std::make_unique<CDlgTemplate>(
      WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 10, 10, 220, 120, "Fields");
  dlg->AddItem("EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 90, 14, IDC_FIELD);
  dlg->AddItem("EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 30, 90, 14, IDC_OTHER);
  dlg->AddItem("COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 110, 10, 90, 80, IDC_COMBO);
  dlg->AddItem("BUTTON", BS_OWNERDRAW, 110, 50, 50, 14, IDC_OWNERDRAW, "Draw");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 50, 95, 50, 14, IDOK, "OK");
  dlg->AddItem("BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 110, 95, 50, 14, IDCANCEL, "Cancel");
  return dlg;
}

std::unique_ptr<CDlgTemplate> MakePageTemplate() {
  auto page = std::make_unique<CDlgTemplate>(WS_CHILD | DS_CONTROL, 0, 0, 160, 80, "Page");
  page->AddItem("EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 90, 14, IDC_FIELD);
  return page;
}
