// The line mouse commands, driven through the window's button handlers, and
// the pen dialog command on the current line. At the start-up view one client
// pixel is one world unit and the two coincide. Snapping, deleting and
// reversing are tested in tests/drawing.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/line_construction.h"
#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "render/view.h"
#include "shell/mouse_commands.h"
#include "support/window_drive.h"

namespace daub {
namespace {

using test::add_geom;
using test::drag;
using test::geoms;
using test::run;
using test::set_point;
using test::straight;
using test::TestApp;

const char kNoPoint[] = "CAUTION\t注目点を指定してください";

// The two ends of a line (x0, y0, x1, y1), to compare lines and whole layers at once.
using Ends = std::array<double, 4>;

Ends ends(const LineGeometry& g) { return {g.x0, g.y0, g.x1, g.y1}; }

using Layer = std::vector<Ends>;

Layer ends_of(const App& app) {
  Layer out;
  for (const LineGeometry& g : geoms(app)) out.push_back(ends(g));
  return out;
}

TEST(LineToTest, CurveAndStraightCommandsEndWhereTheyShould) {
  // From (100, 300) heading up and a little right, with a vertex at (300, 100)
  // whose line runs downwards (direction π/2). Straight commands start from
  // (100, 100) heading right and hand over to drag move. A curve's drag goes
  // 10 right and 10 down from the press, a straight one's 10 right.
  const double kUp = -80 * kPi / 180;
  struct Case {
    int cmd;
    IntPoint press;
    PointDir end;
    bool curve;
  } cases[] = {
      {120, {295, 140}, {295, 140, kPi / 4}, true},  // the drag as it is (nothing in reach)
      {121, {295, 140}, {300, 100, kPi / 2}, true},  // the vertex with its direction
      {593, {295, 140}, {295, 140, kPi / 2}, true},  // the drag position, the vertex's direction
      {122, {295, 140}, {300, 100, kPi / 4}, true},  // the vertex position, the drag direction
      {127, {250, 120}, {300, 100, 0}, false},       // the nearest vertex
      {124, {250, 180}, {250, 100, 0}, false},       // along the direction as far as the drag
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cmd);
    TestApp t;
    add_geom(t.app, straight(300, 100, 300, 40));
    set_point(t, 100, c.curve ? 300 : 100, c.curve ? kUp : 0);
    drag(t, c.cmd, c.press.x, c.press.y, c.press.x + 10, c.press.y + (c.curve ? 10 : 0));
    const auto lines = geoms(t.app);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].kind, c.curve ? kShapeCurve : kShapeStraight);
    EXPECT_DOUBLE_EQ(lines[1].a0, c.curve ? kUp : 0.0);
    EXPECT_NEAR(lines[1].x1, c.end.x, 1e-12);
    EXPECT_NEAR(lines[1].y1, c.end.y, 1e-12);
    EXPECT_NEAR(lines[1].a1, c.end.angle, 1e-12);
    EXPECT_NEAR(t.app.in.nowpoint.angle, c.end.angle, 1e-12);
    EXPECT_EQ(t.app.in.mousecmd, c.curve ? c.cmd : 600);
  }
}

TEST(AttentionPointTest, HeldPointStandsInForTheDragOfTheNextCommand) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 300, 100));
  set_point(t, 200, 100, 0);
  run(t, 114);  // hold it; 126 is marked H and A: the current point is gone
  const int repaints = t.ui.repaint_count();
  drag(t, 126, 200, 200, 250, 200);
  EXPECT_EQ(t.messages(), std::vector<std::string>{kNoPoint});
  EXPECT_EQ(t.ui.repaint_count(), repaints);
  EXPECT_EQ(geoms(t.app).size(), 1u);     // nothing drawn
  EXPECT_EQ(t.app.in.heldpointvalid, 0);  // H came first and took the held point
  set_point(t, 200, 100, 0);
  run(t, 114);
  t.clear_log();
  drag(t, 311, 500, 500, 510, 510);  // marked H only: cuts at the held point
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(t.app.in.heldpointvalid, 0);
  EXPECT_EQ(ends_of(t.app), (Layer{{100, 100, 200, 100}, {200, 100, 300, 100}}));
}

