#include "frame/WheelSetting.h"

#include <cstdint>

namespace varnel::frame {

namespace {
// White space as the C locale's isspace has it; the host's locale must not
// change how the setting is read.
bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
}  // namespace

bool UsesSystemWheelQuery(bool bWinNT, unsigned long uWinVer) {
  return bWinNT && uWinVer >= 4;
}

unsigned int ParseWheelScrollLines(const char* data, std::size_t size) {
  std::size_t i = 0;
  while (i < size && IsCSpace(data[i])) ++i;
  bool negative = false;
  if (i < size && (data[i] == '+' || data[i] == '-')) {
    negative = data[i] == '-';
    ++i;
  }
  uint64_t value = 0;
  bool overflow = false;
  for (; i < size && data[i] >= '0' && data[i] <= '9'; ++i) {
    value = value * 10 + static_cast<uint64_t>(data[i] - '0');
    if (value > UINT32_MAX) {
      overflow = true;
      value = UINT32_MAX;  // keep reading digits, but stay bounded
    }
  }
  if (overflow) return UINT32_MAX;
  const uint32_t magnitude = static_cast<uint32_t>(value);
  return negative ? 0u - magnitude : magnitude;
}

}  // namespace varnel::frame
