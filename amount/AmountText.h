// Amounts as text: typed text to a value and a value to display text.
// Distances are held in inches whatever the user sees; percentages are held
// as the percent number (50 means 50 %). Parsing and printing use the C
// library's current numeric locale for the decimal separator.
#pragma once

#include "afx/base/AfxString.h"

// Units codes: what an amount value is.
constexpr unsigned int UNITS_DISTANCE = 0;  // a distance in inches
constexpr unsigned int UNITS_PERCENT = 1;   // a percentage

// Reads typed text as an amount. Accepts a number ('12.5', '.5', '1e2'), a
// fraction ('3/4', '3/-4'), a mixed number ('1 3/4' is 1.75, '-1 3/4' is
// -1.75, '-0 3/4' is -0.75) and, when bPercent, a percentage ('50%'). Text
// in centimetres (bInches false) is converted to inches; percentages never
// are. Returns false for text that is not an amount: empty, no number
// ('abc', '-0', '.0'), a period together with a fraction bar, a zero
// denominator, a value that is not finite ('inf', '1e999'), or a distance
// that would overflow in the other unit ('-1e308' inches, 2.54e308 cm). On
// failure uUnits is unchanged
// and dAmount is 0.0 (after a zero denominator: the numerator as read).
// nPrecision is not used: parsing is the same at every precision.
VARNEL_API bool ConvertAmount(CString strAmount, double& dAmount, unsigned int& uUnits,
                              int nPrecision, bool bInches, bool bPercent);

// Writes an amount as display text into strAmount and returns its
// characters. Distances show in inches or centimetres, rounded to
// nPrecision decimals (halves away from zero), or unrounded with
// nMinPrecision decimals when bNoRound. Percentages show with nPrecision
// decimals and a '%'. A value that shows as zero shows without a minus
// sign; one that is not finite in the display unit shows as empty text.
// Any other units code leaves strAmount as it was.
VARNEL_API const char* FormatAmount(double dAmount, unsigned int uUnits, CString& strAmount,
                                    int nPrecision, bool bInches, bool bNoRound,
                                    int nMinPrecision);

// Rounds to nPrecision decimals, halves away from zero (2.5 to 3, -2.5 to
// -3); nothing when bNoRound. Scaled magnitudes below 2^31 round exactly as
// through a 32-bit integer; larger ones as through a 64-bit integer; from
// 2^52 on the scaled value is whole already and the amount is left as it
// is, as are infinities and NaN.
VARNEL_API void RoundAmount(double& dAmount, int nPrecision, bool bNoRound);

// Trims floating-point noise: makes the value equal to what its six-decimal
// text shows (2.9999996 becomes 3.0, 1.0000004 becomes 1.0), so that values
// that differ only in noise convert and compare alike: a value read from
// text with six decimals or fewer keeps its decimals. Defined for every
// finite value; infinities and NaN are left as they are.
VARNEL_API void RoundForTextConversion(double& dAmount);

// True when dAmount lies within one display step (10^-nPrecision, or 1 at
// precisions below 1) of either limit, measured in the unit the user sees
// (centimetres when bInches is false). The step itself is not within.
VARNEL_API bool LimitTest(bool bInches, int nPrecision, double dAmount, double dLimit1,
                          double dLimit2);
