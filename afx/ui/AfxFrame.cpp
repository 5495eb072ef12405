#include "afx/ui/AfxFrame.h"

#include "afx/wnd/AfxMenu.h"
#include "afx/ui/AfxDoc.h"
#include "afx/ui/AfxView.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
  ON_WM_CREATE()
  ON_WM_CLOSE()
  ON_WM_QUERYENDSESSION()
  ON_WM_ENDSESSION()
  ON_WM_SIZE()
  ON_WM_SETFOCUS()
  ON_WM_INITMENUPOPUP()
  ON_WM_SETTINGCHANGE()
  ON_WM_SYSCOLORCHANGE()
  ON_WM_DEVMODECHANGE()
  ON_WM_FONTCHANGE()
  ON_WM_MENUSELECT()
  ON_WM_EXITMENULOOP()
  ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
  ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
  ON_MESSAGE(WM_DPICHANGED, OnDpiChanged)
  ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
  ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
  ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
  ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

namespace {

constexpr DWORD kFrameStyles = FWS_ADDTOTITLE | FWS_PREFIXTITLE | FWS_SNAPTOBARS;

// A window class per frame icon: the icon is the class's.
CString FrameClassWithIcon(HICON hIcon) {
  CString name;
  name.Format("VarnelFrame:%p", static_cast<void*>(hIcon));
  WNDCLASSA wc = {};
  if (!::GetClassInfoA(AfxGetInstanceHandle(), name, &wc)) {
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &::DefWindowProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = hIcon;
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = name;
    ::RegisterClassA(&wc);
  }
  return name;
}

}  // namespace

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
  if (cs.lpszClass == nullptr && !m_strFrameClass.IsEmpty()) cs.lpszClass = m_strFrameClass;
  // The frame styles are the frame's own, not the window's; a document's
  // title goes first in the caption, as today's programs show it.
  m_dwFrameStyle = static_cast<DWORD>(cs.style) & kFrameStyles;
  if ((m_dwFrameStyle & FWS_ADDTOTITLE) != 0) m_dwFrameStyle |= FWS_PREFIXTITLE;
  cs.style &= ~static_cast<LONG>(kFrameStyles);
  return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                       const RECT& rect, CWnd* pParentWnd, LPCSTR lpszMenuName, DWORD dwExStyle,
                       CCreateContext* pContext) {
  HMENU hMenu = nullptr;
  if (lpszMenuName != nullptr) {
    CMenu menu;
    if (!menu.LoadMenu(lpszMenuName)) return FALSE;
    hMenu = menu.Detach();  // the window's from here on
  }
  m_strTitle = lpszWindowName != nullptr ? lpszWindowName : "";
  const HWND hParent = pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr;
  if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                rect.right - rect.left, rect.bottom - rect.top, hParent, hMenu, pContext)) {
    if (hMenu != nullptr) ::DestroyMenu(hMenu);
    return FALSE;
  }
  return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
  CString title;
  if (AfxLoadString(nIDResource, title)) {
    const int nNewline = title.Find('\n');
    if (nNewline >= 0) title = title.Left(nNewline);
  }
  const LPCSTR lpszResource = MAKEINTRESOURCEA(nIDResource);
  const auto hIcon =
      static_cast<HICON>(AfxLoadImageResource(lpszResource, RT_GROUP_ICON, IMAGE_ICON));
  m_strFrameClass = FrameClassWithIcon(hIcon);
  const bool bHasMenu =
      ::FindResourceA(AfxFindResourceHandle(lpszResource, RT_MENU), lpszResource, RT_MENU) !=
      nullptr;
  if (!Create(nullptr, title, dwDefaultStyle, rectDefault, pParentWnd,
              bHasMenu ? lpszResource : nullptr, 0, pContext)) {
    return FALSE;
  }
  LoadAccelTable(lpszResource);
  return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCSTR lpszResourceName) {
  const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR);
  m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResourceName);
  return m_hAccelTable != nullptr;
}

int CFrameWnd::OnCreate(LPCREATESTRUCTA lpcs) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  // Kept from the start, so that a descendant told of a change before the
  // frame takes it reads the density it was shown at.
  AfxSetWindowDpi(m_hWnd, AfxGetWindowDpi(m_hWnd));
  auto* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
  if (!OnCreateClient(lpcs, pContext)) return -1;
  RecalcLayout();
  return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCTA, CCreateContext* pContext) {
  if (pContext == nullptr || pContext->m_pNewViewClass == nullptr) return TRUE;
  return CreateView(pContext) != nullptr;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
  CRuntimeClass* pClass = pContext->m_pNewViewClass;
  if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(CView))) return nullptr;
  CObject* pObject = pClass->CreateObject();
  if (pObject == nullptr) return nullptr;
  auto* pView = static_cast<CView*>(pObject);
  if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID,
                     pContext)) {
    // A view deletes itself when its window goes, and a failed creation
    // is such an end: the object is gone already.
    return nullptr;
  }
  SetActiveView(pView);
  return pView;
}

