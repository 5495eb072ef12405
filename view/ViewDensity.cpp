#include "view/ViewDensity.h"

#include "view/ViewGeometry.h"

#include <algorithm>
#include <cstdint>

namespace varnel::view {

namespace {

// size * pixelsAfter * nOld / (pixelsBefore * nNew), to the nearest; every
// product fits in 64 bits (32-bit sizes and pixels, densities below 2^16).
LONG DimensionForDensity(LONG size, LONG pixelsBefore, LONG pixelsAfter, UINT nOld, UINT nNew) {
  if (size <= 0 || pixelsBefore <= 0 || pixelsAfter <= 0) return size;
  const int64_t num = static_cast<int64_t>(size) * pixelsAfter * static_cast<int64_t>(nOld);
  const int64_t den = static_cast<int64_t>(pixelsBefore) * static_cast<int64_t>(nNew);
  return static_cast<LONG>(std::min<int64_t>((num + den / 2) / den, INT32_MAX));
}

}  // namespace

tagRECT WindowForDensity(const tagRECT& window, tagSIZE viewBefore, tagSIZE viewAfter, UINT nOld,
                         UINT nNew) {
  if (nOld == 0 || nNew == 0 || nOld > 0xFFFF || nNew > 0xFFFF) return window;
  const LONG width =
      DimensionForDensity(WorldWidth(window), viewBefore.cx, viewAfter.cx, nOld, nNew);
  const LONG height =
      DimensionForDensity(WorldHeight(window), viewBefore.cy, viewAfter.cy, nOld, nNew);
  tagRECT r = window;
  r.right = AfxWrapAdd(r.left, width);
  r.top = AfxWrapAdd(r.bottom, height);
  return r;
}

}  // namespace varnel::view
