// The pen's text form.

#include "render/pens.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

TEST(LineBits, StringToBits) {
  struct Case {
    std::string text;
    bool ok;
    std::int32_t count;
    std::uint32_t bits;
  } cases[] = {
      {"111010", true, 6, 23},
      {"", true, 0, 0},
      {"1x1 ", true, 4, 5},  // anything but '1' is a gap
      {std::string(18, '1'), true, 18, 0x3FFFF},
      {std::string(19, '1'), false, 7, 99},  // refused: the stored pattern stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::int32_t count = 7;
    std::uint32_t bits = 99;
    EXPECT_EQ(line_bits_from_string(c.text, count, bits), c.ok);
    EXPECT_EQ(count, c.count);
    EXPECT_EQ(bits, c.bits);
  }
}

TEST(LineBits, BitsToStringAndBack) {
  for (std::int32_t count = 0; count <= kMaxLineBits; ++count) {
    for (std::uint32_t bits : {0u, 23u, 0x2AAAAu, 0xFFFFFFFFu}) {
      SCOPED_TRACE(testing::Message() << count << " " << bits);
      std::string text;
      ASSERT_TRUE(line_bits_to_string(count, bits, text));
      EXPECT_EQ(text.size(), static_cast<std::size_t>(count));
      std::int32_t back_count = -1;
      std::uint32_t back_bits = 0;
      ASSERT_TRUE(line_bits_from_string(text, back_count, back_bits));
      EXPECT_EQ(back_count, count);
      EXPECT_EQ(back_bits, bits & ((1u << count) - 1));
    }
  }
  for (std::int32_t count : {19, 32, -1}) {
    std::string text = "old";
    EXPECT_FALSE(line_bits_to_string(count, 1, text));
    EXPECT_EQ(text, "old");
  }
}

}  // namespace
}  // namespace daub
