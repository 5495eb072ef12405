#include "draw/WorldMath.h"

namespace {

LONG Clamp(LONG value) {
  if (value > kGdiCoordinateLimit) return kGdiCoordinateLimit;
  if (value < -kGdiCoordinateLimit) return -kGdiCoordinateLimit;
  return value;
}

// One axis to world: MulDiv(p - O, V, E) + W, in 32-bit arithmetic.
LONG AxisToWorld(LONG p, LONG org, LONG ext, LONG worldOrg, LONG worldExt) {
  return AfxWrapAdd(MulDiv(AfxWrapSub(p, org), worldExt, ext), worldOrg);
}

// One axis from world: MulDiv(w - W, E, V) + O, in 32-bit arithmetic.
LONG AxisFromWorld(LONG w, LONG org, LONG ext, LONG worldOrg, LONG worldExt) {
  return AfxWrapAdd(MulDiv(AfxWrapSub(w, worldOrg), ext, worldExt), org);
}

}  // namespace

void WorldMappingStack::Push() {
  if (m_nLevel < kLevels - 1) ++m_nLevel;
}

void WorldMappingStack::Pop() {
  if (m_nLevel > 0) --m_nLevel;
}

void ConvertToWorld(const ContextMapping& context, const WorldLevel& level, const tagPOINT* from,
                    tagPOINT* to, int count) {
  for (int i = 0; i < count; ++i) {
    const tagPOINT p = from[i];
    to[i].x = AxisToWorld(p.x, context.org.x, context.ext.cx, level.org.x, level.ext.x);
    to[i].y = AxisToWorld(p.y, context.org.y, context.ext.cy, level.org.y, level.ext.y);
  }
}

void ConvertFromWorld(const ContextMapping& context, const WorldLevel& level, bool clamp,
                      const tagPOINT* from, tagPOINT* to, int count) {
  for (int i = 0; i < count; ++i) {
    const tagPOINT w = from[i];
    LONG x = AxisFromWorld(w.x, context.org.x, context.ext.cx, level.org.x, level.ext.x);
    LONG y = AxisFromWorld(w.y, context.org.y, context.ext.cy, level.org.y, level.ext.y);
    if (clamp) {
      x = Clamp(x);
      y = Clamp(y);
    }
    to[i].x = x;
    to[i].y = y;
  }
}
