// Differential run of the amount parser: the library's ConvertAmount,
// ScanDecimal and RoundForTextConversion against the version before their
// allocation-free rewrite (AmountTextBaseline), on every file of the fuzz
// corpus and on generated texts and values, in the "C" numeric locale and
// in a German one where the system has it (a fifth as many generated). A
// result, an amount's bits or a units code that differs is printed, and
// the run fails.
//
//   amount_differential fuzz/corpus/amount [COUNT]    (COUNT: 1000000)
#include "amount/AmountText.h"
#include "afx/base/DecimalText.h"
#include "bench/AmountTextBaseline.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

long g_mismatches = 0;
long g_compared = 0;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

void Report(const char* what, const std::string& input) {
  if (++g_mismatches <= 20) std::printf("MISMATCH %s on \"%s\"\n", what, input.c_str());
}

void CompareText(const std::string& text) {
  ++g_compared;
  for (int flags = 0; flags < 4; ++flags) {
    const bool inches = (flags & 1) != 0, percent = (flags & 2) != 0;
    double oldAmount = -1.0, newAmount = -1.0;
    unsigned int oldUnits = 9, newUnits = 9;
    const bool oldOk = baseline::ConvertAmount(text.c_str(), oldAmount, oldUnits, 3, inches, percent);
    const bool newOk = ConvertAmount(text.c_str(), newAmount, newUnits, 3, inches, percent);
    if (oldOk != newOk || !SameBits(oldAmount, newAmount) || oldUnits != newUnits) {
      Report("ConvertAmount", text);
    }
  }
  double oldValue = -1.0, newValue = -1.0;
  const std::size_t oldLength = baseline::ScanDecimal(text.c_str(), oldValue);
  const std::size_t newLength = ScanDecimal(text.c_str(), newValue);
  if (oldLength != newLength || !SameBits(oldValue, newValue)) Report("ScanDecimal", text);
}

void CompareValue(double value) {
  ++g_compared;
  double oldValue = value, newValue = value;
  baseline::RoundForTextConversion(oldValue);
  RoundForTextConversion(newValue);
  if (!SameBits(oldValue, newValue)) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    Report("RoundForTextConversion", text);
  }
}

// Text a user or a fuzzer might give: number characters, separators,
// fraction bars, signs, spaces, exponents and a few letters.
std::string RandomText(std::mt19937_64& rng) {
  static const char kAlphabet[] = "01234567890123456789012345 ./-+%eE,\tx0 /.";
  std::string text(rng() % 21, ' ');
  for (char& c : text) c = kAlphabet[rng() % (sizeof kAlphabet - 1)];
  return text;
}

// A value near what amounts are made of: whole millionths, halves of
// them, their neighbours, and arbitrary bit patterns of every magnitude.
double RandomValue(std::mt19937_64& rng) {
  const double sign = (rng() & 1) != 0 ? -1.0 : 1.0;
  const double millionths = static_cast<double>(rng() % 100000000000ull);
  switch (rng() % 5) {
    case 0: return sign * millionths / 1e6;
    case 1: return sign * (millionths + 0.5) / 1e6;
    case 2: return std::nextafter(sign * (millionths + 0.5) / 1e6, (rng() & 1) != 0 ? 1e300 : -1e300);
    case 3: return sign * millionths / 1e6 * std::pow(10.0, static_cast<double>(rng() % 30) - 15.0);
    default: {
      double value = 0.0;
      const uint64_t bits = rng();
      std::memcpy(&value, &bits, sizeof value);
      return std::isfinite(value) ? value : 0.0;
    }
  }
}

// Numbers as people and programs write them.
std::string RandomNumberText(std::mt19937_64& rng, const char* separator) {
  char text[64];
  const double value = RandomValue(rng);
  switch (rng() % 4) {
    case 0: std::snprintf(text, sizeof text, "%.*f", static_cast<int>(rng() % 9), value); break;
    case 1: std::snprintf(text, sizeof text, "%.17g", value); break;
    case 2:
      std::snprintf(text, sizeof text, "%d %d/%d", static_cast<int>(rng() % 200) - 100,
                    static_cast<int>(rng() % 64), static_cast<int>(rng() % 65) - 1);
      break;
    default: std::snprintf(text, sizeof text, "%.3g", value); break;
  }
  std::string result = text;
  const std::size_t period = result.find('.');
  if (period != std::string::npos && std::strcmp(separator, ".") != 0) {
    result.replace(period, 1, separator);  // printf used the locale; keep it the locale's
  }
  if (rng() % 4 == 0) result += '%';
  if (rng() % 8 == 0) result.insert(0, "  ");
  return result;
}

// Short amounts as typed, around the limits of the parser's quick path:
// signs, up to six whole digits (leading zeros too), up to seven
// decimals, and what may follow a number.
std::string RandomShortAmount(std::mt19937_64& rng, const char* separator) {
  static const char* const kSigns[] = {"", "", "-", "+"};
  static const char* const kTails[] = {"", "", "%", "e", "e5", "E-2", " 3/4", "/8", "x", "."};
  std::string text = kSigns[rng() % 4];
  if (rng() % 8 == 0) {
    text += std::to_string(68716 + rng() % 6);  // across the quick path's whole limit
  } else {
    for (uint64_t n = rng() % 7; n > 0; --n) text += static_cast<char>('0' + rng() % 10);
  }
  if (rng() % 3 != 0) {
    text += separator;
    for (uint64_t n = rng() % 8; n > 0; --n) text += static_cast<char>('0' + rng() % 10);
  }
  return text + kTails[rng() % 10];
}

void RunCorpus(const char* directory) {
  for (const auto& entry : std::filesystem::directory_iterator(directory)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    CompareText(bytes.c_str());  // up to the first NUL, as the fuzzer reads it
    if (bytes.size() >= sizeof(double)) {
      double value = 0.0;
      std::memcpy(&value, bytes.data(), sizeof value);
      CompareValue(value);
    }
  }
}

void RunGenerated(long count, uint64_t seed) {
  std::mt19937_64 rng(seed);
  const char* separator = DecimalSeparatorChars();
  for (long i = 0; i < count; ++i) {
    switch (i % 3) {
      case 0: CompareText(RandomText(rng)); break;
      case 1: CompareText(RandomNumberText(rng, separator)); break;
      default: CompareText(RandomShortAmount(rng, separator)); break;
    }
    CompareValue(RandomValue(rng));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR [COUNT]\n", argv[0]);
    return 2;
  }
  const long count = argc > 2 ? std::atol(argv[2]) : 1000000;
  RunCorpus(argv[1]);
  RunGenerated(count, 1);
  std::printf("C locale: %ld inputs compared\n", g_compared);
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
    const long before = g_compared;
    RunCorpus(argv[1]);
    RunGenerated(count / 5, 2);
    std::printf("de_DE locale: %ld inputs compared\n", g_compared - before);
    std::setlocale(LC_NUMERIC, "C");
  } else {
    std::printf("de_DE locale not available: skipped\n");
  }
  std::printf("%ld mismatches\n", g_mismatches);
  return g_mismatches == 0 ? 0 : 1;
}
