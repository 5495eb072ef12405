#include "draw/WorldMath.h"

#include <cstdint>

namespace {

// Plain 32-bit arithmetic: wraps on overflow, by design and without
// undefined behaviour.
LONG Add32(LONG a, LONG b) {
  return static_cast<LONG>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
LONG Sub32(LONG a, LONG b) {
  return static_cast<LONG>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

LONG Clamp(LONG value) {
  if (value > kGdiCoordinateLimit) return kGdiCoordinateLimit;
  if (value < -kGdiCoordinateLimit) return -kGdiCoordinateLimit;
  return value;
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
    to[i].x = Add32(MulDiv(Sub32(p.x, context.org.x), level.ext.x, context.ext.cx), level.org.x);
    to[i].y = Add32(MulDiv(Sub32(p.y, context.org.y), level.ext.y, context.ext.cy), level.org.y);
  }
}

void ConvertFromWorld(const ContextMapping& context, const WorldLevel& level, bool clamp,
                      const tagPOINT* from, tagPOINT* to, int count) {
  for (int i = 0; i < count; ++i) {
    const tagPOINT w = from[i];
    LONG x = Add32(MulDiv(Sub32(w.x, level.org.x), context.ext.cx, level.ext.x), context.org.x);
    LONG y = Add32(MulDiv(Sub32(w.y, level.org.y), context.ext.cy, level.ext.y), context.org.y);
    if (clamp) {
      x = Clamp(x);
      y = Clamp(y);
    }
    to[i].x = x;
    to[i].y = y;
  }
}
