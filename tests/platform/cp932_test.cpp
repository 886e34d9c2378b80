#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

// UTF-8 on the left, code page 932 on the right.
TEST(Cp932, ConvertsBothWaysExactly) {
  const std::pair<std::string, std::string> cases[] = {
      {"Data Input\r\nb\n", "Data Input\r\nb\n"},
      {"データ入力", "\x83\x66\x81\x5B\x83\x5E\x93\xFC\x97\xCD"},
      {"ｷｬﾝｾﾙ", "\xB7\xAC\xDD\xBE\xD9"},  // half-width katakana: one byte each
      {"表", "\x95\x5C"},                 // a trail byte that is a backslash
  };
  for (const auto& [utf8, cp932] : cases) {
    SCOPED_TRACE(utf8);
    EXPECT_EQ(utf8_to_cp932(utf8), cp932);
    EXPECT_EQ(cp932_to_utf8(cp932), utf8);
  }
  // Half-width katakana triple in size: the output buffer must grow.
  const std::string kana(10000, '\xB1');
  EXPECT_EQ(cp932_to_utf8(kana).size(), 30000u);
  EXPECT_EQ(utf8_to_cp932(cp932_to_utf8(kana)), kana);
}

TEST(Cp932, EachBadCharacterBecomesOneQuestionMark) {
  EXPECT_EQ(cp932_to_utf8("ab\x81"), "ab?");      // lead byte cut off at the end
  EXPECT_EQ(cp932_to_utf8("x\x85\x40y"), "x?y");  // unassigned pair
  EXPECT_EQ(utf8_to_cp932("a\xC3\xA9"), "a?");    // outside the code page
  EXPECT_EQ(utf8_to_cp932("a\x80z"), "a?z");      // stray continuation byte
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
