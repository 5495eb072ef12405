// Modal loops: CWnd's loop that pumps the thread's messages until the
// window ends it (giving it WM_KICKIDLE when the queue is empty), and the
// owner a modal window disables while it runs.
#include "afx/wnd/AfxModalOwner.h"
#include "afx/wnd/AfxWndInternal.h"

namespace {

// A thread without an object of the framework's (no application, or a
// thread it did not start) still gets PreTranslateMessage in modal loops.
BOOL PumpWithoutApp() {
  MSG msg;
  if (::GetMessageA(&msg, nullptr, 0, 0) <= 0) return FALSE;
  if (!CWnd::WalkPreTranslateTree(nullptr, &msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return TRUE;
}

}  // namespace

BOOL AfxPumpThreadMessage() {
  CWinThread* pThread = AfxGetThread();
  return pThread != nullptr ? pThread->PumpMessage() : PumpWithoutApp();
}

int CWnd::RunModalLoop() {
  const HWND hWnd = m_hWnd;
  if (m_nModalState == kModalIdle) m_nModalState = kModalRunning;
  while (m_nModalState == kModalRunning) {
    // Idle time: the window brings its controls up to date (WM_KICKIDLE)
    // for as long as it asks for more; it may end itself there.
    MSG msg;
    for (LONG lIdleCount = 0; !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++lIdleCount) {
      if (::SendMessageA(hWnd, WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount) == 0) break;
    }
    if (m_nModalState != kModalRunning || !::IsWindow(hWnd)) break;
    if (!AfxPumpThreadMessage()) {
      AfxPostQuitMessage(0);  // WM_QUIT: leave it for the outer loop as well
      break;
    }
    if (!::IsWindow(hWnd)) break;
  }
  m_nModalState = kModalIdle;
  return m_nModalResult;
}

void CWnd::EndModalLoop(int nResult) {
  m_nModalResult = nResult;
  if (m_nModalState == kModalRunning) {
    m_nModalState = kModalEnded;
    PostMessage(WM_NULL);  // wake the loop if it is waiting
  }
}

// ---- AfxModalOwner ------------------------------------------------------------------

AfxModalOwner::AfxModalOwner(CWnd* pParent) {
  m_hWnd = pParent != nullptr ? pParent->m_hWnd : ::GetActiveWindow();
  CWinApp* pApp = AfxGetApp();
  if (m_hWnd == nullptr && pApp != nullptr && pApp->m_pMainWnd != nullptr) {
    m_hWnd = pApp->m_pMainWnd->m_hWnd;
  }
  if (m_hWnd != nullptr) m_hWnd = ::GetAncestor(m_hWnd, GA_ROOT);
  m_bEnable = m_hWnd != nullptr && ::IsWindowEnabled(m_hWnd);
  if (m_bEnable) ::EnableWindow(m_hWnd, FALSE);
}

void AfxModalOwner::Restore(HWND hWndModal) {
  if (m_bEnable) ::EnableWindow(m_hWnd, TRUE);
  m_bEnable = false;
  if (m_hWnd != nullptr && hWndModal != nullptr && ::GetActiveWindow() == hWndModal) {
    ::SetActiveWindow(m_hWnd);
  }
}

AfxModalOwner::~AfxModalOwner() { Restore(nullptr); }
