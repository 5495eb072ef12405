// CFile over system files: the framework's open flags, reading, writing
// and seeking, status, failures with their causes, and an archive over it.
#include "TempFolder.h"
#include "tests/core/FileFailure.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(SystemFile, WritesReadsSeeksAndReportsItsStatus) {
  CTempFolder folder;
  const std::string path = folder.Path("data.bin");
  {
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    file.Write("hello, file", 11);
    EXPECT_EQ(file.GetPosition(), 11u);
    file.Flush();
    file.Close();
  }
  CFile file(path.c_str(), CFile::modeRead | CFile::shareDenyWrite);
  EXPECT_EQ(file.GetLength(), 11u);
  EXPECT_EQ(file.GetFileName(), "data.bin");
  EXPECT_EQ(file.GetFileTitle(), "data");
  EXPECT_EQ(file.GetFilePath(), CString(path.c_str()));
  char sz[16] = {};
  EXPECT_EQ(file.Seek(7, CFile::begin), 7u);
  EXPECT_EQ(file.Read(sz, 16), 4u);  // fewer at the end
  EXPECT_STREQ(sz, "file");
  EXPECT_EQ(file.Seek(-4, CFile::end), 7u);
  EXPECT_EQ(file.Seek(-2, CFile::current), 5u);
  EXPECT_EQ(FileFailure([&] { file.Seek(-6, CFile::current); }), CFileException::badSeek);

  CFileStatus status;
  ASSERT_TRUE(file.GetStatus(status));
  EXPECT_EQ(status.m_size, 11u);
  EXPECT_STREQ(status.m_szFullName, path.c_str());
  EXPECT_GT(status.m_mtime.GetTime(), 1600000000);  // after September 2020
  CFileStatus byName;
  ASSERT_TRUE(CFile::GetStatus(path.c_str(), byName));
  EXPECT_EQ(byName.m_size, 11u);
  EXPECT_EQ(byName.m_mtime, status.m_mtime);
  EXPECT_FALSE(CFile::GetStatus(folder.Path("none").c_str(), byName));
}

TEST(SystemFile, CreateTruncatesUnlessToldNot) {
  CTempFolder folder;
  const std::string path = folder.Path("keep.txt");
  WriteWholeFile(path, "123456");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(file.GetLength(), 6u);
    file.SeekToEnd();
    file.Write("7", 1);
  }
  EXPECT_EQ(ReadWholeFile(path), "1234567");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write("ab", 2);
    file.SetLength(4);
  }
  EXPECT_EQ(ReadWholeFile(path), std::string("ab\0\0", 4));
}

TEST(SystemFile, FailuresCarryTheirCauseAndTheSystemsError) {
  CTempFolder folder;
  const std::string missing = folder.Path("missing.txt");
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(missing.c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, static_cast<LONG>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(error.m_strFileName, CString(missing.c_str()));
  EXPECT_FALSE(file.Open(folder.Path("no\\such\\folder.txt").c_str(), CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::badPath);
  EXPECT_EQ(FileFailure([&] { CFile thrown(missing.c_str(), CFile::modeRead); }),
            CFileException::fileNotFound);

  const std::string shared = folder.Path("shared.txt");
  WriteWholeFile(shared, "x");
  CFile exclusive(shared.c_str(), CFile::modeRead | CFile::shareExclusive);
  EXPECT_FALSE(file.Open(shared.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
  EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
  exclusive.Close();
  CFile denyWrite(shared.c_str(), CFile::modeRead | CFile::shareDenyWrite);
  EXPECT_TRUE(file.Open(shared.c_str(), CFile::modeRead | CFile::shareDenyNone, &error));
  file.Close();
  EXPECT_FALSE(file.Open(shared.c_str(), CFile::modeWrite | CFile::shareDenyNone, &error));

  CFile closed;
  char ch = 0;
  EXPECT_EQ(FileFailure([&] { closed.Read(&ch, 1); }), CFileException::invalidFile);
}

TEST(SystemFile, RenameAndRemove) {
  CTempFolder folder;
  WriteWholeFile(folder.Path("a.txt"), "a");
  CFile::Rename(folder.Path("a.txt").c_str(), folder.Path("b.txt").c_str());
  EXPECT_EQ(folder.Files(), std::vector<std::string>{"b.txt"});
  CFile::Remove(folder.Path("b.txt").c_str());
  EXPECT_TRUE(folder.Files().empty());
  EXPECT_EQ(FileFailure([&] { CFile::Remove(folder.Path("b.txt").c_str()); }),
            CFileException::fileNotFound);
}

// The archive's own buffer between values and a system file.
TEST(SystemFile, AnArchiveStoresAndLoadsThroughIt) {
  CTempFolder folder;
  const std::string path = folder.Path("doc.bin");
  CArray<double, double> values;
  for (int i = 0; i < 3000; ++i) values.Add(i / 7.0);
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    ar << CString("header") << 42;
    values.Serialize(ar);
    ar.Close();
  }
  CFile file(path.c_str(), CFile::modeRead);
  CArchive ar(&file, CArchive::load);
  EXPECT_EQ(ar.m_strFileName, CString(path.c_str()));
  CString header;
  int n = 0;
  CArray<double, double> loaded;
  ar >> header >> n;
  EXPECT_EQ(ar.GetBytesLeft(), file.GetLength() - 11);
  loaded.Serialize(ar);
  EXPECT_EQ(header, "header");
  EXPECT_EQ(n, 42);
  ASSERT_EQ(loaded.GetSize(), 3000);
  EXPECT_EQ(loaded[2999], 2999 / 7.0);
  EXPECT_EQ(ar.GetBytesLeft(), 0u);
}

}  // namespace
