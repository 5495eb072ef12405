// The archive's byte layout, pinned: a file written today must read in
// every later version. And round trips of every type and of object graphs,
// through a memory file with direct access and through the archive's own
// buffer.
#include "ArchiveTestClasses.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const bool kFileKinds[] = {true, false};  // direct access, the archive's buffer

TEST(ArchiveLayout, ValuesAreLittleEndian) {
  const Bytes bytes = Stored([](CArchive& ar) {
    ar << static_cast<BYTE>(0x12) << static_cast<WORD>(0x3456) << -2
       << static_cast<UINT>(0x89ABCDEF) << static_cast<short>(-3) << 'A'
       << static_cast<LONG>(-7) << static_cast<DWORD>(7) << static_cast<LONGLONG>(-5)
       << static_cast<ULONGLONG>(0x0102030405060708ull) << 1.5f << -0.1;
  });
  EXPECT_EQ(Hex(bytes),
            "12 56 34 fe ff ff ff ef cd ab 89 fd ff 41 f9 ff ff ff 07 00 00 00 "
            "fb ff ff ff ff ff ff ff 08 07 06 05 04 03 02 01 00 00 c0 3f "
            "9a 99 99 99 99 99 b9 bf");
}

TEST(ArchiveLayout, StringLengthPrefixes) {
  struct Case {
    int nLength;
    const char* pszPrefix;
  };
  const Case cases[] = {
      {0, "00"},
      {3, "03"},
      {254, "fe"},
      {255, "ff ff 00"},
      {0xFFFD, "ff fd ff"},
      {0xFFFE, "ff ff ff fe ff 00 00"},
      {70000, "ff ff ff 70 11 01 00"},
  };
  for (const Case& c : cases) {
    const CString str('x', c.nLength);
    const Bytes bytes = Stored([&](CArchive& ar) { ar << str; });
    const std::string prefix = c.pszPrefix;
    const size_t nPrefixBytes = (prefix.size() + 1) / 3;
    ASSERT_EQ(bytes.size(), nPrefixBytes + static_cast<size_t>(c.nLength)) << c.nLength;
    EXPECT_EQ(Hex(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(nPrefixBytes))), prefix);
    for (bool bDirect : kFileKinds) {
      CString loaded;
      Loaded(bytes, [&](CArchive& ar) { ar >> loaded; }, bDirect);
      EXPECT_EQ(loaded, str) << c.nLength;
    }
  }
  EXPECT_EQ(Hex(Stored([](CArchive& ar) { ar << CString("abc"); })), "03 61 62 63");
}

TEST(ArchiveLayout, CountsArrayElementsAndStrings) {
  EXPECT_EQ(Hex(Stored([](CArchive& ar) { ar.WriteCount(0xFFFE); })), "fe ff");
  EXPECT_EQ(Hex(Stored([](CArchive& ar) { ar.WriteCount(0xFFFF); })), "ff ff ff ff 00 00");
  EXPECT_EQ(Hex(Stored([](CArchive& ar) { ar.WriteCount(0x12345); })), "ff ff 45 23 01 00");

  CArray<int, int> numbers;
  numbers.Add(1);
  numbers.Add(-1);
  numbers.Add(70000);
  EXPECT_EQ(Hex(Stored([&](CArchive& ar) { numbers.Serialize(ar); })),
            "03 00 01 00 00 00 ff ff ff ff 70 11 01 00");

  CArray<CString, const CString&> texts;
  texts.Add("a");
  texts.Add("");
  EXPECT_EQ(Hex(Stored([&](CArchive& ar) { texts.Serialize(ar); })), "02 00 01 61 00");
}

