// The window machinery: the handle map, the creation hook that attaches an
// object to its window before the window's first message, and the window
// procedure that hands each message to its object (dispatch through the
// message maps is in AfxWndDispatch.cpp).
//
// Windows may be created and used on several threads. The objects attached
// to windows are found from any thread (the permanent map has a lock); what
// a thread is doing stays its own: the object waiting for its next window,
// the message it is handling, the window whose data it is exchanging, and
// the temporary objects FromHandle gave it.
#include "afx/wnd/AfxWin.h"

#include "afx/app/AfxThreadLocal.h"
#include "afx/base/AfxException.h"
#include "afx/wnd/AfxWndInternal.h"

#include <algorithm>
#include <exception>
#include <new>
#include <map>
#include <mutex>
#include <vector>

namespace {

struct ThreadState {
  HHOOK hHookCbt = nullptr;
  CWnd* pWndInit = nullptr;          // the object waiting for the next created window
  MSG lastSentMsg = {};              // the message being handled, for Default()
  HWND hWndLockoutNotify = nullptr;  // the window whose data UpdateData is exchanging
  bool bReportingException = false;  // a prompt about an exception is up
  // The temporary window objects (AfxWndInternal.h).
  std::vector<CWnd*> temps;

  ThreadState() = default;
  ThreadState(const ThreadState&) = delete;
  ThreadState& operator=(const ThreadState&) = delete;
  ~ThreadState() {
    ClearTemps();
    // The hook procedure lives in this library: the hook goes with the
    // thread, or before the library is unloaded.
    if (hHookCbt != nullptr) ::UnhookWindowsHookEx(hHookCbt);
  }
  void ClearTemps() {
    for (CWnd* pWnd : temps) {
      pWnd->m_hWnd = nullptr;
      delete pWnd;
    }
    temps.clear();
  }
};

ThreadState& State() {
  static auto* state = new CThreadLocal<ThreadState>;
  return *state->Get();
}

// The objects attached to windows, of every thread. Never destroyed:
// objects that are static may detach after every other static is gone.
struct PermanentMap {
  std::mutex mutex;
  std::map<HWND, CWnd*> map;
};

PermanentMap& Permanent() {
  static auto* map = new PermanentMap;
  return *map;
}

LONG_PTR WndProcValue() { return reinterpret_cast<LONG_PTR>(&AfxWndProc); }

template <class E>
LRESULT ReportWndProcException(E e, const MSG& msg) {
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) return pApp->ProcessWndProcException(e, &msg);
  return AfxResultAfterException(msg);
}

}  // namespace

std::vector<CWnd*>& AfxTempWndObjects() { return State().temps; }

const MSG& AfxLastSentMessage() { return State().lastSentMsg; }

HWND& AfxLockoutNotifyWindow() { return State().hWndLockoutNotify; }

bool& AfxReportingException() { return State().bReportingException; }

// The result a message gets when its handler threw: creation fails, a
// paint is done with (or it would come back at once), anything else 0.
LRESULT AfxResultAfterException(const MSG& msg) {
  if (msg.message == WM_CREATE) return -1;
  if (msg.message == WM_PAINT) ::ValidateRect(msg.hwnd, nullptr);
  return 0;
}

LRESULT CALLBACK AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam) {
  ThreadState& state = State();
  const HWND hWnd = reinterpret_cast<HWND>(wParam);
  if (nCode == HCBT_CREATEWND && state.pWndInit != nullptr) {
    CWnd* pWnd = state.pWndInit;
    state.pWndInit = nullptr;
    if (pWnd->Attach(hWnd)) {
      pWnd->PreSubclassWindow();
      pWnd->m_pfnSuper = reinterpret_cast<WNDPROC>(
          ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, WndProcValue()));
    }
  } else if (nCode == HCBT_DESTROYWND) {
    // Objects attached without subclassing never see their window's
    // WM_NCDESTROY; they are detached here, just before the window and
    // its children go.
    std::vector<CWnd*> attachedOnly;
    {
      PermanentMap& permanent = Permanent();
      const std::lock_guard<std::mutex> lock(permanent.mutex);
      for (const auto& entry : permanent.map) {
        CWnd* pWnd = entry.second;
        if (pWnd->m_pfnSuper == nullptr &&
            (entry.first == hWnd || ::IsChild(hWnd, entry.first))) {
          attachedOnly.push_back(pWnd);
        }
      }
    }
    for (CWnd* pWnd : attachedOnly) pWnd->Detach();
  }
  return ::CallNextHookEx(state.hHookCbt, nCode, wParam, lParam);
}

