// The portable MulDiv must agree with the platform's on every input: the
// native build relies on it for the same results as the Windows build.
#include "afx/base/AfxTypes.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>

namespace {

const int kExtremes[] = {0,       1,        -1,       2,           -2,          3,
                         -3,      46340,    -46340,   65536,       -65536,      INT_MAX,
                         INT_MIN, INT_MAX - 1, INT_MIN + 1, INT_MAX / 2, INT_MIN / 2, 1 << 30};

// Operands drawn so that every magnitude occurs: extremes, small values and
// full-range values, each with either sign.
int DrawOperand(std::mt19937& rng) {
  switch (rng() % 4) {
    case 0: return kExtremes[rng() % (sizeof kExtremes / sizeof kExtremes[0])];
    case 1: return static_cast<int>(rng() % 2001) - 1000;
    case 2: return static_cast<int>(static_cast<int32_t>(rng()) >> (rng() % 31));
    default: return static_cast<int>(static_cast<int32_t>(rng()));
  }
}

TEST(MulDivPlatform, AgreesOnEveryExtremeTriple) {
  for (int a : kExtremes)
    for (int b : kExtremes)
      for (int c : kExtremes)
        ASSERT_EQ(MulDivPortable(a, b, c), MulDiv(a, b, c))
            << "MulDiv(" << a << ", " << b << ", " << c << ")";
}

TEST(MulDivPlatform, AgreesOnAMillionRandomTriples) {
  std::mt19937 rng(20261207);
  for (int i = 0; i < 1000000; ++i) {
    const int a = DrawOperand(rng), b = DrawOperand(rng), c = DrawOperand(rng);
    ASSERT_EQ(MulDivPortable(a, b, c), MulDiv(a, b, c))
        << "MulDiv(" << a << ", " << b << ", " << c << ")";
  }
}

// Exact halves in every sign combination, where rounding rules differ most.
TEST(MulDivPlatform, AgreesOnExactHalves) {
  std::mt19937 rng(7);
  for (int i = 0; i < 100000; ++i) {
    const int c = static_cast<int>(rng() % 100000) * 2 + 2;
    const int q = static_cast<int>(rng() % 20001) - 10000;
    const int a = q * c + c / 2;
    for (int sa : {1, -1})
      for (int sc : {1, -1})
        ASSERT_EQ(MulDivPortable(sa * a, 1, sc * c), MulDiv(sa * a, 1, sc * c))
            << "MulDiv(" << sa * a << ", 1, " << sc * c << ")";
  }
}

}  // namespace
