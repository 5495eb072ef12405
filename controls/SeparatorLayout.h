// What a separator draws, from its size, style and text: the etched line's
// outline and the caption with its spacing and text format. Portable, so
// that the rules are tested without a window system; CStaticSeparator
// paints what these give.
#pragma once

#include "afx/base/AfxString.h"
#include "afx/base/AfxTypes.h"

namespace varnel::controls {

// The etched line as an outline of two pixels' thickness (the arguments of
// a three-dimensional rectangle): a vertical line down the middle of a
// control taller than wide, else a horizontal one across the middle.
struct SeparatorLine {
  bool bVertical;
  LONG x, y, cx, cy;
};
VARNEL_API SeparatorLine SeparatorLineFor(LONG width, LONG height);

// The caption as drawn on a horizontal separator: the window text with two
// blanks on the side (or sides) where the line continues, and the text
// format flags (the values of DT_LEFT, DT_CENTER, DT_RIGHT, DT_NOPREFIX).
struct SeparatorCaption {
  CString text;
  UINT nFormat;
};
enum : UINT {
  kSeparatorStyleCenter = 0x01,    // SS_CENTER
  kSeparatorStyleRight = 0x02,     // SS_RIGHT
  kSeparatorStyleNoPrefix = 0x80,  // SS_NOPREFIX
  kSeparatorFormatCenter = 0x01,   // DT_CENTER
  kSeparatorFormatRight = 0x02,    // DT_RIGHT
  kSeparatorFormatNoPrefix = 0x0800,  // DT_NOPREFIX
};
VARNEL_API SeparatorCaption SeparatorCaptionFor(const CString& windowText, DWORD style);

}  // namespace varnel::controls
