// What the framework's collections share: POSITION, the place of an element
// in a list or a map; the element helpers a host specialises for its own
// types (CompareElements, HashKey); and the allocation of the collections'
// nodes, whose failure arrives as a CMemoryException.
#pragma once

#include "afx/base/AfxException.h"
#include "afx/base/AfxString.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

// An opaque place in a collection; null when there is no (further) element.
struct AfxPositionTag {};
typedef AfxPositionTag* POSITION;
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(static_cast<intptr_t>(-1)))

// The calling convention of the framework's global helpers, which hosts
// write in their specialisations (template <> UINT AFXAPI HashKey...).
#ifndef AFXAPI
#  define AFXAPI
#endif

// Whether two elements are equal (CList::Find, CMap's keys): == unless
// a host specialises it for its type.
template <class TYPE, class ARG_TYPE>
BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
  return *pElement1 == *pElement2 ? TRUE : FALSE;
}

namespace afx_detail {

inline UINT HashText(const char* psz) {
  // FNV-1a over the characters.
  UINT nHash = 2166136261u;
  for (; psz != nullptr && *psz != '\0'; ++psz) {
    nHash = (nHash ^ static_cast<unsigned char>(*psz)) * 16777619u;
  }
  return nHash;
}

// new T(args...), with a failure to allocate thrown as CMemoryException.
template <class T, class... Args>
T* NewOrThrow(Args&&... args) {
  try {
    return new T(std::forward<Args>(args)...);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
}

}  // namespace afx_detail

// The hash of a map's key: integers and enumerations as their value,
// pointers as their address without its alignment bits, strings by their
// characters. A host specialises it for a key of another type.
template <class ARG_KEY>
UINT AFXAPI HashKey(ARG_KEY key) {
  using Key = std::decay_t<ARG_KEY>;
  if constexpr (std::is_pointer_v<Key>) {
    return static_cast<UINT>(reinterpret_cast<uintptr_t>(key) >> 4);
  } else {
    static_assert(std::is_integral_v<Key> || std::is_enum_v<Key>,
                  "a map's key of this type needs a HashKey specialisation");
    return static_cast<UINT>(static_cast<ULONGLONG>(key) ^ (static_cast<ULONGLONG>(key) >> 32));
  }
}
template <>
inline UINT AFXAPI HashKey<LPCSTR>(LPCSTR key) { return afx_detail::HashText(key); }
template <>
inline UINT AFXAPI HashKey<LPSTR>(LPSTR key) { return afx_detail::HashText(key); }
template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key) { return afx_detail::HashText(key); }
template <>
inline UINT AFXAPI HashKey<CString>(CString key) { return afx_detail::HashText(key); }
