// CToolBar: a row of image buttons over the common controls' toolbar,
// loaded from a TOOLBAR resource and its bitmap (or set up with SetButtons
// and a bitmap of button images side by side). A click sends the button's
// command to the frame like a menu item's; at idle time the buttons are
// enabled and checked by the command's ON_UPDATE_COMMAND_UI handler. With
// CBRS_TOOLTIPS a button's tip is its command's string after the newline;
// with CBRS_FLYBY the status bar shows the string before it while the
// pointer is over the button (otherwise while the button is held down).
#pragma once

#include "afx/ui/AfxControlBar.h"

#include <commctrl.h>

// The resource type of a toolbar's button list.
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCEA(241)
#endif

// Button styles: the common control's style in the low word, its state in
// the high word (TBBS_DISABLED is the enabled state inverted).
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP MAKELONG(TBSTYLE_CHECKGROUP, 0)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

class VARNEL_API CToolBar : public CControlBar {
  DECLARE_DYNAMIC(CToolBar)

 public:
  CToolBar();
  ~CToolBar() override;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
              UINT nID = AFX_IDW_TOOLBAR);
  // dwCtrlStyle: the common control's own styles (TBSTYLE_FLAT, ...).
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                CRect rcBorders = CRect(0, 0, 0, 0), UINT nID = AFX_IDW_TOOLBAR);

  // A button's size and its image's (the button at least 7 pixels larger
  // each way).
  void SetSizes(SIZE sizeButton, SIZE sizeImage);
  void SetHeight(int cyHeight);
  // The TOOLBAR resource (image size, button commands, 0 for a separator)
  // and the bitmap of the same name.
  BOOL LoadToolBar(LPCSTR lpszResourceName);
  BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCEA(nIDResource)); }
  // The images, side by side in one bitmap; black, greys and white take
  // the system's button colours.
  BOOL LoadBitmap(LPCSTR lpszResourceName);
  BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCEA(nIDResource)); }
  // The same from a bitmap the bar then owns.
  BOOL SetBitmap(HBITMAP hbmImageWell);
  // One button per ID (ID_SEPARATOR makes a separator), images in order;
  // without IDs, nIDCount separators to be set up with SetButtonInfo.
  BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

  // The index of the first button of the command, or -1.
  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
  UINT GetButtonStyle(int nIndex) const;
  void SetButtonStyle(int nIndex, UINT nStyle);
  void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
  void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool GetButton(int nIndex, TBBUTTON* pButton) const;
  void SetButton(int nIndex, const TBBUTTON& button);
  // The tooltip's text for a button's command, into the notification.
  void FillToolTip(NMHDR* pHeader);
  // The status prompt of the button under a point of the bar (0: none).
  UINT CommandAt(POINT point) const;
  void TrackPrompt(UINT nID);

  CSize m_sizeButton;
  CSize m_sizeImage;
  HBITMAP m_hbmImageWell = nullptr;  // owned
  bool m_bImagesAdded = false;
  UINT m_nPromptID = 0;  // the command whose prompt the bar put up
  char m_szTip[256] = {};
  wchar_t m_wszTip[256] = {};
};
