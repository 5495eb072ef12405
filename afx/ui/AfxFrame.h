// CFrameWnd: a top-level window that holds one view, created from a menu
// resource (LoadFrame: title, menu, accelerators and icon under one ID) or
// directly (Create). It keeps its first pane filling its client area,
// routes commands to the view first, then to itself, then to the
// application, updates menu items before their popup opens, hands its
// focus to the view, passes system-wide changes (settings, colours,
// fonts, devices) on to its descendants, and deletes itself when its
// window is gone. On a monitor of another density (WM_DPICHANGED) it keeps
// the new density (AfxGetWindowDpi), takes the rectangle the system
// suggests, and tells its descendants before and after.
//
// A frame made by a document template shows its document's title in the
// caption ("Untitled - App", then the file's name: FWS_ADDTOTITLE), and
// asks the document before it closes ("Save changes?"); closing the main
// frame asks every document and, when none cancels, closes them all.
#pragma once

#include "afx/app/AfxRes.h"
#include "afx/base/AfxGeometry.h"
#include "afx/ui/AfxCmdUI.h"
#include "afx/wnd/AfxDpi.h"
#include "afx/wnd/AfxWin.h"

#include <vector>

class CView;
class CDocument;
class CDocTemplate;
class CFrameWnd;
class CControlBar;
class CCmdUI;
struct CPrintPreviewState;

// Frame styles (kept apart from the window's own style bits).
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// The style of a view made to fill a frame.
#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

// What a frame puts aside while it shows print preview, to give it back.
struct VARNEL_API CPrintPreviewState {
  UINT nIDMainPane = AFX_IDW_PANE_FIRST;  // the view's control ID
  HMENU hMenu = nullptr;
  HACCEL hAccelTable = nullptr;
  CView* pViewActiveOld = nullptr;
  std::vector<HWND> hiddenBars;  // the bars preview hid
  // Called instead of the preview's own closing when set.
  BOOL(CALLBACK* lpfnCloseProc)(CFrameWnd* pFrameWnd) = nullptr;
};

// What the frame's creation passes on to the view it makes.
struct CCreateContext {
  CRuntimeClass* m_pNewViewClass = nullptr;  // the view class to create (DYNCREATE)
  CDocument* m_pCurrentDoc = nullptr;        // the document the view shows
  CDocTemplate* m_pNewDocTemplate = nullptr;  // the template making the frame
  CView* m_pLastView = nullptr;
  CFrameWnd* m_pCurrentFrame = nullptr;
};

class VARNEL_API CFrameWnd : public CWnd {
  DECLARE_DYNCREATE(CFrameWnd)

 public:
  // Lets the system place and size the window.
  static const CRect rectDefault;

  CFrameWnd() = default;

