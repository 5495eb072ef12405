#include "afx/app/AfxFilePath.h"

CString AfxFullPath(LPCSTR lpszFileName) {
  char szPath[MAX_PATH];
  const DWORD nLength = ::GetFullPathNameA(lpszFileName, MAX_PATH, szPath, nullptr);
  return nLength > 0 && nLength < MAX_PATH ? CString(szPath) : CString(lpszFileName);
}

CString AfxFolderOf(const CString& strFullPath) {
  for (int i = strFullPath.GetLength() - 1; i >= 0; --i) {
    if (strFullPath[i] == '\\' || strFullPath[i] == '/') return strFullPath.Left(i + 1);
  }
  return ".\\";
}
