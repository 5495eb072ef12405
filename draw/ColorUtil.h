// Colour helpers for host drawing code.
#pragma once

#include "afx/base/AfxTypes.h"

// The grey of the same brightness, (30 r + 59 g + 11 b) / 100 in every
// channel, with a flag byte of 0. A colour that is grey already comes back
// unchanged, its flag byte included.
VARNEL_API COLORREF ColorToGray(COLORREF colour);
