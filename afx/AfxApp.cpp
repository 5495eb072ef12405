// CWinApp: the message pump and the application-wide hooks.
#include "afx/AfxModule.h"
#include "afx/AfxWin.h"

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

CWinApp::CWinApp(LPCSTR lpszAppName)
    : m_pszAppName(lpszAppName), m_hInstance(::GetModuleHandleA(nullptr)) {
  g_pApp = this;
}

CWinApp::~CWinApp() {
  if (g_pApp == this) g_pApp = nullptr;
}

CWinApp* AfxGetApp() { return g_pApp; }

CWnd* AfxGetMainWnd() { return g_pApp != nullptr ? g_pApp->m_pMainWnd : nullptr; }

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return -1;
  pApp->m_hInstance = hInstance;
  pApp->m_hPrevInstance = hPrevInstance;
  pApp->m_lpCmdLine = lpCmdLine;
  pApp->m_nCmdShow = nCmdShow;
  if (!pApp->InitInstance()) {
    if (pApp->m_pMainWnd != nullptr) pApp->m_pMainWnd->DestroyWindow();
    return pApp->ExitInstance();
  }
  return pApp->Run();
}

HANDLE AfxLoadImageResource(LPCSTR lpszName, LPCSTR lpszType, UINT uImageType) {
  return ::LoadImageA(AfxFindResourceHandle(lpszName, lpszType), lpszName, uImageType, 0, 0,
                      LR_DEFAULTSIZE | LR_SHARED);
}

HICON CWinApp::LoadIcon(LPCSTR lpszResourceName) const {
  return static_cast<HICON>(AfxLoadImageResource(lpszResourceName, RT_GROUP_ICON, IMAGE_ICON));
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadIcon(MAKEINTRESOURCEA(nIDResource)); }

HCURSOR CWinApp::LoadCursor(LPCSTR lpszResourceName) const {
  return static_cast<HCURSOR>(AfxLoadImageResource(lpszResourceName, RT_GROUP_CURSOR, IMAGE_CURSOR));
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const {
  return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCSTR lpszIconName) const {
  return ::LoadIconA(nullptr, lpszIconName);
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR lpszCursorName) const {
  return ::LoadCursorA(nullptr, lpszCursorName);
}

HINSTANCE AfxGetInstanceHandle() {
  return g_pApp != nullptr ? g_pApp->m_hInstance : ::GetModuleHandleA(nullptr);
}

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType) {
  const HINSTANCE hApp = AfxGetResourceHandle();
  if (::FindResourceA(hApp, lpszName, lpszType) != nullptr) return hApp;
  for (CDynLinkLibrary* pLibrary = AfxGetModuleState()->m_libraryList; pLibrary != nullptr;
       pLibrary = pLibrary->m_pNextDLL) {
    const HINSTANCE hLibrary = pLibrary->m_hResource;
    if (hLibrary != nullptr && ::FindResourceA(hLibrary, lpszName, lpszType) != nullptr) {
      return hLibrary;
    }
  }
  return hApp;
}

void AfxPostQuitMessage(int nExitCode) { ::PostQuitMessage(nExitCode); }

int CWinApp::ExitInstance() { return static_cast<int>(m_nExitCode); }

BOOL CWinApp::PumpMessage() {
  MSG msg;
  if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) {
    m_nExitCode = msg.wParam;
    return FALSE;
  }
  if (!PreTranslateMessage(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

BOOL CWinApp::PreTranslateMessage(MSG* pMsg) {
  const HWND hWndStop = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  return CWnd::WalkPreTranslateTree(hWndStop, pMsg);
}

int CWinApp::Run() {
  for (;;) {
    MSG msg;
    LONG lIdleCount = 0;
    while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(lIdleCount++)) {
    }
    if (!PumpMessage()) return ExitInstance();
  }
}

BOOL CWinApp::OnIdle(LONG lCount) {
  // The first idle call of a quiet spell brings the main window's bars
  // and status message up to date.
  CWnd* pMainWnd = m_pMainWnd;
  if (lCount <= 0 && pMainWnd != nullptr && pMainWnd->IsWindow() && pMainWnd->IsWindowVisible()) {
    pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
  }
  AfxDeleteTempMap();
  return FALSE;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
  HWND hWndOwner = ::GetActiveWindow();
  if (hWndOwner == nullptr && m_pMainWnd != nullptr) hWndOwner = m_pMainWnd->m_hWnd;
  return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName != nullptr ? m_pszAppName : "", nType);
}
