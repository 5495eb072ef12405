// The recent-file list in the File menu.
#include "afx/app/AfxRecentFileList.h"
#include "afx/ui/AfxCmdUI.h"
#include "afx/wnd/AfxMenu.h"

namespace {

// Menu text shows '&' as a mnemonic mark; a file name's own '&' is doubled.
CString MenuEscaped(const CString& strText) {
  CString strEscaped;
  for (int i = 0; i < strText.GetLength(); ++i) {
    if (strText[i] == '&') strEscaped += '&';
    strEscaped += strText[i];
  }
  return strEscaped;
}

CString CurrentFolder() {
  char szFolder[MAX_PATH] = {};
  const DWORD nLength = ::GetCurrentDirectoryA(MAX_PATH, szFolder);
  if (nLength == 0 || nLength >= MAX_PATH - 1) return CString();
  CString strFolder(szFolder);
  if (strFolder[strFolder.GetLength() - 1] != '\\') strFolder += '\\';
  return strFolder;
}

}  // namespace

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI) {
  CMenu* pMenu = pCmdUI->m_pMenu;
  if (m_strOriginal.IsEmpty() && pMenu != nullptr) {
    pMenu->GetMenuString(pCmdUI->m_nID, m_strOriginal, MF_BYCOMMAND);
  }
  if (m_arrNames[0].IsEmpty()) {
    // No files: the first item becomes the placeholder again, greyed; the
    // others of a list shown before go.
    if (pMenu != nullptr) {
      for (int i = 1; i < m_nSize; ++i) {
        pMenu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
      }
      pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
    }
    if (!m_strOriginal.IsEmpty()) pCmdUI->SetText(m_strOriginal);
    pCmdUI->Enable(FALSE);
    return;
  }
  if (pMenu == nullptr) return;

  // The items of the list shown before (or the placeholder) go; the
  // current files take their place, one command each.
  for (int i = 0; i < m_nSize; ++i) {
    pMenu->DeleteMenu(pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
  }
  const CString strFolder = CurrentFolder();
  UINT nPosition = pCmdUI->m_nIndex;
  for (int i = 0; i < m_nSize; ++i) {
    CString strName;
    if (!GetDisplayName(strName, i, strFolder, strFolder.GetLength())) break;
    CString strItem;
    strItem.Format("&%u %s", m_nStart + static_cast<UINT>(i) + 1,
                   static_cast<LPCSTR>(MenuEscaped(strName)));
    pMenu->InsertMenu(nPosition++, MF_STRING | MF_BYPOSITION,
                      pCmdUI->m_nID + static_cast<UINT>(i), strItem);
  }
  // The menu's update goes on after the items added here, which are
  // enabled already.
  pCmdUI->m_nIndex = nPosition - 1;
  pCmdUI->m_nIndexMax = pMenu->GetMenuItemCount();
  pCmdUI->m_bEnableChanged = TRUE;
}
