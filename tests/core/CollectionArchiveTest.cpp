// The named collections in archives: their bytes, round trips, damaged
// input refused (and nothing allocated for a count before it is checked),
// the typed collections refusing a foreign class, and running out of
// memory arriving as CMemoryException.
#include "AllocationProbe.h"
#include "ArchiveTestClasses.h"
#include "MemoryFailure.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {

// A collection of each serial kind, filled, and a check that another one
// loaded from its bytes holds the same.
struct CCollectionCase {
  const char* pszName;
  std::function<std::unique_ptr<CObject>(bool bFill)> make;
  std::function<bool(CObject&)> holdsTheFill;
  const char* pszHex;  // the stored bytes
};

template <class C, class Fill, class Check>
CCollectionCase Case(const char* pszName, Fill fill, Check check, const char* pszHex) {
  return {pszName,
          [fill](bool bFill) {
            auto p = std::make_unique<C>();
            if (bFill) fill(*p);
            return std::unique_ptr<CObject>(std::move(p));
          },
          [check](CObject& ob) { return check(static_cast<C&>(ob)); }, pszHex};
}

std::vector<CCollectionCase> Cases() {
  return {
      Case<CByteArray>(
          "CByteArray", [](CByteArray& a) { a.Add(1); a.Add(0xfe); },
          [](CByteArray& a) { return a.GetSize() == 2 && a[0] == 1 && a[1] == 0xfe; },
          "02 00 01 fe"),
      Case<CWordArray>(
          "CWordArray", [](CWordArray& a) { a.Add(0x1234); },
          [](CWordArray& a) { return a.GetSize() == 1 && a[0] == 0x1234; }, "01 00 34 12"),
      Case<CDWordArray>(
          "CDWordArray", [](CDWordArray& a) { a.Add(1); a.Add(0x01020304); },
          [](CDWordArray& a) { return a.GetSize() == 2 && a[0] == 1 && a[1] == 0x01020304; },
          "02 00 01 00 00 00 04 03 02 01"),
      Case<CUIntArray>(
          "CUIntArray", [](CUIntArray& a) { a.Add(0xdeadbeef); },
          [](CUIntArray& a) { return a.GetSize() == 1 && a[0] == 0xdeadbeef; },
          "01 00 ef be ad de"),
      Case<CStringArray>(
          "CStringArray", [](CStringArray& a) { a.Add("ab"); a.Add(""); },
          [](CStringArray& a) { return a.GetSize() == 2 && a[0] == "ab" && a[1].IsEmpty(); },
          "02 00 02 61 62 00"),
      Case<CStringList>(
          "CStringList", [](CStringList& l) { l.AddTail("ab"); l.AddTail("c"); },
          [](CStringList& l) { return l.GetCount() == 2 && l.GetHead() == "ab" && l.GetTail() == "c"; },
          "02 00 02 61 62 01 63"),
      Case<CMapStringToString>(
          "CMapStringToString", [](CMapStringToString& m) { m["k"] = "v"; },
          [](CMapStringToString& m) {
            CString value;
            return m.GetCount() == 1 && m.Lookup("k", value) && value == "v";
          },
          "01 00 01 6b 01 76"),
      Case<CList<double, double>>(
          "CList of doubles", [](CList<double, double>& l) { l.AddTail(0.5); },
          [](CList<double, double>& l) { return l.GetCount() == 1 && l.GetHead() == 0.5; },
          "01 00 00 00 00 00 00 00 e0 3f"),
      Case<CMap<WORD, WORD, CString, const CString&>>(
          "CMap of numbers to strings",
          [](CMap<WORD, WORD, CString, const CString&>& m) { m[7] = "x"; },
          [](CMap<WORD, WORD, CString, const CString&>& m) {
            CString value;
            return m.GetCount() == 1 && m.Lookup(7, value) && value == "x";
          },
          "01 00 07 00 01 78"),
  };
}

Bytes StoredCollection(CObject& collection, bool bDirect = true) {
  return Stored([&](CArchive& ar) { collection.Serialize(ar); }, bDirect);
}

