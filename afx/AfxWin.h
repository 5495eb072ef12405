// Windows and the application: CCmdTarget (the root of message maps), CWnd
// (a C++ object attached to a real window, with message dispatch through
// the maps, reflection of control notifications back to the control, and
// the window operations the library uses) and CWinApp (the message pump,
// PreTranslateMessage, and the one place message boxes go through).
//
// Where the framework's members take its point, rectangle, font or region
// classes, these take the plain Win32 types (LPRECT, LPPOINT, HFONT, HRGN):
// the framework's classes derive from or convert to them.
#pragma once

#include "afx/AfxMsgMap.h"
#include "afx/AfxString.h"

class CWnd;
class CScrollBar;
class CDataExchange;
class CDC;
class CFont;
class CMenu;
class CRgn;
class CException;
struct CCreateContext;

// Filled by OnCmdMsg when it is asked only whether a handler exists.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget = nullptr;
};

// The root of every class with a message map.
class VARNEL_API CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Runs the map's handler for a command (WM_COMMAND with nCode and nID;
  // nCode CN_UPDATE_COMMAND_UI with the CCmdUI in pExtra); FALSE when no
  // entry handles it. With pHandlerInfo, only reports the handler's owner.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr,
                        AFX_CMDHANDLERINFO* pHandlerInfo = nullptr);

 protected:
  static const AFX_MSGMAP* GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
};

class VARNEL_API CWnd : public CCmdTarget {
  DECLARE_DYNCREATE(CWnd)

 public:
  CWnd();
  // Destroys a window still attached (its handlers run as CWnd's then).
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  operator HWND() const { return m_hWnd; }  // NOLINT: as the framework's
  HWND GetSafeHwnd() const { return m_hWnd; }

  // ---- the handle map -------------------------------------------------------
  // The object attached to hWnd; for a window without one, a temporary
  // object that lives until the application's next idle time.
  static CWnd* FromHandle(HWND hWnd);
  // The attached object, or null.
  static CWnd* FromHandlePermanent(HWND hWnd);
  BOOL Attach(HWND hWndNew);
  HWND Detach();

