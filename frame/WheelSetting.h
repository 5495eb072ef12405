// The rules of the wheel-scroll setting that need no system: which way the
// setting is read, and how the registry's text becomes a line count.
#pragma once

#include "afx/base/AfxTypes.h"

#include <cstddef>

namespace varnel::frame {

// The line count used whenever the system gives no answer.
constexpr unsigned int kDefaultWheelScrollLines = 3;

// True when the system can be asked directly (NT family, major version 4 or
// later); every other system keeps the setting only in the registry.
VARNEL_API bool UsesSystemWheelQuery(bool bWinNT, unsigned long uWinVer);

// Reads registry text as the C library's strtoul does with base 10 and a
// 32-bit unsigned long (white space, an optional sign, digits up to the
// first non-digit; 0 without digits; all bits set on overflow; a minus sign
// negates modulo 2^32). Only the first `size` bytes are looked at, and a NUL
// ends the text earlier: registry data need not be terminated.
VARNEL_API unsigned int ParseWheelScrollLines(const char* data, std::size_t size);

}  // namespace varnel::frame
