#include "afx/wnd/AfxMenu.h"

namespace {

// Never destroyed, for the same reason as the drawing objects' map.
CGdiHandleMap<HMENU, CMenu>& MenuMap() {
  static auto* map = new CGdiHandleMap<HMENU, CMenu>;
  return *map;
}

}  // namespace

IMPLEMENT_DYNCREATE(CMenu, CObject)

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU hMenu) {
  if (hMenu == nullptr) return nullptr;
  if (CMenu* pMenu = MenuMap().LookupPermanent(hMenu)) return pMenu;
  if (CMenu* pMenu = MenuMap().LookupTemp(hMenu)) return pMenu;
  auto* pMenu = new CMenu;
  pMenu->m_hMenu = hMenu;
  MenuMap().SetTemp(hMenu, pMenu);
  return pMenu;
}

void CMenu::DeleteTempMap() { MenuMap().DeleteTemp(); }

int CMenu::GetWrapperCount(bool bTemporary) { return MenuMap().Count(bTemporary); }

BOOL CMenu::Attach(HMENU hMenu) {
  if (hMenu == nullptr || m_hMenu != nullptr) return FALSE;
  MenuMap().RemoveTemp(hMenu);
  MenuMap().SetPermanent(hMenu, this);
  m_hMenu = hMenu;
  return TRUE;
}

HMENU CMenu::Detach() {
  const HMENU hMenu = m_hMenu;
  if (hMenu != nullptr && MenuMap().LookupPermanent(hMenu) == this) {
    MenuMap().RemovePermanent(hMenu);
  }
  m_hMenu = nullptr;
  return hMenu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName) {
  const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
  return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::DestroyMenu() {
  if (m_hMenu == nullptr) return FALSE;
  return ::DestroyMenu(Detach());
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCSTR lpszNewItem) {
  return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) {
  return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
  return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
  return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags) {
  return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

UINT CMenu::GetMenuItemCount() const {
  const int nCount = ::GetMenuItemCount(m_hMenu);
  return nCount < 0 ? 0 : static_cast<UINT>(nCount);
}

UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
  return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPSTR lpString, int nMaxCount, UINT nFlags) const {
  return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
  const int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
  char* pBuffer = rString.GetBuffer(nLength < 0 ? 0 : nLength);
  const int nCopied = ::GetMenuStringA(m_hMenu, nIDItem, pBuffer, nLength + 1, nFlags);
  rString.ReleaseBuffer(nCopied < 0 ? 0 : nCopied);
  return rString.GetLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect) {
  return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd != nullptr ? pWnd->m_hWnd : nullptr,
                          lpRect);
}