  // ---- creation and subclassing -----------------------------------------------
  virtual BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                      const RECT& rect, CWnd* pParentWnd, UINT nID,
                      CCreateContext* pContext = nullptr);
  BOOL CreateEx(DWORD dwExStyle, LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle,
                int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                LPVOID lpParam = nullptr);
  virtual BOOL DestroyWindow();
  // Attaches and routes the window's messages through this object; the
  // original window procedure does the default processing.
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
  HWND UnsubclassWindow();

  // ---- message dispatch -------------------------------------------------------
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
  // Keyboard and mouse messages on their way to this window or a child are
  // shown to each window from the target up before translation; TRUE eats
  // the message.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Calls PreTranslateMessage from pMsg->hwnd up through its parents to the
  // top-level window (or hWndStop); TRUE when one of them ate the message.
  static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);

  // ---- data exchange ------------------------------------------------------------
  BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

  // ---- window state and text --------------------------------------------------
  void SetWindowText(LPCSTR lpszString);
  void SetWindowText(const CString& str) { SetWindowText(static_cast<LPCSTR>(str)); }
  int GetWindowText(LPSTR lpszStringBuf, int nMaxCount) const;
  void GetWindowText(CString& rString) const;
  int GetWindowTextLength() const;
  DWORD GetStyle() const;
  DWORD GetExStyle() const;
  BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
  BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
  // Keeps unqualified IsWindow(hWnd) calls in members of derived classes
  // resolving as they do in code written for the framework.
  static BOOL IsWindow(HWND hWnd) { return ::IsWindow(hWnd); }
  BOOL IsWindowEnabled() const;
  BOOL EnableWindow(BOOL bEnable = TRUE);
  BOOL IsWindowVisible() const;
  BOOL ShowWindow(int nCmdShow);
  // The font the window draws with (WM_GETFONT), or null for the system's.
  CFont* GetFont() const;
  void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
  BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                    UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
  void CenterWindow(CWnd* pAlternateOwner = nullptr);

  // ---- dialog items ------------------------------------------------------------------
  void SetDlgItemText(int nID, LPCSTR lpszString);
  int GetDlgItemText(int nID, LPSTR lpStr, int nMaxCount) const;
  int GetDlgItemText(int nID, CString& rString) const;
  void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
  UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
  void CheckDlgButton(int nIDButton, UINT nCheck);
  UINT IsDlgButtonChecked(int nIDButton) const;

  // ---- timers and menus --------------------------------------------------------------
  UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                    void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
  BOOL KillTimer(UINT_PTR nIDEvent);
  CMenu* GetMenu() const;
  BOOL SetMenu(CMenu* pMenu);
  void DrawMenuBar();

  // ---- device contexts of the window ---------------------------------------------------
  // The client area's context (a temporary object); give it back with
  // ReleaseDC.
  CDC* GetDC();
  CDC* GetDCEx(CRgn* prgnClip, DWORD flags);
  CDC* GetWindowDC();
  int ReleaseDC(CDC* pDC);

  // ---- relatives ------------------------------------------------------------------
  CWnd* GetParent() const;
  // The owner (a popup's owner window); a window without one answers its
  // parent.
  CWnd* GetOwner() const;
  void SetOwner(CWnd* pOwnerWnd);
  // The frame the window sits in (the nearest frame among its parents).
  class CFrameWnd* GetParentFrame() const;
  // Sends the message to every child (and, with bDeep, to their children);
  // with bOnlyPerm only to windows that have an object of their own.
  void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);
  CWnd* GetTopLevelParent() const;
  CWnd* GetWindow(UINT nCmd) const;
  CWnd* GetDlgItem(int nID) const;
  int GetDlgCtrlID() const;
  int SetDlgCtrlID(int nID);
  BOOL IsChild(const CWnd* pWnd) const;
  static CWnd* GetFocus();
  CWnd* SetFocus();
  static CWnd* GetActiveWindow();
  static CWnd* GetCapture();
  CWnd* SetCapture();

  // ---- geometry and painting ------------------------------------------------------
  void GetClientRect(LPRECT lpRect) const;
  void GetWindowRect(LPRECT lpRect) const;
  void ScreenToClient(LPPOINT lpPoint) const;
  void ScreenToClient(LPRECT lpRect) const;
  void ClientToScreen(LPPOINT lpPoint) const;
  void ClientToScreen(LPRECT lpRect) const;
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
  BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
  void Invalidate(BOOL bErase = TRUE);
  void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
  void ValidateRect(LPCRECT lpRect);
  void UpdateWindow();
  void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr,
                    LPCRECT lpClipRect = nullptr);
  int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip,
                     HRGN hrgnUpdate, LPRECT lpRectUpdate, UINT flags);

  // ---- scroll bars ----------------------------------------------------------------
  // nBar is SB_HORZ or SB_VERT. Where GetScrollBarCtrl gives a control
  // (a splitter's shared bar, say), the members act on that control.
  BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
  BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
  int GetScrollPos(int nBar) const;
  int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
  void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
  void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
  int GetScrollLimit(int nBar);
  void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
  // Shows or hides the window's own bar, or enables or disables the
  // control standing in for it.
  void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
  // The control serving as this window's bar nBar; none by default.
  virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

  // ---- modal loops ------------------------------------------------------------------
  // Pumps the thread's messages until EndModalLoop; returns its result.
  // A caller that may end the loop before it starts (a dialog ending in
  // OnInitDialog) sets m_nModalState to kModalRunning before that point.
  int RunModalLoop();
  virtual void EndModalLoop(int nResult);

 protected:
  // ---- overridables -----------------------------------------------------------------
  virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
  virtual void PreSubclassWindow() {}
  // After the window is gone (WM_NCDESTROY) and the object detached.
  // Frames and views delete themselves here.
  virtual void PostNcDestroy() {}
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Looks the message up in the maps; TRUE with *pResult when handled.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // A notification this control sent its parent, sent back to it first;
  // TRUE when the control handled it (the parent's handlers then do not run).
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // The original window procedure (or the system's default).
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The message being handled, to the original window procedure.
  LRESULT Default();

  // ---- default handlers: each does the default processing of its message ----------
  afx_msg void OnPaint();
  afx_msg void OnDestroy();
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
  afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, POINT pt);
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnLButtonDown(UINT nFlags, POINT point);
  afx_msg void OnLButtonUp(UINT nFlags, POINT point);
  afx_msg void OnMouseMove(UINT nFlags, POINT point);
  afx_msg BOOL OnEraseBkgnd(CDC* pDC);
  afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
  afx_msg void OnClose();
  afx_msg void OnNcDestroy();
  afx_msg void OnSysColorChange();
  afx_msg void OnCancelMode();
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnKillFocus(CWnd* pNewWnd);
  afx_msg void OnCaptureChanged(CWnd* pWnd);
  afx_msg void OnTimer(UINT nIDEvent);
  afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
  afx_msg void OnLButtonDblClk(UINT nFlags, POINT point);
  afx_msg void OnRButtonDown(UINT nFlags, POINT point);
  afx_msg void OnRButtonUp(UINT nFlags, POINT point);
  afx_msg void OnRButtonDblClk(UINT nFlags, POINT point);
  afx_msg void OnMButtonDown(UINT nFlags, POINT point);
  afx_msg void OnMButtonUp(UINT nFlags, POINT point);
  afx_msg void OnMButtonDblClk(UINT nFlags, POINT point);
  afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnContextMenu(CWnd* pWnd, POINT pos);
  afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
  afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
  afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
  afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnMouseHWheel(UINT nFlags, short zDelta, POINT pt);

  WNDPROC m_pfnSuper = nullptr;  // the window procedure we replaced
  HWND m_hWndOwner = nullptr;    // set by SetOwner
  enum { kModalIdle, kModalRunning, kModalEnded };
  int m_nModalResult = -1;
  int m_nModalState = kModalIdle;

  DECLARE_MESSAGE_MAP()

 private:
  friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK AfxCbtFilterHook(int, WPARAM, LPARAM);
  bool ReflectToChild(HWND hWndChild, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* pResult);
  void OnNcDestroyed();
};

