#include "afx/base/AfxString.h"

#include <gtest/gtest.h>

namespace {

TEST(CString, FindsAndCutsWithinBounds) {
  const CString s("1 3/4 in/x");
  EXPECT_EQ(s.GetLength(), 10);
  EXPECT_EQ(s.Find('/'), 3);
  EXPECT_EQ(s.Find('/', 4), 8);
  EXPECT_EQ(s.Find('/', 99), -1);
  EXPECT_EQ(s.ReverseFind('/'), 8);
  EXPECT_EQ(s.Find("in"), 6);
  EXPECT_EQ(s.Find("zz"), -1);
  EXPECT_EQ(s.FindOneOf("%/"), 3);
  EXPECT_EQ(s.Mid(2, 3), "3/4");
  EXPECT_EQ(s.Mid(8), "/x");
  EXPECT_EQ(s.Mid(20), "");
  EXPECT_EQ(s.Mid(-3, 1), "1");
  EXPECT_EQ(s.Left(50), s);
  EXPECT_EQ(s.Right(2), "/x");
  EXPECT_EQ(s.GetAt(99), '\0');
}

TEST(CString, BuildsComparesAndTrims) {
  CString s = CString("12") + '.' + "5" + CString(" cm");
  EXPECT_EQ(s, "12.5 cm");
  EXPECT_TRUE(CString("a") < CString("b"));
  EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);
  CString t("  \t x y \n");
  t.TrimLeft();
  EXPECT_EQ(t, "x y \n");
  t.TrimRight();
  EXPECT_EQ(t, "x y");
  EXPECT_EQ(CString('-', 3), "---");
  EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
}

TEST(CString, FormatsAndLendsItsBuffer) {
  CString s;
  s.Format("%s=%d/%.*f", "x", 42, 2, 0.125);
  EXPECT_EQ(s, "x=42/0.12");
  s.Format("%0300d", 7);  // longer than any fixed buffer
  EXPECT_EQ(s.GetLength(), 300);

  char* buffer = s.GetBuffer(10);
  buffer[0] = 'o';
  buffer[1] = 'k';
  buffer[2] = '\0';
  s.ReleaseBuffer();
  EXPECT_EQ(s, "ok");
  CString empty;
  empty.GetBuffer(0);
  empty.ReleaseBuffer();
  EXPECT_TRUE(empty.IsEmpty());
}

}  // namespace
