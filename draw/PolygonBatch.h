// The store behind the polygon batcher: the converted points of every
// polygon of a batch back to back, and one point count per polygon, ready
// for one PolyPolygon-style call. Portable: the target's mapping comes from
// a function handed in, so the store's rules can be tested without a device
// context.
#pragma once

#include "afx/base/AfxArray.h"
#include "draw/WorldMath.h"
#include "frame/WorldGeometry.h"

namespace varnel::draw {

// The mapping from world coordinates to the target's logical (logical true)
// or device coordinates, as the target has it now.
typedef WorldToContext (*PolyMappingQuery)(void* pTarget, bool bLogical);

class VARNEL_API PolygonBatch {
 public:
  // The stores' first size and growth step, in points and in polygons.
  static constexpr int kPointBlock = 1024;
  static constexpr int kPolygonBlock = 256;

  explicit PolygonBatch(PolyMappingQuery pfnMapping) : m_pfnMapping(pfnMapping) {}

  // Starts a polygon converted through pTarget; finished polygons stay.
  bool Begin(void* pTarget, const CPointW& offset, bool bLogical);
  // Adds a point (plus the offset, converted with the target's mapping of
  // the moment) unless it repeats the polygon's previous point after
  // conversion. Without a target from an earlier Begin nothing is added.
  void Add(const CPointW& point);
  // Adds `count` points exactly as Add would one by one, but asks for the
  // target's mapping once: nothing can change it between them.
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
  // Keep for each point, when the store has room for all of them.
  void KeepAllInRoom(const WorldToContext& mapping, const CPointW* points, int count);
  void StorePoint(const tagPOINT& point);

  PolyMappingQuery m_pfnMapping;
  CArray<tagPOINT, const tagPOINT&> m_aPoints;
  CArray<INT, INT> m_aCounts;
  int m_nPoints = 0;
  int m_nCurrent = 0;
  int m_nPolygons = 0;
  void* m_pTarget = nullptr;
  CPointW m_offset = {0, 0};
  bool m_bLogical = false;
};

}  // namespace varnel::draw
