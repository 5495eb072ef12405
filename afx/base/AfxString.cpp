#include "afx/base/AfxString.h"

#include "afx/base/AfxException.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

// The text every empty string points at: never freed, never written.
struct EmptyString {
  CStringData header;
  char nul;
};
EmptyString g_empty = {{-1, 0, 0}, '\0'};
static_assert(offsetof(EmptyString, nul) == sizeof(CStringData),
              "the characters follow their header");

char* EmptyChars() { return g_empty.header.data(); }

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

int ClampIndex(int n, int size) { return n < 0 ? 0 : (n > size ? size : n); }

int Length(const char* psz) {
  const size_t n = std::strlen(psz);
  if (n > static_cast<size_t>(INT_MAX) - sizeof(CStringData) - 1) AfxThrowMemoryException();
  return static_cast<int>(n);
}

// Room for a string that grows to nLength: at least half as much again as
// it had, so that appending one character at a time stays linear.
int GrownRoom(int nOldAlloc, int nLength) {
  const long long grown = static_cast<long long>(nOldAlloc) + nOldAlloc / 2;
  const long long limit = static_cast<long long>(INT_MAX) - sizeof(CStringData) - 1;
  return static_cast<int>(std::min(std::max<long long>(grown, nLength), limit));
}

// A pointer below 0x10000 is not text but a resource ID.
bool IsResourceId(const char* psz) { return reinterpret_cast<uintptr_t>(psz) < 0x10000; }

}  // namespace

// ---- the characters and their header ----------------------------------------------

