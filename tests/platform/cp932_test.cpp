#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

struct Pair {
  const char* name;
  std::string from, to;
};

TEST(Cp932, ConvertsBothWaysExactly) {
  const Pair cases[] = {
      {"katakana and kanji", "データ入力", "\x83\x66\x81\x5B\x83\x5E\x93\xFC\x97\xCD"},
      {"trail byte that is a backslash", "表", "\x95\x5C"},
  };
  for (const Pair& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(utf8_to_cp932(c.from), c.to);
    EXPECT_EQ(cp932_to_utf8(c.to), c.from);
  }
}

TEST(Cp932, EachBadCharacterBecomesOneQuestionMark) {
  const Pair from_cp932[] = {
      {"lead byte cut off at the end", "ab\x81", "ab?"},
      {"unassigned pair", "x\x85\x40y", "x?y"},
  };
  for (const Pair& c : from_cp932) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(cp932_to_utf8(c.from), c.to);
  }
  const Pair from_utf8[] = {
      {"character outside the code page", "a\xC3\xA9", "a?"},
      {"stray continuation byte", "a\x80z", "a?z"},
  };
  for (const Pair& c : from_utf8) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(utf8_to_cp932(c.from), c.to);
  }
}

// Half-width katakana triple in size: the output buffer must grow.
TEST(Cp932, LongInputsKeepTheirLength) {
  std::string kana(10000, '\xB1');
  std::string utf8 = cp932_to_utf8(kana);
  EXPECT_EQ(utf8.size(), 30000u);
  EXPECT_EQ(utf8_to_cp932(utf8), kana);
}

TEST(Cp932, ClassifiesLeadAndTrailBytesAtTheirRangesEdges) {
  struct Row {
    unsigned char byte;
    bool lead, trail;
  } rows[] = {
      {0x3F, false, false}, {0x40, false, true},  {0x7F, false, false}, {0x80, false, true},
      {0x81, true, true},   {0x9F, true, true},   {0xA0, false, true},  {0xE0, true, true},
      {0xFC, true, true},   {0xFD, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.byte));
    EXPECT_EQ(is_lead_byte(r.byte), r.lead);
    EXPECT_EQ(is_trail_byte(r.byte), r.trail);
  }
}

}  // namespace
}  // namespace daub
