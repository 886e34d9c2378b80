// The text layout through a device with fixed metrics: with the default
// font (height −13) at the standard print ratio 4 the average width W is
// 6.5, a single byte 6.5 wide, a double byte 13, the line height 13.

#include "render/text_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

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

// Four characters fit in L = 4W; the fifth, at x = L, starts a new line one
// column spacing down. Two full-width characters fill the line; "。" hangs
// past its end, any other character goes on; a break after the hanging
// character is consumed with it.
TEST(TextLayout, LineLengthBoundaryAndHangingPunctuation) {
  const struct {
    const char* text;
    int cell, line;
    double x;
  } cases[] = {{"aaaaa", 3, 0, 19.5},    {"aaaaa", 4, 1, 0},  {"ああ。あ", 2, 0, 26},
               {"ああ。あ", 3, 1, 0},    {"あああ", 2, 1, 0}, {"ああ。\r\nあ", 3, 0, 39},
               {"ああ。\r\nあ", 4, 1, 0}};
  TestApp t;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.text << " " << c.cell);
    const auto cells = lay_out(t, format(4), c.text, TextKind::kLetter);
    EXPECT_EQ(std::tuple(cells.at(c.cell).line, cells.at(c.cell).p1.x, cells.at(c.cell).p1.y),
              std::tuple(c.line, c.x, 20.0 * c.line));
  }
}

TEST(TextLayout, EnglishWrapsWordsShorterThan16) {
  TestApp t;
  const struct {
    const char* text;
    int n, last_on_first_line;
  } cases[] = {
      {"aaaa bbbbbbb", 10, 4},  // the word after the space goes whole
      // Twenty characters fit; 15 between the space and the overflow wrap
      // the word, 16 cut it at the line end (the overflowing one stays).
      {"aaaa bbbbbbbbbbbbbbbbbbbbbbbb", 20, 4},
      {"aaa bbbbbbbbbbbbbbbbbbbbbbbbb", 20, 20},
      {"aaaaaaaaaa a", 10, 10},  // an overflowing space ends the line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto cells = lay_out(t, format(c.n), c.text, TextKind::kEnglish);
    const int last = c.last_on_first_line;
    EXPECT_EQ(std::tuple(cells[last].line, cells[last + 1].line, cells[last + 1].p1.x),
              std::tuple(0, 1, 0.0));
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
  const CharCell& c = cells[0];
  EXPECT_NEAR(std::hypot(c.p1.x - 80, c.p1.y - 63) + std::hypot(c.p2.x - 73.5, c.p2.y - 76), 0,
              1e-9);
}

TEST(TextLayout, MostCharactersShown) {
  TestApp t;
  EXPECT_EQ(lay_out(t, format(80), std::string(10000, 'a'), TextKind::kLetter).size(), 10000u);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(lay_out(t, format(80), std::string(10001, 'a'), TextKind::kLetter).size(), 10000u);
  EXPECT_EQ(t.messages().size(), 1u);  // its text is the text_dialogs script's
}

TEST(TextLayout, SplittingKeepsDoubleBytesAndCrLfTogether) {
  bool cut = false;
  // 亜 (88 9F), A, CR LF, a lone lead byte at the end.
  const auto cells = split_cells(
      "\x88\x9F"
      "A\r\n\x88",
      100, cut);
  std::vector<int> ends;
  for (const CharCell& c : cells) ends.push_back(c.end_offset);
  ASSERT_EQ(ends, (std::vector<int>{2, 3, 5, 6}));
  EXPECT_EQ(std::pair(is_line_break(cells[2]), cut), std::pair(true, false));
}

}  // namespace
}  // namespace daub::test
