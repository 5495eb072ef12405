// The framework on several threads at once, with real threads: objects
// attached to windows are found from any thread; the temporary objects
// FromHandle hands out, the window being created and the message being
// handled belong to one thread. Checks run on the test's thread; workers
// only record what they saw.
#include "DibCanvas.h"
#include "FrameworkTestApp.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>
#include <vector>

namespace {

// A window with no object of its own, counting the WM_APP messages it gets.
std::atomic<int> g_nAppMessages{0};

LRESULT CALLBACK CountingProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) {
    ++g_nAppMessages;
    return 0;
  }
  return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

HWND CreatePlainWindow() {
  static const bool bRegistered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &CountingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "VarnelThreadTestPlain";
    return ::RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(bRegistered);
  return ::CreateWindowExA(0, "VarnelThreadTestPlain", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                           nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

TEST(Threads, TemporaryObjectsBelongToTheThreadThatMadeThem) {
  const HDC hDC = ::CreateCompatibleDC(nullptr);
  const HWND hWndPlain = CreatePlainWindow();
  CWnd attached;
  ASSERT_TRUE(attached.CreateEx(0, nullptr, "attached", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));

  // The printing flag is a mark the context itself does not carry: it
  // tells one wrapper object from another.
  CDC* pMine = CDC::FromHandle(hDC);
  pMine->m_bPrinting = TRUE;
  CWnd* pMineWnd = CWnd::FromHandle(hWndPlain);

  struct Seen {
    bool bOwnContextWrapper = false, bOwnWrapperFresh = false, bOwnWindowObject = false;
    bool bAttachedFound = false, bKeptThroughOthersCleanUp = false, bFreedByOwnCleanUp = false;
    AfxWrapperCounts before = {}, after = {};  // the worker's own counts around its clean-up
  } seen;
  std::promise<void> workerMarked, interfaceCleaned;
  std::thread worker([&, cleaned = interfaceCleaned.get_future()] {
    CDC* pTheirs = CDC::FromHandle(hDC);
    seen.bOwnContextWrapper = pTheirs != pMine;
    seen.bOwnWrapperFresh = !pTheirs->m_bPrinting;
    pTheirs->m_bPrinting = TRUE;
    seen.bOwnWindowObject = CWnd::FromHandle(hWndPlain) != pMineWnd;
    seen.bAttachedFound = CWnd::FromHandle(attached.m_hWnd) == &attached;
    workerMarked.set_value();
    cleaned.wait();
    seen.bKeptThroughOthersCleanUp = CDC::FromHandle(hDC)->m_bPrinting != FALSE;
    seen.before = AfxGetWrapperCounts();
    AfxDeleteTempMap();
    seen.after = AfxGetWrapperCounts();
    seen.bFreedByOwnCleanUp = CDC::FromHandle(hDC)->m_bPrinting == FALSE;
  });
  workerMarked.get_future().wait();
  AfxDeleteTempMap();  // the interface thread's idle clean-up
  EXPECT_EQ(AfxGetWrapperCounts().nTemporary, 0) << "the worker's are its own";
  EXPECT_FALSE(CDC::FromHandle(hDC)->m_bPrinting) << "a fresh wrapper after the clean-up";
  interfaceCleaned.set_value();
  worker.join();

  EXPECT_TRUE(seen.bOwnContextWrapper);
  EXPECT_TRUE(seen.bOwnWrapperFresh);
  EXPECT_TRUE(seen.bOwnWindowObject);
  EXPECT_TRUE(seen.bAttachedFound) << "attached objects are found from any thread";
  EXPECT_TRUE(seen.bKeptThroughOthersCleanUp);
  EXPECT_TRUE(seen.bFreedByOwnCleanUp);
  EXPECT_EQ(seen.before.nTemporary, 2) << "a context and a window";
  EXPECT_EQ(seen.after.nTemporary, 0);
  EXPECT_EQ(seen.after.nPermanent, seen.before.nPermanent) << "every thread's attached objects";
  const int nPermanent = AfxGetWrapperCounts().nPermanent;
  attached.DestroyWindow();
  EXPECT_EQ(AfxGetWrapperCounts().nPermanent, nPermanent - 1);
  ::DestroyWindow(hWndPlain);
  ::DeleteDC(hDC);
}

TEST(Threads, AWorkerPostsThroughTemporaryObjectsWhileTheInterfaceCleansUp) {
  // Several windows, so that both threads keep making temporary objects.
  std::vector<HWND> windows;
  for (int i = 0; i < 8; ++i) windows.push_back(CreatePlainWindow());
  constexpr int kPosts = 5000;
  g_nAppMessages = 0;
  std::thread worker([&windows] {
    for (int i = 0; i < kPosts; ++i) {
      CWnd* pTarget = nullptr;
      for (HWND hWnd : windows) pTarget = CWnd::FromHandle(hWnd);
      pTarget->PostMessage(WM_APP, static_cast<WPARAM>(i));
    }
  });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (g_nAppMessages < kPosts && std::chrono::steady_clock::now() < deadline) {
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    for (HWND hWnd : windows) CWnd::FromHandle(hWnd);  // temporaries of this thread, too
    TestApp().OnIdle(0);                                // frees this thread's temporaries
  }
  worker.join();
  EXPECT_EQ(g_nAppMessages, kPosts);
  for (HWND hWnd : windows) ::DestroyWindow(hWnd);
}

// Draws rows with pens of its own colour, made and deleted again and
// again, each selected and put back; true when every row shows the colour.
bool DrawWithOwnPens(COLORREF color, int nRounds) {
  DibCanvas canvas(32, 16);
  CDC& dc = canvas.dc();
  for (int i = 0; i < nRounds; ++i) {
    CPen pen(PS_SOLID, 1, color);
    CPen* pOld = dc.SelectObject(&pen);
    dc.MoveTo(0, i % 16);
    dc.LineTo(32, i % 16);
    dc.SelectObject(pOld);
    if (i % 64 == 0) AfxDeleteTempMap();
  }
  for (int y = 0; y < 16; ++y) {
    if (canvas.At(31 - y, y) != color) return false;
  }
  return true;
}

TEST(Threads, TwoThreadsDrawWithTheirOwnPens) {
  constexpr int kRounds = 20000;
  std::future<bool> red = std::async(std::launch::async, DrawWithOwnPens, RGB(255, 0, 0), kRounds);
  std::future<bool> blue = std::async(std::launch::async, DrawWithOwnPens, RGB(0, 0, 255), kRounds);
  EXPECT_TRUE(red.get());
  EXPECT_TRUE(blue.get());
}

TEST(Threads, WindowsCreatedOnTwoThreadsAreEachAttached) {
  bool bWorkerCreated = false, bWorkerAttached = false;
  std::thread worker([&] {
    CWnd wnd;
    bWorkerCreated = wnd.CreateEx(0, nullptr, "worker", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr);
    bWorkerAttached = wnd.m_hWnd != nullptr && CWnd::FromHandlePermanent(wnd.m_hWnd) == &wnd;
    wnd.DestroyWindow();
  });
  worker.join();
  EXPECT_TRUE(bWorkerCreated);
  EXPECT_TRUE(bWorkerAttached);

  CWnd wnd;
  EXPECT_TRUE(wnd.CreateEx(0, nullptr, "interface", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  EXPECT_NE(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
  wnd.DestroyWindow();
}

}  // namespace

// ---- threads the framework starts -------------------------------------------------------

namespace {

constexpr UINT WM_PROGRESS = WM_APP + 10;

// A frame the user scrolls while a worker reports its progress to it.
class CProgressFrame : public CFrameWnd {
 public:
  std::vector<WPARAM> progress;  // in the order the frame got them
  int nScrolls = 0;
  int nScrollsBetween = 0;  // scrolls that came after some progress and before the last

 protected:
  afx_msg LRESULT OnProgress(WPARAM wParam, LPARAM) {
    progress.push_back(wParam);
    return 0;
  }
  afx_msg void OnVScroll(UINT nSBCode, UINT, CScrollBar*) {
    if (nSBCode != SB_LINEDOWN) return;
    ++nScrolls;
    if (!progress.empty()) ++nScrollsBetween;
    SetScrollPos(SB_VERT, GetScrollPos(SB_VERT) + 1);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProgressFrame, CFrameWnd)
  ON_MESSAGE(WM_PROGRESS, OnProgress)
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

struct ProgressJob {
  UINT nSteps;
  HANDLE hStarted;     // set when the worker runs
  CWinThread* pSeenThread = nullptr;
  int nPriority = 0;
};

// Reports each step to the application's main window, as a worker does.
UINT AFX_CDECL ReportProgress(LPVOID pParam) {
  auto* pJob = static_cast<ProgressJob*>(pParam);
  pJob->pSeenThread = AfxGetThread();
  pJob->nPriority = ::GetThreadPriority(::GetCurrentThread());
  ::SetEvent(pJob->hStarted);
  for (UINT i = 0; i < pJob->nSteps; ++i) {
    AfxGetMainWnd()->PostMessage(WM_PROGRESS, i);
    if (i % 16 == 0) ::Sleep(1);
  }
  return pJob->nSteps;
}

// The thread's handle, kept past its object (which deletes itself when
// the thread ends: the thread must be suspended, or known to be running,
// while this reads it).
HANDLE KeepHandle(const CWinThread* pThread) {
  HANDLE h = nullptr;
  ::DuplicateHandle(::GetCurrentProcess(), pThread->m_hThread, ::GetCurrentProcess(), &h, 0, FALSE,
                    DUPLICATE_SAME_ACCESS);
  return h;
}

// Starts a worker whose object deletes itself; its handle, kept for the test.
HANDLE BeginWorker(AFX_THREADPROC pfn, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                   CWinThread** ppThread = nullptr) {
  CWinThread* pThread = AfxBeginThread(pfn, pParam, nPriority, 0, CREATE_SUSPENDED);
  if (pThread == nullptr) return nullptr;
  if (ppThread != nullptr) *ppThread = pThread;
  const HANDLE hThread = KeepHandle(pThread);
  pThread->ResumeThread();
  return hThread;
}

DWORD ExitCodeAfterEnd(HANDLE hThread) {
  DWORD dwCode = STILL_ACTIVE;
  if (::WaitForSingleObject(hThread, 20000) == WAIT_OBJECT_0) ::GetExitCodeThread(hThread, &dwCode);
  ::CloseHandle(hThread);
  return dwCode;
}

}  // namespace

TEST(Threads, AWorkerReportsProgressToTheFrameWhileTheUserScrolls) {
  auto* pFrame = new CProgressFrame;
  ASSERT_TRUE(pFrame->Create(nullptr, "Progress", WS_OVERLAPPEDWINDOW | WS_VSCROLL));
  pFrame->SetScrollRange(SB_VERT, 0, 100000, FALSE);
  CWnd* pOldMain = TestApp().m_pMainWnd;
  TestApp().m_pMainWnd = pFrame;

  constexpr UINT kSteps = 400;
  ProgressJob job{kSteps, ::CreateEventA(nullptr, TRUE, FALSE, nullptr)};
  CWinThread* pThread = nullptr;
  const HANDLE hThread =
      BeginWorker(&ReportProgress, &job, THREAD_PRIORITY_BELOW_NORMAL, &pThread);
  ASSERT_NE(hThread, nullptr);
  ::WaitForSingleObject(job.hStarted, 20000);
  // The user scrolls while the reports come in: each scroll is sent, as
  // the scroll bar sends it, between the posted reports.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (pFrame->progress.size() < kSteps && std::chrono::steady_clock::now() < deadline) {
    pFrame->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    MSG msg;
    if (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) TestApp().PumpMessage();
  }
  EXPECT_EQ(ExitCodeAfterEnd(hThread), kSteps) << "the function's result is the exit code";
  PumpPending();

  ASSERT_EQ(pFrame->progress.size(), kSteps);
  for (UINT i = 0; i < kSteps; ++i) ASSERT_EQ(pFrame->progress[i], i) << "in order, none lost";
  EXPECT_GT(pFrame->nScrollsBetween, 0) << "scrolled while the reports came in";
  EXPECT_EQ(pFrame->GetScrollPos(SB_VERT), pFrame->nScrolls) << "every scroll handled";
  EXPECT_EQ(job.pSeenThread, pThread) << "AfxGetThread in the worker";
  EXPECT_EQ(job.nPriority, THREAD_PRIORITY_BELOW_NORMAL);
  EXPECT_EQ(AfxGetThread(), &TestApp()) << "the application is the interface thread's";
  TestApp().m_pMainWnd = pOldMain;
  pFrame->DestroyWindow();
  ::CloseHandle(job.hStarted);
}

namespace {

struct WorkerRecord {
  std::atomic<bool> bRan{false};
  std::atomic<bool> bAfterEnd{false};
  ULONG_PTR nStackReserved = 0;
};

UINT AFX_CDECL EndEarly(LPVOID pParam) {
  auto* pRecord = static_cast<WorkerRecord*>(pParam);
  // The stack's reservation: the regions of the allocation it lies in.
  MEMORY_BASIC_INFORMATION info = {};
  ::VirtualQuery(&info, &info, sizeof info);
  const PVOID pBase = info.AllocationBase;
  auto* p = static_cast<const char*>(pBase);
  while (::VirtualQuery(p, &info, sizeof info) != 0 && info.AllocationBase == pBase) {
    p += info.RegionSize;
  }
  pRecord->nStackReserved = static_cast<ULONG_PTR>(p - static_cast<const char*>(pBase));
  pRecord->bRan = true;
  AfxEndThread(42);
  pRecord->bAfterEnd = true;  // never reached
  return 7;
}

}  // namespace

TEST(Threads, WorkerStartsSuspendedWithItsStackAndEndsWithAfxEndThread) {
  constexpr UINT kStack = 8u << 20;  // above the program's default reservation
  WorkerRecord record;
  CWinThread* pThread = AfxBeginThread(&EndEarly, &record, THREAD_PRIORITY_NORMAL, kStack,
                                       CREATE_SUSPENDED);
  ASSERT_NE(pThread, nullptr);
  ::Sleep(100);
  EXPECT_FALSE(record.bRan) << "suspended until resumed";
  // Kept by its creator: the object outlives the thread.
  pThread->m_bAutoDelete = FALSE;
  EXPECT_TRUE(pThread->PostThreadMessage(WM_APP, 0, 0)) << "it has a queue already";
  EXPECT_EQ(pThread->ResumeThread(), 1u);
  ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 20000), WAIT_OBJECT_0);
  DWORD dwCode = 0;
  ::GetExitCodeThread(pThread->m_hThread, &dwCode);
  EXPECT_EQ(dwCode, 42u) << "AfxEndThread's code";
  EXPECT_TRUE(record.bRan);
  EXPECT_FALSE(record.bAfterEnd);
  EXPECT_GE(record.nStackReserved, kStack);
  delete pThread;
}

namespace {

constexpr UINT WM_ASK_THREAD = WM_APP + 20;
constexpr UINT WM_PING = WM_APP + 21;
const UINT g_nRegisteredPing = ::RegisterWindowMessageA("VarnelThreadTestPing");

// What the interface thread saw, read by the test after the thread ended.
struct WindowThreadRecord {
  HANDLE hReady = nullptr;   // its window exists
  HANDLE hPinged = nullptr;  // both thread messages arrived
  HWND hWnd = nullptr;
  const void* pObject = nullptr;
  std::vector<std::pair<UINT, std::pair<WPARAM, LPARAM>>> pings;
  bool bOwnThreadInPings = true;
  bool bOwnMainWnd = false;
  bool bExited = false;
  bool bDeleted = false;
} g_windowThread;

// Its window answers on its own thread.
class CThreadWnd : public CWnd {
 protected:
  afx_msg LRESULT OnAskThread(WPARAM, LPARAM) { return ::GetCurrentThreadId(); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThreadWnd, CWnd)
  ON_MESSAGE(WM_ASK_THREAD, OnAskThread)
END_MESSAGE_MAP()

class CWindowThread : public CWinThread {
  DECLARE_DYNCREATE(CWindowThread)

 public:
  ~CWindowThread() override { g_windowThread.bDeleted = true; }

  BOOL InitInstance() override {
    if (!m_wnd.CreateEx(0, nullptr, "interface thread", WS_POPUP, 0, 0, 20, 20, nullptr,
                        nullptr)) {
      return FALSE;
    }
    m_pMainWnd = &m_wnd;
    g_windowThread.hWnd = m_wnd.m_hWnd;
    g_windowThread.pObject = this;
    g_windowThread.bOwnMainWnd = AfxGetMainWnd() == &m_wnd;
    ::SetEvent(g_windowThread.hReady);
    return TRUE;
  }
  int ExitInstance() override {
    g_windowThread.bExited = true;
    return CWinThread::ExitInstance() + 5;
  }

 protected:
  void Record(UINT message, WPARAM wParam, LPARAM lParam) {
    g_windowThread.pings.push_back({message, {wParam, lParam}});
    if (AfxGetThread() != this || ::GetCurrentThreadId() != m_nThreadID) {
      g_windowThread.bOwnThreadInPings = false;
    }
    if (g_windowThread.pings.size() == 2) ::SetEvent(g_windowThread.hPinged);
  }
  afx_msg void OnPing(WPARAM wParam, LPARAM lParam) { Record(WM_PING, wParam, lParam); }
  afx_msg void OnRegisteredPing(WPARAM wParam, LPARAM lParam) {
    Record(g_nRegisteredPing, wParam, lParam);
  }
  DECLARE_MESSAGE_MAP()

 private:
  CThreadWnd m_wnd;
};

IMPLEMENT_DYNCREATE(CWindowThread, CWinThread)

BEGIN_MESSAGE_MAP(CWindowThread, CWinThread)
  ON_THREAD_MESSAGE(WM_PING, OnPing)
  ON_REGISTERED_THREAD_MESSAGE(g_nRegisteredPing, OnRegisteredPing)
END_MESSAGE_MAP()

}  // namespace

TEST(Threads, AnInterfaceThreadRunsItsWindowAndMapAndEndsWithItsWindow) {
  WindowThreadRecord& record = g_windowThread;
  record.hReady = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  record.hPinged = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
  CWnd* pAppMainWnd = TestApp().m_pMainWnd;

  CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CWindowThread));
  ASSERT_NE(pThread, nullptr);
  const DWORD nThreadID = pThread->m_nThreadID;
  const HANDLE hThread = KeepHandle(pThread);
  ASSERT_EQ(::WaitForSingleObject(record.hReady, 20000), WAIT_OBJECT_0);
  EXPECT_EQ(record.pObject, pThread);

  // Posted to the thread, with no window: its map handles them.
  EXPECT_TRUE(pThread->PostThreadMessage(WM_PING, 7, 8));
  EXPECT_TRUE(::PostThreadMessageA(nThreadID, g_nRegisteredPing, 9, 10));
  EXPECT_EQ(::WaitForSingleObject(record.hPinged, 20000), WAIT_OBJECT_0);
  // Its window's map runs on its thread.
  EXPECT_EQ(static_cast<DWORD>(::SendMessageA(record.hWnd, WM_ASK_THREAD, 0, 0)), nThreadID);

  // Closing its window ends the thread, and only that thread.
  ::PostMessageA(record.hWnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(ExitCodeAfterEnd(hThread), 5u) << "ExitInstance's result";
  EXPECT_FALSE(::IsWindow(record.hWnd));
  EXPECT_TRUE(record.bExited);
  EXPECT_TRUE(record.bDeleted) << "the object deleted itself";
  EXPECT_TRUE(record.bOwnMainWnd) << "AfxGetMainWnd on the thread is its own window";
  EXPECT_TRUE(record.bOwnThreadInPings);
  const decltype(record.pings) expected = {{WM_PING, {7, 8}}, {g_nRegisteredPing, {9, 10}}};
  EXPECT_EQ(record.pings, expected);
  MSG msg;
  EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
      << "the application goes on";
  EXPECT_EQ(TestApp().m_pMainWnd, pAppMainWnd);
  EXPECT_EQ(AfxGetThread(), &TestApp());
  ::CloseHandle(record.hReady);
  ::CloseHandle(record.hPinged);
}

namespace {

constexpr UINT WM_APP_NOTICE = WM_APP + 30;

// An application whose map takes the messages posted to its thread; the
// one notice that comes during a modal dialog ends the dialog.
class CNoticeApp : public CWinApp {
 public:
  CNoticeApp() : CWinApp("Notices") {}
  std::vector<std::pair<WPARAM, LPARAM>> notices;
  CDialog* pDialog = nullptr;  // the modal dialog up, if any
  int DoMessageBox(LPCSTR, UINT, UINT) override { return IDOK; }

 protected:
  afx_msg void OnNotice(WPARAM wParam, LPARAM lParam) {
    notices.push_back({wParam, lParam});
    if (pDialog != nullptr) pDialog->EndDialog(IDCANCEL);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoticeApp, CWinApp)
  ON_THREAD_MESSAGE(WM_APP_NOTICE, OnNotice)
END_MESSAGE_MAP()

// Ends the dialog if the notice never comes.
CDialog* g_pLateDialog = nullptr;
void CALLBACK EndDialogLate(HWND, UINT, UINT_PTR, DWORD) {
  if (g_pLateDialog != nullptr) g_pLateDialog->EndDialog(IDABORT);
}

UINT AFX_CDECL NotifyTheApplication(LPVOID) {
  for (WPARAM i = 1; i <= 3; ++i) AfxGetApp()->PostThreadMessage(WM_APP_NOTICE, i, 0);
  return 0;
}

}  // namespace

TEST(Threads, MessagesPostedToTheInterfaceThreadReachTheApplicationsMap) {
  CNoticeApp app;  // the application, and this thread's object, while it lives
  ASSERT_EQ(AfxGetThread(), &app);
  EXPECT_EQ(app.m_nThreadID, ::GetCurrentThreadId());

  const HANDLE hWorker = BeginWorker(&NotifyTheApplication, nullptr);
  ASSERT_NE(hWorker, nullptr);
  EXPECT_EQ(ExitCodeAfterEnd(hWorker), 0u);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
    app.PumpMessage();
  }
  const std::vector<std::pair<WPARAM, LPARAM>> expected = {{1, 0}, {2, 0}, {3, 0}};
  EXPECT_EQ(app.notices, expected) << "a worker's notices, in order";

  // A modal dialog's loop hands them on too.
  app.notices.clear();
  auto dlgTemplate = MakeFieldDialogTemplate();
  CDialog dlg;
  ASSERT_TRUE(dlg.InitModalIndirect(dlgTemplate->Get()));
  app.pDialog = g_pLateDialog = &dlg;
  const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 5000, &EndDialogLate);
  app.PostThreadMessage(WM_APP_NOTICE, 99, 5);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL) << "the notice ended the dialog";
  ::KillTimer(nullptr, nTimer);
  g_pLateDialog = nullptr;
  EXPECT_EQ(app.notices, (std::vector<std::pair<WPARAM, LPARAM>>{{99, 5}}));
}
