// CSafeSaveFile: a file that saves over another without ever destroying
// it. What is written goes to a temporary file in the target's folder;
// Commit (or Close) flushes that file to its device and then replaces the
// target with it in one step. If anything fails on the way, or the file is
// aborted or destroyed without a commit, the temporary file is deleted and
// the target is exactly as it was.
//
//   CSafeSaveFile file;
//   CFileException error;
//   if (!file.Open(lpszPathName, CFile::modeCreate | CFile::modeWrite, &error)) ...report
//   try {
//     CArchive ar(&file, CArchive::store | CArchive::bNoFlushOnDelete);
//     Serialize(ar);
//     ar.Close();
//     file.Commit();
//   } catch (CException* e) {
//     file.Abort();  // the old file stays; report e
//   }
#pragma once

#include "afx/base/AfxFile.h"

class VARNEL_API CSafeSaveFile : public CFile {
 public:
  CSafeSaveFile() = default;
  // Without a commit, the save is abandoned.
  ~CSafeSaveFile() override;

  // Opens the temporary file for a save to lpszFileName (the target).
  // Fails at once, creating nothing, when the target is read-only or held
  // open by another program so that it could not be replaced, or when the
  // folder takes no new file. nOpenFlags is not used: the temporary file
  // is always open for reading and writing, to this file alone.
  BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

  // Flushes the temporary file (FlushFileBuffers), closes it and replaces
  // the target with it: ReplaceFile when the target exists (it keeps the
  // target's attributes), MoveFileEx with write-through when it does not.
  // Throws CFileException on failure, after deleting the temporary file.
  void Commit();
  // As Commit: the end of a save that succeeded.
  void Close() override { Commit(); }
  // Abandons the save: closes and deletes the temporary file.
  void Abort() override;

  // The path of the file being saved (GetFilePath gives the same) and of
  // the temporary file (empty when there is none).
  CString GetTargetPath() const { return m_strFileName; }
  CString GetTempPath() const { return m_strTempPath; }

 private:
  void ReplaceTarget();
  [[noreturn]] void FailCommit(LONG lOsError);

  CString m_strTempPath;
};