// Window procedure of every window whose messages an object handles.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the next window this thread creates belong to pWnd: it is attached
// and subclassed before its first message. Each call is paired with
// AfxUnhookWindowCreate, which reports whether the window was taken.
VARNEL_API void AfxHookWindowCreate(CWnd* pWnd);
VARNEL_API BOOL AfxUnhookWindowCreate();

// The window class CWnd::Create uses when none is named.
VARNEL_API LPCSTR AfxDefaultWndClass();

class VARNEL_API CWinApp : public CCmdTarget {
  DECLARE_DYNAMIC(CWinApp)

 public:
  explicit CWinApp(LPCSTR lpszAppName = nullptr);
  ~CWinApp() override;

  LPCSTR m_pszAppName = nullptr;
  HINSTANCE m_hInstance = nullptr;
  HINSTANCE m_hPrevInstance = nullptr;
  LPSTR m_lpCmdLine = nullptr;
  int m_nCmdShow = SW_SHOWNORMAL;
  // The main window: the application ends when it is destroyed.
  CWnd* m_pMainWnd = nullptr;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int ExitInstance();
  // Pumps messages until WM_QUIT, calling OnIdle when the queue is empty;
  // returns ExitInstance's result.
  virtual int Run();
  // Fetches one message (waiting for it), gives PreTranslateMessage its
  // chance, then translates and dispatches it. FALSE on WM_QUIT.
  virtual BOOL PumpMessage();
  // Offers the message to the windows from its target up; TRUE eats it.
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // Idle-time work: the first call of a quiet spell (lCount 0) has the
  // main window and its bars bring their items and the status bar's
  // message up to date (WM_IDLEUPDATECMDUI); every call releases the
  // temporary window objects. TRUE asks for more idle time.
  virtual BOOL OnIdle(LONG lCount);
  // Every AfxMessageBox comes here: prompt text, MB_ flags, and the prompt's
  // string ID (or help context; 0 when the prompt was given as text).
  virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);
  // An exception that reached a window procedure: told to the user once
  // (a CUserException has been told already); returns the message's
  // result (-1 for WM_CREATE, which fails the creation; 0 otherwise).
  virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
  // The same for an exception of another kind (what() when it has one).
  virtual LRESULT ProcessWndProcException(LPCSTR lpszWhat, const MSG* pMsg);

  HICON LoadIcon(UINT nIDResource) const;
  HICON LoadIcon(LPCSTR lpszResourceName) const;
  HCURSOR LoadCursor(UINT nIDResource) const;
  HCURSOR LoadCursor(LPCSTR lpszResourceName) const;
  HICON LoadStandardIcon(LPCSTR lpszIconName) const;
  HCURSOR LoadStandardCursor(LPCSTR lpszCursorName) const;
  // The 3-D look is the system's own today; kept for hosts that ask.
  BOOL Enable3dControls() { return TRUE; }
  BOOL Enable3dControlsStatic() { return TRUE; }

 protected:
  WPARAM m_nExitCode = 0;
};

VARNEL_API CWinApp* AfxGetApp();
// The application's main window (null without an application).
VARNEL_API CWnd* AfxGetMainWnd();
// The body of the framework's WinMain: InitInstance, then Run; returns the
// exit code.
VARNEL_API int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                          int nCmdShow);
VARNEL_API HINSTANCE AfxGetInstanceHandle();
// Where dialog templates and strings are looked up first: the application.
VARNEL_API HINSTANCE AfxGetResourceHandle();
// The module holding a resource: the application, else the first
// registered extension library that has it (the application when none has).
VARNEL_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
// An icon, cursor or bitmap (uImageType IMAGE_...) from the module
// AfxFindResourceHandle names, at its default size and shared with the
// system's cache; null when there is none.
VARNEL_API HANDLE AfxLoadImageResource(LPCSTR lpszName, LPCSTR lpszType, UINT uImageType);
VARNEL_API void AfxPostQuitMessage(int nExitCode);
// Frees the temporary objects handed out by FromHandle: windows, device
// contexts, drawing objects, menus.
VARNEL_API void AfxDeleteTempMap();
