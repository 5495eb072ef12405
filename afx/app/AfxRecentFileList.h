// CRecentFileList: the files the user opened or saved last, newest first,
// kept in the application's settings and shown in the File menu in place
// of the item ID_FILE_MRU_FILE1 (UpdateMenu, through the application's
// update handler for that item). CWinApp::LoadStdProfileSettings makes it.
#pragma once

#include "afx/base/AfxString.h"

#include <vector>

class CCmdUI;

// The longest path the menu shows whole; longer ones are shortened.
#define AFX_ABBREV_FILENAME_LEN 30

class VARNEL_API CRecentFileList {
 public:
  // nStart: the number of the first file in the menu, less one (0: "&1").
  // The files are the entries lpszEntryFormat ("File%d", from 1) of the
  // settings' section lpszSection; at most nSize of them.
  CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize,
                  int nMaxDispLen = AFX_ABBREV_FILENAME_LEN);
  virtual ~CRecentFileList() = default;
  CRecentFileList(const CRecentFileList&) = delete;
  CRecentFileList& operator=(const CRecentFileList&) = delete;

  int GetSize() const { return m_nSize; }
  // The full path of file nIndex; empty past the files there are.
  CString& operator[](int nIndex) { return m_arrNames[static_cast<size_t>(nIndex)]; }

  // Puts the file (its full path) first; a file already in the list moves
  // up, the oldest one falls off a full list.
  virtual void Add(LPCSTR lpszPathName);
  virtual void Remove(int nIndex);

  // The menu text of file nIndex (without its number): its name alone
  // when it lies in the folder lpszCurDir (nCurDir characters, with the
  // separator), else its path shortened to the longest shown. FALSE for
  // an empty entry.
  BOOL GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                      BOOL bAtLeastName = TRUE) const;
  // Replaces the menu's recent-file items with the list ("&1 Sign.wzd"...,
  // commands ID_FILE_MRU_FILE1 on); an empty list shows the item's own
  // text, greyed.
  virtual void UpdateMenu(CCmdUI* pCmdUI);

  virtual void ReadList();
  virtual void WriteList();

  int m_nSize;
  std::vector<CString> m_arrNames;
  CString m_strSectionName;
  CString m_strEntryFormat;
  UINT m_nStart;
  int m_nMaxDisplayLength;
  CString m_strOriginal;  // the menu item's text before the list replaced it
};
