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
    AfxDeleteTempMap();
    seen.bFreedByOwnCleanUp = CDC::FromHandle(hDC)->m_bPrinting == FALSE;
  });
  workerMarked.get_future().wait();
  AfxDeleteTempMap();  // the interface thread's idle clean-up
  EXPECT_FALSE(CDC::FromHandle(hDC)->m_bPrinting) << "a fresh wrapper after the clean-up";
  interfaceCleaned.set_value();
  worker.join();

  EXPECT_TRUE(seen.bOwnContextWrapper);
  EXPECT_TRUE(seen.bOwnWrapperFresh);
  EXPECT_TRUE(seen.bOwnWindowObject);
  EXPECT_TRUE(seen.bAttachedFound) << "attached objects are found from any thread";
  EXPECT_TRUE(seen.bKeptThroughOthersCleanUp);
  EXPECT_TRUE(seen.bFreedByOwnCleanUp);
  attached.DestroyWindow();
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
