// The pen and colour dialogs, their previews, and the one-line pen and
// construction inputs, driven through scripted steps.

#include "render/pen_dialogs.h"

#include <gtest/gtest.h>

#include <deque>

#include "resources/dialogs.h"
#include "shell/command_table.h"
#include "support/driver_ui.h"

namespace daub {
namespace {

using test::DriverApp;
using test::DriverUi;

struct PenFields {
  int style, width;
  Colorref color;
  double dot, start;
  int count;
  std::uint32_t bits;
  bool operator==(const PenFields&) const = default;
};

PenFields fields_of(const PenRecord& p) {
  return {p.style, p.width, p.color, p.dot_length, p.start_length, p.bit_count, p.bits};
}

// The current pen's fields, checking that the refresh step ran: the pens of
// new lines and of fills follow them.
PenFields pen_fields(const Settings& s) {
  const PenFields f{s.pen_style,    s.pen_width,      s.color,    s.dot_length,
                    s.start_length, s.line_bit_count, s.line_bits};
  EXPECT_EQ(fields_of(s.line_pen), f);
  EXPECT_EQ(fields_of(s.fill.hatch_pen), f);
  EXPECT_EQ(s.fill.color, s.color);
  return f;
}

// At start-up: solid, width 1, black, dot 5, start 0, "10".
const PenFields kStartPen{0, 1, 0, 5.0, 0.0, 2, 1};

TEST(PenInputDialog, StoresWhatTheFieldsSayOnOk) {
  struct Case {
    const char* name;
    std::deque<DriverUi::Step> steps;
    int result;
    PenFields pen;
  } cases[] = {
      // Negative width and dot length read as 0.
      {"negative",
       {{{{975, "off"}, {976, "on"}, {967, "-3"}, {969, "-1"}, {971, "2.5"}, {973, "111010"}},
         kIdOk}},
       1,
       {1, 0, 0, 0.0, 2.5, 6, 23}},
      {"width rounded up", {{{{967, "2.5"}}, kIdOk}}, 1, {0, 3, 0, 5.0, 0.0, 2, 1}},
      // Fields without a number and 19 line bits keep theirs.
      {"kept",
       {{{{967, "x"}, {969, "7"}, {971, "nan"}, {973, std::string(19, '1')}}, kIdOk}},
       1,
       {0, 1, 0, 7.0, 0.0, 2, 1}},
      {"cancel", {{{{967, "9"}, {976, "on"}, {975, "off"}}, kIdCancel}}, 0, kStartPen},
      // The standard-pen chooser behind 999: 長い２点鎖線, or cancelled.
      {"standard", {{{{969, "3"}}, 999}, {{}, 999}, {{}, kIdOk}}, 1, {1, 1, 0, 10.0, 0.0, 8, 87}},
      {"no standard",
       {{{{969, "3"}, {973, "101"}}, 999}, {{}, kIdCancel}, {{}, kIdOk}},
       1,
       {0, 1, 0, 3.0, 0.0, 3, 5}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DriverApp d;
    d.ui.steps = c.steps;
    EXPECT_EQ(pen_input_dialog(d.app), c.result);
    EXPECT_EQ(pen_fields(d.app.settings), c.pen);
    EXPECT_TRUE(d.ui.steps.empty());
  }
}

// Each chooser starts from the last colour chosen in any of them. The colour
// dialog shows the channels, and its test button and OK take the fields
// clamped; a field without a number keeps the current colour's channel.
TEST(ColourChoosers, StartFromTheLastColourChosenAnywhere) {
  DriverApp d;
  d.ui.colors = {0x0000FF, 0x804020};
  d.ui.steps = {{{}, 1024}, {{}, kIdOk}};
  pen_input_dialog(d.app);
  EXPECT_EQ(pen_fields(d.app.settings).color, 0x0000FFu);
  d.ui.steps = {{{}, 982}, {{{969, "999"}}, 981}, {{{967, ""}, {971, "-5"}}, kIdOk}};
  EXPECT_EQ(color_input_dialog(d.app), 1);
  EXPECT_EQ(d.ui.shown[967] + "," + d.ui.shown[969] + "," + d.ui.shown[971], "255,0,0");
  EXPECT_EQ(d.ui.preview.ops().at(0).color, 0x80FF20u);
  EXPECT_EQ(pen_fields(d.app.settings).color, 0x00FFFFu);
  // The third chooser is cancelled: the colour and the memory stay.
  d.ui.steps = {{{}, 1024}, {{}, kIdOk}};
  pen_input_dialog(d.app);
  EXPECT_EQ(d.ui.chooser_starts, (std::vector<Colorref>{0xFFFFFF, 0x0000FF, 0x804020}));
  EXPECT_EQ(d.app.last_chosen_color, 0x804020u);
  EXPECT_EQ(d.app.settings.color, 0x00FFFFu);
}

// The one-line inputs behind the command ids, each ending without a repaint.
TEST(PenCommands, OneLineInputs) {
  const char* kDotShown = "5.000000,0.000000,10";
  struct Case {
    int id;
    const char* shown;
    std::string input;
    PenFields pen;
  } cases[] = {
      // 436: dot length (0.001 at least), start length and line bits.
      {436, kDotShown, "0.001,0,1", {0, 1, 0, 0.001, 0.0, 1, 1}},
      {436, kDotShown, "2.5,1.25," + std::string(19, '1'), {0, 1, 0, 2.5, 1.25, 2, 1}},
      {436, kDotShown, "2.5,1.25," + std::string(119, '1'), kStartPen},  // 128 characters
      {436, kDotShown, "nan,0,10", kStartPen},
      {264, "0", "1", {1, 1, 0, 5.0, 0.0, 2, 1}},
      {265, "1", "4", {0, 4, 0, 5.0, 0.0, 2, 1}},
      {608, "10.000000", "inf", kStartPen},  // refused
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " " << c.input.substr(0, 20));
    DriverApp d;
    d.ui.steps = {{{{292, c.input}}, kIdOk}, {{}, kIdCancel}};
    const double distance = d.app.construction.distance;
    MenuCommand(d.app, static_cast<std::uint32_t>(c.id), 0);
    EXPECT_EQ(d.ui.shown[292], c.shown);
    EXPECT_EQ(d.ui.repaint_count(), 0);
    EXPECT_EQ(pen_fields(d.app.settings), c.pen);
    EXPECT_EQ(d.app.construction.distance, distance);
  }
}

}  // namespace
}  // namespace daub
