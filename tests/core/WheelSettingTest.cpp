#include "frame/WheelSetting.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

using namespace varnel::frame;

namespace {

struct ParseCase {
  const char* text;
  unsigned int expected;
};

const ParseCase kParseCases[] = {
    {"5", 5u},
    {" 7 lines please", 7u},
    {"\t\n+12", 12u},
    {"no digits", 0u},
    {"", 0u},
    {"-", 0u},
    {"-1", 4294967295u},          // strtoul negates modulo 2^32
    {"4294967295", 4294967295u},
    {"4294967296", 4294967295u},  // overflow gives all bits set
    {"-99999999999999999999", 4294967295u},
    {"007", 7u},
    {"3x5", 3u},
};

TEST(WheelSetting, ParsesRegistryTextAsStrtoulDoes) {
  for (const ParseCase& c : kParseCases) {
    EXPECT_EQ(ParseWheelScrollLines(c.text, std::strlen(c.text) + 1), c.expected) << c.text;
  }
}

TEST(WheelSetting, ReadsOnlyTheBytesGiven) {
  // A buffer filled to its last byte with digits and no NUL: the parse must
  // stop at the end (AddressSanitizer catches a read past it).
  const std::size_t size = 128;
  std::unique_ptr<char[]> data(new char[size]);
  std::memset(data.get(), ' ', size);
  data[size - 2] = '4';
  data[size - 1] = '2';
  EXPECT_EQ(ParseWheelScrollLines(data.get(), size), 42u);
  EXPECT_EQ(ParseWheelScrollLines(data.get(), size - 1), 4u);
  EXPECT_EQ(ParseWheelScrollLines("12\0" "34", 5), 12u);  // a NUL ends the text
}

TEST(WheelSetting, SystemQueryOnlyOnNtFourAndLater) {
  EXPECT_TRUE(UsesSystemWheelQuery(true, 4));
  EXPECT_TRUE(UsesSystemWheelQuery(true, 10));
  EXPECT_FALSE(UsesSystemWheelQuery(true, 3));
  EXPECT_FALSE(UsesSystemWheelQuery(false, 4));
  EXPECT_FALSE(UsesSystemWheelQuery(false, 6));
}

}  // namespace
