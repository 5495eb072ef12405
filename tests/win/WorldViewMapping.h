// The mapping a world view gives a context for a view of w x h pixels at
// the origin: logical coordinates are the view's pixels with y upwards, and
// the world window (left, bottom)-(right, top) maps onto them. Keep views
// below 250 pixels a side: Wine's isotropic mode then leaves the extents as
// set whatever its desktop (from 680 pixels up it changes them by one on a
// 1280 x 1024 desktop, from 254 up on a 640 x 480 one).
#pragma once

#include "Varnel.h"

inline void PrepareAsWorldView(CDC& dc, int w, int h, const RECT& world) {
  dc.SetMapMode(MM_ISOTROPIC);
  dc.SetWindowOrg(0, 0);
  dc.SetWindowExt(w, h);
  dc.SetViewportOrg(0, h);
  dc.SetViewportExt(w, -h);
  SetWorldOrg(&dc, world.left, world.bottom);
  SetWorldExt(&dc, world.right - world.left, world.top - world.bottom);
}
