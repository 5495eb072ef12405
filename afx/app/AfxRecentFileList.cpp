#include "afx/app/AfxRecentFileList.h"

#include "afx/app/AfxApp.h"
#include "afx/base/AfxPathText.h"

namespace {

CString FullPath(LPCSTR lpszPathName) {
  char szPath[MAX_PATH];
  const DWORD nLength = ::GetFullPathNameA(lpszPathName, MAX_PATH, szPath, nullptr);
  return nLength > 0 && nLength < MAX_PATH ? CString(szPath) : CString(lpszPathName);
}

// Paths name the same file when they differ only in letter case.
bool SamePath(const CString& a, const CString& b) {
  return ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

}  // namespace

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat,
                                 int nSize, int nMaxDispLen)
    : m_nSize(nSize > 0 ? nSize : 1),
      m_arrNames(static_cast<size_t>(m_nSize)),
      m_strSectionName(lpszSection),
      m_strEntryFormat(lpszEntryFormat),
      m_nStart(nStart),
      m_nMaxDisplayLength(nMaxDispLen) {}

void CRecentFileList::Add(LPCSTR lpszPathName) {
  if (lpszPathName == nullptr || *lpszPathName == '\0') return;
  const CString strPath = FullPath(lpszPathName);
  // The slot it leaves (or the last one) is filled from above.
  int nFrom = m_nSize - 1;
  for (int i = 0; i < m_nSize; ++i) {
    if (SamePath(m_arrNames[static_cast<size_t>(i)], strPath)) {
      nFrom = i;
      break;
    }
  }
  for (int i = nFrom; i > 0; --i) {
    m_arrNames[static_cast<size_t>(i)] = m_arrNames[static_cast<size_t>(i - 1)];
  }
  m_arrNames[0] = strPath;
}

void CRecentFileList::Remove(int nIndex) {
  if (nIndex < 0 || nIndex >= m_nSize) return;
  for (int i = nIndex; i < m_nSize - 1; ++i) {
    m_arrNames[static_cast<size_t>(i)] = m_arrNames[static_cast<size_t>(i + 1)];
  }
  m_arrNames[static_cast<size_t>(m_nSize - 1)].Empty();
}

BOOL CRecentFileList::GetDisplayName(CString& strName, int nIndex, LPCSTR lpszCurDir, int nCurDir,
                                     BOOL bAtLeastName) const {
  if (nIndex < 0 || nIndex >= m_nSize) return FALSE;
  const CString& strPath = m_arrNames[static_cast<size_t>(nIndex)];
  if (strPath.IsEmpty()) return FALSE;
  const CString strFileName = AfxPathFileName(strPath);
  const CString strFolder = strPath.Left(strPath.GetLength() - strFileName.GetLength());
  if (lpszCurDir != nullptr && nCurDir > 0 && strFolder.GetLength() == nCurDir &&
      SamePath(strFolder, CString(lpszCurDir, nCurDir))) {
    strName = strFileName;
  } else {
    strName = AfxAbbreviatePath(strPath, m_nMaxDisplayLength);
  }
  if (!bAtLeastName && strName.GetLength() > m_nMaxDisplayLength) strName.Empty();
  return TRUE;
}

void CRecentFileList::ReadList() {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return;
  for (int i = 0; i < m_nSize; ++i) {
    CString strEntry;
    strEntry.Format(m_strEntryFormat, i + 1);
    m_arrNames[static_cast<size_t>(i)] = pApp->GetProfileString(m_strSectionName, strEntry);
  }
}

void CRecentFileList::WriteList() {
  CWinApp* pApp = AfxGetApp();
  if (pApp == nullptr) return;
  for (int i = 0; i < m_nSize; ++i) {
    CString strEntry;
    strEntry.Format(m_strEntryFormat, i + 1);
    const CString& strPath = m_arrNames[static_cast<size_t>(i)];
    pApp->WriteProfileString(m_strSectionName, strEntry,
                             strPath.IsEmpty() ? nullptr : static_cast<LPCSTR>(strPath));
  }
}
