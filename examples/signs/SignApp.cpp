// The application object: the sign's document template, the recent-file
// list and settings, the command line (a .sign file to open, the tour's
// options), and the tour's answers to prompts.
#include "Signs.h"
#include "SignStorm.h"

#include <objbase.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

CSignApp theApp;

BEGIN_MESSAGE_MAP(CSignApp, CWinApp)
  ON_COMMAND(ID_FILE_NEW, CWinApp::OnFileNew)
  ON_COMMAND(ID_FILE_OPEN, CWinApp::OnFileOpen)
END_MESSAGE_MAP()

namespace {

// The framework's command line, the tour's options: "--tour DIR" and
// "--short" (no step pictures), and the storm's: "--storm SEEDS",
// "--events N" and "--weights W1,...,W9".
class CSignCommandLineInfo : public CCommandLineInfo {
 public:
  void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override {
    if (m_bTourDirNext && !bFlag) {
      m_strTourDir = pszParam;
      m_bTourDirNext = false;
    } else if (m_bSeedsNext && !bFlag) {
      m_bStorm = storm::ParseSeeds(pszParam, &m_storm.seeds);
      m_bSeedsNext = false;
    } else if (m_bEventsNext && !bFlag) {
      m_storm.nEvents = std::atoi(pszParam);
      m_bEventsNext = false;
    } else if (m_bWeightsNext && !bFlag) {
      m_bBadWeights = !storm::ParseWeights(pszParam, &m_storm.weights);
      m_bWeightsNext = false;
    } else if (bFlag && std::strcmp(pszParam, "-tour") == 0) {
      m_bTourDirNext = true;
    } else if (bFlag && std::strcmp(pszParam, "-storm") == 0) {
      m_bSeedsNext = true;
    } else if (bFlag && std::strcmp(pszParam, "-events") == 0) {
      m_bEventsNext = true;
    } else if (bFlag && std::strcmp(pszParam, "-weights") == 0) {
      m_bWeightsNext = true;
    } else if (bFlag && std::strcmp(pszParam, "-short") == 0) {
      m_bPictures = false;
    } else {
      CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
      return;
    }
    ParseLast(bLast);
  }

  CString m_strTourDir;
  bool m_bPictures = true;
  bool m_bStorm = false;
  bool m_bBadWeights = false;
  storm::StormOptions m_storm;

 private:
  bool m_bTourDirNext = false;
  bool m_bSeedsNext = false;
  bool m_bEventsNext = false;
  bool m_bWeightsNext = false;
};

}  // namespace

BOOL CSignApp::InitInstance() {
  Enable3dControls();
  ::CoInitialize(nullptr);  // the PNG encoder is a COM component
  CSignCommandLineInfo cmdInfo;
  ParseCommandLine(cmdInfo);
  m_bStorm = cmdInfo.m_bStorm && !cmdInfo.m_bBadWeights;
  if (cmdInfo.m_bBadWeights) std::printf("not ok - --weights wants 9 numbers, not all 0\n");
  // The storm's files go on a recent-file list of their own.
  SetRegistryKey(m_bStorm ? "Varnel Storm" : "Varnel");
  LoadStdProfileSettings();  // the recent-file list
  AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CSignDoc),
                                        RUNTIME_CLASS(CSignFrame), RUNTIME_CLASS(CSignView)));

  const std::string tourDir = static_cast<LPCSTR>(cmdInfo.m_strTourDir);
  m_bTour = !tourDir.empty();
  if (!ProcessShellCommand(cmdInfo)) {
    if (m_bTour) std::printf("not ok - the sign was not opened (error %lu)\n", ::GetLastError());
    return FALSE;
  }
  auto* pFrame = static_cast<CSignFrame*>(m_pMainWnd);
  if (m_bTour) {
    ::CreateDirectoryA(tourDir.c_str(), nullptr);  // fails harmlessly when it exists
    pFrame->View()->m_strExportDir = tourDir;
    pFrame->View()->m_bKeepExportedPages = true;
    pFrame->SetWindowPos(nullptr, 0, 0, 1000, 560, SWP_NOZORDER);
  }
  pFrame->ShowWindow(m_nCmdShow);
  pFrame->UpdateWindow();
  if (m_bTour) StartTour(pFrame, tourDir, cmdInfo.m_bPictures);
  if (m_bStorm) StartStorm(pFrame, cmdInfo.m_storm);
  return TRUE;
}

int CSignApp::ExitInstance() {
  // The tour's last checks come first: they take its files off the
  // recent-file list before the list is saved.
  const int nFailures = m_bTour ? TourFailures() : m_bStorm ? EndStorm() : 0;
  const int nResult = CWinApp::ExitInstance();
  ::CoUninitialize();
  if (m_bStorm) {
    std::printf("storm: ended with code %d, %d failed checks\n", nResult, nFailures);
    std::fflush(stdout);
    return nResult != 0 ? nResult : nFailures;
  }
  if (!m_bTour) return nResult;
  std::printf("tour: ended with code %d, %d failed checks\n", nResult, nFailures);
  std::fflush(stdout);
  return nResult != 0 ? nResult : nFailures;
}

// During the tour a prompt is recorded and answered instead of waiting
// for a click: with the answer the tour queued, else OK (Cancel when the
// box has no OK, which loses nothing).
int CSignApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) {
  if (!m_bTour) return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
  m_prompts.emplace_back(lpszPrompt);
  if (!m_answers.empty()) {
    const int nAnswer = m_answers.front();
    m_answers.pop_front();
    return nAnswer;
  }
  const UINT nButtons = nType & MB_TYPEMASK;
  return nButtons == MB_OK || nButtons == MB_OKCANCEL ? IDOK : IDCANCEL;
}

// The storm checks the program at rest once the framework's idle work is
// done.
BOOL CSignApp::OnIdle(LONG lCount) {
  const BOOL bMore = CWinApp::OnIdle(lCount);
  if (!bMore && m_bStorm) StormAtRest();
  return bMore;
}
