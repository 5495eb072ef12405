// The program's command line as the framework reads it: CCommandLineInfo
// takes the arguments one by one (ParseParam) and says what the program
// was started to do (m_nShellCommand: a new document, open a file, print
// it...). CWinApp::ParseCommandLine feeds it the arguments and
// ProcessShellCommand carries the command out.
//
//   CCommandLineInfo cmdInfo;
//   ParseCommandLine(cmdInfo);
//   if (!ProcessShellCommand(cmdInfo)) return FALSE;
#pragma once

#include "afx/base/AfxCore.h"
#include "afx/base/AfxString.h"

#include <vector>

class VARNEL_API CCommandLineInfo : public CObject {
 public:
  CCommandLineInfo() = default;

  // One argument: pszParam without its leading '/' or '-' when bFlag.
  // Flags: /p prints the file, /pt prints it to the printer, driver and
  // port that follow; /dde, /Embedding, /Automation, /Unregister (and
  // /Unregserver). The first other argument is the file to open.
  virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

  BOOL m_bShowSplash = TRUE;
  BOOL m_bRunEmbedded = FALSE;
  BOOL m_bRunAutomated = FALSE;
  enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppUnregister, FileNothing = -1 };
  int m_nShellCommand = FileNew;

  CString m_strFileName;
  CString m_strPrinterName;
  CString m_strDriverName;
  CString m_strPortName;

 protected:
  void ParseParamFlag(const char* pszParam);
  void ParseParamNotFlag(const char* pszParam);
  void ParseLast(BOOL bLast);
};

// The arguments of a command line (as WinMain gets it: without the
// program's name), split as the C runtime splits argv: white space
// separates them; double quotes group (and are removed); 2n backslashes
// before a quote give n backslashes and the quote groups, 2n+1 give n
// backslashes and a literal quote; other backslashes are kept.
VARNEL_API std::vector<CString> AfxSplitCommandLine(const char* pszCommandLine);
