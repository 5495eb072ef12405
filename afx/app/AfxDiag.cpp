#include "afx/app/AfxDiag.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

void AfxTrace(LPCSTR lpszFormat, ...) {
  va_list args;
  va_start(args, lpszFormat);
  va_list argsAgain;
  va_copy(argsAgain, args);
  const int nLength = std::vsnprintf(nullptr, 0, lpszFormat, args);
  va_end(args);
  if (nLength >= 0) {
    std::vector<char> text(static_cast<size_t>(nLength) + 1);
    std::vsnprintf(text.data(), text.size(), lpszFormat, argsAgain);
    ::OutputDebugStringA(text.data());
  }
  va_end(argsAgain);
}

void AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
  char text[512];
  std::snprintf(text, sizeof text, "%s(%d): assertion failed\n", lpszFileName, nLine);
  ::OutputDebugStringA(text);
  std::fputs(text, stderr);
  std::fflush(stderr);
  if (::IsDebuggerPresent()) {
    ::DebugBreak();
    return;
  }
  std::abort();
}