  BOOL Create(LPCSTR lpszClassName, LPCSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
              const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
              LPCSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
              CCreateContext* pContext = nullptr);
  // Title (the string's text up to its first newline), menu, accelerators
  // and icon from the resources named nIDResource; those missing are left
  // out.
  virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                         CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);
  BOOL LoadAccelTable(LPCSTR lpszResourceName);

  // The view that gets commands first. Activating a view moves no window.
  void SetActiveView(CView* pViewNew, BOOL bNotify = TRUE);
  CView* GetActiveView() const { return m_pViewActive; }
  // Places the visible control bars along their sides (in the order they
  // were made) and gives the first pane (the child AFX_IDW_PANE_FIRST;
  // without one, the active view) the rest of the client area. The frame
  // calls it when it is created and resized; a host that adds its view
  // later calls it too.
  virtual void RecalcLayout(BOOL bNotify = TRUE);

  // ---- control bars ----
  // Sides bars may dock at (CBRS_ALIGN_...); bars dock at the top here.
  void EnableDocking(DWORD dwDockStyle);
  // Docks the bar at the top (the side its style names when that is
  // another one the bar allows); nDockBarID and lpRect are not used.
  void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = nullptr);
  // Shows or hides the bar and lays the frame out again (bDelay: at the
  // next idle time).
  void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
  // The frame's bar with that ID (AFX_IDW_TOOLBAR, ...), or null.
  CControlBar* GetControlBar(UINT nID);
  // ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR and other bars' IDs: shows or
  // hides the bar of the command's ID; FALSE when there is none.
  afx_msg BOOL OnBarCheck(UINT nID);
  // Checks the menu item of a bar's ID when the bar is visible.
  afx_msg void OnUpdateControlBarMenu(CCmdUI* pCmdUI);

  // ---- the status bar's message ----
  // Shows the text in the status bar's first pane, where it stays until a
  // menu item's or a button's prompt or the idle message replaces it.
  void SetMessageText(LPCSTR lpszText);
  // The same with a command's prompt (its string up to the newline);
  // AFX_IDS_IDLEMESSAGE shows "Ready".
  void SetMessageText(UINT nID);
  // The prompt of a command: its string resource up to the first newline.
  virtual void GetMessageString(UINT nID, CString& rMessage) const;
  // The status bar (the child AFX_IDW_STATUS_BAR), or null.
  CWnd* GetMessageBar();
  // ID_INDICATOR_CAPS, _NUM, _SCRL: shown while the key's lock is on.
  afx_msg void OnUpdateKeyIndicator(CCmdUI* pCmdUI);

  // ---- print preview ----
  // Enters (bPreview) or leaves print preview: on entering, records in
  // pState and takes away the menu, the accelerators, the bars (the status
  // bar stays) and the active view; on leaving, puts them back.
  virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);
  // Makes a view of pContext->m_pNewViewClass as the pane nID and activates
  // it. On failure the view object is gone (it deleted itself) and the
  // result is null.
  CWnd* CreateView(CCreateContext* pContext, UINT nID = AFX_IDW_PANE_FIRST);

  BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra = nullptr,
                AFX_CMDHANDLERINFO* pHandlerInfo = nullptr) override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // The active view's document (null without one).
  virtual CDocument* GetActiveDocument();
  // Sends OnInitialUpdate to the views (making the first pane active when
  // none is), shows the document's title, and with bMakeVisible shows the
  // frame (the main frame as the program was started: m_nCmdShow).
  void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);
  // Shows and activates the frame; -1 restores or shows it as it was.
  virtual void ActivateFrame(int nCmdShow = -1);
  // The caption: the frame's title, with the active document's before it
  // when the frame was made with FWS_ADDTOTITLE ("Untitled - App").
  virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
  void UpdateFrameTitleForDocument(LPCSTR lpszDocName);
  CString GetTitle() const { return m_strTitle; }
  void SetTitle(LPCSTR lpszTitle) { m_strTitle = lpszTitle; }

  // Menu items whose command has no handler are greyed.
  BOOL m_bAutoMenuEnable = TRUE;
  HACCEL m_hAccelTable = nullptr;
  CString m_strTitle;

 protected:
  virtual BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext);
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
  afx_msg void OnClose();
  afx_msg BOOL OnQueryEndSession();
  afx_msg void OnEndSession(BOOL bEnding);
  afx_msg void OnSize(UINT nType, int cx, int cy);
  afx_msg void OnSetFocus(CWnd* pOldWnd);
  afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
  afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection);
  afx_msg void OnSysColorChange();
  afx_msg void OnDevModeChange(LPSTR lpDeviceName);
  afx_msg void OnFontChange();
  afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
  afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
  afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
  afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
  // wParam: the new density (x in the low word, y in the high one);
  // lParam: the suggested window rectangle (RECT*).
  afx_msg LRESULT OnDpiChanged(WPARAM wParam, LPARAM lParam);
  DECLARE_MESSAGE_MAP()

  // The message the status bar should show (a string ID: a menu item's
  // prompt, AFX_IDS_IDLEMESSAGE) and the one it shows.
  UINT m_nIDTracking = AFX_IDS_IDLEMESSAGE;
  UINT m_nIDLastMessage = 0;
  DWORD m_dwDockStyle = 0;  // the sides EnableDocking allowed

 private:
  friend class CView;
  bool m_bInRecalcLayout = false;
  bool m_bDelayedLayout = false;  // ShowControlBar with bDelay asked for one
  CView* m_pViewActive = nullptr;
  CString m_strFrameClass;  // set by LoadFrame: the window class with the icon
  DWORD m_dwFrameStyle = 0;  // the FWS_ styles it was made with
};
