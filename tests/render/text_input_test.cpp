// Typing into a text element: the keys choose what to delete, the hit test
// turns points into carets, committed characters arrive as one insertion.

#include "render/text_input.h"

#include <gtest/gtest.h>

#include "drawing/texts.h"
#include "platform/cp932.h"
#include "platform/recording_dc.h"
#include "render/text_layout.h"
#include "shell/window.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

// A letter element at (100, 100) holding `cp932`, current, with the letter
// text input command and the caret after byte `caret`.
struct Typing : TestApp {
  Typing(const std::string& cp932, int caret) {
    app.in.nowpoint = PointDir{100, 100, 0};
    app.text.buffer = cp932;
    settext(app, TextKind::kLetter, 1);
    app.text.buffer.clear();
    app.in.mousecmd = 421;
    app.in.englishentry = 0;
    app.text.caret(TextKind::kLetter) = CaretRecord{1, caret, 0};
  }
  std::string text() {
    TextRecord r;
    return gettextstr(app, TextKind::kLetter, 1, r, 1).value_or("<none>");
  }
};

// Whole characters going by either key are the text_typing script's.
TEST(TextInput, BackspaceAndDeleteTakeWholeCharacters) {
  const std::string kanji_a =
      "\x88\x9F"
      "A";  // 亜A: the A follows a trail byte
  const struct {
    const char* name;
    std::string text;
    int caret;
    bool backspace;
    KeyResult result;
    CaretRecord range;
  } cases[] = {
      {"backspace at the start", kanji_a, 0, true, KeyResult::kDone, {1, 0, 0}},
      {"backspace inside a character", kanji_a, 1, true, KeyResult::kDone, {1, 1, 0}},
      {"backspace after CR LF", "a\r\n", 3, true, KeyResult::kDeleteRange, {2, 1, 3}},
      {"delete before the last", kanji_a, 2, false, KeyResult::kDeleteRange, {2, 2, 3}},
      {"delete at the end", kanji_a, 3, false, KeyResult::kDone, {1, 3, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Typing t(c.text, c.caret);
    const KeyResult r = c.backspace ? text_backspace(t.app, TextKind::kLetter)
                                    : text_delete(t.app, TextKind::kLetter);
    EXPECT_EQ(r, c.result);
    EXPECT_EQ(t.app.text.caret(TextKind::kLetter), c.range);
  }
  // A chosen range is deleted as it is; keys of the other mode do nothing.
  Typing t(kanji_a, 0);
  t.app.text.caret(TextKind::kLetter) = CaretRecord{2, 0, 3};
  EXPECT_EQ(text_backspace(t.app, TextKind::kLetter), KeyResult::kDeleteRange);
  t.app.in.englishentry = 1;
  EXPECT_EQ(text_delete(t.app, TextKind::kLetter), KeyResult::kDone);
}

TEST(TextInput, CommittedCharactersArriveAsOneInsertion) {
  Typing t("ab", 1);
  // Five committed characters (ten bytes), then a typed one, which is not
  // lost but inserted after them.
  post_chars(t.app, utf8_to_cp932("あいうえお"), 1);
  post_chars(t.app, "z", 0);
  const int repaints = t.ui.repaint_count();
  pump_chars(t.app);
  EXPECT_EQ(t.text(), "a" + utf8_to_cp932("あいうえお") + "zb");
  EXPECT_EQ(t.app.text.caret(TextKind::kLetter), (CaretRecord{1, 12, 0}));
  EXPECT_EQ(t.ui.repaint_count() - repaints, 2);  // one insertion each
  EXPECT_TRUE(t.app.text.buffer.empty());
  // Typing needs the text input command.
  t.app.in.mousecmd = 600;
  on_char(t.app, 'q', 0);
  EXPECT_EQ(t.text(), "a" + utf8_to_cp932("あいうえお") + "zb");
}

// A click needs one element of the kind at both ends of its drag.
TEST(TextInput, HitTestFindsCaretPositionsForClicks) {
  Typing t("ABC", 0);
  SetZeroStr(t.app, TextKind::kEnglish, {300, 100}, 1);
  RecordingDc dc;
  // Cells are 6.5 wide with spacing 0.325 after each: A ends at 106.5, B
  // starts at 106.825; P1 lies at the top of the line, P2 half a line (6.5)
  // down.
  const struct {
    DPoint q;
    int offset;  // -1: no hit
  } cases[] = {{{100, 106.5}, 0},   {{106.4, 106.5}, 1}, {{106.9, 100.5}, 1},
               {{120.5, 106.5}, 3}, {{159.1, 106.5}, 3}, {{159.2, 106.5}, -1},
               {{100, 145.4}, 0},   {{100, 145.6}, -1}};  // within 3 line heights (39)
  for (const auto& c : cases) {
    SCOPED_TRACE(c.q.x);
    const auto hit = hit_text(t.app, dc, c.q, 1);
    EXPECT_EQ(hit ? hit->offset : -1, c.offset);
  }
  // An empty element can only be hit before its (missing) first character.
  const auto empty = hit_text(t.app, dc, {303, 106.5}, 1);
  ASSERT_TRUE(empty);
  EXPECT_EQ(std::pair(empty->kind, empty->offset), std::pair(TextKind::kEnglish, 0));
  auto drag = [&](DPoint from, DPoint to) {
    t.app.in.dragvector = PointDir{from.x, from.y, 0};
    t.app.in.releaseworld = to;
    return click_caret(t.app, dc, TextKind::kLetter);
  };
  EXPECT_EQ(drag({106.4, 106.5}, {120.5, 106.5}), 1);
  EXPECT_EQ(t.app.text.caret(TextKind::kLetter), (CaretRecord{2, 1, 3}));
  EXPECT_EQ(drag({120.5, 106.5}, {106.4, 106.5}), 1);  // ends ordered
  EXPECT_EQ(t.app.text.caret(TextKind::kLetter), (CaretRecord{2, 1, 3}));
  EXPECT_EQ(drag({106.4, 106.5}, {303, 106.5}), 0);  // two elements
  EXPECT_EQ(drag({303, 106.5}, {303, 106.5}), 0);
  EXPECT_EQ(t.last_message(), "CAUTION\t英語が選ばれています");
}

TEST(TextInput, FrameSetsDirectionLengthAndColumns) {
  TestApp t;
  RecordingDc dc;
  // W = 6.5, s = 0.05: 10 characters need 6.5·10 + 6.5·9·0.05 = 67.925.
  const Settings& s = t.app.settings;
  text_frame(t.app, dc, {0, 0}, {0, 67.925}, FrameFit::kCharsPerLine);
  EXPECT_EQ(std::pair(s.chars_per_line, s.font.escapement), std::pair(10, 2700));
  text_frame(t.app, dc, {0, 0}, {67.9, 0}, FrameFit::kCharsPerLine);
  EXPECT_EQ(std::tuple(s.chars_per_line, s.font.escapement, s.column_spacing),
            std::tuple(9, 3600, 20.0));
  EXPECT_EQ(chars_for_length(0, 6.5, 0.05), 1);  // at least one
  // Keeping 10 characters, a frame twice as long doubles the font height.
  text_frame(t.app, dc, {0, 0}, {135.85, 0}, FrameFit::kFontHeight);
  EXPECT_EQ(s.chars_per_line, 9);
  t.app.settings.chars_per_line = 10;
  text_frame(t.app, dc, {0, 0}, {135.85, 0}, FrameFit::kFontHeight);
  EXPECT_EQ(std::pair(s.font.height, s.column_spacing), std::pair(-26, 40.0));
}

}  // namespace
}  // namespace daub::test
