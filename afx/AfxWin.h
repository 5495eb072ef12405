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
struct CCreateContext;
struct AFX_CMDHANDLERINFO;

// The root of every class with a message map.
class VARNEL_API CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  // Runs the map's handler for a command (WM_COMMAND with nCode and nID);
  // FALSE when no entry handles it.
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
  HFONT GetFont() const;  // the font the window draws with (WM_GETFONT), or null
  void SetFont(HFONT hFont, BOOL bRedraw = TRUE);

  // ---- relatives ------------------------------------------------------------------
  CWnd* GetParent() const;
  CWnd* GetOwner() const;
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

  WNDPROC m_pfnSuper = nullptr;  // the window procedure we replaced
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
  // Idle-time work; releases the temporary window objects. TRUE asks for
  // more idle time.
  virtual BOOL OnIdle(LONG lCount);
  // Every AfxMessageBox comes here: prompt text, MB_ flags, and the prompt's
  // string ID (or help context; 0 when the prompt was given as text).
  virtual int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt);

 protected:
  WPARAM m_nExitCode = 0;
};

VARNEL_API CWinApp* AfxGetApp();
VARNEL_API HINSTANCE AfxGetInstanceHandle();
// Where dialog templates and strings are looked up first: the application.
VARNEL_API HINSTANCE AfxGetResourceHandle();
// The module holding a resource: the application, else the first
// registered extension library that has it (the application when none has).
VARNEL_API HINSTANCE AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
VARNEL_API void AfxPostQuitMessage(int nExitCode);
// Frees the temporary window objects handed out by CWnd::FromHandle.
VARNEL_API void AfxDeleteTempMap();
