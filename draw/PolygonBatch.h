// The store behind the polygon batcher: the converted points of every
// polygon of a batch back to back, and one point count per polygon, ready
// for one PolyPolygon-style call. Portable: converting world points to the
// target's coordinates is a function handed in, so the store's rules can be
// tested without a device context.
#pragma once

#include "afx/AfxArray.h"
#include "frame/WorldGeometry.h"

// Converts `count` points, offset already added, to the target's logical
// (logical true) or device coordinates, in place.
typedef void (*PolyPointConverter)(void* pTarget, bool bLogical, tagPOINT* points, int count);

class VARNEL_API PolygonBatch {
 public:
  // The stores' first size and growth step, in points and in polygons.
  static constexpr int kPointBlock = 1024;
  static constexpr int kPolygonBlock = 256;

  explicit PolygonBatch(PolyPointConverter pfnConvert) : m_pfnConvert(pfnConvert) {}

  // Starts a polygon converted through pTarget; finished polygons stay.
  bool Begin(void* pTarget, const CPointW& offset, bool bLogical);
  // Adds a point (plus the offset, converted) unless it repeats the
  // polygon's previous point after conversion. Without a target from an
  // earlier Begin nothing is added.
  void Add(const CPointW& point);
  // Adds `count` points exactly as Add would one by one, but converts them
  // all in one call: nothing can change the target's mapping between them.
  void AddAll(const CPointW* points, int count);
  // Finishes the polygon; false, recording nothing, when it has no point.
  // A lone point is stored twice so that every polygon has two points.
  bool End();
  // Empties the batch; memory, target, offset and flag stay.
  void Flush();

  int PolygonCount() const { return m_nPolygons; }
  int PointTotal() const { return m_nPoints; }
  const tagPOINT* Points() const { return m_aPoints.GetData(); }
  const INT* Counts() const { return m_aCounts.GetData(); }
  int PointCapacity() const { return m_aPoints.GetCapacity(); }
  int PolygonCapacity() const { return m_aCounts.GetCapacity(); }

 private:
  // Stores a converted point unless it repeats the polygon's previous one.
  void Keep(const tagPOINT& point);
  // Keep for the `count` converted points just past the point total, which
  // the store already holds: moves the kept ones down over the dropped.
  void KeepTail(int count);
  void StorePoint(const tagPOINT& point);

  PolyPointConverter m_pfnConvert;
  CArray<tagPOINT, const tagPOINT&> m_aPoints;
  CArray<INT, INT> m_aCounts;
  // Where AddAll converts when the store has no room yet; it keeps its
  // memory for the next time.
  CArray<tagPOINT, const tagPOINT&> m_aConverted;
  int m_nPoints = 0;
  int m_nCurrent = 0;
  int m_nPolygons = 0;
  void* m_pTarget = nullptr;
  CPointW m_offset = {0, 0};
  bool m_bLogical = false;
};
