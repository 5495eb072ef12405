// The diagnostic macros as a release build of a host sees them: nothing
// is traced or asserted, and only VERIFY evaluates its argument.
#undef _DEBUG
#include "Varnel.h"

#include "DebugOutput.h"

#include <gtest/gtest.h>

namespace {

int Count(int& n) { return ++n; }

TEST(DiagnosticsRelease, TraceAndAssertVanishVerifyStays) {
  DebugOutput output;
  int n = 0;
  TRACE("%d\n", Count(n));
  TRACE0("text\n");
  TRACE3("%d %d %d\n", Count(n), 2, 3);
  ASSERT(Count(n) == 99);
  ASSERT_VALID(static_cast<CObject*>(nullptr));
  EXPECT_EQ(n, 0);
  VERIFY(Count(n) == 99);
  EXPECT_EQ(n, 1);
  EXPECT_EQ(output.Text(), "");
  ::OutputDebugStringA("seen\n");  // the capture itself works
  EXPECT_EQ(output.Text(), "seen\n");
}

TEST(DiagnosticsRelease, HelpersOfUsualHostCode) {
  const int nUnused = 3;
  UNUSED_ALWAYS(nUnused);
  int* p = DEBUG_NEW int(5);
  EXPECT_EQ(*p, 5);
  delete p;
  EXPECT_STREQ(_T("text"), "text");
  LPCTSTR lpsz = _T("x");
  EXPECT_EQ(lpsz[0], 'x');
}

}  // namespace
