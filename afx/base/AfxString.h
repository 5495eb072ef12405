// CString: the framework's owned narrow-character string. Portable: the
// amount functions, the controls and the host all pass text in it.
#pragma once

#include "afx/base/AfxTypes.h"

#include <cstdarg>
#include <string>

#if defined(__clang__)
#  define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#elif defined(__GNUC__)
#  define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#  define AFX_PRINTF_FORMAT(fmt, args)
#endif

class VARNEL_API CString {
 public:
  CString() = default;
  CString(const CString&) = default;
  CString(CString&&) noexcept = default;
  CString(const char* psz);  // NOLINT: converts implicitly, as the framework's does
  CString(const char* pch, int nLength);
  CString(char ch, int nRepeat = 1);
  ~CString() = default;

  CString& operator=(const CString&) = default;
  CString& operator=(CString&&) noexcept = default;
  CString& operator=(const char* psz);
  CString& operator=(char ch);

  int GetLength() const { return static_cast<int>(m_str.size()); }
  BOOL IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }

  // Characters by index; an index outside the string is a caller's error
  // and reads or writes nothing (GetAt gives '\0').
  char GetAt(int nIndex) const;
  char operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, char ch);

  operator const char*() const { return m_str.c_str(); }  // NOLINT: as the framework's

  CString& operator+=(const CString& str);
  CString& operator+=(const char* psz);
  CString& operator+=(char ch);

  int Compare(const char* psz) const;
  int CompareNoCase(const char* psz) const;

  // Substrings; counts and positions are clamped to the string.
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;

  void MakeUpper();
  void MakeLower();
  // Remove white space (as the C library's isspace has it) from one end.
  void TrimLeft();
  void TrimRight();

  // Positions of the first (Find) or last (ReverseFind) occurrence, -1 when
  // there is none.
  int Find(char ch) const;
  int Find(char ch, int nStart) const;
  int Find(const char* pszSub) const;
  int Find(const char* pszSub, int nStart) const;
  int ReverseFind(char ch) const;
  int FindOneOf(const char* pszCharSet) const;

  // printf-style formatting into the string.
  void Format(const char* pszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
  void FormatV(const char* pszFormat, va_list args);

  // A writable buffer of at least nMinBufLength characters plus a NUL;
  // ReleaseBuffer sets the length (-1: up to the first NUL).
  char* GetBuffer(int nMinBufLength);
  char* GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);

 private:
  std::string m_str;
};

VARNEL_API CString operator+(const CString& a, const CString& b);
VARNEL_API CString operator+(const CString& a, const char* b);
VARNEL_API CString operator+(const char* a, const CString& b);
VARNEL_API CString operator+(const CString& a, char b);
VARNEL_API CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
inline bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, const char* b) { return a.Compare(b) != 0; }
inline bool operator!=(const char* a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
