// The application object, its frame, and the properties command.
#include "Signs.h"

#include <objbase.h>

#include <cstdio>
#include <cstring>

CSignApp theApp;

BEGIN_MESSAGE_MAP(CSignApp, CWinApp)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace {

// The rest of the command line after `option` (so that a path may hold
// spaces: the option comes last), or "".
std::string OptionValue(const char* cmdLine, const char* option) {
  const char* at = std::strstr(cmdLine, option);
  if (at == nullptr) return {};
  std::string value(at + std::strlen(option));
  value.erase(0, value.find_first_not_of(' '));
  value.erase(value.find_last_not_of(' ') + 1);
  return value;
}

}  // namespace

BOOL CSignApp::InitInstance() {
  Enable3dControls();
  ::CoInitialize(nullptr);  // the PNG encoder is a COM component
  const char* cmdLine = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
  const std::string tourDir = OptionValue(cmdLine, "--tour");
  m_bTour = !tourDir.empty();

  auto* pFrame = new CSignFrame;
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CSignView);
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr,
                         &context)) {
    if (m_bTour) std::printf("not ok - the frame was not made (error %lu)\n", ::GetLastError());
    return FALSE;
  }
  m_pMainWnd = pFrame;
  if (m_bTour) {
    ::CreateDirectoryA(tourDir.c_str(), nullptr);  // fails harmlessly when it exists
    pFrame->View()->m_strExportDir = tourDir;
    pFrame->SetWindowPos(nullptr, 0, 0, 1000, 560, SWP_NOZORDER);
  }
  pFrame->ShowWindow(m_nCmdShow);
  pFrame->UpdateWindow();
  if (m_bTour) StartTour(pFrame, tourDir, std::strstr(cmdLine, "--short") == nullptr);
  return TRUE;
}

int CSignApp::ExitInstance() {
  const int nResult = CWinApp::ExitInstance();
  ::CoUninitialize();
  if (!m_bTour) return nResult;
  const int nFailures = TourFailures();
  std::printf("tour: ended with code %d, %d failed checks\n", nResult, nFailures);
  std::fflush(stdout);
  return nResult != 0 ? nResult : nFailures;
}

// During the tour a prompt is recorded instead of waiting for a click.
int CSignApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) {
  if (!m_bTour) return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
  m_prompts.emplace_back(lpszPrompt);
  return IDOK;
}

void CSignApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->PostMessage(WM_CLOSE);
}

BEGIN_MESSAGE_MAP(CSignFrame, CFrameWnd)
  ON_WM_CREATE()
  ON_COMMAND(ID_LAYOUT_PROPERTIES, OnLayoutProperties)
END_MESSAGE_MAP()

void CSignFrame::OnLayoutProperties() {
  CPropertiesDialog dlg(this);
  dlg.m_settings = View()->Settings();
  m_nLastDialogResult = static_cast<int>(dlg.DoModal());
  if (m_nLastDialogResult == IDOK) View()->ApplySettings(dlg.m_settings);
}
