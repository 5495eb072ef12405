// The world view's window when its screen density changes: the window
// keeps its origin corner and its scale follows the density, so that the
// world keeps its size to the eye (world inches per screen inch stay).
// Portable: CViewW calls it when its frame tells it of a new density.
#pragma once

#include "afx/base/AfxTypes.h"

namespace varnel::view {

// The window that shows what `window`, shown in viewBefore pixels at nOld
// dots per inch, showed, in viewAfter pixels at nNew: each dimension times
// (viewAfter / viewBefore) * (nOld / nNew), rounded to the nearest world
// unit (halves up), the origin corner (left, bottom) kept. Where the view
// grew as the density did, that is the same window. A size that would not
// fit in 32 bits stops at the largest that does; without a view or a
// density (0, or beyond 16 bits), or for an empty dimension, the window
// stays.
VARNEL_API tagRECT WindowForDensity(const tagRECT& window, tagSIZE viewBefore, tagSIZE viewAfter,
                                    UINT nOld, UINT nNew);

}  // namespace varnel::view
