// Drawing a bitmap with one colour left out, for host drawing code.
#pragma once

#if defined(_WIN32)

#include "afx/gdi/AfxDC.h"
#include "afx/gdi/AfxGdi.h"

// Draws the whole bitmap at its own size with its top-left corner at `at`
// (logical coordinates of pDC), leaving the destination as it was wherever
// the bitmap has the colour `transparent`. Draws nothing, silently, when the
// bitmap cannot be read or the system refuses the image list. The bitmap
// itself is left unchanged. On a printer, which cannot draw through a
// mask, the bitmap is copied through a clipping region of its other pixels.
VARNEL_API void DrawTransparent(CDC* pDC, CBitmap* pBitmap, COLORREF transparent, tagPOINT at);

#endif  // _WIN32
