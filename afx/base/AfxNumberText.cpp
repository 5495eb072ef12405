#include "afx/base/AfxNumberText.h"

#include "afx/base/DecimalText.h"

#include <charconv>

namespace {

// The white space of the "C" locale, whatever the current locale says.
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

const char* SkipBlanks(const char* p) {
  while (IsBlank(*p)) ++p;
  return p;
}

}  // namespace

bool ReadWholeNumber(const char* lpszText, int64_t& value) {
  const char* p = SkipBlanks(lpszText);
  const bool bNegative = *p == '-';
  if (*p == '+' || *p == '-') ++p;
  if (*p < '0' || *p > '9') return false;
  int64_t nMagnitude = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    nMagnitude = nMagnitude * 10 + (*p - '0');
    if (nMagnitude > kWholeNumberBound) nMagnitude = kWholeNumberBound;
  }
  if (*SkipBlanks(p) != '\0') return false;
  value = bNegative ? -nMagnitude : nMagnitude;
  return true;
}

bool ReadRealNumber(const char* lpszText, double& value) {
  const char* p = SkipBlanks(lpszText);
  double dNumber = 0.0;
  const std::size_t nLength = ScanDecimal(p, dNumber);
  if (nLength == 0 || *SkipBlanks(p + nLength) != '\0') return false;
  value = dNumber;
  return true;
}

std::string WriteRealNumber(double value, int nDigits) {
  char buffer[64];  // the longest "%.17g" text is 24 characters
  if (nDigits < 1) nDigits = 1;
  if (nDigits > 17) nDigits = 17;
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, nDigits);
  std::string text(buffer, r.ptr);
  const std::size_t nPeriod = text.find('.');
  const std::string separator = DecimalSeparator();
  if (nPeriod != std::string::npos && separator != ".") text.replace(nPeriod, 1, separator);
  return text;
}
