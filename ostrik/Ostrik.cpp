#include "ostrik/Ostrik.h"

int SetRectW(tagRECT* lpRect, LONG left, LONG bottom, LONG right, LONG top) {
  if (lpRect == nullptr) return 0;
  lpRect->left = left;
  lpRect->bottom = bottom;
  lpRect->right = right;
  lpRect->top = top;
  return 1;
}

int CopyRectW(tagRECT* lpDst, const tagRECT* lpSrc) {
  if (lpDst == nullptr || lpSrc == nullptr) return 0;
  *lpDst = *lpSrc;
  return 1;
}
