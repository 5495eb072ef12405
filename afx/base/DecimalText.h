// Decimal numbers to text and back, the same in every build: digits are
// produced and read by exact, correctly rounded conversions (ties to even),
// never by the C runtime's printf or scanf, whose rounding differs between
// platforms. Only the decimal separator comes from the C library's current
// numeric locale.
#pragma once

#include "afx/base/AfxExport.h"

#include <cstddef>
#include <string>

// The current numeric locale's decimal separator; "." when the locale gives
// none.
VARNEL_API std::string DecimalSeparator();
// The same without a copy: valid until the locale changes.
VARNEL_API const char* DecimalSeparatorChars();

// `value` with `precision` decimals, as printf's "%.*f" writes it, with the
// locale's separator. A negative precision means 6, as in printf. Beyond
// 1074 decimals no double has further non-zero digits; they are not written.
VARNEL_API std::string WriteFixed(double value, int precision);

// Reads a decimal number at the start of `text` as scanf's "%lf" reads one:
// an optional sign, digits with an optional locale separator and more
// digits (at least one digit in all), then an optional exponent. Nothing
// else is a number here: no white space is skipped, and neither hexadecimal
// nor "inf"/"nan" is read. Returns the count of characters read, 0 when no
// number starts there (and `value` is then left alone). Out-of-range
// magnitudes read as infinity or zero, as strtod gives them.
VARNEL_API std::size_t ScanDecimal(const char* text, double& value);
// The same with the separator given (DecimalSeparatorChars(), asked once
// for several numbers of one text).
VARNEL_API std::size_t ScanDecimal(const char* text, const char* separator, double& value);

// `value` with 7 significant digits in the manner of _gcvt: plain notation
// with a period and no trailing zeros ("0.5", "2.25", "10."), or exponent
// notation with a three-digit exponent ("1.e+007", "2.5e-005") for
// magnitudes of 10^7 and above and below 10^-4. Always a period: the text is
// for counting decimals, not for showing.
VARNEL_API std::string WriteSevenDigits(double value);
