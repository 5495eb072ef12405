// The drawing-object cache: pens, brushes and fonts asked for by their
// describing values are created once and handed out again on every later
// request, until the outermost PushGDIObjects/PopGDIObjects bracket closes.
// Objects returned belong to the cache: select and use them, never delete
// them. One cache per process, used from the user-interface thread only.
#pragma once

#if defined(_WIN32)

#include "afx/gdi/AfxDC.h"
#include "afx/gdi/AfxGdi.h"

// Opens a bracket on pDC, or nests one more level in the open bracket. The
// outermost push records pDC's selected pen, brush, font and palette, its
// text and background colours and its mix mode. With no bracket open, a
// null pDC opens none: there is nothing to record.
VARNEL_API void PushGDIObjects(CDC* pDC);

// Closes one level. The outermost pop puts everything the push recorded
// back on pDC (on the recorded context when pDC is null) and then deletes
// every cached pen, brush and font. A pop with no bracket open is ignored.
VARNEL_API void PopGDIObjects(CDC* pDC);

// A pen of width 1 (logical units) of that style and colour. Throws
// CResourceException* when the system refuses it; nothing is cached then.
VARNEL_API CPen* GetGDIPen(COLORREF colour, int style);

// Style -1: solid. Style -2: an 8 x 8 pattern from the low 16 bits of
// colour, its high byte on the even rows and its low byte on the odd rows,
// most significant bit leftmost (as any monochrome pattern, clear bits draw
// in the context's text colour, set ones in its background colour). Any
// other style: a hatch brush of that hatch index. Throws
// CResourceException* as GetGDIPen does.
VARNEL_API CBrush* GetGDIBrush(COLORREF colour, int style);

// The pattern brush of two bytes: pattern[0] on the even rows, pattern[1]
// on the odd rows.
VARNEL_API CBrush* GetGDIBrush(BYTE* pattern);

// A font of pointSize points in the face (letter case matters), sized for
// the bracket's device context, or for the screen when no bracket is open.
// On a window's context the points are taken at the density the window is
// shown at (AfxGetWindowDpi: its monitor's, once its frame was told), not
// the context's, which stays the system's; a font asked for at another
// density is another font.
// Its creation is not checked: on failure the font holds no handle.
VARNEL_API CFont* GetGDIFont(int pointSize, const char* faceName);

// The pens, brushes and fonts cached now, and how deep the open bracket is
// (0: none open). A balanced program returns to (0, 0) when it is at rest.
VARNEL_API int GetGDICacheCount();
VARNEL_API int GetGDIBracketDepth();

#endif  // _WIN32
