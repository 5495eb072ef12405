#include "amount/AmountText.h"

#include "amount/DecimalText.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kInchesPerCentimetre = 0.39370078740157477;  // the double nearest 1/2.54
constexpr double kTwoTo52 = 4503599627370496.0;  // from here on every double is whole

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

const char* SkipSpace(const char* p) {
  while (*p != '\0' && IsSpace(*p)) ++p;
  return p;
}

// 10^n by repeated multiplication (or division for negative n), stopping
// once the power is no longer finite or has reached zero.
double PowerOfTen(int n) {
  double power = 1.0;
  const int64_t count = n < 0 ? -int64_t{n} : int64_t{n};
  for (int64_t i = 0; i < count && std::isfinite(power); ++i) power *= 10.0;
  return n < 0 ? 1.0 / power : power;
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
  RoundForTextConversion(amount);
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

namespace {
// A value that shows as zero shows without a sign: "-0.000" would read as
// no number at all, and a tiny negative value is noise.
void DropSignOfZero(CString& text) {
  if (text.GetAt(0) != '-') return;
  for (int i = 1; i < text.GetLength(); ++i) {
    const char c = text.GetAt(i);
    if (c >= '1' && c <= '9') return;
  }
  text = text.Mid(1);
}
}  // namespace

const char* FormatAmount(double dAmount, unsigned int uUnits, CString& strAmount, int nPrecision,
                         bool bInches, bool bNoRound, int nMinPrecision) {
  if (uUnits != UNITS_PERCENT && uUnits != UNITS_DISTANCE) return strAmount;
  if (uUnits == UNITS_DISTANCE && !bInches) dAmount *= kCentimetresPerInch;
  if (!std::isfinite(dAmount)) {
    strAmount.Empty();  // no text for a value that has no number to show
    return strAmount;
  }
  if (uUnits == UNITS_PERCENT) {
    strAmount = WriteFixed(dAmount, nPrecision).c_str();
    strAmount += '%';
  } else if (bNoRound) {
    strAmount = WriteFixed(dAmount, nMinPrecision).c_str();
  } else {
    RoundAmount(dAmount, nPrecision, false);
    strAmount = WriteFixed(dAmount, nPrecision).c_str();
  }
  DropSignOfZero(strAmount);
  return strAmount;
}

void RoundAmount(double& dAmount, int nPrecision, bool bNoRound) {
  if (bNoRound) return;
  const double power = PowerOfTen(nPrecision);
  const double scaled = dAmount * power;
  if (power == 0.0 || !std::isfinite(scaled) || std::fabs(scaled) >= kTwoTo52) return;
  // Below 2^52 adding the half is exact enough and truncation in double
  // equals truncation to an integer of any width that holds the result.
  const double rounded = std::trunc(scaled + (dAmount >= 0.0 ? 0.5 : -0.5));
  dAmount = rounded / power;
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

bool LimitTest(bool bInches, int nPrecision, double dAmount, double dLimit1, double dLimit2) {
  if (!bInches) {
    dAmount *= kCentimetresPerInch;
    dLimit1 *= kCentimetresPerInch;
    dLimit2 *= kCentimetresPerInch;
  }
  const double d1 = std::fabs(dAmount - dLimit1);
  const double d2 = std::fabs(dAmount - dLimit2);
  if (d1 >= 1.0 && d2 >= 1.0) return false;
  if (nPrecision < 1) return true;
  const double step = 1.0 / PowerOfTen(nPrecision);
  return d1 < step || d2 < step;
}
