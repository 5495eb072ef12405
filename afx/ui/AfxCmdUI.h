// The user-interface update of commands (CCmdUI): before a popup menu
// opens, the frame asks for each item's command whether a handler wants to
// enable, check or rename it (ON_UPDATE_COMMAND_UI), and greys the items
// whose command nobody handles.
#pragma once

#include "afx/wnd/AfxMenu.h"

class VARNEL_API CCmdUI {
 public:
  UINT m_nID = 0;
  UINT m_nIndex = 0;  // the item's position in m_pMenu
  CMenu* m_pMenu = nullptr;
  CMenu* m_pSubMenu = nullptr;
  CWnd* m_pOther = nullptr;  // a control standing for the command (none for menus)
  UINT m_nIndexMax = 0;
  BOOL m_bEnableChanged = FALSE;
  BOOL m_bContinueRouting = FALSE;

  CCmdUI() = default;
  virtual ~CCmdUI() = default;

  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCSTR lpszText);
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Asks pTarget's handlers to update the item; when none changed its
  // enabling and bDisableIfNoHandler is set, enables the item exactly when
  // some handler would carry the command out.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

  CCmdUI(const CCmdUI&) = delete;
  CCmdUI& operator=(const CCmdUI&) = delete;
};
