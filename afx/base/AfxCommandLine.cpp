#include "afx/base/AfxCommandLine.h"

namespace {

bool SameFlag(const char* pszParam, const char* pszFlag) {
  return CString(pszParam).CompareNoCase(pszFlag) == 0;
}

}  // namespace

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
  if (bFlag) {
    ParseParamFlag(pszParam);
  } else {
    ParseParamNotFlag(pszParam);
  }
  ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam) {
  if (SameFlag(pszParam, "pt")) {
    m_nShellCommand = FilePrintTo;
  } else if (SameFlag(pszParam, "p")) {
    m_nShellCommand = FilePrint;
  } else if (SameFlag(pszParam, "dde")) {
    m_nShellCommand = FileDDE;
  } else if (SameFlag(pszParam, "Embedding")) {
    m_bRunEmbedded = TRUE;
    m_bShowSplash = FALSE;
  } else if (SameFlag(pszParam, "Automation")) {
    m_bRunAutomated = TRUE;
    m_bShowSplash = FALSE;
  } else if (SameFlag(pszParam, "Unregister") || SameFlag(pszParam, "Unregserver")) {
    m_nShellCommand = AppUnregister;
  }
  // Other flags belong to the host, which reads them in its own ParseParam.
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam) {
  if (m_strFileName.IsEmpty()) {
    m_strFileName = pszParam;
  } else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty()) {
    m_strPrinterName = pszParam;
  } else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty()) {
    m_strDriverName = pszParam;
  } else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty()) {
    m_strPortName = pszParam;
  }
}

void CCommandLineInfo::ParseLast(BOOL bLast) {
  if (!bLast) return;
  if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty()) m_nShellCommand = FileOpen;
  // A program started for another program's sake shows no new document.
  if (m_nShellCommand == FileNew && (m_bRunEmbedded || m_bRunAutomated)) {
    m_nShellCommand = FileNothing;
  }
}

std::vector<CString> AfxSplitCommandLine(const char* pszCommandLine) {
  std::vector<CString> args;
  if (pszCommandLine == nullptr) return args;
  const char* p = pszCommandLine;
  for (;;) {
    while (*p == ' ' || *p == '\t') ++p;
    if (*p == '\0') return args;
    CString arg;
    bool bQuoted = false;
    for (; *p != '\0' && (bQuoted || (*p != ' ' && *p != '\t')); ++p) {
      if (*p == '\\') {
        const char* pRun = p;
        while (*p == '\\') ++p;
        const int nBackslashes = static_cast<int>(p - pRun);
        if (*p != '"') {
          arg += CString('\\', nBackslashes);
          --p;  // the loop steps onto the character after the run
          continue;
        }
        if (nBackslashes / 2 > 0) arg += CString('\\', nBackslashes / 2);
        if (nBackslashes % 2 == 1) {
          arg += '"';
          continue;
        }
      }
      if (*p == '"') {
        bQuoted = !bQuoted;
      } else {
        arg += *p;
      }
    }
    args.push_back(arg);
  }
}
