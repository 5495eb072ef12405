// The arithmetic of the world view: fitting a world rectangle to the view's
// proportions, keeping it inside the maximum window, keeping the scale when
// the view changes size, scroll sizes and scroll-bar values, the mapping a
// prepared context carries, and page counts. Portable: CViewW holds the
// fields and does the platform steps; these take and return values.
//
// World rectangles have y upwards (top >= bottom, width right - left,
// height top - bottom); device rectangles y downwards. Differences of
// coordinates are taken modulo 2^32, as 32-bit platform arithmetic does:
// the view refuses windows whose width or height does not fit in 32 bits
// (IsUsableWorldRect).
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

// The rules below are the view's own; hosts reach them through CViewW.
namespace varnel::view {

// The fit operations stop after this many passes even when the view's size
// keeps changing: each pass can only show or hide a bar, so a settling view
// needs far fewer.
constexpr int kMaxFitPasses = 5;

// How far from the view a device coordinate may lie: the 27 bits GDI draws
// in on the NT family. Zooming stops before the maximum window would reach
// beyond it.
constexpr LONG kViewDeviceRange = (1 << 27) - 1;

VARNEL_API LONG WorldWidth(const tagRECT& rc);   // right - left
VARNEL_API LONG WorldHeight(const tagRECT& rc);  // top - bottom
VARNEL_API tagSIZE DeviceSize(const tagRECT& rc);  // (right - left, bottom - top)

// Whether a world rectangle's width and height, taken exactly, fit in 32
// signed bits (at most 2^31 - 1 either way): the view's arithmetic on
// differences holds only for such rectangles.
VARNEL_API bool IsUsableWorldRect(const tagRECT& rc);

// The client rectangle less the four border margins.
VARNEL_API tagRECT ViewFromClient(const tagRECT& client, const tagRECT& border);

// Brings rc up to the minimum size and, for fit modes 1 to 3 (fit & 3), to
// the proportions of a view of viewSize pixels. keepOrigin keeps left and
// bottom; otherwise the original centre is kept. Fit mode 3 leaves a
// rectangle that already has the proportions (one dimension is what the
// other gives) as it is, so that fitting a fitted rectangle again changes
// nothing.
VARNEL_API void FitRectToView(tagRECT& rc, unsigned int fit, bool keepOrigin, tagSIZE viewSize,
                              tagSIZE minSize);

// Moves rc (never resizes it) to lie inside max where its size allows;
// true when any coordinate changed.
VARNEL_API bool ShiftIntoRange(tagRECT& rc, const tagRECT& max);

// The scale a resize keeps: a window size shown across a view size. It is
// kept as this ratio rather than as the last window rounded to whole units,
// so that it survives any sequence of sizes.
struct ViewScale {
  tagSIZE world;
  tagSIZE view;
};

// The scale to keep for a window of windowSize shown in a view of prevView
// pixels: `kept` while it still gives that window there, else the window's
// own.
VARNEL_API ViewScale ScaleToKeep(const ViewScale& kept, tagSIZE windowSize, tagSIZE prevView);

// The window at `scale` in a view of viewSize pixels, its origin corner
// (left, bottom) kept. A dimension the scale has no pixels for stays.
VARNEL_API tagRECT WindowKeepingScale(const tagRECT& window, tagSIZE viewSize,
                                      const ViewScale& scale);

// The passes of a fit: each shows a window fitted to the view's size and
// may show or hide a bar, which changes that size. The fit is done when the
// size holds still; a size seen before means the bars flip back and forth
// and no window of this fit will settle.
class VARNEL_API FitPasses {
 public:
  enum class Next { Done, Again, Flipping };
  // After a pass that began with the view at `before` and ended at `after`.
  Next After(tagSIZE before, tagSIZE after);

 private:
  static constexpr int kKept = 8;
  tagSIZE m_seen[kKept] = {};
  int m_nSeen = 0;
};

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

// The smallest window size at which a maximum window of maxSize, shown in
// a view of viewSize pixels, stays within kViewDeviceRange pixels (at least
// one unit).
VARNEL_API tagSIZE DeviceRangeFloor(tagSIZE maxSize, tagSIZE viewSize);

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

}  // namespace varnel::view

// Hosts that print a world document count its pages with this.
using varnel::view::DocumentPageCount;