// Classes and objects are numbered together from 1: CPinPoint is 1, p1 2,
// p2 3, CPinLabel 4, the label 5.
TEST(ArchiveLayout, ObjectGraph) {
  CPinPoint p1(1, 2);
  CPinPoint p2(3, 4);
  CPinLabel label;
  label.m_strText = "hi";
  label.m_colour = 0xABCDEF;
  const Bytes bytes = Stored([&](CArchive& ar) {
    ar << &p1 << &p1 << &p2 << static_cast<CObject*>(nullptr) << &label;
  });
  EXPECT_EQ(Hex(bytes),
            "ff ff 01 00 09 00 43 50 69 6e 50 6f 69 6e 74 01 00 00 00 02 00 00 00 "  // new class, p1
            "02 00 "                                                             // p1 again
            "01 80 03 00 00 00 04 00 00 00 "                                     // class 1, p2
            "00 00 "                                                             // null
            "ff ff 02 00 09 00 43 50 69 6e 4c 61 62 65 6c 02 68 69 ef cd ab 00");  // the label

  for (bool bDirect : kFileKinds) {
    CObject* pObjects[5] = {};
    Loaded(bytes, [&](CArchive& ar) {
      for (CObject*& pOb : pObjects) ar >> pOb;
    }, bDirect);
    std::unique_ptr<CObject> first(pObjects[0]), second(pObjects[2]), label2(pObjects[4]);
    EXPECT_EQ(pObjects[0], pObjects[1]);  // stored twice, loaded once
    ASSERT_TRUE(pObjects[0]->IsKindOf(RUNTIME_CLASS(CPinPoint)));
    ASSERT_TRUE(pObjects[2]->IsKindOf(RUNTIME_CLASS(CPinPoint)));
    EXPECT_EQ(static_cast<CPinPoint*>(pObjects[0])->m_x, 1);
    EXPECT_EQ(static_cast<CPinPoint*>(pObjects[2])->m_y, 4);
    EXPECT_EQ(pObjects[3], nullptr);
    ASSERT_TRUE(pObjects[4]->IsKindOf(RUNTIME_CLASS(CPinLabel)));
    const auto* pLabel = static_cast<CPinLabel*>(pObjects[4]);
    EXPECT_EQ(pLabel->m_strText, "hi");
    EXPECT_EQ(pLabel->m_colour, 0xABCDEFu);
    EXPECT_EQ(pLabel->m_nLoadedSchema, 2u);
  }
}

// Numbers from 0x7FFF on take the escape: the WORD 0x7FFF, then a DWORD
// (with the class bit for a class).
TEST(ArchiveLayout, NumbersBeyondTheWordEscape) {
  const int nPoints = 0x8000;  // numbered 2 to 0x8001
  std::vector<CPinPoint> points(nPoints);
  for (int i = 0; i < nPoints; ++i) points[static_cast<size_t>(i)].m_x = i;
  CPinLabel label1, label2;
  const Bytes bytes = Stored([&](CArchive& ar) {
    for (const CPinPoint& point : points) ar << &point;
    ar << &points[0x7FFC] << &points[0x7FFD] << &points[0x7FFF];  // 0x7FFE, 0x7FFF, 0x8001
    ar << &label1 << &label2;  // class 0x8002, label 0x8003, class 0x8002 again
  });
  const Bytes tail(bytes.end() - 45, bytes.end());
  EXPECT_EQ(Hex(tail),
            "fe 7f ff 7f ff 7f 00 00 ff 7f 01 80 00 00 "
            "ff ff 02 00 09 00 43 50 69 6e 4c 61 62 65 6c 00 00 00 00 00 "
            "ff 7f 02 80 00 80 00 00 00 00 00");

  std::vector<CObject*> loaded(static_cast<size_t>(nPoints) + 5);
  Loaded(bytes, [&](CArchive& ar) {
    for (CObject*& pOb : loaded) ar >> pOb;
  });
  EXPECT_EQ(loaded[static_cast<size_t>(nPoints)], loaded[0x7FFC]);
  EXPECT_EQ(loaded[static_cast<size_t>(nPoints) + 1], loaded[0x7FFD]);
  EXPECT_EQ(loaded[static_cast<size_t>(nPoints) + 2], loaded[0x7FFF]);
  EXPECT_EQ(static_cast<CPinPoint*>(loaded[0x7FFF])->m_x, 0x7FFF);
  EXPECT_TRUE(loaded.back()->IsKindOf(RUNTIME_CLASS(CPinLabel)));
  for (size_t i = 0; i < static_cast<size_t>(nPoints); ++i) delete loaded[i];
  delete loaded[static_cast<size_t>(nPoints) + 3];
  delete loaded[static_cast<size_t>(nPoints) + 4];
}

TEST(ArchiveSchema, VersionableClassReadsAnOlderSchema) {
  // A label as schema 1 wrote it: no colour.
  const Bytes bytes = {0xff, 0xff, 0x01, 0x00, 0x09, 0x00, 'C', 'P', 'i', 'n', 'L',
                       'a',  'b',  'e',  'l',  0x02, 'h',  'i'};
  CPinLabel* pLabel = nullptr;
  Loaded(bytes, [&](CArchive& ar) { ar >> pLabel; });
  std::unique_ptr<CPinLabel> owner(pLabel);
  ASSERT_NE(pLabel, nullptr);
  EXPECT_EQ(pLabel->m_nLoadedSchema, 1u);
  EXPECT_EQ(pLabel->m_strText, "hi");
  EXPECT_EQ(pLabel->m_colour, 0u);
}

