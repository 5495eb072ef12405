// The diagnostic macros as a debug build of a host sees them.
#ifndef _DEBUG
#  define _DEBUG 1
#endif
#include "Varnel.h"

#include "DebugOutput.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(DiagnosticsDebugDeathTest, FailedAssertionNamesFileAndLineAndStops) {
  EXPECT_DEATH(ASSERT(1 + 1 == 3), "DiagnosticsDebugTest\\.cpp\\(\\d+\\): assertion failed");
  EXPECT_DEATH(ASSERT_VALID(static_cast<CObject*>(nullptr)), "assertion failed");
}

}  // namespace
