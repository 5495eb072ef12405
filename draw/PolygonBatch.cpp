#include "draw/PolygonBatch.h"

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
  tagPOINT converted = {AfxWrapAdd(point.x, m_offset.x), AfxWrapAdd(point.y, m_offset.y)};
  m_pfnConvert(m_pTarget, m_bLogical, &converted, 1);
  Keep(converted);
}

void PolygonBatch::AddAll(const CPointW* points, int count) {
  if (m_pTarget == nullptr || count <= 0) return;
  // Converted in the store's free tail when it has room (steady use, since
  // the store keeps its memory between batches); otherwise aside, so that
  // the store grows exactly as it does point by point.
  const bool inStore = count <= m_aPoints.GetSize() - m_nPoints;
  if (!inStore && m_aConverted.GetSize() < count) m_aConverted.SetSize(count);
  tagPOINT* converted = inStore ? m_aPoints.GetData() + m_nPoints : m_aConverted.GetData();
  for (int i = 0; i < count; ++i) {
    converted[i] = {AfxWrapAdd(points[i].x, m_offset.x), AfxWrapAdd(points[i].y, m_offset.y)};
  }
  m_pfnConvert(m_pTarget, m_bLogical, converted, count);
  if (inStore) {
    KeepTail(count);
  } else {
    for (int i = 0; i < count; ++i) Keep(converted[i]);
  }
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

void PolygonBatch::KeepTail(int count) {
  tagPOINT* store = m_aPoints.GetData();
  const int end = m_nPoints + count;
  // A polygon's first point is always kept; later ones when they differ
  // from the last kept point.
  const int first = m_nCurrent == 0 ? m_nPoints + 1 : m_nPoints;
  int total = first;
  tagPOINT last = store[total - 1];
  for (int i = first; i < end; ++i) {
    const tagPOINT point = store[i];
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
