// CStatusBar: the row of panes along a frame's bottom, over the common
// controls' status bar. The panes are given by IDs (SetIndicators): the
// first, usually ID_SEPARATOR, stretches and shows the frame's messages
// ("Ready", a menu item's prompt); each other pane is as wide as its ID's
// string and shows it while its command's update handler enables it (the
// key indicators: "CAP" while Caps Lock is on). A host's own panes get
// their text from SetPaneText or from an update handler's SetText.
#pragma once

#include "afx/ui/AfxControlBar.h"

#include <vector>

// Pane styles.
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100
#define SBPS_POPOUT 0x0200
#define SBPS_OWNERDRAW 0x1000
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000

class VARNEL_API CStatusBar : public CControlBar {
  DECLARE_DYNAMIC(CStatusBar)

 public:
  CStatusBar() = default;

  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
              UINT nID = AFX_IDW_STATUS_BAR);
  BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                UINT nID = AFX_IDW_STATUS_BAR);

  // One pane per ID; FALSE when an ID other than ID_SEPARATOR has no string.
  BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

  int CommandToIndex(UINT nIDFind) const;
  UINT GetItemID(int nIndex) const;
  void GetItemRect(int nIndex, LPRECT lpRect) const;
  // The pane's text as set (a disabled pane keeps it but shows nothing).
  CString GetPaneText(int nIndex) const;
  void GetPaneText(int nIndex, CString& rString) const;
  BOOL SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate = TRUE);
  void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
  // cxWidth: the text's width in pixels (SBPS_STRETCH panes take more).
  void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
  UINT GetPaneStyle(int nIndex) const;
  void SetPaneStyle(int nIndex, UINT nStyle);

  CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
  void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Pane {
    UINT nID = 0;
    UINT nStyle = 0;
    int cxText = 0;
    CString strText;
  };
  bool IsPane(int nIndex) const { return nIndex >= 0 && nIndex < static_cast<int>(m_panes.size()); }
  // Gives the control the panes' edges and what each shows.
  void UpdateParts();
  void ShowPane(int nIndex);
  int TextWidth(LPCSTR lpszText) const;

  std::vector<Pane> m_panes;
};
