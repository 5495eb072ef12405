// The framework's collections of objects: CObArray, an array of CObject
// pointers that stores its elements into an archive and loads them back;
// CTypedPtrArray, the same with elements of one class; and POSITION, the
// place of an element in a collection that is walked with
// GetFirst...Position/GetNext....
//
// A CObArray does not own its elements: the code that fills it deletes
// them. After a load that failed part way, the elements loaded so far are
// in the array and the rest are null.
#pragma once

#include "afx/base/AfxArray.h"

#include <type_traits>

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

 protected:
  // Loading: reads the count of elements and sizes the array for it. Each
  // element takes at least its two-byte tag: a count that would need more
  // than the bytes left is refused (endOfFile) before the array grows.
  void LoadCount(CArchive& ar);

 private:
  CArray<CObject*, CObject*> m_array;
};

// An array of pointers to one class (and classes derived from it) over a
// CObArray. It stores as the CObArray does; loading refuses (badClass) an
// element of another class before it is made, so that a damaged file
// cannot put an object of a foreign class (one that owns what it loads
// differently) into the array.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
  static_assert(std::is_pointer_v<TYPE>, "CTypedPtrArray holds pointers");
  using Class = std::remove_pointer_t<TYPE>;

 public:
  TYPE GetAt(int nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
  TYPE operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
  void SetAtGrow(int nIndex, TYPE ptr) { BASE_CLASS::SetAtGrow(nIndex, ptr); }
  int Add(TYPE ptr) { return BASE_CLASS::Add(ptr); }
  void InsertAt(int nIndex, TYPE ptr, int nCount = 1) { BASE_CLASS::InsertAt(nIndex, ptr, nCount); }

  void Serialize(CArchive& ar) override {
    if (ar.IsStoring()) {
      BASE_CLASS::Serialize(ar);
      return;
    }
    CObject::Serialize(ar);
    this->LoadCount(ar);
    for (int i = 0; i < this->GetSize(); ++i) {
      BASE_CLASS::SetAt(i, ar.ReadObject(Class::GetThisClass()));
    }
  }
};