TEST(ArchiveRoundTrip, EveryValueType) {
  for (bool bDirect : kFileKinds) {
    const Bytes bytes = Stored([](CArchive& ar) {
      ar << static_cast<BYTE>(200) << static_cast<WORD>(65535) << static_cast<short>(-32768)
         << static_cast<char>(-1) << INT32_MIN << 4000000000u << static_cast<LONG>(-123456)
         << static_cast<DWORD>(0xFFFFFFFF) << static_cast<LONGLONG>(INT64_MIN)
         << static_cast<ULONGLONG>(UINT64_MAX) << 3.25e-7f << 1.0 / 3.0 << CString("text");
    }, bDirect);
    BYTE by = 0;
    WORD w = 0;
    short n = 0;
    char ch = 0;
    int i = 0;
    UINT u = 0;
    LONG l = 0;
    DWORD dw = 0;
    LONGLONG ll = 0;
    ULONGLONG ull = 0;
    float f = 0;
    double d = 0;
    CString str;
    Loaded(bytes, [&](CArchive& ar) {
      ar >> by >> w >> n >> ch >> i >> u >> l >> dw >> ll >> ull >> f >> d >> str;
      EXPECT_TRUE(ar.IsBufferEmpty());
    }, bDirect);
    EXPECT_EQ(by, 200);
    EXPECT_EQ(w, 65535);
    EXPECT_EQ(n, -32768);
    EXPECT_EQ(ch, -1);
    EXPECT_EQ(i, INT32_MIN);
    EXPECT_EQ(u, 4000000000u);
    EXPECT_EQ(l, -123456);
    EXPECT_EQ(dw, 0xFFFFFFFFu);
    EXPECT_EQ(ll, INT64_MIN);
    EXPECT_EQ(ull, UINT64_MAX);
    EXPECT_EQ(f, 3.25e-7f);
    EXPECT_EQ(d, 1.0 / 3.0);
    EXPECT_EQ(str, "text");
  }
}

TEST(ArchiveRoundTrip, ArraysOfValuesStringsAndSharedObjects) {
  CArray<double, double> values;
  for (int i = 0; i < 1000; ++i) values.Add(i * 0.37);
  CArray<CString, const CString&> texts;
  texts.Add(CString('y', 300));
  texts.Add("");
  CPinPoint shared(7, 8);
  CObArray objects;
  objects.Add(&shared);
  objects.Add(nullptr);
  objects.Add(&shared);

  for (bool bDirect : kFileKinds) {
    const Bytes bytes = Stored([&](CArchive& ar) {
      values.Serialize(ar);
      texts.Serialize(ar);
      objects.Serialize(ar);
    }, bDirect);
    CArray<double, double> values2;
    CArray<CString, const CString&> texts2;
    CObArray objects2;
    Loaded(bytes, [&](CArchive& ar) {
      values2.Serialize(ar);
      texts2.Serialize(ar);
      objects2.Serialize(ar);
    }, bDirect);
    ASSERT_EQ(values2.GetSize(), 1000);
    EXPECT_EQ(values2[999], 999 * 0.37);
    ASSERT_EQ(texts2.GetSize(), 2);
    EXPECT_EQ(texts2[0], CString('y', 300));
    EXPECT_EQ(texts2[1], "");
    ASSERT_EQ(objects2.GetSize(), 3);
    EXPECT_EQ(objects2[0], objects2[2]);
    EXPECT_EQ(objects2[1], nullptr);
    EXPECT_EQ(static_cast<CPinPoint*>(objects2[0])->m_y, 8);
    delete objects2[0];
  }
}

TEST(ArchiveRoundTrip, RawBlocksLargerThanTheBuffer) {
  Bytes block(10000);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<BYTE>(i * 7);
  for (bool bDirect : kFileKinds) {
    CMemFile direct;
    CPlainMemFile plain;
    CMemFile& file = bDirect ? direct : static_cast<CMemFile&>(plain);
    {
      CArchive ar(&file, CArchive::store, 128);
      ar << 1;
      ar.Write(block.data(), 5000);
      ar << 2;
      ar.Write(block.data() + 5000, 5000);
      ar.Close();
    }
    EXPECT_EQ(file.GetLength(), 10008u);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, 128);
    int a = 0, b = 0;
    Bytes back(10000);
    ar >> a;
    EXPECT_EQ(ar.Read(back.data(), 5000), 5000u);
    ar >> b;
    EXPECT_EQ(ar.GetBytesLeft(), 5000u);
    EXPECT_EQ(ar.Read(back.data() + 5000, 6000), 5000u);  // fewer at the end
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(back, block);
  }
}

