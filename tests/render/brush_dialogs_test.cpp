// The brush dialog's preview (its fields and the standard pen and brush
// commands are the brushes script's).

#include "render/brush_dialogs.h"

#include <gtest/gtest.h>

#include "resources/dialogs.h"
#include "support/driver_ui.h"

namespace daub {
namespace {

using test::DriverApp;

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
