// The typed pointer collections: CTypedPtrArray, CTypedPtrList and
// CTypedPtrMap hold pointers to one class over a collection of CObject
// pointers (CObArray, CObList, CMapStringToOb) or of untyped ones
// (CPtrArray, CPtrList, CMapPtrToPtr...), and hand them out as that class.
//
// Over a collection of objects they store as it does; loading refuses
// (badClass) an element of another class before it is made, so that a
// damaged file cannot put an object of a foreign class (one that owns what
// it loads differently) into the collection.
#pragma once

#include "afx/base/AfxColl.h"

#include <type_traits>

namespace afx_detail {

// Loading a typed element: an object of TYPE's class (or derived from it)
// over a collection of objects, else as the base collection loads.
template <class TYPE, class BASE_TYPE>
constexpr bool kLoadsTypedObject =
    std::is_same_v<BASE_TYPE, CObject*> && std::is_base_of_v<CObject, std::remove_pointer_t<TYPE>>;

template <class TYPE>
CObject* ReadTypedObject(CArchive& ar) {
  return ar.ReadObject(std::remove_pointer_t<TYPE>::GetThisClass());
}

}  // namespace afx_detail

// An array of pointers to one class (and classes derived from it).
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
  static_assert(std::is_pointer_v<TYPE>, "CTypedPtrArray holds pointers");

 public:
  TYPE GetAt(int nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
  TYPE operator[](int nIndex) const { return GetAt(nIndex); }
  void SetAt(int nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
  void SetAtGrow(int nIndex, TYPE ptr) { BASE_CLASS::SetAtGrow(nIndex, ptr); }
  int Add(TYPE ptr) { return BASE_CLASS::Add(ptr); }
  void InsertAt(int nIndex, TYPE ptr, int nCount = 1) { BASE_CLASS::InsertAt(nIndex, ptr, nCount); }

  void Serialize(CArchive& ar) override {
    if constexpr (afx_detail::kLoadsTypedObject<TYPE, CObject*> &&
                  std::is_base_of_v<CObArray, BASE_CLASS>) {
      if (!ar.IsStoring()) {
        CObject::Serialize(ar);
        this->LoadCount(ar);
        for (int i = 0; i < this->GetSize(); ++i) {
          BASE_CLASS::SetAt(i, afx_detail::ReadTypedObject<TYPE>(ar));
        }
        return;
      }
    }
    BASE_CLASS::Serialize(ar);
  }
};

// A list of pointers to one class, over CObList or CPtrList.
template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS {
  static_assert(std::is_pointer_v<TYPE>, "CTypedPtrList holds pointers");
  using BaseType = typename BASE_CLASS::BASE_TYPE;

 public:
  explicit CTypedPtrList(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

  TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
  TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
  TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
  TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
  TYPE GetNext(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition)); }
  TYPE GetPrev(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition)); }
  TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
  void SetAt(POSITION position, TYPE ptr) { BASE_CLASS::SetAt(position, ptr); }
  POSITION AddHead(TYPE ptr) { return BASE_CLASS::AddHead(ptr); }
  POSITION AddTail(TYPE ptr) { return BASE_CLASS::AddTail(ptr); }
  void AddHead(CTypedPtrList* pNewList) { BASE_CLASS::AddHead(pNewList); }
  void AddTail(CTypedPtrList* pNewList) { BASE_CLASS::AddTail(pNewList); }
  POSITION InsertBefore(POSITION position, TYPE ptr) { return BASE_CLASS::InsertBefore(position, ptr); }
  POSITION InsertAfter(POSITION position, TYPE ptr) { return BASE_CLASS::InsertAfter(position, ptr); }

 protected:
  void LoadElement(CArchive& ar, BaseType& element) override {
    if constexpr (afx_detail::kLoadsTypedObject<TYPE, BaseType>) {
      element = afx_detail::ReadTypedObject<TYPE>(ar);
    } else {
      BASE_CLASS::LoadElement(ar, element);
    }
  }
};

// A map whose values (and, over a map of pointers, keys) are pointers to
// one class, over CMapStringToOb, CMapStringToPtr, CMapPtrToPtr or
// CMapWordToPtr.
template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS {
  static_assert(std::is_pointer_v<VALUE>, "CTypedPtrMap holds pointers");
  using BaseKey = typename BASE_CLASS::BASE_KEY;
  using BaseValue = typename BASE_CLASS::BASE_VALUE;

 public:
  // map[key] reads and assigns the value as VALUE.
  class CValueRef {
   public:
    explicit CValueRef(BaseValue& rValue) : m_rValue(rValue) {}
    operator VALUE() const { return static_cast<VALUE>(m_rValue); }  // NOLINT: as a pointer
    VALUE operator->() const { return static_cast<VALUE>(m_rValue); }
    CValueRef& operator=(VALUE newValue) {
      m_rValue = newValue;
      return *this;
    }

   private:
    BaseValue& m_rValue;
  };

  explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

  BOOL Lookup(typename BASE_CLASS::BASE_ARG_KEY key, VALUE& rValue) const {
    BaseValue value{};
    if (!BASE_CLASS::Lookup(key, value)) return FALSE;
    rValue = static_cast<VALUE>(value);
    return TRUE;
  }
  CValueRef operator[](typename BASE_CLASS::BASE_ARG_KEY key) { return CValueRef(BASE_CLASS::operator[](key)); }
  void SetAt(KEY key, VALUE newValue) { BASE_CLASS::SetAt(key, newValue); }
  BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(key); }
  void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const {
    BaseKey key{};
    BaseValue value{};
    BASE_CLASS::GetNextAssoc(rPosition, key, value);
    rKey = static_cast<KEY>(key);
    rValue = static_cast<VALUE>(value);
  }

 protected:
  void LoadValue(CArchive& ar, BaseValue& value) override {
    if constexpr (afx_detail::kLoadsTypedObject<VALUE, BaseValue>) {
      value = afx_detail::ReadTypedObject<VALUE>(ar);
    } else {
      BASE_CLASS::LoadValue(ar, value);
    }
  }
};
