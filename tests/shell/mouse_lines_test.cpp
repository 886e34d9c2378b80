// The line mouse commands that scripts cannot reach: a freehand curve whose
// ends come from a bent trail of moves, and a cut refused for want of room.
// The commands one by one are pinned by the line_commands script; snapping,
// deleting and reversing are tested in tests/drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "drawing/line_construction.h"
#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "shell/window.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::add_geom;
using test::geoms;
using test::straight;
using test::TestApp;

// The two ends of a line (x0, y0, x1, y1), to compare lines and whole layers at once.
using Ends = std::array<double, 4>;

Ends ends(const LineGeometry& g) { return {g.x0, g.y0, g.x1, g.y1}; }

std::vector<Ends> ends_of(const App& app) {
  std::vector<Ends> out;
  for (const LineGeometry& g : geoms(app)) out.push_back(ends(g));
  return out;
}

TEST(FreehandTest, LongerDragsTakeTheirEndsFromTheTrail) {
  TestApp t;
  t.app.in.mousecmd = 898;
  on_lbutton_down(t.app, 100, 300);  // a drag before, going down: its trail must not count
  for (int i = 1; i <= 12; ++i) on_mouse_move(t.app, 100, 300 + 10 * i);
  on_lbutton_up(t.app, 100, 420);
  on_lbutton_down(t.app, 100, 100);
  for (int i = 1; i <= 20; ++i) on_mouse_move(t.app, 100 + 10 * i, 100 - 10 * std::min(i, 10));
  on_lbutton_up(t.app, 310, 0);
  ASSERT_FALSE(geoms(t.app).empty());
  const LineGeometry line = geoms(t.app).back();
  EXPECT_EQ(ends(line), (Ends{100, 100, 310, 0}));
  EXPECT_NEAR(line.a0, -kPi / 4, 1e-12);  // towards the tenth move (200, 0)
  EXPECT_NEAR(line.a1, 0.0, 1e-12);       // from the oldest recent move (210, 0)
}

TEST(CrossCutTest, AFullBlockLosesNoLine) {
  TestApp t;
  add_geom(t.app, straight(200, 100, 200, 300));
  add_geom(t.app, straight(100, 200, 300, 200));
  const std::vector<Ends> before = ends_of(t.app);
  t.app.block_limit = t.app.drawing.used() + 2 * sizeof(LineRecord);  // room for two pieces
  int second = 0;
  EXPECT_EQ(cross_cut(t.app, 2, 1, 1, second), 0);
  EXPECT_EQ(t.last_message(), "memck\tメモリー不足、データをセーブしてください");
  EXPECT_EQ(ends_of(t.app), before);
}

}  // namespace
}  // namespace daub
