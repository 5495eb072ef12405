// The window machinery: the handle map, the creation hook that attaches an
// object to its window before the window's first message, the window
// procedure that dispatches through the message maps, and reflection of
// control notifications. The framework runs on one user-interface thread,
// so this state has no lock.
#include "afx/AfxWin.h"

#include "afx/AfxControls.h"
#include "afx/AfxDC.h"
#include "afx/AfxDataExchange.h"
#include "afx/AfxMenu.h"
#include "afx/AfxException.h"

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

// Temporary objects for windows that have none of their own. They never
// subclass, so dropping one only forgets its handle.
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

template <class T>
T* TempObject(HWND hWnd, const CRuntimeClass* pClass) {
  for (CWnd* pWnd : Temps().objects) {
    if (pWnd->m_hWnd == hWnd && pWnd->GetRuntimeClass() == pClass) {
      return static_cast<T*>(pWnd);
    }
  }
  T* pNew = new T;
  pNew->m_hWnd = hWnd;
  Temps().objects.push_back(pNew);
  return pNew;
}

LONG_PTR WndProcValue() { return reinterpret_cast<LONG_PTR>(&AfxWndProc); }

// The result a message gets when its handler threw: creation fails, a
// paint is done with (or it would come back at once), anything else 0.
LRESULT DefaultResultAfterException(const MSG& msg) {
  if (msg.message == WM_CREATE) return -1;
  if (msg.message == WM_PAINT) ::ValidateRect(msg.hwnd, nullptr);
  return 0;
}

template <class E>
LRESULT ReportWndProcException(E e, const MSG& msg) {
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr) return pApp->ProcessWndProcException(e, &msg);
  return DefaultResultAfterException(msg);
}

}  // namespace

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg) {
  // A user exception was told by whoever threw it.
  if (e != nullptr && e->IsKindOf(RUNTIME_CLASS(CUserException))) {
    return DefaultResultAfterException(*pMsg);
  }
  return ProcessWndProcException(static_cast<LPCSTR>(nullptr), pMsg);
}

LRESULT CWinApp::ProcessWndProcException(LPCSTR lpszWhat, const MSG* pMsg) {
  // One prompt at a time: the message box pumps messages, and a handler
  // that throws again must not stack prompts on top of each other.
  static bool bReporting = false;
  if (!bReporting) {
    bReporting = true;
    CString text("An unexpected error stopped the last operation.");
    if (lpszWhat != nullptr && *lpszWhat != '\0') {
      text += "\n\n";
      text += lpszWhat;
    }
    AfxMessageBox(text, MB_ICONEXCLAMATION);
    bReporting = false;
  }
  return DefaultResultAfterException(*pMsg);
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

void AfxDeleteTempMap() {
  Temps().Clear();
  CDC::DeleteTempMap();
  CGdiObject::DeleteTempMap();
  CMenu::DeleteTempMap();
}

CScrollBar* AfxScrollBarFromHandle(HWND hWnd) {
  if (hWnd == nullptr) return nullptr;
  CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
  if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CScrollBar))) {
    return static_cast<CScrollBar*>(pWnd);
  }
  return TempObject<CScrollBar>(hWnd, RUNTIME_CLASS(CScrollBar));
}

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

// ---- CCmdTarget ---------------------------------------------------------------

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {nullptr, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  const AFX_MSGMAP_ENTRY* pEntry =
      AfxFindMessageEntry(GetMessageMap(), WM_COMMAND, static_cast<UINT>(nCode), nID);
  if (pEntry == nullptr) return FALSE;
  if (pHandlerInfo != nullptr) {
    pHandlerInfo->pTarget = this;
    return TRUE;
  }
  // The thunks of ID ranges read the ID, those of updates the CCmdUI.
  return pEntry->pfn(this, nID, reinterpret_cast<LPARAM>(pExtra)) != AFX_CONTINUE_ROUTING;
}

const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                            UINT nID) {
  for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->pfn != nullptr; ++p) {
      if (p->nMessage == nMessage && p->nCode == nCode && p->nID <= nID && nID <= p->nLastID) {
        return p;
      }
    }
  }
  return nullptr;
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
  return TempObject<CWnd>(hWnd, RUNTIME_CLASS(CWnd));
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

