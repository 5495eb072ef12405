// The amount parser as it stood before its allocation-free rewrite, kept
// unchanged as the reference of the differential run (AmountDifferential):
// ConvertAmount, RoundForTextConversion and ScanDecimal of that version,
// in their own namespace. Not part of the library.
#include "bench/AmountTextBaseline.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <system_error>

namespace baseline {

namespace {

constexpr int kMaxDecimals = 1074;   // the longest exact expansion of a double's fraction
constexpr long kExponentCap = 99999;  // far beyond any double; keeps the token short

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountDigits(const char* p) {
  std::size_t n = 0;
  while (IsDigit(p[n])) ++n;
  return n;
}

// The exact fixed-notation text with a period.
std::string FixedWithPeriod(double value, int precision) {
  if (precision < 0) precision = 6;
  if (precision > kMaxDecimals) precision = kMaxDecimals;
  std::string text(static_cast<std::size_t>(precision) + 330, '\0');
  const std::to_chars_result r = std::to_chars(&text[0], &text[0] + text.size(), value,
                                               std::chars_format::fixed, precision);
  text.resize(static_cast<std::size_t>(r.ptr - text.data()));
  return text;
}

// The decimal exponent of the first significant digit of a number written
// as integer digits, fraction digits and an exponent: decides whether a
// value too large or too small for a double is infinity or zero.
long LeadingExponent(const std::string& whole, const std::string& fraction, long exponent) {
  const std::size_t firstWhole = whole.find_first_not_of('0');
  if (firstWhole != std::string::npos) {
    return exponent + static_cast<long>(whole.size() - firstWhole) - 1;
  }
  const std::size_t firstFraction = fraction.find_first_not_of('0');
  if (firstFraction == std::string::npos) return 0;  // all zeros: in range
  return exponent - static_cast<long>(firstFraction) - 1;
}

// Reads an optional exponent ("e", optional sign, digits) at p. Returns the
// characters read, 0 when there is no complete exponent.
std::size_t ScanExponent(const char* p, long& exponent) {
  if (*p != 'e' && *p != 'E') return 0;
  std::size_t i = 1;
  const bool negative = p[i] == '-';
  if (p[i] == '+' || p[i] == '-') ++i;
  const std::size_t digits = CountDigits(p + i);
  if (digits == 0) return 0;
  long magnitude = 0;
  for (std::size_t k = 0; k < digits; ++k) {
    magnitude = magnitude * 10 + (p[i + k] - '0');
    if (magnitude > kExponentCap) magnitude = kExponentCap;
  }
  exponent = negative ? -magnitude : magnitude;
  return i + digits;
}

}  // namespace

std::string DecimalSeparator() {
  const std::lconv* conventions = std::localeconv();
  if (conventions == nullptr || conventions->decimal_point == nullptr ||
      conventions->decimal_point[0] == '\0') {
    return ".";
  }
  return conventions->decimal_point;
}

std::string WriteFixed(double value, int precision) {
  std::string text = FixedWithPeriod(value, precision);
  const std::string separator = DecimalSeparator();
  const std::size_t period = text.find('.');
  if (period != std::string::npos && separator != ".") text.replace(period, 1, separator);
  return text;
}

std::size_t ScanDecimal(const char* text, double& value) {
  std::size_t i = 0;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;

  const std::size_t wholeDigits = CountDigits(text + i);
  const std::string whole(text + i, wholeDigits);
  i += wholeDigits;

  std::string fraction;
  const std::string separator = DecimalSeparator();
  if (std::strncmp(text + i, separator.c_str(), separator.size()) == 0) {
    const std::size_t fractionDigits = CountDigits(text + i + separator.size());
    if (wholeDigits + fractionDigits > 0) {
      fraction.assign(text + i + separator.size(), fractionDigits);
      i += separator.size() + fractionDigits;
    }
  }
  if (whole.empty() && fraction.empty()) return 0;

  long exponent = 0;
  i += ScanExponent(text + i, exponent);

  const std::string token = (whole.empty() ? "0" : whole) + "." + fraction + "e" +
                            std::to_string(exponent);
  double magnitude = 0.0;
  const std::from_chars_result r =
      std::from_chars(token.data(), token.data() + token.size(), magnitude);
  if (r.ec == std::errc::result_out_of_range) {
    magnitude = LeadingExponent(whole, fraction, exponent) > 0 ? HUGE_VAL : 0.0;
  }
  value = negative ? -magnitude : magnitude;
  return i;
}


namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kInchesPerCentimetre = 0.39370078740157477;  // the double nearest 1/2.54

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

const char* SkipSpace(const char* p) {
  while (*p != '\0' && IsSpace(*p)) ++p;
  return p;
}

// The denominator after a fraction bar, read as atof reads: white space
// skipped, trailing characters ignored, 0.0 when there is no number.
double ReadDenominator(const char* afterBar) {
  double denominator = 0.0;
  ScanDecimal(SkipSpace(afterBar), denominator);
  return denominator;
}

// A mixed number ('1 3/4') has, between the whole part and the fraction
// bar, white space, an unsigned number (the fraction's numerator) and
// optional white space. Anything else there is not a mixed number.
bool ReadMixedNumerator(const char* afterWhole, const char* bar, double& numerator) {
  if (!IsSpace(*afterWhole)) return false;
  const char* p = SkipSpace(afterWhole);
  if (*p == '+' || *p == '-') return false;
  const std::size_t length = ScanDecimal(p, numerator);
  return length > 0 && SkipSpace(p + length) == bar;
}

// The text's value as a fraction or a mixed number; the sign of the text
// covers the whole amount ('-0 3/4' is -0.75).
double ApplyFraction(double whole, bool negative, bool mixed, double numerator,
                     double denominator) {
  if (!mixed) return whole / denominator;
  const double fraction = numerator / denominator;
  return negative ? whole - fraction : whole + fraction;
}

}  // namespace

