// The command line: splitting it as the C runtime splits argv, and what
// CCommandLineInfo makes of the arguments.
#include "Varnel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const char* pszCommandLine) {
  std::vector<std::string> args;
  for (const CString& arg : AfxSplitCommandLine(pszCommandLine)) args.emplace_back(arg);
  return args;
}

TEST(CommandLineSplit, FollowsTheRuntimesQuotingRules) {
  struct Case {
    const char* pszLine;
    std::vector<std::string> args;
  };
  const Case cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"one", {"one"}},
      {"  one  two\tthree ", {"one", "two", "three"}},
      {"\"Z:\\My Signs\\Shop front.wzd\"", {"Z:\\My Signs\\Shop front.wzd"}},
      {"/p \"a b\" c", {"/p", "a b", "c"}},
      {"a\"b c\"d e", {"ab cd", "e"}},
      {"\"\"", {""}},
      {"C:\\dir\\ next", {"C:\\dir\\", "next"}},
      {"a\\\\\"b c\"", {"a\\b c"}},        // 2 backslashes + quote: one backslash, the quote groups
      {"a\\\\\\\"b", {"a\\\"b"}},          // 3 backslashes + quote: one backslash, a literal quote
      {"\"x\\\"y\" z", {"x\"y", "z"}},
      {"\"unterminated quote", {"unterminated quote"}},
      {"trailing\\\\", {"trailing\\\\"}},  // backslashes not before a quote stay
  };
  for (const Case& c : cases) EXPECT_EQ(Split(c.pszLine), c.args) << c.pszLine;
  EXPECT_TRUE(AfxSplitCommandLine(nullptr).empty());
}

// Feeds arguments as CWinApp::ParseCommandLine does.
void Parse(CCommandLineInfo& info, const char* pszCommandLine) {
  const std::vector<CString> args = AfxSplitCommandLine(pszCommandLine);
  for (size_t i = 0; i < args.size(); ++i) {
    const char* psz = args[i];
    const BOOL bFlag = psz[0] == '/' || psz[0] == '-';
    info.ParseParam(bFlag ? psz + 1 : psz, bFlag, i + 1 == args.size());
  }
}

TEST(CommandLineInfo, TellsWhatTheProgramWasStartedFor) {
  struct Case {
    const char* pszLine;
    int nShellCommand;
    const char* pszFileName;
  };
  const Case cases[] = {
      {"", CCommandLineInfo::FileNew, ""},
      {"Sign.wzd", CCommandLineInfo::FileOpen, "Sign.wzd"},
      {"\"Z:\\a b\\Sign.wzd\"", CCommandLineInfo::FileOpen, "Z:\\a b\\Sign.wzd"},
      {"--selftest", CCommandLineInfo::FileNew, ""},  // the host's own flag
      {"--selftest Sign.wzd", CCommandLineInfo::FileOpen, "Sign.wzd"},
      {"/p Sign.wzd", CCommandLineInfo::FilePrint, "Sign.wzd"},
      {"/P Sign.wzd", CCommandLineInfo::FilePrint, "Sign.wzd"},
      {"-dde", CCommandLineInfo::FileDDE, ""},
      {"/Unregister", CCommandLineInfo::AppUnregister, ""},
      {"/unregserver", CCommandLineInfo::AppUnregister, ""},
      {"/Embedding", CCommandLineInfo::FileNothing, ""},
      {"/Automation Sign.wzd", CCommandLineInfo::FileOpen, "Sign.wzd"},
  };
  for (const Case& c : cases) {
    CCommandLineInfo info;
    Parse(info, c.pszLine);
    EXPECT_EQ(info.m_nShellCommand, c.nShellCommand) << c.pszLine;
    EXPECT_STREQ(info.m_strFileName, c.pszFileName) << c.pszLine;
  }
}

TEST(CommandLineInfo, PrintToTakesPrinterDriverAndPort) {
  CCommandLineInfo info;
  Parse(info, "/pt Sign.wzd \"Office Printer\" winspool LPT1: extra");
  EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FilePrintTo);
  EXPECT_STREQ(info.m_strFileName, "Sign.wzd");
  EXPECT_STREQ(info.m_strPrinterName, "Office Printer");
  EXPECT_STREQ(info.m_strDriverName, "winspool");
  EXPECT_STREQ(info.m_strPortName, "LPT1:");

  CCommandLineInfo embedded;
  Parse(embedded, "/Embedding");
  EXPECT_TRUE(embedded.m_bRunEmbedded);
  EXPECT_FALSE(embedded.m_bShowSplash);
}

}  // namespace
