// Diagnostics for debug builds of a host. Unless _DEBUG is defined, TRACE
// and ASSERT compile to nothing and their arguments are not evaluated;
// VERIFY's argument always is.
//
//   TRACE("%d items\n", n);    printf-style text to the debugger's output
//   TRACE0("text\n") ... TRACE3(format, a, b, c)
//   ASSERT(p != nullptr);      reports file and line; ends, breaks or goes on
//   VERIFY(::DeleteObject(h)); evaluated always, asserted in debug builds
//   ASSERT_VALID(pObject);     non-null, and its AssertValid() if it has one
//   UNUSED_ALWAYS(nFlags);     a parameter deliberately left unused
#pragma once

#include "afx/base/AfxCore.h"
#include "afx/base/AfxString.h"

// The text of TRACE is formatted by the mingw-w64 runtime's printf (the
// library is built with __USE_MINGW_ANSI_STDIO), so the compiler checks the
// arguments against that dialect.
#if defined(__GNUC__)
#  define AFX_PRINTF_LIKE(nFormat, nFirst) __attribute__((format(gnu_printf, nFormat, nFirst)))
#else
#  define AFX_PRINTF_LIKE(nFormat, nFirst)
#endif

// Formats like printf and writes the text to the debugger's output
// (OutputDebugStringA), whatever its length.
VARNEL_API void AfxTrace(LPCSTR lpszFormat, ...) AFX_PRINTF_LIKE(1, 2);
// The same with a CString among the arguments: its characters are passed
// (see afx/AfxString.h).
template <class... Args, std::enable_if_t<afx_detail::kAnyCString<Args...>, int> = 0>
void AfxTrace(LPCSTR lpszFormat, const Args&... args) {
  ::AfxTrace(lpszFormat, afx_detail::VarArg(args)...);
}
// A failed assertion: writes "file(line): assertion failed" to the
// debugger's output and to stderr, then asks the developer with a message
// box naming the program, file and line: Abort ends the process
// (abort()), Retry returns TRUE (ASSERT then breaks into the debugger),
// Ignore returns FALSE (the program goes on). An assertion that fails
// while the thread's prompt is up is only written out (FALSE).
VARNEL_API BOOL AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);

// What asks the developer about a failed assertion: IDABORT, IDRETRY or
// IDIGNORE for the file and line. A test, or a host that logs, sets its
// own; null puts the message box back. Returns the one it replaces.
typedef int (*AFX_ASSERT_PROMPT)(LPCSTR lpszFileName, int nLine);
VARNEL_API AFX_ASSERT_PROMPT AfxSetAssertPrompt(AFX_ASSERT_PROMPT pfnPrompt);

#define AfxDebugBreak() ::DebugBreak()
#define UNUSED_ALWAYS(x) ((void)(x))
#define UNUSED(x) ((void)(x))
#define DEBUG_NEW new

#if defined(_DEBUG)

#  define TRACE ::AfxTrace
#  define ASSERT(f)                                                            \
    do {                                                                       \
      if (!(f) && ::AfxAssertFailedLine(__FILE__, __LINE__)) AfxDebugBreak();  \
    } while (0)
#  define VERIFY(f) ASSERT(f)
#  define ASSERT_VALID(pOb) ::AfxAssertValidObject((pOb), __FILE__, __LINE__)

// ASSERT_VALID's check: calls pOb->AssertValid() when the class has one
// (a host's classes often declare it in debug builds only).
template <class T>
auto AfxCallAssertValid(const T* pOb, int) -> decltype(pOb->AssertValid(), void()) {
  pOb->AssertValid();
}
template <class T>
void AfxCallAssertValid(const T*, long) {}

template <class T>
void AfxAssertValidObject(const T* pOb, LPCSTR lpszFileName, int nLine) {
  if (pOb == nullptr) {
    if (::AfxAssertFailedLine(lpszFileName, nLine)) AfxDebugBreak();
    return;
  }
  AfxCallAssertValid(pOb, 0);
}

#else

// The call stays in the source, unevaluated, so that its arguments still
// count as used and are still checked against the format.
#  define TRACE 1 ? (void)0 : ::AfxTrace
#  define ASSERT(f) ((void)0)
#  define VERIFY(f) ((void)(f))
#  define ASSERT_VALID(pOb) ((void)0)

#endif

#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