namespace {

void EnsureCbtHook() {
  ThreadState& state = State();
  if (state.hHookCbt == nullptr) {
    state.hHookCbt =
        ::SetWindowsHookExA(WH_CBT, &AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
  }
}

}  // namespace

void AfxHookWindowCreate(CWnd* pWnd) {
  EnsureCbtHook();
  State().pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
  ThreadState& state = State();
  const BOOL bTaken = state.pWndInit == nullptr;
  state.pWndInit = nullptr;
  return bTaken;
}

void AfxDeleteTempWnds() { State().ClearTemps(); }

int AfxPermanentWndCount() {
  PermanentMap& permanent = Permanent();
  const std::lock_guard<std::mutex> lock(permanent.mutex);
  return static_cast<int>(permanent.map.size());
}

LPCSTR AfxDefaultWndClass() {
  static const char kClassName[] = "VarnelWnd";
  // Registered once, whichever thread asks first.
  static const bool bRegistered = [] {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = kClassName;
    return ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  static_cast<void>(bRegistered);
  return kClassName;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd == nullptr) return ::DefWindowProcA(hWnd, message, wParam, lParam);

  ThreadState& state = State();
  const MSG saved = state.lastSentMsg;
  state.lastSentMsg = MSG{hWnd, message, wParam, lParam, 0, {0, 0}};
  LRESULT result = 0;
  // Nothing may unwind through the system's frames: every exception stops
  // here, is told to the user once, and the message gets its default
  // result.
  try {
    result = pWnd->WindowProc(message, wParam, lParam);
    // The framework's clean-up after the window's last message, for a
    // handler of it that did not call CWnd::OnNcDestroy. An object its
    // handler deleted has left the map (its destructor detaches it), so
    // it is not touched.
    if (message == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
      pWnd->OnNcDestroyed();
    }
  } catch (CException* e) {
    result = ReportWndProcException(e, state.lastSentMsg);
    e->Delete();
  } catch (const std::bad_alloc&) {
    // Memory ran out outside the framework's own allocations: told as
    // theirs are.
    CMemoryException memory;
    result = ReportWndProcException(static_cast<CException*>(&memory), state.lastSentMsg);
  } catch (const std::exception& e) {
    result = ReportWndProcException(e.what(), state.lastSentMsg);
  } catch (...) {
    result = ReportWndProcException(static_cast<LPCSTR>(nullptr), state.lastSentMsg);
  }
  state.lastSentMsg = saved;
  return result;
}

// ---- CWnd: handle map ------------------------------------------------------------

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
  if (m_hWnd != nullptr) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  PermanentMap& permanent = Permanent();
  const std::lock_guard<std::mutex> lock(permanent.mutex);
  const auto it = permanent.map.find(hWnd);
  return it == permanent.map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
  return AfxTempWnd<CWnd>(hWnd, RUNTIME_CLASS(CWnd));
}

BOOL CWnd::Attach(HWND hWndNew) {
  if (hWndNew == nullptr || m_hWnd != nullptr) return FALSE;
  {
    PermanentMap& permanent = Permanent();
    const std::lock_guard<std::mutex> lock(permanent.mutex);
    if (!permanent.map.emplace(hWndNew, this).second) return FALSE;
    m_hWnd = hWndNew;
  }
  EnsureCbtHook();  // to hear of the window's destruction
  return TRUE;
}

HWND CWnd::Detach() {
  const HWND hWnd = m_hWnd;
  if (hWnd == nullptr) return nullptr;
  {
    PermanentMap& permanent = Permanent();
    const std::lock_guard<std::mutex> lock(permanent.mutex);
    const auto it = permanent.map.find(hWnd);
    if (it != permanent.map.end() && it->second == this) permanent.map.erase(it);
  }
  // A window left with our procedure and no object would lose its own.
  if (m_pfnSuper != nullptr && ::IsWindow(hWnd) &&
      ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC) == WndProcValue()) {
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  }
  m_pfnSuper = nullptr;
  m_hWnd = nullptr;
  return hWnd;
}

void CWnd::OnNcDestroyed() {
  if (m_hWnd == nullptr) return;
  // A thread ends with its main window: the application's, or a
  // user-interface thread's (the window is its own thread's, since that
  // thread is the one destroying it). A thread the framework did not start
  // has only the application to ask.
  CWinThread* pThread = AfxGetThread();
  if (pThread == nullptr || pThread->m_pMainWnd != this) pThread = AfxGetApp();
  if (pThread != nullptr && pThread->m_pMainWnd == this) {
    pThread->m_pMainWnd = nullptr;
    AfxPostQuitMessage(0);
  }
  Detach();
  PostNcDestroy();  // may delete this
}

// ---- CWnd: creation and subclassing ---------------------------------------------

BOOL CWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr) cs.lpszClass = AfxDefaultWndClass();
  return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam) {
  if (m_hWnd != nullptr) return FALSE;
  CREATESTRUCTA cs = {};
  cs.dwExStyle = dwExStyle;
  cs.lpszClass = lpszClassName;
  cs.lpszName = lpszWindowName;
  cs.style = static_cast<LONG>(dwStyle);
  cs.x = x;
  cs.y = y;
  cs.cx = nWidth;
  cs.cy = nHeight;
  cs.hwndParent = hWndParent;
  cs.hMenu = nIDorHMenu;
  cs.hInstance = AfxGetInstanceHandle();
  cs.lpCreateParams = lpParam;
  // A creation that ends before the window reaches this object still ends
  // the object's way (PostNcDestroy, where frames and views delete
  // themselves), as one that fails later does through WM_NCDESTROY.
  if (!PreCreateWindow(cs)) {
    PostNcDestroy();
    return FALSE;
  }
  AfxHookWindowCreate(this);
  const HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                      static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                      cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (!AfxUnhookWindowCreate()) PostNcDestroy();  // may delete this
  return hWnd != nullptr;
}

BOOL CWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top,
                  pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::DestroyWindow() {
  const HWND hWnd = m_hWnd;
  if (hWnd == nullptr) return FALSE;
  const BOOL bResult = ::DestroyWindow(hWnd);
  // PostNcDestroy may have deleted this; touch it only if still mapped.
  if (FromHandlePermanent(hWnd) == this && !::IsWindow(hWnd)) Detach();
  return bResult;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  m_pfnSuper = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, WndProcValue()));
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (pParent == nullptr) return FALSE;
  const HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
  return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() { return Detach(); }
