// Menus (CMenu): wrappers of menu handles, owned or temporary as the
// drawing objects are. The update of menu items before their popup opens
// is CCmdUI's (afx/ui/AfxCmdUI.h).
#pragma once

#include "afx/gdi/AfxGdiHandleMap.h"
#include "afx/wnd/AfxWin.h"

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
  // The wrappers in the handle map: the calling thread's temporary ones,
  // or the permanent ones of every thread.
  static int GetWrapperCount(bool bTemporary);
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