void CString::AllocBuffer(int nLength, int nAllocLength) {
  if (nLength < 0 || nAllocLength < nLength ||
      nAllocLength > INT_MAX - static_cast<int>(sizeof(CStringData)) - 1) {
    AfxThrowMemoryException();
  }
  void* pBlock = nullptr;
  try {
    pBlock = ::operator new(sizeof(CStringData) + static_cast<size_t>(nAllocLength) + 1);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
  CStringData* pData = new (pBlock) CStringData{{1}, nLength, nAllocLength};
  std::memset(pData->data(), 0, static_cast<size_t>(nAllocLength) + 1);
  m_pchData = pData->data();
}

void CString::Release() {
  CStringData* pData = GetData();
  m_pchData = EmptyChars();
  if (pData == &g_empty.header) return;
  if (pData->nRefs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
    pData->~CStringData();
    ::operator delete(pData);
  }
}

void CString::Reassign(const char* pch, int nLength, int nAllocLength) {
  // Built aside first: pch may lie in the characters being replaced, and a
  // failed allocation leaves the string as it was.
  CString fresh;
  fresh.AllocBuffer(nLength, nAllocLength);
  std::memcpy(fresh.m_pchData, pch, static_cast<size_t>(nLength));
  std::swap(m_pchData, fresh.m_pchData);
}

bool CString::IsOwnWithRoom(int nAlloc) const {
  const CStringData* pData = GetData();
  return pData->nRefs.load(std::memory_order_acquire) == 1 && pData->nAllocLength >= nAlloc;
}

void CString::PrepareWrite(int nMinAlloc) {
  if (IsOwnWithRoom(nMinAlloc)) return;
  // Shared, the empty text, or too small: characters of our own.
  Reassign(m_pchData, GetLength(), std::max(nMinAlloc, GetLength()));
}

void CString::AssignCopy(const char* pch, int nLength) {
  if (nLength == 0) {
    Release();
  } else if (IsOwnWithRoom(nLength)) {
    std::memmove(m_pchData, pch, static_cast<size_t>(nLength));  // pch may lie inside
    m_pchData[nLength] = '\0';
    GetData()->nDataLength = nLength;
  } else {
    Reassign(pch, nLength, nLength);
  }
}

void CString::Append(const char* pch, int nLength) {
  if (nLength <= 0) return;
  const int nOldLength = GetLength();
  if (nLength > INT_MAX - static_cast<int>(sizeof(CStringData)) - 1 - nOldLength) {
    AfxThrowMemoryException();
  }
  const int nNewLength = nOldLength + nLength;
  if (!IsOwnWithRoom(nNewLength)) {
    // The old characters stay alive until pch has been read.
    CString old(*this);
    Reassign(m_pchData, nOldLength, GrownRoom(GetData()->nAllocLength, nNewLength));
    std::memcpy(m_pchData + nOldLength, pch, static_cast<size_t>(nLength));
  } else {
    std::memmove(m_pchData + nOldLength, pch, static_cast<size_t>(nLength));
  }
  m_pchData[nNewLength] = '\0';
  GetData()->nDataLength = nNewLength;
}

// ---- construction and assignment ---------------------------------------------------

CString::CString() : m_pchData(EmptyChars()) {}

CString::CString(const CString& stringSrc) : m_pchData(stringSrc.m_pchData) {
  CStringData* pData = GetData();
  if (pData != &g_empty.header) pData->nRefs.fetch_add(1, std::memory_order_relaxed);
}

CString::CString(CString&& stringSrc) noexcept : m_pchData(stringSrc.m_pchData) {
  stringSrc.m_pchData = EmptyChars();
}

CString::CString(const char* psz) : m_pchData(EmptyChars()) {
  if (psz == nullptr) return;
  if (IsResourceId(psz)) {
#if defined(_WIN32)
    LoadString(static_cast<UINT>(reinterpret_cast<uintptr_t>(psz)));
#endif
    return;
  }
  AssignCopy(psz, Length(psz));
}

CString::CString(const char* pch, int nLength) : m_pchData(EmptyChars()) {
  if (pch != nullptr && nLength > 0) AssignCopy(pch, nLength);
}

CString::CString(char ch, int nRepeat) : m_pchData(EmptyChars()) {
  if (nRepeat <= 0) return;
  AllocBuffer(nRepeat, nRepeat);
  std::memset(m_pchData, ch, static_cast<size_t>(nRepeat));
}

CString::~CString() { Release(); }

CString& CString::operator=(const CString& stringSrc) {
  if (m_pchData != stringSrc.m_pchData) {
    CString copy(stringSrc);
    std::swap(m_pchData, copy.m_pchData);
  }
  return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept {
  std::swap(m_pchData, stringSrc.m_pchData);
  stringSrc.Release();
  return *this;
}

CString& CString::operator=(const char* psz) {
  AssignCopy(psz != nullptr ? psz : "", psz != nullptr ? Length(psz) : 0);
  return *this;
}

CString& CString::operator=(char ch) {
  AssignCopy(&ch, 1);
  return *this;
}

void CString::Empty() { Release(); }

// ---- characters --------------------------------------------------------------------

char CString::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetLength() ? m_pchData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch) {
  if (nIndex < 0 || nIndex >= GetLength()) return;
  PrepareWrite(GetLength());
  m_pchData[nIndex] = ch;
}

CString& CString::operator+=(const CString& str) {
  Append(str.m_pchData, str.GetLength());
  return *this;
}

CString& CString::operator+=(const char* psz) {
  if (psz != nullptr) Append(psz, Length(psz));
  return *this;
}

CString& CString::operator+=(char ch) {
  Append(&ch, 1);
  return *this;
}

int CString::Compare(const char* psz) const {
  return std::strcmp(m_pchData, psz != nullptr ? psz : "");
}

int CString::CompareNoCase(const char* psz) const {
  const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pchData);
  const unsigned char* b = reinterpret_cast<const unsigned char*>(psz != nullptr ? psz : "");
  for (;; ++a, ++b) {
    const int ca = std::tolower(*a), cb = std::tolower(*b);
    if (ca != cb || ca == 0) return ca - cb;
  }
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const {
  const int first = ClampIndex(nFirst, GetLength());
  const int count = ClampIndex(nCount, GetLength() - first);
  if (first == 0 && count == GetLength()) return *this;
  return CString(m_pchData + first, count);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  const int count = ClampIndex(nCount, GetLength());
  return Mid(GetLength() - count, count);
}

void CString::MakeUpper() {
  if (IsEmpty()) return;
  PrepareWrite(GetLength());
  for (char* p = m_pchData; *p != '\0'; ++p) {
    *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
  }
}

void CString::MakeLower() {
  if (IsEmpty()) return;
  PrepareWrite(GetLength());
  for (char* p = m_pchData; *p != '\0'; ++p) {
    *p = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
  }
}

void CString::TrimLeft() {
  const char* const pEnd = m_pchData + GetLength();
  const char* p = std::find_if_not(static_cast<const char*>(m_pchData), pEnd, IsSpace);
  if (p != m_pchData) AssignCopy(p, static_cast<int>(pEnd - p));
}

void CString::TrimRight() {
  int nLength = GetLength();
  while (nLength > 0 && IsSpace(m_pchData[nLength - 1])) --nLength;
  if (nLength != GetLength()) AssignCopy(m_pchData, nLength);
}

// ---- searching ---------------------------------------------------------------------

int CString::Find(char ch) const { return Find(ch, 0); }

int CString::Find(char ch, int nStart) const {
  if (nStart >= GetLength()) return -1;
  nStart = std::max(nStart, 0);
  const void* p = std::memchr(m_pchData + nStart, ch, static_cast<size_t>(GetLength() - nStart));
  return p != nullptr ? static_cast<int>(static_cast<const char*>(p) - m_pchData) : -1;
}

int CString::Find(const char* pszSub) const { return Find(pszSub, 0); }

int CString::Find(const char* pszSub, int nStart) const {
  if (pszSub == nullptr || nStart > GetLength()) return -1;
  const char* p = std::strstr(m_pchData + std::max(nStart, 0), pszSub);
  return p != nullptr ? static_cast<int>(p - m_pchData) : -1;
}

int CString::ReverseFind(char ch) const {
  for (int i = GetLength() - 1; i >= 0; --i) {
    if (m_pchData[i] == ch) return i;
  }
  return -1;
}

int CString::FindOneOf(const char* pszCharSet) const {
  if (pszCharSet == nullptr) return -1;
  const size_t n = std::strcspn(m_pchData, pszCharSet);
  return n < static_cast<size_t>(GetLength()) ? static_cast<int>(n) : -1;
}

// ---- formatting and buffers --------------------------------------------------------

void CString::Format(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int nLength = std::vsnprintf(nullptr, 0, pszFormat, measure);
  va_end(measure);
  if (nLength < 0) {
    Empty();
    return;
  }
  // The arguments may be this string's own characters: format into a new
  // string, then take it.
  CString text;
  text.AllocBuffer(nLength, nLength);
  std::vsnprintf(text.m_pchData, static_cast<size_t>(nLength) + 1, pszFormat, args);
  std::swap(m_pchData, text.m_pchData);
}

char* CString::GetBuffer(int nMinBufLength) {
  // Even an empty string gets a buffer of its own, for the NUL a caller
  // writes.
  PrepareWrite(std::max(nMinBufLength, 0));
  return m_pchData;
}

char* CString::GetBufferSetLength(int nNewLength) {
  nNewLength = std::max(nNewLength, 0);
  GetBuffer(nNewLength);
  m_pchData[nNewLength] = '\0';
  GetData()->nDataLength = nNewLength;
  return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength) {
  if (!IsOwnWithRoom(0)) return;  // no buffer was lent
  const int nAlloc = GetData()->nAllocLength;
  if (nNewLength < 0) {
    const void* pNul = std::memchr(m_pchData, '\0', static_cast<size_t>(nAlloc) + 1);
    nNewLength = static_cast<int>(static_cast<const char*>(pNul) - m_pchData);
  }
  nNewLength = std::min(nNewLength, nAlloc);
  m_pchData[nNewLength] = '\0';
  GetData()->nDataLength = nNewLength;
}

CString operator+(const CString& a, const CString& b) {
  CString result(a);
  result += b;
  return result;
}
CString operator+(const CString& a, const char* b) {
  CString result(a);
  result += b;
  return result;
}
CString operator+(const char* a, const CString& b) {
  CString result(a);
  result += b;
  return result;
}
CString operator+(const CString& a, char b) {
  CString result(a);
  result += b;
  return result;
}
CString operator+(char a, const CString& b) {
  CString result(a);
  result += b;
  return result;
}
