// The window machinery: the handle map, the creation hook that attaches an
// object to its window before the window's first message, and the window
// procedure that hands each message to its object (dispatch through the
// message maps is in AfxWndDispatch.cpp). The framework runs on one user-interface thread,
// so this state has no lock.
#include "afx/wnd/AfxWin.h"

#include "afx/base/AfxException.h"
#include "afx/wnd/AfxWndInternal.h"

#include <algorithm>
#include <exception>
#include <map>
#include <vector>

namespace {

struct ThreadState {
  HHOOK hHookCbt = nullptr;
  CWnd* pWndInit = nullptr;  // the object waiting for the next created window
  MSG lastSentMsg = {};      // the message being handled, for Default()
  // The hook procedure lives in this library: it goes when the library
  // is unloaded.
  ~ThreadState() {
    if (hHookCbt != nullptr) ::UnhookWindowsHookEx(hHookCbt);
  }
};

ThreadState& State() {
  static ThreadState state;
  return state;
}

std::map<HWND, CWnd*>& PermanentMap() {
  static std::map<HWND, CWnd*> map;
  return map;
}

// The temporary window objects (AfxWndInternal.h).
struct TempObjects {
  std::vector<CWnd*> objects;
  ~TempObjects() { Clear(); }
  void Clear() {
    for (CWnd* pWnd : objects) {
      pWnd->m_hWnd = nullptr;
      delete pWnd;
    }
    objects.clear();
  }
};

TempObjects& Temps() {
  static TempObjects temps;
  return temps;
}

LONG_PTR WndProcValue() { return reinterpret_cast<LONG_PTR>(&AfxWndProc); }

template <class E>
LRESULT ReportWndProcException(E e, const MSG& msg) {
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) return pApp->ProcessWndProcException(e, &msg);
  return AfxResultAfterException(msg);
}

}  // namespace

std::vector<CWnd*>& AfxTempWndObjects() { return Temps().objects; }

const MSG& AfxLastSentMessage() { return State().lastSentMsg; }

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
    for (const auto& entry : PermanentMap()) {
      CWnd* pWnd = entry.second;
      if (pWnd->m_pfnSuper == nullptr &&
          (entry.first == hWnd || ::IsChild(hWnd, entry.first))) {
        attachedOnly.push_back(pWnd);
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

void AfxDeleteTempWnds() { Temps().Clear(); }

LPCSTR AfxDefaultWndClass() {
  static const char kClassName[] = "VarnelWnd";
  static bool registered = false;
  if (!registered) {
    WNDCLASSA wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = kClassName;
    registered = ::RegisterClassA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
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
  } catch (CException* e) {
    result = ReportWndProcException(e, state.lastSentMsg);
    e->Delete();
  } catch (const std::exception& e) {
    result = ReportWndProcException(e.what(), state.lastSentMsg);
  } catch (...) {
    result = ReportWndProcException(static_cast<LPCSTR>(nullptr), state.lastSentMsg);
  }
  state.lastSentMsg = saved;
  if (message == WM_NCDESTROY) pWnd->OnNcDestroyed();
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
  const auto& map = PermanentMap();
  const auto it = map.find(hWnd);
  return it == map.end() ? nullptr : it->second;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  if (CWnd* pWnd = FromHandlePermanent(hWnd)) return pWnd;
  return AfxTempWnd<CWnd>(hWnd, RUNTIME_CLASS(CWnd));
}

BOOL CWnd::Attach(HWND hWndNew) {
  if (hWndNew == nullptr || m_hWnd != nullptr || FromHandlePermanent(hWndNew) != nullptr) {
    return FALSE;
  }
  EnsureCbtHook();  // to hear of the window's destruction
  PermanentMap()[hWndNew] = this;
  m_hWnd = hWndNew;
  return TRUE;
}

HWND CWnd::Detach() {
  const HWND hWnd = m_hWnd;
  if (hWnd == nullptr) return nullptr;
  auto& map = PermanentMap();
  const auto it = map.find(hWnd);
  if (it != map.end() && it->second == this) map.erase(it);
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
  // The application ends with its main window.
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr && pApp->m_pMainWnd == this) {
    pApp->m_pMainWnd = nullptr;
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
  if (!PreCreateWindow(cs)) return FALSE;

  AfxHookWindowCreate(this);
  const HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                      static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                      cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  AfxUnhookWindowCreate();
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
