#include "afx/base/AfxTypes.h"

#include <cstdint>

// The platform's rule, observed on every input class (the win suite compares
// a million triples): a negative divisor is made positive by negating both
// it and the number in 32 bits; half the divisor (truncated) is then added
// to the 64-bit product when number and numerator have the same sign class
// (both negative, or both non-negative) and subtracted otherwise, and the sum
// is divided with truncation. A quotient outside [-INT_MAX, INT_MAX] is -1.
// Only INT_MIN operands make this differ from plain rounding of the exact
// quotient, and there it is kept as the platform has it.
int MulDivPortable(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  int32_t number = nNumber;
  int32_t divisor = nDenominator;
  if (divisor < 0) {
    // Negated in 32 bits: INT_MIN stays INT_MIN, as on the platform.
    number = AfxWrapNeg(number);
    divisor = AfxWrapNeg(divisor);
  }
  // |product| <= 2^62 and |half| <= 2^30: the sums stay within 64 bits.
  const int64_t product = int64_t{number} * nNumerator;
  const int64_t half = divisor / 2;
  const bool sameSign = (number < 0) == (nNumerator < 0);
  const int64_t quotient = (sameSign ? product + half : product - half) / divisor;
  if (quotient > INT32_MAX || quotient < -INT32_MAX) return -1;
  return static_cast<int>(quotient);
}
