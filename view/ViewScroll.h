// The arithmetic of the world view's scrolling: what a scroll-bar code
// asks for, world distances to pixels, where a scroll to a position may
// go, the brush origin that follows the picture, and the plan of a smooth
// scroll. Portable; CViewW does the platform steps.
#pragma once

#include "afx/base/AfxTypes.h"

#include <vector>

namespace varnel::view {

// No code for this direction in a packed code word.
constexpr unsigned int kNoScrollCode = 255;

// The world distance (dx, dy) a packed code word asks for: the horizontal
// code in the low byte, the vertical one in the next. Lines and pages come
// from the line and page sizes (world units); the vertical values are
// negated, as world y grows upwards. A thumb position p (scroll units,
// read as signed) is released at world 10 * p; dragging (SB_THUMBTRACK)
// asks for nothing.
VARNEL_API tagSIZE ScrollCodeDistance(unsigned int nCodes, int nPos, tagSIZE line, tagSIZE page,
                                      const tagRECT& window, const tagRECT& max);

// A world distance in pixels for a view of viewSize showing windowSize
// world units; y is negated, device y growing downwards.
VARNEL_API tagSIZE WorldToPixelDistance(tagSIZE world, tagSIZE viewSize, tagSIZE windowSize);

// Scrolling keeps the pixels it moves and the window in step. Picture the
// world drawn on an unbounded canvas at the window's scale: the view's
// edge sits on the canvas at the window's left (x) or bottom (y) times
// pixels per world unit, rounded to a pixel. A scroll moves the window by
// whole world units and the pixels on screen by the difference of those
// canvas positions, so whatever was drawn for an earlier window lies within
// a pixel of where a full repaint puts it, after any sequence of scrolls.

// The window a scroll by `pixels` asks for (a positive x moves the picture
// left, the window right; a positive y moves it up, the window down): on
// each axis, moved by the whole world units nearest to the distance. An
// axis whose window or view has no size does not move.
VARNEL_API tagRECT WindowScrolledBy(const tagRECT& window, tagSIZE viewSize, tagSIZE pixels);

// The whole pixels the picture moves when the window goes from `from` to
// `to` (of the same size) in a view of viewSize: the difference of their
// canvas positions, signed like the distance of WindowScrolledBy, held to
// 32 bits.
VARNEL_API tagSIZE PixelsBetween(const tagRECT& from, const tagRECT& to, tagSIZE viewSize);

// The (left, top) corner a scroll to `target` may reach with a window of
// this size inside the maximum window.
VARNEL_API tagPOINT ClampScrollTarget(tagPOINT target, const tagRECT& window,
                                      const tagRECT& max);

// One coordinate of the brush origin after the picture moved by d pixels
// (a positive d moves it left or up): kept in 0 ... 7.
VARNEL_API LONG ShiftBrushOrigin(LONG org, LONG d);

// A smooth scroll is made of small moves; each but the remainder is
// followed by an immediate repaint.
struct SmoothMove {
  tagSIZE d;
  bool bRepaint;
};

// Whether a pixel distance is smoothed at all: at most a page per axis.
VARNEL_API bool IsSmoothDistance(tagSIZE d, tagSIZE pageDev);

// The moves of a smooth scroll by d pixels: per axis 4 steps when the
// distance is at most a line and two pixels, 12 when it is over half a
// page, else 8; the steps of the axes run side by side, and what the
// division leaves is one last move. They add up to d exactly.
VARNEL_API std::vector<SmoothMove> PlanSmoothScroll(tagSIZE d, tagSIZE lineDev, tagSIZE pageDev);

}  // namespace varnel::view
