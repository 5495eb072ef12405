// CMemFile: a file in memory. Portable; an archive over it stores to and
// loads from memory (a document on the clipboard, a test, a fuzzer).
//
// It grows as it is written: to the written end rounded up to the growth
// step, and at least by half its size, so that writing a large file
// element by element copies each byte a bounded number of times. A memory
// file over a caller's buffer with a growth step of 0 cannot grow; writing
// past its end throws CMemoryException.
#pragma once

#include "afx/base/AfxFile.h"

#include <cstddef>

class VARNEL_API CMemFile : public CFile {
  DECLARE_DYNAMIC(CMemFile)

 public:
  explicit CMemFile(UINT nGrowBytes = 1024);
  // Over a caller's buffer; see Attach.
  CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  ~CMemFile() override;

  // Uses the caller's buffer as the file. With nGrowBytes 0 the buffer's
  // bytes are the file (length nBufferSize) and it cannot grow; otherwise
  // the file starts empty in it, and growing reallocates it with realloc
  // (so it must come from malloc). Detach or Close gives it back.
  void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
  // Gives up the memory (the caller frees it with free() when the file
  // allocated it) and leaves the file empty.
  BYTE* Detach();

  BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
  ULONGLONG GetPosition() const override;
  // Seeking past the end is allowed; a write there fills the gap with zeros.
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  void SetLength(ULONGLONG dwNewLen) override;
  ULONGLONG GetLength() const override;
  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  void Flush() override {}
  void Close() override;
  void Abort() override;
  BOOL GetStatus(CFileStatus& rStatus) const override;

  // Direct access for an archive:
  //  bufferCheck: returns bufferDirect.
  //  bufferRead: up to nCount bytes from the position on; returns how many
  //    and moves the position past them.
  //  bufferWrite: room for up to nCount bytes at the position (growing
  //    when the file can; fewer when it cannot); returns how many. The
  //    position moves when they are committed.
  //  bufferCommit: nCount bytes were written at the position.
  UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = nullptr,
                    void** ppBufMax = nullptr) override;

 protected:
  // The memory the file lives in; a class derived from CMemFile may take it
  // from elsewhere.
  virtual BYTE* Alloc(size_t nBytes);
  virtual BYTE* Realloc(BYTE* lpMem, size_t nBytes);
  virtual void Free(BYTE* lpMem);
  // Makes room for nNewLength bytes, or throws CMemoryException.
  virtual void GrowFile(size_t nNewLength);

  size_t m_nGrowBytes;
  size_t m_nPosition;
  size_t m_nBufferSize;
  size_t m_nFileSize;
  BYTE* m_lpBuffer;
  BOOL m_bAutoDelete;  // the file allocated m_lpBuffer and frees it

 private:
  // The end of a transfer of nCount bytes from the position, or throws
  // when it would not fit in the address space.
  size_t EndOfTransfer(UINT nCount) const;
};
