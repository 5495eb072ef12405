#include "afx/base/AfxTypes.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct MulDivCase {
  int number, numerator, denominator, expected;
};

// Halves round away from zero on both signs; a zero divisor and a quotient
// outside the 32-bit range give -1, including a quotient of exactly INT_MIN.
const MulDivCase kCases[] = {
    {5, 1, 2, 3},       {-5, 1, 2, -3},      {5, -1, 2, -3},     {5, 1, -2, -3},
    {-5, -1, -2, -3},   {7, 1, 2, 4},        {3, 1, 2, 2},       {1, 1, 3, 0},
    {2, 1, 3, 1},       {-2, 1, 3, -1},      {0, 7, 3, 0},       {10, 10, 10, 10},
    {1, 1, 0, -1},      {0, 0, 0, -1},       {INT_MAX, 1, 0, -1},
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX},    {INT_MAX, 2, 2, INT_MAX},
    {INT_MAX, 2, 1, -1},                     {-INT_MAX, 2, 2, -INT_MAX},
    {INT_MIN, 1, 1, -1},                     {INT_MIN, 1, 2, INT_MIN / 2},
    {INT_MIN, -1, 2, 1073741824},            {INT_MIN, 1, -1, -1},
    {INT_MAX, INT_MAX, 1, -1},               {100000, 100000, 3, -1},
    {65536, 32768, 1, -1},                   {65536, 32767, 1, 2147418112},
    {-1, 1, INT_MIN, 0},                     {INT_MIN, INT_MIN, INT_MAX, -1},
};

// A divisor of INT_MIN cannot be negated in 32 bits; the platform goes on
// with it negative, and so do we.
const MulDivCase kPlatformQuirks[] = {
    {INT_MIN, INT_MIN, INT_MIN, -INT_MAX},
    {1, INT_MIN, INT_MIN, 0},
    {1, INT_MAX, INT_MIN, 0},
    {INT_MIN, -1, -140, 15339169},
};

TEST(MulDiv, RoundsHalvesAwayFromZeroAndFailsWithMinusOne) {
  for (const MulDivCase& c : kCases) {
    EXPECT_EQ(MulDivPortable(c.number, c.numerator, c.denominator), c.expected)
        << "MulDiv(" << c.number << ", " << c.numerator << ", " << c.denominator << ")";
  }
}

TEST(MulDiv, KeepsThePlatformsResultsForMinIntOperands) {
  for (const MulDivCase& c : kPlatformQuirks) {
    EXPECT_EQ(MulDivPortable(c.number, c.numerator, c.denominator), c.expected)
        << "MulDiv(" << c.number << ", " << c.numerator << ", " << c.denominator << ")";
  }
}

}  // namespace
