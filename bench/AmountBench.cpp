// Amount text conversion against the C library's own conversions of the
// same inputs: ConvertAmount beside strtod, FormatAmount beside
// snprintf("%.3f").
#include "amount/AmountText.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

const char* const kTexts[] = {"12.5", "3/4", "1 3/4", "50%", "0.0625"};
const double kAmounts[] = {12.5, 0.75, 1.75, 50.0, 0.0625};
const unsigned int kUnits[] = {UNITS_DISTANCE, UNITS_DISTANCE, UNITS_DISTANCE, UNITS_PERCENT,
                               UNITS_DISTANCE};

void ConvertAmountMixed(benchmark::State& state) {
  const CString texts[] = {kTexts[0], kTexts[1], kTexts[2], kTexts[3], kTexts[4]};
  for (auto _ : state) {
    for (const CString& text : texts) {
      double amount = 0.0;
      unsigned int units = UNITS_DISTANCE;
      benchmark::DoNotOptimize(ConvertAmount(text, amount, units, 3, true, true));
      benchmark::DoNotOptimize(amount);
    }
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(ConvertAmountMixed);

void StrtodReference(benchmark::State& state) {
  for (auto _ : state) {
    for (const char* text : kTexts) {
      char* end = nullptr;
      benchmark::DoNotOptimize(std::strtod(text, &end));
      benchmark::DoNotOptimize(end);
    }
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(StrtodReference);

void FormatAmountMixed(benchmark::State& state) {
  CString text;
  for (auto _ : state) {
    for (int i = 0; i < 5; ++i) {
      benchmark::DoNotOptimize(FormatAmount(kAmounts[i], kUnits[i], text, 3, true, false, 0));
    }
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(FormatAmountMixed);

void SnprintfReference(benchmark::State& state) {
  char buffer[64];
  for (auto _ : state) {
    for (double amount : kAmounts) {
      benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.3f", amount));
      benchmark::ClobberMemory();
    }
  }
  state.SetItemsProcessed(state.iterations() * 5);
}
BENCHMARK(SnprintfReference);

}  // namespace
