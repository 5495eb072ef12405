// Control bars: the bars a frame keeps along its edges (toolbars, the
// status bar, print preview's bar). A bar is a child window of its frame;
// the frame's RecalcLayout asks each visible bar how thick it is, places
// it along its side and gives the view what is left. At idle time every
// bar brings its items up to date through the same ON_UPDATE_COMMAND_UI
// handlers as menu items, routed through the frame, and the commands of
// its items go to the frame as menu commands do.
#pragma once

#include "afx/ui/AfxFrame.h"
#include "afx/ui/AfxCmdUI.h"
#include "afx/app/AfxRes.h"

// ---- bar styles (kept by the bar, never given to its window) ------------------------
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

class VARNEL_API CControlBar : public CWnd {
  DECLARE_DYNAMIC(CControlBar)

 public:
  CControlBar() = default;

  // The number of items (buttons, panes).
  int GetCount() const { return m_nCount; }
  DWORD GetBarStyle() const { return m_dwStyle; }
  // The bar styles (CBRS_...); the frame lays the bar out again.
  virtual void SetBarStyle(DWORD dwStyle);
  // Sides the bar may dock at (CBRS_ALIGN_...). Bars dock at their frame's
  // top (or the side their style names); they do not float.
  void EnableDocking(DWORD dwDockStyle);
  BOOL IsFloating() const { return FALSE; }
  // The frame the bar belongs to.
  CFrameWnd* GetDockingFrame() const;
  BOOL IsVisible() const { return (GetStyle() & WS_VISIBLE) != 0; }
  // Space kept free inside the bar's edges.
  void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
  void SetBorders(LPCRECT lpRect);
  CRect GetBorders() const;

  // The bar's size: along the frame's side (the whole side when bStretch)
  // and across it; bHorz for a bar along the top or bottom.
  virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
  // Brings every item up to date through the update handlers pTarget
  // routes to; with bDisableIfNoHndler, items whose command has no handler
  // are greyed.
  virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;

  // A bar made with new deletes itself with its window when this is set.
  BOOL m_bAutoDelete = FALSE;
  CFrameWnd* m_pDockSite = nullptr;
  DWORD m_dwDockStyle = 0;

 protected:
  // Keeps the bar styles of dwStyle and returns the window styles.
  DWORD TakeBarStyle(DWORD dwStyle);
  // A bar's size with its length made the whole side when bStretch.
  static CSize Stretched(CSize size, BOOL bStretch, BOOL bHorz);
  // Shows a command's prompt in the frame's status bar (0: the idle message).
  void ShowPrompt(UINT nID);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The commands of the bar's own child controls go to the frame.
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

  DWORD m_dwStyle = 0;
  int m_nCount = 0;
  int m_cxLeftBorder = 0;
  int m_cyTopBorder = 0;
  int m_cxRightBorder = 0;
  int m_cyBottomBorder = 0;
};

// A bar made of a dialog template's controls (print preview's bar is one):
// a modeless child dialog whose height is the template's. Its controls
// are updated through their command's update handlers, and their commands
// go to the frame.
class VARNEL_API CDialogBar : public CControlBar {
  DECLARE_DYNAMIC(CDialogBar)

 public:
  CDialogBar() = default;

  BOOL Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID);
  BOOL Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID);
  // From a template in memory.
  BOOL CreateIndirect(CWnd* pParentWnd, LPCDLGTEMPLATE lpTemplate, UINT nStyle, UINT nID);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  // Escape pressed on one of its controls is the command IDCANCEL to the
  // frame, as the dialog manager makes it in a dialog.
  BOOL PreTranslateMessage(MSG* pMsg) override;

 private:
  CSize m_sizeDefault;
};
