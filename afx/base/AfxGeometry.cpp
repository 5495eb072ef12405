#include "afx/base/AfxGeometry.h"

#include <utility>

CPoint CRect::CenterPoint() const {
  // Halves of the 64-bit sum: no overflow, rounding toward zero as the
  // framework's (left + right) / 2 does for coordinates that fit.
  const int64_t cx = (static_cast<int64_t>(left) + right) / 2;
  const int64_t cy = (static_cast<int64_t>(top) + bottom) / 2;
  return CPoint(static_cast<int>(cx), static_cast<int>(cy));
}

bool CRect::EqualRect(const tagRECT* lpRect) const {
  return left == lpRect->left && top == lpRect->top && right == lpRect->right &&
         bottom == lpRect->bottom;
}

void CRect::InflateRect(int l, int t, int r, int b) {
  left = AfxWrapSub(left, l);
  top = AfxWrapSub(top, t);
  right = AfxWrapAdd(right, r);
  bottom = AfxWrapAdd(bottom, b);
}

void CRect::DeflateRect(int l, int t, int r, int b) {
  left = AfxWrapAdd(left, l);
  top = AfxWrapAdd(top, t);
  right = AfxWrapSub(right, r);
  bottom = AfxWrapSub(bottom, b);
}

void CRect::OffsetRect(int x, int y) {
  left = AfxWrapAdd(left, x);
  right = AfxWrapAdd(right, x);
  top = AfxWrapAdd(top, y);
  bottom = AfxWrapAdd(bottom, y);
}

void CRect::NormalizeRect() {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
}

bool CRect::IntersectRect(const tagRECT* lpRect1, const tagRECT* lpRect2) {
  const CRect a(*lpRect1), b(*lpRect2);  // either may be this rectangle
  CRect r(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
          a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
  if (a.IsRectEmpty() || b.IsRectEmpty() || r.IsRectEmpty()) {
    SetRectEmpty();
    return false;
  }
  *this = r;
  return true;
}

bool CRect::UnionRect(const tagRECT* lpRect1, const tagRECT* lpRect2) {
  const CRect a(*lpRect1), b(*lpRect2);
  if (a.IsRectEmpty() && b.IsRectEmpty()) {
    SetRectEmpty();
    return false;
  }
  if (a.IsRectEmpty()) {
    *this = b;
  } else if (b.IsRectEmpty()) {
    *this = a;
  } else {
    SetRect(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom);
  }
  return true;
}
