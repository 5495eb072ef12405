// The text of numbers in the framework's entry fields (dialog data
// exchange), the same in every build. A field holds one number and nothing
// else but surrounding white space: "12abc" is refused, never read as 12.
// Decimals are read and written with the C library's current numeric
// locale's separator, as the amount code does (afx/base/DecimalText.h), so a
// number shown in a field reads back as the same number; a period typed
// under a comma locale (or a comma under the "C" locale) makes the text
// refused rather than silently cut short.
#pragma once

#include "afx/base/AfxExport.h"

#include <cstdint>
#include <string>

// Magnitudes of whole numbers are held at this bound when read: it lies far
// beyond every 32-bit range, so a range test still refuses them.
constexpr int64_t kWholeNumberBound = 1000000000000000;  // 10^15

// Reads optional white space, an optional sign, decimal digits and optional
// white space. False when the text is anything else; the value then is left
// alone.
VARNEL_API bool ReadWholeNumber(const char* lpszText, int64_t& value);

// Reads optional white space, a decimal number (ScanDecimal's grammar: sign,
// digits with the locale's separator, exponent) and optional white space.
// False when the text is anything else. A magnitude beyond the double range
// reads as infinity; the caller's range test refuses it.
VARNEL_API bool ReadRealNumber(const char* lpszText, double& value);

// `value` as printf's "%.*g" writes it with nDigits significant digits
// (1 to 17; plain or exponent notation, no trailing zeros), correctly
// rounded and with a two-digit exponent in every build, and with the
// locale's separator.
VARNEL_API std::string WriteRealNumber(double value, int nDigits);