TEST(CollectionArchive, EachStoresItsBytesAndLoadsThemBack) {
  for (const CCollectionCase& c : Cases()) {
    SCOPED_TRACE(c.pszName);
    const auto filled = c.make(true);
    for (bool bDirect : {true, false}) {
      const Bytes bytes = StoredCollection(*filled, bDirect);
      EXPECT_EQ(Hex(bytes), c.pszHex);
      const auto loaded = c.make(false);
      Loaded(bytes, [&](CArchive& ar) { loaded->Serialize(ar); }, bDirect);
      EXPECT_TRUE(c.holdsTheFill(*loaded));
    }
    // Empty: a count of 0.
    const auto empty = c.make(false);
    EXPECT_EQ(Hex(StoredCollection(*empty)), "00 00");
  }
}

TEST(CollectionArchive, EachRefusesItsBytesCutShortOrACountBeyondThem) {
  for (const CCollectionCase& c : Cases()) {
    SCOPED_TRACE(c.pszName);
    const auto filled = c.make(true);
    const Bytes bytes = StoredCollection(*filled);
    for (size_t nCut = 0; nCut < bytes.size(); ++nCut) {
      const Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nCut));
      const auto loaded = c.make(false);
      EXPECT_EQ(LoadFailure(cut, [&](CArchive& ar) { loaded->Serialize(ar); }),
                CArchiveException::endOfFile)
          << "cut at " << nCut;
    }
    // A count of 0x7FFFFFFE elements with a few bytes after it.
    const Bytes huge = {0xff, 0xff, 0xfe, 0xff, 0xff, 0x7f, 1, 2, 3, 4};
    CAllocationProbe probe;
    const auto loaded = c.make(false);
    EXPECT_EQ(LoadFailure(huge, [&](CArchive& ar) { loaded->Serialize(ar); }),
              CArchiveException::endOfFile);
    EXPECT_LE(probe.Largest(), 64u * 1024 + 64);
  }
}

TEST(CollectionArchive, AMapRefusesAKeyItHasAlready) {
  CMapStringToOb map;
  // Two entries under the key "k": the second's object is never made.
  const Bytes bytes = {0x02, 0x00, 0x01, 'k', 0x00, 0x00, 0x01, 'k', 0xff, 0xff};
  EXPECT_EQ(LoadFailure(bytes, [&](CArchive& ar) { map.Serialize(ar); }), CArchiveException::badIndex);
  EXPECT_EQ(map.GetCount(), 1);
  EXPECT_EQ(g_nLiveArchiveTestObjects, 0);
}

// Objects in lists and maps: stored by reference, so an object in two
// places loads once, and a typed collection refuses one of another class.
TEST(CollectionArchive, ObjectsInListsAndMapsLoadOnceAndOfTheirClass) {
  CPinPoint point(3, 4);
  CPinLabel label;
  label.m_strText = "label";
  CObList list;
  CMapStringToOb map;
  list.AddTail(&point);
  list.AddTail(&label);
  list.AddTail(&point);
  map["p"] = &point;
  const Bytes bytes = Stored([&](CArchive& ar) {
    list.Serialize(ar);
    map.Serialize(ar);
  });

  {
    CObList loadedList;
    CMapStringToOb loadedMap;
    Loaded(bytes, [&](CArchive& ar) {
      loadedList.Serialize(ar);
      loadedMap.Serialize(ar);
    });
    ASSERT_EQ(loadedList.GetCount(), 3);
    CObject* pPoint = loadedList.GetHead();
    EXPECT_EQ(pPoint, loadedList.GetTail());
    CObject* pMapped = nullptr;
    ASSERT_TRUE(loadedMap.Lookup("p", pMapped));
    EXPECT_EQ(pMapped, pPoint);
    EXPECT_EQ(static_cast<CPinPoint*>(pPoint)->m_y, 4);
    EXPECT_EQ(static_cast<CPinLabel*>(loadedList.GetAt(loadedList.FindIndex(1)))->m_strText, "label");
    delete loadedList.GetAt(loadedList.FindIndex(1));
    delete pPoint;
  }

  // A list of points meets the label: refused before the label is made.
  CTypedPtrList<CObList, CPinPoint*> points;
  EXPECT_EQ(LoadFailure(bytes, [&](CArchive& ar) { points.Serialize(ar); }), CArchiveException::badClass);
  ASSERT_EQ(points.GetCount(), 1);  // the point before it
  delete points.RemoveHead();
  EXPECT_EQ(g_nLiveArchiveTestObjects, 2);  // the originals only

  // A map of labels meets a point.
  CTypedPtrMap<CMapStringToOb, CString, CPinLabel*> labels;
  const Bytes mapBytes = Stored([&](CArchive& ar) { map.Serialize(ar); });
  EXPECT_EQ(LoadFailure(mapBytes, [&](CArchive& ar) { labels.Serialize(ar); }), CArchiveException::badClass);
  EXPECT_TRUE(labels.IsEmpty());
  CTypedPtrMap<CMapStringToOb, CString, CPinPoint*> pointsByName;
  Loaded(mapBytes, [&](CArchive& ar) { pointsByName.Serialize(ar); });
  EXPECT_EQ(pointsByName["p"]->m_x, 3);
  delete static_cast<CPinPoint*>(pointsByName["p"]);
  EXPECT_EQ(g_nLiveArchiveTestObjects, 2);
}

