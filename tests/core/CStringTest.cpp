#include "afx/base/AfxString.h"

#include <gtest/gtest.h>

#include <cstdarg>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

// A host's own printf-style function over FormatV.
CString Printed(const char* pszFormat, ...) AFX_PRINTF_FORMAT(1, 2);
CString Printed(const char* pszFormat, ...) {
  va_list args;
  va_start(args, pszFormat);
  CString text;
  text.FormatV(pszFormat, args);
  va_end(args);
  return text;
}

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

TEST(CString, IsOnePointerAtItsCharacters) {
  const CString s("hello");
  static_assert(sizeof(CString) == sizeof(const char*), "one pointer wide");
  const char* const pchData = *reinterpret_cast<const char* const*>(&s);
  EXPECT_EQ(pchData, static_cast<const char*>(s));
  EXPECT_STREQ(pchData, "hello");
  const CString empty;
  EXPECT_STREQ(*reinterpret_cast<const char* const*>(&empty), "");
}

TEST(CString, CopiesShareUntilOneChanges) {
  // Each change made to a copy leaves the original as it was.
  const std::vector<std::pair<const char*, std::function<void(CString&)>>> changes = {
      {"SetAt", [](CString& s) { s.SetAt(0, 'x'); }},
      {"+= char", [](CString& s) { s += '!'; }},
      {"+= text", [](CString& s) { s += " and more"; }},
      {"MakeUpper", [](CString& s) { s.MakeUpper(); }},
      {"TrimRight", [](CString& s) { s.TrimRight(); }},
      {"TrimLeft", [](CString& s) { s.TrimLeft(); }},
      {"Format", [](CString& s) { s.Format("%d", 5); }},
      {"GetBuffer", [](CString& s) { s.GetBuffer(2)[0] = 'x'; s.ReleaseBuffer(); }},
      {"GetBufferSetLength", [](CString& s) { s.GetBufferSetLength(1); }},
      {"= text", [](CString& s) { s = "other"; }},
      {"Empty", [](CString& s) { s.Empty(); }},
  };
  for (const auto& change : changes) {
    SCOPED_TRACE(change.first);
    const CString original(" abc ");
    CString copy(original);
    EXPECT_EQ(static_cast<const char*>(copy), static_cast<const char*>(original));
    change.second(copy);
    EXPECT_EQ(original, " abc ");
    EXPECT_EQ(original.GetLength(), 5);
    EXPECT_NE(static_cast<const char*>(copy), static_cast<const char*>(original));
  }
  CString moved(CString("kept"));
  CString target("old");
  target = std::move(moved);
  EXPECT_EQ(target, "kept");
}

TEST(CString, TakesItsOwnCharactersAsArguments) {
  CString s("ab");
  s += s;
  EXPECT_EQ(s, "abab");
  s += static_cast<const char*>(s) + 3;
  EXPECT_EQ(s, "ababb");
  s = static_cast<const char*>(s) + 1;
  EXPECT_EQ(s, "babb");
  s.Format("%s-%s", static_cast<const char*>(s), static_cast<const char*>(s));
  EXPECT_EQ(s, "babb-babb");
  for (int i = 0; i < 1000; ++i) s += static_cast<char>('a' + i % 26);
  EXPECT_EQ(s.GetLength(), 1009);
  EXPECT_EQ(s.Right(3), "jkl");
}

TEST(CString, PassesItsCharactersToFormattingCalls) {
  const CString hello("hello");
  CString s;
  s.Format("[%s] %d", CString("hello"), 7);
  EXPECT_EQ(s, "[hello] 7");
  s.Format("%s, %s%c", hello, hello + " again", '!');
  EXPECT_EQ(s, "hello, hello again!");
  char buffer[32];
  EXPECT_EQ(sprintf(buffer, "<%s:%d>", hello, 3), 9);
  EXPECT_STREQ(buffer, "<hello:3>");
  // Through a va_list, long enough that measuring and writing both read
  // the arguments.
  const std::string longText(500, 'q');
  const CString printed = Printed("%s|%d|%s", longText.c_str(), -12, static_cast<const char*>(hello));
  EXPECT_EQ(printed, (longText + "|-12|hello").c_str());
}

TEST(CString, CopiesLiveOnSeveralThreads) {
  const CString shared(CString('s', 100));
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&shared] {
      for (int i = 0; i < 20000; ++i) {
        CString copy(shared);
        CString other = copy;
        if (other.GetLength() != 100) std::abort();
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(shared, CString('s', 100));
}

TEST(CString, BufferLengthsAreClampedToTheRoom) {
  CString s("abc");
  char* p = s.GetBufferSetLength(6);
  EXPECT_EQ(s.GetLength(), 6);
  EXPECT_EQ(p[6], '\0');
  p[3] = 'd';
  s.ReleaseBuffer(4);
  EXPECT_EQ(s, "abcd");
  s.GetBuffer(2);
  s.ReleaseBuffer(100);  // beyond the room: up to the room
  EXPECT_EQ(s.GetLength(), 6);
  CString shared(s);
  shared.ReleaseBuffer(1);  // no buffer was lent: nothing changes
  EXPECT_EQ(s.GetLength(), 6);
  EXPECT_EQ(shared.GetLength(), 6);
}

}  // namespace
