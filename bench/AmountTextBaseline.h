// The amount parser before its allocation-free rewrite: the reference that
// AmountDifferential compares the library's parser with, output for output.
#pragma once

#include "amount/AmountText.h"

#include <cstddef>
#include <string>

namespace baseline {

bool ConvertAmount(CString strAmount, double& dAmount, unsigned int& uUnits, int nPrecision,
                   bool bInches, bool bPercent);
void RoundForTextConversion(double& dAmount);
std::size_t ScanDecimal(const char* text, double& value);
std::string DecimalSeparator();
std::string WriteFixed(double value, int precision);

}  // namespace baseline
