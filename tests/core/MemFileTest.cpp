#include "ArchiveTestClasses.h"
#include "tests/core/FileFailure.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

template <class F>
bool ThrowsMemoryException(F f) {
  try {
    f();
  } catch (CMemoryException* e) {
    e->Delete();
    return true;
  }
  return false;
}

TEST(MemFile, GrowsByteByByteAndReadsBack) {
  CMemFile file(16);
  for (int i = 0; i < 10000; ++i) {
    const BYTE b = static_cast<BYTE>(i * 13);
    file.Write(&b, 1);
  }
  EXPECT_EQ(file.GetLength(), 10000u);
  EXPECT_EQ(file.GetPosition(), 10000u);
  const Bytes bytes = FileBytes(file);
  for (size_t i = 0; i < bytes.size(); ++i) ASSERT_EQ(bytes[i], static_cast<BYTE>(i * 13)) << i;
  BYTE b = 0;
  EXPECT_EQ(file.Read(&b, 1), 0u);  // at the end
}

TEST(MemFile, SeeksAndFillsAGapWithZeros) {
  CMemFile file;
  file.Write("ab", 2);
  EXPECT_EQ(file.Seek(3, CFile::current), 5u);
  file.Write("c", 1);
  EXPECT_EQ(Hex(FileBytes(file)), "61 62 00 00 00 63");
  EXPECT_EQ(file.Seek(-2, CFile::end), 4u);
  char ch = 0;
  EXPECT_EQ(file.Read(&ch, 1), 1u);
  EXPECT_EQ(ch, '\0');
  EXPECT_EQ(FileFailure([&] { file.Seek(-7, CFile::end); }), CFileException::badSeek);
  EXPECT_EQ(FileFailure([&] { file.Seek(0, 3); }), CFileException::badSeek);
  EXPECT_EQ(file.GetPosition(), 5u);  // a refused seek leaves the position

  file.SetLength(2);
  EXPECT_EQ(file.GetPosition(), 2u);
  file.SetLength(4);
  EXPECT_EQ(Hex(FileBytes(file)), "61 62 00 00");
}

TEST(MemFile, AFixedBufferIsTheFileAndDoesNotGrow) {
  BYTE buffer[4] = {1, 2, 3, 4};
  CMemFile file(buffer, sizeof buffer);
  EXPECT_EQ(file.GetLength(), 4u);
  file.Seek(2, CFile::begin);
  file.Write("\x09", 1);
  EXPECT_EQ(buffer[2], 9);
  EXPECT_TRUE(ThrowsMemoryException([&] { file.Write("xy", 2); }));
  EXPECT_EQ(file.GetLength(), 4u);
  EXPECT_EQ(file.Detach(), buffer);
  EXPECT_EQ(file.GetLength(), 0u);
}

// An archive storing more than a fixed memory file holds fails as the file
// does, whether it writes in place or through its buffer.
TEST(MemFile, AnArchiveOverAFullFixedBufferThrowsTheFilesException) {
  BYTE buffer[8] = {};
  CMemFile file(buffer, sizeof buffer);
  EXPECT_TRUE(ThrowsMemoryException([&] {
    CArchive ar(&file, CArchive::store);
    ar << 1 << 2 << 3;
    ar.Close();
  }));
  CMemFile room(buffer, sizeof buffer);
  {
    CArchive ar(&room, CArchive::store);
    ar << 5 << 6;
    ar.Close();
  }
  EXPECT_EQ(buffer[4], 6);
}

TEST(MemFile, AttachedGrowableBufferIsReallocatedAndDetached) {
  BYTE* pBuffer = static_cast<BYTE*>(std::malloc(4));
  CMemFile file;
  file.Attach(pBuffer, 4, 4);
  EXPECT_EQ(file.GetLength(), 0u);  // growable: starts empty
  file.Write("0123456789", 10);
  CFileStatus status;
  ASSERT_TRUE(file.GetStatus(status));
  EXPECT_EQ(status.m_size, 10u);
  BYTE* pDetached = file.Detach();
  ASSERT_NE(pDetached, nullptr);
  EXPECT_EQ(pDetached[9], '9');
  std::free(pDetached);
}

TEST(File, NamesFromThePath) {
  CMemFile file;
  file.SetFilePath("C:\\Signs\\shop.front.sign");
  EXPECT_EQ(file.GetFilePath(), "C:\\Signs\\shop.front.sign");
  EXPECT_EQ(file.GetFileName(), "shop.front.sign");
  EXPECT_EQ(file.GetFileTitle(), "shop.front");
  file.SetFilePath("plain");
  EXPECT_EQ(file.GetFileTitle(), "plain");
}

TEST(FileException, CausesOfSystemErrors) {
  struct Case {
    LONG lOsError;
    int cause;
  };
  const Case cases[] = {
      {2, CFileException::fileNotFound},   {3, CFileException::badPath},
      {5, CFileException::accessDenied},   {32, CFileException::sharingViolation},
      {33, CFileException::lockViolation}, {112, CFileException::diskFull},
      {38, CFileException::endOfFile},     {4, CFileException::tooManyOpenFiles},
      {9999, CFileException::genericException},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CFileException::OsErrorToException(c.lOsError), c.cause) << c.lOsError;
  }
  try {
    CFileException::ThrowOsError(5, "x.sign");
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::accessDenied);
    EXPECT_EQ(e->m_lOsError, 5);
    EXPECT_EQ(e->m_strFileName, "x.sign");
    e->Delete();
  }
}

}  // namespace