TEST(ArchiveText, LinesWithAndWithoutCarriageReturns) {
  for (bool bDirect : kFileKinds) {
    const Bytes bytes = Stored([](CArchive& ar) { ar.WriteString("one\r\ntwo\nthree"); }, bDirect);
    Loaded(bytes, [](CArchive& ar) {
      CString line;
      EXPECT_TRUE(ar.ReadString(line));
      EXPECT_EQ(line, "one");
      EXPECT_TRUE(ar.ReadString(line));
      EXPECT_EQ(line, "two");
      EXPECT_TRUE(ar.ReadString(line));
      EXPECT_EQ(line, "three");
      EXPECT_FALSE(ar.ReadString(line));
    }, bDirect);
    Loaded(bytes, [](CArchive& ar) {
      char sz[4];
      EXPECT_STREQ(ar.ReadString(sz, 4), "one");  // at most nMax - 1 characters
      EXPECT_STREQ(ar.ReadString(sz, 4), "");     // the rest of the line: its newline
      EXPECT_STREQ(ar.ReadString(sz, 4), "two");
      EXPECT_STREQ(ar.ReadString(sz, 4), "");
      EXPECT_STREQ(ar.ReadString(sz, 4), "thr");
      EXPECT_STREQ(ar.ReadString(sz, 4), "ee");
      EXPECT_EQ(ar.ReadString(sz, 4), nullptr);
    }, bDirect);
  }
}

TEST(ArchiveModes, WrongDirectionAndUseAfterCloseThrow) {
  CMemFile file;
  CArchive store(&file, CArchive::store);
  int n = 0;
  EXPECT_EQ(LoadFailure({}, [&](CArchive&) { store >> n; }), CArchiveException::writeOnly);
  store << 5;
  store.Close();
  EXPECT_EQ(LoadFailure({}, [&](CArchive&) { store << 6; }), CArchiveException::genericException);
  EXPECT_EQ(LoadFailure({1, 2, 3, 4}, [](CArchive& ar) { ar << 1; }), CArchiveException::readOnly);
  EXPECT_EQ(LoadFailure({1, 2, 3, 4}, [](CArchive& ar) {
    ar.WriteObject(nullptr);
  }), CArchiveException::readOnly);
}

// After a loading archive closes, the file's position is just after what
// was read, not after what the archive read ahead.
TEST(ArchiveModes, ClosingALoadGivesBackTheBytesReadAhead) {
  for (bool bDirect : kFileKinds) {
    CMemFile direct;
    CPlainMemFile plain;
    CMemFile& file = bDirect ? direct : static_cast<CMemFile&>(plain);
    for (int i = 0; i < 100; ++i) file.Write(&i, sizeof i);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    int a = 0, b = 0;
    ar >> a >> b;
    ar.Close();
    EXPECT_EQ(file.GetPosition(), 8u);
    EXPECT_EQ(b, 1);
  }
}

// An archive left by an exception writes nothing; one closed writes all.
TEST(ArchiveModes, LeftByAnExceptionWritesNothing) {
  for (bool bDirect : kFileKinds) {
    CMemFile direct;
    CPlainMemFile plain;
    CMemFile& file = bDirect ? direct : static_cast<CMemFile&>(plain);
    try {
      CArchive ar(&file, CArchive::store);
      ar << 1 << 2 << 3;
      AfxThrowUserException();
    } catch (CUserException* e) {
      e->Delete();
    }
    EXPECT_EQ(file.GetLength(), 0u) << bDirect;
    {
      CArchive ar(&file, CArchive::store);
      ar << 1 << 2 << 3;
    }
    EXPECT_EQ(file.GetLength(), 12u) << bDirect;
  }
}

TEST(ArchiveObjects, StoringAnObjectOfAClassThatIsNotSerialIsRefused) {
  CObArray notSerialContainer;  // serial, but holding a plain CObject-derived one
  class CPlain : public CObject {};
  CPlain plain;
  notSerialContainer.Add(&plain);
  try {
    Stored([&](CArchive& ar) { notSerialContainer.Serialize(ar); });
    ADD_FAILURE() << "stored";
  } catch (CArchiveException* e) {
    EXPECT_EQ(e->m_cause, CArchiveException::badClass);
    e->Delete();
  }
}

// The document is not in the file, but objects refer to it: MapObject
// numbers it on both sides.
TEST(ArchiveObjects, MappedObjectsComeBackAsThemselves) {
  CPinPoint document(0, 0);
  CPinNode node;
  const Bytes bytes = Stored([&](CArchive& ar) {
    ar.MapObject(&document);
    ar << &document << &node;
  });
  EXPECT_EQ(Hex(Bytes(bytes.begin(), bytes.begin() + 2)), "01 00");
  CPinPoint loadedDocument(0, 0);
  Loaded(bytes, [&](CArchive& ar) {
    ar.MapObject(&loadedDocument);
    CObject* pDocument = nullptr;
    CPinNode* pNode = nullptr;
    ar >> pDocument >> pNode;
    EXPECT_EQ(pDocument, &loadedDocument);
    delete pNode;
  });
}

}  // namespace
