// The text layout through a device with fixed metrics: with the default
// font (height −13) at the standard print ratio 4 the average width W is
// 6.5, a single byte 6.5 wide, a double byte 13, the line height 13.

#include "render/text_layout.h"

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/recording_dc.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

constexpr double kW = 6.5;

// A record with the start-up style, `n` characters per line and no spacing
// unless given.
TextRecord format(int n, double spacing = 0) {
  TextRecord r;
  r.font.height = -13;
  r.chars_per_line = n;
  r.char_spacing = spacing;
  r.column_spacing = 20;
  r.max_stretch = 0.95;
  r.tabs[0] = 4;
  return r;
}

std::vector<CharCell> lay_out(TestApp& t, const TextRecord& r, const std::string& utf8,
                              TextKind kind) {
  RecordingDc dc;
  return textlayout(t.app, dc, r, utf8_to_cp932(utf8), kind);
}

TEST(TextLayout, DefaultLineIsL545_675AndTheNextCharacterWraps) {
  TestApp t;
  TextRecord r = format(80, 0.05);
  const auto cells = lay_out(t, r, std::string(81, 'a'), TextKind::kLetter);
  ASSERT_EQ(cells.size(), 81u);
  EXPECT_DOUBLE_EQ(cells[0].W, kW);
  EXPECT_DOUBLE_EQ(cells[0].H, 13);
  // n·W + (n − 1)·W·s = 545.675: the 80th character ends exactly there.
  EXPECT_DOUBLE_EQ(cells[79].p2.x - r.x, 545.675);
  EXPECT_EQ(cells[79].line, 0);
  EXPECT_EQ(cells[80].line, 1);
  EXPECT_EQ(cells[80].p1.y, 20);
}

TEST(TextLayout, LineLengthBoundaryAndHangingPunctuation) {
  TestApp t;
  // Four characters fit in L = 4W; the fifth, at x = L, starts a new line.
  auto cells = lay_out(t, format(4), "aaaaa", TextKind::kLetter);
  EXPECT_EQ(cells[3].line, 0);
  EXPECT_EQ(cells[4].line, 1);
  // Two full-width characters fill the line; "。" hangs past its end, any
  // other character goes on.
  cells = lay_out(t, format(4), "ああ。あ", TextKind::kLetter);
  EXPECT_EQ(cells[2].line, 0);
  EXPECT_DOUBLE_EQ(cells[2].p1.x, 26);
  EXPECT_EQ(cells[3].line, 1);
  cells = lay_out(t, format(4), "あああ", TextKind::kLetter);
  EXPECT_EQ(cells[2].line, 1);
  EXPECT_DOUBLE_EQ(cells[2].p1.x, 0);
  // A break after the hanging character is consumed with it.
  cells = lay_out(t, format(4), "ああ。\r\nあ", TextKind::kLetter);
  EXPECT_EQ(cells[3].line, 0);
  EXPECT_DOUBLE_EQ(cells[3].p1.x, 39);
  EXPECT_EQ(cells[4].line, 1);
}

TEST(TextLayout, EnglishWrapsWordsShorterThan16) {
  TestApp t;
  const struct {
    const char* text;
    int last_on_first_line;
  } cases[] = {
      {"aaaa bbbbbbb", 4},  // the word after the space goes whole
      // Twenty characters fit; 15 between the space and the overflow wrap
      // the word, 16 cut it at the line end (the overflowing one stays).
      {"aaaa bbbbbbbbbbbbbbbbbbbbbbbb", 4},
      {"aaa bbbbbbbbbbbbbbbbbbbbbbbbb", 20},
      {"aaaaaaaaaa a", 10},  // an overflowing space ends the line
  };
  const int n[] = {10, 20, 20, 10};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(cases[i].text);
    const auto cells = lay_out(t, format(n[i]), cases[i].text, TextKind::kEnglish);
    const int last = cases[i].last_on_first_line;
    EXPECT_EQ(cells[last].line, 0);
    EXPECT_EQ(cells[last + 1].line, 1);
    EXPECT_DOUBLE_EQ(cells[last + 1].p1.x, 0);
  }
}

// A line of ten characters (the third double-byte, 11 bytes) ending at X,
// followed by a line break.
std::vector<CharCell> line_ending_at(double X) {
  std::vector<CharCell> cells(11);
  for (int i = 0; i < 10; ++i) {
    cells[i].bytes[0] = 'a';
    cells[i].p1.x = X * i / 10;
    cells[i].p2.x = X * (i + 1) / 10;
  }
  cells[2].byte_count = 2;
  cells[10].byte_count = 2;
  cells[10].bytes[0] = '\r';
  cells[10].bytes[1] = '\n';
  cells[10].p1.x = X;
  return cells;
}

