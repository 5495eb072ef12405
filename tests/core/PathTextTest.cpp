// Path names as the framework shows them: a file's name, and paths
// shortened for the recent-file menu.
#include "Varnel.h"

#include <gtest/gtest.h>

namespace {

TEST(PathText, FileNameIsWhatFollowsTheLastSeparator) {
  EXPECT_STREQ(AfxPathFileName("C:\\Plans\\Sign.wzd"), "Sign.wzd");
  EXPECT_STREQ(AfxPathFileName("Z:/tmp/a b.wzd"), "a b.wzd");
  EXPECT_STREQ(AfxPathFileName("C:Sign.wzd"), "Sign.wzd");
  EXPECT_STREQ(AfxPathFileName("Sign.wzd"), "Sign.wzd");
  EXPECT_STREQ(AfxPathFileName("C:\\Plans\\"), "");
}

TEST(PathText, LongPathsKeepTheirRootAndAsManyLastFoldersAsFit) {
  struct Case {
    const char* pszPath;
    int nMax;
    const char* pszShown;
  };
  const char* const pszLong = "C:\\Users\\Me\\Documents\\Plans\\Sign.wzd";  // 36 characters
  const Case cases[] = {
      {pszLong, 36, pszLong},                              // fits whole
      {pszLong, 35, "C:\\...\\Me\\Documents\\Plans\\Sign.wzd"},  // one folder dropped
      {pszLong, 33, "C:\\...\\Documents\\Plans\\Sign.wzd"},
      {pszLong, 31, "C:\\...\\Documents\\Plans\\Sign.wzd"},  // exactly
      {pszLong, 30, "C:\\...\\Plans\\Sign.wzd"},
      {pszLong, 21, "C:\\...\\Plans\\Sign.wzd"},
      {pszLong, 20, "C:\\...\\Sign.wzd"},
      {pszLong, 15, "C:\\...\\Sign.wzd"},
      {pszLong, 14, "Sign.wzd"},  // not even the root fits: the name alone
      {pszLong, 3, "Sign.wzd"},   // longer than asked, never cut
      {"\\\\server\\share\\projects\\2024\\Sign.wzd", 30, "\\\\server\\share\\...\\Sign.wzd"},
      {"\\\\server\\share\\projects\\2024\\Sign.wzd", 33, "\\\\server\\share\\...\\2024\\Sign.wzd"},
      {"relative\\folder\\deeper\\Sign.wzd", 20, "...\\deeper\\Sign.wzd"},
      {"ALongFileNameWithoutFolders.wzd", 10, "ALongFileNameWithoutFolders.wzd"},
  };
  for (const Case& c : cases) {
    const CString strShown = AfxAbbreviatePath(c.pszPath, c.nMax);
    EXPECT_STREQ(strShown, c.pszShown) << c.pszPath << " in " << c.nMax;
  }
}

}  // namespace
