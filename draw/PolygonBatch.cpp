#include "draw/PolygonBatch.h"

namespace varnel::draw {

namespace {

// A point plus the polygon's offset (wrapping in 32 bits), converted.
inline tagPOINT Converted(const WorldToContext& mapping, const CPointW& offset,
                          const CPointW& point) {
  return PointFromWorld(mapping,
                        tagPOINT{AfxWrapAdd(point.x, offset.x), AfxWrapAdd(point.y, offset.y)});
}

}  // namespace

bool PolygonBatch::Begin(void* pTarget, const CPointW& offset, bool bLogical) {
  if (m_aPoints.GetSize() == 0) {
    m_aPoints.SetSize(kPointBlock, kPointBlock);
    m_aCounts.SetSize(kPolygonBlock, kPolygonBlock);
  }
  m_pTarget = pTarget;
  m_offset = offset;
  m_bLogical = bLogical;
  m_nCurrent = 0;
  return true;
}

void PolygonBatch::Add(const CPointW& point) {
  if (m_pTarget == nullptr) return;
  Keep(Converted(m_pfnMapping(m_pTarget, m_bLogical), m_offset, point));
}

void PolygonBatch::AddAll(const CPointW* points, int count) {
  if (m_pTarget == nullptr || count <= 0) return;
  const WorldToContext mapping = m_pfnMapping(m_pTarget, m_bLogical);
  if (count <= m_aPoints.GetSize() - m_nPoints) {
    KeepAllInRoom(mapping, points, count);
    return;
  }
  // The store grows: point by point, so that it grows as it does under Add.
  for (int i = 0; i < count; ++i) Keep(Converted(mapping, m_offset, points[i]));
}

bool PolygonBatch::End() {
  if (m_nCurrent < 1) return false;
  if (m_nCurrent == 1) {
    const tagPOINT lone = m_aPoints[m_nPoints - 1];
    StorePoint(lone);
  }
  m_aCounts.SetAtGrow(m_nPolygons, m_nCurrent);
  ++m_nPolygons;
  return true;
}

void PolygonBatch::Flush() {
  m_nPoints = 0;
  m_nCurrent = 0;
  m_nPolygons = 0;
}

void PolygonBatch::Keep(const tagPOINT& point) {
  if (m_nCurrent > 0) {
    const tagPOINT& last = m_aPoints[m_nPoints - 1];
    if (last.x == point.x && last.y == point.y) return;
  }
  StorePoint(point);
}

// Steady use (the store keeps its memory between batches): the points are
// converted straight into the store and compared with the last kept point
// on the way, with no growth check per point.
void PolygonBatch::KeepAllInRoom(const WorldToContext& mapping, const CPointW* points,
                                 int count) {
  const CPointW offset = m_offset;  // a copy the stores below cannot alias
  tagPOINT* store = m_aPoints.GetData();
  int total = m_nPoints;
  int i = 0;
  if (m_nCurrent == 0) store[total++] = Converted(mapping, offset, points[i++]);  // always kept
  tagPOINT last = store[total - 1];
  for (; i < count; ++i) {
    const tagPOINT point = Converted(mapping, offset, points[i]);
    if (point.x != last.x || point.y != last.y) {
      store[total++] = point;
      last = point;
    }
  }
  m_nCurrent += total - m_nPoints;
  m_nPoints = total;
}

void PolygonBatch::StorePoint(const tagPOINT& point) {
  m_aPoints.SetAtGrow(m_nPoints, point);
  ++m_nPoints;
  ++m_nCurrent;
}

}  // namespace varnel::draw
