// Ostrik: the small world-geometry library Varnel builds on. World
// coordinates are whole world units in 32-bit signed integers, y upwards.
#pragma once

#include "afx/base/AfxTypes.h"

#include <cstddef>
#include <type_traits>

// A world point: a plain pair, laid out exactly as the platform point so
// that arrays of either can be handed to the other.
class CPointW {
 public:
  LONG x;
  LONG y;
};

// A world size: a plain pair, laid out exactly as the platform size.
class CSizeW {
 public:
  LONG cx;
  LONG cy;
};

static_assert(std::is_standard_layout_v<CPointW> && std::is_trivially_copyable_v<CPointW>);
static_assert(sizeof(CPointW) == sizeof(tagPOINT) && alignof(CPointW) == alignof(tagPOINT));
static_assert(offsetof(CPointW, x) == offsetof(tagPOINT, x));
static_assert(offsetof(CPointW, y) == offsetof(tagPOINT, y));
static_assert(std::is_standard_layout_v<CSizeW> && std::is_trivially_copyable_v<CSizeW>);
static_assert(sizeof(CSizeW) == sizeof(tagSIZE) && alignof(CSizeW) == alignof(tagSIZE));
static_assert(offsetof(CSizeW, cx) == offsetof(tagSIZE, cx));
static_assert(offsetof(CSizeW, cy) == offsetof(tagSIZE, cy));

// Sets a world rectangle from its origin corner (left, bottom) and the
// opposite corner (right, top), as given: nothing is reordered. Returns 0
// for a null rectangle, 1 otherwise.
int SetRectW(tagRECT* lpRect, LONG left, LONG bottom, LONG right, LONG top);

// Copies a world rectangle, destination first. Returns 0 when either
// pointer is null, 1 otherwise.
int CopyRectW(tagRECT* lpDst, const tagRECT* lpSrc);
