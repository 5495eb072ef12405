// The framework's lists and maps: walking by POSITION both ways, inserting
// and removing at positions, finding, the hash table's growth, and the
// typed pointer collections over them.
#include "afx/base/AfxColl.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

template <class LIST>
std::string Forward(const LIST& list) {
  std::string text;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
    text += static_cast<const char*>(list.GetNext(pos));
  }
  return text;
}

template <class LIST>
std::string Backward(const LIST& list) {
  std::string text;
  for (POSITION pos = list.GetTailPosition(); pos != nullptr;) {
    text += static_cast<const char*>(list.GetPrev(pos));
  }
  return text;
}

TEST(CList, EditsAtPositionsKeepBothDirectionsInStep) {
  // Each step edits the list; it then reads the same both ways.
  CStringList list;
  const auto check = [&](const char* expected) {
    EXPECT_EQ(Forward(list), expected);
    std::string reversed(expected);
    reversed.assign(reversed.rbegin(), reversed.rend());
    EXPECT_EQ(Backward(list), reversed);
    EXPECT_EQ(list.GetCount(), static_cast<INT_PTR>(std::string(expected).size()));
  };
  const POSITION posB = list.AddTail("b");
  list.AddHead("a");
  list.AddTail("d");
  check("abd");
  const POSITION posC = list.InsertAfter(posB, "c");
  check("abcd");
  list.InsertBefore(list.GetHeadPosition(), "0");
  list.InsertAfter(list.GetTailPosition(), "e");
  check("0abcde");
  list.InsertBefore(nullptr, "<");  // null: at the head
  list.InsertAfter(nullptr, ">");   // and at the tail
  check("<0abcde>");
  list.RemoveAt(posB);
  check("<0acde>");
  EXPECT_EQ(list.GetAt(posC), "c");  // other positions stay valid
  list.SetAt(posC, "C");
  EXPECT_EQ(list.RemoveHead(), "<");
  EXPECT_EQ(list.RemoveTail(), ">");
  check("0aCde");
  EXPECT_EQ(list.GetHead(), "0");
  EXPECT_EQ(list.GetTail(), "e");
  list.RemoveAt(list.GetHeadPosition());
  list.RemoveAt(list.GetTailPosition());
  check("aCd");
  list.RemoveAll();
  check("");
  EXPECT_EQ(list.GetHeadPosition(), nullptr);
  EXPECT_EQ(list.GetTailPosition(), nullptr);
}

TEST(CList, FindsByValueAndByIndex) {
  CList<int, int> list;
  for (int n : {5, 7, 5, 9}) list.AddTail(n);
  const POSITION first = list.Find(5);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, list.GetHeadPosition());
  const POSITION second = list.Find(5, first);  // after the first
  EXPECT_EQ(second, list.FindIndex(2));
  EXPECT_EQ(list.Find(5, second), nullptr);
  EXPECT_EQ(list.Find(8), nullptr);
  EXPECT_EQ(list.GetAt(list.FindIndex(3)), 9);
  EXPECT_EQ(list.FindIndex(4), nullptr);
  EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(CList, AddsAnotherListOrItselfInOrder) {
  CStringList list;
  CStringList other;
  list.AddTail("b");
  other.AddTail("x");
  other.AddTail("y");
  list.AddHead(&other);
  list.AddTail(&other);
  EXPECT_EQ(Forward(list), "xybxy");
  list.AddTail(&list);
  EXPECT_EQ(Forward(list), "xybxyxybxy");
  list.AddHead(&list);
  EXPECT_EQ(list.GetCount(), 20);
  EXPECT_EQ(Backward(list), "yxbyxyxbyxyxbyxyxbyx");
}

TEST(CMap, LooksUpReplacesAndRemoves) {
  CMapStringToString map;
  map["one"] = "1";
  map.SetAt("two", "2");
  map.SetAt("one", "uno");  // replaces
  EXPECT_EQ(map.GetCount(), 2);
  CString value;
  EXPECT_TRUE(map.Lookup("one", value));
  EXPECT_EQ(value, "uno");
  EXPECT_FALSE(map.Lookup("three", value));
  EXPECT_EQ(value, "uno");  // untouched
  ASSERT_NE(map.PLookup("two"), nullptr);
  EXPECT_EQ(map.PLookup("two")->key, "two");
  EXPECT_TRUE(map.RemoveKey("one"));
  EXPECT_FALSE(map.RemoveKey("one"));
  EXPECT_FALSE(map.Lookup("one", value));
  EXPECT_EQ(map.GetCount(), 1);
  map.RemoveAll();
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(map.GetStartPosition(), nullptr);
}

