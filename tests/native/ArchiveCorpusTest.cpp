// Every input the archive fuzzers kept (and the seeds, real documents they
// started from) still satisfies the fuzzers' property; the seeds load.
#include "fuzz/SignLoadCheck.h"
#include "fuzz/SketchLoadCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

using LoadCheck = const char* (*)(const uint8_t*, size_t);

// The number of inputs in the folder; each failure is reported.
int ReplayCorpus(const char* folder, LoadCheck check) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    const char* failure = check(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    EXPECT_EQ(failure, nullptr) << entry.path() << ": " << failure;
    ++inputs;
  }
  return inputs;
}

TEST(ArchiveCorpus, EveryInputIsLoadedOrRefusedSoundly) {
  EXPECT_GE(ReplayCorpus(VARNEL_ARCHIVE_CORPUS, &CheckSketchLoad), 5) << "the corpus is missing";
}

TEST(ArchiveCorpus, EverySignFileIsLoadedOrRefusedSoundly) {
  EXPECT_GE(ReplayCorpus(VARNEL_SIGN_CORPUS, &CheckSignLoad), 3) << "the corpus is missing";
}

}  // namespace
