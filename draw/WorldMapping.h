// The world mapping of device contexts: a process-wide stack of five
// levels, each mapping world coordinates (y upwards, 32-bit world units)
// onto a device context's window, and conversions of points and rectangles
// between world, logical and device coordinates. The view fills the current
// level when it prepares a context; drawing code converts through it.
//
// The setters and getters ignore their context argument; the conversions
// ask the context's attribute handle once per call for its window (logical
// forms) or viewport (device forms). Outside the NT family results
// converted from world coordinates are clamped to +-16000.
#pragma once

#include "afx/gdi/AfxDC.h"

// Moves to the next level (at most the fifth); it keeps what was last
// stored in it.
VARNEL_API void PushDC();
// Moves back a level (at least to the first).
VARNEL_API void PopDC();

VARNEL_API void SetWorldOrg(CDC* pDC, LONG x, LONG y);
VARNEL_API void SetWorldOrg(CDC* pDC, tagPOINT point);
VARNEL_API tagPOINT GetWorldOrg(CDC* pDC);
VARNEL_API void SetWorldExt(CDC* pDC, LONG x, LONG y);
VARNEL_API void SetWorldExt(CDC* pDC, tagPOINT extent);
VARNEL_API tagPOINT GetWorldExt(CDC* pDC);
// A scale kept for the host; the library never reads it.
VARNEL_API void SetPixelScale(CDC* pDC, double dScale);
VARNEL_API double GetPixelScale(CDC* pDC);

// `count` points from `from` into `to` (which may be the same array).
VARNEL_API void LPtoWP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count);
VARNEL_API void DPtoWP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count);
VARNEL_API void WPtoLP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count);
VARNEL_API void WPtoDP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count);

// Rectangles as two points, (left, top) then (right, bottom); the corners
// are not reordered.
VARNEL_API void LPtoWP(CDC* pDC, tagRECT* from, tagRECT* to);
VARNEL_API void DPtoWP(CDC* pDC, tagRECT* from, tagRECT* to);
VARNEL_API void WPtoLP(CDC* pDC, tagRECT* from, tagRECT* to);
VARNEL_API void WPtoDP(CDC* pDC, tagRECT* from, tagRECT* to);
