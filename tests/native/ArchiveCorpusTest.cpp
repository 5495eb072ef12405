// Every input the archive fuzzer kept (and the seeds, real documents it
// started from) still satisfies the fuzzer's property; the seeds load.
#include "fuzz/SketchLoadCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(ArchiveCorpus, EveryInputIsLoadedOrRefusedSoundly) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VARNEL_ARCHIVE_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    const char* failure = CheckSketchLoad(reinterpret_cast<const uint8_t*>(bytes.data()),
                                          bytes.size());
    EXPECT_EQ(failure, nullptr) << entry.path() << ": " << failure;
    ++inputs;
  }
  EXPECT_GE(inputs, 5) << "the corpus is missing";
}

}  // namespace
