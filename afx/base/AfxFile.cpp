// What every file shares, in both builds: its name, its exception, and the
// default of direct buffer access (none).
#include "afx/base/AfxFile.h"

IMPLEMENT_DYNAMIC(CFileException, CException)
IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1));

// ---- CFileException ----------------------------------------------------------

CFileException::CFileException(int cause, LONG lOsError, LPCSTR lpszFileName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszFileName) {}

int CFileException::OsErrorToException(LONG lOsError) {
  // Windows error codes (winerror.h), written out so that the portable
  // core maps them too.
  switch (lOsError) {
    case 0: return none;
    case 2: return fileNotFound;              // ERROR_FILE_NOT_FOUND
    case 3:                                   // ERROR_PATH_NOT_FOUND
    case 15:                                  // ERROR_INVALID_DRIVE
    case 53:                                  // ERROR_BAD_NETPATH
    case 123:                                 // ERROR_INVALID_NAME
    case 161:                                 // ERROR_BAD_PATHNAME
    case 206: return badPath;                 // ERROR_FILENAME_EXCED_RANGE
    case 4: return tooManyOpenFiles;          // ERROR_TOO_MANY_OPEN_FILES
    case 5:                                   // ERROR_ACCESS_DENIED
    case 19:                                  // ERROR_WRITE_PROTECT
    case 80:                                  // ERROR_FILE_EXISTS
    case 183: return accessDenied;            // ERROR_ALREADY_EXISTS
    case 6: return invalidFile;               // ERROR_INVALID_HANDLE
    case 16: return removeCurrentDir;         // ERROR_CURRENT_DIRECTORY
    case 18:                                  // ERROR_NO_MORE_FILES
    case 82: return directoryFull;            // ERROR_CANNOT_MAKE
    case 25:                                  // ERROR_SEEK
    case 131: return badSeek;                 // ERROR_NEGATIVE_SEEK
    case 23:                                  // ERROR_CRC
    case 29:                                  // ERROR_WRITE_FAULT
    case 30:                                  // ERROR_READ_FAULT
    case 31:                                  // ERROR_GEN_FAILURE
    case 1117: return hardIO;                 // ERROR_IO_DEVICE
    case 32: return sharingViolation;         // ERROR_SHARING_VIOLATION
    case 33: return lockViolation;            // ERROR_LOCK_VIOLATION
    case 39:                                  // ERROR_HANDLE_DISK_FULL
    case 112: return diskFull;                // ERROR_DISK_FULL
    case 38: return endOfFile;                // ERROR_HANDLE_EOF
    default: return genericException;
  }
}

void CFileException::ThrowOsError(LONG lOsError, LPCSTR lpszFileName) {
  AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void AfxThrowFileException(int cause, LONG lOsError, LPCSTR lpszFileName) {
  throw new CFileException(cause, lOsError, lpszFileName);
}

// ---- CFile: names --------------------------------------------------------------

namespace {

// Where the name begins: after the last separator of folders or drive.
int NameStart(const CString& strPath) {
  for (int i = strPath.GetLength() - 1; i >= 0; --i) {
    const char ch = strPath[i];
    if (ch == '\\' || ch == '/' || ch == ':') return i + 1;
  }
  return 0;
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CString CFile::GetFilePath() const { return m_strFileName; }

CString CFile::GetFileName() const { return m_strFileName.Mid(NameStart(m_strFileName)); }

CString CFile::GetFileTitle() const {
  const CString strName = GetFileName();
  const int nDot = strName.ReverseFind('.');
  return nDot > 0 ? strName.Left(nDot) : strName;
}

void CFile::SetFilePath(LPCSTR lpszNewName) { m_strFileName = lpszNewName; }

UINT CFile::GetBufferPtr(UINT, UINT, void**, void**) { return 0; }