void CFrameWnd::PostNcDestroy() { delete this; }

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL) { m_pViewActive = pViewNew; }

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
  CWnd::OnSize(nType, cx, cy);
  if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
  if (m_pViewActive != nullptr && m_pViewActive->IsWindow()) {
    m_pViewActive->SetFocus();
  } else {
    CWnd::OnSetFocus(pOldWnd);
  }
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
  if (m_pViewActive != nullptr && m_pViewActive->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
    return TRUE;
  }
  if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
  CWinApp* pApp = AfxGetApp();
  return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
  if (m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
      ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg)) {
    return TRUE;
  }
  return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
  CWnd::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
  if (bSysMenu || pPopupMenu == nullptr) return;
  CCmdUI state;
  state.m_pMenu = pPopupMenu;
  state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
  for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
    state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
    // Separators and nested popups have no command of their own.
    if (state.m_nID == 0 || state.m_nID == static_cast<UINT>(-1)) continue;
    // The system's commands (SC_...) are not the host's to grey.
    state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
  }
}

void CFrameWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
  CWnd::OnSettingChange(uFlags, lpszSection);
  SendMessageToDescendants(WM_SETTINGCHANGE, uFlags, reinterpret_cast<LPARAM>(lpszSection), TRUE,
                           TRUE);
}

void CFrameWnd::OnSysColorChange() {
  CWnd::OnSysColorChange();
  SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
}

void CFrameWnd::OnDevModeChange(LPSTR lpDeviceName) {
  Default();
  SendMessageToDescendants(WM_DEVMODECHANGE, 0, reinterpret_cast<LPARAM>(lpDeviceName), TRUE,
                           TRUE);
}

void CFrameWnd::OnFontChange() {
  Default();
  SendMessageToDescendants(WM_FONTCHANGE, 0, 0, TRUE, TRUE);
}

// ---- CWnd's frame ----------------------------------------------------------------

CFrameWnd* CWnd::GetParentFrame() const {
  if (m_hWnd == nullptr) return nullptr;
  for (HWND hWnd = ::GetParent(m_hWnd); hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
    CWnd* pWnd = FromHandlePermanent(hWnd);
    if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CFrameWnd))) {
      return static_cast<CFrameWnd*>(pWnd);
    }
    if ((::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD) == 0) break;
  }
  return nullptr;
}

// ---- documents ---------------------------------------------------------------------------

CDocument* CFrameWnd::GetActiveDocument() {
  return m_pViewActive != nullptr ? m_pViewActive->GetDocument() : nullptr;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible) {
  if (m_pViewActive == nullptr) {
    CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (pPane != nullptr && pPane->IsKindOf(RUNTIME_CLASS(CView))) {
      SetActiveView(static_cast<CView*>(pPane));
    }
  }
  if (bMakeVisible) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
  OnUpdateFrameTitle(TRUE);
  if (!bMakeVisible) return;
  // The main frame shows as the program was started, the first time.
  int nCmdShow = -1;
  CWinApp* pApp = AfxGetApp();
  if (pApp != nullptr && pApp->m_pMainWnd == this) {
    nCmdShow = pApp->m_nCmdShow;
    pApp->m_nCmdShow = -1;
  }
  ActivateFrame(nCmdShow);
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
  if (nCmdShow == -1) {
    if (!IsWindowVisible()) {
      nCmdShow = SW_SHOWNORMAL;
    } else if (::IsIconic(m_hWnd)) {
      nCmdShow = SW_RESTORE;
    }
  }
  if (nCmdShow != -1) ShowWindow(nCmdShow);
  if (IsWindowVisible()) ::BringWindowToTop(m_hWnd);
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
  if ((m_dwFrameStyle & FWS_ADDTOTITLE) == 0) return;
  CDocument* pDocument = GetActiveDocument();
  UpdateFrameTitleForDocument(bAddToTitle && pDocument != nullptr
                                  ? static_cast<LPCSTR>(pDocument->GetTitle())
                                  : nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCSTR lpszDocName) {
  CString strText = m_strTitle;
  if (lpszDocName != nullptr && *lpszDocName != '\0') {
    strText = (m_dwFrameStyle & FWS_PREFIXTITLE) != 0
                  ? CString(lpszDocName) + " - " + m_strTitle
                  : m_strTitle + " - " + lpszDocName;
  }
  CString strOld;
  GetWindowText(strOld);
  if (strOld != strText) SetWindowText(strText);
}

// Closing the main frame asks every document before anything closes, then
// closes them all (their frames with them); another frame asks its own.
void CFrameWnd::OnClose() {
  CWinApp* pApp = AfxGetApp();
  CDocument* pDocument = GetActiveDocument();
  const HWND hWnd = m_hWnd;
  if (pApp != nullptr && pApp->m_pMainWnd == this) {
    if (!pApp->SaveAllModified()) return;
    pApp->CloseAllDocuments(FALSE);
    if (!::IsWindow(hWnd)) return;  // closed with its document (and deleted)
    pDocument = GetActiveDocument();
  } else if (pDocument != nullptr && !pDocument->CanCloseFrame(this)) {
    return;
  }
  if (pDocument != nullptr) pDocument->PreCloseFrame(this);
  DestroyWindow();
}

BOOL CFrameWnd::OnQueryEndSession() {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr || pApp->m_pMainWnd != this) return TRUE;
  return pApp->SaveAllModified();
}

void CFrameWnd::OnEndSession(BOOL bEnding) {
  CWinApp* pApp = AfxGetApp();
  if (bEnding && pApp != nullptr && pApp->m_pMainWnd == this) pApp->CloseAllDocuments(TRUE);
}
