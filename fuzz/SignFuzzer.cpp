// libFuzzer entry for loading the sign demo's .sign files through the
// archive (build with the "fuzz" preset; see fuzz/README.md).
#include "fuzz/SignLoadCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (const char* failure = CheckSignLoad(data, size)) {
    std::fprintf(stderr, "sign file property violated: %s\n", failure);
    std::abort();
  }
  return 0;
}
