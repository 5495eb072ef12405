// The archive's buffer between values and the file, raw bytes, text lines,
// strings and counts. Objects and classes: AfxArchiveObjects.cpp.
//
// The buffer is a window [m_lpBufStart, m_lpBufMax) with m_lpBufCur the
// next byte. It is the archive's own memory, or, over a file with direct
// access (a memory file), the file's memory itself: storing then writes in
// place and commits, loading reads in place, with no copy in between.
#include "afx/base/AfxArchive.h"

#include "afx/base/AfxArchiveMaps.h"

#include <climits>
#include <exception>

IMPLEMENT_DYNAMIC(CArchiveException, CException)

CArchiveException::CArchiveException(int cause, LPCSTR lpszArchiveName)
    : m_cause(cause), m_strFileName(lpszArchiveName) {}

void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName) {
  throw new CArchiveException(cause, lpszArchiveName);
}

namespace {

constexpr UINT kMinBufSize = 128;

}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile),
      m_bStoring((nMode & load) == 0),
      m_bDirectBuffer(FALSE),
      m_nMode(nMode),
      m_nBufSize(nBufSize > static_cast<int>(kMinBufSize) ? static_cast<UINT>(nBufSize)
                                                          : kMinBufSize),
      m_nUncaughtAtStart(std::uncaught_exceptions()) {
  if (pFile == nullptr) AfxThrowArchiveException(CArchiveException::genericException);
  m_strFileName = pFile->GetFilePath();
  m_bDirectBuffer = (pFile->GetBufferPtr(CFile::bufferCheck) & CFile::bufferDirect) != 0;
  if (m_bDirectBuffer) return;  // the first window comes from the file when needed
  if (lpBuf != nullptr && nBufSize >= static_cast<int>(kMinBufSize)) {
    m_lpBufStart = static_cast<BYTE*>(lpBuf);
  } else {
    m_lpBufStart = m_lpOwnBuffer = new BYTE[m_nBufSize];
  }
  m_lpBufCur = m_lpBufStart;
  m_lpBufMax = m_bStoring ? m_lpBufStart + m_nBufSize : m_lpBufStart;
  SyncLimits();
}

CArchive::~CArchive() {
  // A destructor must not throw: a failure to write here is lost, so
  // callers that need to know call Close. While an exception unwinds the
  // scope, what was stored is incomplete and is not written at all.
  if (m_pFile != nullptr && (m_nMode & bNoFlushOnDelete) == 0 &&
      std::uncaught_exceptions() <= m_nUncaughtAtStart) {
    try {
      Close();
    } catch (CException* e) {
      e->Delete();
    } catch (...) {
    }
  }
  Abort();
  delete m_pMaps;
  delete[] m_lpOwnBuffer;
}

void CArchive::CheckMode(BOOL bStoring) const {
  if (m_pFile == nullptr) AfxThrowArchiveException(CArchiveException::genericException);
  if (m_bStoring != bStoring) {
    AfxThrowArchiveException(bStoring ? CArchiveException::readOnly : CArchiveException::writeOnly,
                             m_strFileName);
  }
}

UINT CArchive::GetObjectSchema() {
  const UINT nSchema = m_nObjectSchema;
  m_nObjectSchema = static_cast<UINT>(-1);
  return nSchema;
}

// ---- the buffer: storing -------------------------------------------------------

void CArchive::WriteBuffer() {
  if (m_lpBufCur != m_lpBufStart) {
    m_pFile->Write(m_lpBufStart, static_cast<UINT>(m_lpBufCur - m_lpBufStart));
  }
  m_lpBufCur = m_lpBufStart;
}

