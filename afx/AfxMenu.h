// Menus (CMenu) and the user-interface update of commands (CCmdUI): before
// a popup menu opens, the frame asks for each item's command whether a
// handler wants to enable, check or rename it (ON_UPDATE_COMMAND_UI), and
// greys the items whose command nobody handles.
#pragma once

#include "afx/AfxGdiHandleMap.h"
#include "afx/AfxWin.h"

class VARNEL_API CMenu : public CObject {
  DECLARE_DYNCREATE(CMenu)

 public:
  HMENU m_hMenu = nullptr;

  CMenu() = default;
  // Destroys the menu it holds (a menu handed to a window with SetMenu or
  // LoadFrame belongs to the window: Detach it first).
  ~CMenu() override;

  operator HMENU() const { return m_hMenu; }  // NOLINT: as the framework's
  HMENU GetSafeHmenu() const { return m_hMenu; }
  // The object holding hMenu, else a temporary one (freed when idle).
  static CMenu* FromHandle(HMENU hMenu);
  static void DeleteTempMap();
  BOOL Attach(HMENU hMenu);
  HMENU Detach();

  BOOL CreateMenu();
  BOOL CreatePopupMenu();
  // From the resources of the application or a registered library.
  BOOL LoadMenu(LPCSTR lpszResourceName);
  BOOL LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }
  BOOL DestroyMenu();

  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCSTR lpszNewItem = nullptr);
  BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCSTR lpszNewItem = nullptr);
  BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                  LPCSTR lpszNewItem = nullptr);
  BOOL RemoveMenu(UINT nPosition, UINT nFlags);
  BOOL DeleteMenu(UINT nPosition, UINT nFlags);
  // Both return the item's previous state, or (UINT)-1 when it has none.
  UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
  BOOL CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags);

  UINT GetMenuItemCount() const;
  // The command of the item at nPos; 0 for a separator, (UINT)-1 for a popup.
  UINT GetMenuItemID(int nPos) const;
  UINT GetMenuState(UINT nID, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const;
  int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
  CMenu* GetSubMenu(int nPos) const;
  // Shows the menu at (x, y) in screen coordinates; its command goes to
  // pWnd (or, with TPM_RETURNCMD, comes back as the result).
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

 private:
  friend class CGdiHandleMap<HMENU, CMenu>;
  void ClearHandlesOfTemporary() { m_hMenu = nullptr; }
};

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
  // From an update handler: the next target of the command's route (the
  // frame after the view, the application after the frame) is asked too.
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  // Asks pTarget's handlers to update the item; when none changed its
  // enabling and bDisableIfNoHandler is set, enables the item exactly when
  // some handler would carry the command out.
  BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHandler);

  CCmdUI(const CCmdUI&) = delete;
  CCmdUI& operator=(const CCmdUI&) = delete;
};
