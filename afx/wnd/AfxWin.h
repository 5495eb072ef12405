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
class CListBox;
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
  // The object attached to hWnd, whichever thread attached it; for a window
  // without one, a temporary object of the calling thread, which lives
  // until that thread's next idle time (AfxDeleteTempMap) or its end.
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
  // Runs DoDataExchange: TRUE saves the controls into the data, FALSE loads
  // them. FALSE when an entry was refused (the user was told) or the
  // exchange failed: a control the dialog lacks, or any other exception
  // out of DoDataExchange (a framework exception, a std::exception with
  // its what(), anything else), reported with a prompt. The item that
  // failed and those after it keep their data as it was.
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
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }  // minimized
  BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }  // maximized
  // A message box owned by this window, as ::MessageBox shows it (the
  // caption "Error" when none is given); returns the button pressed.
  // Prompts of the framework's own go through AfxMessageBox instead.
  int MessageBox(LPCSTR lpszText, LPCSTR lpszCaption = nullptr, UINT nType = MB_OK);
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
  // Checks radio button nIDCheckButton and clears the others with IDs from
  // nIDFirstButton to nIDLastButton.
  void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
  // The ID of the first checked button from nIDFirstButton to
  // nIDLastButton, 0 when none is checked.
  int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const;
  // Fills the combo and list boxes among the window's items with the
  // strings a dialog resource's initialisation data (DLGINIT, resource
  // type 240) lists for them: by resource name (FALSE when the data is
  // there but names an item the window lacks; TRUE when there is none),
  // or from the data itself.
  BOOL ExecuteDlgInit(LPCSTR lpszResourceName);
  BOOL ExecuteDlgInit(LPVOID lpResource);
  // Enables, checks or renames each child control through the update
  // handlers of its ID (ON_UPDATE_COMMAND_UI) that pTarget's route finds,
  // the control's own ON_UPDATE_COMMAND_UI_REFLECT first. With
  // bDisableIfNoHndler, a push button whose command no handler carries out
  // is disabled (other controls keep their state). Modeless dialogs call
  // it on WM_KICKIDLE.
  void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

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
  // After the window is gone (WM_NCDESTROY) and the object detached, from
  // CWnd::OnNcDestroy. Frames and views delete themselves here.
  virtual void PostNcDestroy() {}
  virtual void DoDataExchange(CDataExchange* pDX);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Looks the message up in the maps; TRUE with *pResult when handled.
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY: the sending control's reflected entry first, then the
  // command route (OnCmdMsg with MAKELONG(code, WM_NOTIFY) and an
  // AFX_NOTIFY); FALSE when nobody handled it (the default processing
  // follows). *pResult is the message's result.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
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
  // The window's last message: the default processing, then the
  // framework's clean-up (the main window's end quits the application; the
  // object is detached; PostNcDestroy). A handler of its own calls it
  // before anything else and may `delete this` after it.
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
  // The parent's messages about a control: each gives the control's own
  // object the message first (its reflected entry, or an owner-draw
  // control's DrawItem...), then does the default processing.
  afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
  afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
  afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
  afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex);
  afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex);
  afx_msg void OnParentNotify(UINT message, LPARAM lParam);
  // activation and the session
  afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
  afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
  afx_msg BOOL OnNcActivate(BOOL bActive);
  afx_msg void OnChildActivate();
  afx_msg void OnEnable(BOOL bEnable);
  afx_msg BOOL OnQueryEndSession();
  afx_msg void OnEndSession(BOOL bEnding);
  afx_msg BOOL OnQueryOpen();
  afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
  afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
  // the non-client area (points in screen coordinates)
  afx_msg BOOL OnNcCreate(LPCREATESTRUCTA lpCreateStruct);
  afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
  afx_msg LRESULT OnNcHitTest(POINT point);
  afx_msg void OnNcPaint();
  afx_msg void OnNcMouseMove(UINT nHitTest, POINT point);
  afx_msg void OnNcLButtonDown(UINT nHitTest, POINT point);
  afx_msg void OnNcLButtonUp(UINT nHitTest, POINT point);
  afx_msg void OnNcLButtonDblClk(UINT nHitTest, POINT point);
  afx_msg void OnNcRButtonDown(UINT nHitTest, POINT point);
  afx_msg void OnNcRButtonUp(UINT nHitTest, POINT point);
  afx_msg void OnNcRButtonDblClk(UINT nHitTest, POINT point);
  afx_msg void OnNcMButtonDown(UINT nHitTest, POINT point);
  afx_msg void OnNcMButtonUp(UINT nHitTest, POINT point);
  afx_msg void OnNcMButtonDblClk(UINT nHitTest, POINT point);
  // moving and sizing
  afx_msg void OnMove(int x, int y);
  afx_msg void OnMoving(UINT fwSide, LPRECT pRect);
  afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
  afx_msg void OnEnterSizeMove();
  afx_msg void OnExitSizeMove();
  afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
  afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
  afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
  afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
  // keys, the mouse, menus
  afx_msg UINT OnGetDlgCode();
  afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnSysDeadChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  afx_msg void OnMouseHover(UINT nFlags, POINT point);
  afx_msg void OnMouseLeave();
  afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
  afx_msg void OnDropFiles(HDROP hDropInfo);
  afx_msg void OnInitMenu(CMenu* pMenu);
  afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
  afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
  afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
  afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
  // the system's state, painting and palettes
  afx_msg void OnFontChange();
  afx_msg void OnTimeChange();
  afx_msg void OnDevModeChange(LPSTR lpDeviceName);
  afx_msg BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
  afx_msg void OnIconEraseBkgnd(CDC* pDC);
  afx_msg HCURSOR OnQueryDragIcon();
  afx_msg void OnPaletteChanged(CWnd* pFocusWnd);
  afx_msg BOOL OnQueryNewPalette();

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
  // The message being handled, when it is about a control, to the control.
  bool ReflectLastMessage(LRESULT* pResult);
  LRESULT ReflectOrDefault();
  void OnNcDestroyed();
};

// Window procedure of every window whose messages an object handles.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

// Makes the next window this thread creates belong to pWnd: it is attached
// and subclassed before its first message (windows other threads create
// meanwhile are not concerned). Each call is paired with
// AfxUnhookWindowCreate, which reports whether the window was taken.
VARNEL_API void AfxHookWindowCreate(CWnd* pWnd);
VARNEL_API BOOL AfxUnhookWindowCreate();

// The window class CWnd::Create uses when none is named.
VARNEL_API LPCSTR AfxDefaultWndClass();

// Frees the temporary objects FromHandle handed out to the calling thread:
// windows, device contexts, drawing objects, menus. Other threads' stay.
VARNEL_API void AfxDeleteTempMap();
// The wrapper objects the handle maps hold (windows, device contexts,
// drawing objects, menus): the calling thread's temporary ones, which
// AfxDeleteTempMap frees, and the permanent ones of every thread. What a
// program watches to find wrappers that are never freed.
struct AfxWrapperCounts {
  int nTemporary;
  int nPermanent;
};
VARNEL_API AfxWrapperCounts AfxGetWrapperCounts();
