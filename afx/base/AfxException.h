// The framework's exceptions. As in the framework a host is written
// against, they are thrown as pointers to heap objects and the catcher calls
// Delete():
//
//   try { ... } catch (CUserException* e) { e->Delete(); ... }
#pragma once

#include "afx/base/AfxCore.h"

class VARNEL_API CException : public CObject {
  DECLARE_DYNAMIC(CException)

 public:
  // Frees an exception thrown with new (all of the framework's are).
  void Delete();

 protected:
  CException() = default;
};

// A user-input failure: the user has been told already (for instance by a
// message box), so the catcher shows nothing more.
class VARNEL_API CUserException : public CException {
  DECLARE_DYNAMIC(CUserException)
};

// A system resource (a GDI object, memory for a window) could not be had.
class VARNEL_API CResourceException : public CException {
  DECLARE_DYNAMIC(CResourceException)
};

[[noreturn]] VARNEL_API void AfxThrowUserException();
[[noreturn]] VARNEL_API void AfxThrowResourceException();
