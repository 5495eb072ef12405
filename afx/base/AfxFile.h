// CFile: the framework's file, the interface every file kind shares (a
// memory file, a system file) and through which an archive reads and
// writes; CFileException, the failures of files, with the framework's
// causes; CFileStatus.
//
// The system file (Open, Read, Write... over a Windows file handle) lives
// in the Windows build. In the portable core a CFile has no system file
// behind it: Open fails and the other operations throw invalidFile, and
// the memory file (afx/base/AfxMemFile.h) is the file to use.
#pragma once

#include "afx/base/AfxException.h"
#include "afx/base/AfxString.h"
#include "afx/base/AfxTime.h"

class VARNEL_API CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)

 public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile,
    generic = genericException  // the cause's older name
  };

  explicit CFileException(int cause = none, LONG lOsError = -1, LPCSTR lpszFileName = nullptr);

  // The cause for a Windows error code (GetLastError's numbers); causes
  // the framework has no name for are genericException.
  static int OsErrorToException(LONG lOsError);
  [[noreturn]] static void ThrowOsError(LONG lOsError, LPCSTR lpszFileName = nullptr);

#if defined(_WIN32)
  // The cause's message (AFX_IDP_FILE_*), naming the file.
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
#endif

  int m_cause;
  LONG m_lOsError;  // the system's error code, -1 when there is none
  CString m_strFileName;
};

[[noreturn]] VARNEL_API void AfxThrowFileException(int cause, LONG lOsError = -1,
                                                   LPCSTR lpszFileName = nullptr);

struct CFileStatus {
  CTime m_ctime;   // creation
  CTime m_mtime;   // last write
  CTime m_atime;   // last access
  ULONGLONG m_size;
  BYTE m_attribute;  // CFile::Attribute flags
  BYTE m_padding;
  char m_szFullName[260];  // the full path; empty for a memory file
};

class VARNEL_API CFile : public CObject {
  DECLARE_DYNAMIC(CFile)

 public:
  enum OpenFlags : UINT {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
    osNoBuffer = 0x10000,
    osWriteThrough = 0x20000,
    osRandomAccess = 0x40000,
    osSequentialScan = 0x80000
  };
  enum Attribute : BYTE {
    normal = 0x00,
    readOnly = 0x01,
    hidden = 0x02,
    system = 0x04,
    volume = 0x08,
    directory = 0x10,
    archive = 0x20
  };
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };
  // Direct access to a file's memory (GetBufferPtr), which a memory file
  // offers so that an archive reads and writes it in place.
  enum BufferCommand : UINT { bufferRead, bufferWrite, bufferCommit, bufferCheck };
  enum BufferFlags : UINT { bufferDirect = 0x01, bufferBlocking = 0x02 };

  static const HANDLE hFileNull;

  CFile();
  explicit CFile(HANDLE hFile);
  // Opens the file and throws a CFileException when it cannot.
  CFile(LPCSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;

  HANDLE m_hFile;
  operator HANDLE() const { return m_hFile; }  // NOLINT: as the framework's

  // The file's name with its path, its name alone, and its name without
  // the extension.
  virtual CString GetFilePath() const;
  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;
  virtual void SetFilePath(LPCSTR lpszNewName);

  // Opens a system file with the OpenFlags; on failure returns FALSE and
  // fills *pError when given.
  virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

  static void Rename(LPCSTR lpszOldName, LPCSTR lpszNewName);
  static void Remove(LPCSTR lpszFileName);
  static BOOL GetStatus(LPCSTR lpszFileName, CFileStatus& rStatus);

  ULONGLONG SeekToEnd() { return Seek(0, end); }
  void SeekToBegin() { Seek(0, begin); }

  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual ULONGLONG GetLength() const;

  // Reads up to nCount bytes and returns how many it read (fewer at the
  // end of the file); Write writes all of them or throws.
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  // Writes what the system holds for the file to its device.
  virtual void Flush();
  virtual void Close();
  // Closes without throwing, whatever state the file is in.
  virtual void Abort();

  virtual BOOL GetStatus(CFileStatus& rStatus) const;

  // bufferCheck: bufferDirect when the file offers its memory (0 here).
  // The other commands are for files that do; see CMemFile.
  virtual UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = nullptr,
                            void** ppBufMax = nullptr);

 protected:
  BOOL m_bCloseOnDelete;
  CString m_strFileName;
};
