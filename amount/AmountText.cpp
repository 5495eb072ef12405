#include "amount/AmountText.h"

#include "afx/base/DecimalText.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>

#if defined(__GLIBC__)
#include <langinfo.h>
#endif

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr double kInchesPerCentimetre = 0.39370078740157477;  // the double nearest 1/2.54
constexpr double kTwoTo52 = 4503599627370496.0;  // from here on every double is whole

// Printable ASCII is never white space in any locale: the C library is
// asked only about the rest.
bool IsSpace(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte > ' ' && byte < 0x7F) return false;
  return std::isspace(byte) != 0;
}

// The string DecimalSeparatorChars gives; under glibc read straight from
// the locale's data, where localeconv fills its whole record on every call
// (an eighth of a conversion's time).
const char* ParseSeparator() {
#if defined(__GLIBC__)
  const char* separator = nl_langinfo(RADIXCHAR);
  return separator == nullptr || separator[0] == '\0' ? "." : separator;
#else
  return DecimalSeparatorChars();
#endif
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
uint32_t Digit(char c) { return static_cast<uint32_t>(c - '0'); }

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
double ReadDenominator(const char* afterBar, const char* separator) {
  double denominator = 0.0;
  ScanDecimal(SkipSpace(afterBar), separator, denominator);
  return denominator;
}

// A mixed number ('1 3/4') has, between the whole part and the fraction
// bar, white space, an unsigned number (the fraction's numerator) and
// optional white space. Anything else there is not a mixed number.
bool ReadMixedNumerator(const char* afterWhole, const char* bar, const char* separator,
                        double& numerator) {
  if (!IsSpace(*afterWhole)) return false;
  const char* p = SkipSpace(afterWhole);
  if (*p == '+' || *p == '-') return false;
  const std::size_t length = ScanDecimal(p, separator, numerator);
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

// An amount as people type it, read and trimmed in one go: an optional
// sign, at most five whole digits below 68719 and at most six decimals
// (with a one-character separator), no exponent. Its six-decimal trim is
// then known from its digits: RoundForTextConversion of the value
// ScanDecimal reads finds exactly these whole units and millionths (the
// value lies within 2^-37 of them, far from any half millionth) and adds
// them as done here. The length read and the trimmed value are those of
// ScanDecimal and RoundForTextConversion; false (nothing set) for any
// other number, which takes that longer way.
bool ReadPlainAmount(const char* text, const char* separator, std::size_t& length,
                     double& trimmed) {
  if (separator[0] == '\0' || separator[1] != '\0') return false;
  std::size_t i = 0;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;
  uint32_t whole = 0;
  const std::size_t wholeStart = i;
  while (IsDigit(text[i]) && i - wholeStart < 5) whole = whole * 10 + Digit(text[i++]);
  const std::size_t wholeDigits = i - wholeStart;
  uint32_t millionths = 0;
  std::size_t fractionDigits = 0;
  if (text[i] == separator[0] && (wholeDigits > 0 || IsDigit(text[i + 1]))) {
    ++i;
    while (IsDigit(text[i]) && fractionDigits < 6) {
      millionths = millionths * 10 + Digit(text[i++]);
      ++fractionDigits;
    }
  }
  if (wholeDigits + fractionDigits == 0 || whole >= 68719 || IsDigit(text[i]) ||
      text[i] == 'e' || text[i] == 'E') {
    return false;
  }
  for (std::size_t k = fractionDigits; k < 6; ++k) millionths *= 10;
  const double magnitude = static_cast<double>(whole) + static_cast<double>(millionths) / 1e6;
  trimmed = negative && magnitude > 0.0 ? -magnitude : magnitude;
  length = i;
  return true;
}

// What ConvertAmount looks for anywhere in the text, found in one pass: the
// first fraction bar, and whether a period and a percent sign occur.
struct TextMarks {
  const char* bar = nullptr;
  bool period = false;
  bool percent = false;
};

TextMarks FindMarks(const char* text) {
  TextMarks marks;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p == '/' && marks.bar == nullptr) marks.bar = p;
    marks.period = marks.period || *p == '.';
    marks.percent = marks.percent || *p == '%';
  }
  return marks;
}

}  // namespace

