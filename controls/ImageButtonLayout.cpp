#include "controls/ImageButtonLayout.h"

#include <algorithm>
#include <cstdint>

namespace varnel::controls {

namespace {

// Half of v rounded toward minus infinity, as an arithmetic shift by one
// bit would give, computed without relying on how signed shifts behave.
LONG FloorHalf(int64_t v) {
  const int64_t half = v >= 0 ? v / 2 : -((1 - v) / 2);
  return static_cast<LONG>(half);
}

LONG Centered(LONG coordinate, LONG clientExtent, LONG itemExtent) {
  if (coordinate != -1) return coordinate;
  // Both extents are 32-bit, so their difference fits in 33 bits and its
  // half again in 32.
  return FloorHalf(static_cast<int64_t>(clientExtent) - itemExtent);
}

tagPOINT Shifted(tagPOINT pt, LONG dx, LONG dy) {
  return tagPOINT{AfxWrapAdd(pt.x, dx), AfxWrapAdd(pt.y, dy)};
}

// A length at another density (MulDiv rounds halves away from zero).
LONG Scaled(LONG n, UINT nOld, UINT nNew) {
  return ::MulDiv(n, static_cast<int>(nNew), static_cast<int>(nOld));
}

// A position at another density; a centring -1 stays.
LONG ScaledPosition(LONG n, UINT nOld, UINT nNew) { return n == -1 ? -1 : Scaled(n, nOld, nNew); }

}  // namespace

ImageButtonLayout LayoutForDensity(const ImageButtonLayout& layout, UINT nOld, UINT nNew) {
  if (nOld == 0 || nNew == 0 || nOld > 0xFFFF || nNew > 0xFFFF) return layout;
  ImageButtonLayout scaled = layout;
  scaled.ptImage = {ScaledPosition(layout.ptImage.x, nOld, nNew),
                    ScaledPosition(layout.ptImage.y, nOld, nNew)};
  scaled.ptText = {ScaledPosition(layout.ptText.x, nOld, nNew),
                   ScaledPosition(layout.ptText.y, nOld, nNew)};
  scaled.nImageOffset = Scaled(layout.nImageOffset, nOld, nNew);
  scaled.nTextOffset = Scaled(layout.nTextOffset, nOld, nNew);
  scaled.sizeImage = {Scaled(layout.sizeImage.cx, nOld, nNew),
                      Scaled(layout.sizeImage.cy, nOld, nNew)};
  return scaled;
}

tagPOINT CenterInClient(tagPOINT pt, tagSIZE client, tagSIZE extent) {
  return tagPOINT{Centered(pt.x, client.cx, extent.cx), Centered(pt.y, client.cy, extent.cy)};
}

tagPOINT ImagePosition(const ImageButtonLayout& layout, const tagRECT& rcItem, tagSIZE client,
                       bool bHasCaption, LONG shift) {
  tagPOINT pt = layout.ptImage;
  if (layout.bAutoPos) {
    // Beside a caption the image keeps to the left; alone it is centred.
    pt = bHasCaption ? tagPOINT{AfxWrapAdd(rcItem.left, layout.nImageOffset), -1}
                     : tagPOINT{-1, -1};
  }
  return Shifted(CenterInClient(pt, client, layout.sizeImage), shift, shift);
}

tagPOINT CaptionPosition(const ImageButtonLayout& layout, tagSIZE client, bool bHasImage,
                         tagSIZE textExtent, LONG shift) {
  tagPOINT pt = layout.ptText;
  if (layout.bAutoPos) {
    const LONG x = bHasImage ? AfxWrapAdd(AfxWrapAdd(layout.sizeImage.cx, layout.nTextOffset),
                                          layout.nImageOffset)
                             : -1;
    pt = tagPOINT{x, -1};
  }
  const LONG up = pt.y == -1 ? 1 : 0;
  return Shifted(CenterInClient(pt, client, textExtent), shift, AfxWrapSub(shift, up));
}

LONG FocusInset(const tagRECT& rc) {
  const int64_t width = static_cast<int64_t>(rc.right) - rc.left;
  const int64_t height = static_cast<int64_t>(rc.bottom) - rc.top;
  const int64_t m = std::min(width, height);
  // A quarter rounded down (as a two-bit arithmetic shift), at most 3.
  const int64_t quarter = m >= 0 ? m / 4 : -((3 - m) / 4);
  return static_cast<LONG>(std::min<int64_t>(quarter, 3));
}

tagRECT FocusRectangle(const tagRECT& rc) {
  const LONG d = FocusInset(rc);
  return tagRECT{AfxWrapAdd(rc.left, d), AfxWrapAdd(rc.top, d), AfxWrapSub(rc.right, d),
                 AfxWrapSub(rc.bottom, d)};
}

bool DrawsFocusRectangle(bool bFocused, bool bWasFocused, bool bDisabled, bool bFocusOnly) {
  if (bDisabled) return false;
  return bFocusOnly ? bFocused != bWasFocused : bFocused;
}

void ColorTabRows(const tagRECT& rcItem, LONG shift, ColorTabRow rows[kColorTabRows]) {
  const LONG left = AfxWrapAdd(rcItem.left, shift);
  const LONG top = AfxWrapAdd(rcItem.top, shift);
  for (LONG i = 0; i < kColorTabRows; ++i) {
    rows[i] = ColorTabRow{AfxWrapAdd(left, 1), AfxWrapAdd(left, 8 - i), AfxWrapAdd(top, 1 + i)};
  }
}

}  // namespace varnel::controls