TEST(CollectionArchive, CollectionsAreObjectsOfTheirOwnClassInAnArchive) {
  CStringList list;
  list.AddTail("one");
  const Bytes bytes = Stored([&](CArchive& ar) { ar << &list; });
  CObject* pOb = nullptr;
  Loaded(bytes, [&](CArchive& ar) { ar >> pOb; });
  ASSERT_NE(pOb, nullptr);
  EXPECT_TRUE(pOb->IsKindOf(RUNTIME_CLASS(CStringList)));
  EXPECT_EQ(static_cast<CStringList*>(pOb)->GetHead(), "one");
  delete pOb;
}

TEST(CollectionArchive, UntypedPointersAreNotStored) {
  int n = 0;
  CPtrArray array;
  CPtrList list;
  CMapStringToPtr map;
  array.Add(&n);
  list.AddTail(&n);
  map["n"] = &n;
  for (CObject* pCollection : std::initializer_list<CObject*>{&array, &list, &map}) {
    int cause = -1;
    try {
      StoredCollection(*pCollection);
    } catch (CArchiveException* e) {
      cause = e->m_cause;
      e->Delete();
    }
    EXPECT_EQ(cause, CArchiveException::genericException);
  }
}

// Memory refused past a limit: each of the collections' allocations
// arrives as a CMemoryException and leaves the collection as it was.
TEST(CollectionMemory, RefusedAllocationsArriveAsMemoryExceptions) {
  struct CBig {
    char bytes[4096];
  };
  CByteArray bytes;
  bytes.Add(1);
  CList<CBig, const CBig&> bigs;
  CMapStringToString map;
  map["a"] = "b";
  const std::vector<std::pair<const char*, std::function<void()>>> failures = {
      {"array growth", [&] { bytes.SetSize(1 << 20); }},
#if !defined(_WIN32)
      // In the Windows build strings are allocated inside varnel.dll, by
      // its own operator new, which the limit does not reach.
      {"string", [] { CString s('x', 1 << 20); }},
      {"string append", [] { CString s('x', 1000); s += CString('y', 1000); }},
#endif
      {"list node", [&] { bigs.AddTail(CBig{}); }},
      {"map buckets", [&] { CMapStringToPtr fresh; fresh.InitHashTable(1 << 20); }},
  };
  for (const auto& failure : failures) {
    std::string caught;
    {
      CAllocationLimit limit(1500);
      caught = MemoryFailure(failure.second);
    }
    EXPECT_EQ(caught, "memory") << failure.first;
  }
  EXPECT_EQ(bytes.GetSize(), 1);
  EXPECT_EQ(bytes[0], 1);
  EXPECT_TRUE(bigs.IsEmpty());
}

}  // namespace
