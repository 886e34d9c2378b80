// The view transform, the view commands and the view mouse commands; the
// paint cycle, the lattice and the markers.

#include "render/view.h"
#include "shell/view_commands.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "paint/canvas.h"
#include "platform/recording_dc.h"
#include "render/display.h"
#include "support/window_drive.h"

namespace daub {
namespace {

using test::drag;
using test::TestApp;

IntPoint origin(const App& app) { return {app.view.vieworigin_x, app.view.vieworigin_y}; }

TEST(ViewTest, DragMovesTheOriginByWholeUnitsAgainstTheDrag) {
  struct Case {
    int dx, dy;
    double scale;
    int ox, oy;  // expected change of the origin
  } cases[] = {{-7, 5, 2.0, 3, -2}, {3, -4, 0.5, -6, 8}, {1, 1, 4.0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dx * 100 + c.dy);
    TestApp t;
    t.app.settings.scale = c.scale;
    int repaints = t.ui.repaint_count();
    drag(t, 600, 100, 100, 100 + c.dx, 100 + c.dy);
    EXPECT_EQ(origin(t.app), (IntPoint{400 + c.ox, 300 + c.oy}));
    EXPECT_EQ(std::pair(t.ui.repaint_count(), t.app.in.dispmode), std::pair(repaints + 1, 7));
  }
}

TEST(ViewTest, ResizeKeepsTheWorldPointAtTheClientCentre) {
  TestApp t;
  t.app.settings.scale = 2.5;
  t.app.view.vieworigin_x = 123;
  t.app.view.vieworigin_y = -45;
  on_size(t.app, 1001, 703);
  EXPECT_EQ((DPoint{t.app.settings.view_center_x, t.app.settings.view_center_y}),
            (DPoint{500, 351}));
  EXPECT_EQ(to_world(t.app, 500, 351), (DPoint{123, -45}));
}

// The scale input (101) with 0.5, 0, "abc" and cancel is pinned by the view
// script; the print scale (104) reads the same way and also sets the print
// magnification.
TEST(ViewTest, PrintScaleInputTakesPositiveNumbersOnly) {
  struct Case {
    const char* text;
    double scale;
    bool refused;
  } cases[] = {{"4abc", 4.0, false}, {"nan", 1.0, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TestApp t;
    t.app.settings.print_origin_x = 10;
    t.app.settings.print_origin_y = 20;
    t.answer(ScriptAnswer::kInput, c.text);
    EXPECT_TRUE(view_command(t.app, 104));
    EXPECT_EQ(t.app.settings.scale, c.scale);
    EXPECT_EQ(t.app.settings.print_magnification, c.refused ? 4.7 : c.scale);
    EXPECT_EQ(t.last_message(), c.refused ? "CAUTION\t縮尺は正の数で指定してください" : "");
    if (!c.refused) {  // zoomed about the print origin at the top left corner
      EXPECT_EQ(to_screen(t.app, 10, 20), (IntPoint{0, 0}));
      EXPECT_EQ(to_screen(t.app, 11, 21), (IntPoint{4, 4}));
    }
  }
}

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
