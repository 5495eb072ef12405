// The rules of the world view's zooming and of its mouse wheel that need no
// window system: when a drag is a zoom, when the zoom stack records, the
// window a zoom around a point shows, what a wheel notification does and
// how far it scrolls. Portable; CViewW does the platform steps.
#pragma once

#include "afx/base/AfxTypes.h"

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

// The pixel distance a wheel distance z (120 a notch, positive away from
// the user: left or up) scrolls with nLines lines a notch, given the line
// and page distances of the axis in pixels. A page a notch for the page
// setting and where the line count gives no answer (MulDiv's -1);
// otherwise lines, cut to a page in the positive direction only, and held
// to 32 bits in the negative one.
VARNEL_API LONG WheelScrollDistance(int z, unsigned int nLines, LONG lineDev, LONG pageDev);
