#include "ArchiveTestClasses.h"

int g_nLiveArchiveTestObjects = 0;

IMPLEMENT_SERIAL(CPinPoint, CObject, 1)
IMPLEMENT_SERIAL(CPinLabel, CObject, VERSIONABLE_SCHEMA | 2)
IMPLEMENT_SERIAL(CPinNode, CObject, 1)
IMPLEMENT_SERIAL(CPinFailing, CObject, 1)

void CPinPoint::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_x << m_y;
  } else {
    ar >> m_x >> m_y;
  }
}

void CPinLabel::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_strText << m_colour;
    return;
  }
  m_nLoadedSchema = ar.GetObjectSchema();
  ar >> m_strText;
  if (m_nLoadedSchema >= 2) ar >> m_colour;
}

void CPinNode::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_nValue << m_pNext;
  } else {
    ar >> m_nValue >> m_pNext;
  }
}

void CPinFailing::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar << m_pPoint;
    return;
  }
  ar >> m_pPoint;
  AfxThrowArchiveException(CArchiveException::genericException);
}
