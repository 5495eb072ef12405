// Windows: CWnd, a C++ object attached to a real window, with message
// dispatch through the maps and reflection of control notifications back
// to the control. Its window operations are thin callers of the system's
// (AfxWnd.cpp); its modal loop is in AfxModalLoop.cpp, the application's
// members that run windows in AfxAppLoop.cpp.
//
// Where the framework's members take its point, rectangle, font or region
// classes, these take the plain Win32 types (LPRECT, LPPOINT, HFONT, HRGN):
// the framework's classes derive from or convert to them.
#pragma once

#include "afx/app/AfxApp.h"
#include "afx/app/AfxCmdTarget.h"
#include "afx/base/AfxString.h"

class CWnd;
class CScrollBar;
class CDataExchange;
class CDC;
class CFont;
class CMenu;
class CRgn;
class CException;
struct CCreateContext;

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

// Frees the temporary objects handed out by FromHandle: windows, device
// contexts, drawing objects, menus.
VARNEL_API void AfxDeleteTempMap();
