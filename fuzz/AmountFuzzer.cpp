// libFuzzer entry for the amount text functions (build with the "fuzz"
// preset; see fuzz/README.md).
#include "fuzz/AmountRoundTrip.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (const char* failure = CheckAmountRoundTrip(data, size)) {
    std::fprintf(stderr, "amount property violated: %s\n", failure);
    std::abort();
  }
  return 0;
}
