#include "afx/base/AfxPathText.h"

namespace {

bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }

// The length of the path's root: "C:\", "\\server\share\", "\"; 0 for a
// relative path.
int RootLength(const CString& strPath) {
  const int nLength = strPath.GetLength();
  if (nLength >= 2 && IsSeparator(strPath[0]) && IsSeparator(strPath[1])) {
    int nSeparators = 0;
    for (int i = 2; i < nLength; ++i) {
      if (IsSeparator(strPath[i]) && ++nSeparators == 2) return i + 1;
    }
    return nLength;
  }
  if (nLength >= 2 && strPath[1] == ':') return nLength >= 3 && IsSeparator(strPath[2]) ? 3 : 2;
  return nLength >= 1 && IsSeparator(strPath[0]) ? 1 : 0;
}

}  // namespace

CString AfxPathFileName(const CString& strPath) {
  for (int i = strPath.GetLength() - 1; i >= 0; --i) {
    if (IsSeparator(strPath[i]) || strPath[i] == ':') return strPath.Mid(i + 1);
  }
  return strPath;
}

CString AfxAbbreviatePath(const CString& strPath, int nMaxLength) {
  if (strPath.GetLength() <= nMaxLength) return strPath;
  const CString strName = AfxPathFileName(strPath);
  const CString strHead = strPath.Left(RootLength(strPath)) + "...";
  // The tail starts at a separator: "\Plans\Sign.wzd". Walk its start back
  // over the folders while the whole still fits.
  int nTail = strPath.GetLength() - strName.GetLength() - 1;
  if (nTail < 0 || !IsSeparator(strPath[nTail]) ||
      strHead.GetLength() + strPath.GetLength() - nTail > nMaxLength) {
    return strName;
  }
  for (int i = nTail - 1; i >= RootLength(strPath); --i) {
    if (!IsSeparator(strPath[i])) continue;
    if (strHead.GetLength() + strPath.GetLength() - i > nMaxLength) break;
    nTail = i;
  }
  return strHead + strPath.Mid(nTail);
}
