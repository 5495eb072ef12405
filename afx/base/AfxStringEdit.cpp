// CString's edits: trimming by characters, spans, reversal, replacement,
// insertion and deletion. Each builds on the string's own copy-on-write:
// a string that shares its characters takes its own before it changes.
#include "afx/base/AfxString.h"

#include "afx/base/AfxException.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

int ClampTo(int n, int nMax) { return n < 0 ? 0 : (n > nMax ? nMax : n); }

bool InSet(const char* pszSet, char ch) {
  return ch != '\0' && std::strchr(pszSet, ch) != nullptr;
}

int TextLength(const char* psz) {
  const size_t n = psz != nullptr ? std::strlen(psz) : 0;
  if (n > static_cast<size_t>(INT_MAX / 2)) AfxThrowMemoryException();
  return static_cast<int>(n);
}

}  // namespace

// ---- trimming ------------------------------------------------------------------

void CString::TrimLeft(char chTarget) {
  const char chSet[2] = {chTarget, '\0'};
  TrimLeft(chSet);
}

void CString::TrimRight(char chTarget) {
  const char chSet[2] = {chTarget, '\0'};
  TrimRight(chSet);
}

void CString::TrimLeft(const char* pszTargets) {
  if (pszTargets == nullptr) return;
  const int nSkip = static_cast<int>(std::strspn(m_pchData, pszTargets));
  if (nSkip > 0) AssignCopy(m_pchData + nSkip, GetLength() - nSkip);
}

void CString::TrimRight(const char* pszTargets) {
  if (pszTargets == nullptr) return;
  int nLength = GetLength();
  while (nLength > 0 && InSet(pszTargets, m_pchData[nLength - 1])) --nLength;
  if (nLength != GetLength()) AssignCopy(m_pchData, nLength);
}

// ---- spans -----------------------------------------------------------------------

CString CString::SpanIncluding(const char* pszCharSet) const {
  if (pszCharSet == nullptr) return CString();
  return Left(static_cast<int>(std::strspn(m_pchData, pszCharSet)));
}

CString CString::SpanExcluding(const char* pszCharSet) const {
  if (pszCharSet == nullptr) return *this;
  return Left(static_cast<int>(std::strcspn(m_pchData, pszCharSet)));
}

// ---- edits -------------------------------------------------------------------------

void CString::MakeReverse() {
  if (GetLength() < 2) return;
  PrepareWrite(GetLength());
  std::reverse(m_pchData, m_pchData + GetLength());
}

int CString::Replace(char chOld, char chNew) {
  const int nCount = static_cast<int>(std::count(m_pchData, m_pchData + GetLength(), chOld));
  if (nCount == 0 || chOld == chNew) return nCount;
  PrepareWrite(GetLength());
  std::replace(m_pchData, m_pchData + GetLength(), chOld, chNew);
  return nCount;
}

int CString::Replace(const char* pszOld, const char* pszNew) {
  const int nOld = TextLength(pszOld);
  if (nOld == 0) return 0;
  const int nNew = TextLength(pszNew);
  CString result;
  int nCount = 0;
  int nFrom = 0;
  for (int nAt = Find(pszOld); nAt >= 0; nAt = Find(pszOld, nFrom)) {
    result.Append(m_pchData + nFrom, nAt - nFrom);
    result.Append(pszNew, nNew);
    nFrom = nAt + nOld;
    ++nCount;
  }
  if (nCount == 0) return 0;
  result.Append(m_pchData + nFrom, GetLength() - nFrom);
  *this = std::move(result);
  return nCount;
}

int CString::Remove(char chRemove) {
  const int nCount = static_cast<int>(std::count(m_pchData, m_pchData + GetLength(), chRemove));
  if (nCount == 0) return 0;
  PrepareWrite(GetLength());
  char* const pEnd = std::remove(m_pchData, m_pchData + GetLength(), chRemove);
  *pEnd = '\0';
  GetData()->nDataLength = static_cast<int>(pEnd - m_pchData);
  return nCount;
}

int CString::Insert(int nIndex, char ch) {
  const char sz[2] = {ch, '\0'};
  return Insert(nIndex, sz);
}

int CString::Insert(int nIndex, const char* psz) {
  const int nInsert = TextLength(psz);
  if (nInsert == 0) return GetLength();
  const int nAt = ClampTo(nIndex, GetLength());
  CString result(m_pchData, nAt);
  result.Append(psz, nInsert);
  result.Append(m_pchData + nAt, GetLength() - nAt);
  *this = std::move(result);
  return GetLength();
}

int CString::Delete(int nIndex, int nCount) {
  const int nAt = ClampTo(nIndex, GetLength());
  const int nRemove = ClampTo(nCount, GetLength() - nAt);
  if (nRemove == 0) return GetLength();
  PrepareWrite(GetLength());
  const int nNewLength = GetLength() - nRemove;
  std::memmove(m_pchData + nAt, m_pchData + nAt + nRemove, static_cast<size_t>(nNewLength - nAt));
  m_pchData[nNewLength] = '\0';
  GetData()->nDataLength = nNewLength;
  return nNewLength;
}

int CString::Collate(const char* psz) const {
  return std::strcoll(m_pchData, psz != nullptr ? psz : "");
}
