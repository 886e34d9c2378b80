// The standard pen and brush commands: what each leaves in the settings;
// and the brush dialog's preview (its fields are the brushes script's).

#include "render/brush_dialogs.h"

#include <gtest/gtest.h>

#include "render/brushes.h"
#include "resources/dialogs.h"
#include "shell/command_table.h"
#include "support/driver_ui.h"

namespace daub {
namespace {

using test::DriverApp;

// The settings a row leaves: the start-up pen and brush with the row's
// fields, refreshed. brush < 0: the row sets the pen only.
struct Row {
  int style;
  double dot, start;
  const char* bits;
  int brush, type;
  double width, angle;
};

Settings expected_settings(const Settings& start, const Row& r, int pen_width) {
  Settings s = start;
  s.pen_style = r.style;
  s.dot_length = r.dot;
  s.start_length = r.start;
  line_bits_from_string(r.bits, s.line_bit_count, s.line_bits);
  if (r.brush >= 0) {
    s.pen_width = pen_width;
    s.brush_style = r.brush;
    s.hatch_type = r.type;
    s.hatch_width = r.width;
    s.hatch_angle = r.angle;
  }
  refresh_pens(s);
  return s;
}

void expect_same(const Settings& got, const Settings& want) {
  const auto* a = reinterpret_cast<const unsigned char*>(&got);
  const auto* b = reinterpret_cast<const unsigned char*>(&want);
  for (std::size_t i = 0; i < sizeof(Settings); ++i)
    ASSERT_EQ(a[i], b[i]) << "first difference at settings offset " << i;
}

TEST(StandardBrushCommands, EachIdSetsItsPenAndBrush) {
  const std::pair<int, Row> rows[] = {
      // A pen row, the solid brush, dotted lattices at both angles.
      {840, {1, 5, 0, "111010", -1, 0, 0, 0}},
      {845, {0, 5, 0, "10", 0, 0, 0, 0}},
      {834, {1, 5, 2.5, "10", 1, 1, 10, 0}},
      {865, {1, 20, 0, "10", 1, 1, 20, 45}},
  };
  for (const auto& [id, row] : rows) {
    SCOPED_TRACE(id);
    DriverApp d;
    Settings& s = d.app.settings;
    s.pen_width = 4, s.brush_style = 1, s.hatch_type = 1, s.hatch_width = 3, s.hatch_angle = 7;
    s.line_bit_count = 3, s.line_bits = 5;
    const Settings start = s;
    MenuCommand(d.app, static_cast<std::uint32_t>(id), 0);
    expect_same(s, expected_settings(start, row, 1));
    EXPECT_EQ(d.ui.repaint_count(), 0);
  }
  BrushCommand none;
  EXPECT_FALSE(standard_brush_command(827, none));
  EXPECT_FALSE(standard_brush_command(866, none));
}

// The pen sample and swatch, then the entered brush in its rectangle
// at one pixel per unit.
TEST(BrushDialog, PreviewFillsTheRectangleWithTheEnteredBrush) {
  DriverApp d;
  d.app.settings.color = 0x00AA00;
  d.ui.steps = {{{}, 981}, {{{978, "on"}, {977, "off"}, {984, "25"}}, 981}, {{}, kIdCancel}};
  pen_dot_input_dialog(d.app);
  // The hatch at angle 0 across (270, 180)-(420, 280), 25 apart, through the
  // middle; the line on the top edge is left out as in every hatch.
  std::vector<int> ys;
  for (const auto& [a, b] : d.ui.preview.segments_in(0x00AA00)) {
    if (a.x == 10) continue;  // the pen sample is black anyway
    EXPECT_EQ(std::pair(a.x, b.x), std::pair(270, 420));
    ys.push_back(a.y);
  }
  EXPECT_EQ(ys, (std::vector<int>{230, 205, 255, 280}));
  d.ui.steps = {{{}, 981}, {{}, kIdCancel}};
  pen_dot_input_dialog(d.app);
  const DcOp& fill = d.ui.preview.ops().back();
  EXPECT_EQ(fill.kind, DcOp::kPolygon);
  EXPECT_EQ(fill.points, (std::vector<IntPoint>{{270, 180}, {420, 180}, {420, 280}, {270, 280}}));
  EXPECT_EQ(fill.brush.color, 0x00AA00u);
}

}  // namespace
}  // namespace daub
