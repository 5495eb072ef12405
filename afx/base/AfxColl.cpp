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
  // Each element takes at least its two-byte tag: a count that would need
  // more than the bytes left is refused before the array grows.
  const DWORD_PTR nCount = ar.ReadCount();
  if (nCount > INT_MAX || nCount > ar.GetBytesLeft() / 2) {
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  }
  SetSize(static_cast<int>(nCount));
  for (int i = 0; i < GetSize(); ++i) ar >> m_array[i];
}
