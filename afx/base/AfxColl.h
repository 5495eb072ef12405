// The framework's collections of objects: CObArray, an array of CObject
// pointers that stores its elements into an archive and loads them back;
// and POSITION, the place of an element in a collection that is walked
// with GetFirst...Position/GetNext....
//
// A CObArray does not own its elements: the code that fills it deletes
// them. After a load that failed part way, the elements loaded so far are
// in the array and the rest are null.
#pragma once

#include "afx/AfxArray.h"

// An opaque place in a collection; null when there is no (further) element.
struct AfxPositionTag {};
typedef AfxPositionTag* POSITION;
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(static_cast<intptr_t>(-1)))

class VARNEL_API CObArray : public CObject {
  DECLARE_SERIAL(CObArray)

 public:
  CObArray() = default;

  int GetSize() const { return m_array.GetSize(); }
  int GetCount() const { return m_array.GetCount(); }
  int GetUpperBound() const { return m_array.GetUpperBound(); }
  BOOL IsEmpty() const { return m_array.IsEmpty(); }
  void SetSize(int nNewSize, int nGrowBy = -1) { m_array.SetSize(nNewSize, nGrowBy); }
  void RemoveAll() { m_array.RemoveAll(); }

  CObject* GetAt(int nIndex) const { return m_array.GetAt(nIndex); }
  void SetAt(int nIndex, CObject* newElement) { m_array.SetAt(nIndex, newElement); }
  CObject*& ElementAt(int nIndex) { return m_array.ElementAt(nIndex); }
  CObject*& operator[](int nIndex) { return m_array[nIndex]; }
  CObject* operator[](int nIndex) const { return m_array[nIndex]; }
  const CObject** GetData() const { return const_cast<const CObject**>(m_array.GetData()); }
  CObject** GetData() { return m_array.GetData(); }

  void SetAtGrow(int nIndex, CObject* newElement) { m_array.SetAtGrow(nIndex, newElement); }
  int Add(CObject* newElement) { return m_array.Add(newElement); }
  int Append(const CObArray& src) { return m_array.Append(src.m_array); }
  void Copy(const CObArray& src) { m_array.Copy(src.m_array); }
  void InsertAt(int nIndex, CObject* newElement, int nCount = 1) {
    m_array.InsertAt(nIndex, newElement, nCount);
  }
  void RemoveAt(int nIndex, int nCount = 1) { m_array.RemoveAt(nIndex, nCount); }

  // The count, then each element as an object pointer (an element stored
  // twice loads once, and the array holds it twice).
  void Serialize(CArchive& ar) override;

 private:
  CArray<CObject*, CObject*> m_array;
};
