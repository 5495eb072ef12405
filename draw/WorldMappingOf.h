// The world mapping as the conversions from world coordinates apply it to a
// context at this moment: for library code that converts point by point
// yet asks the context only once (the polygon batcher). Not exported.
#pragma once

#include "afx/gdi/AfxDC.h"
#include "draw/WorldMath.h"

namespace varnel::draw {

// What WPtoLP (bLogical true) or WPtoDP would use on pDC now: the context's
// window or viewport, the current level and the clamp.
WorldToContext WorldToContextOf(CDC* pDC, bool bLogical);

}  // namespace varnel::draw
