// CArchive: stores values, strings and graphs of objects into a file and
// loads them back, in the framework's byte layout, so that files written
// by one version of a program are read by every later one:
//  - numbers are little-endian: BYTE/char 1 byte, WORD/short 2, int/UINT/
//    LONG/DWORD/float 4, LONGLONG/ULONGLONG/double 8 (floats as IEEE bits);
//  - a CString is its length, then its characters (no terminator). The
//    length takes one byte below 255; else 0xFF and a WORD below 0xFFFE;
//    else 0xFF, 0xFFFF and a DWORD;
//  - a count (WriteCount) is a WORD below 0xFFFF, else 0xFFFF and a DWORD;
//  - an object pointer is a WORD tag: 0 for null; the object's number when
//    it was stored before in this archive (so it loads once, however often
//    it is stored); else its class, then its data (Serialize). A class new
//    to the archive is 0xFFFF, its schema (WORD), the length of its name
//    (WORD) and the name; a class seen before is 0x8000 | its number.
//    Classes and objects are numbered together from 1, in the order they
//    are first stored. A number of 0x7FFF or more is written as the WORD
//    0x7FFF followed by a DWORD (with 0x80000000 set for a class).
//
// Loading refuses damaged input with a CArchiveException: endOfFile when
// the data ends early, or when a count or a length is larger than the bytes
// left (checked before anything is allocated for it); badClass for an
// unknown class or one of the wrong kind; badSchema for a schema the class
// does not read; badIndex for a reference that names nothing loaded, and
// for objects nested deeper than the archive follows. An object whose
// Serialize throws is deleted before the exception leaves ReadObject.
#pragma once

#include "afx/base/AfxException.h"
#include "afx/base/AfxString.h"
#include "afx/base/AfxFile.h"

#include <cstddef>
#include <cstring>

class CDocument;
struct CArchiveMaps;

class VARNEL_API CArchiveException : public CException {
  DECLARE_DYNAMIC(CArchiveException)

 public:
  enum {
    none,
    genericException,
    readOnly,   // a write into an archive that loads
    endOfFile,  // the data ended early
    writeOnly,  // a read from an archive that stores
    badIndex,   // not the framework's file format
    badClass,   // an object of an unknown class, or not of the class asked for
    badSchema,  // an object of another version of its class
    generic = genericException  // the cause's older name
  };

  explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);

#if defined(_WIN32)
  // The cause's message (AFX_IDP_ARCH_*), naming the file.
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
#endif

  int m_cause;
  CString m_strFileName;
};

[[noreturn]] VARNEL_API void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);

class VARNEL_API CArchive {
 public:
  enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

  // nBufSize: the buffer between the values and the file. lpBuf: a
  // caller's buffer of that size (at least 128 bytes), or null for the
  // archive's own, which is at least 64 KB (fewer calls of the file).
  // Over a file with direct buffer access (a CMemFile) the archive reads
  // and writes the file's memory in place instead.
  CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096, void* lpBuf = nullptr);
  // Closes the archive, unless it was made with bNoFlushOnDelete or an
  // exception is leaving the scope: then it abandons what it holds.
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  BOOL IsLoading() const { return !m_bStoring; }
  BOOL IsStoring() const { return m_bStoring; }
  BOOL IsByteSwapping() const { return FALSE; }
  BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
  CFile* GetFile() const { return m_pFile; }

  // The schema of the object being loaded, for a class with
  // VERSIONABLE_SCHEMA; (UINT)-1 when asked a second time.
  UINT GetObjectSchema();
  void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

  // Raw bytes: Read returns how many it read (fewer at the end of the data).
  UINT Read(void* lpBuf, UINT nMax);
  void Write(const void* lpBuf, UINT nMax);
  // Text lines: WriteString writes the characters only; ReadString reads
  // up to a newline and drops it (and a carriage return before it).
  void WriteString(LPCSTR lpsz);
  LPSTR ReadString(LPSTR lpsz, UINT nMax);  // null at the end of the data
  BOOL ReadString(CString& rString);        // FALSE at the end of the data

  // Storing: hands the buffer to the file. Loading: gives the file back
  // the bytes read ahead (the file's position is after what was read).
  void Flush();
  void Close();
  // Ends the archive without writing what it holds and without throwing.
  void Abort();

  // Objects (also through << and >> with object pointers).
  CObject* ReadObject(const CRuntimeClass* pClass);
  void WriteObject(const CObject* pOb);
  // Classes alone, as the object tags store them.
  CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                           UINT* pSchema = nullptr, DWORD* pObTag = nullptr);
  void WriteClass(const CRuntimeClass* pClassRef);
  void SerializeClass(const CRuntimeClass* pClassRef);
  // Numbers an object that is not stored in the archive (such as the
  // document) on both sides, so that stored references to it come back.
  void MapObject(const CObject* pOb);

  // Counts of the items that follow. ReadCount refuses (endOfFile) a count
  // larger than the bytes left: each item takes at least one byte.
  void WriteCount(DWORD_PTR dwCount);
  DWORD_PTR ReadCount();
  // Loading: the bytes not read yet, in the buffer and in the file.
  ULONGLONG GetBytesLeft() const;

  CArchive& operator<<(BYTE by) { return Put(by); }
  CArchive& operator<<(char ch) { return Put(ch); }
  CArchive& operator<<(WORD w) { return Put(w); }
  CArchive& operator<<(short n) { return Put(n); }
  CArchive& operator<<(int i) { return Put(i); }
  CArchive& operator<<(UINT u) { return Put(u); }
  CArchive& operator<<(LONGLONG n) { return Put(n); }
  CArchive& operator<<(ULONGLONG n) { return Put(n); }
  CArchive& operator<<(float f) { return Put(f); }
  CArchive& operator<<(double d) { return Put(d); }
  CArchive& operator>>(BYTE& by) { return Get(by); }
  CArchive& operator>>(char& ch) { return Get(ch); }
  CArchive& operator>>(WORD& w) { return Get(w); }
  CArchive& operator>>(short& n) { return Get(n); }
  CArchive& operator>>(int& i) { return Get(i); }
  CArchive& operator>>(UINT& u) { return Get(u); }
  CArchive& operator>>(LONGLONG& n) { return Get(n); }
  CArchive& operator>>(ULONGLONG& n) { return Get(n); }
  CArchive& operator>>(float& f) { return Get(f); }
  CArchive& operator>>(double& d) { return Get(d); }
