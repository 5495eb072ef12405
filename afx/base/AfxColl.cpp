#include "afx/base/AfxColl.h"

#include <climits>

IMPLEMENT_SERIAL(CObArray, CObject, 0)
IMPLEMENT_SERIAL(CByteArray, CObject, 0)
IMPLEMENT_SERIAL(CWordArray, CObject, 0)
IMPLEMENT_SERIAL(CDWordArray, CObject, 0)
IMPLEMENT_SERIAL(CUIntArray, CObject, 0)
IMPLEMENT_SERIAL(CStringArray, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrArray, CObject)
IMPLEMENT_SERIAL(CObList, CObject, 0)
IMPLEMENT_DYNAMIC(CPtrList, CObject)
IMPLEMENT_SERIAL(CStringList, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToOb, CObject, 0)
IMPLEMENT_SERIAL(CMapStringToString, CObject, 0)
IMPLEMENT_DYNAMIC(CMapStringToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapPtrToPtr, CObject)
IMPLEMENT_DYNAMIC(CMapWordToPtr, CObject)

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
