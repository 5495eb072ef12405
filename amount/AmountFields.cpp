#include "amount/AmountFields.h"

#include "afx/base/DecimalText.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr int kMaxMinPrecision = 3;

// Truncates toward zero to a LONG, saturating; NaN is 0.
LONG TruncateToLong(double dValue) {
  if (std::isnan(dValue)) return 0;
  if (dValue >= 2147483647.0) return INT32_MAX;
  if (dValue <= -2147483648.0) return INT32_MIN;
  return static_cast<LONG>(dValue);
}

// Decimals a limit needs: the characters after the period of its
// seven-digit text, trailing zeros removed (the whole text when it has no
// period, so exponent notation counts at least 3).
int DecimalsOf(double dLimit) {
  std::string text = WriteSevenDigits(dLimit);
  const std::size_t period = text.find('.');
  if (period != std::string::npos) text.erase(0, period + 1);
  text.erase(text.find_last_not_of('0') + 1);
  return static_cast<int>(text.size());
}

}  // namespace

namespace varnel::amount {

LONG RoundToLong(double dValue) {
  return TruncateToLong(dValue + (dValue >= 0.0 ? 0.5 : -0.5));
}

}  // namespace varnel::amount

using varnel::amount::RoundToLong;

LONG CAmountFields::GetDistance() const { return RoundToLong(m_dAmount * 10000.0); }

LONG CAmountFields::GetLong() const { return RoundToLong(m_dAmount); }

void CAmountFields::SetRange(double dLimit1, double dLimit2) {
  m_bRange = true;
  m_dMin = dLimit1 < dLimit2 ? dLimit1 : dLimit2;
  m_dMax = dLimit1 < dLimit2 ? dLimit2 : dLimit1;
  CalcMinPrec();
}

void CAmountFields::SetRange(LONG lLimit1, LONG lLimit2) {
  SetRange(static_cast<double>(lLimit1), static_cast<double>(lLimit2));
}

int CAmountFields::GetRange(double& dMin, double& dMax) const {
  dMin = m_dMin;
  dMax = m_dMax;
  return m_bRange ? 1 : 0;
}

int CAmountFields::GetRange(LONG& lMin, LONG& lMax) const {
  lMin = TruncateToLong(m_dMin);
  lMax = TruncateToLong(m_dMax);
  return m_bRange ? 1 : 0;
}

int CAmountFields::GetPercentRange(double& dMin, double& dMax) const {
  dMin = m_dPercentMin;
  dMax = m_dPercentMax;
  return m_bRange ? 1 : 0;
}

int CAmountFields::GetPercentRange(LONG& lMin, LONG& lMax) const {
  lMin = TruncateToLong(m_dPercentMin);
  lMax = TruncateToLong(m_dPercentMax);
  return m_bRange ? 1 : 0;
}

void CAmountFields::GetFormat(int& nPrecision, bool& bInches, bool& bNotify, bool& bRequired,
                              bool& bPercent, int& nMinPrecision) const {
  nPrecision = m_nPrecision;
  bInches = m_bInches;
  bNotify = m_bNotify;
  bRequired = m_bRequired;
  bPercent = m_bPercent;
  nMinPrecision = m_nMinPrecision;
}

bool CAmountFields::ConvertAmount(CString strAmount, double& dAmount,
                                  unsigned int& uUnits) const {
  return ::ConvertAmount(strAmount, dAmount, uUnits, m_nPrecision, m_bInches, m_bPercent);
}

const char* CAmountFields::FormatAmount(double dAmount, unsigned int uUnits, CString& strAmount,
                                        bool bNoRound) const {
  return ::FormatAmount(dAmount, uUnits, strAmount, m_nPrecision, m_bInches, bNoRound,
                        m_nMinPrecision);
}

void CAmountFields::RoundAmount(double& dAmount, bool bNoRound) const {
  ::RoundAmount(dAmount, m_nPrecision, bNoRound);
}

bool CAmountFields::ValidateAmount(double dAmount, unsigned int uUnits, bool& bAtLimit) const {
  if (!m_bRange) return true;
  double value = dAmount;
  RoundForTextConversion(value);
  if (uUnits == UNITS_PERCENT) {
    // The at-limit test of percentages scales like centimetres (by 2.54).
    bAtLimit = LimitTest(false, m_nPrecision, value, m_dPercentMin, m_dPercentMax);
    return m_dPercentMin <= value && value <= m_dPercentMax;
  }
  bAtLimit = LimitTest(m_bInches, m_nPrecision, value, m_dMin, m_dMax);
  return m_dMin <= value && value <= m_dMax;
}

void CAmountFields::FormatLimits(unsigned int uUnits, CString& strLower,
                                 CString& strUpper) const {
  const bool percent = uUnits == UNITS_PERCENT;
  FormatAmount(percent ? m_dPercentMin : m_dMin, uUnits, strLower, true);
  FormatAmount(percent ? m_dPercentMax : m_dMax, uUnits, strUpper, true);
}

void CAmountFields::StorePercentRange(double dLimit1, double dLimit2) {
  m_dPercentMin = dLimit1 < dLimit2 ? dLimit1 : dLimit2;
  m_dPercentMax = dLimit1 < dLimit2 ? dLimit2 : dLimit1;
}

void CAmountFields::ApplyDisplayFormat(int nPrecision, bool bInches) {
  if (bInches != m_bInches) {
    m_bInches = bInches;
    m_nMinPrecision = 0;
    CalcMinPrec();
  }
  m_nPrecision = nPrecision;
  if (m_nPrecision > m_nMinPrecision) m_nMinPrecision = m_nPrecision;
}

bool CAmountFields::ApplyFormatRecord(const tagFORMAT& format) {
  const bool changed = format.nPrecision != m_nPrecision || format.bInches != m_bInches;
  if (changed) ApplyDisplayFormat(format.nPrecision, format.bInches);
  m_bNotify = format.bNotify;
  m_bRequired = format.bRequired;
  m_bPercent = format.bPercent;
  return changed;
}

void CAmountFields::FillFormatRecord(tagFORMAT& format) const {
  GetFormat(format.nPrecision, format.bInches, format.bNotify, format.bRequired, format.bPercent,
            format.nMinPrecision);
}

void CAmountFields::CalcMinPrec() {
  for (double limit : {m_dMin, m_dMax}) {
    const double shown = m_bInches ? limit : limit * kCentimetresPerInch;
    const int decimals = DecimalsOf(shown);
    // The cap applies to a raise only: a larger precision set earlier can
    // thus come down to the cap, never below it.
    if (decimals > m_nMinPrecision) {
      m_nMinPrecision = decimals > kMaxMinPrecision ? kMaxMinPrecision : decimals;
    }
  }
}
