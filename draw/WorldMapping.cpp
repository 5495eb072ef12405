#include "draw/WorldMapping.h"

#include "draw/WorldMappingOf.h"
#include "draw/WorldMath.h"
#include "frame/Platform.h"

using namespace varnel::draw;

namespace {

WorldMappingStack g_worldMapping;

ContextMapping WindowOf(const CDC* pDC) {
  return ContextMapping{pDC->GetWindowOrg(), pDC->GetWindowExt()};
}

ContextMapping ViewportOf(const CDC* pDC) {
  return ContextMapping{pDC->GetViewportOrg(), pDC->GetViewportExt()};
}

// A rectangle converted as its two corner points.
template <class Convert>
void ConvertRect(const tagRECT* from, tagRECT* to, Convert convert) {
  tagPOINT corners[2] = {{from->left, from->top}, {from->right, from->bottom}};
  convert(corners);
  to->left = corners[0].x;
  to->top = corners[0].y;
  to->right = corners[1].x;
  to->bottom = corners[1].y;
}

}  // namespace

WorldToContext varnel::draw::WorldToContextOf(CDC* pDC, bool bLogical) {
  return WorldToContext{bLogical ? WindowOf(pDC) : ViewportOf(pDC), g_worldMapping.Current(),
                        !m_bWinNT};
}

void PushDC() { g_worldMapping.Push(); }
void PopDC() { g_worldMapping.Pop(); }

void SetWorldOrg(CDC* /*pDC*/, LONG x, LONG y) { g_worldMapping.Current().org = {x, y}; }
void SetWorldOrg(CDC* pDC, tagPOINT point) { SetWorldOrg(pDC, point.x, point.y); }
tagPOINT GetWorldOrg(CDC* /*pDC*/) { return g_worldMapping.Current().org; }

void SetWorldExt(CDC* /*pDC*/, LONG x, LONG y) { g_worldMapping.Current().ext = {x, y}; }
void SetWorldExt(CDC* pDC, tagPOINT extent) { SetWorldExt(pDC, extent.x, extent.y); }
tagPOINT GetWorldExt(CDC* /*pDC*/) { return g_worldMapping.Current().ext; }

void SetPixelScale(CDC* /*pDC*/, double dScale) { g_worldMapping.Current().pixelScale = dScale; }
double GetPixelScale(CDC* /*pDC*/) { return g_worldMapping.Current().pixelScale; }

void LPtoWP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count) {
  if (count <= 0) return;
  ConvertToWorld(WindowOf(pDC), g_worldMapping.Current(), from, to, count);
}

void DPtoWP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count) {
  if (count <= 0) return;
  ConvertToWorld(ViewportOf(pDC), g_worldMapping.Current(), from, to, count);
}

void WPtoLP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count) {
  if (count <= 0) return;
  const WorldToContext mapping = WorldToContextOf(pDC, true);
  ConvertFromWorld(mapping.context, mapping.level, mapping.clamp, from, to, count);
}

void WPtoDP(CDC* pDC, tagPOINT* from, tagPOINT* to, int count) {
  if (count <= 0) return;
  const WorldToContext mapping = WorldToContextOf(pDC, false);
  ConvertFromWorld(mapping.context, mapping.level, mapping.clamp, from, to, count);
}

void LPtoWP(CDC* pDC, tagRECT* from, tagRECT* to) {
  ConvertRect(from, to, [pDC](tagPOINT* p) { LPtoWP(pDC, p, p, 2); });
}

void DPtoWP(CDC* pDC, tagRECT* from, tagRECT* to) {
  ConvertRect(from, to, [pDC](tagPOINT* p) { DPtoWP(pDC, p, p, 2); });
}

void WPtoLP(CDC* pDC, tagRECT* from, tagRECT* to) {
  ConvertRect(from, to, [pDC](tagPOINT* p) { WPtoLP(pDC, p, p, 2); });
}

void WPtoDP(CDC* pDC, tagRECT* from, tagRECT* to) {
  ConvertRect(from, to, [pDC](tagPOINT* p) { WPtoDP(pDC, p, p, 2); });
}
