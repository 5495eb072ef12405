// CFile over a Windows file handle: the system file of the Windows build.
// Failures throw CFileException with the system's error code and the cause
// it maps to (Open returns FALSE instead, filling its exception).
#include "afx/base/AfxFile.h"

#include "afx/app/AfxFilePath.h"

#include <cstring>

namespace {

// Seconds since 1970 from the system's 100-nanosecond units since 1601.
CTime TimeFromFileTime(const FILETIME& ft) {
  const ULONGLONG nTicks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
  const ULONGLONG nEpoch = 116444736000000000ull;
  if (nTicks < nEpoch) return CTime(0);
  return CTime(static_cast<LONGLONG>((nTicks - nEpoch) / 10000000ull));
}

void CopyFullName(CFileStatus& rStatus, const char* pszName) {
  std::strncpy(rStatus.m_szFullName, pszName, sizeof rStatus.m_szFullName - 1);
  rStatus.m_szFullName[sizeof rStatus.m_szFullName - 1] = '\0';
}

DWORD AccessFromFlags(UINT nOpenFlags) {
  switch (nOpenFlags & 3) {
    case CFile::modeRead: return GENERIC_READ;
    case CFile::modeWrite: return GENERIC_WRITE;
    case CFile::modeReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return 0;
  }
}

DWORD ShareFromFlags(UINT nOpenFlags) {
  switch (nOpenFlags & 0x70) {
    case CFile::shareDenyWrite: return FILE_SHARE_READ;
    case CFile::shareDenyRead: return FILE_SHARE_WRITE;
    case CFile::shareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;  // shareCompat, shareExclusive
  }
}

DWORD AttributesFromFlags(UINT nOpenFlags) {
  DWORD dwAttributes = FILE_ATTRIBUTE_NORMAL;
  if (nOpenFlags & CFile::osNoBuffer) dwAttributes |= FILE_FLAG_NO_BUFFERING;
  if (nOpenFlags & CFile::osWriteThrough) dwAttributes |= FILE_FLAG_WRITE_THROUGH;
  if (nOpenFlags & CFile::osRandomAccess) dwAttributes |= FILE_FLAG_RANDOM_ACCESS;
  if (nOpenFlags & CFile::osSequentialScan) dwAttributes |= FILE_FLAG_SEQUENTIAL_SCAN;
  return dwAttributes;
}

void FillError(CFileException* pError, LONG lOsError, LPCSTR lpszFileName) {
  if (pError == nullptr) return;
  pError->m_cause = CFileException::OsErrorToException(lOsError);
  pError->m_lOsError = lOsError;
  pError->m_strFileName = lpszFileName;
}

}  // namespace

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile() {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error)) {
    AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
  }
}

CFile::~CFile() {
  if (m_hFile != hFileNull && m_bCloseOnDelete) ::CloseHandle(m_hFile);
}

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  if (m_hFile != hFileNull) Abort();
  const DWORD dwAccess = AccessFromFlags(nOpenFlags);
  if (dwAccess == 0) {
    FillError(pError, ERROR_INVALID_PARAMETER, lpszFileName);
    return FALSE;
  }
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr,
                                  (nOpenFlags & modeNoInherit) == 0 ? TRUE : FALSE};
  const DWORD dwCreation = (nOpenFlags & modeCreate) == 0 ? OPEN_EXISTING
                           : (nOpenFlags & modeNoTruncate) != 0 ? OPEN_ALWAYS
                                                                : CREATE_ALWAYS;
  const HANDLE hFile = ::CreateFileA(lpszFileName, dwAccess, ShareFromFlags(nOpenFlags), &security,
                                     dwCreation, AttributesFromFlags(nOpenFlags), nullptr);
  if (hFile == INVALID_HANDLE_VALUE) {
    FillError(pError, static_cast<LONG>(::GetLastError()), lpszFileName);
    return FALSE;
  }
  m_hFile = hFile;
  m_bCloseOnDelete = TRUE;
  m_strFileName = AfxFullPath(lpszFileName);
  return TRUE;
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR lpszNewName) {
  if (!::MoveFileA(lpszOldName, lpszNewName)) {
    CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszOldName);
  }
}

