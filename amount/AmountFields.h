// What the amount edit control and the amount combo box have in common: the
// amount with its units code, the display format, the two ranges, and the
// conversions and range test made with them. Portable, so that the rules
// are tested without windows; both controls derive from it beside their
// framework control class.
#pragma once

#include "amount/AmountText.h"

// A control's display format as one record.
struct tagFORMAT {
  int nPrecision;
  bool bInches;
  bool bNotify;
  bool bRequired;
  bool bPercent;
  bool bOnlyPercent;
  int nMinPrecision;  // read out only: setting a format ignores it
};

class VARNEL_API CAmountFields {
 public:
  CAmountFields() = default;
  virtual ~CAmountFields() = default;

  double GetAmount() const { return m_dAmount; }
  unsigned int GetUnits() const { return m_uUnits; }
  // The amount in ten-thousandths of an inch, and as a whole number; both
  // round halves away from zero and saturate at the limits of LONG.
  LONG GetDistance() const;
  LONG GetLong() const;

  // Switches range checking on (for distances and percentages alike) and
  // sets the distance limits, in inches, in either order.
  void SetRange(double dLimit1, double dLimit2);
  void SetRange(LONG lLimit1, LONG lLimit2);
  // The limits; 1 when range checking is on, else 0. The LONG forms
  // truncate toward zero (saturating).
  int GetRange(double& dMin, double& dMax) const;
  int GetRange(LONG& lMin, LONG& lMax) const;
  int GetPercentRange(double& dMin, double& dMax) const;
  int GetPercentRange(LONG& lMin, LONG& lMax) const;

  void GetFormat(int& nPrecision, bool& bInches, bool& bNotify, bool& bRequired, bool& bPercent,
                 int& nMinPrecision) const;

  // The amount text functions with this control's format.
  bool ConvertAmount(CString strAmount, double& dAmount, unsigned int& uUnits) const;
  const char* FormatAmount(double dAmount, unsigned int uUnits, CString& strAmount,
                           bool bNoRound) const;
  void RoundAmount(double& dAmount, bool bNoRound) const;

  // The range test of a commit: true when range checking is off or the
  // amount (noise trimmed) lies within the inclusive limits of its kind.
  // bAtLimit tells whether it lies within one display step of a limit (left
  // alone when range checking is off).
  bool ValidateAmount(double dAmount, unsigned int uUnits, bool& bAtLimit) const;

  // The limits of the amount's kind as display text (unrounded, at the
  // minimum precision), for the prompt of a refused commit.
  void FormatLimits(unsigned int uUnits, CString& strLower, CString& strUpper) const;

 protected:
  // Stores the percent limits in either order (range checking unchanged).
  void StorePercentRange(double dLimit1, double dLimit2);
  // Applies a display unit and precision: a change of unit recomputes the
  // minimum precision from the limits; the minimum precision is raised to
  // the precision.
  void ApplyDisplayFormat(int nPrecision, bool bInches);
  // A format record's precision and unit, applied when either differs
  // (true then: the amount wants showing again), and its notify, required
  // and percent flags. bOnlyPercent and nMinPrecision are not read.
  bool ApplyFormatRecord(const tagFORMAT& format);
  // The record's fields from this control, bOnlyPercent left alone.
  void FillFormatRecord(tagFORMAT& format) const;
  // Raises the minimum precision to what the limits need to show unrounded
  // (at most 3 decimals).
  void CalcMinPrec();

  bool m_bNotify = true;
  bool m_bRequired = true;
  double m_dAmount = 0.0;
  unsigned int m_uUnits = UNITS_DISTANCE;
  double m_dPercentMin = 0.0;
  double m_dPercentMax = 100.0;
  bool m_bRange = false;
  double m_dMin = 0.0;
  double m_dMax = 0.0;
  int m_nPrecision = 3;
  int m_nMinPrecision = 0;
  bool m_bInches = true;
  bool m_bPercent = false;
};

namespace varnel::amount {

// Rounds half away from zero to a LONG, saturating at its limits; NaN is 0.
VARNEL_API LONG RoundToLong(double dValue);

}  // namespace varnel::amount
