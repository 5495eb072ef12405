#include "afx/base/AfxMemFile.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes),
      m_nPosition(0),
      m_nBufferSize(0),
      m_nFileSize(0),
      m_lpBuffer(nullptr),
      m_bAutoDelete(TRUE) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes) {
  Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() { Close(); }

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
  Close();
  m_lpBuffer = lpBuffer;
  m_nBufferSize = nBufferSize;
  m_nGrowBytes = nGrowBytes;
  m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
  m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach() {
  BYTE* lpBuffer = m_lpBuffer;
  m_lpBuffer = nullptr;
  m_nBufferSize = m_nFileSize = m_nPosition = 0;
  m_bAutoDelete = TRUE;
  return lpBuffer;
}

BOOL CMemFile::Open(LPCSTR lpszFileName, UINT, CFileException* pError) {
  // A memory file has no name to open.
  if (pError != nullptr) {
    pError->m_cause = CFileException::genericException;
    pError->m_strFileName = lpszFileName;
  }
  return FALSE;
}

ULONGLONG CMemFile::GetPosition() const { return m_nPosition; }

ULONGLONG CMemFile::GetLength() const { return m_nFileSize; }

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
  LONGLONG base = 0;
  if (nFrom == current) {
    base = static_cast<LONGLONG>(m_nPosition);
  } else if (nFrom == end) {
    base = static_cast<LONGLONG>(m_nFileSize);
  } else if (nFrom != begin) {
    AfxThrowFileException(CFileException::badSeek);
  }
  // Positions stay far below the limits of 64 bits, so the sum is defined
  // once lOff is known to be inside them.
  const LONGLONG limit = static_cast<LONGLONG>(SIZE_MAX > INT64_MAX ? INT64_MAX : SIZE_MAX);
  if (lOff < -base || lOff > limit - base) AfxThrowFileException(CFileException::badSeek);
  m_nPosition = static_cast<size_t>(base + lOff);
  return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen) {
  if (dwNewLen > SIZE_MAX) AfxThrowMemoryException();
  const size_t nNewLen = static_cast<size_t>(dwNewLen);
  if (nNewLen > m_nBufferSize) GrowFile(nNewLen);
  if (nNewLen > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, nNewLen - m_nFileSize);
  m_nFileSize = nNewLen;
  if (m_nPosition > nNewLen) m_nPosition = nNewLen;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
  if (m_nPosition >= m_nFileSize || nCount == 0) return 0;
  const size_t nLeft = m_nFileSize - m_nPosition;
  const UINT nRead = nLeft < nCount ? static_cast<UINT>(nLeft) : nCount;
  std::memcpy(lpBuf, m_lpBuffer + m_nPosition, nRead);
  m_nPosition += nRead;
  return nRead;
}

size_t CMemFile::EndOfTransfer(UINT nCount) const {
  if (nCount > SIZE_MAX - m_nPosition) AfxThrowMemoryException();
  return m_nPosition + nCount;
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
  if (nCount == 0) return;
  const size_t nEnd = EndOfTransfer(nCount);
  if (nEnd > m_nBufferSize) GrowFile(nEnd);
  if (m_nPosition > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
  std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
  m_nPosition = nEnd;
  if (nEnd > m_nFileSize) m_nFileSize = nEnd;
}

void CMemFile::Close() {
  if (m_bAutoDelete && m_lpBuffer != nullptr) Free(m_lpBuffer);
  m_lpBuffer = nullptr;
  m_nBufferSize = m_nFileSize = m_nPosition = 0;
  m_bAutoDelete = TRUE;
}

void CMemFile::Abort() { Close(); }

BOOL CMemFile::GetStatus(CFileStatus& rStatus) const {
  rStatus = CFileStatus{};
  rStatus.m_size = m_nFileSize;
  return TRUE;
}

UINT CMemFile::GetBufferPtr(UINT nCommand, UINT nCount, void** ppBufStart, void** ppBufMax) {
  UINT nGranted = 0;
  switch (nCommand) {
    case bufferCheck:
      return bufferDirect;
    case bufferCommit: {
      const size_t nEnd = EndOfTransfer(nCount);
      m_nPosition = nEnd <= m_nBufferSize ? nEnd : m_nBufferSize;
      if (m_nPosition > m_nFileSize) m_nFileSize = m_nPosition;
      return 0;
    }
    case bufferRead: {
      const size_t nLeft = m_nPosition < m_nFileSize ? m_nFileSize - m_nPosition : 0;
      nGranted = nLeft < nCount ? static_cast<UINT>(nLeft) : nCount;
      break;
    }
    case bufferWrite: {
      const size_t nEnd = EndOfTransfer(nCount);
      if (nEnd > m_nBufferSize && m_nGrowBytes != 0) GrowFile(nEnd);
      // A gap left by a seek past the end reads as zeros.
      if (m_nPosition > m_nFileSize) {
        const size_t nGapEnd = m_nPosition < m_nBufferSize ? m_nPosition : m_nBufferSize;
        if (nGapEnd > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, nGapEnd - m_nFileSize);
      }
      const size_t nRoom = m_nPosition < m_nBufferSize ? m_nBufferSize - m_nPosition : 0;
      nGranted = nRoom < nCount ? static_cast<UINT>(nRoom) : nCount;
      break;
    }
    default:
      return 0;
  }
  BYTE* lpStart = m_lpBuffer == nullptr ? nullptr : m_lpBuffer + m_nPosition;
  if (ppBufStart != nullptr) *ppBufStart = lpStart;
  if (ppBufMax != nullptr) *ppBufMax = lpStart == nullptr ? nullptr : lpStart + nGranted;
  if (nCommand == bufferRead) m_nPosition += nGranted;
  return nGranted;
}

BYTE* CMemFile::Alloc(size_t nBytes) { return static_cast<BYTE*>(std::malloc(nBytes)); }

BYTE* CMemFile::Realloc(BYTE* lpMem, size_t nBytes) {
  return static_cast<BYTE*>(std::realloc(lpMem, nBytes));
}

void CMemFile::Free(BYTE* lpMem) { std::free(lpMem); }

void CMemFile::GrowFile(size_t nNewLength) {
  if (nNewLength <= m_nBufferSize) return;
  if (m_nGrowBytes == 0) AfxThrowMemoryException();
  // The new end rounded up to the growth step, and at least half as much
  // again as the file has: amortised constant cost per byte written.
  size_t nNewSize = nNewLength;
  const size_t nRemainder = nNewSize % m_nGrowBytes;
  if (nRemainder != 0 && nNewSize <= SIZE_MAX - (m_nGrowBytes - nRemainder)) {
    nNewSize += m_nGrowBytes - nRemainder;
  }
  const size_t nHalf = m_nBufferSize / 2;
  if (m_nBufferSize <= SIZE_MAX - nHalf && nNewSize < m_nBufferSize + nHalf) {
    nNewSize = m_nBufferSize + nHalf;
  }
  BYTE* lpNew = m_lpBuffer == nullptr ? Alloc(nNewSize) : Realloc(m_lpBuffer, nNewSize);
  if (lpNew == nullptr) AfxThrowMemoryException();
  m_lpBuffer = lpNew;
  m_nBufferSize = nNewSize;
}
