#include "afx/base/AfxString.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

int ClampIndex(int n, int size) { return n < 0 ? 0 : (n > size ? size : n); }

int Position(std::string::size_type pos) {
  return pos == std::string::npos ? -1 : static_cast<int>(pos);
}
}  // namespace

CString::CString(const char* psz) : m_str(psz != nullptr ? psz : "") {}

CString::CString(const char* pch, int nLength)
    : m_str(pch != nullptr && nLength > 0 ? std::string(pch, static_cast<size_t>(nLength))
                                          : std::string()) {}

CString::CString(char ch, int nRepeat)
    : m_str(nRepeat > 0 ? static_cast<size_t>(nRepeat) : 0u, ch) {}

CString& CString::operator=(const char* psz) {
  m_str = psz != nullptr ? psz : "";
  return *this;
}

CString& CString::operator=(char ch) {
  m_str.assign(1, ch);
  return *this;
}

char CString::GetAt(int nIndex) const {
  return nIndex >= 0 && nIndex < GetLength() ? m_str[static_cast<size_t>(nIndex)] : '\0';
}

void CString::SetAt(int nIndex, char ch) {
  if (nIndex >= 0 && nIndex < GetLength()) m_str[static_cast<size_t>(nIndex)] = ch;
}

CString& CString::operator+=(const CString& str) {
  m_str += str.m_str;
  return *this;
}

CString& CString::operator+=(const char* psz) {
  if (psz != nullptr) m_str += psz;
  return *this;
}

CString& CString::operator+=(char ch) {
  m_str += ch;
  return *this;
}

int CString::Compare(const char* psz) const {
  return std::strcmp(m_str.c_str(), psz != nullptr ? psz : "");
}

int CString::CompareNoCase(const char* psz) const {
  const unsigned char* a = reinterpret_cast<const unsigned char*>(m_str.c_str());
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
  return CString(m_str.data() + first, count);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const {
  const int count = ClampIndex(nCount, GetLength());
  return Mid(GetLength() - count, count);
}

void CString::MakeUpper() {
  for (char& c : m_str) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

void CString::MakeLower() {
  for (char& c : m_str) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

void CString::TrimLeft() {
  m_str.erase(m_str.begin(), std::find_if_not(m_str.begin(), m_str.end(), IsSpace));
}

void CString::TrimRight() {
  m_str.erase(std::find_if_not(m_str.rbegin(), m_str.rend(), IsSpace).base(), m_str.end());
}

int CString::Find(char ch) const { return Position(m_str.find(ch)); }

int CString::Find(char ch, int nStart) const {
  if (nStart >= GetLength()) return -1;
  return Position(m_str.find(ch, static_cast<size_t>(std::max(nStart, 0))));
}

int CString::Find(const char* pszSub) const { return Find(pszSub, 0); }

int CString::Find(const char* pszSub, int nStart) const {
  if (pszSub == nullptr || nStart > GetLength()) return -1;
  return Position(m_str.find(pszSub, static_cast<size_t>(std::max(nStart, 0))));
}

int CString::ReverseFind(char ch) const { return Position(m_str.rfind(ch)); }

int CString::FindOneOf(const char* pszCharSet) const {
  if (pszCharSet == nullptr) return -1;
  return Position(m_str.find_first_of(pszCharSet));
}

void CString::Format(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  FormatV(pszFormat, args);
  va_end(args);
}

void CString::FormatV(const char* pszFormat, va_list args) {
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, pszFormat, measure);
  va_end(measure);
  if (length < 0) {
    m_str.clear();
    return;
  }
  std::string text(static_cast<size_t>(length) + 1, '\0');
  std::vsnprintf(&text[0], text.size(), pszFormat, args);
  text.resize(static_cast<size_t>(length));
  m_str.swap(text);
}

char* CString::GetBuffer(int nMinBufLength) {
  if (nMinBufLength > GetLength()) m_str.resize(static_cast<size_t>(nMinBufLength));
  return &m_str[0];
}

char* CString::GetBufferSetLength(int nNewLength) {
  m_str.resize(static_cast<size_t>(std::max(nNewLength, 0)));
  return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength) {
  if (nNewLength < 0) nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
  m_str.resize(static_cast<size_t>(std::min(nNewLength, GetLength())));
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
