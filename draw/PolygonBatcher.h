// The polygon batcher: host drawing code hands over polygon outlines in
// world coordinates one polygon at a time; each point is converted at once
// (through the world mapping, to logical or device coordinates of a
// context) and repeats are dropped; one call then draws the whole batch as
// filled polygons or open outlines, or makes a region of it, and empties
// the batch. One batch per process.
#pragma once

#include "afx/gdi/AfxDC.h"
#include "afx/gdi/AfxGdi.h"
#include "frame/WorldGeometry.h"

// Starts a polygon whose points, plus `offset`, convert through pDC to
// logical (logical true) or device coordinates. Always true.
VARNEL_API bool BeginPolygon(CDC* pDC, const CPointW& offset, bool logical);
// Adds a point to the polygon being built, unless it lands on the previous
// one. Before any BeginPolygon named a context, adds nothing.
VARNEL_API void AddPolyPoint(const CPointW& point);
// Finishes the polygon; false when it has no point.
VARNEL_API bool EndPolygon();
// One whole polygon: 1 when it was recorded, else 0.
VARNEL_API int AddPolyPoints(CDC* pDC, const CPointW& offset, const CPointW* points, int count,
                             bool logical);
// Draws the finished polygons filled (Polygon for one, PolyPolygon for
// several) with pDC's own pen, brush and fill mode; empties the batch.
VARNEL_API void DrawPolygons(CDC* pDC);
// The same as open outlines (Polyline, PolyPolyline).
VARNEL_API void DrawPolylines(CDC* pDC);
// Makes a region of the finished polygons (alternate fill) and attaches it
// to pRgn, which holds none yet; empties the batch. False when there was no
// polygon (pRgn untouched) or no region could be made.
VARNEL_API bool CreatePolyRegion(CRgn* pRgn);
// Empties the batch; the memory stays for the next one.
VARNEL_API void FlushPolygons();
