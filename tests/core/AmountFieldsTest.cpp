#include "amount/AmountFields.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

using namespace varnel::amount;

namespace {

// The common part as a control sees it: the protected steps made callable.
class Fields : public CAmountFields {
 public:
  using CAmountFields::ApplyDisplayFormat;
  using CAmountFields::StorePercentRange;
  int MinPrecision() const { return m_nMinPrecision; }
  void SetAmountValue(double value, unsigned int units) {
    m_dAmount = value;
    m_uUnits = units;
  }
  void RangeOn() { m_bRange = true; }
};

TEST(AmountFields, MinimumPrecisionFollowsTheLimits) {
  Fields f;
  f.ApplyDisplayFormat(0, true);
  f.SetRange(0.5, 2.25);
  EXPECT_EQ(f.MinPrecision(), 2);
  f.SetRange(1.0, 10.0);
  EXPECT_EQ(f.MinPrecision(), 2) << "never lowered by later limits";
  f.SetRange(0.0625, 1.0);
  EXPECT_EQ(f.MinPrecision(), 3) << "capped at 3";
  f.SetRange(1e7, 1.0);  // '1.e+007' counts 5 decimals: capped
  EXPECT_EQ(f.MinPrecision(), 3);

  Fields g;
  g.ApplyDisplayFormat(0, true);
  g.SetRange(1.0, 10.0);
  EXPECT_EQ(g.MinPrecision(), 0);
  g.ApplyDisplayFormat(0, false);  // 2.54 and 25.4 cm
  EXPECT_EQ(g.MinPrecision(), 2);
  g.ApplyDisplayFormat(4, false);
  EXPECT_EQ(g.MinPrecision(), 4) << "raised to the precision";
  g.SetRange(0.0001, 1.0);  // 0.000254 cm: 6 decimals, capped to 3
  EXPECT_EQ(g.MinPrecision(), 3);
}

TEST(AmountFields, RangeTestIsInclusiveAndTrimsNoise) {
  Fields f;
  bool atLimit = true;
  EXPECT_TRUE(f.ValidateAmount(1e9, UNITS_DISTANCE, atLimit)) << "no range: anything goes";
  EXPECT_TRUE(atLimit) << "left alone without a range";

  f.ApplyDisplayFormat(2, true);
  f.SetRange(10.0, 0.5);
  const struct {
    double amount;
    unsigned int units;
    bool ok, atLimit;
  } cases[] = {
      {0.5, UNITS_DISTANCE, true, true},       {10.0, UNITS_DISTANCE, true, true},
      {10.004, UNITS_DISTANCE, false, true},   {0.2, UNITS_DISTANCE, false, false},
      {10.0000000001, UNITS_DISTANCE, true, true},  // noise is trimmed first
      {5.0, UNITS_DISTANCE, true, false},      {100.0, UNITS_PERCENT, true, true},
      {100.5, UNITS_PERCENT, false, false},    {-1.0, UNITS_PERCENT, false, false},
      // The percent step is measured as if in centimetres: 0.005 x 2.54 > 0.01.
      {99.995, UNITS_PERCENT, true, false},    {99.997, UNITS_PERCENT, true, true},
  };
  for (const auto& c : cases) {
    bool limit = !c.atLimit;
    EXPECT_EQ(f.ValidateAmount(c.amount, c.units, limit), c.ok) << c.amount;
    EXPECT_EQ(limit, c.atLimit) << c.amount;
  }
}

TEST(AmountFields, APercentRangeAloneChecksDistancesAgainstZero) {
  Fields f;
  f.StorePercentRange(100.0, 0.0);
  f.RangeOn();  // what the edit control's SetPercentRange adds
  bool atLimit = false;
  EXPECT_TRUE(f.ValidateAmount(0.0, UNITS_DISTANCE, atLimit));
  EXPECT_FALSE(f.ValidateAmount(0.001, UNITS_DISTANCE, atLimit));
  EXPECT_TRUE(f.ValidateAmount(50.0, UNITS_PERCENT, atLimit));
  double lo = 0.0, hi = 0.0;
  EXPECT_EQ(f.GetPercentRange(lo, hi), 1);
  EXPECT_EQ(lo, 0.0);
  EXPECT_EQ(hi, 100.0);
}

TEST(AmountFields, LimitsShowUnroundedAtTheMinimumPrecision) {
  Fields f;
  f.ApplyDisplayFormat(2, true);
  f.SetRange(0.5, 10.0);
  CString lower, upper;
  f.FormatLimits(UNITS_DISTANCE, lower, upper);
  EXPECT_EQ(lower, "0.50");
  EXPECT_EQ(upper, "10.00");
  f.SetRange(0.125, 1.0);
  f.FormatLimits(UNITS_DISTANCE, lower, upper);
  EXPECT_EQ(lower, "0.125");
  f.StorePercentRange(5.0, 95.0);
  f.FormatLimits(UNITS_PERCENT, lower, upper);
  EXPECT_EQ(lower, "5.00%");
  EXPECT_EQ(upper, "95.00%");
}

TEST(AmountFields, WholeNumbersRoundHalvesAwayAndSaturate) {
  Fields f;
  const struct {
    double amount;
    LONG distance, whole;
  } cases[] = {
      {1.0, 10000, 1},          {0.00005, 1, 0},        {-0.00005, -1, 0},
      {2.5, 25000, 3},          {-2.5, -25000, -3},     {1e6, INT32_MAX, 1000000},
      {-1e12, INT32_MIN, INT32_MIN},
  };
  for (const auto& c : cases) {
    f.SetAmountValue(c.amount, UNITS_DISTANCE);
    EXPECT_EQ(f.GetDistance(), c.distance) << c.amount;
    EXPECT_EQ(f.GetLong(), c.whole) << c.amount;
  }
  EXPECT_EQ(RoundToLong(std::numeric_limits<double>::quiet_NaN()), 0);
  f.SetRange(-3.9, 1e20);
  LONG lo = 0, hi = 0;
  EXPECT_EQ(f.GetRange(lo, hi), 1);
  EXPECT_EQ(lo, -3);
  EXPECT_EQ(hi, INT32_MAX);
}

}  // namespace
