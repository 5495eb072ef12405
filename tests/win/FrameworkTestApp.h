// The application object of the framework suite and the ways its tests
// drive real windows: pumping through CWinApp (so PreTranslateMessage
// runs), typing by posted keys, and dialogs built from templates in memory.
#pragma once

#include "Varnel.h"

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

struct RecordedPrompt {
  std::string text;
  UINT nType;
  UINT nIDPrompt;
};

// Records message boxes instead of showing them, then lets a test's
// answer run (the user's doing while the box is up), if it set one.
class CTestApp : public CWinApp {
 public:
  CTestApp() : CWinApp("VarnelFrameworkTests") {}
  int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
    prompts.push_back({lpszPrompt, nType, nIDPrompt});
    return answer ? answer(lpszPrompt, nType, nIDPrompt) : IDOK;
  }
  std::vector<RecordedPrompt> prompts;
  std::function<int(LPCSTR, UINT, UINT)> answer;

  // The recent-file list and settings, which are the application's own.
  using CWinApp::LoadStdProfileSettings;
  using CWinApp::SaveStdProfileSettings;
  CRecentFileList* RecentFiles() const { return m_pRecentFileList; }
};

CTestApp& TestApp();

// Dispatches every message waiting in the thread's queue through the
// application's pump.
void PumpPending();
// A key press as the system delivers it: WM_KEYDOWN posted to hWnd,
// pumped (so that its WM_CHAR follows before the next key), then WM_KEYUP.
void PressKey(HWND hWnd, UINT nVirtKey);
// Each character of text typed with PressKey (digits, letters, '.').
void TypeText(HWND hWnd, const char* text);
std::string WindowText(HWND hWnd);

// Control IDs of the test dialogs.
enum : WORD { IDC_FIELD = 100, IDC_OTHER = 101, IDC_COMBO = 102, IDC_OWNERDRAW = 103 };

// A dialog with two edit fields (IDC_FIELD, IDC_OTHER), a drop-down combo
// box, an owner-draw button, and OK (default) and Cancel.
std::unique_ptr<CDlgTemplate> MakeFieldDialogTemplate();
// A child page template with one edit field (IDC_FIELD).
std::unique_ptr<CDlgTemplate> MakePageTemplate();

// Rectangles in failure messages as (left, top, right, bottom).
inline void PrintTo(const CRect& rc, std::ostream* os) {
  *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
inline void PrintTo(const CSize& size, std::ostream* os) {
  *os << "(" << size.cx << ", " << size.cy << ")";
}
