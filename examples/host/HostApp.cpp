#include "Host.h"

#include <cstdio>
#include <cstring>

CHostApp theApp;

BEGIN_MESSAGE_MAP(CHostApp, CWinApp)
  ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

BOOL CHostApp::InitInstance() {
  Enable3dControls();
  m_bSelfTest = m_lpCmdLine != nullptr && std::strstr(m_lpCmdLine, "--selftest") != nullptr;

  auto* pFrame = new CMainFrame;
  CCreateContext context;
  context.m_pNewViewClass = RUNTIME_CLASS(CHostView);
  if (!pFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr,
                         &context)) {
    if (m_bSelfTest) std::printf("not ok - LoadFrame failed (error %lu)\n", ::GetLastError());
    return FALSE;
  }
  m_pMainWnd = pFrame;
  pFrame->ShowWindow(m_nCmdShow);
  pFrame->UpdateWindow();
  if (m_bSelfTest) StartSelfTest(pFrame);
  return TRUE;
}

int CHostApp::ExitInstance() {
  const int nResult = CWinApp::ExitInstance();
  if (!m_bSelfTest) return nResult;
  const int nFailures = SelfTestFailures();
  std::printf("host: ended with code %d, %d failed checks\n", nResult, nFailures);
  std::fflush(stdout);
  return nResult != 0 ? nResult : nFailures;
}

int CHostApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) {
  ++m_nPrompts;
  if (m_bSelfTest) {
    std::printf("host: prompt \"%s\"\n", lpszPrompt);
    return IDOK;
  }
  return CWinApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
}

void CHostApp::OnAppExit() {
  if (m_pMainWnd != nullptr) m_pMainWnd->PostMessage(WM_CLOSE);
}

// ---- the frame and its dialog ---------------------------------------------------

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
  ON_COMMAND(ID_TOOLS_OPTIONS, OnToolsOptions)
END_MESSAGE_MAP()

void CMainFrame::OnToolsOptions() {
  auto* pView = static_cast<CHostView*>(GetActiveView());
  COptionsDialog dlg(this);
  dlg.m_nSquares = pView->m_nSquares;
  dlg.m_crSwatch = pView->Color();
  ++m_nOptionsShown;
  m_nLastDialogResult = static_cast<int>(dlg.DoModal());
  m_nLastSwatchDraws = dlg.m_nSwatchDraws;
  if (m_nLastDialogResult == IDOK) {
    pView->m_nSquares = dlg.m_nSquares;
    pView->Invalidate();
  }
}

BEGIN_MESSAGE_MAP(COptionsDialog, CDialog)
  ON_WM_DRAWITEM()
END_MESSAGE_MAP()

void COptionsDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Text(pDX, IDC_COUNT, m_nSquares);
  DDV_MinMaxInt(pDX, m_nSquares, 1, 50);
}

void COptionsDialog::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct) {
  if (nIDCtl != IDC_SWATCH) {
    CDialog::OnDrawItem(nIDCtl, lpDrawItemStruct);
    return;
  }
  ++m_nSwatchDraws;
  CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
  pDC->FillSolidRect(&lpDrawItemStruct->rcItem, m_crSwatch);
  if ((lpDrawItemStruct->itemState & ODS_FOCUS) != 0) pDC->DrawFocusRect(&lpDrawItemStruct->rcItem);
}
