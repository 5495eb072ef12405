// The framework's point, size and rectangle: thin classes over the
// platform's tagPOINT, tagSIZE and tagRECT, so that one can be passed
// wherever the platform structure is expected (and arrays of them handed
// to the platform as they are). Portable: both builds compute the same.
//
// Coordinates are 32-bit. Sums and differences wrap modulo 2^32, as the
// platform's own rectangle functions do, rather than overflowing.
#pragma once

#include "afx/base/AfxTypes.h"

class CSize;

class CPoint : public tagPOINT {
 public:
  // Zero rather than indeterminate: cheap, and no read of garbage.
  CPoint() : tagPOINT{0, 0} {}
  CPoint(int initX, int initY) : tagPOINT{initX, initY} {}
  CPoint(const tagPOINT& pt) : tagPOINT(pt) {}  // NOLINT: converting, as the framework's
  explicit CPoint(const tagSIZE& size) : tagPOINT{size.cx, size.cy} {}

  void Offset(int dx, int dy) { x = AfxWrapAdd(x, dx); y = AfxWrapAdd(y, dy); }
  void Offset(const tagPOINT& pt) { Offset(pt.x, pt.y); }
  void Offset(const tagSIZE& size) { Offset(size.cx, size.cy); }

  bool operator==(const tagPOINT& pt) const { return x == pt.x && y == pt.y; }
  bool operator!=(const tagPOINT& pt) const { return !(*this == pt); }
  CPoint& operator+=(const tagSIZE& size) { Offset(size); return *this; }
  CPoint& operator-=(const tagSIZE& size) { Offset(AfxWrapNeg(size.cx), AfxWrapNeg(size.cy)); return *this; }
  CPoint& operator+=(const tagPOINT& pt) { Offset(pt); return *this; }
  CPoint& operator-=(const tagPOINT& pt) { Offset(AfxWrapNeg(pt.x), AfxWrapNeg(pt.y)); return *this; }

  CPoint operator-() const { return CPoint(AfxWrapNeg(x), AfxWrapNeg(y)); }
  inline CPoint operator+(const tagSIZE& size) const;
  inline CPoint operator-(const tagSIZE& size) const;
  inline CPoint operator+(const tagPOINT& pt) const;
  // The distance between two points is a size.
  inline CSize operator-(const tagPOINT& pt) const;
};

class CSize : public tagSIZE {
 public:
  CSize() : tagSIZE{0, 0} {}
  CSize(int initCX, int initCY) : tagSIZE{initCX, initCY} {}
  CSize(const tagSIZE& size) : tagSIZE(size) {}  // NOLINT: converting, as the framework's
  explicit CSize(const tagPOINT& pt) : tagSIZE{pt.x, pt.y} {}

  bool operator==(const tagSIZE& size) const { return cx == size.cx && cy == size.cy; }
  bool operator!=(const tagSIZE& size) const { return !(*this == size); }
  CSize& operator+=(const tagSIZE& size) {
    cx = AfxWrapAdd(cx, size.cx);
    cy = AfxWrapAdd(cy, size.cy);
    return *this;
  }
  CSize& operator-=(const tagSIZE& size) {
    cx = AfxWrapSub(cx, size.cx);
    cy = AfxWrapSub(cy, size.cy);
    return *this;
  }
  CSize operator+(const tagSIZE& size) const { return CSize(*this) += size; }
  CSize operator-(const tagSIZE& size) const { return CSize(*this) -= size; }
  CSize operator-() const { return CSize(AfxWrapNeg(cx), AfxWrapNeg(cy)); }
};

inline CPoint CPoint::operator+(const tagSIZE& size) const { return CPoint(*this) += size; }
inline CPoint CPoint::operator-(const tagSIZE& size) const { return CPoint(*this) -= size; }
inline CPoint CPoint::operator+(const tagPOINT& pt) const { return CPoint(*this) += pt; }
inline CSize CPoint::operator-(const tagPOINT& pt) const {
  return CSize(AfxWrapSub(x, pt.x), AfxWrapSub(y, pt.y));
}

