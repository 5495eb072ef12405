// The framework's growable array, CArray<TYPE, ARG_TYPE>. Portable.
//
// Growth rule (callers such as the polygon batcher rely on it to keep
// steady use free of allocation):
//  - SetSize(n, grow) sets the size to n; grow >= 0 also sets the growth
//    step (-1 keeps the step in force).
//  - When a new size exceeds the capacity, the capacity becomes the old
//    capacity plus the growth step, or the new size if that is larger, and
//    the elements are moved over. A step of 0 (the default) means a step
//    of one eighth of the current size, at least 4 and at most 1024.
//  - Shrinking keeps the memory; only SetSize(0) and RemoveAll free it.
//    Callers that want to keep memory across uses reset their own count.
// New elements are value-initialised (zero for plain types). A size whose
// memory cannot be had throws a CMemoryException. Growing moves
// the elements over (copies them when their move could throw); when a copy
// or a construction throws, the array keeps its elements and its size.
//
// Serialize stores the count (CArchive::WriteCount) and then the elements
// through SerializeElements: plain data (trivially copyable types other
// than pointers) as their bytes, everything else element by element with
// the archive's << and >> (CString, object pointers). A type that has
// neither specialises SerializeElements; without one, its array refuses
// to be stored or loaded (CArchiveException::genericException).
#pragma once

#include "afx/base/AfxArchive.h"
#include "afx/base/AfxCore.h"

#include <climits>
#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace afx_detail {

// Elements stored as the bytes they are made of.
template <class TYPE>
constexpr bool kStoredAsBytes = std::is_trivially_copyable_v<TYPE> && !std::is_pointer_v<TYPE>;

template <class TYPE, class = void>
struct HasArchiveOperators : std::false_type {};
template <class TYPE>
struct HasArchiveOperators<
    TYPE, std::void_t<decltype(std::declval<CArchive&>() << std::declval<const TYPE&>()),
                      decltype(std::declval<CArchive&>() >> std::declval<TYPE&>())>>
    : std::true_type {};

}  // namespace afx_detail

