// The basic Windows types for both builds. On Windows they come from
// <windows.h>; natively they are declared here with the same sizes (LONG is
// 32 bits everywhere, unlike the native long) so that portable code reads
// the same in both builds and computes the same results.
#pragma once

#include "afx/base/AfxExport.h"

#include <cstdint>

#if defined(_WIN32)
#  include <windows.h>
#else

typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef unsigned int UINT;
typedef int INT;
typedef int BOOL;
typedef DWORD COLORREF;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;

#ifndef TRUE
#  define TRUE 1
#  define FALSE 0
#endif

struct tagPOINT { LONG x; LONG y; };
struct tagSIZE { LONG cx; LONG cy; };
struct tagRECT { LONG left; LONG top; LONG right; LONG bottom; };
typedef tagPOINT POINT;
typedef tagSIZE SIZE;
typedef tagRECT RECT;
typedef POINT* LPPOINT;
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;

#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(rgb) ((BYTE)(rgb))
#define GetGValue(rgb) ((BYTE)(((WORD)(rgb)) >> 8))
#define GetBValue(rgb) ((BYTE)((rgb) >> 16))

// The platform's multiply-then-divide; see MulDivPortable.
inline int MulDiv(int nNumber, int nNumerator, int nDenominator);

#endif  // !_WIN32

// Wrapping 32-bit addition and subtraction: the arithmetic is done on
// unsigned values, where wrapping is defined, and converted back.
inline LONG AfxWrapAdd(LONG a, LONG b) {
  return static_cast<LONG>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
inline LONG AfxWrapSub(LONG a, LONG b) {
  return static_cast<LONG>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}
inline LONG AfxWrapNeg(LONG a) { return AfxWrapSub(0, a); }

// The platform's MulDiv written out: the 64-bit product divided by the
// divisor, rounded to nearest with halves away from zero; -1 when the
// divisor is zero or the quotient does not fit in 32 bits. The win suite
// checks it against the real one on a million triples.
VARNEL_API int MulDivPortable(int nNumber, int nNumerator, int nDenominator);

#if !defined(_WIN32)
inline int MulDiv(int nNumber, int nNumerator, int nDenominator) {
  return MulDivPortable(nNumber, nNumerator, nDenominator);
}
#endif