// The straight chain (968) is pinned by the line_drawing script.
TEST(ChainTest, FirstDragPlacesTheStartLaterDragsDrawCurvesOn) {
  TestApp t;
  t.app.in.nowpointvalid = 0;
  drag(t, 908, 100, 100, 200, 100);
  EXPECT_TRUE(geoms(t.app).empty());
  drag(t, 200, 200, 200, 300);  // arrives going down
  drag(t, 300, 300, 400, 300);
  EXPECT_EQ(ends_of(t.app), (Layer{{100, 100, 200, 200}, {200, 200, 300, 300}}));
  EXPECT_EQ(geoms(t.app)[0].kind, kShapeCurve);
  EXPECT_NEAR(geoms(t.app)[0].a1, kPi / 2, 1e-12);
}

TEST(PointCommandTest, DirectionSnapsToTheSeventeenFixedOnes) {
  struct Case {
    int dx, dy;
    double degrees;
  } cases[] = {{100, 60, 30}, {-100, 1, 180}, {-100, -1, -180}, {-60, -100, -120}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    TestApp t;
    set_point(t, 5, 6, 1.0);
    drag(t, 113, 400, 300, 400 + c.dx, 300 + c.dy);
    EXPECT_DOUBLE_EQ(t.app.in.nowpoint.angle, c.degrees * kPi / 180.0);
    EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 5);
  }
}

TEST(PointCommandTest, CurrentPointFromAVertexOrDeletedLine) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 200, 100));
  drag(t, 111, 195, 104, 195, 150);  // the nearest vertex, then the direction command
  EXPECT_EQ(std::pair(t.app.in.nowpoint.x, int{t.app.in.mousecmd}), std::pair(200.0, 112));
  drag(t, 0, 0, 0, -10);
  EXPECT_NEAR(t.app.in.nowpoint.angle, -kPi / 2, 1e-12);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 200);

  add_geom(t.app, straight(100, 300, 200, 300));
  drag(t, 141, 150, 105, 150, 120);  // pick and delete the line under the drag
  EXPECT_EQ(ends_of(t.app), (Layer{{100, 300, 200, 300}}));
  EXPECT_EQ(t.app.in.nowlinevalid, 0);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.y, 100);  // the deleted line's start
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

// 128 (snapping only within 4 px) is pinned by the line_drawing script; 591
// always takes the nearest ends.
TEST(PressToReleaseTest, NearestEndsLineKeepsTheCurrentPoint) {
  TestApp t;
  add_geom(t.app, straight(300, 100, 300, 40));
  add_geom(t.app, straight(50, 100, 90, 100));
  set_point(t, 7, 8, 0);
  drag(t, 591, 100, 100, 290, 102);
  ASSERT_EQ(geoms(t.app).size(), 3u);
  EXPECT_EQ(ends(geoms(t.app)[2]), (Ends{90, 100, 300, 100}));
  EXPECT_EQ(std::pair(t.app.in.nowpoint.x, t.app.in.nowlinevalid), std::pair(7.0, 3));
  TestApp z;
  drag(z, 128, 100, 100, 100, 100);  // zero length: nothing
  EXPECT_TRUE(geoms(z.app).empty());
  EXPECT_TRUE(z.messages().empty());
}

// Lines meeting at (200, 100), and a lone line end at (300, 300). The plain
// snapped move (869) is pinned by the line_drawing script.
void corner(TestApp& t) {
  add_geom(t.app, straight(100, 100, 200, 100));
  add_geom(t.app, straight(200, 100, 200, 200));
  add_geom(t.app, straight(300, 300, 400, 300));
}

TEST(VertexMoveTest, UnsnappedMoveTakesTheNearestEndToTheRelease) {
  TestApp t;
  corner(t);
  drag(t, 871, 190, 110, 250, 130);
  EXPECT_EQ(ends_of(t.app),
            (Layer{{100, 100, 250, 130}, {250, 130, 200, 200}, {300, 300, 400, 300}}));
  EXPECT_DOUBLE_EQ(geoms(t.app)[0].a0, std::atan2(30.0, 150.0));  // straight lines turn
  EXPECT_EQ(t.app.in.nowlinevalid, 2);
}

TEST(CrossCutTest, NoCutOnTheCurrentLineItselfTwoLinesUnderTheDrag) {
  TestApp t;
  add_geom(t.app, straight(100, 200, 300, 200));
  add_geom(t.app, straight(200, 100, 200, 300));
  add_geom(t.app, straight(100, 500, 300, 500));
  t.app.in.nowlinevalid = 1;
  drag(t, 310, 150, 205, 150, 210);  // only the current line itself there: no cut
  EXPECT_EQ(geoms(t.app).size(), 3u);
  t.app.in.nowlinevalid = 3;
  drag(t, 602, 205, 205, 210, 210);
  const auto lines = geoms(t.app);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(ends(lines[0]), (Ends{100, 500, 300, 500}));
  EXPECT_EQ(t.app.in.mousecmd, 602);
}

