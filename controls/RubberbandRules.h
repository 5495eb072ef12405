// The arithmetic of the rubber-band tracker, apart from its message loop:
// the Shift constraint that snaps the pointer to a diagonal (or an axis)
// through the anchor, the amount a view scrolls when the pointer leaves its
// client area, and whether a new press continues from the anchor.
#pragma once

#include "afx/base/AfxTypes.h"

// Style flags of a tracker.
constexpr UINT RBS_AXISSNAP = 0x0001;        // with the Shift constraint, axes too
constexpr UINT RBS_RECT = 0x0002;            // a rectangle, not a line
constexpr UINT RBS_AUTOSCROLL = 0x0100;      // scroll a view the pointer leaves
constexpr UINT RBS_SHIFTCONSTRAIN = 0x0200;  // constrain while Shift is held

// How a tracking ended.
constexpr UINT RBT_CANCEL = 0;      // Escape, capture lost, or the quit message
constexpr UINT RBT_LEFTUP = 1;      // left button released
constexpr UINT RBT_RIGHT = 2;       // right button pressed or released
constexpr UINT RBT_NEWANCHOR = 3;   // left press away from the anchor (now the anchor)
constexpr UINT RBT_SAMEANCHOR = 4;  // left press within reach of the anchor

namespace varnel::controls {

// The farthest a press may be from the anchor, in x and in y, to continue
// from it, and the band's width, at 96 dots per inch; both scale with the
// density of the window tracked in (RubberbandPixels).
constexpr int kRubberbandSameAnchorReach = 5;
constexpr int kRubberbandWidth = 2;

// A length given at 96 dots per inch in pixels at nDpi (below 2^16),
// rounded to the nearest (halves up); never below 1 for a positive length.
VARNEL_API LONG RubberbandPixels(LONG n96, UINT nDpi);

// The pointer after the Shift constraint: unchanged unless nStyle has
// RBS_SHIFTCONSTRAIN and nKeyFlags MK_SHIFT. Then it moves onto the
// diagonal through the anchor (the longer offset on both axes), or, with
// RBS_AXISSNAP, onto the horizontal or vertical when the offset is more
// than twice as long on that axis.
VARNEL_API tagPOINT ConstrainToAnchor(tagPOINT anchor, tagPOINT point, UINT nStyle,
                                      UINT nKeyFlags);

// How far to scroll a view when the pointer is outside its client
// rectangle (right and bottom edges outside): the distance past the edge on
// each axis, (0, 0) inside.
VARNEL_API tagSIZE AutoScrollAmount(const tagRECT& client, tagPOINT point);

// Whether a press continues from the anchor rather than starting anew: it
// is at most reach pixels from it in x and in y.
VARNEL_API bool IsSameAnchor(tagPOINT anchor, tagPOINT press,
                             LONG reach = kRubberbandSameAnchorReach);

}  // namespace varnel::controls
