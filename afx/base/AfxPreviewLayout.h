// Print preview's geometry, portable: how the printer's pixels map onto the
// preview's pixels in each zoom state, and where the sheets of paper lie in
// the preview's picture (which scrolls when it is larger than the window).
//
// A scale is a ratio per axis: a printer distance d shows as
// MulDiv(d, num, den) preview pixels. The actual size is the screen's
// resolution over the printer's; fitting shrinks that until the sheets
// shown fit the window (never enlarging past the actual size); the middle
// zoom lies half way between the two.
#pragma once

#include "afx/base/AfxTypes.h"

struct VARNEL_API PreviewScale {
  int numX = 1;
  int denX = 1;
  int numY = 1;
  int denY = 1;

  LONG ToScreenX(LONG x) const { return MulDiv(x, numX, denX); }
  LONG ToScreenY(LONG y) const { return MulDiv(y, numY, denY); }
  bool IsIdentity() const { return numX == denX && numY == denY; }
};

// The zoom states, as the preview's Zoom In and Zoom Out step through them.
enum PreviewZoom { kPreviewZoomOut = 0, kPreviewZoomMiddle = 1, kPreviewZoomIn = 2 };

// What the layout depends on.
struct PreviewDevice {
  tagSIZE paper;       // the sheet (PHYSICALWIDTH, PHYSICALHEIGHT), printer pixels
  tagPOINT offset;     // the printable area's corner on it (PHYSICALOFFSETX/Y)
  tagSIZE printerDpi;  // LOGPIXELSX, LOGPIXELSY of the printer
  tagSIZE screenDpi;   // the same of the screen
};

// Empty space around and between the sheets, in preview pixels.
constexpr LONG kPreviewMargin = 8;

// The scale of a zoom state for nSheets sheets side by side in a window of
// the given client size.
VARNEL_API PreviewScale PreviewScaleFor(const PreviewDevice& device, int nZoom, int nSheets,
                                        const tagSIZE& client);

struct PreviewLayout {
  PreviewScale scale;
  tagSIZE picture;    // what scrolls: the sheets and the margins around them
  tagRECT sheets[2];  // each sheet in the picture (the second empty with one)
};

// Lays nSheets (1 or 2) sheets out at the zoom state's scale: centred in
// the window where the picture is smaller, else a margin from its edges.
VARNEL_API PreviewLayout LayOutPreview(const PreviewDevice& device, int nZoom, int nSheets,
                                       const tagSIZE& client);

// A scroll position kept inside 0 .. picture - client (0 when it fits).
VARNEL_API LONG ClampPreviewScroll(LONG nPos, LONG nPicture, LONG nClient);