bool ConvertAmount(CString strAmount, double& dAmount, unsigned int& uUnits, int /*nPrecision*/,
                   bool bInches, bool bPercent) {
  dAmount = 0.0;
  // The text up to its first NUL, read in place.
  const char* text = SkipSpace(strAmount);
  if (*text == '\0') return false;
  const TextMarks marks = FindMarks(text);
  const char* bar = marks.bar;
  if (bar != nullptr && marks.period) return false;

  const char* separator = ParseSeparator();
  double amount = 0.0;
  std::size_t numberLength = 0;
  if (!ReadPlainAmount(text, separator, numberLength, amount)) {
    numberLength = ScanDecimal(text, separator, amount);
    if (!std::isfinite(amount)) return false;
    RoundForTextConversion(amount);
  }
  // A zero whole part counts as a number when the text starts with the
  // digit itself, or when a fraction follows it ('-0 3/4').
  double numerator = 0.0;
  const bool mixed = bar != nullptr && numberLength > 0 &&
                     ReadMixedNumerator(text + numberLength, bar, separator, numerator);
  if (amount == 0.0 && text[0] != '0' && !mixed) return false;

  if (bar != nullptr) {
    const double denominator = ReadDenominator(bar + 1, separator);
    if (denominator == 0.0) {
      dAmount = amount;
      return false;
    }
    amount = ApplyFraction(amount, text[0] == '-', mixed, numerator, denominator);
    if (!std::isfinite(amount)) return false;
  }

  const bool percentSign = marks.percent;
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

namespace {

constexpr double kMillion = 1e6;
// Below this, |value| x 10^6 is within 2^-18 of its double product, far
// closer than kTieMargin: the nearest whole millionth is then known
// without writing the text, unless the product lies near a half.
constexpr double kFastMillionths = 68719476736.0;  // 2^36
constexpr double kTieMargin = 1.0 / 65536.0;       // 2^-16

// The whole part and the millionths of |value| as its six-decimal text
// shows them (rounded to nearest, exact ties to even), found by
// arithmetic; false when the text must decide (a large value or one near
// a tie of millionths).
bool SixDecimalParts(double magnitude, double& whole, double& fraction) {
  const double scaled = magnitude * kMillion;
  if (!(scaled < kFastMillionths)) return false;  // also NaN
  auto count = static_cast<uint64_t>(scaled);     // truncation: floor of a non-negative value
  const double rest = scaled - static_cast<double>(count);  // exact: both below 2^36
  if (std::fabs(rest - 0.5) < kTieMargin) return false;
  if (rest > 0.5) ++count;
  whole = static_cast<double>(count / 1000000u);
  // The fraction's six digits read as a decimal: the quotient of exact
  // operands is the correctly rounded value, as reading the text gives;
  // rounding it to millionths again gives the same quotient.
  fraction = static_cast<double>(count % 1000000u) / kMillion;
  return true;
}

// The same parts read from the text itself, the fraction rounded to
// millionths.
void SixDecimalPartsOfText(double magnitude, double& whole, double& fraction) {
  const std::string text = WriteFixed(magnitude, 6);
  const std::string separator = DecimalSeparator();
  const std::size_t split = text.find(separator);

  whole = 0.0;
  ScanDecimal(text.substr(0, split).c_str(), whole);

  std::string fractionText = "0" + text.substr(split);
  fractionText.erase(fractionText.find_last_not_of('0') + 1);
  fraction = 0.0;
  if (fractionText.size() > 1 + separator.size()) ScanDecimal(fractionText.c_str(), fraction);
  fraction = std::round(fraction * 1e6) / 1e6;
}

}  // namespace

void RoundForTextConversion(double& dAmount) {
  if (!std::isfinite(dAmount)) return;
  // The six-decimal text's value, in two halves: the whole part as printed
  // (so 2.9999996, printed 3.000000, has whole part 3) and the fraction.
  // The fraction has six decimals at most, so a millionth count is
  // rounded, not truncated: read back as a double, 0.000249 is a hair
  // below 249 millionths, and truncation would turn it into 0.000248.
  // Arithmetic finds both halves where it is certain to agree with the
  // text (nearly always); the text itself decides the rest.
  double whole = 0.0;
  double fraction = 0.0;
  const double magnitude = std::fabs(dAmount);
  if (!SixDecimalParts(magnitude, whole, fraction)) {
    SixDecimalPartsOfText(magnitude, whole, fraction);
  }

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