void CFile::Remove(LPCSTR lpszFileName) {
  if (!::DeleteFileA(lpszFileName)) {
    CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), lpszFileName);
  }
}

BOOL CFile::GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(lpszFileName, GetFileExInfoStandard, &data)) return FALSE;
  rStatus = CFileStatus{};
  rStatus.m_ctime = TimeFromFileTime(data.ftCreationTime);
  rStatus.m_mtime = TimeFromFileTime(data.ftLastWriteTime);
  rStatus.m_atime = TimeFromFileTime(data.ftLastAccessTime);
  rStatus.m_size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  rStatus.m_attribute = static_cast<BYTE>(data.dwFileAttributes);
  CopyFullName(rStatus, AfxFullPath(lpszFileName));
  return TRUE;
}

namespace {

[[noreturn]] void ThrowLastError(const CString& strFileName) {
  CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), strFileName);
}

}  // namespace

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
  if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
  if (nFrom > end) AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
  LARGE_INTEGER distance;
  distance.QuadPart = lOff;
  LARGE_INTEGER position;
  if (!::SetFilePointerEx(m_hFile, distance, &position, nFrom)) ThrowLastError(m_strFileName);
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetPosition() const {
  if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
  LARGE_INTEGER zero;
  zero.QuadPart = 0;
  LARGE_INTEGER position;
  if (!::SetFilePointerEx(m_hFile, zero, &position, FILE_CURRENT)) ThrowLastError(m_strFileName);
  return static_cast<ULONGLONG>(position.QuadPart);
}

ULONGLONG CFile::GetLength() const {
  if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(m_hFile, &size)) ThrowLastError(m_strFileName);
  return static_cast<ULONGLONG>(size.QuadPart);
}

void CFile::SetLength(ULONGLONG dwNewLen) {
  if (dwNewLen > static_cast<ULONGLONG>(INT64_MAX)) {
    AfxThrowFileException(CFileException::badSeek, -1, m_strFileName);
  }
  Seek(static_cast<LONGLONG>(dwNewLen), begin);
  if (!::SetEndOfFile(m_hFile)) ThrowLastError(m_strFileName);
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
  if (nCount == 0) return 0;
  if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
  DWORD nRead = 0;
  if (!::ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr)) ThrowLastError(m_strFileName);
  return nRead;
}

void CFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
  DWORD nWritten = 0;
  if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr)) ThrowLastError(m_strFileName);
  if (nWritten != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::Flush() {
  if (m_hFile == hFileNull) return;
  if (!::FlushFileBuffers(m_hFile)) ThrowLastError(m_strFileName);
}

void CFile::Close() {
  BOOL bClosed = TRUE;
  if (m_hFile != hFileNull) bClosed = ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  if (!bClosed) ThrowLastError(m_strFileName);
  m_strFileName.Empty();
}

void CFile::Abort() {
  if (m_hFile != hFileNull) ::CloseHandle(m_hFile);
  m_hFile = hFileNull;
  m_bCloseOnDelete = FALSE;
  m_strFileName.Empty();
}

BOOL CFile::GetStatus(CFileStatus& rStatus) const {
  rStatus = CFileStatus{};
  BY_HANDLE_FILE_INFORMATION info;
  if (m_hFile == hFileNull || !::GetFileInformationByHandle(m_hFile, &info)) return FALSE;
  rStatus.m_ctime = TimeFromFileTime(info.ftCreationTime);
  rStatus.m_mtime = TimeFromFileTime(info.ftLastWriteTime);
  rStatus.m_atime = TimeFromFileTime(info.ftLastAccessTime);
  rStatus.m_size = (static_cast<ULONGLONG>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  rStatus.m_attribute = static_cast<BYTE>(info.dwFileAttributes);
  CopyFullName(rStatus, m_strFileName);
  return TRUE;
}
