// CFile's system-file operations in the portable core, which has no system
// files: nothing opens, and using a file that is not open throws, as it
// does in the Windows build. Built natively only; the Windows build has the
// real ones (afx/app/AfxFileWin32.cpp).
#include "afx/base/AfxFile.h"

namespace {

[[noreturn]] void ThrowNotOpen(const CString& strFileName) {
  AfxThrowFileException(CFileException::invalidFile, -1, strFileName);
}

}  // namespace

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile() {
  CFileException error;
  if (!Open(lpszFileName, nOpenFlags, &error)) AfxThrowFileException(error.m_cause, -1, lpszFileName);
}

CFile::~CFile() = default;

BOOL CFile::Open(LPCSTR lpszFileName, UINT, CFileException* pError) {
  if (pError != nullptr) {
    pError->m_cause = CFileException::genericException;
    pError->m_lOsError = -1;
    pError->m_strFileName = lpszFileName;
  }
  return FALSE;
}

void CFile::Rename(LPCSTR lpszOldName, LPCSTR) {
  AfxThrowFileException(CFileException::genericException, -1, lpszOldName);
}

void CFile::Remove(LPCSTR lpszFileName) {
  AfxThrowFileException(CFileException::genericException, -1, lpszFileName);
}

BOOL CFile::GetStatus(LPCSTR, CFileStatus&) { return FALSE; }

ULONGLONG CFile::GetPosition() const { ThrowNotOpen(m_strFileName); }
ULONGLONG CFile::Seek(LONGLONG, UINT) { ThrowNotOpen(m_strFileName); }
void CFile::SetLength(ULONGLONG) { ThrowNotOpen(m_strFileName); }
ULONGLONG CFile::GetLength() const { ThrowNotOpen(m_strFileName); }
UINT CFile::Read(void*, UINT) { ThrowNotOpen(m_strFileName); }
void CFile::Write(const void*, UINT) { ThrowNotOpen(m_strFileName); }
void CFile::Flush() {}
void CFile::Close() {}
void CFile::Abort() {}
BOOL CFile::GetStatus(CFileStatus&) const { return FALSE; }
