// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>: the framework's hash map, keys
// hashed by HashKey<ARG_KEY> and compared by CompareElements, walked with
// GetStartPosition and GetNextAssoc (in no particular order). The named
// maps (CMapStringToOb...) are maps of it.
//
// The table starts with InitHashTable's size (17 by default, allocated at
// the first insertion) and doubles when the map holds twice as many
// entries as it has buckets, so that a lookup stays short however many
// entries a host (or a file) puts in.
//
// Serialize stores the count, then each key and its value through
// SerializeElements. Loading adds the entries read, one at a time; a key
// that is in the map already cannot come from a stored map and is refused
// (CArchiveException::badIndex) before its value is read.
#pragma once

#include "afx/base/AfxArray.h"
#include "afx/base/AfxCollBase.h"

#include <vector>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject {
 public:
  typedef KEY BASE_KEY;
  typedef ARG_KEY BASE_ARG_KEY;
  typedef VALUE BASE_VALUE;
  typedef ARG_VALUE BASE_ARG_VALUE;

  // An entry, as PLookup and PGetFirstAssoc/PGetNextAssoc hand it out.
  struct CPair {
    const KEY key;
    VALUE value;
  };

 protected:
  struct CAssoc : CPair {
    CAssoc(ARG_KEY newKey, UINT nHash) : CPair{KEY(newKey), VALUE()}, nHashValue(nHash) {}
    CAssoc* pNext = nullptr;
    UINT nHashValue;
  };

 public:
  explicit CMap(INT_PTR nBlockSize = 10) { (void)nBlockSize; }
  ~CMap() override { RemoveAll(); }

  INT_PTR GetCount() const { return m_nCount; }
  INT_PTR GetSize() const { return m_nCount; }
  BOOL IsEmpty() const { return m_nCount == 0; }

  // TRUE and the key's value in rValue when the key is in the map.
  BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
  const CPair* PLookup(ARG_KEY key) const { return Find(key, HashKey<ARG_KEY>(key)); }
  CPair* PLookup(ARG_KEY key) { return Find(key, HashKey<ARG_KEY>(key)); }
  // The key's value, added (value-initialised) when the key is new.
  VALUE& operator[](ARG_KEY key);
  void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
  BOOL RemoveKey(ARG_KEY key);
  void RemoveAll();

  // Null for an empty map; else a position GetNextAssoc starts from.
  POSITION GetStartPosition() const { return m_nCount == 0 ? nullptr : BEFORE_START_POSITION; }
  // The entry at rNextPosition; rNextPosition moves on (null after the
  // last entry).
  void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;
  const CPair* PGetFirstAssoc() const { return FirstFrom(0); }
  CPair* PGetFirstAssoc() { return FirstFrom(0); }
  const CPair* PGetNextAssoc(const CPair* pAssoc) const { return Next(pAssoc); }
  CPair* PGetNextAssoc(const CPair* pAssoc) { return Next(pAssoc); }

  UINT GetHashTableSize() const { return m_nHashTableSize; }
  // Sets the number of buckets (a prime about a fifth larger than the
  // expected count is best) while the map is empty; bAllocNow allocates
  // them at once.
  void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE);

  void Serialize(CArchive& ar) override;

 protected:
  // Loading: reads one value (a typed map checks its class here).
  virtual void LoadValue(CArchive& ar, VALUE& value) { SerializeElements<VALUE>(ar, &value, 1); }

 private:
  UINT Bucket(UINT nHash) const { return nHash % m_nHashTableSize; }
  CAssoc* Find(ARG_KEY key, UINT nHash) const;
  CAssoc* FirstFrom(size_t nBucket) const;
  CAssoc* Next(const CPair* pPair) const;
  // Allocates the buckets (nSize of them) and links the entries into them.
  void Rehash(UINT nSize);

  std::vector<CAssoc*> m_buckets;  // empty until the first insertion
  UINT m_nHashTableSize = 17;
  INT_PTR m_nCount = 0;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Find(
    ARG_KEY key, UINT nHash) const {
  if (m_buckets.empty()) return nullptr;
  for (CAssoc* pAssoc = m_buckets[Bucket(nHash)]; pAssoc != nullptr; pAssoc = pAssoc->pNext) {
    if (pAssoc->nHashValue == nHash && CompareElements<KEY>(&pAssoc->key, &key)) return pAssoc;
  }
  return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const {
  const CPair* pPair = PLookup(key);
  if (pPair == nullptr) return FALSE;
  rValue = pPair->value;
  return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Rehash(UINT nSize) {
  std::vector<CAssoc*> buckets;
  try {
    buckets.assign(nSize, nullptr);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
  for (CAssoc* pFirst : m_buckets) {
    for (CAssoc* pAssoc = pFirst; pAssoc != nullptr;) {
      CAssoc* pNext = pAssoc->pNext;
      CAssoc*& rHead = buckets[pAssoc->nHashValue % nSize];
      pAssoc->pNext = rHead;
      rHead = pAssoc;
      pAssoc = pNext;
    }
  }
  m_buckets.swap(buckets);
  m_nHashTableSize = nSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key) {
  const UINT nHash = HashKey<ARG_KEY>(key);
  if (CAssoc* pFound = Find(key, nHash)) return pFound->value;
  if (m_buckets.empty()) {
    Rehash(m_nHashTableSize);
  } else if (m_nCount / 2 >= static_cast<INT_PTR>(m_nHashTableSize) && m_nHashTableSize < 0x40000000u) {
    Rehash(m_nHashTableSize * 2 + 1);
  }
  CAssoc* pAssoc = afx_detail::NewOrThrow<CAssoc>(key, nHash);
  CAssoc*& rHead = m_buckets[Bucket(nHash)];
  pAssoc->pNext = rHead;
  rHead = pAssoc;
  ++m_nCount;
  return pAssoc->value;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key) {
  if (m_buckets.empty()) return FALSE;
  const UINT nHash = HashKey<ARG_KEY>(key);
  for (CAssoc** ppLink = &m_buckets[Bucket(nHash)]; *ppLink != nullptr; ppLink = &(*ppLink)->pNext) {
    CAssoc* pAssoc = *ppLink;
    if (pAssoc->nHashValue == nHash && CompareElements<KEY>(&pAssoc->key, &key)) {
      *ppLink = pAssoc->pNext;
      delete pAssoc;
      --m_nCount;
      return TRUE;
    }
  }
  return FALSE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll() {
  for (CAssoc*& rHead : m_buckets) {
    while (rHead != nullptr) {
      CAssoc* pNext = rHead->pNext;
      delete rHead;
      rHead = pNext;
    }
  }
  m_buckets.clear();
  m_buckets.shrink_to_fit();
  m_nCount = 0;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT nHashSize, BOOL bAllocNow) {
  if (m_nCount != 0 || nHashSize == 0) return;
  m_buckets.clear();
  m_nHashTableSize = nHashSize;
  if (bAllocNow) Rehash(nHashSize);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstFrom(
    size_t nBucket) const {
  for (; nBucket < m_buckets.size(); ++nBucket) {
    if (m_buckets[nBucket] != nullptr) return m_buckets[nBucket];
  }
  return nullptr;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc* CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Next(
    const CPair* pPair) const {
  const CAssoc* pAssoc = static_cast<const CAssoc*>(pPair);
  if (pAssoc->pNext != nullptr) return pAssoc->pNext;
  return FirstFrom(static_cast<size_t>(Bucket(pAssoc->nHashValue)) + 1);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(POSITION& rNextPosition, KEY& rKey,
                                                        VALUE& rValue) const {
  const CAssoc* pAssoc = rNextPosition == BEFORE_START_POSITION
                             ? FirstFrom(0)
                             : reinterpret_cast<const CAssoc*>(rNextPosition);
  rKey = pAssoc->key;
  rValue = pAssoc->value;
  rNextPosition = reinterpret_cast<POSITION>(Next(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>::Serialize(CArchive& ar) {
  CObject::Serialize(ar);
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
    for (CAssoc* pAssoc = FirstFrom(0); pAssoc != nullptr; pAssoc = Next(pAssoc)) {
      SerializeElements<KEY>(ar, const_cast<KEY*>(&pAssoc->key), 1);
      SerializeElements<VALUE>(ar, &pAssoc->value, 1);
    }
    return;
  }
  for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; --nCount) {
    KEY key{};
    SerializeElements<KEY>(ar, &key, 1);
    if (PLookup(key) != nullptr) AfxThrowArchiveException(CArchiveException::badIndex, ar.m_strFileName);
    VALUE value{};
    LoadValue(ar, value);
    (*this)[key] = value;
  }
}
