#include "drawing/texts.h"

#include <gtest/gtest.h>

#include "drawing/pack.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

constexpr TextKind kKinds[] = {TextKind::kLetter, TextKind::kEnglish};

// Makes an element of the kind holding `text` and chooses that kind's entry.
int make_text(TestApp& t, TextKind kind, const std::string& text, DPoint at = {10, 20}) {
  t.app.in.englishentry = text_index(kind);
  t.app.in.nowpoint = PointDir{at.x, at.y, 0};
  t.app.text.buffer = text;
  const int n = settext(t.app, kind, 1);
  t.app.text.buffer.clear();
  return n;
}

std::string chars_of(TestApp& t, TextKind kind, int n) {
  TextRecord r;
  return gettextstr(t.app, kind, n, r, 1).value_or("<none>");
}

struct RangeCase {
  const char* name;
  int (*op)(App&, TextKind, int, int);
  CaretRecord caret;
  const char* buffer_before;
  const char* text_after;
  const char* buffer_after;
  CaretRecord caret_after;
};

TEST(Texts, RangeOperationsOnBothKinds) {
  const RangeCase cases[] = {
      {"cut", textcliccut, {2, 4, 2}, "", "ABEF", "CD", {1, 2, 0}},
      {"copy", textcliccopy, {2, 2, 4}, "", "ABCDEF", "CD", {2, 2, 4}},
      {"paste over a range", textclicpaste, {2, 2, 4}, "XY", "ABXYEF", "XY", {1, 4, 0}},
      {"paste at a caret", textclicpaste, {1, 6, 0}, "XY", "ABCDEFXY", "XY", {1, 8, 0}},
      {"delete", textclicdel, {2, 2, 4}, "Q", "ABEF", "Q", {1, 2, 0}},
      // The whole text is cut like any other range: the piece is kept.
      {"cut everything", textcliccut, {2, 0, 6}, "", "", "ABCDEF", {1, 0, 0}},
  };
  for (TextKind kind : kKinds) {
    for (const RangeCase& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (kind == TextKind::kLetter ? " letter" : " english"));
      TestApp t;
      make_text(t, kind, "ABCDEF");
      make_text(t, kind, "other");
      t.app.text.caret(kind) = c.caret;
      t.app.text.buffer = c.buffer_before;
      const Settings before = t.app.settings;
      EXPECT_EQ(c.op(t.app, kind, 1, 1), 1);
      EXPECT_EQ(chars_of(t, kind, 1), c.text_after);
      EXPECT_EQ(chars_of(t, kind, 2), "other");
      EXPECT_EQ(t.app.text.buffer, c.buffer_after);
      EXPECT_EQ(t.app.text.caret(kind), c.caret_after);
      EXPECT_EQ(0, std::memcmp(&before, &t.app.settings, sizeof before));
      EXPECT_TRUE(t.messages().empty());
    }
  }
}

// Letter elements; the entry check of the range operations is in the
// text_english script.
TEST(Texts, RangeOperationsRefuse) {
  const TextKind kL = TextKind::kLetter;
  struct Refusal {
    CaretRecord caret;
    int (*op)(App&, TextKind, int, int);
    const char* message;  // "" for a silent refusal
  };
  const Refusal cases[] = {
      {{1, 2, 0}, textcliccut, "lettercliccut\tクリック点を二つ用意してください"},
      {{0, 0, 0}, textclicpaste, "letterclicpaste\tクリック点を二つ用意してください"},
      {{2, 2, 9}, textclicdel, ""},  // a caret beyond the text
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.message);
    TestApp t;
    make_text(t, kL, "ABCDEF");
    t.app.text.caret(kL) = c.caret;
    EXPECT_EQ(c.op(t.app, kL, 1, 1), 0);
    EXPECT_EQ(chars_of(t, kL, 1), "ABCDEF");
    EXPECT_EQ(t.last_message(), c.message);
  }
}

