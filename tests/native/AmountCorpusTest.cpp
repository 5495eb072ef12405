// Every input the amount fuzzer kept (and the seeds it started from) still
// satisfies the fuzzer's property.
#include "fuzz/AmountRoundTrip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(AmountCorpus, EveryInputKeepsTheRoundTripProperty) {
  int inputs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(VARNEL_AMOUNT_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    const char* failure = CheckAmountRoundTrip(reinterpret_cast<const uint8_t*>(bytes.data()),
                                               bytes.size());
    EXPECT_EQ(failure, nullptr) << entry.path() << ": " << failure;
    ++inputs;
  }
  EXPECT_GE(inputs, 10) << "the corpus is missing";
}

}  // namespace
