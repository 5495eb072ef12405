#include "afx/app/AfxSafeSave.h"

#include "afx/app/AfxFilePath.h"

namespace {

// Why the target could not be replaced now, or 0: it is read-only (or a
// folder), or another program holds it open without allowing its deletion
// (a replace needs that). A missing target is no obstacle.
DWORD ReplaceBlocker(LPCSTR lpszTarget) {
  const DWORD dwAttributes = ::GetFileAttributesA(lpszTarget);
  if (dwAttributes == INVALID_FILE_ATTRIBUTES) return 0;
  if (dwAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return ERROR_ACCESS_DENIED;
  const HANDLE hTarget =
      ::CreateFileA(lpszTarget, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hTarget == INVALID_HANDLE_VALUE) return ::GetLastError();
  ::CloseHandle(hTarget);
  return 0;
}

// Creates a new file of a name no file in the folder has ("~sv1a2b.tmp",
// as GetTempFileName names them, whose Wine version reports success when
// it could not create the file). Returns its handle and name, or
// INVALID_HANDLE_VALUE with the system's error.
HANDLE CreateTempFile(const CString& strFolder, CString& strTempPath, DWORD& dwError) {
  WORD wUnique = static_cast<WORD>(::GetTickCount() ^ ::GetCurrentProcessId());
  for (int nTries = 0; nTries < 0x10000; ++nTries, ++wUnique) {
    strTempPath.Format("%s~sv%04x.tmp", static_cast<const char*>(strFolder), wUnique);
    const HANDLE hTemp = ::CreateFileA(strTempPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                       CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hTemp != INVALID_HANDLE_VALUE) return hTemp;
    dwError = ::GetLastError();
    if (dwError != ERROR_FILE_EXISTS && dwError != ERROR_ALREADY_EXISTS) break;
  }
  strTempPath.Empty();
  return INVALID_HANDLE_VALUE;
}

}  // namespace

CSafeSaveFile::~CSafeSaveFile() { Abort(); }

BOOL CSafeSaveFile::Open(LPCSTR lpszFileName, UINT, CFileException* pError) {
  Abort();
  const CString strTarget = AfxFullPath(lpszFileName);
  DWORD dwError = ReplaceBlocker(strTarget);
  if (dwError == 0) {
    CString strTemp;
    const HANDLE hTemp = CreateTempFile(AfxFolderOf(strTarget), strTemp, dwError);
    if (hTemp != INVALID_HANDLE_VALUE) {
      m_hFile = hTemp;
      m_bCloseOnDelete = TRUE;
      m_strFileName = strTarget;
      m_strTempPath = strTemp;
      return TRUE;
    }
  }
  if (pError != nullptr) {
    pError->m_lOsError = static_cast<LONG>(dwError);
    pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
    pError->m_strFileName = lpszFileName;
  }
  return FALSE;
}

void CSafeSaveFile::Commit() {
  if (m_strTempPath.IsEmpty()) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
  try {
    Flush();  // the new contents are on the device before they take the target's name
  } catch (...) {
    Abort();
    throw;
  }
  const BOOL bClosed = ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  if (!bClosed) FailCommit(static_cast<LONG>(::GetLastError()));
  ReplaceTarget();
  m_strTempPath.Empty();
}

void CSafeSaveFile::ReplaceTarget() {
  const DWORD dwBlocker = ReplaceBlocker(m_strFileName);
  if (dwBlocker != 0) FailCommit(static_cast<LONG>(dwBlocker));
  if (::GetFileAttributesA(m_strFileName) != INVALID_FILE_ATTRIBUTES) {
    if (::ReplaceFileA(m_strFileName, m_strTempPath, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr)) {
      return;
    }
    // Any failure but these left the target as it was. With these, there
    // is no target any more (it went away meanwhile, or ReplaceFile
    // removed it and then could not rename the new file): the new file
    // takes its name below.
    const DWORD dwError = ::GetLastError();
    if (dwError != ERROR_FILE_NOT_FOUND && dwError != ERROR_UNABLE_TO_MOVE_REPLACEMENT) {
      FailCommit(static_cast<LONG>(dwError));
    }
  }
  if (!::MoveFileExA(m_strTempPath, m_strFileName,
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    FailCommit(static_cast<LONG>(::GetLastError()));
  }
}

void CSafeSaveFile::FailCommit(LONG lOsError) {
  const CString strTarget = m_strFileName;
  Abort();
  CFileException::ThrowOsError(lOsError, strTarget);
}

void CSafeSaveFile::Abort() {
  if (m_hFile != hFileNull) ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  if (!m_strTempPath.IsEmpty()) ::DeleteFileA(m_strTempPath);
  m_strTempPath.Empty();
  m_strFileName.Empty();
}
