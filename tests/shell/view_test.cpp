// The paint cycle's lattice and point marks. The view commands, the drag
// move, the window size and the scale inputs are pinned by the view script.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "paint/canvas.h"
#include "platform/recording_dc.h"
#include "render/display.h"
#include "render/view.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

constexpr Colorref kYellow = 0x00FFFF;

Colorref color_at(const App& app, int offset) {
  return app.settings.display_colors[display_color_index(offset)];
}

TEST(DisplayTest, LatticeIsShownInTheLineModesAndSpansTheLattice) {
  TestApp t;
  erase_canvas(t.app, 1);
  t.app.in.nowpointvalid = 0;
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8}) {
    SCOPED_TRACE(mode);
    t.app.in.dispmode = mode;
    RecordingDc dc;
    paint_cycle(t.app, dc);
    const bool shown = (mode >= 1 && mode <= 6) || mode == 8;
    const auto lines = dc.segments_in(kYellow);
    // Lines at 0, 20, ..., 620 across and 0, 20, ..., 880 down.
    ASSERT_EQ(lines.size(), shown ? 32u + 45u : 0u);
    if (!shown) continue;
    EXPECT_EQ(lines[0], std::pair(IntPoint{0, 0}, IntPoint{0, 891}));
    EXPECT_EQ(lines[76], std::pair(IntPoint{0, 880}, IntPoint{630, 880}));
  }
}

TEST(DisplayTest, LatticeWithAnUnusableIntervalIsNotDrawn) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double interval, width;
  } cases[] = {{0.0, 630}, {nan, 630}, {1e-9, 630}, {20, inf}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.interval);
    TestApp t;
    t.app.settings.lattice_interval = c.interval;
    t.app.settings.lattice_width = c.width;
    RecordingDc dc;
    displattice(t.app, dc);
    EXPECT_TRUE(dc.ops().empty());
  }
}

TEST(DisplayTest, MarksOfTheCurrentAndTheHeldPoint) {
  TestApp t;
  t.app.in.nowpoint = PointDir{100, 50, 0};
  RecordingDc dc;
  paint_cycle(t.app, dc);
  ASSERT_GE(dc.ops().size(), 3u);
  const DcOp& tick = dc.ops()[dc.ops().size() - 2];
  EXPECT_EQ(std::tuple(tick.kind, tick.points[0], tick.pen.color),
            std::tuple(DcOp::kLineTo, IntPoint{130, 50}, color_at(t.app, 736)));
  EXPECT_EQ(dc.ops().back().brush.color, color_at(t.app, 720));

  t.app.in.dispmode = 1;
  t.app.in.heldpoint = PointDir{5, 6, 0};
  t.app.in.heldpointvalid = 1;
  dc.clear();
  paint_cycle(t.app, dc);
  std::vector<Colorref> marks;
  for (const DcOp& op : dc.ops())
    if (op.kind == DcOp::kRectangle) marks.push_back(op.brush.color);
  EXPECT_EQ(marks, (std::vector<Colorref>{color_at(t.app, 720), color_at(t.app, 724)}));
}

}  // namespace
}  // namespace daub