TEST(Texts, CreationFromTheBufferAndEmptyElements) {
  TestApp t;
  EXPECT_EQ(make_text(t, TextKind::kLetter, ""), 0);
  EXPECT_EQ(totaltext(t.app, TextKind::kLetter, 1), 0);
  t.app.settings.color = 0x123456;
  ASSERT_EQ(make_text(t, TextKind::kLetter, "abc", {3, 4}), 1);
  TextRecord r;
  ASSERT_EQ(gettext(t.app, TextKind::kLetter, 1, r, 1), 1);
  EXPECT_EQ(std::tuple(r.x, r.color, r.length), std::tuple(3.0, 0x123456u, 3));
  EXPECT_EQ(t.app.drawing.get<std::uint8_t>(r.chars + 3), 0);
  ASSERT_EQ(SetZeroStr(t.app, TextKind::kEnglish, {7, 8}, 1), 1);
  EXPECT_EQ(t.app.in.nowenglish, 1);
  EXPECT_EQ(t.app.text.caret(TextKind::kEnglish), (CaretRecord{1, 0, 0}));
  sklpack(t.app);
  EXPECT_EQ(totaltext(t.app, TextKind::kEnglish, 1), 0);
  EXPECT_EQ(totaltext(t.app, TextKind::kLetter, 1), 1);
}

TEST(Texts, SplitKeepsTheHeadAndBuffersTheTail) {
  const struct {
    int offset;
    int result;
    const char* kept;
    const char* buffer;
  } cases[] = {
      {0, 0, "ABCDEF", "old"}, {6, 0, "ABCDEF", "old"}, {1, 1, "A", "BCDEF"}, {5, 1, "ABCDE", "F"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.offset);
    TestApp t;
    make_text(t, TextKind::kLetter, "ABCDEF");
    t.app.text.buffer = "old";
    EXPECT_EQ(textcut(t.app, TextKind::kLetter, 1, c.offset, 1), c.result);
    EXPECT_EQ(chars_of(t, TextKind::kLetter, 1), c.kept);
    EXPECT_EQ(t.app.text.buffer, c.buffer);
  }
}

TEST(Texts, RestylingCopiesOnlyTheChosenParts) {
  TestApp t;
  make_text(t, TextKind::kEnglish, "abc");
  t.app.settings.font.height = -40;
  t.app.settings.chars_per_line = 7;
  t.app.settings.tabs[1] = 3.5;
  t.app.settings.color = 0xFF;
  ASSERT_EQ(textnowparts(t.app, TextKind::kEnglish, 1, kTextFont | kTextTabs, 1), 1);
  TextRecord r;
  gettext(t.app, TextKind::kEnglish, 1, r, 1);
  EXPECT_EQ(std::tuple(r.font.height, r.tabs[1], r.chars_per_line, r.color),
            std::tuple(-40, 3.5, 80, 0u));
  // The pick-up brings the element's style back into the settings.
  t.app.in.nowenglish = 1;
  t.app.settings = Settings{};
  ASSERT_EQ(textpickup(t.app, TextKind::kEnglish, kTextStyle, true), 1);
  EXPECT_EQ(std::pair(t.app.settings.chars_per_line, t.app.settings.font.height),
            std::pair(80, -40));
  EXPECT_EQ(t.app.text.buffer, "abc");
}

TEST(Texts, PageMarks) {
  const struct {
    const char* text;
    bool mark;
  } cases[] = {{"-12-", true}, {"-0-", true},  {"-1a-", false}, {"--", false},
               {"12", false},  {"-12", false}, {"12-", false}};
  for (const auto& c : cases) EXPECT_EQ(is_page_mark(c.text), c.mark) << c.text;
  TestApp t;
  for (const char* text : {"-1-", "x", "-22-", "y"}) make_text(t, TextKind::kLetter, text);
  EXPECT_EQ(letterpagestrnum(t.app, 1), 3);
}

}  // namespace
}  // namespace daub::test
