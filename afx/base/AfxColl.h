// The framework's named collections: CObArray, an array of CObject
// pointers that stores its elements into an archive and loads them back;
// the arrays, lists and maps of strings, numbers and pointers, each the
// CArray, CList or CMap of its types; and (AfxTypedPtr.h) the typed
// pointer collections over them.
//
// The collections of objects and pointers do not own their elements: the
// code that fills them deletes them. After a load that failed part way,
// the elements loaded so far are in the collection (a CObArray's others
// are null).
//
// Those that store (DECLARE_SERIAL) do so as the framework does: the
// count, then the elements (strings and objects as the archive stores
// them, numbers as their bytes). Collections of untyped pointers
// (CPtrArray, CPtrList, CMapStringToPtr...) cannot be stored: Serialize
// throws CArchiveException::genericException when they hold anything.
#pragma once

#include "afx/base/AfxArray.h"
#include "afx/base/AfxCollBase.h"
#include "afx/base/AfxList.h"
#include "afx/base/AfxMap.h"

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

// Arrays of numbers, strings and pointers (the members are CArray's).
#define AFX_DECLARE_ARRAY(class_name, TYPE, ARG_TYPE, DECLARE)       \
  class VARNEL_API class_name : public CArray<TYPE, ARG_TYPE> {      \
    DECLARE(class_name)                                              \
                                                                     \
   public:                                                           \
    class_name() = default;                                          \
  };

AFX_DECLARE_ARRAY(CByteArray, BYTE, BYTE, DECLARE_SERIAL)
AFX_DECLARE_ARRAY(CWordArray, WORD, WORD, DECLARE_SERIAL)
AFX_DECLARE_ARRAY(CDWordArray, DWORD, DWORD, DECLARE_SERIAL)
// Stored as 32-bit numbers, as UINT is in both builds.
AFX_DECLARE_ARRAY(CUIntArray, UINT, UINT, DECLARE_SERIAL)
AFX_DECLARE_ARRAY(CStringArray, CString, const CString&, DECLARE_SERIAL)
AFX_DECLARE_ARRAY(CPtrArray, void*, void*, DECLARE_DYNAMIC)

// Lists (the members are CList's).
#define AFX_DECLARE_LIST(class_name, TYPE, ARG_TYPE, DECLARE)                      \
  class VARNEL_API class_name : public CList<TYPE, ARG_TYPE> {                     \
    DECLARE(class_name)                                                            \
                                                                                   \
   public:                                                                         \
    explicit class_name(INT_PTR nBlockSize = 10) : CList<TYPE, ARG_TYPE>(nBlockSize) {} \
  };

AFX_DECLARE_LIST(CObList, CObject*, CObject*, DECLARE_SERIAL)
AFX_DECLARE_LIST(CPtrList, void*, void*, DECLARE_DYNAMIC)
AFX_DECLARE_LIST(CStringList, CString, const CString&, DECLARE_SERIAL)

// Maps (the members are CMap's).
#define AFX_DECLARE_MAP(class_name, KEY, ARG_KEY, VALUE, ARG_VALUE, DECLARE)      \
  class VARNEL_API class_name : public CMap<KEY, ARG_KEY, VALUE, ARG_VALUE> {     \
    DECLARE(class_name)                                                           \
                                                                                  \
   public:                                                                        \
    explicit class_name(INT_PTR nBlockSize = 10)                                  \
        : CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>(nBlockSize) {}                     \
  };

AFX_DECLARE_MAP(CMapStringToOb, CString, LPCSTR, CObject*, CObject*, DECLARE_SERIAL)
AFX_DECLARE_MAP(CMapStringToString, CString, LPCSTR, CString, LPCSTR, DECLARE_SERIAL)
AFX_DECLARE_MAP(CMapStringToPtr, CString, LPCSTR, void*, void*, DECLARE_DYNAMIC)
AFX_DECLARE_MAP(CMapPtrToPtr, void*, void*, void*, void*, DECLARE_DYNAMIC)
AFX_DECLARE_MAP(CMapWordToPtr, WORD, WORD, void*, void*, DECLARE_DYNAMIC)

#include "afx/base/AfxTypedPtr.h"
