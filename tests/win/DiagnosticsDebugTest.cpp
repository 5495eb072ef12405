// The diagnostic macros as a debug build of a host sees them.
#ifndef _DEBUG
#  define _DEBUG 1
#endif
#include "Varnel.h"

#include "DebugOutput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Checked {
  mutable int nChecks = 0;
  void AssertValid() const { ++nChecks; }
};

TEST(DiagnosticsDebug, TraceWritesFormattedTextToTheDebugger) {
  DebugOutput output;
  TRACE("%d items of %s\n", 3, "paper");
  TRACE0("plain %d\n");
  TRACE1("%u\n", 4000000000u);
  TRACE2("%d %s\n", -1, "x");
  TRACE3(_T("%s%s%s\n"), "a", "b", "c");
  const std::string long_text(2000, 'z');
  TRACE("%s", long_text.c_str());
  const CString name("sheet");
  TRACE("\n%s %d %s\n", name, 2, CString("copies"));
  EXPECT_EQ(output.Text(), "3 items of paper\nplain %d\n4000000000\n-1 x\nabc\n" + long_text +
                               "\nsheet 2 copies\n");
  char buffer[64];
  EXPECT_EQ(wsprintf(buffer, "%s/%d", name, 7), 7);
  EXPECT_STREQ(buffer, "sheet/7");
}

TEST(DiagnosticsDebug, AssertionsEvaluateTheirArgumentOnce) {
  int n = 0;
  ASSERT(++n == 1);
  VERIFY(++n == 2);
  EXPECT_EQ(n, 2);
  Checked checked;
  ASSERT_VALID(&checked);
  EXPECT_EQ(checked.nChecks, 1);
  CRect rect;  // no AssertValid: only the null test
  ASSERT_VALID(&rect);
  CEdit edit;
  ASSERT_KINDOF(CWnd, &edit);
}

// What the developer answered, and what was asked.
struct AssertQuestion {
  std::string file;
  int nLine;
};
std::vector<AssertQuestion> g_questions;
int g_nAnswer = IDIGNORE;
int g_nBreaks = 0;

int AnswerAssert(LPCSTR lpszFileName, int nLine) {
  g_questions.push_back({lpszFileName, nLine});
  return g_nAnswer;
}

// The debugger's part: a break is counted and stepped over.
LONG CALLBACK StepOverBreak(EXCEPTION_POINTERS* pInfo) {
  if (pInfo->ExceptionRecord->ExceptionCode != EXCEPTION_BREAKPOINT) return EXCEPTION_CONTINUE_SEARCH;
  ++g_nBreaks;
  const auto pAfter = reinterpret_cast<ULONG_PTR>(pInfo->ExceptionRecord->ExceptionAddress) + 1;
#if defined(__x86_64__)
  pInfo->ContextRecord->Rip = pAfter;
#else
  pInfo->ContextRecord->Eip = pAfter;
#endif
  return EXCEPTION_CONTINUE_EXECUTION;
}

class AssertPrompt : public ::testing::Test {
 protected:
  void SetUp() override {
    g_questions.clear();
    g_nBreaks = 0;
    m_pfnOld = AfxSetAssertPrompt(&AnswerAssert);
    m_hHandler = ::AddVectoredExceptionHandler(1, &StepOverBreak);
  }
  void TearDown() override {
    ::RemoveVectoredExceptionHandler(m_hHandler);
    AfxSetAssertPrompt(m_pfnOld);
  }
  AFX_ASSERT_PROMPT m_pfnOld = nullptr;
  PVOID m_hHandler = nullptr;
};

