// Collects what the process writes with OutputDebugStringA while an
// object of this class lives: the call raises DBG_PRINTEXCEPTION_C, which a
// vectored handler sees before the system's own handling.
#pragma once

#include <windows.h>

#include <string>

class DebugOutput {
 public:
  DebugOutput() { s_pText = &m_text; m_hHandler = ::AddVectoredExceptionHandler(1, Handler); }
  ~DebugOutput() {
    ::RemoveVectoredExceptionHandler(m_hHandler);
    s_pText = nullptr;
  }
  const std::string& Text() const { return m_text; }

  DebugOutput(const DebugOutput&) = delete;
  DebugOutput& operator=(const DebugOutput&) = delete;

 private:
  static LONG CALLBACK Handler(EXCEPTION_POINTERS* pInfo) {
    const EXCEPTION_RECORD* pRecord = pInfo->ExceptionRecord;
    if (pRecord->ExceptionCode == DBG_PRINTEXCEPTION_C && pRecord->NumberParameters >= 2 &&
        s_pText != nullptr) {
      s_pText->append(reinterpret_cast<const char*>(pRecord->ExceptionInformation[1]));
    }
    return EXCEPTION_CONTINUE_SEARCH;
  }

  static inline std::string* s_pText = nullptr;
  std::string m_text;
  PVOID m_hHandler = nullptr;
};
