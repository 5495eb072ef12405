#include "draw/WorldMath.h"

namespace varnel::draw {

namespace {

// One axis to world: MulDiv(p - O, V, E) + W, in 32-bit arithmetic.
LONG AxisToWorld(LONG p, LONG org, LONG ext, LONG worldOrg, LONG worldExt) {
  return AfxWrapAdd(MulDiv(AfxWrapSub(p, org), worldExt, ext), worldOrg);
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
  const WorldToContext mapping = {context, level, clamp};
  for (int i = 0; i < count; ++i) to[i] = PointFromWorld(mapping, from[i]);
}

}  // namespace varnel::draw