TEST(TextLayout, JustificationStretchesWithinTheBound) {
  const struct {
    double X;
    double stretch;  // how far the line break moves: the whole extra length
    bool tab;
  } cases[] = {
      {70, 0, false},          // below 0.8·m·L
      {75.99, 0, false},       // just below
      {76, 0.05 * 76, false},  // from 0.8·m·L: (1 − m)·X
      {90, 0.05 * 90, false},  // X / L up to m
      {97, 3, false},          // beyond m: to L
      {90, 0, true},           // a line with a tab is left alone
      {110, 0, false},         // a line too long is never compressed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.X);
    std::vector<CharCell> cells = line_ending_at(c.X);
    if (c.tab) cells[3].bytes[0] = '\t';
    justify(cells, 0, 9, 10, 100, 0.95);
    EXPECT_NEAR(cells[10].p1.x - c.X, c.stretch, 1e-9);
    EXPECT_DOUBLE_EQ(cells[0].p1.x, 0);
    // Each character moves by the stretch of the bytes before it (6 of 11).
    EXPECT_NEAR(cells[5].p1.x - c.X / 2, c.stretch * 6 / 11, 1e-9);
  }
}

TEST(TextLayout, TabStops) {
  const double tabs[10] = {4, 2};
  const struct {
    double x, stop;
  } cases[] = {{0, 4 * kW},        {4 * kW, 6 * kW},  {5 * kW, 6 * kW}, {6 * kW + 1e-9, 8 * kW},
               {61 * kW, 62 * kW}, {62 * kW, 62 * kW}};  // 30 stops end at 62W
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(tab_stop(tabs, c.x, kW), c.stop) << c.x;
  const double none[10] = {0, 4};
  EXPECT_EQ(tab_stop(none, 3, kW), 3);
  // In a line the tab goes to the stop after x + s·W and is not drawn.
  TestApp t;
  const auto cells = lay_out(t, format(80, 0.5), "a\tb", TextKind::kLetter);
  EXPECT_DOUBLE_EQ(cells[2].p1.x, 4 * kW);
  EXPECT_EQ(cells[1].visible, 0);
  const auto late = lay_out(t, format(80, 0.5), "aaa\tb", TextKind::kLetter);
  EXPECT_DOUBLE_EQ(late[4].p1.x, 8 * kW);  // x + s·W = 3·1.5W + 0.5W = 5W
}

TEST(TextLayout, EscapementTurnsTheBlockAboutTheAnchor) {
  std::vector<CharCell> cells(1);
  cells[0].p1 = {13, 20};
  cells[0].p2 = {26, 26.5};
  rotate_cells(cells, {100, 50}, 2700);
  // Lines run downwards and follow one another to the left.
  EXPECT_NEAR(cells[0].p1.x, 80, 1e-9);
  EXPECT_NEAR(cells[0].p1.y, 63, 1e-9);
  EXPECT_NEAR(cells[0].p2.x, 73.5, 1e-9);
  EXPECT_NEAR(cells[0].p2.y, 76, 1e-9);
}

TEST(TextLayout, MostCharactersShown) {
  TestApp t;
  EXPECT_EQ(lay_out(t, format(80), std::string(10000, 'a'), TextKind::kLetter).size(), 10000u);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(lay_out(t, format(80), std::string(10001, 'a'), TextKind::kLetter).size(), 10000u);
  EXPECT_EQ(t.last_message(),
            "wisejisstrmake\t表示文字数が最大表示文字数を越えたので10000文字しか表示しません。\\n"
            "以下の表示が必要な場合は、最大表示文字数を変更してください。");
}

TEST(TextLayout, SplittingKeepsDoubleBytesAndCrLfTogether) {
  bool cut = false;
  // 亜 (88 9F), A, CR LF, a lone lead byte at the end.
  const auto cells = split_cells(
      "\x88\x9F"
      "A\r\n\x88",
      100, cut);
  ASSERT_EQ(cells.size(), 4u);
  const int ends[] = {2, 3, 5, 6};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(cells[i].end_offset, ends[i]);
  EXPECT_TRUE(is_line_break(cells[2]));
  EXPECT_FALSE(cut);
}

}  // namespace
}  // namespace daub::test