TEST(CrossCutTest, AFullBlockLosesNoLine) {
  TestApp t;
  add_geom(t.app, straight(200, 100, 200, 300));
  add_geom(t.app, straight(100, 200, 300, 200));
  const Layer before = ends_of(t.app);
  t.app.block_limit = t.app.drawing.used() + 2 * sizeof(LineRecord);  // room for two pieces
  int second = 0;
  EXPECT_EQ(cross_cut(t.app, 2, 1, 1, second), 0);
  EXPECT_EQ(t.last_message(), "memck\tメモリー不足、データをセーブしてください");
  EXPECT_EQ(ends_of(t.app), before);
}

TEST(ConstructionTest, ExtensionEndsOnTheLineUnderTheDrag) {
  TestApp t;
  add_geom(t.app, straight(300, 50, 300, 150));
  set_point(t, 100, 100, 0);
  drag(t, 125, 300, 60, 310, 60);
  const Layer want = {{100, 100, 300, 100}, {300, 50, 300, 100}, {300, 100, 300, 150}};
  EXPECT_EQ(ends_of(t.app), want);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 300);
  EXPECT_EQ(t.app.in.mousecmd, 600);

  set_point(t, 100, 400, 0);  // nothing to meet: the auxiliary line goes again
  drag(t, 125, 600, 200, 610, 200);
  EXPECT_EQ(ends_of(t.app), want);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 100);
}

void arc_ends(TestApp& t) {
  add_geom(t.app, straight(50, 200, 100, 200));
  add_geom(t.app, straight(300, 200, 350, 200));
}

// 610 and 611 (centre above the ends: one unbroken run on the circle) are
// pinned by the line_arcs script; here the long way round below them.
TEST(ArcTest, ArcBelowTheEndsTheLongWayRound) {
  // Ends (100, 200) and (300, 200); the centre lies 50 below their midpoint,
  // so the radius is √(100² + 50²).
  const double r = std::sqrt(12500.0);
  TestApp t;
  arc_ends(t);
  t.app.construction.distance = 50;
  drag(t, 613, 103, 197, 296, 204);
  const auto lines = geoms(t.app);
  ASSERT_EQ(lines.size(), 2u + 23u);
  double lowest = 200;
  for (std::size_t i = 2; i < lines.size(); ++i) {
    EXPECT_NEAR(std::hypot(lines[i].x1 - 200, lines[i].y1 - 250), r, 1e-9);
    EXPECT_LE(std::fabs(lines[i].a1 - lines[i].a0), 15 * kPi / 180 + 1e-12);
    lowest = std::max(lowest, lines[i].y1);
  }
  EXPECT_EQ(lines.back().x1, 300);
  EXPECT_NEAR(lowest, 250 + r, 0.5);
  EXPECT_EQ(t.app.in.dispmode, 1);
}

TEST(ArcTest, ATinyDivisionAngleIsWidenedToABoundedRun) {
  TestApp t;
  arc_ends(t);
  t.app.construction.arc_angle = 1e-12;
  drag(t, 611, 100, 200, 300, 200);
  const int count = totalskl(t.app, 1);
  EXPECT_GE(count, 2 + 3000);
  EXPECT_LE(count, 2 + 3600);
  LineRecord last;
  getline(t.app, count, last, 1);
  EXPECT_EQ(last.geom.x1, 300);
}

PenRecord pen_of_line(TestApp& t, int n) {
  LineRecord line;
  getline(t.app, n, line, 1);
  return line.pen;
}

TEST(LineCommandTest, PenDialogThenTheCurrentLineTakesThePen) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 200, 100));
  t.answer(ScriptAnswer::kCancel);
  run(t, 312);
  // Cancelled: the line keeps its pen.
  EXPECT_EQ(std::pair(pen_of_line(t, 1).width, t.app.in.dispmode), std::pair(1, 0));

  t.answer(ScriptAnswer::kOk);
  t.app.settings.pen_width = 9;
  run(t, 312);
  EXPECT_EQ(std::pair(pen_of_line(t, 1).width, pen_of_line(t, 1).color),
            std::pair(9, t.app.settings.line_pen.color));
}

}  // namespace
}  // namespace daub
