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
      {"MakeReverse", [](CString& s) { s.MakeReverse(); }},
      {"Replace char", [](CString& s) { s.Replace('b', 'x'); }},
      {"Replace text", [](CString& s) { s.Replace("bc", "x"); }},
      {"Remove", [](CString& s) { s.Remove('a'); }},
      {"Insert char", [](CString& s) { s.Insert(1, 'x'); }},
      {"Insert text", [](CString& s) { s.Insert(9, "xy"); }},
      {"Delete", [](CString& s) { s.Delete(1, 2); }},
      {"TrimLeft chars", [](CString& s) { s.TrimLeft(" a"); }},
      {"TrimRight char", [](CString& s) { s.TrimRight(' '); }},
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

// Each edit on a fresh string: the text it leaves and what it returns.
TEST(CString, EditsAsTheFrameworkDocumentsThem) {
  struct Edit {
    const char* pszName;
    const char* pszBefore;
    std::function<int(CString&)> edit;
    const char* pszAfter;
    int nResult;
  };
  const std::vector<Edit> edits = {
      {"Replace char", "a.b.c", [](CString& s) { return s.Replace('.', ','); }, "a,b,c", 2},
      {"Replace char absent", "abc", [](CString& s) { return s.Replace('x', 'y'); }, "abc", 0},
      {"Replace text longer", "1 in + 2 in", [](CString& s) { return s.Replace("in", "inch"); },
       "1 inch + 2 inch", 2},
      {"Replace text shorter", "aaaa", [](CString& s) { return s.Replace("aa", "b"); }, "bb", 2},
      {"Replace text by nothing", "x--y--", [](CString& s) { return s.Replace("--", nullptr); },
       "xy", 2},
      {"Replace empty old", "abc", [](CString& s) { return s.Replace("", "x"); }, "abc", 0},
      {"Replace own text", "abab", [](CString& s) { return s.Replace(s.Left(2), s); },
       "abababab", 2},
      {"Remove", "a-b--c", [](CString& s) { return s.Remove('-'); }, "abc", 3},
      {"Insert char", "ac", [](CString& s) { return s.Insert(1, 'b'); }, "abc", 3},
      {"Insert before the start", "bc", [](CString& s) { return s.Insert(-5, "a"); }, "abc", 3},
      {"Insert after the end", "ab", [](CString& s) { return s.Insert(99, "cd"); }, "abcd", 4},
      {"Insert own text", "ab", [](CString& s) { return s.Insert(1, s); }, "aabb", 4},
      {"Delete", "abcdef", [](CString& s) { return s.Delete(1, 3); }, "aef", 3},
      {"Delete past the end", "abcdef", [](CString& s) { return s.Delete(4, 50); }, "abcd", 4},
      {"Delete one", "abc", [](CString& s) { return s.Delete(0); }, "bc", 2},
      {"Delete nothing", "abc", [](CString& s) { return s.Delete(3, 2); }, "abc", 3},
      {"MakeReverse", "abc", [](CString& s) { return s.MakeReverse(), 0; }, "cba", 0},
      {"TrimLeft char", "xxaxx", [](CString& s) { return s.TrimLeft('x'), 0; }, "axx", 0},
      {"TrimRight char", "xxaxx", [](CString& s) { return s.TrimRight('x'), 0; }, "xxa", 0},
      {"TrimLeft set", "-+-1.5+", [](CString& s) { return s.TrimLeft("+-"), 0; }, "1.5+", 0},
      {"TrimRight set", "1.500 ", [](CString& s) { return s.TrimRight("0 "), 0; }, "1.5", 0},
      {"TrimRight all", "000", [](CString& s) { return s.TrimRight('0'), 0; }, "", 0},
      {"Trim set", "[x]", [](CString& s) { return s.Trim("[]"), 0; }, "x", 0},
  };
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.pszName);
    CString s(edit.pszBefore);
    EXPECT_EQ(edit.edit(s), edit.nResult);
    EXPECT_EQ(s, edit.pszAfter);
    EXPECT_EQ(s.GetLength(), static_cast<int>(std::string(edit.pszAfter).size()));
  }
}

TEST(CString, SpansFindsAndComparisons) {
  const CString s("12.5 cm, 3 in");
  EXPECT_EQ(s.SpanIncluding("0123456789."), "12.5");
  EXPECT_EQ(s.SpanIncluding("x"), "");
  EXPECT_EQ(s.SpanExcluding(","), "12.5 cm");
  EXPECT_EQ(s.SpanExcluding("#"), s);
  EXPECT_EQ(s.Find(' ', 5), 8);
  EXPECT_EQ(s.Find("in", 12), -1);
  EXPECT_EQ(s.Find("", 13), 13);
  EXPECT_EQ(s.FindOneOf(",m"), 6);
  EXPECT_EQ(s.FindOneOf("#"), -1);
  EXPECT_LT(CString("Apple").CompareNoCase("banana"), 0);
  EXPECT_GT(CString("apple").Compare("Banana"), 0);  // case counts
  EXPECT_LT(CString("abc").Collate("abd"), 0);
  EXPECT_EQ(CString("abc").Collate("abc"), 0);
}

TEST(CString, FormatsMessagesWithNumberedInserts) {
  const CString name("plan.vnl");
  struct Case {
    const char* pszExpected;
    CString text;
  };
  const auto message = [](const char* pszFormat, auto... args) {
    CString text;
    text.FormatMessage(pszFormat, args...);
    return text;
  };
  const std::vector<Case> cases = {
      {"Save plan.vnl?", message("Save %1?", name)},
      {"b then a", message("%2 then %1", "a", "b")},
      {"a a", message("%1 %1", "a")},
      {"7 items of 2.50 cm", message("%1!d! items of %2!.2f! %3", 7, 2.5, "cm")},
      {"[  42|ff|-3]", message("[%1!4u!|%2!x!|%3!d!]", 42u, 255, -3)},
      {"64: 8589934592", message("%1!d!: %2!I64d!", 64, 8589934592LL)},
      {"x%1 50% done.", message("x%%1 %1!d!%% done%.", 50)},
      {"one\r\ntwo", message("one%ntwo")},
      {"cut", message("cut%0 away", 1)},
      {"tenth: j", message("tenth: %10", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j")},
      {"char Z!", message("char %1!c!%!", 'Z')},
      {"trailing %", message("trailing %")},
  };
  for (const Case& c : cases) EXPECT_EQ(c.text, c.pszExpected);
}

}  // namespace
