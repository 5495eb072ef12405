// libFuzzer entry for loading documents through the archive (build with the
// "fuzz" preset; see fuzz/README.md).
#include "fuzz/SketchLoadCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (const char* failure = CheckSketchLoad(data, size)) {
    std::fprintf(stderr, "archive property violated: %s\n", failure);
    std::abort();
  }
  return 0;
}