TEST_F(AssertPrompt, IgnoreGoesOnAndRetryBreaksIntoTheDebugger) {
  struct Case {
    int nAnswer;
    int nBreaks;
  };
  for (const Case c : {Case{IDIGNORE, 0}, Case{IDRETRY, 1}}) {
    SCOPED_TRACE(c.nAnswer);
    g_questions.clear();
    g_nBreaks = 0;
    g_nAnswer = c.nAnswer;
    bool bWentOn = false;
    DebugOutput output;
    const int nLine = __LINE__ + 1;
    ASSERT(1 + 1 == 3);
    bWentOn = true;
    EXPECT_TRUE(bWentOn);
    EXPECT_EQ(g_nBreaks, c.nBreaks);
    ASSERT_EQ(g_questions.size(), 1u);
    EXPECT_NE(g_questions[0].file.find("DiagnosticsDebugTest.cpp"), std::string::npos);
    EXPECT_EQ(g_questions[0].nLine, nLine);
    EXPECT_NE(output.Text().find("DiagnosticsDebugTest.cpp(" + std::to_string(nLine) +
                                 "): assertion failed"),
              std::string::npos)
        << output.Text();
  }
  g_questions.clear();
  g_nBreaks = 0;
  g_nAnswer = IDRETRY;
  ASSERT_VALID(static_cast<CObject*>(nullptr));
  EXPECT_EQ(g_nBreaks, 1);
  ASSERT(2 > 1);
  EXPECT_EQ(g_questions.size(), 1u) << "a holding assertion asks nothing";
}

int AssertAgain(LPCSTR lpszFileName, int nLine) {
  ASSERT(lpszFileName == nullptr);  // fails while the prompt is up
  return AnswerAssert(lpszFileName, nLine);
}

TEST_F(AssertPrompt, AnAssertionFailingWhileThePromptIsUpAsksNothingMore) {
  AfxSetAssertPrompt(&AssertAgain);
  g_nAnswer = IDIGNORE;
  ASSERT(false);
  EXPECT_EQ(g_questions.size(), 1u);
  EXPECT_EQ(g_nBreaks, 0);
}

// The developer at the message box: reads it and answers Ignore.
std::string g_boxCaption, g_boxText;
void CALLBACK IgnoreTheBox(HWND, UINT, UINT_PTR nID, DWORD) {
  const HWND hBox = ::FindWindowA("#32770", "Assertion Failed");
  if (hBox == nullptr) return;
  ::KillTimer(nullptr, nID);
  char text[1024] = {};
  ::GetWindowTextA(hBox, text, sizeof text);
  g_boxCaption = text;
  ::GetDlgItemTextA(hBox, 0xFFFF, text, sizeof text);  // the box's message
  g_boxText = text;
  ::PostMessageA(hBox, WM_COMMAND, IDIGNORE, 0);
}

TEST(DiagnosticsDebug, FailedAssertionAsksInAMessageBoxWithFileAndLine) {
  AfxSetAssertPrompt(nullptr);
  const UINT_PTR nTimer = ::SetTimer(nullptr, 0, 50, &IgnoreTheBox);
  const int nLine = __LINE__ + 1;
  ASSERT(nTimer == 0);
  ::KillTimer(nullptr, nTimer);
  EXPECT_EQ(g_boxCaption, "Assertion Failed");
  EXPECT_NE(g_boxText.find("File: "), std::string::npos) << g_boxText;
  EXPECT_NE(g_boxText.find("DiagnosticsDebugTest.cpp"), std::string::npos) << g_boxText;
  EXPECT_NE(g_boxText.find("Line: " + std::to_string(nLine)), std::string::npos) << g_boxText;
  EXPECT_NE(g_boxText.find("varnel_framework_tests"), std::string::npos) << "the program";
}

int Abort(LPCSTR, int) { return IDABORT; }

TEST(DiagnosticsDebugDeathTest, AbortEndsTheProgramNamingFileAndLine) {
  EXPECT_DEATH(
      {
        AfxSetAssertPrompt(&Abort);
        ASSERT(1 + 1 == 3);
      },
      "DiagnosticsDebugTest\\.cpp\\(\\d+\\): assertion failed");
  EXPECT_DEATH(
      {
        AfxSetAssertPrompt(&Abort);
        ASSERT_VALID(static_cast<CObject*>(nullptr));
      },
      "assertion failed");
}

}  // namespace
