#include "amount/AmountText.h"
#include "afx/base/DecimalText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

namespace {

TEST(DecimalText, FixedTextRoundsExactTiesToEven) {
  const struct {
    double value;
    int precision;
    const char* text;
  } cases[] = {
      {12.5, 0, "12"},          {13.5, 0, "14"},    {0.0078125, 6, "0.007812"},
      {2.5, 0, "2"},            {0.125, 2, "0.12"}, {0.375, 2, "0.38"},
      {-0.5, 0, "-0"},          {1.0 / 3, 3, "0.333"}, {1e21, 1, "1000000000000000000000.0"},
      {2.675, 2, "2.67"},  // the double is below the tie
      {0.1, -1, "0.100000"},
  };
  for (const auto& c : cases) EXPECT_EQ(WriteFixed(c.value, c.precision), c.text) << c.value;
  EXPECT_EQ(WriteFixed(1.5, 5000).size(), 2u + 1074u) << "decimals capped where doubles end";
}

TEST(DecimalText, ScansTheDecimalGrammarOnly) {
  const struct {
    const char* text;
    std::size_t length;
    double value;
  } cases[] = {
      {"12.5cm", 4, 12.5},  {"-.5e-1x", 6, -0.05}, {"+3", 2, 3.0},     {"1e", 1, 1.0},
      {"1e+", 1, 1.0},      {"7.", 2, 7.0},        {"0x1p3", 1, 0.0},  {"1e-310", 6, 1e-310},
      {"1e999", 5, HUGE_VAL}, {"-1e999", 6, -HUGE_VAL}, {"1e-999", 6, 0.0},
      {"0e99999999999999999999", 22, 0.0}, {"0.000001e310", 12, 1e304},
      // Correctly rounded beyond 15 digits and beyond the exact powers of ten.
      {"9007199254740993", 16, 9007199254740992.0}, {"0.10000000000000000555", 22, 0.1},
      {"1e23", 4, 1e23},    {"123456789012345e-30", 19, 123456789012345e-30},
      {"954085567341.69085", 18, 954085567341.69085},  // rounding twice would give ...6909
  };
  for (const auto& c : cases) {
    double value = -7.0;
    EXPECT_EQ(ScanDecimal(c.text, value), c.length) << c.text;
    EXPECT_EQ(value, c.value) << c.text;
  }
  for (const char* none : {"", ".", "-", "+.", "e5", " 1", "inf", "nan"}) {
    double value = -7.0;
    EXPECT_EQ(ScanDecimal(none, value), 0u) << none;
    EXPECT_EQ(value, -7.0) << none;
  }
}

TEST(DecimalText, SevenSignificantDigitsAsGcvtWritesThem) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.5, "0.5"},         {2.25, "2.25"},         {10.0, "10."},        {1e7, "1.e+007"},
      {0.0625, "0.0625"},   {0.0001, "0.0001"},     {0.00001, "1.e-005"}, {1.5e-5, "1.5e-005"},
      {1234567.0, "1234567."}, {9999999.5, "1.e+007"}, {-2.5, "-2.5"},    {0.0, "0."},
      {1.0 / 3, "0.3333333"}, {123.456789, "123.4568"}, {1e100, "1.e+100"}, {25.4, "25.4"},
  };
  for (const auto& c : cases) EXPECT_EQ(WriteSevenDigits(c.value), c.text) << c.value;
}

// A comma-decimal locale: parsing and printing follow it, the period is then
// an ordinary character.
class CommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "German", "deu"}) {
      if (std::setlocale(LC_NUMERIC, name) != nullptr) return;
    }
    GTEST_SKIP() << "no German locale on this machine (scripts/bootstrap generates de_DE.UTF-8)";
  }
  void TearDown() override { std::setlocale(LC_NUMERIC, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_F(CommaLocale, ReadsAndWritesTheComma) {
  ASSERT_EQ(DecimalSeparator(), ",");
  double amount = 0.0;
  unsigned int units = UNITS_PERCENT;
  EXPECT_TRUE(ConvertAmount("12,5", amount, units, 2, true, false));
  EXPECT_EQ(amount, 12.5);
  EXPECT_TRUE(ConvertAmount("12.5", amount, units, 2, true, false));
  EXPECT_EQ(amount, 12.0) << "a period is not this locale's separator";
  EXPECT_FALSE(ConvertAmount("1.5/2", amount, units, 2, true, false));

  CString text;
  EXPECT_STREQ(FormatAmount(1.0, UNITS_DISTANCE, text, 3, true, false, 0), "1,000");
  EXPECT_STREQ(FormatAmount(12.5, UNITS_PERCENT, text, 1, true, false, 0), "12,5%");
  double noisy = 2.9999996;
  RoundForTextConversion(noisy);
  EXPECT_EQ(noisy, 3.0);
  noisy = -3.2500001;
  RoundForTextConversion(noisy);
  EXPECT_EQ(noisy, -3.25);
  EXPECT_EQ(WriteSevenDigits(2.25), "2.25");
}

// The same inputs give the same text and the same doubles in every build:
// both suites run this and must reach the same digest.
uint64_t Mix(uint64_t hash, const void* data, std::size_t size) {
  const unsigned char* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ bytes[i]) * 1099511628211ull;
  return hash;
}

uint64_t MixDouble(uint64_t hash, double value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return Mix(hash, &bits, sizeof bits);
}

TEST(DecimalText, SameResultsInEveryBuild) {
  std::mt19937_64 rng(42);
  uint64_t hash = 14695981039346656037ull;
  CString text;
  for (int i = 0; i < 20000; ++i) {
    const double value =
        static_cast<double>(static_cast<int64_t>(rng() % 20000001) - 10000000) /
        static_cast<double>(1u << (rng() % 12));
    const int precision = static_cast<int>(rng() % 7);
    const unsigned int units = static_cast<unsigned int>(rng() % 2);
    FormatAmount(value, units, text, precision, rng() % 2 == 0, rng() % 3 == 0, precision + 1);
    hash = Mix(hash, static_cast<const char*>(text), static_cast<std::size_t>(text.GetLength()));
    const std::string seven = WriteSevenDigits(value * 1e-3);
    hash = Mix(hash, seven.data(), seven.size());

    double amount = 0.0;
    unsigned int parsedUnits = 0;
    const bool ok = ConvertAmount(text, amount, parsedUnits, 0, rng() % 2 == 0, true);
    hash = Mix(hash, &ok, sizeof ok);
    hash = MixDouble(hash, amount);

    CString fraction;
    fraction.Format("%d %u/%d", static_cast<int>(rng() % 100) - 50,
                    static_cast<unsigned>(rng() % 64), static_cast<int>(rng() % 33) - 16);
    ConvertAmount(fraction, amount, parsedUnits, 0, false, false);
    hash = MixDouble(hash, amount);

    double rounded = value;
    RoundForTextConversion(rounded);
    hash = MixDouble(hash, rounded);
  }
  EXPECT_EQ(hash, 4495143401073082054ull) << hash;
}

}  // namespace
