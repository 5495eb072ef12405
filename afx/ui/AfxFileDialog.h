// CFileDialog: the system's Open and Save As dialogs (GetOpenFileName,
// GetSaveFileName) with the framework's filter strings, in which '|'
// separates the parts: "Wizard Files (*.wzd)|*.wzd|All Files (*.*)|*.*||".
#pragma once

#include "afx/ui/AfxDialog.h"

#include <commdlg.h>

// The system's name for ::GetFileTitleA would rename the framework's
// members of that name (CFile's, CFileDialog's) in code that follows.
#undef GetFileTitle

class VARNEL_API CFileDialog : public CDialog {
  DECLARE_DYNAMIC(CFileDialog)

 public:
  // lpszDefExt: the extension added to a name typed without one (no dot).
  // lpszFileName: the name proposed.
  explicit CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt = nullptr,
                       LPCSTR lpszFileName = nullptr,
                       DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       LPCSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);

  // Shows the dialog until the user chooses: IDOK or IDCANCEL.
  int DoModal() override;

  // The file chosen: its full path, its name, its extension (without the
  // dot) and its name without the extension.
  CString GetPathName() const;
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

  // The system's structure, for what the members above do not cover; set
  // it up before DoModal.
  OPENFILENAMEA m_ofn;

 protected:
  BOOL m_bOpenFileDialog;
  CString m_strFilter;  // with '\0' in place of '|'
  CString m_strDefExt;
  char m_szFileName[MAX_PATH];
  char m_szFileTitle[MAX_PATH];
};
