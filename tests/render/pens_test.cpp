// The pen's text form and the standard pens.

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
      {"10", true, 2, 1},
      {"111010", true, 6, 23},
      {"11101010", true, 8, 87},
      {"", true, 0, 0},
      {"1x1 ", true, 4, 5},  // anything but '1' is a gap
      {std::string(18, '1'), true, 18, 0x3FFFF},
      {std::string(19, '1'), false, 7, 99},  // refused: the stored pattern stays
      {std::string(40, '0'), false, 7, 99},
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
    for (std::uint32_t bits : {0u, 1u, 23u, 87u, 0x2AAAAu, 0xFFFFFFFFu}) {
      SCOPED_TRACE(testing::Message() << count << " " << bits);
      std::string text = "old";
      ASSERT_TRUE(line_bits_to_string(count, bits, text));
      EXPECT_EQ(text.size(), static_cast<std::size_t>(count));
      std::int32_t back_count = -1;
      std::uint32_t back_bits = 0;
      ASSERT_TRUE(line_bits_from_string(text, back_count, back_bits));
      EXPECT_EQ(back_count, count);
      EXPECT_EQ(back_bits, bits & ((1u << count) - 1));
    }
  }
  for (std::int32_t count : {19, 32, 1000, -1}) {
    SCOPED_TRACE(count);
    std::string text = "old";
    EXPECT_FALSE(line_bits_to_string(count, 1, text));
    EXPECT_EQ(text, "old");
  }
}

TEST(StandardPens, RowsInChooserOrder) {
  const StandardPens& pens = standard_pens();
  const char* labels[] = {"実線",         "点線",     "長い点線",    "１点鎖線",
                          "長い１点鎖線", "２点鎖線", "長い２点鎖線"};
  for (std::size_t i = 0; i < pens.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_STREQ(pens[i].label, labels[i]);
    EXPECT_EQ(pens[i].style, i == 0 ? 0 : 1);
    EXPECT_EQ(pens[i].dot_length, i == 2 || i == 4 || i == 6 ? 10.0 : 5.0);
  }
  EXPECT_STREQ(pens[0].line_bits, "10");
  EXPECT_STREQ(pens[4].line_bits, "111010");
  EXPECT_STREQ(pens[5].line_bits, "11101010");
}

}  // namespace
}  // namespace daub
