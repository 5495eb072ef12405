// The members that run windows: WinMain's body, the message loop and idle
// time of every interface thread (CWinThread's, the application's among
// them), the message box every prompt ends in, and the report of an
// exception that reached a window procedure.
#include "afx/wnd/AfxWin.h"

#include "afx/app/AfxRes.h"
#include "afx/base/AfxException.h"
#include "afx/gdi/AfxDC.h"
#include "afx/gdi/AfxGdi.h"
#include "afx/wnd/AfxMenu.h"
#include "afx/wnd/AfxWndInternal.h"

#include <vector>

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow) {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return -1;
  pApp->m_hInstance = hInstance;
  pApp->m_hPrevInstance = hPrevInstance;
  pApp->m_lpCmdLine = lpCmdLine;
  pApp->m_nCmdShow = nCmdShow;
  pApp->SetCurrentHandles();
  if (!pApp->InitInstance()) {
    if (pApp->m_pMainWnd != nullptr) pApp->m_pMainWnd->DestroyWindow();
    return pApp->ExitInstance();
  }
  return pApp->Run();
}

BOOL CWinThread::PumpMessage() {
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

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  // Posted to the thread: no window would ever see it.
  if (pMsg->hwnd == nullptr && DispatchThreadMessageEx(pMsg)) return TRUE;
  const HWND hWndStop = m_pMainWnd != nullptr ? m_pMainWnd->m_hWnd : nullptr;
  return CWnd::WalkPreTranslateTree(hWndStop, pMsg);
}

int CWinThread::Run() {
  for (;;) {
    MSG msg;
    LONG lIdleCount = 0;
    while (!::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && OnIdle(lIdleCount++)) {
    }
    if (!PumpMessage()) return ExitInstance();
  }
}

void AfxDeleteTempMap() {
  AfxDeleteTempWnds();
  CDC::DeleteTempMap();
  CGdiObject::DeleteTempMap();
  CMenu::DeleteTempMap();
}

AfxWrapperCounts AfxGetWrapperCounts() {
  AfxWrapperCounts counts = {};
  counts.nTemporary = static_cast<int>(AfxTempWndObjects().size()) + CDC::GetWrapperCount(true) +
                      CGdiObject::GetWrapperCount(true) + CMenu::GetWrapperCount(true);
  counts.nPermanent = AfxPermanentWndCount() + CDC::GetWrapperCount(false) +
                      CGdiObject::GetWrapperCount(false) + CMenu::GetWrapperCount(false);
  return counts;
}

namespace {

BOOL CALLBACK AddWindow(HWND hWnd, LPARAM lParam) {
  reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
  return TRUE;
}

// Gives the calling thread's other visible top-level windows that have an
// object (modeless dialogs) their idle time.
void KickIdleModelessWindows(HWND hWndMain) {
  std::vector<HWND> windows;
  ::EnumThreadWindows(::GetCurrentThreadId(), &AddWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND hWnd : windows) {
    // Each may have gone, or been made, by an earlier one's handler.
    if (hWnd == hWndMain || !::IsWindowVisible(hWnd)) continue;
    if (CWnd::FromHandlePermanent(hWnd) == nullptr) continue;
    ::SendMessageA(hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, 0);
  }
}

}  // namespace

BOOL CWinThread::OnIdle(LONG lCount) {
  // The first idle call of a quiet spell brings the main window's bars
  // and status message up to date, and the buttons of modeless dialogs.
  CWnd* pMainWnd = m_pMainWnd;
  if (lCount <= 0 && pMainWnd != nullptr && pMainWnd->IsWindow() && pMainWnd->IsWindowVisible()) {
    pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
  }
  if (lCount <= 0) KickIdleModelessWindows(pMainWnd != nullptr ? pMainWnd->m_hWnd : nullptr);
  AfxDeleteTempMap();
  return FALSE;
}

int CWinApp::DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT) {
  HWND hWndOwner = ::GetActiveWindow();
  if (hWndOwner == nullptr && m_pMainWnd != nullptr) hWndOwner = m_pMainWnd->m_hWnd;
  return ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName != nullptr ? m_pszAppName : "", nType);
}

namespace {

// One prompt at a time: the message box pumps messages, and a handler that
// throws again must not stack prompts on top of each other.
template <class Tell>
void ReportOnce(Tell tell) {
  bool& bReporting = AfxReportingException();
  if (bReporting) return;
  bReporting = true;
  try {
    tell();
  } catch (...) {
    bReporting = false;
    throw;
  }
  bReporting = false;
}

}  // namespace

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg) {
  if (e == nullptr) return ProcessWndProcException(static_cast<LPCSTR>(nullptr), pMsg);
  // A user exception was told by whoever threw it.
  if (e->IsKindOf(RUNTIME_CLASS(CUserException))) return AfxResultAfterException(*pMsg);
  // The exception's own message; one without a message says what failed.
  ReportOnce([&] {
    e->ReportError(MB_ICONEXCLAMATION,
                   pMsg->message == WM_COMMAND ? AFX_IDP_COMMAND_FAILURE : AFX_IDP_INTERNAL_FAILURE);
  });
  return AfxResultAfterException(*pMsg);
}

LRESULT CWinApp::ProcessWndProcException(LPCSTR lpszWhat, const MSG* pMsg) {
  ReportOnce([&] {
    CString text("An unexpected error stopped the last operation.");
    if (lpszWhat != nullptr && *lpszWhat != '\0') {
      text += "\n\n";
      text += lpszWhat;
    }
    AfxMessageBox(text, MB_ICONEXCLAMATION);
  });
  return AfxResultAfterException(*pMsg);
}
