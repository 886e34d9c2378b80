// The colour choosers and the colour dialog, driven through scripted steps
// (the pen dialog and the one-line pen inputs are the pen_lines script's).

#include "render/pen_dialogs.h"

#include <gtest/gtest.h>

#include "resources/dialogs.h"
#include "support/driver_ui.h"

namespace daub {
namespace {

using test::DriverApp;

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

}  // namespace
}  // namespace daub
