#include "draw/PolygonBatcher.h"

#include "draw/PolygonBatch.h"
#include "draw/WorldMappingOf.h"

using namespace varnel::draw;

namespace {

WorldToContext MappingOf(void* pTarget, bool bLogical) {
  return WorldToContextOf(static_cast<CDC*>(pTarget), bLogical);
}

PolygonBatch g_batch(&MappingOf);

// The counts as the outline calls take them: the same 32-bit values.
const DWORD* CountsAsDwords() { return reinterpret_cast<const DWORD*>(g_batch.Counts()); }

}  // namespace

bool BeginPolygon(CDC* pDC, const CPointW& offset, bool logical) {
  return g_batch.Begin(pDC, offset, logical);
}

void AddPolyPoint(const CPointW& point) { g_batch.Add(point); }

bool EndPolygon() { return g_batch.End(); }

int AddPolyPoints(CDC* pDC, const CPointW& offset, const CPointW* points, int count,
                  bool logical) {
  g_batch.Begin(pDC, offset, logical);
  g_batch.AddAll(points, count);
  return g_batch.End() ? 1 : 0;
}

void DrawPolygons(CDC* pDC) {
  if (g_batch.PolygonCount() >= 2) {
    pDC->PolyPolygon(g_batch.Points(), g_batch.Counts(), g_batch.PolygonCount());
  } else if (g_batch.PolygonCount() == 1) {
    pDC->Polygon(g_batch.Points(), g_batch.Counts()[0]);
  }
  g_batch.Flush();
}

void DrawPolylines(CDC* pDC) {
  if (g_batch.PolygonCount() >= 2) {
    pDC->PolyPolyline(g_batch.Points(), CountsAsDwords(), g_batch.PolygonCount());
  } else if (g_batch.PolygonCount() == 1) {
    pDC->Polyline(g_batch.Points(), g_batch.Counts()[0]);
  }
  g_batch.Flush();
}

bool CreatePolyRegion(CRgn* pRgn) {
  HRGN hRgn = nullptr;
  if (g_batch.PolygonCount() >= 2) {
    hRgn = ::CreatePolyPolygonRgn(g_batch.Points(), g_batch.Counts(), g_batch.PolygonCount(),
                                  ALTERNATE);
  } else if (g_batch.PolygonCount() == 1) {
    hRgn = ::CreatePolygonRgn(g_batch.Points(), g_batch.Counts()[0], ALTERNATE);
  } else {
    g_batch.Flush();
    return false;
  }
  g_batch.Flush();
  return pRgn->Attach(hRgn) != FALSE;
}

void FlushPolygons() { g_batch.Flush(); }
