// The arithmetic of the world view: fitting a world rectangle to the view's
// proportions, keeping it inside the maximum window, keeping the scale when
// the view changes size, scroll sizes and scroll-bar values, the mapping a
// prepared context carries, and page counts. Portable: CViewW holds the
// fields and does the platform steps; these take and return values.
//
// World rectangles have y upwards (top >= bottom, width right - left,
// height top - bottom); device rectangles y downwards. Differences of
// coordinates are taken modulo 2^32, as 32-bit platform arithmetic does.
#pragma once

#include "afx/base/AfxTypes.h"

// Scale mode bits: the low two bits are the fit mode.
enum : unsigned int {
  SCALE_FIT_NONE = 0,    // the window is left as set
  SCALE_FIT_WIDTH = 1,   // keep the width, derive the height
  SCALE_FIT_HEIGHT = 2,  // keep the height, derive the width
  SCALE_FIT_BOTH = 3,    // grow the dimension too small for the view's proportions
  SCALE_FIT_MASK = 3,
  SCALE_KEEP_SCALE = 16  // while zoomed, a resize keeps world units per pixel
};

// The fit operations stop after this many passes even when the view's size
// keeps changing (scroll bars that appear and disappear in turn): each pass
// can only show or hide a bar, so a settling view needs far fewer.
constexpr int kMaxFitPasses = 5;

VARNEL_API LONG WorldWidth(const tagRECT& rc);   // right - left
VARNEL_API LONG WorldHeight(const tagRECT& rc);  // top - bottom
VARNEL_API tagSIZE DeviceSize(const tagRECT& rc);  // (right - left, bottom - top)

// The client rectangle less the four border margins.
VARNEL_API tagRECT ViewFromClient(const tagRECT& client, const tagRECT& border);

// Brings rc up to the minimum size and, for fit modes 1 to 3 (fit & 3), to
// the proportions of a view of viewSize pixels. keepOrigin keeps left and
// bottom; otherwise the original centre is kept.
VARNEL_API void FitRectToView(tagRECT& rc, unsigned int fit, bool keepOrigin, tagSIZE viewSize,
                              tagSIZE minSize);

// Moves rc (never resizes it) to lie inside max where its size allows;
// true when any coordinate changed.
VARNEL_API bool ShiftIntoRange(tagRECT& rc, const tagRECT& max);

// The window that keeps the scale of `window` shown in a view of prevView
// pixels now that the view has viewSize pixels; the origin corner stays.
VARNEL_API tagRECT WindowKeepingScale(const tagRECT& window, tagSIZE viewSize, tagSIZE prevView);

// Page and line distances in world units and in pixels.
struct ScrollSizes {
  tagSIZE page;
  tagSIZE line;
  tagSIZE pageDev;
  tagSIZE lineDev;
};

// Zero members of page and line take the defaults (95 % of the window and a
// fifteenth of it); the pixel sizes follow from the view and window sizes.
VARNEL_API ScrollSizes ComputeScrollSizes(tagSIZE page, tagSIZE line, tagSIZE windowSize,
                                          tagSIZE viewSize);

// A world coordinate in scroll units (tenths, rounded as the bars show them:
// x * 0.0001 * 1000.0 in that order, then half away from zero).
VARNEL_API LONG ScrollUnits(LONG x);
// A scroll position back in world units.
inline LONG WorldFromScrollUnits(LONG p) { return static_cast<LONG>(static_cast<int64_t>(p) * 10); }

// What one scroll bar shows, and whether it is shown at all: only while the
// page is below the range (as unsigned 32-bit numbers).
struct BarValues {
  LONG nMin;
  LONG nMax;
  LONG nPage;
  LONG nPos;
  bool bShow;
};

VARNEL_API BarValues HorzBarValues(const tagRECT& window, const tagRECT& max);
// The vertical bar's values are negated: world y grows upwards.
VARNEL_API BarValues VertBarValues(const tagRECT& window, const tagRECT& max);

// The mapping a prepared context carries: logical coordinates are the
// view's pixels with y turned upwards, and the world window spans the view.
struct ViewMapping {
  tagPOINT windowOrg;
  tagSIZE windowExt;
  tagPOINT viewportOrg;
  tagSIZE viewportExt;
  tagPOINT worldOrg;
  tagPOINT worldExt;
};

VARNEL_API ViewMapping MappingForView(const tagRECT& view, const tagRECT& window);

// How many pages of a device's proportions (widthPx x heightPx printable
// pixels) a world document needs, pages running left to right at full
// height; the first page's world rectangle goes to pFirstPage when given.
// A page width of zero or less (no height, no device height) gives 0.
VARNEL_API int DocumentPageCount(const tagRECT& doc, int widthPx, int heightPx,
                                 tagRECT* pFirstPage);

// What a resize does with the window.
enum class ResizeAction {
  None,            // the window stays; only the view follows the client area
  KeepScale,       // zoomed with SCALE_KEEP_SCALE: SetWindowToScale
  RefitWindow,     // zoomed without it: SetScaleToWindow(window, keep origin)
  FitMaxWindow     // not zoomed, a fit mode: SetWindowToFit(fit mode)
};

VARNEL_API ResizeAction ChooseResizeAction(bool bZoomed, unsigned int nScaleMode);
