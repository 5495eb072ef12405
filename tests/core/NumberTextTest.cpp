// The number text of entry fields; the dialog's refusals and prompts are
// in tests/win/DataExchangeTest.cpp.
#include "afx/base/AfxNumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <string>

namespace {

TEST(NumberText, NumbersAreTheWholeText) {
  const struct {
    const char* text;
    int64_t value;
  } wholes[] = {
      {" \t-17 ", -17}, {"+5", 5}, {"-0", 0}, {"2147483648", 2147483648},
      {"99999999999999999999", kWholeNumberBound}, {"-99999999999999999999", -kWholeNumberBound},
  };
  for (const auto& c : wholes) {
    int64_t value = -1;
    EXPECT_TRUE(ReadWholeNumber(c.text, value)) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  for (const char* text : {"", " ", "-", "+-1", "12abc", "1 2", "1.5", "0x10", "- 1"}) {
    int64_t value = -1;
    EXPECT_FALSE(ReadWholeNumber(text, value)) << text;
    EXPECT_EQ(value, -1) << text;
  }
  double real = -1.0;
  EXPECT_TRUE(ReadRealNumber(" -.25e1\t", real));
  EXPECT_EQ(real, -2.5);
  for (const char* text : {"", ".", "12abc", "1.5.2", "1,5", "1e", "inf", "nan", "1 5"}) {
    EXPECT_FALSE(ReadRealNumber(text, real)) << text;
  }
  EXPECT_EQ(real, -2.5);
}

TEST(NumberText, SignificantDigitsAsPrintfGWritesThem) {
  const struct {
    double value;
    int digits;
    const char* text;
  } cases[] = {
      {static_cast<float>(0.1), FLT_DIG, "0.1"},
      {static_cast<float>(0.1), DBL_DIG, "0.100000001490116"},
      {123456789.0, FLT_DIG, "1.23457e+08"},
      {123456.0, FLT_DIG, "123456"},
      {1e-5, DBL_DIG, "1e-05"},
      {0.0001, DBL_DIG, "0.0001"},
      {0.0, DBL_DIG, "0"},
      {2.5, 1, "2"},  // ties to even in every build
  };
  for (const auto& c : cases) EXPECT_EQ(WriteRealNumber(c.value, c.digits), c.text) << c.value;
}

// Under a comma locale the comma is the separator both ways, and a period
// makes the text refused instead of reading "1.5" as 1.
TEST(NumberText, FollowsTheNumericLocale) {
  struct Restore {
    std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ~Restore() { std::setlocale(LC_NUMERIC, saved.c_str()); }
  } restore;
  bool bComma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German", "deu"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      bComma = true;
      break;
    }
  }
  if (!bComma) GTEST_SKIP() << "no German locale on this machine";
  double value = 0.0;
  EXPECT_TRUE(ReadRealNumber("1,5", value));
  EXPECT_EQ(value, 1.5);
  EXPECT_FALSE(ReadRealNumber("1.5", value));
  EXPECT_EQ(WriteRealNumber(0.25, DBL_DIG), "0,25");
}

}  // namespace
