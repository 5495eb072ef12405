// A small document of the kind a host keeps: a name, a page size and an
// array of shapes of three serial classes, one of them versionable. The
// archive fuzzer loads it from arbitrary bytes; the seeds are made from it.
#pragma once

#include "afx/base/AfxArchive.h"
#include "afx/base/AfxColl.h"

// What every shape has: a colour.
class CSketchShape : public CObject {
  DECLARE_SERIAL(CSketchShape)

 public:
  void Serialize(CArchive& ar) override;
  COLORREF m_colour = 0;
};

// Schema 1: a rectangle.
class CSketchRect : public CSketchShape {
  DECLARE_SERIAL(CSketchRect)

 public:
  void Serialize(CArchive& ar) override;
  LONG m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
};

// Versionable, schema 2: a centre and radii; since schema 2 also a fill.
class CSketchEllipse : public CSketchShape {
  DECLARE_SERIAL(CSketchEllipse)

 public:
  void Serialize(CArchive& ar) override;
  LONG m_x = 0, m_y = 0, m_rx = 0, m_ry = 0;
  BYTE m_bFilled = 0;
};

// Schema 1: text at a place, with its height.
class CSketchText : public CSketchShape {
  DECLARE_SERIAL(CSketchText)

 public:
  void Serialize(CArchive& ar) override;
  LONG m_x = 0, m_y = 0;
  double m_height = 0;
  CString m_strText;
};

class CSketchDocument {
 public:
  CSketchDocument() = default;
  ~CSketchDocument() { DeleteContents(); }
  CSketchDocument(const CSketchDocument&) = delete;
  CSketchDocument& operator=(const CSketchDocument&) = delete;

  void Serialize(CArchive& ar);
  // Deletes the shapes (each once, though the array may hold one twice)
  // and empties the document.
  void DeleteContents();

  CString m_strName;
  double m_width = 0;
  double m_height = 0;
  CTypedPtrArray<CObArray, CSketchShape*> m_shapes;
};
