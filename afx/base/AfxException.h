// The framework's exceptions. As in the framework a host is written
// against, they are thrown as pointers to heap objects and the catcher calls
// Delete():
//
//   try { ... } catch (CUserException* e) { e->Delete(); ... }
//
// or, with the framework's macros, which delete the exception at the end
// of the block that caught it (unless THROW_LAST passed it on):
//
//   TRY { ... }
//   CATCH(CFileException, e) { ... }
//   AND_CATCH(CMemoryException, e) { ... }
//   END_CATCH
//
// A failure to allocate memory inside the framework (strings, arrays,
// collections) arrives as a CMemoryException.
#pragma once

#include "afx/base/AfxCore.h"

class VARNEL_API CException : public CObject {
  DECLARE_DYNAMIC(CException)

 public:
  // Frees an exception thrown with new (all of the framework's are),
  // unless it was made with bAutoDelete FALSE.
  void Delete();

#if defined(_WIN32)
  // The exception's message for the user (from the string table, with the
  // file's name where it names one), truncated to nMaxError characters
  // with its NUL; FALSE, and an empty text, when it has none.
  virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const;
  // Shows the message in a message box (AfxMessageBox), or string
  // nMessageID when there is none (0: "No error message is available.");
  // returns the box's result.
  virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);
#endif

  BOOL m_bAutoDelete;

 protected:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
#if defined(_WIN32)
  // Copies string nID, with %1 replaced by lpszInsert, into the caller's
  // buffer as GetErrorMessage does.
  static BOOL CopyErrorMessage(UINT nID, LPCSTR lpszInsert, LPSTR lpszError, UINT nMaxError);
#endif
};

// A user-input failure: the user has been told already (for instance by a
// message box), so the catcher shows nothing more.
class VARNEL_API CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)

 public:
  CUserException() = default;
#if defined(_WIN32)
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
#endif
};

// A system resource (a GDI object, memory for a window) could not be had.
class VARNEL_API CResourceException : public CException {
  DECLARE_DYNAMIC(CResourceException)

 public:
  CResourceException() = default;
#if defined(_WIN32)
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
#endif
};

// Something the framework cannot do was asked of it: a fault in the host's
// code (a data exchange with a control its dialog does not have, say).
class VARNEL_API CNotSupportedException : public CException {
  DECLARE_DYNAMIC(CNotSupportedException)

 public:
  CNotSupportedException() = default;
#if defined(_WIN32)
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
#endif
};

// Memory ran out, or a fixed buffer (a CMemFile over a caller's memory)
// cannot grow.
class VARNEL_API CMemoryException : public CException {
  DECLARE_DYNAMIC(CMemoryException)

 public:
  CMemoryException() = default;
#if defined(_WIN32)
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;
#endif
};

[[noreturn]] VARNEL_API void AfxThrowUserException();
[[noreturn]] VARNEL_API void AfxThrowResourceException();
[[noreturn]] VARNEL_API void AfxThrowNotSupportedException();
[[noreturn]] VARNEL_API void AfxThrowMemoryException();

// ---- the framework's exception macros --------------------------------------------

// The exception a CATCH block caught: deleted when the block ends, unless
// it is thrown on (THROW_LAST, or THROW of the same exception).
class VARNEL_API CAfxCaughtException {
 public:
  CAfxCaughtException();
  ~CAfxCaughtException();
  CAfxCaughtException(const CAfxCaughtException&) = delete;
  CAfxCaughtException& operator=(const CAfxCaughtException&) = delete;

  void Hold(CException* e) { m_pException = e; }
  void Release() { m_pException = nullptr; }
  // Releases e from the blocks of this thread that hold it (it is being
  // thrown again); returns e.
  static CException* Release(CException* e);

 private:
  CException* m_pException = nullptr;
  CAfxCaughtException* m_pOuter;  // the enclosing TRY's, on this thread
};

#define TRY                              \
  {                                      \
    CAfxCaughtException afxCaughtException; \
    try
#define CATCH(class_name, e) \
  catch (class_name * e) {   \
    afxCaughtException.Hold(e);
#define AND_CATCH(class_name, e) \
  }                              \
  catch (class_name * e) {       \
    afxCaughtException.Hold(e);
#define END_CATCH \
  }               \
  }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL END_CATCH
template <class E>
[[noreturn]] void AfxThrowCaught(E* e) {
  CAfxCaughtException::Release(e);
  throw e;
}

// Throws an exception made with new (the catcher deletes it).
#define THROW(e) AfxThrowCaught(e)
// Inside a CATCH block: throws the caught exception on to the next TRY.
#define THROW_LAST() (afxCaughtException.Release(), throw)
