#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

struct Pair {
  const char* name;
  std::string utf8;
  std::string cp932;
};

TEST(Cp932, ConvertsBothWaysExactly) {
  const Pair cases[] = {
      {"empty", "", ""},
      {"ascii", "Data Input", "Data Input"},
      {"katakana and kanji", "データ入力", "\x83\x66\x81\x5B\x83\x5E\x93\xFC\x97\xCD"},
      {"half-width katakana", "ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},
      {"full-width space", "0=実線　　1=点線",
       "0=\x8E\xC0\x90\xFC\x81\x40\x81\x40"
       "1=\x93\x5F\x90\xFC"},
      {"trail byte that is a backslash", "表", "\x95\x5C"},
      {"line breaks", "a\r\nb\nc", "a\r\nb\nc"},
  };
  for (const Pair& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(utf8_to_cp932(c.utf8), c.cp932);
    EXPECT_EQ(cp932_to_utf8(c.cp932), c.utf8);
  }
}

// Rows of input and expected output.
struct BadCase {
  const char* name;
  std::string input;
  std::string expected;
};

TEST(Cp932, EachBadCharacterBecomesOneQuestionMark) {
  const BadCase from_cp932[] = {
      {"lead byte cut off at the end", "ab\x81", "ab?"},
      {"lead byte before a byte that cannot trail", "a\x81 b", "a? b"},
      {"unassigned pair", "x\x85\x40y", "x?y"},
      {"byte that starts nothing",
       "a\xFF"
       "b",
       "a?b"},
  };
  for (const BadCase& c : from_cp932) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(cp932_to_utf8(c.input), c.expected);
  }
  const BadCase from_utf8[] = {
      {"character outside the code page",
       "a\xC3\xA9"
       "b",
       "a?b"},
      {"emoji", "\xF0\x9F\x98\x80!", "?!"},
      {"cut-off sequence", "\xE3\x81", "?"},
      {"stray continuation byte", "a\x80z", "a?z"},
      {"lead byte without continuation", "\xC3(", "?("},
  };
  for (const BadCase& c : from_utf8) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(utf8_to_cp932(c.input), c.expected);
  }
}

TEST(Cp932, LongInputsEndAndKeepTheirLength) {
  // All garbage: one '?' per byte, and the conversion ends.
  std::string garbage(100000, '\xFF');
  EXPECT_EQ(cp932_to_utf8(garbage), std::string(100000, '?'));
  // Half-width katakana triple in size: the output buffer must grow.
  std::string kana;
  for (int i = 0; i < 10000; ++i) kana += "\xB1";
  std::string utf8 = cp932_to_utf8(kana);
  EXPECT_EQ(utf8.size(), 30000u);
  EXPECT_EQ(utf8_to_cp932(utf8), kana);
}

TEST(Cp932, ClassifiesLeadAndTrailBytes) {
  struct Row {
    unsigned char byte;
    bool lead;
    bool trail;
  };
  const Row rows[] = {
      {0x00, false, false}, {0x3F, false, false}, {0x40, false, true},  {0x5C, false, true},
      {0x7E, false, true},  {0x7F, false, false}, {0x80, false, true},  {0x81, true, true},
      {0x9F, true, true},   {0xA0, false, true},  {0xB1, false, true},  {0xDF, false, true},
      {0xE0, true, true},   {0xFC, true, true},   {0xFD, false, false}, {0xFF, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.byte));
    EXPECT_EQ(is_lead_byte(r.byte), r.lead);
    EXPECT_EQ(is_trail_byte(r.byte), r.trail);
  }
}

}  // namespace
}  // namespace daub