#if defined(_WIN32)
  // Elsewhere LONG is int and DWORD is UINT, which have their operators.
  CArchive& operator<<(LONG l) { return Put(l); }
  CArchive& operator<<(DWORD dw) { return Put(dw); }
  CArchive& operator>>(LONG& l) { return Get(l); }
  CArchive& operator>>(DWORD& dw) { return Get(dw); }
#endif

  CDocument* m_pDocument = nullptr;  // the document being stored or loaded
  CString m_strFileName;             // named in the archive's exceptions

 private:
  static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
                "values are copied as they lie in memory: little-endian only");

  // The fast paths compare with a limit of their own direction, which in
  // the other direction is the window's start (never after m_lpBufCur):
  // a value in the wrong direction takes the slow path, which refuses it.
  template <class T>
  CArchive& Put(T value) {
    if (m_lpStoreMax - m_lpBufCur < static_cast<ptrdiff_t>(sizeof(T))) MakeRoom(sizeof(T));
    // The position moves before the copy: a copy of bytes may alias any
    // member, and would make the compiler read the position again.
    BYTE* const lpDest = m_lpBufCur;
    m_lpBufCur = lpDest + sizeof(T);
    std::memcpy(lpDest, &value, sizeof(T));
    return *this;
  }
  template <class T>
  CArchive& Get(T& value) {
    if (m_lpLoadMax - m_lpBufCur < static_cast<ptrdiff_t>(sizeof(T))) FillBuffer(sizeof(T));
    const BYTE* const lpSrc = m_lpBufCur;
    m_lpBufCur = m_lpBufCur + sizeof(T);
    // Through a local: a copy of bytes straight into the caller's variable
    // may alias any member, so the next value would read the archive's
    // position and limit from memory again; a store of a T cannot change
    // them (for the multi-byte types), and they stay in registers.
    T loaded;
    std::memcpy(&loaded, lpSrc, sizeof(T));
    value = loaded;
    return *this;
  }

  // Storing: at least nBytes of room at m_lpBufCur, or throws.
  void MakeRoom(UINT nBytes);
  // Loading: at least nBytes to read at m_lpBufCur, or throws endOfFile.
  void FillBuffer(UINT nBytes);
  size_t ReadAhead();
  int ReadChar();  // -1 at the end of the data
  void CheckMode(BOOL bStoring) const;
  void WriteBuffer();
  void NewStoreWindow(UINT nBytes);
  void ReleaseBuffers();
  // Sets m_lpStoreMax and m_lpLoadMax after the window changed.
  void SyncLimits() {
    m_lpStoreMax = m_bStoring ? m_lpBufMax : m_lpBufStart;
    m_lpLoadMax = m_bStoring ? m_lpBufStart : m_lpBufMax;
  }
  CArchiveMaps& Maps();
  void WriteObjectTag(DWORD nIndex, BOOL bClass);
  CObject* LoadNewObject(CRuntimeClass* pClass, UINT nSchema);

  CFile* m_pFile;
  BOOL m_bStoring;
  BOOL m_bDirectBuffer;  // the window is the file's own memory
  UINT m_nMode;
  UINT m_nBufSize;
  UINT m_nObjectSchema = static_cast<UINT>(-1);
  BYTE* m_lpBufStart = nullptr;
  BYTE* m_lpBufCur = nullptr;
  BYTE* m_lpBufMax = nullptr;    // the end of the room (storing) or of the data (loading)
  BYTE* m_lpStoreMax = nullptr;  // m_lpBufMax when storing, else m_lpBufStart
  BYTE* m_lpLoadMax = nullptr;   // m_lpBufMax when loading, else m_lpBufStart
  BYTE* m_lpOwnBuffer = nullptr;  // allocated by the archive, freed by it
  CArchiveMaps* m_pMaps = nullptr;
  int m_nUncaughtAtStart;         // exceptions in flight when it was made
};

// Strings and object pointers.
VARNEL_API CArchive& operator<<(CArchive& ar, const CString& str);
VARNEL_API CArchive& operator>>(CArchive& ar, CString& str);
VARNEL_API CArchive& operator<<(CArchive& ar, const CObject* pOb);
VARNEL_API CArchive& operator>>(CArchive& ar, CObject*& pOb);
VARNEL_API CArchive& operator>>(CArchive& ar, const CObject*& pOb);
