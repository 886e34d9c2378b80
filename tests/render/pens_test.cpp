// The pen's text form: a pattern of up to 18 pieces, '1' drawn.

#include "render/pens.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

TEST(LineBits, StringToBitsAndBack) {
  std::int32_t count = 7;
  std::uint32_t bits = 99;
  EXPECT_TRUE(line_bits_from_string("1x1 ", count, bits));  // anything but '1' is a gap
  EXPECT_EQ(count, 4);
  EXPECT_EQ(bits, 5u);
  for (std::int32_t n : {0, 1, 6, kMaxLineBits}) {
    for (std::uint32_t pattern : {23u, 0xFFFFFFFFu}) {
      SCOPED_TRACE(testing::Message() << n << " " << pattern);
      std::string text;
      ASSERT_TRUE(line_bits_to_string(n, pattern, text));
      EXPECT_EQ(text.size(), static_cast<std::size_t>(n));
      ASSERT_TRUE(line_bits_from_string(text, count, bits));
      EXPECT_EQ(count, n);
      EXPECT_EQ(bits, pattern & ((1u << n) - 1));
    }
  }
  std::string text = "old";
  EXPECT_FALSE(line_bits_to_string(19, 1, text));  // refused: the text stays
  EXPECT_EQ(text, "old");
}

}  // namespace
}  // namespace daub