void CArchive::NewStoreWindow(UINT nBytes) {
  if (m_lpBufCur != m_lpBufStart) {
    m_pFile->GetBufferPtr(CFile::bufferCommit, static_cast<UINT>(m_lpBufCur - m_lpBufStart));
  }
  void* pStart = nullptr;
  void* pMax = nullptr;
  const UINT nWant = nBytes > m_nBufSize ? nBytes : m_nBufSize;
  const UINT nGranted = m_pFile->GetBufferPtr(CFile::bufferWrite, nWant, &pStart, &pMax);
  if (nGranted >= nBytes && pStart != nullptr) {
    m_lpBufStart = m_lpBufCur = static_cast<BYTE*>(pStart);
    m_lpBufMax = static_cast<BYTE*>(pMax);
    SyncLimits();
    return;
  }
  // The file cannot give the room in place (a memory file of fixed size):
  // go on through a buffer of the archive's own, so that the file's Write
  // reports the failure as the file does.
  m_bDirectBuffer = FALSE;
  if (m_lpOwnBuffer == nullptr) m_lpOwnBuffer = new BYTE[m_nBufSize];
  m_lpBufStart = m_lpBufCur = m_lpOwnBuffer;
  m_lpBufMax = m_lpOwnBuffer + m_nBufSize;
  SyncLimits();
}

void CArchive::MakeRoom(UINT nBytes) {
  CheckMode(TRUE);
  if (m_bDirectBuffer) {
    NewStoreWindow(nBytes);
  } else {
    WriteBuffer();
  }
}

void CArchive::Write(const void* lpBuf, UINT nMax) {
  CheckMode(TRUE);
  const BYTE* lpSrc = static_cast<const BYTE*>(lpBuf);
  while (nMax > 0) {
    const size_t nRoom = static_cast<size_t>(m_lpBufMax - m_lpBufCur);
    if (nRoom == 0) {
      if (!m_bDirectBuffer && nMax >= m_nBufSize) {
        WriteBuffer();
        m_pFile->Write(lpSrc, nMax);  // large blocks go to the file directly
        return;
      }
      MakeRoom(nMax < m_nBufSize ? nMax : m_nBufSize);
      continue;
    }
    const UINT nCopy = nRoom < nMax ? static_cast<UINT>(nRoom) : nMax;
    std::memcpy(m_lpBufCur, lpSrc, nCopy);
    m_lpBufCur += nCopy;
    lpSrc += nCopy;
    nMax -= nCopy;
  }
}

// ---- the buffer: loading ---------------------------------------------------------

// Brings more of the file into the window, keeping the bytes not read yet;
// returns the bytes now available (unchanged at the end of the data).
size_t CArchive::ReadAhead() {
  const size_t nLeft = static_cast<size_t>(m_lpBufMax - m_lpBufCur);
  if (m_bDirectBuffer) {
    void* pStart = nullptr;
    void* pMax = nullptr;
    const UINT nGranted = m_pFile->GetBufferPtr(CFile::bufferRead, UINT_MAX, &pStart, &pMax);
    if (nGranted == 0) return nLeft;
    if (nLeft == 0) {
      m_lpBufStart = m_lpBufCur = static_cast<BYTE*>(pStart);
    } else if (pStart != m_lpBufMax) {
      // The file's memory would not continue the window.
      AfxThrowArchiveException(CArchiveException::genericException, m_strFileName);
    }
    m_lpBufMax = static_cast<BYTE*>(pMax);
  } else {
    if (nLeft > 0 && m_lpBufCur != m_lpBufStart) std::memmove(m_lpBufStart, m_lpBufCur, nLeft);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + nLeft;
    const UINT nRoom = m_nBufSize - static_cast<UINT>(nLeft);
    if (nRoom > 0) m_lpBufMax += m_pFile->Read(m_lpBufMax, nRoom);
  }
  SyncLimits();
  return static_cast<size_t>(m_lpBufMax - m_lpBufCur);
}

