// Damaged input: every kind is refused with a CArchiveException, never a
// crash, never an allocation sized by a count before it is checked against
// the bytes left, and with no half-loaded object left behind.
#include "AllocationProbe.h"
#include "ArchiveTestClasses.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <set>

namespace {

// A document as a host writes one: an array of objects it owns. An
// object may be in it twice and chains may share nodes (a damaged file can
// say so): each object is deleted once.
class CPinDocument {
 public:
  ~CPinDocument() { DeleteContents(); }
  void Serialize(CArchive& ar) { m_items.Serialize(ar); }
  void DeleteContents() {
    std::set<CObject*> owned;
    for (int i = 0; i < m_items.GetSize(); ++i) {
      for (CObject* pOb = m_items[i]; pOb != nullptr && owned.insert(pOb).second;) {
        CPinNode* pNode = dynamic_cast<CPinNode*>(pOb);
        pOb = pNode != nullptr ? pNode->m_pNext : nullptr;
      }
    }
    for (CObject* pOb : owned) {
      if (CPinNode* pNode = dynamic_cast<CPinNode*>(pOb)) pNode->m_pNext = nullptr;
    }
    for (CObject* pOb : owned) delete pOb;
    m_items.RemoveAll();
  }
  CObArray m_items;
};

// Loads a document from the bytes: the cause it was refused with, -1 when
// it loaded, -2 for an exception other than CArchiveException.
int LoadDocument(const Bytes& bytes, bool bDirect = true) {
  CPinDocument document;
  return LoadFailure(bytes, [&](CArchive& ar) { document.Serialize(ar); }, bDirect);
}

Bytes ValidDocument() {
  CPinPoint point(1, 2);
  CPinLabel label;
  label.m_strText = "hello";
  label.m_colour = 0x123456;
  CPinNode second;
  second.m_nValue = 2;
  CPinNode first;
  first.m_nValue = 1;
  first.m_pNext = &second;
  CPinDocument document;
  document.m_items.Add(&point);
  document.m_items.Add(&label);
  document.m_items.Add(&point);
  document.m_items.Add(&first);
  document.m_items.Add(nullptr);
  const Bytes bytes = Stored([&](CArchive& ar) { document.Serialize(ar); });
  first.m_pNext = nullptr;
  document.m_items.RemoveAll();
  return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// A new class's tag: 0xFFFF, the schema, the name's length and the name.
Bytes NewClass(const char* pszName, WORD wSchema) {
  const size_t nLength = std::strlen(pszName);
  Bytes bytes(6 + nLength);
  bytes[0] = bytes[1] = 0xff;
  bytes[2] = static_cast<BYTE>(wSchema);
  bytes[3] = static_cast<BYTE>(wSchema >> 8);
  bytes[4] = static_cast<BYTE>(nLength);
  std::memcpy(bytes.data() + 6, pszName, nLength);
  return bytes;
}

const Bytes kPointData = {1, 0, 0, 0, 2, 0, 0, 0};

// A chain of nNodes nodes, each loaded inside the one before.
Bytes NodeChain(int nNodes) {
  Bytes bytes = NewClass("CPinNode", 1);
  for (int i = 0; i < nNodes; ++i) {
    if (i > 0) bytes.insert(bytes.end(), {0x01, 0x80});  // class 1 again
    bytes.insert(bytes.end(), {static_cast<BYTE>(i), 0, 0, 0});
  }
  bytes.insert(bytes.end(), {0, 0});  // the last one's next: null
  return bytes;
}

TEST(ArchiveDamage, ValidDocumentLoads) {
  const Bytes bytes = ValidDocument();
  for (bool bDirect : {true, false}) {
    CPinDocument document;
    Loaded(bytes, [&](CArchive& ar) { document.Serialize(ar); }, bDirect);
    ASSERT_EQ(document.m_items.GetSize(), 5);
    EXPECT_EQ(document.m_items[0], document.m_items[2]);
    auto* pNode = dynamic_cast<CPinNode*>(document.m_items[3]);
    ASSERT_NE(pNode, nullptr);
    ASSERT_NE(pNode->m_pNext, nullptr);
    EXPECT_EQ(pNode->m_pNext->m_nValue, 2);
  }
  EXPECT_EQ(g_nLiveArchiveTestObjects, 0);
}

TEST(ArchiveDamage, EachKindIsRefusedWithItsCause) {
  const Bytes one = {1, 0};
  const Bytes two = {2, 0};
  struct Case {
    const char* pszName;
    Bytes bytes;
    int cause;
  };
  const Case cases[] = {
      {"empty", {}, CArchiveException::endOfFile},
      {"one byte", {1}, CArchiveException::endOfFile},
      {"count, then nothing", one, CArchiveException::endOfFile},
      {"class tag of a class never seen", Concat({one, {0x05, 0x80}}), CArchiveException::badIndex},
      {"object tag of an object never seen", Concat({one, {0x07, 0x00}}), CArchiveException::badIndex},
      {"object tag naming a class", Concat({two, NewClass("CPinPoint", 1), kPointData, {0x01, 0x00}}),
       CArchiveException::badIndex},
      {"class tag naming an object", Concat({two, NewClass("CPinPoint", 1), kPointData, {0x02, 0x80}}),
       CArchiveException::badIndex},
      {"big class tag naming nothing", Concat({one, {0xff, 0x7f, 0x09, 0x00, 0x00, 0x80}}),
       CArchiveException::badIndex},
      {"unknown class", Concat({one, NewClass("CNoSuchClass", 1), kPointData}),
       CArchiveException::badClass},
      {"a class that is not serial", Concat({one, NewClass("CFile", 0xFFFF)}),
       CArchiveException::badClass},
      {"class name with a NUL",
       Concat({one, {0xff, 0xff, 0x01, 0x00, 0x09, 0x00, 'C', 'P', 'i', 'n', 0, 'o', 'i', 'n', 't'}}),
       CArchiveException::badClass},
      {"class name too long", Concat({one, {0xff, 0xff, 0x01, 0x00, 0x40, 0x00}, Bytes(64, 'C')}),
       CArchiveException::badClass},
      {"class name cut short", Concat({one, {0xff, 0xff, 0x01, 0x00, 0x09, 0x00, 'C', 'P'}}),
       CArchiveException::endOfFile},
      {"wrong schema", Concat({one, NewClass("CPinPoint", 2), kPointData}), CArchiveException::badSchema},
      {"count far larger than the bytes left", {0xff, 0xff, 0xff, 0xff, 0xff, 0x7f, 0, 0},
       CArchiveException::endOfFile},
      {"64-bit count", {0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0, 0, 0, 0, 1},
       CArchiveException::endOfFile},
      {"a failing object's Serialize", Concat({one, NewClass("CPinFailing", 1), NewClass("CPinPoint", 1),
                                               kPointData}),
       CArchiveException::genericException},
      {"nesting too deep", Concat({one, NodeChain(1001)}), CArchiveException::badIndex},
  };
  for (const Case& c : cases) {
    for (bool bDirect : {true, false}) {
      CAllocationProbe probe;
      EXPECT_EQ(LoadDocument(c.bytes, bDirect), c.cause) << c.pszName;
      EXPECT_LT(probe.Largest(), 64u * 1024) << c.pszName;
      EXPECT_EQ(g_nLiveArchiveTestObjects, 0) << c.pszName;
    }
  }
  EXPECT_EQ(LoadDocument(Concat({one, NodeChain(1000)})), -1);
}

// Each count would be within the bytes left as a count of bytes, but not
// as a count of elements of its size: refused before the memory is taken.
TEST(ArchiveDamage, LengthsAndCountsBeyondTheDataAllocateNothing) {
  const Bytes count20000 = Concat({{0xff, 0xff, 0x20, 0x4e, 0x00, 0x00}, Bytes(20000, 0)});
  struct Case {
    const char* pszName;
    Bytes bytes;
    std::function<void(CArchive&)> load;
  };
  const Case cases[] = {
      {"string length", {0xff, 0xff, 0xff, 0xfe, 0xff, 0xff, 0x7f, 'a'},
       [](CArchive& ar) { CString str; ar >> str; }},
      {"wide string length", {0xff, 0xfe, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0x3f, 'a', 0},
       [](CArchive& ar) { CString str; ar >> str; }},
      {"array of doubles", count20000,
       [](CArchive& ar) { CArray<double, double> values; values.Serialize(ar); }},
      {"array of strings", {0xff, 0xff, 0x00, 0x00, 0x01, 0x00, 0, 0, 0},
       [](CArchive& ar) { CArray<CString, const CString&> texts; texts.Serialize(ar); }},
      {"array of objects", count20000, [](CArchive& ar) { CObArray objects; objects.Serialize(ar); }},
  };
  for (const Case& c : cases) {
    CAllocationProbe probe;
    EXPECT_EQ(LoadFailure(c.bytes, c.load), CArchiveException::endOfFile) << c.pszName;
    EXPECT_LT(probe.Largest(), 64u * 1024) << c.pszName;
  }
}

TEST(ArchiveDamage, ObjectsOfTheWrongClassAreRefused) {
  const Bytes bytes = Stored([](CArchive& ar) {
    CPinLabel label;
    ar << &label << &label;
  });
  EXPECT_EQ(LoadFailure(bytes, [](CArchive& ar) {
    CPinPoint* pPoint = nullptr;
    ar >> pPoint;
  }), CArchiveException::badClass);
  // The same object again, asked for as another class.
  EXPECT_EQ(LoadFailure(bytes, [](CArchive& ar) {
    CPinLabel* pLabel = nullptr;
    ar >> pLabel;
    std::unique_ptr<CPinLabel> owner(pLabel);
    CPinPoint* pPoint = nullptr;
    ar >> pPoint;
  }), CArchiveException::badClass);
  EXPECT_EQ(g_nLiveArchiveTestObjects, 0);
}

// A typed array stores as a CObArray does, and refuses an element of
// another class (here a CObArray, which would not own what it loads)
// before making it.
TEST(ArchiveDamage, ATypedArrayRefusesAnotherClassBeforeMakingIt) {
  Bytes mixed, typedBytes, untypedBytes;
  {
    CPinPoint point(1, 2);
    CObArray inner;
    inner.Add(&point);
    CObArray outer;
    outer.Add(&point);
    outer.Add(&inner);
    mixed = Stored([&](CArchive& ar) { outer.Serialize(ar); });
    CTypedPtrArray<CObArray, CPinPoint*> typed;
    typed.Add(&point);
    typedBytes = Stored([&](CArchive& ar) { typed.Serialize(ar); });
    untypedBytes = Stored([&](CArchive& ar) { inner.Serialize(ar); });
  }
  EXPECT_EQ(Hex(typedBytes), Hex(untypedBytes));
  CTypedPtrArray<CObArray, CPinPoint*> loaded;
  EXPECT_EQ(LoadFailure(mixed, [&](CArchive& ar) { loaded.Serialize(ar); }), CArchiveException::badClass);
  ASSERT_EQ(loaded.GetSize(), 2);
  EXPECT_EQ(loaded[0]->m_y, 2);
  EXPECT_EQ(loaded[1], nullptr);
  delete loaded[0];
  EXPECT_EQ(g_nLiveArchiveTestObjects, 0);
}

TEST(ArchiveDamage, StoringDeeperThanLoadingFollowsIsRefused) {
  std::vector<CPinNode> nodes(1001);
  for (size_t i = 0; i + 1 < nodes.size(); ++i) nodes[i].m_pNext = &nodes[i + 1];
  try {
    Stored([&](CArchive& ar) { ar << &nodes[0]; });
    ADD_FAILURE() << "stored";
  } catch (CArchiveException* e) {
    EXPECT_EQ(e->m_cause, CArchiveException::badIndex);
    e->Delete();
  }
  nodes[999].m_pNext = nullptr;  // 1000 deep: stored
  EXPECT_NO_THROW(Stored([&](CArchive& ar) { ar << &nodes[0]; }));
  for (CPinNode& node : nodes) node.m_pNext = nullptr;
}

TEST(ArchiveDamage, EveryTruncationIsRefused) {
  const Bytes bytes = ValidDocument();
  for (size_t n = 0; n < bytes.size(); ++n) {
    const Bytes cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
    for (bool bDirect : {true, false}) {
      EXPECT_GE(LoadDocument(cut, bDirect), 0) << n;
      EXPECT_EQ(g_nLiveArchiveTestObjects, 0) << n;
    }
  }
}

// Random bytes, and the valid document with a few bytes changed: loaded
// or refused with a CArchiveException, nothing allocated by an unchecked
// count, nothing left behind.
TEST(ArchiveDamage, RandomAndMutatedBytes) {
  const Bytes valid = ValidDocument();
  std::mt19937 random(26);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int i = 0; i < 4000; ++i) {
    Bytes bytes;
    if (i % 2 == 0) {
      bytes.resize(static_cast<size_t>(random() % 48));
      for (BYTE& b : bytes) b = static_cast<BYTE>(byte(random));
    } else {
      bytes = valid;
      const int nChanges = 1 + static_cast<int>(random() % 3);
      for (int k = 0; k < nChanges; ++k) bytes[random() % bytes.size()] = static_cast<BYTE>(byte(random));
    }
    CAllocationProbe probe;
    const int cause = LoadDocument(bytes, i % 4 < 2);
    ASSERT_GE(cause, -1) << Hex(bytes);
    ASSERT_LT(probe.Largest(), 64u * 1024) << Hex(bytes);
    ASSERT_EQ(g_nLiveArchiveTestObjects, 0) << Hex(bytes);
  }
}

}  // namespace
