// The rules of the world view's zooming and of its mouse wheel that need no
// window system: when a drag is a zoom, when the zoom stack records, the
// window a zoom around a point shows, what a wheel notification does and
// how far it scrolls. Portable; CViewW does the platform steps.
#pragma once

#include "afx/base/AfxTypes.h"

namespace varnel::view {

// A dragged device rectangle zooms when its width or its height reaches
// the system's drag threshold; a smaller one (or one drawn backwards) was
// a click.
VARNEL_API bool IsZoomDrag(const tagRECT& rcDrag, tagSIZE dragThreshold);

// Whether the zoom stack, holding nEntries windows, records one more.
VARNEL_API bool ZoomStackRecords(int nEntries, int nLevels);

// One dimension of a window zoomed by a factor: n * f truncated toward
// zero and held to what 32 bits hold (a NaN product gives 0).
VARNEL_API LONG ScaleWindowDimension(LONG n, double f);

// The world window of windowSize zoomed by f and centred on pt
// (left, top, right, bottom with y upwards); coordinates wrap modulo 2^32.
VARNEL_API tagRECT WindowCenteredOn(tagPOINT pt, tagSIZE windowSize, double f);

// The size a window of windowSize takes when zoomed by f without going
// below `floor` in either dimension: the size times f (truncated) for
// zooming out (f >= 1) and while that stays at or above the floor; else the
// size zoomed by the smaller factor that brings the nearer dimension onto
// the floor. False when no zoom in is left (the window is at or below the
// floor, or has no size): the zoom is refused.
VARNEL_API bool ZoomedSizeAboveFloor(tagSIZE windowSize, double f, tagSIZE floor,
                                     tagSIZE* pSize);

// The wheel-scroll setting that asks for a page per notch.
constexpr unsigned int kWheelPageScroll = 0xFFFFFFFFu;

// What a vertical wheel notification asks of the view.
enum class WheelAction {
  Refuse,      // no direction available and no Ctrl: not handled
  ZoomIn,      // Ctrl, turned away from the user
  ZoomOut,     // Ctrl, turned towards the user
  ScrollHorz,  // no keys, a horizontal direction available
  ScrollVert,  // Shift, a vertical direction available
  Nothing      // handled, but the keys select no scroll
};

// nFlags are the notification's key flags (MK_SHIFT 4, MK_CONTROL 8).
VARNEL_API WheelAction ChooseWheelAction(unsigned int nFlags, int z, bool bHorzAvailable,
                                         bool bVertAvailable);

// A wheel reports its turn in 120ths of a notch; high-resolution wheels and
// touchpads send parts of a notch. As the platform's wheel rules ask, the
// parts add up until they make whole steps (lines, or pages with the page
// setting), and the rest waits for the next report; a turn the other way,
// or a change of the setting, starts afresh.
class VARNEL_API WheelAccumulator {
 public:
  // Adds z (positive away from the user, or to the right for a tilt) with
  // nSteps steps a notch (kWheelPageScroll: one page); returns the whole
  // steps made so far, signed like z.
  int64_t Add(int z, unsigned int nSteps);
  void Reset() { m_nParts = 0; }

 private:
  int64_t m_nParts = 0;  // in 120ths of a step
  unsigned int m_nSteps = 0;
};

// The pixel distance of `steps` wheel steps (positive: right or down) with
// the line and page distances of the axis in pixels. With the page setting
// (bPages), or a step count beyond 32 bits, one page in the steps'
// direction; otherwise lines, cut to a page in the positive direction only
// and held to 32 bits in the negative one.
VARNEL_API LONG WheelScrollDistance(int64_t steps, bool bPages, LONG lineDev, LONG pageDev);

}  // namespace varnel::view
