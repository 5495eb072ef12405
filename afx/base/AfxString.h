// CString: the framework's owned narrow-character string. Portable: the
// amount functions, the controls and the host all pass text in it.
//
// A CString is one pointer wide and points at its characters, which end in
// a NUL; before them sit the reference count, the length and the room
// (CStringData). Copies share the characters until one of them changes:
// the changing copy first takes characters of its own, so each copy
// behaves as a value. The count is atomic, so copies may live on
// different threads. An empty string points at one shared empty text.
// A string whose memory cannot be had throws a CMemoryException.
//
// Being one pointer at the characters lets the string stand where a
// `const char*` is expected: `(LPCSTR)str`, and CString arguments of
// printf-style calls. GCC and Clang pass a class with a copy constructor
// through `...` as the address of a copy, which a "%s" would print as
// text; so Format, TRACE, sprintf and wsprintfA have overloads, chosen
// when an argument is a CString, that pass its characters instead. A
// host's own `...` function still needs `(LPCSTR)str` (-Wformat warns
// where the function is declared printf-like).
#pragma once

#include "afx/base/AfxTypes.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <type_traits>

#if defined(__clang__)
#  define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(printf, fmt, args)))
#elif defined(__GNUC__)
#  define AFX_PRINTF_FORMAT(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#  define AFX_PRINTF_FORMAT(fmt, args)
#endif

// The header in front of a string's characters.
struct CStringData {
  std::atomic<int> nRefs;  // copies sharing the characters; -1: the shared empty text
  int nDataLength;         // characters, the NUL after them not counted
  int nAllocLength;        // room for characters, the NUL not counted
  char* data() { return reinterpret_cast<char*>(this + 1); }
};

class CString;

namespace afx_detail {

template <class T>
constexpr bool kIsCString = std::is_base_of<CString, std::decay_t<T>>::value;
template <class... Args>
constexpr bool kAnyCString = (kIsCString<Args> || ...);

// An argument on its way into `...`: a CString as its characters, anything
// else as it is.
template <class T>
decltype(auto) VarArg(const T& arg);

}  // namespace afx_detail

class VARNEL_API CString {
 public:
  CString();
  CString(const CString& stringSrc);
  CString(CString&& stringSrc) noexcept;
  // A pointer below 0x10000 is a resource ID made by MAKEINTRESOURCE: the
  // string is loaded from the string table (empty when there is none).
  CString(const char* psz);  // NOLINT: converts implicitly, as the framework's does
  CString(const char* pch, int nLength);
  CString(char ch, int nRepeat = 1);
  ~CString();

  CString& operator=(const CString& stringSrc);
  CString& operator=(CString&& stringSrc) noexcept;
  CString& operator=(const char* psz);
  CString& operator=(char ch);

  int GetLength() const { return GetData()->nDataLength; }
  BOOL IsEmpty() const { return GetLength() == 0; }
  void Empty();