// ---- CWnd: dispatch ----------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) {
    result = DefWindowProc(message, wParam, lParam);
  }
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 0;
    return TRUE;
  }
  // Notifications that carry the sending control go back to it first.
  HWND hWndChild = nullptr;
  if (message == WM_DRAWITEM) {
    const auto* pDis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (pDis != nullptr && pDis->CtlType != ODT_MENU) hWndChild = pDis->hwndItem;
  } else if (message == WM_HSCROLL || message == WM_VSCROLL) {
    hWndChild = reinterpret_cast<HWND>(lParam);
  }
  if (hWndChild != nullptr && ReflectToChild(hWndChild, message, wParam, lParam, pResult)) {
    return TRUE;
  }
  const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
  if (pEntry == nullptr) return FALSE;
  *pResult = pEntry->pfn(this, wParam, lParam);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT nID = LOWORD(wParam);
  const HWND hWndControl = reinterpret_cast<HWND>(lParam);
  int nCode = HIWORD(wParam);
  if (hWndControl != nullptr) {
    LRESULT result = 0;
    if (ReflectToChild(hWndControl, WM_COMMAND, wParam, lParam, &result)) return TRUE;
  } else {
    nCode = 0;  // a menu command or an accelerator
  }
  return OnCmdMsg(nID, nCode);
}

bool CWnd::ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* pResult) {
  CWnd* pChild = FromHandlePermanent(hWndChild);
  if (pChild == nullptr || pChild == this) return false;
  return pChild->OnChildNotify(message, wParam, lParam, pResult) != FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  const UINT nCode = message == WM_COMMAND ? HIWORD(wParam) : 0;
  const AFX_MSGMAP_ENTRY* pEntry =
      AfxFindMessageEntry(GetMessageMap(), message + WM_REFLECT_BASE, nCode, 0);
  if (pEntry == nullptr) return FALSE;
  const LRESULT result = pEntry->pfn(this, wParam, lParam);
  if (pResult != nullptr) *pResult = result;
  return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
  return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  const MSG& msg = State().lastSentMsg;
  return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
  for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
    // Stop at the top-level window: GetParent of a popup is its owner.
    if (hWnd == hWndStop || (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return FALSE;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  try {
    DoDataExchange(&dx);
  } catch (CUserException* e) {
    // The user has been told already (Fail's caller showed the prompt).
    e->Delete();
    return FALSE;
  }
  return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// ---- CWnd: modal loops ----------------------------------------------------------

namespace {

// A host without an application object still gets PreTranslateMessage in
// modal loops.
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

int CWnd::RunModalLoop() {
  const HWND hWnd = m_hWnd;
  if (m_nModalState == kModalIdle) m_nModalState = kModalRunning;
  while (m_nModalState == kModalRunning) {
    CWinApp* pApp = AfxGetApp();
    if (!(pApp != nullptr ? pApp->PumpMessage() : PumpWithoutApp())) {
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

// ---- default handlers --------------------------------------------------------------

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
  static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
  static const AFX_MSGMAP map = {&CCmdTarget::GetThisMessageMap, &entries[0]};
  return &map;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

void CWnd::OnPaint() { Default(); }
int CWnd::OnCreate(LPCREATESTRUCTA) { return static_cast<int>(Default()); }
void CWnd::OnClose() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnTimer(UINT) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnLButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnRButtonDown(UINT, POINT) { Default(); }
void CWnd::OnRButtonUp(UINT, POINT) { Default(); }
void CWnd::OnRButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnMButtonDown(UINT, POINT) { Default(); }
void CWnd::OnMButtonUp(UINT, POINT) { Default(); }
void CWnd::OnMButtonDblClk(UINT, POINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnContextMenu(CWnd*, POINT) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMouseHWheel(UINT, short, POINT) { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, POINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnSettingChange(UINT, LPCSTR) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnLButtonDown(UINT, POINT) { Default(); }
void CWnd::OnLButtonUp(UINT, POINT) { Default(); }
void CWnd::OnMouseMove(UINT, POINT) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
