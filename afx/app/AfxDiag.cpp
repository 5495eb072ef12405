#include "afx/app/AfxDiag.h"

#include "afx/app/AfxThreadLocal.h"

#include <atomic>
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

namespace {

// The system's message box, over the thread's windows (which it disables
// while it is up).
int AssertMessageBox(LPCSTR lpszFileName, int nLine) {
  char program[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, program, MAX_PATH);
  char text[2 * MAX_PATH + 200];
  std::snprintf(text, sizeof text,
                "Program: %s\nFile: %s\nLine: %d\n\n"
                "Abort ends the program, Retry debugs it, Ignore goes on.",
                program, lpszFileName, nLine);
  return ::MessageBoxA(nullptr, text, "Assertion Failed",
                       MB_ABORTRETRYIGNORE | MB_ICONHAND | MB_TASKMODAL | MB_SETFOREGROUND);
}

std::atomic<AFX_ASSERT_PROMPT> g_pfnPrompt{&AssertMessageBox};

// Whether the calling thread is asking about an assertion: the message box
// pumps messages, and handlers that fail again must not stack boxes.
struct Prompting {
  bool bUp = false;
};

bool& PromptUp() {
  static auto* prompting = new CThreadLocal<Prompting>;
  return prompting->Get()->bUp;
}

}  // namespace

AFX_ASSERT_PROMPT AfxSetAssertPrompt(AFX_ASSERT_PROMPT pfnPrompt) {
  const AFX_ASSERT_PROMPT pfnOld =
      g_pfnPrompt.exchange(pfnPrompt != nullptr ? pfnPrompt : &AssertMessageBox);
  return pfnOld == &AssertMessageBox ? nullptr : pfnOld;
}

BOOL AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
  char text[512];
  std::snprintf(text, sizeof text, "%s(%d): assertion failed\n", lpszFileName, nLine);
  ::OutputDebugStringA(text);
  std::fputs(text, stderr);
  std::fflush(stderr);
  bool& bPromptUp = PromptUp();
  if (bPromptUp) return FALSE;
  bPromptUp = true;
  const int nAnswer = g_pfnPrompt.load()(lpszFileName, nLine);
  bPromptUp = false;
  if (nAnswer == IDIGNORE) return FALSE;
  if (nAnswer == IDRETRY) return TRUE;
  // Abort, or no box could be shown (no desktop): the process ends, in
  // the debugger first when there is one.
  if (nAnswer != IDABORT && ::IsDebuggerPresent()) return TRUE;
  std::abort();
}