  // Characters by index; an index outside the string is a caller's error
  // and reads or writes nothing (GetAt gives '\0').
  char GetAt(int nIndex) const;
  char operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, char ch);

  operator const char*() const { return m_pchData; }  // NOLINT: as the framework's

  CString& operator+=(const CString& str);
  CString& operator+=(const char* psz);
  CString& operator+=(char ch);

  int Compare(const char* psz) const;
  int CompareNoCase(const char* psz) const;
  // Compares as the C library's locale orders text (strcoll).
  int Collate(const char* psz) const;

  // Substrings; counts and positions are clamped to the string.
  CString Mid(int nFirst) const;
  CString Mid(int nFirst, int nCount) const;
  CString Left(int nCount) const;
  CString Right(int nCount) const;

  void MakeUpper();
  void MakeLower();
  void MakeReverse();
  // Remove white space (as the C library's isspace has it), one character,
  // or any character of a set from one end (or both: Trim).
  void TrimLeft();
  void TrimLeft(char chTarget);
  void TrimLeft(const char* pszTargets);
  void TrimRight();
  void TrimRight(char chTarget);
  void TrimRight(const char* pszTargets);
  void Trim() {
    TrimRight();
    TrimLeft();
  }
  void Trim(char chTarget) {
    TrimRight(chTarget);
    TrimLeft(chTarget);
  }
  void Trim(const char* pszTargets) {
    TrimRight(pszTargets);
    TrimLeft(pszTargets);
  }

  // The leading characters that are (SpanIncluding) or are not
  // (SpanExcluding) in the set.
  CString SpanIncluding(const char* pszCharSet) const;
  CString SpanExcluding(const char* pszCharSet) const;

  // Edits; each returns the number of replacements or removals, or the
  // new length. An index is clamped to the string.
  int Replace(char chOld, char chNew);
  int Replace(const char* pszOld, const char* pszNew);
  int Remove(char chRemove);
  int Insert(int nIndex, char ch);
  int Insert(int nIndex, const char* psz);
  int Delete(int nIndex, int nCount = 1);

  // Positions of the first (Find) or last (ReverseFind) occurrence, -1 when
  // there is none.
  int Find(char ch) const;
  int Find(char ch, int nStart) const;
  int Find(const char* pszSub) const;
  int Find(const char* pszSub, int nStart) const;
  int ReverseFind(char ch) const;
  int FindOneOf(const char* pszCharSet) const;

  // printf-style formatting into the string. With a CString among the
  // arguments the template passes its characters.
  void Format(const char* pszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
  template <class... Args, std::enable_if_t<afx_detail::kAnyCString<Args...>, int> = 0>
  void Format(const char* pszFormat, const Args&... args) {
    Format(pszFormat, afx_detail::VarArg(args)...);
  }
  void FormatV(const char* pszFormat, va_list args);

  // Formats with numbered inserts, as the system's message formatting does:
  // %1 to %99 take the arguments by number (text, or %1!d! and the like
  // with a printf conversion between the marks), %% is a percent sign,
  // %n a line break, %0 ends the text, and %. %! and %space stand for
  // themselves. With a CString among the arguments the template passes
  // its characters.
  void FormatMessage(const char* pszFormat, ...);
  template <class... Args, std::enable_if_t<afx_detail::kAnyCString<Args...>, int> = 0>
  void FormatMessage(const char* pszFormat, const Args&... args) {
    FormatMessage(pszFormat, afx_detail::VarArg(args)...);
  }
  void FormatMessageV(const char* pszFormat, va_list args);

#if defined(_WIN32)
  // String nID of the string table, from the application's resources, a
  // registered extension library's, or the framework's own (AfxLoadString),
  // whatever its length. FALSE, and an empty string, when there is none.
  BOOL LoadString(UINT nID);
  // Format and FormatMessage with string nFormatID of the string table as
  // the format (an empty string when there is none).
  void Format(UINT nFormatID, ...);
  template <class... Args, std::enable_if_t<afx_detail::kAnyCString<Args...>, int> = 0>
  void Format(UINT nFormatID, const Args&... args) {
    Format(nFormatID, afx_detail::VarArg(args)...);
  }
  void FormatMessage(UINT nFormatID, ...);
  template <class... Args, std::enable_if_t<afx_detail::kAnyCString<Args...>, int> = 0>
  void FormatMessage(UINT nFormatID, const Args&... args) {
    FormatMessage(nFormatID, afx_detail::VarArg(args)...);
  }
#endif

  // A writable buffer of at least nMinBufLength characters plus a NUL,
  // holding the string; ReleaseBuffer sets the length (-1: up to the first
  // NUL). The buffer is this string's own: no copy shares it.
  char* GetBuffer(int nMinBufLength);
  char* GetBufferSetLength(int nNewLength);
  void ReleaseBuffer(int nNewLength = -1);

 private:
  CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
  // Points at fresh characters: room for nAllocLength, length nLength.
  void AllocBuffer(int nLength, int nAllocLength);
  // Drops this copy's share of its characters and becomes empty.
  void Release();
  // TRUE when no copy shares the characters and they have room for nAlloc.
  bool IsOwnWithRoom(int nAlloc) const;
  // Makes the characters this string's own, with room for nMinAlloc.
  void PrepareWrite(int nMinAlloc);
  // Becomes nLength characters copied from pch, with room for nAllocLength.
  void Reassign(const char* pch, int nLength, int nAllocLength);
  void AssignCopy(const char* pch, int nLength);
  void Append(const char* pch, int nLength);

  char* m_pchData;
};

namespace afx_detail {

template <class T>
decltype(auto) VarArg(const T& arg) {
  if constexpr (kIsCString<T>) {
    return static_cast<const char*>(arg);
  } else {
    return (arg);
  }
}

}  // namespace afx_detail

// sprintf and wsprintfA with a CString among the arguments (see above).
template <class... Args, std::enable_if_t<afx_detail::kAnyCString<Args...>, int> = 0>
int sprintf(char* buffer, const char* format, const Args&... args) {
  return ::sprintf(buffer, format, afx_detail::VarArg(args)...);
}
#if defined(_WIN32)
template <class... Args, std::enable_if_t<afx_detail::kAnyCString<Args...>, int> = 0>
int wsprintfA(LPSTR buffer, LPCSTR format, const Args&... args) {
  return ::wsprintfA(buffer, format, afx_detail::VarArg(args)...);
}
#endif

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
