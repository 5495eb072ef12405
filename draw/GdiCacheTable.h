// The tables behind the drawing-object cache: pens and brushes by kind,
// style and colour; fonts by point size and face name. Each is a hash map of
// 17 buckets (allocated on the first insertion) whose entries come from
// blocks of 10 and are only ever removed all at once. Portable: the values
// are the caller's (pointers to drawing objects in the library).
#pragma once

#include "afx/base/AfxTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnel::draw {

struct VARNEL_API PenBrushKey {
  BYTE kind;  // kPenKind or kBrushKind
  INT style;
  COLORREF colour;

  static constexpr BYTE kPenKind = 0;
  static constexpr BYTE kBrushKind = 1;

  bool operator==(const PenBrushKey& other) const {
    return kind == other.kind && colour == other.colour && style == other.style;
  }
  // ((kind << 4) | style) << 24, or'ed with the colour, in 32 bits.
  uint32_t Hash() const;
};

struct VARNEL_API FontKey {
  INT pointSize;
  std::string faceName;  // compared byte by byte: letter case matters
  // The density (dots per inch) the font was made for: a font asked for
  // after the window's density changed is another. Not hashed, so that a
  // key's bucket is its size's and face's alone.
  UINT dpi = 0;

  bool operator==(const FontKey& other) const {
    return pointSize == other.pointSize && faceName == other.faceName && dpi == other.dpi;
  }
  // hash * 33 + byte (as a signed char) over the face name, plus the size.
  uint32_t Hash() const;
};

template <class Key, class Value>
class GdiCacheTable {
 public:
  static constexpr int kBuckets = 17;
  static constexpr int kBlockSize = 10;

  // The value cached for the key, or nullptr.
  Value* Find(const Key& key) {
    if (m_buckets.empty()) return nullptr;
    for (Entry* p = m_buckets[Bucket(key)]; p != nullptr; p = p->next) {
      if (p->key == key) return &p->value;
    }
    return nullptr;
  }

  // Links a new entry at the head of the key's chain.
  void Insert(const Key& key, const Value& value) {
    if (m_buckets.empty()) m_buckets.assign(kBuckets, nullptr);
    if (m_nUsedInBlock == kBlockSize || m_blocks.empty()) {
      m_blocks.push_back(std::make_unique<Entry[]>(kBlockSize));
      m_nUsedInBlock = 0;
    }
    Entry& entry = m_blocks.back()[m_nUsedInBlock++];
    Entry*& head = m_buckets[Bucket(key)];
    entry.key = key;
    entry.value = value;
    entry.next = head;
    head = &entry;
    ++m_nCount;
  }

  // Calls f(key, value) for every entry.
  template <class F>
  void ForEach(F f) {
    for (Entry* head : m_buckets) {
      for (Entry* p = head; p != nullptr; p = p->next) f(p->key, p->value);
    }
  }

  // Empties the table whole, releasing its buckets and blocks.
  void RemoveAll() {
    m_buckets.clear();
    m_buckets.shrink_to_fit();
    m_blocks.clear();
    m_blocks.shrink_to_fit();
    m_nUsedInBlock = 0;
    m_nCount = 0;
  }

  int GetCount() const { return m_nCount; }
  int GetBlockCount() const { return static_cast<int>(m_blocks.size()); }
  bool HasBuckets() const { return !m_buckets.empty(); }
  static int Bucket(const Key& key) { return static_cast<int>(key.Hash() % kBuckets); }

  // The number of entries chained in one bucket.
  int ChainLength(int bucket) const {
    int n = 0;
    if (m_buckets.empty()) return 0;
    for (const Entry* p = m_buckets[static_cast<std::size_t>(bucket)]; p != nullptr; p = p->next)
      ++n;
    return n;
  }

 private:
  struct Entry {
    Key key{};
    Value value{};
    Entry* next = nullptr;
  };

  std::vector<Entry*> m_buckets;
  std::vector<std::unique_ptr<Entry[]>> m_blocks;
  int m_nUsedInBlock = 0;
  int m_nCount = 0;
};

}  // namespace varnel::draw
