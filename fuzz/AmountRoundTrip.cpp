#include "fuzz/AmountRoundTrip.h"

#include "amount/AmountText.h"
#include "afx/base/DecimalText.h"

#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr unsigned int kCallerUnits = 9;
constexpr double kTwoTo31 = 2147483648.0;

const char* CheckParse(const std::string& text) {
  for (int flags = 0; flags < 4; ++flags) {
    double amount = 0.0;
    unsigned int units = kCallerUnits;
    if (!ConvertAmount(text.c_str(), amount, units, 3, (flags & 1) != 0, (flags & 2) != 0)) {
      if (units != kCallerUnits) return "a refused text changed the units code";
      continue;
    }
    if (!std::isfinite(amount)) return "an accepted amount is not finite";
    if (units != UNITS_PERCENT && !std::isfinite(amount * 2.54)) {
      return "an accepted distance cannot show in centimetres";
    }
    if (units != UNITS_DISTANCE && units != UNITS_PERCENT && units != kCallerUnits) {
      return "an accepted amount has an unknown units code";
    }
  }
  return nullptr;
}

const char* CheckFormatted(double amount, uint8_t choice) {
  const int precision = choice % 7;
  const unsigned int units = (choice & 0x10) != 0 ? UNITS_PERCENT : UNITS_DISTANCE;
  const bool inches = (choice & 0x20) != 0;
  const double shown = units == UNITS_DISTANCE && !inches ? amount * 2.54 : amount;
  if (!std::isfinite(amount) || std::fabs(shown) * std::pow(10.0, precision) >= kTwoTo31) {
    return nullptr;  // outside the supported magnitudes
  }

  CString text;
  FormatAmount(amount, units, text, precision, inches, false, 0);
  double readBack = 0.0;
  unsigned int readUnits = kCallerUnits;
  if (!ConvertAmount(text, readBack, readUnits, precision, inches, true)) {
    return "formatted text does not read back";
  }
  if (readUnits != units) return "formatted text reads back with other units";

  CString again;
  FormatAmount(readBack, units, again, precision, inches, false, 0);
  if (again != text) return "the amount read back formats differently";

  double decimal = 0.0;
  ScanDecimal(text, decimal);
  if (units == UNITS_DISTANCE && !inches) decimal *= 0.39370078740157477;
  if (std::fabs(readBack - decimal) > std::fabs(decimal) * 0x1p-50) {
    return "the amount read back is not the text's value";
  }
  return nullptr;
}

}  // namespace

const char* CheckAmountRoundTrip(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data),
                         strnlen(reinterpret_cast<const char*>(data), size));
  if (const char* failure = CheckParse(text)) return failure;
  if (size < 9) return nullptr;
  double amount = 0.0;
  std::memcpy(&amount, data, sizeof amount);
  return CheckFormatted(amount, data[8]);
}