template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount) {
  if constexpr (afx_detail::kStoredAsBytes<TYPE>) {
    BYTE* pBytes = reinterpret_cast<BYTE*>(pElements);
    ULONGLONG nBytes = static_cast<ULONGLONG>(nCount) * sizeof(TYPE);
    while (nBytes > 0) {
      const UINT nChunk = nBytes < 0x40000000u ? static_cast<UINT>(nBytes) : 0x40000000u;
      if (ar.IsStoring()) {
        ar.Write(pBytes, nChunk);
      } else if (ar.Read(pBytes, nChunk) != nChunk) {
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
      }
      pBytes += nChunk;
      nBytes -= nChunk;
    }
  } else if constexpr (afx_detail::HasArchiveOperators<TYPE>::value) {
    for (INT_PTR i = 0; i < nCount; ++i) {
      if (ar.IsStoring()) {
        ar << pElements[i];
      } else {
        ar >> pElements[i];
      }
    }
  } else {
    (void)pElements;
    if (nCount > 0) AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
  }
}

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;
  ~CArray() override { RemoveAll(); }

  int GetSize() const { return m_nSize; }
  int GetCount() const { return m_nSize; }
  int GetUpperBound() const { return m_nSize - 1; }
  bool IsEmpty() const { return m_nSize == 0; }
  // The capacity: how many elements fit before the next reallocation.
  int GetCapacity() const { return m_nMaxSize; }
  int GetGrowBy() const { return m_nGrowBy; }

  void SetSize(int nNewSize, int nGrowBy = -1);
  void RemoveAll() { SetSize(0, -1); }

  // Element access; the index must be inside the array (not checked).
  const TYPE& GetAt(int nIndex) const { return m_pData[nIndex]; }
  TYPE& ElementAt(int nIndex) { return m_pData[nIndex]; }
  void SetAt(int nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
  TYPE& operator[](int nIndex) { return m_pData[nIndex]; }
  const TYPE& operator[](int nIndex) const { return m_pData[nIndex]; }
  // The elements, contiguous; null while the array holds no memory.
  TYPE* GetData() { return m_pData; }
  const TYPE* GetData() const { return m_pData; }

  // Stores at nIndex, first growing the array to nIndex + 1 when needed.
  void SetAtGrow(int nIndex, ARG_TYPE newElement);
  // Appends; returns the new element's index.
  int Add(ARG_TYPE newElement) {
    const int nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
  }
  // Inserts nCount copies before nIndex (at the end when nIndex >= size).
  void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
  // Inserts copies of another array's elements before nStartIndex.
  void InsertAt(int nStartIndex, const CArray* pNewArray);
  // Removes nCount elements from nIndex on; the memory stays.
  void RemoveAt(int nIndex, int nCount = 1);
  // Appends copies of another array's elements; returns the first new index.
  int Append(const CArray& src);
  // Becomes a copy of another array (growing as needed, keeping memory).
  void Copy(const CArray& src);
  // Gives back the memory beyond the size.
  void FreeExtra() {
    if (m_nMaxSize > m_nSize && m_nSize > 0) Reallocate(m_nSize);
  }

  // Loading refuses (endOfFile) a count whose elements could not fit in
  // the bytes left, before the array grows.
  void Serialize(CArchive& ar) override;

 private:
  int NextCapacity(int nNewSize) const;
  void Reallocate(int nNewMax);
  // Value-initialises the elements [nFrom, nTo); when one constructor
  // throws, none of them is left.
  void ConstructDefault(int nFrom, int nTo);
  static void Destroy(TYPE* pData, int nFrom, int nTo) {
    for (int i = nFrom; i < nTo; ++i) pData[i].~TYPE();
  }

  TYPE* m_pData = nullptr;
  int m_nSize = 0;
  int m_nMaxSize = 0;
  int m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::NextCapacity(int nNewSize) const {
  long long step = m_nGrowBy;
  if (step == 0) {
    step = m_nSize / 8;
    step = step < 4 ? 4 : (step > 1024 ? 1024 : step);
  }
  long long cap = static_cast<long long>(m_nMaxSize) + step;
  if (cap < nNewSize) cap = nNewSize;
  const long long limit = static_cast<long long>(INT_MAX / sizeof(TYPE));
  if (nNewSize > limit) AfxThrowMemoryException();
  return static_cast<int>(cap > limit ? limit : cap);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(int nNewMax) {
  TYPE* pNew = nullptr;
  try {
    pNew = static_cast<TYPE*>(::operator new(sizeof(TYPE) * static_cast<size_t>(nNewMax)));
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
  int nBuilt = 0;
  try {
    for (; nBuilt < m_nSize; ++nBuilt) {
      new (&pNew[nBuilt]) TYPE(std::move_if_noexcept(m_pData[nBuilt]));
    }
  } catch (...) {
    Destroy(pNew, 0, nBuilt);
    ::operator delete(pNew);
    throw;
  }
  Destroy(m_pData, 0, m_nSize);
  ::operator delete(m_pData);
  m_pData = pNew;
  m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::ConstructDefault(int nFrom, int nTo) {
  int i = nFrom;
  try {
    for (; i < nTo; ++i) new (&m_pData[i]) TYPE();
  } catch (...) {
    Destroy(m_pData, nFrom, i);
    throw;
  }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy) {
  if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
  if (nNewSize < 0) nNewSize = 0;
  if (nNewSize > m_nMaxSize) Reallocate(NextCapacity(nNewSize));
  if (nNewSize > m_nSize) {
    ConstructDefault(m_nSize, nNewSize);
  } else {
    Destroy(m_pData, nNewSize, m_nSize);
  }
  m_nSize = nNewSize;
  if (nNewSize == 0 && m_pData != nullptr) {
    ::operator delete(m_pData);
    m_pData = nullptr;
    m_nMaxSize = 0;
  }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement) {
  if (nIndex < 0) return;
  if (nIndex == INT_MAX) AfxThrowMemoryException();  // the size would not fit
  if (nIndex < m_nSize) {
    m_pData[nIndex] = newElement;
    return;
  }
  // newElement may refer into this array, which growing can move.
  TYPE copy(newElement);
  const int nOldSize = m_nSize;
  SetSize(nIndex + 1, -1);
  try {
    m_pData[nIndex] = std::move(copy);
  } catch (...) {
    SetSize(nOldSize, -1);
    throw;
  }
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount) {
  if (nCount <= 0) return;
  TYPE copy(newElement);
  const int nOldSize = m_nSize;
  if (nIndex >= nOldSize) {
    SetSize(nIndex + nCount, -1);
  } else {
    SetSize(nOldSize + nCount, -1);
    for (int i = nOldSize - 1; i >= nIndex; --i) m_pData[i + nCount] = std::move(m_pData[i]);
  }
  for (int i = nIndex; i < nIndex + nCount; ++i) m_pData[i] = copy;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, const CArray* pNewArray) {
  if (nStartIndex < 0 || pNewArray == nullptr || pNewArray->m_nSize == 0) return;
  // Copied first: the array may be this one, which the insertion moves.
  CArray copy;
  copy.Copy(*pNewArray);
  const int nCount = copy.m_nSize;
  InsertAt(nStartIndex, copy.m_pData[0], nCount);
  for (int i = 0; i < nCount; ++i) m_pData[nStartIndex + i] = copy.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount) {
  if (nCount <= 0 || nIndex < 0 || nIndex >= m_nSize) return;
  if (nCount > m_nSize - nIndex) nCount = m_nSize - nIndex;
  for (int i = nIndex + nCount; i < m_nSize; ++i) m_pData[i - nCount] = std::move(m_pData[i]);
  for (int i = m_nSize - nCount; i < m_nSize; ++i) m_pData[i].~TYPE();
  m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& src) {
  const int nOldSize = m_nSize;
  const int nCount = src.m_nSize;  // read first: src may be this array
  if (nCount == 0) return nOldSize;
  SetSize(nOldSize + nCount, -1);
  for (int i = 0; i < nCount; ++i) m_pData[nOldSize + i] = src.m_pData[i];
  return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src) {
  if (&src == this) return;
  SetSize(src.m_nSize, -1);
  for (int i = 0; i < m_nSize; ++i) m_pData[i] = src.m_pData[i];
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
  } else {
    const DWORD_PTR nCount = ar.ReadCount();
    const ULONGLONG nMinBytesEach = afx_detail::kStoredAsBytes<TYPE> ? sizeof(TYPE) : 1;
    if (nCount > INT_MAX || nCount > ar.GetBytesLeft() / nMinBytesEach) {
      AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    }
    SetSize(static_cast<int>(nCount), -1);
  }
  SerializeElements<TYPE>(ar, m_pData, m_nSize);
}
