#include "fuzz/SketchDocument.h"

#include <set>

IMPLEMENT_SERIAL(CSketchShape, CObject, 1)
IMPLEMENT_SERIAL(CSketchRect, CSketchShape, 1)
IMPLEMENT_SERIAL(CSketchEllipse, CSketchShape, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_SERIAL(CSketchText, CSketchShape, 1)

void CSketchShape::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_colour;
  } else {
    ar >> m_colour;
  }
}

void CSketchRect::Serialize(CArchive& ar) {
  CSketchShape::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_left << m_top << m_right << m_bottom;
  } else {
    ar >> m_left >> m_top >> m_right >> m_bottom;
  }
}

void CSketchEllipse::Serialize(CArchive& ar) {
  // The schema is the ellipse's: asked before the base class reads.
  const UINT nSchema = ar.IsStoring() ? 2 : ar.GetObjectSchema();
  CSketchShape::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_x << m_y << m_rx << m_ry << m_bFilled;
    return;
  }
  if (nSchema < 1 || nSchema > 2) AfxThrowArchiveException(CArchiveException::badSchema);
  ar >> m_x >> m_y >> m_rx >> m_ry;
  m_bFilled = 0;
  if (nSchema >= 2) ar >> m_bFilled;
}

void CSketchText::Serialize(CArchive& ar) {
  CSketchShape::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_x << m_y << m_height << m_strText;
  } else {
    ar >> m_x >> m_y >> m_height >> m_strText;
  }
}

void CSketchDocument::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar << m_strName << m_width << m_height;
  } else {
    ar >> m_strName >> m_width >> m_height;
  }
  m_shapes.Serialize(ar);
}

void CSketchDocument::DeleteContents() {
  std::set<CSketchShape*> shapes;
  for (int i = 0; i < m_shapes.GetSize(); ++i) shapes.insert(m_shapes[i]);
  for (CSketchShape* pShape : shapes) delete pShape;
  m_shapes.RemoveAll();
  m_strName.Empty();
  m_width = m_height = 0;
}