bool ConvertAmount(CString strAmount, double& dAmount, unsigned int& uUnits, int /*nPrecision*/,
                   bool bInches, bool bPercent) {
  dAmount = 0.0;
  const std::string text = SkipSpace(strAmount);
  if (text.empty()) return false;
  const std::size_t bar = text.find('/');
  if (bar != std::string::npos && text.find('.') != std::string::npos) return false;

  double amount = 0.0;
  const std::size_t numberLength = ScanDecimal(text.c_str(), amount);
  if (!std::isfinite(amount)) return false;
  baseline::RoundForTextConversion(amount);
  // A zero whole part counts as a number when the text starts with the
  // digit itself, or when a fraction follows it ('-0 3/4').
  double numerator = 0.0;
  const bool mixed = bar != std::string::npos && numberLength > 0 &&
                     ReadMixedNumerator(text.c_str() + numberLength, text.c_str() + bar, numerator);
  if (amount == 0.0 && text[0] != '0' && !mixed) return false;

  if (bar != std::string::npos) {
    const double denominator = ReadDenominator(text.c_str() + bar + 1);
    if (denominator == 0.0) {
      dAmount = amount;
      return false;
    }
    amount = ApplyFraction(amount, text[0] == '-', mixed, numerator, denominator);
    if (!std::isfinite(amount)) return false;
  }

  const bool percentSign = text.find('%') != std::string::npos;
  if (percentSign && bPercent) {
    uUnits = UNITS_PERCENT;  // percentages are never converted
    dAmount = amount;
    return true;
  }
  if (!bInches) amount *= kInchesPerCentimetre;
  // A distance must show in either unit: one that overflows in centimetres
  // is refused like one that overflows as typed.
  if (!std::isfinite(amount * kCentimetresPerInch)) return false;
  if (!percentSign) uUnits = UNITS_DISTANCE;  // a refused '%' keeps the caller's code
  dAmount = amount;
  return true;
}


void RoundForTextConversion(double& dAmount) {
  if (!std::isfinite(dAmount)) return;
  // The six-decimal text, read back in two halves: the whole part as
  // printed (so 2.9999996, printed 3.000000, has whole part 3) and the
  // fraction without its trailing zeros. The fraction has six decimals at
  // most, so a millionth count is rounded, not truncated: read back as a
  // double, 0.000249 is a hair below 249 millionths, and truncation would
  // turn it into 0.000248.
  const std::string text = WriteFixed(std::fabs(dAmount), 6);
  const std::string separator = DecimalSeparator();
  const std::size_t split = text.find(separator);

  double whole = 0.0;
  ScanDecimal(text.substr(0, split).c_str(), whole);

  std::string fractionText = "0" + text.substr(split);
  fractionText.erase(fractionText.find_last_not_of('0') + 1);
  double fraction = 0.0;
  if (fractionText.size() > 1 + separator.size()) ScanDecimal(fractionText.c_str(), fraction);
  fraction = std::round(fraction * 1e6) / 1e6;

  const double trimmed = whole + fraction;
  dAmount = dAmount < 0.0 ? -trimmed : trimmed;
}

}  // namespace baseline
