// CWinThread's start and end, its thread operations, and the dispatch of
// messages posted to the thread. Its message loop runs windows: it is in
// afx/wnd/AfxAppLoop.cpp.
#include "afx/app/AfxThread.h"

#include "afx/app/AfxThreadLocal.h"

#include <process.h>

namespace {

struct CurrentThread {
  CWinThread* pThread = nullptr;
};

CWinThread*& Current() {
  static auto* current = new CThreadLocal<CurrentThread>;
  return current->Get()->pThread;
}

// What the creating thread and the new one share while it starts: the new
// thread says when its queue exists (hReady), then waits for the creator
// to have set it up (hGo) before running anything of the host's. The new
// thread frees it.
struct Startup {
  CWinThread* pThread;
  HANDLE hReady = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE hGo = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);

  explicit Startup(CWinThread* p) : pThread(p) {}
  ~Startup() {
    if (hReady != nullptr) ::CloseHandle(hReady);
    if (hGo != nullptr) ::CloseHandle(hGo);
  }
  Startup(const Startup&) = delete;
  Startup& operator=(const Startup&) = delete;
};

// The end of a thread the framework started: its object goes (when it
// deletes itself), and the thread has none any more.
void EndThreadObject(CWinThread* pThread, BOOL bDelete) {
  if (bDelete) pThread->Delete();
  Current() = nullptr;
}

}  // namespace

// ---- the object -------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

CWinThread::CWinThread() = default;

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_pfnThreadProc(pfnThreadProc), m_pThreadParams(pParam) {}

CWinThread::~CWinThread() {
  if (m_hThread != nullptr) ::CloseHandle(m_hThread);
  CWinThread*& current = Current();
  if (current == this) current = m_pPrevThread;
}

void CWinThread::AttachCurrentThread() {
  CWinThread*& current = Current();
  if (current != this) m_pPrevThread = current;
  current = this;
  m_nThreadID = ::GetCurrentThreadId();
  if (m_hThread == nullptr) {
    ::DuplicateHandle(::GetCurrentProcess(), ::GetCurrentThread(), ::GetCurrentProcess(),
                      &m_hThread, 0, FALSE, DUPLICATE_SAME_ACCESS);
  }
}

CWinThread* AfxGetThread() { return Current(); }

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::ExitInstance() { return static_cast<int>(m_nExitCode); }

void CWinThread::Delete() {
  if (m_bAutoDelete) delete this;
}

// ---- starting and ending ------------------------------------------------------------

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize,
                              LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (m_hThread != nullptr) return FALSE;
  auto* pStartup = new Startup(this);
  if (pStartup->hReady == nullptr || pStartup->hGo == nullptr) {
    delete pStartup;
    return FALSE;
  }
  // Made suspended, so that its handle and ID are here before it runs.
  unsigned nThreadID = 0;
  const uintptr_t hThread = ::_beginthreadex(lpSecurityAttrs, nStackSize, &ThreadEntry, pStartup,
                                             CREATE_SUSPENDED, &nThreadID);
  if (hThread == 0) {
    delete pStartup;
    return FALSE;
  }
  m_hThread = reinterpret_cast<HANDLE>(hThread);
  m_nThreadID = nThreadID;
  ::ResumeThread(m_hThread);
  ::WaitForSingleObject(pStartup->hReady, INFINITE);
  // It now waits for hGo: suspended there, it runs nothing before
  // ResumeThread; and it may run, and end, as soon as hGo is set.
  if ((dwCreateFlags & CREATE_SUSPENDED) != 0) ::SuspendThread(m_hThread);
  ::SetEvent(pStartup->hGo);
  return TRUE;
}

unsigned __stdcall CWinThread::ThreadEntry(void* pParam) {
  auto* pStartup = static_cast<Startup*>(pParam);
  CWinThread* pThread = pStartup->pThread;
  MSG msg;
  ::PeekMessageA(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // makes the queue
  ::SetEvent(pStartup->hReady);
  ::WaitForSingleObject(pStartup->hGo, INFINITE);
  delete pStartup;

  Current() = pThread;
  int nResult = 0;
  if (pThread->m_pfnThreadProc != nullptr) {
    nResult = static_cast<int>(pThread->m_pfnThreadProc(pThread->m_pThreadParams));
  } else if (!pThread->InitInstance()) {
    nResult = pThread->ExitInstance();
  } else {
    nResult = pThread->Run();
  }
  EndThreadObject(pThread, TRUE);
  return static_cast<unsigned>(nResult);
}

namespace {

CWinThread* Begin(CWinThread* pThread, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                  LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs)) {
    delete pThread;
    return nullptr;
  }
  pThread->SetThreadPriority(nPriority);
  if ((dwCreateFlags & CREATE_SUSPENDED) == 0) pThread->ResumeThread();
  return pThread;
}

}  // namespace

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                           UINT nStackSize, DWORD dwCreateFlags,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (pfnThreadProc == nullptr) return nullptr;
  return Begin(new CWinThread(pfnThreadProc, pParam), nPriority, nStackSize, dwCreateFlags,
               lpSecurityAttrs);
}

CWinThread* AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  if (pThreadClass == nullptr || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread))) {
    return nullptr;
  }
  auto* pThread = static_cast<CWinThread*>(pThreadClass->CreateObject());
  if (pThread == nullptr) return nullptr;
  return Begin(pThread, nPriority, nStackSize, dwCreateFlags, lpSecurityAttrs);
}

void AfxEndThread(UINT nExitCode, BOOL bDelete) {
  CWinThread* pThread = Current();
  if (pThread != nullptr) EndThreadObject(pThread, bDelete);
  ::_endthreadex(nExitCode);
  // _endthreadex does not return; the compiler is not told so.
  ::ExitThread(nExitCode);
}

// ---- the thread ------------------------------------------------------------------

int CWinThread::GetThreadPriority() { return ::GetThreadPriority(m_hThread); }

BOOL CWinThread::SetThreadPriority(int nPriority) {
  return ::SetThreadPriority(m_hThread, nPriority);
}

DWORD CWinThread::SuspendThread() { return ::SuspendThread(m_hThread); }

DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }

BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg) {
  const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), pMsg->message, 0, 0);
  if (pEntry == nullptr) return FALSE;
  pEntry->pfn(this, pMsg->wParam, pMsg->lParam);
  return TRUE;
}
