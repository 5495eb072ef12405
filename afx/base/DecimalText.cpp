#include "afx/base/DecimalText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <system_error>

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
// characters read, 0 when there is no complete exponent. Magnitudes beyond
// kExponentCap are capped.
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

// The parts of a decimal number as they stand in the text.
struct DecimalParts {
  const char* whole;
  std::size_t wholeDigits;
  const char* fraction;
  std::size_t fractionDigits;
  long exponent;
};

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int kMaxExactPower = 22;
constexpr std::size_t kMaxExactDigits = 15;  // 10^15 < 2^53: every such integer is a double

// The magnitude of short numbers by one exact operation: at most 15
// significant digits make an integer that a double holds exactly, and
// 10^0..10^22 are exact doubles, so one multiplication or division rounds
// correctly, giving the very double that a correct reading of the text
// gives. False when the number is not of that kind.
bool ExactMagnitude(const DecimalParts& parts, double& magnitude) {
  uint64_t digits = 0;
  std::size_t significant = 0;
  auto take = [&](const char* p, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
      if (significant == 0 && p[k] == '0') continue;
      digits = digits * 10 + static_cast<uint64_t>(p[k] - '0');
      if (++significant > kMaxExactDigits) return false;
    }
    return true;
  };
  if (!take(parts.whole, parts.wholeDigits) || !take(parts.fraction, parts.fractionDigits)) {
    return false;
  }
  const long power = parts.exponent - static_cast<long>(parts.fractionDigits);
  if (digits == 0) {
    magnitude = 0.0;
  } else if (power >= 0 && power <= kMaxExactPower) {
    magnitude = static_cast<double>(digits) * kExactPowersOfTen[power];
  } else if (power < 0 && power >= -kMaxExactPower) {
    magnitude = static_cast<double>(digits) / kExactPowersOfTen[-power];
  } else {
    return false;
  }
  return true;
}

// The magnitude of a number, correctly rounded: by one exact operation
// when it is short, else by from_chars on a token "W.Fe<exponent>" (W "0"
// when there are no whole digits). Out-of-range magnitudes are infinity or
// zero.
double Magnitude(const DecimalParts& parts) {
  double magnitude = 0.0;
  if (ExactMagnitude(parts, magnitude)) return magnitude;
  const std::string whole(parts.whole, parts.wholeDigits);
  const std::string fraction(parts.fraction, parts.fractionDigits);
  const std::string token =
      (whole.empty() ? "0" : whole) + "." + fraction + "e" + std::to_string(parts.exponent);
  const std::from_chars_result r =
      std::from_chars(token.data(), token.data() + token.size(), magnitude);
  if (r.ec == std::errc::result_out_of_range) {
    magnitude = LeadingExponent(whole, fraction, parts.exponent) > 0 ? HUGE_VAL : 0.0;
  }
  return magnitude;
}

}  // namespace

const char* DecimalSeparatorChars() {
  const std::lconv* conventions = std::localeconv();
  if (conventions == nullptr || conventions->decimal_point == nullptr ||
      conventions->decimal_point[0] == '\0') {
    return ".";
  }
  return conventions->decimal_point;
}

std::string DecimalSeparator() { return DecimalSeparatorChars(); }

std::string WriteFixed(double value, int precision) {
  std::string text = FixedWithPeriod(value, precision);
  const std::string separator = DecimalSeparator();
  const std::size_t period = text.find('.');
  if (period != std::string::npos && separator != ".") text.replace(period, 1, separator);
  return text;
}

std::size_t ScanDecimal(const char* text, double& value) {
  return ScanDecimal(text, DecimalSeparatorChars(), value);
}

std::size_t ScanDecimal(const char* text, const char* separator, double& value) {
  std::size_t i = 0;
  const bool negative = text[i] == '-';
  if (text[i] == '+' || text[i] == '-') ++i;

  DecimalParts parts = {text + i, CountDigits(text + i), text + i, 0, 0};
  i += parts.wholeDigits;

  const std::size_t separatorLength = std::strlen(separator);
  if (std::strncmp(text + i, separator, separatorLength) == 0) {
    const std::size_t fractionDigits = CountDigits(text + i + separatorLength);
    if (parts.wholeDigits + fractionDigits > 0) {
      parts.fraction = text + i + separatorLength;
      parts.fractionDigits = fractionDigits;
      i += separatorLength + fractionDigits;
    }
  }
  if (parts.wholeDigits == 0 && parts.fractionDigits == 0) return 0;

  i += ScanExponent(text + i, parts.exponent);
  const double magnitude = Magnitude(parts);
  value = negative ? -magnitude : magnitude;
  return i;
}

std::string WriteSevenDigits(double value) {
  if (value == 0.0) return "0.";
  if (!std::isfinite(value)) return FixedWithPeriod(value, 0);

  // Seven significant digits, correctly rounded: "d.dddddde+XX".
  char buffer[32];
  const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value,
                                               std::chars_format::scientific, 6);
  const std::string scientific(buffer, r.ptr);
  const bool negative = scientific[0] == '-';
  const std::size_t start = negative ? 1 : 0;
  std::string digits = scientific.substr(start, 1) + scientific.substr(start + 2, 6);
  const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);

  digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0
  std::string text = negative ? "-" : "";
  if (exponent < -4 || exponent >= 7) {
    text += digits.substr(0, 1) + "." + digits.substr(1);
    const int magnitude = std::abs(exponent);
    std::string expDigits = std::to_string(magnitude);
    if (expDigits.size() < 3) expDigits.insert(0, 3 - expDigits.size(), '0');
    text += std::string("e") + (exponent < 0 ? "-" : "+") + expDigits;
  } else if (exponent >= 0) {
    const std::size_t wholeCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() < wholeCount) digits.append(wholeCount - digits.size(), '0');
    text += digits.substr(0, wholeCount) + "." + digits.substr(wholeCount);
  } else {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  return text;
}
