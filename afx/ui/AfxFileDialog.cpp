#include "afx/ui/AfxFileDialog.h"

#include "afx/base/AfxPathText.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName,
                         DWORD dwFlags, LPCSTR lpszFilter, CWnd* pParentWnd)
    : m_ofn(), m_bOpenFileDialog(bOpenFileDialog), m_szFileName(), m_szFileTitle() {
  m_pParentWnd = pParentWnd;
  m_ofn.lStructSize = sizeof m_ofn;
  m_ofn.lpstrFile = m_szFileName;
  m_ofn.nMaxFile = MAX_PATH;
  m_ofn.lpstrFileTitle = m_szFileTitle;
  m_ofn.nMaxFileTitle = MAX_PATH;
  m_ofn.Flags = dwFlags | OFN_EXPLORER;
  if (lpszDefExt != nullptr) {
    m_strDefExt = lpszDefExt;
    m_ofn.lpstrDefExt = m_strDefExt;
  }
  if (lpszFileName != nullptr) {
    std::strncpy(m_szFileName, lpszFileName, MAX_PATH - 1);
  }
  if (lpszFilter != nullptr) {
    // The system wants each part ended by '\0' and the list by another.
    m_strFilter = lpszFilter;
    const int nLength = m_strFilter.GetLength();
    char* pFilter = m_strFilter.GetBuffer(nLength + 1);
    for (int i = 0; i < nLength; ++i) {
      if (pFilter[i] == '|') pFilter[i] = '\0';
    }
    pFilter[nLength] = '\0';
    m_strFilter.ReleaseBuffer(nLength);
    m_ofn.lpstrFilter = m_strFilter;
  }
}

int CFileDialog::DoModal() {
  CWnd* pOwner = m_pParentWnd != nullptr ? m_pParentWnd : AfxGetMainWnd();
  m_ofn.hwndOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
  m_szFileTitle[0] = '\0';
  const BOOL bOk = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
  return bOk ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const { return m_szFileName; }

CString CFileDialog::GetFileName() const { return AfxPathFileName(m_szFileName); }

CString CFileDialog::GetFileExt() const {
  const CString strName = GetFileName();
  const int nDot = strName.ReverseFind('.');
  return nDot >= 0 ? strName.Mid(nDot + 1) : CString();
}

CString CFileDialog::GetFileTitle() const {
  const CString strName = GetFileName();
  const int nDot = strName.ReverseFind('.');
  return nDot >= 0 ? strName.Left(nDot) : strName;
}
