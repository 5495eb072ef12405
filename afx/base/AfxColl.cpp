#include "afx/base/AfxColl.h"

#include <climits>

IMPLEMENT_SERIAL(CObArray, CObject, 0)

void CObArray::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
    for (int i = 0; i < GetSize(); ++i) ar << m_array[i];
    return;
  }
  LoadCount(ar);
  for (int i = 0; i < GetSize(); ++i) ar >> m_array[i];
}

void CObArray::LoadCount(CArchive& ar) {
  const DWORD_PTR nCount = ar.ReadCount();
  if (nCount > INT_MAX || nCount > ar.GetBytesLeft() / 2) {
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  }
  SetSize(static_cast<int>(nCount));
}
