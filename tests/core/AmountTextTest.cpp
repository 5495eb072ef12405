#include "amount/AmountText.h"

#include "afx/base/DecimalText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr unsigned int kCallerUnits = 7;  // what the caller had: must survive where stated
constexpr bool kInches = true, kCm = false, kPercentOk = true, kNoPercent = false;

struct ConvertCase {
  const char* text;
  bool inches, percent;
  bool ok;
  double amount;
  unsigned int units;
};

const ConvertCase kConvertCases[] = {
    {"  3/4", kInches, kNoPercent, true, 0.75, UNITS_DISTANCE},
    {"1.5/2", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"2/1.5", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"3/0", kInches, kNoPercent, false, 3.0, kCallerUnits},  // numerator kept
    {"3/abc", kInches, kNoPercent, false, 3.0, kCallerUnits},
    {"", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"   ", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"0", kInches, kNoPercent, true, 0.0, UNITS_DISTANCE},
    {"0.0", kInches, kNoPercent, true, 0.0, UNITS_DISTANCE},
    {"0/4", kInches, kNoPercent, true, 0.0, UNITS_DISTANCE},
    {"-0", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"+0", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {".0", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"abc", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"12abc", kInches, kNoPercent, true, 12.0, UNITS_DISTANCE},
    {".5", kInches, kNoPercent, true, 0.5, UNITS_DISTANCE},
    {"5.", kInches, kNoPercent, true, 5.0, UNITS_DISTANCE},
    {"1e2", kInches, kNoPercent, true, 100.0, UNITS_DISTANCE},
    {"1e", kInches, kNoPercent, true, 1.0, UNITS_DISTANCE},
    {"2.9999996", kInches, kNoPercent, true, 3.0, UNITS_DISTANCE},
    {"5", kCm, kNoPercent, true, 1.9685039370078738, UNITS_DISTANCE},
    {"50%", kInches, kPercentOk, true, 50.0, UNITS_PERCENT},
    {"50%", kCm, kPercentOk, true, 50.0, UNITS_PERCENT},
    {"50%", kInches, kNoPercent, true, 50.0, kCallerUnits},
    {"50 %", kCm, kNoPercent, true, 50.0 * 0.39370078740157477, kCallerUnits},
    {"1/2%", kInches, kPercentOk, true, 0.5, UNITS_PERCENT},
    {"3/-4", kInches, kNoPercent, true, -0.75, UNITS_DISTANCE},
    // Mixed numbers: a whole part, white space, then a fraction.
    {"1 3/4", kInches, kNoPercent, true, 1.75, UNITS_DISTANCE},
    {"-1 3/4", kInches, kNoPercent, true, -1.75, UNITS_DISTANCE},
    {" 2  1 / 2", kInches, kNoPercent, true, 2.5, UNITS_DISTANCE},
    {"0 3/4", kInches, kNoPercent, true, 0.75, UNITS_DISTANCE},
    {"1 3/4", kCm, kNoPercent, true, 1.75 * 0.39370078740157477, UNITS_DISTANCE},
    {"3 /4", kInches, kNoPercent, true, 0.75, UNITS_DISTANCE},
    {"1 -3/4", kInches, kNoPercent, true, 0.25, UNITS_DISTANCE},  // not mixed: 1 over 4
    {"1/2/4", kInches, kNoPercent, true, 0.5, UNITS_DISTANCE},    // the first bar divides
    {"-0 3/4", kInches, kNoPercent, true, -0.75, UNITS_DISTANCE},  // the sign covers it all
    {"+0 1/2", kInches, kNoPercent, true, 0.5, UNITS_DISTANCE},
    {"-0/4", kInches, kNoPercent, false, 0.0, kCallerUnits},       // a signed zero alone
    // Not finite: not an amount.
    {"inf", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"-infinity", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"nan", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"1e999", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"-1e999%", kInches, kPercentOk, false, 0.0, kCallerUnits},
    {"1e300/1e-300", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"1/1e-999", kInches, kNoPercent, false, 1.0, kCallerUnits},  // the denominator reads as 0
    {"0x10", kInches, kNoPercent, true, 0.0, UNITS_DISTANCE},      // decimal only
    // A distance that would overflow in the other unit is refused too.
    {"-1e308", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"1e308%", kInches, kNoPercent, false, 0.0, kCallerUnits},
    {"7e307", kInches, kNoPercent, true, 7e307, UNITS_DISTANCE},
    {"1e308", kCm, kNoPercent, true, 1e308 * 0.39370078740157477, UNITS_DISTANCE},
    {"-1e308%", kInches, kPercentOk, true, -1e308, UNITS_PERCENT},  // never converted
};

TEST(ConvertAmount, ReadsTypedText) {
  for (const ConvertCase& c : kConvertCases) {
    double amount = -99.0;
    unsigned int units = kCallerUnits;
    EXPECT_EQ(ConvertAmount(c.text, amount, units, 3, c.inches, c.percent), c.ok) << c.text;
    EXPECT_EQ(amount, c.amount) << c.text;
    EXPECT_EQ(units, c.units) << c.text;
  }
}

TEST(ConvertAmount, IgnoresPrecisionAndWhatFollowsANul) {
  for (int precision : {-5, 0, 3, 40}) {
    double amount = 0.0;
    unsigned int units = kCallerUnits;
    EXPECT_TRUE(ConvertAmount("1 1/8", amount, units, precision, kInches, kNoPercent));
    EXPECT_EQ(amount, 1.125);
  }
  double amount = 0.0;
  unsigned int units = kCallerUnits;
  EXPECT_TRUE(ConvertAmount(CString("7\0/0", 4), amount, units, 3, kInches, kNoPercent));
  EXPECT_EQ(amount, 7.0);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct FormatCase {
  double amount;
  unsigned int units;
  int precision;
  bool inches, noRound;
  int minPrecision;
  const char* text;
};

const FormatCase kFormatCases[] = {
    {1.0, UNITS_DISTANCE, 3, kInches, false, 0, "1.000"},
    {1.0, UNITS_DISTANCE, 2, kCm, false, 0, "2.54"},
    {0.0625, UNITS_DISTANCE, 2, kInches, false, 0, "0.06"},
    {0.0625, UNITS_DISTANCE, 2, kInches, true, 4, "0.0625"},
    {1.0, UNITS_DISTANCE, 0, kCm, true, 3, "2.540"},
    {0.75, UNITS_DISTANCE, 3, kInches, false, 0, "0.750"},
    {12.5, UNITS_DISTANCE, 0, kInches, false, 0, "13"},   // halves away from zero
    {-0.125, UNITS_DISTANCE, 2, kInches, false, 0, "-0.13"},
    {2.0 / 3.0, UNITS_DISTANCE, 0, kInches, true, 2, "0.67"},
    {12.5, UNITS_PERCENT, 1, kInches, false, 0, "12.5%"},
    {12.5, UNITS_PERCENT, 0, kCm, false, 0, "12%"},       // printed as is: ties to even
    {0.0078125, UNITS_PERCENT, 6, kInches, true, 0, "0.007812%"},
    {50.0, UNITS_PERCENT, -1, kInches, false, 0, "50.000000%"},  // as printf's "%.*f"
    // A value that shows as zero shows no sign (it would not read back).
    {-0.0001, UNITS_DISTANCE, 3, kInches, false, 0, "0.000"},
    {-0.0001, UNITS_PERCENT, 2, kInches, false, 0, "0.00%"},
    {-0.0001, UNITS_DISTANCE, 3, kCm, true, 2, "0.00"},
    {-0.0, UNITS_PERCENT, 0, kInches, false, 0, "0%"},
    {-0.01, UNITS_PERCENT, 2, kInches, false, 0, "-0.01%"},
    // No text for what is not a number in the display unit.
    {-1e308, UNITS_DISTANCE, 3, kCm, false, 0, ""},
    {-kInf, UNITS_DISTANCE, 3, kInches, true, 3, ""},
    {kNaN, UNITS_PERCENT, 1, kInches, false, 0, ""},
};

TEST(FormatAmount, WritesDisplayText) {
  for (const FormatCase& c : kFormatCases) {
    CString text("old");
    const char* result =
        FormatAmount(c.amount, c.units, text, c.precision, c.inches, c.noRound, c.minPrecision);
    EXPECT_STREQ(result, c.text) << c.amount;
    EXPECT_EQ(result, static_cast<const char*>(text)) << "returns the string's own characters";
  }
  CString text("kept");
  EXPECT_STREQ(FormatAmount(1.0, 2, text, 3, kInches, false, 0), "kept");
}

struct RoundCase {
  double amount;
  int precision;
  double expected;
};

TEST(RoundAmount, HalvesAwayFromZeroAndDefinedBeyondTheIntegerRange) {
  const RoundCase cases[] = {
      {0.125, 2, 0.13},
      {-0.125, 2, -0.13},
      {2.5, 0, 3.0},
      {-2.5, 0, -3.0},
      {0.0, 3, 0.0},
      {15.0, -1, 20.0},
      {2147483647.25, 0, 2147483647.0},  // the largest scaled value a 32-bit path holds
      {2147483647.5, 0, 2147483648.0},   // beyond it: as through 64 bits
      {-3000000000.5, 0, -3000000001.0},
      {1e17 + 16.0, 2, 1e17 + 16.0},     // scaled value is whole already: left as is
      {1e300, 3, 1e300},                 // scaled value not finite: left as is
      {kInf, 2, kInf},
  };
  for (const RoundCase& c : cases) {
    double amount = c.amount;
    RoundAmount(amount, c.precision, false);
    EXPECT_EQ(amount, c.expected) << c.amount << " at " << c.precision;
    amount = c.amount;
    RoundAmount(amount, c.precision, true);
    EXPECT_EQ(amount, c.amount) << "no rounding asked for";
  }
  double nan = kNaN;
  RoundAmount(nan, 2, false);
  EXPECT_TRUE(std::isnan(nan));
}

// Amounts as typed are read and trimmed from their digits in one pass;
// every other number reads with ScanDecimal, then RoundForTextConversion.
// Both ways give the same bits, also at the edges of the quick one.
TEST(ConvertAmount, ReadsTypedAmountsAsItReadsAnyNumber) {
  const char* const texts[] = {
      "12.5",  "-12.5", "+.5",   "5.",          "0.000001",     "-0.000000",   "-0",
      "99999", "68718.999999", "68719",   "68719.000001", "068718.5",    "0.1234567",
      "1e2",   "1.5E-1", "2.5e",  "1.000249",    "3.0000005",    "0.0078125",   "12,5",
      "7x",    "0.3",   "0.7",   "1.1",         "68718.1234564", "-68718.000001"};
  for (const char* text : texts) {
    for (bool inches : {kInches, kCm}) {
      double expected = 0.0;
      ScanDecimal(text, expected);
      RoundForTextConversion(expected);
      if (!inches) expected *= 0.39370078740157477;
      double amount = -99.0;
      unsigned int units = kCallerUnits;
      if (!ConvertAmount(text, amount, units, 3, inches, kNoPercent)) continue;  // "-0"
      EXPECT_EQ(std::memcmp(&amount, &expected, sizeof amount), 0) << text << " " << inches;
    }
  }
}

TEST(RoundForTextConversion, KeepsEverySixDecimalFraction) {
  for (int millionths = 0; millionths < 1000000; millionths += 7) {
    const double value = millionths / 1e6;
    double trimmed = value;
    RoundForTextConversion(trimmed);
    ASSERT_EQ(trimmed, value) << millionths;
  }
}

TEST(RoundForTextConversion, MakesTheValueWhatItsTextShows) {
  const RoundCase cases[] = {
      {2.9999996, 0, 3.0},
      {1.0000004, 0, 1.0},
      {-3.25, 0, -3.25},
      {0.9999999999999999, 0, 1.0},
      {0.1 + 0.2, 0, 0.3},
      {-0.0000004, 0, 0.0},
      {1.1234564, 0, 1.123456},
      {1.000249, 0, 1.000249},  // six decimals are kept, never cut to 1.000248
      {0.000249, 0, 0.000249},
      {2147483647.25, 0, 2147483647.25},
      {0.0078125, 0, 0.007812},  // exact ties of the seventh decimal: to even
      {-0.0234375, 0, -0.023438},
      {68719.47673551, 0, 68719.476736},  // either side of 2^36 millionths
      {68719.4767364, 0, 68719.476736},
      {3000000000.0000001, 0, 3000000000.0},  // beyond 32 bits: the same rule
      {-1e20, 0, -1e20},
      {kInf, 0, kInf},
  };
  for (const RoundCase& c : cases) {
    double amount = c.amount;
    RoundForTextConversion(amount);
    EXPECT_EQ(amount, c.expected) << c.amount;
  }
}

struct LimitCase {
  bool inches;
  int precision;
  double amount, limit1, limit2;
  bool within;
};

TEST(LimitTest, WithinOneDisplayStepOfEitherLimit) {
  const LimitCase cases[] = {
      {kInches, 3, 0.9996, 1.0, 5.0, true},
      {kInches, 3, 0.998, 1.0, 5.0, false},
      {kInches, 3, 4.9995, 1.0, 5.0, true},
      {kInches, 3, 4.9995, 5.0, 1.0, true},   // limits in either order
      {kInches, 0, 0.5, 1.0, 5.0, true},
      {kInches, -2, 0.5, 1.0, 5.0, true},
      {kInches, 0, 2.0, 1.0, 5.0, false},     // exactly one step away is not within
      {kInches, 2, 10.004, 0.0, 10.0, true},
      {kCm, 3, 0.9998, 1.0, 5.0, true},       // 0.000508 cm
      {kCm, 3, 0.9995, 1.0, 5.0, false},      // 0.00127 cm
  };
  for (const LimitCase& c : cases) {
    EXPECT_EQ(LimitTest(c.inches, c.precision, c.amount, c.limit1, c.limit2), c.within)
        << c.amount << " against " << c.limit1 << ", " << c.limit2 << " at " << c.precision;
  }
}

}  // namespace
