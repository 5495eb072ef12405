// The arithmetic of the world mapping: a stack of levels, each mapping world
// coordinates onto a device context's window (or viewport), and the
// conversions between them. Portable: the device context's origin and
// extent come in as values; the CDC-taking functions ask the context and
// call these.
#pragma once

#include "afx/base/AfxTypes.h"

namespace varnel::draw {

// The range systems outside the NT family can draw in: results converted
// from world coordinates are clamped to it there.
constexpr LONG kGdiCoordinateLimit = 16000;

// One level of the world mapping: the world point at the context's origin,
// the world distances matching the context's extent, and a pixel scale kept
// for the host.
struct WorldLevel {
  tagPOINT org;
  tagPOINT ext;
  double pixelScale;
};

// The context's side of a conversion: its window (logical) or viewport
// (device) origin and extent.
struct ContextMapping {
  tagPOINT org;
  tagSIZE ext;
};

// Five levels and the current one. Pushing past the top or popping below
// the bottom changes nothing; a pushed level keeps what was last stored in
// it.
class VARNEL_API WorldMappingStack {
 public:
  static constexpr int kLevels = 5;

  void Push();
  void Pop();
  int Level() const { return m_nLevel; }
  WorldLevel& Current() { return m_levels[m_nLevel]; }
  const WorldLevel& Current() const { return m_levels[m_nLevel]; }

 private:
  int m_nLevel = 0;
  WorldLevel m_levels[kLevels] = {};
};

// Context coordinates to world: w = MulDiv(p - O, V, E) + W per axis.
// `from` and `to` may be the same array; count <= 0 converts nothing.
VARNEL_API void ConvertToWorld(const ContextMapping& context, const WorldLevel& level,
                               const tagPOINT* from, tagPOINT* to, int count);

// World to context coordinates: p = MulDiv(w - W, E, V) + O per axis,
// clamped to +-kGdiCoordinateLimit when `clamp` (systems outside the NT
// family).
VARNEL_API void ConvertFromWorld(const ContextMapping& context, const WorldLevel& level,
                                 bool clamp, const tagPOINT* from, tagPOINT* to, int count);

// All that a conversion from world coordinates reads, taken together.
struct WorldToContext {
  ContextMapping context;
  WorldLevel level;
  bool clamp;
};

// The clamp of systems outside the NT family.
inline LONG ClampToGdiLimit(LONG value) {
  if (value > kGdiCoordinateLimit) return kGdiCoordinateLimit;
  if (value < -kGdiCoordinateLimit) return -kGdiCoordinateLimit;
  return value;
}

// One axis from world: MulDiv(w - W, E, V) + O, in 32-bit arithmetic.
inline LONG AxisFromWorld(LONG w, LONG org, LONG ext, LONG worldOrg, LONG worldExt) {
  return AfxWrapAdd(MulDiv(AfxWrapSub(w, worldOrg), ext, worldExt), org);
}

// One point the way ConvertFromWorld converts each point. Inline, for code
// that looks at every point as it is converted (the polygon batcher).
inline tagPOINT PointFromWorld(const WorldToContext& mapping, tagPOINT w) {
  const ContextMapping& c = mapping.context;
  const WorldLevel& l = mapping.level;
  LONG x = AxisFromWorld(w.x, c.org.x, c.ext.cx, l.org.x, l.ext.x);
  LONG y = AxisFromWorld(w.y, c.org.y, c.ext.cy, l.org.y, l.ext.y);
  if (mapping.clamp) {
    x = ClampToGdiLimit(x);
    y = ClampToGdiLimit(y);
  }
  return tagPOINT{x, y};
}

}  // namespace varnel::draw