// A rectangle with y downwards, as the platform's: left/top inclusive,
// right/bottom exclusive. It is empty when it has no positive width or no
// positive height. Nothing reorders the corners except NormalizeRect.
class VARNEL_API CRect : public tagRECT {
 public:
  CRect() : tagRECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : tagRECT{l, t, r, b} {}
  CRect(const tagRECT& rc) : tagRECT(rc) {}  // NOLINT: converting, as the framework's
  explicit CRect(const tagRECT* lpRect) : tagRECT(*lpRect) {}
  CRect(const tagPOINT& topLeft, const tagSIZE& size)
      : tagRECT{topLeft.x, topLeft.y, AfxWrapAdd(topLeft.x, size.cx), AfxWrapAdd(topLeft.y, size.cy)} {}
  CRect(const tagPOINT& topLeft, const tagPOINT& bottomRight)
      : tagRECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

  int Width() const { return AfxWrapSub(right, left); }
  int Height() const { return AfxWrapSub(bottom, top); }
  CSize Size() const { return CSize(Width(), Height()); }
  // The corners as values (the framework hands out references into the
  // rectangle; values avoid reading a rectangle's fields through a point).
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const;

  operator tagRECT*() { return this; }              // NOLINT: as the framework's
  operator const tagRECT*() const { return this; }  // NOLINT

  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  // Left and top edges are inside, right and bottom outside.
  bool PtInRect(const tagPOINT& pt) const {
    return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
  }

  void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
  void SetRect(const tagPOINT& topLeft, const tagPOINT& bottomRight) {
    SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
  }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void CopyRect(const tagRECT* lpSrc) { *static_cast<tagRECT*>(this) = *lpSrc; }
  bool EqualRect(const tagRECT* lpRect) const;

  void InflateRect(int x, int y) { InflateRect(x, y, x, y); }
  void InflateRect(const tagSIZE& size) { InflateRect(size.cx, size.cy); }
  void InflateRect(int l, int t, int r, int b);
  void InflateRect(const tagRECT* lpRect) {
    InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  void DeflateRect(int x, int y) { DeflateRect(x, y, x, y); }
  void DeflateRect(const tagSIZE& size) { DeflateRect(size.cx, size.cy); }
  void DeflateRect(int l, int t, int r, int b);
  void DeflateRect(const tagRECT* lpRect) {
    DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  }
  void OffsetRect(int x, int y);
  void OffsetRect(const tagPOINT& pt) { OffsetRect(pt.x, pt.y); }
  void OffsetRect(const tagSIZE& size) { OffsetRect(size.cx, size.cy); }
  // Swaps left/right and top/bottom where they are the wrong way round.
  void NormalizeRect();

  // As the platform's: the common part of two rectangles; when they do not
  // overlap (or either is empty) the result is all zero and false.
  bool IntersectRect(const tagRECT* lpRect1, const tagRECT* lpRect2);
  // The smallest rectangle holding both; an empty one is ignored. Both
  // empty: all zero and false.
  bool UnionRect(const tagRECT* lpRect1, const tagRECT* lpRect2);

  bool operator==(const tagRECT& rc) const { return EqualRect(&rc); }
  bool operator!=(const tagRECT& rc) const { return !EqualRect(&rc); }
  CRect& operator+=(const tagPOINT& pt) { OffsetRect(pt); return *this; }
  CRect& operator-=(const tagPOINT& pt) { OffsetRect(AfxWrapNeg(pt.x), AfxWrapNeg(pt.y)); return *this; }
  CRect& operator&=(const tagRECT& rc) { IntersectRect(this, &rc); return *this; }
  CRect& operator|=(const tagRECT& rc) { UnionRect(this, &rc); return *this; }
  CRect operator+(const tagPOINT& pt) const { return CRect(*this) += pt; }
  CRect operator-(const tagPOINT& pt) const { return CRect(*this) -= pt; }
  CRect operator&(const tagRECT& rc) const { return CRect(*this) &= rc; }
  CRect operator|(const tagRECT& rc) const { return CRect(*this) |= rc; }
};
