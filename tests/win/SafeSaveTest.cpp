// Saving over a file never destroys it: whatever fails, the old file is
// there byte for byte and no temporary file is left; a save that succeeds
// leaves the new file alone in the folder, flushed before it took the
// old one's place.
#include "TempFolder.h"
#include "tests/core/FileFailure.h"

#include <gtest/gtest.h>

namespace {

const char kOld[] = "the old document, which must survive";

using Names = std::vector<std::string>;

// Stores the text through an archive, as a document's Serialize does.
void SaveText(CSafeSaveFile& file, const char* pszText) {
  CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
  ar << CString(pszText);
  ar.Close();
}

// Remembers, when the file is flushed, what the target held then and how
// much the temporary file held.
class CWatchedSaveFile : public CSafeSaveFile {
 public:
  void Flush() override {
    m_strTargetWhenFlushed = ReadWholeFile(std::string(GetTargetPath()));
    m_nLengthWhenFlushed = GetLength();
    ++m_nFlushes;
    CSafeSaveFile::Flush();
  }
  std::string m_strTargetWhenFlushed;
  ULONGLONG m_nLengthWhenFlushed = 0;
  int m_nFlushes = 0;
};

TEST(SafeSave, ReplacesTheTargetAfterFlushingAndLeavesNoTemporaryFile) {
  CTempFolder folder;
  const std::string target = folder.Path("sign.sign");
  WriteWholeFile(target, kOld);
  CWatchedSaveFile file;
  ASSERT_TRUE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite));
  EXPECT_EQ(folder.Files().size(), 2u);  // the target and the temporary file
  SaveText(file, "new");
  file.Commit();
  EXPECT_EQ(file.m_nFlushes, 1);
  EXPECT_EQ(file.m_strTargetWhenFlushed, kOld);  // flushed before it replaced the target
  EXPECT_EQ(file.m_nLengthWhenFlushed, 4u);      // with everything written
  EXPECT_EQ(ReadWholeFile(target), "\x03new");
  EXPECT_EQ(folder.Files(), Names{"sign.sign"});
  EXPECT_EQ(file.GetTempPath(), "");
}

TEST(SafeSave, CreatesATargetThatDoesNotExistYet) {
  CTempFolder folder;
  const std::string target = folder.Path("first.sign");
  CSafeSaveFile file;
  ASSERT_TRUE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite));
  SaveText(file, "first");
  file.Close();  // Close commits too
  EXPECT_EQ(ReadWholeFile(target), "\x05" "first");
  EXPECT_EQ(folder.Files(), Names{"first.sign"});
}

// An exception while writing: the old file stays, the temporary goes,
// whether the file is aborted or just destroyed.
TEST(SafeSave, AnExceptionMidWriteKeepsTheOldFile) {
  for (bool bAbort : {true, false}) {
    CTempFolder folder;
    const std::string target = folder.Path("sign.sign");
    WriteWholeFile(target, kOld);
    try {
      CSafeSaveFile file;
      ASSERT_TRUE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite));
      try {
        CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
        for (int i = 0; i < 5000; ++i) ar << i;  // more than the archive's buffer
        AfxThrowArchiveException(CArchiveException::genericException);
      } catch (CException*) {
        if (bAbort) file.Abort();
        throw;
      }
    } catch (CArchiveException* e) {
      e->Delete();
    }
    EXPECT_EQ(ReadWholeFile(target), kOld) << bAbort;
    EXPECT_EQ(folder.Files(), Names{"sign.sign"}) << bAbort;
  }
}

// A target that cannot be replaced is refused at once when it is so at
// Open, and at Commit when it became so meanwhile.
TEST(SafeSave, AReadOnlyTargetIsRefusedAndKept) {
  CTempFolder folder;
  const std::string target = folder.Path("locked.sign");
  WriteWholeFile(target, kOld);
  ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  CSafeSaveFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::accessDenied);
  EXPECT_EQ(folder.Files(), Names{"locked.sign"});

  ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  ASSERT_TRUE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite));
  SaveText(file, "new");
  ::SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(FileFailure([&] { file.Commit(); }), CFileException::accessDenied);
  EXPECT_EQ(ReadWholeFile(target), kOld);
  EXPECT_EQ(folder.Files(), Names{"locked.sign"});
}

TEST(SafeSave, ATargetHeldOpenWithoutShareDeleteIsRefusedAndKept) {
  CTempFolder folder;
  const std::string target = folder.Path("open.sign");
  WriteWholeFile(target, kOld);
  const DWORD dwShare = FILE_SHARE_READ | FILE_SHARE_WRITE;
  HANDLE hOther = ::CreateFileA(target.c_str(), GENERIC_READ, dwShare, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(hOther, INVALID_HANDLE_VALUE);
  CSafeSaveFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
  ::CloseHandle(hOther);

  ASSERT_TRUE(file.Open(target.c_str(), CFile::modeCreate | CFile::modeWrite));
  SaveText(file, "new");
  hOther = ::CreateFileA(target.c_str(), GENERIC_READ, dwShare, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  EXPECT_EQ(FileFailure([&] { file.Commit(); }), CFileException::sharingViolation);
  ::CloseHandle(hOther);
  EXPECT_EQ(ReadWholeFile(target), kOld);
  EXPECT_EQ(folder.Files(), Names{"open.sign"});
}

// /sys takes no new file, not even from root: a folder the temporary file
// cannot be made in.
TEST(SafeSave, AFolderThatTakesNoNewFileIsRefused) {
  CSafeSaveFile file;
  CFileException error;
  EXPECT_FALSE(file.Open("Z:\\sys\\varnel-save.sign", CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::accessDenied);
  EXPECT_EQ(file.GetTempPath(), "");
  EXPECT_EQ(::GetFileAttributesA("Z:\\sys\\varnel-save.sign"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
