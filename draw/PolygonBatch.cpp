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
  tagPOINT converted = {AfxWrapAdd(point.x, m_offset.x),
                        AfxWrapAdd(point.y, m_offset.y)};
  m_pfnConvert(m_pTarget, m_bLogical, converted);
  if (m_nCurrent > 0) {
    const tagPOINT& last = m_aPoints[m_nPoints - 1];
    if (last.x == converted.x && last.y == converted.y) return;
  }
  StorePoint(converted);
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

void PolygonBatch::StorePoint(const tagPOINT& point) {
  m_aPoints.SetAtGrow(m_nPoints, point);
  ++m_nPoints;
  ++m_nCurrent;
}