void CArchive::FillBuffer(UINT nBytes) {
  CheckMode(FALSE);
  size_t nAvailable = static_cast<size_t>(m_lpBufMax - m_lpBufCur);
  while (nAvailable < nBytes) {
    const size_t nBefore = nAvailable;
    nAvailable = ReadAhead();
    if (nAvailable == nBefore) AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
  }
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
  CheckMode(FALSE);
  BYTE* lpDest = static_cast<BYTE*>(lpBuf);
  UINT nRead = 0;
  while (nRead < nMax) {
    size_t nAvailable = static_cast<size_t>(m_lpBufMax - m_lpBufCur);
    if (nAvailable == 0) {
      const UINT nWanted = nMax - nRead;
      if (!m_bDirectBuffer && nWanted >= m_nBufSize) {
        // Large blocks come from the file directly.
        for (UINT n; nRead < nMax && (n = m_pFile->Read(lpDest + nRead, nMax - nRead)) > 0;) {
          nRead += n;
        }
        break;
      }
      nAvailable = ReadAhead();
      if (nAvailable == 0) break;
    }
    const UINT nCopy = nAvailable < nMax - nRead ? static_cast<UINT>(nAvailable) : nMax - nRead;
    std::memcpy(lpDest + nRead, m_lpBufCur, nCopy);
    m_lpBufCur += nCopy;
    nRead += nCopy;
  }
  return nRead;
}

ULONGLONG CArchive::GetBytesLeft() const {
  if (m_pFile == nullptr || m_bStoring) return 0;
  const ULONGLONG nLength = m_pFile->GetLength();
  const ULONGLONG nPosition = m_pFile->GetPosition();
  return static_cast<ULONGLONG>(m_lpBufMax - m_lpBufCur) +
         (nLength > nPosition ? nLength - nPosition : 0);
}

// ---- flushing and closing --------------------------------------------------------

void CArchive::Flush() {
  if (m_pFile == nullptr) return;
  if (m_bStoring) {
    if (m_bDirectBuffer) {
      if (m_lpBufCur != m_lpBufStart) {
        m_pFile->GetBufferPtr(CFile::bufferCommit, static_cast<UINT>(m_lpBufCur - m_lpBufStart));
      }
      m_lpBufStart = m_lpBufCur = m_lpBufMax = nullptr;  // the next write asks for a window
    } else {
      WriteBuffer();
    }
  } else {
    const size_t nLeft = static_cast<size_t>(m_lpBufMax - m_lpBufCur);
    if (nLeft > 0) m_pFile->Seek(-static_cast<LONGLONG>(nLeft), CFile::current);
    if (m_bDirectBuffer) {
      m_lpBufStart = m_lpBufCur = m_lpBufMax = nullptr;
    } else {
      m_lpBufCur = m_lpBufMax = m_lpBufStart;
    }
  }
  SyncLimits();
}

void CArchive::ReleaseBuffers() {
  m_pFile = nullptr;
  m_lpBufStart = m_lpBufCur = m_lpBufMax = nullptr;
  SyncLimits();
}

void CArchive::Close() {
  if (m_pFile == nullptr) return;
  Flush();
  ReleaseBuffers();
}

void CArchive::Abort() { ReleaseBuffers(); }

// ---- text lines ---------------------------------------------------------------------

void CArchive::WriteString(LPCSTR lpsz) {
  if (lpsz != nullptr) Write(lpsz, static_cast<UINT>(std::strlen(lpsz)));
}

int CArchive::ReadChar() {
  if (m_lpBufCur == m_lpBufMax && ReadAhead() == 0) return -1;
  return *m_lpBufCur++;
}

BOOL CArchive::ReadString(CString& rString) {
  CheckMode(FALSE);
  rString.Empty();
  if (m_lpBufCur == m_lpBufMax && ReadAhead() == 0) return FALSE;
  for (int ch = ReadChar(); ch >= 0 && ch != '\n'; ch = ReadChar()) rString += static_cast<char>(ch);
  const int nLength = rString.GetLength();
  if (nLength > 0 && rString[nLength - 1] == '\r') rString = rString.Left(nLength - 1);
  return TRUE;
}

LPSTR CArchive::ReadString(LPSTR lpsz, UINT nMax) {
  CheckMode(FALSE);
  if (lpsz == nullptr || nMax == 0) return nullptr;
  if (m_lpBufCur == m_lpBufMax && ReadAhead() == 0) return nullptr;
  // At most nMax - 1 characters; the rest of a longer line stays for the
  // next call.
  UINT nLength = 0;
  while (nLength + 1 < nMax) {
    const int ch = ReadChar();
    if (ch < 0 || ch == '\n') break;
    lpsz[nLength++] = static_cast<char>(ch);
  }
  if (nLength > 0 && lpsz[nLength - 1] == '\r') --nLength;
  lpsz[nLength] = '\0';
  return lpsz;
}