TEST(CMap, WalksEveryEntryOnceAsTheTableGrows) {
  // Keys of several kinds; the walk must meet each entry exactly once,
  // with its value, at every size the table passes through.
  CMap<int, int, int, int> map;
  std::map<int, int> expected;
  for (int n = -300; n < 700; n += 3) {
    map[n] = n * 2;
    expected[n] = n * 2;
    if (n % 99 != 0) continue;
    std::map<int, int> seen;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
      int key = 0;
      int value = 0;
      map.GetNextAssoc(pos, key, value);
      EXPECT_TRUE(seen.emplace(key, value).second) << key;
    }
    EXPECT_EQ(seen, expected);
  }
  EXPECT_GT(map.GetHashTableSize(), 17u);  // it grew
  // The same through PGetFirstAssoc and PGetNextAssoc.
  INT_PTR nCount = 0;
  for (const auto* pPair = map.PGetFirstAssoc(); pPair != nullptr; pPair = map.PGetNextAssoc(pPair)) {
    EXPECT_EQ(pPair->value, pPair->key * 2);
    ++nCount;
  }
  EXPECT_EQ(nCount, map.GetCount());
}

TEST(CMap, InitHashTableSetsTheBucketsWhileEmpty) {
  CMapWordToPtr map;
  map.InitHashTable(101);
  EXPECT_EQ(map.GetHashTableSize(), 101u);
  int target = 0;
  map[7] = &target;
  map.InitHashTable(13);  // not empty: kept
  EXPECT_EQ(map.GetHashTableSize(), 101u);
  void* p = nullptr;
  EXPECT_TRUE(map.Lookup(7, p));
  EXPECT_EQ(p, &target);
}

TEST(HashKey, StringsHashByTheirCharacters) {
  const CString one("same text");
  char buffer[] = "same text";
  EXPECT_EQ(HashKey<LPCSTR>(one), HashKey<LPCSTR>(buffer));
  EXPECT_EQ(HashKey<const CString&>(one), HashKey<LPCSTR>(buffer));
  EXPECT_NE(HashKey<LPCSTR>("same texT"), HashKey<LPCSTR>(buffer));
  // Pointers hash by address, so different objects differ.
  int a[8] = {};
  EXPECT_NE(HashKey<void*>(&a[0]), HashKey<void*>(&a[4]));
}

class CShape : public CObject {
 public:
  explicit CShape(int nSides) : m_nSides(nSides) {}
  int m_nSides;
};

TEST(CTypedPtrCollections, HandOutTheirClass) {
  CShape triangle(3);
  CShape square(4);

  CTypedPtrList<CPtrList, CShape*> list;
  list.AddTail(&triangle);
  list.AddHead(&square);
  int nSides = 0;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) nSides = nSides * 10 + list.GetNext(pos)->m_nSides;
  EXPECT_EQ(nSides, 43);
  EXPECT_EQ(list.GetTail()->m_nSides, 3);

  CTypedPtrMap<CMapStringToOb, CString, CShape*> map;
  map["three"] = &triangle;
  map.SetAt("four", &square);
  CShape* pShape = nullptr;
  EXPECT_TRUE(map.Lookup("three", pShape));
  EXPECT_EQ(pShape, &triangle);
  EXPECT_EQ(map["four"]->m_nSides, 4);
  CString key;
  POSITION pos = map.GetStartPosition();
  map.GetNextAssoc(pos, key, pShape);
  EXPECT_EQ(pShape->m_nSides, key == "three" ? 3 : 4);

  CTypedPtrMap<CMapPtrToPtr, CShape*, CShape*> pairs;
  pairs[&triangle] = &square;
  EXPECT_TRUE(pairs.Lookup(&triangle, pShape));
  EXPECT_EQ(pShape, &square);

  CTypedPtrArray<CPtrArray, CShape*> array;
  array.Add(&square);
  EXPECT_EQ(array[0]->m_nSides, 4);
}

TEST(CArray, InsertsAnotherArrayOrItself) {
  CStringArray array;
  CStringArray other;
  for (const char* psz : {"a", "b", "c"}) array.Add(psz);
  for (const char* psz : {"x", "y"}) other.Add(psz);
  array.InsertAt(1, &other);
  array.InsertAt(1, &array);
  std::string text;
  for (int i = 0; i < array.GetSize(); ++i) text += static_cast<const char*>(array[i]);
  EXPECT_EQ(text, "aaxybcxybc");
  array.InsertAt(12, &other);  // beyond the end: padded
  EXPECT_EQ(array.GetSize(), 14);
  EXPECT_EQ(array[11], "");
  EXPECT_EQ(array[13], "y");
  array.FreeExtra();
  EXPECT_EQ(array.GetCapacity(), 14);
}

}  // namespace