// ---- counts ---------------------------------------------------------------------------

void CArchive::WriteCount(DWORD_PTR dwCount) {
  if (dwCount < 0xFFFF) {
    *this << static_cast<WORD>(dwCount);
    return;
  }
  *this << static_cast<WORD>(0xFFFF);
  const ULONGLONG nCount = dwCount;
  if (nCount < 0xFFFFFFFFu) {
    *this << static_cast<UINT>(nCount);
  } else {
    *this << static_cast<UINT>(0xFFFFFFFFu) << nCount;
  }
}

DWORD_PTR CArchive::ReadCount() {
  WORD wCount = 0;
  *this >> wCount;
  ULONGLONG nCount = wCount;
  if (wCount == 0xFFFF) {
    UINT dwCount = 0;
    *this >> dwCount;
    nCount = dwCount;
    if (dwCount == 0xFFFFFFFFu) *this >> nCount;  // a 64-bit count
  }
  if (nCount > GetBytesLeft()) AfxThrowArchiveException(CArchiveException::endOfFile, m_strFileName);
  return static_cast<DWORD_PTR>(nCount);
}

// ---- strings ----------------------------------------------------------------------------

namespace {

// Reads a string's length prefix; *pbWide tells whether the string is
// stored in 16-bit characters (marked by 0xFF, 0xFFFE before the length,
// as Unicode builds of the framework write it).
ULONGLONG ReadStringLength(CArchive& ar, bool* pbWide) {
  *pbWide = false;
  BYTE bLength = 0;
  ar >> bLength;
  if (bLength < 0xFF) return bLength;
  WORD wLength = 0;
  ar >> wLength;
  if (wLength == 0xFFFE) {
    *pbWide = true;
    ar >> bLength;
    if (bLength < 0xFF) return bLength;
    ar >> wLength;
  }
  if (wLength < 0xFFFF) return wLength;
  UINT dwLength = 0;
  ar >> dwLength;
  if (dwLength < 0xFFFFFFFFu) return dwLength;
  ULONGLONG qwLength = 0;
  ar >> qwLength;
  return qwLength;
}

// 16-bit characters in the narrow string: ASCII as it is, others as '?'.
void ReadWideCharacters(CArchive& ar, CString& str, int nLength) {
  char* pch = str.GetBufferSetLength(nLength);
  for (int i = 0; i < nLength; ++i) {
    WORD wch = 0;
    ar >> wch;
    pch[i] = wch < 0x80 ? static_cast<char>(wch) : '?';
  }
  str.ReleaseBuffer(nLength);
}

}  // namespace

CArchive& operator<<(CArchive& ar, const CString& str) {
  const UINT nLength = static_cast<UINT>(str.GetLength());
  if (nLength < 0xFF) {
    ar << static_cast<BYTE>(nLength);
  } else if (nLength < 0xFFFE) {
    ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(nLength);
  } else {
    ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF) << nLength;
  }
  ar.Write(static_cast<const char*>(str), nLength);
  return ar;
}

CArchive& operator>>(CArchive& ar, CString& str) {
  bool bWide = false;
  const ULONGLONG nLength = ReadStringLength(ar, &bWide);
  // Checked against the bytes left before the string is given room.
  if (nLength > INT_MAX || (bWide ? nLength * 2 : nLength) > ar.GetBytesLeft()) {
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  }
  const int n = static_cast<int>(nLength);
  if (bWide) {
    ReadWideCharacters(ar, str, n);
    return ar;
  }
  char* pch = str.GetBufferSetLength(n);
  const UINT nRead = ar.Read(pch, static_cast<UINT>(n));
  str.ReleaseBuffer(static_cast<int>(nRead));
  if (nRead != static_cast<UINT>(n)) {
    AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
  }
  return ar;
}
