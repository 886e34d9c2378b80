// The line mouse commands, driven through the window's button handlers. At the
// start-up view one client pixel is one world unit and the two coincide.

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <vector>

#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "shell/command_table.h"
#include "shell/line_construction.h"
#include "shell/mouse_commands.h"
#include "shell/view.h"
#include "shell/window.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::add_geom;
using test::geoms;
using test::straight;
using test::TestApp;

const char kNoPoint[] = "CAUTION\t注目点を指定してください";
const char kAlmostStraight[] = "sklck\tほとんど直線です。結合不可能";

void drag(TestApp& t, int x1, int y1, int x2, int y2) {
  on_lbutton_down(t.app, x1, y1);
  on_lbutton_up(t.app, x2, y2);
}

void start(TestApp& t, int cmd, double x, double y, double angle) {
  t.app.in.mousecmd = static_cast<std::uint16_t>(cmd);
  t.app.in.nowpoint = {x, y, angle};
  t.app.in.nowpointvalid = 1;
}

// The two ends of a line, to compare lines and whole layers at once.
struct Ends {
  double x0, y0, x1, y1;
  bool operator==(const Ends&) const = default;
};

void PrintTo(const Ends& e, std::ostream* os) {
  *os << "(" << e.x0 << "," << e.y0 << ")-(" << e.x1 << "," << e.y1 << ")";
}

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
  // (100, 100) heading right and hand over to drag move.
  const double kUp = -80 * kPi / 180;
  struct Case {
    int cmd;
    PointDir end;
    bool curve;
  } cases[] = {
      {120, {295, 140, kPi / 4}, true},  // the drag as it is (nothing in reach)
      {121, {300, 100, kPi / 2}, true},  // the vertex with its direction
      {593, {295, 140, kPi / 2}, true},  // the drag position, the vertex's direction
      {122, {300, 100, kPi / 4}, true},  // the vertex position, the drag direction
      {127, {300, 100, 0}, false},       // the nearest vertex
      {124, {250, 100, 0}, false},       // along the direction as far as the drag
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cmd);
    TestApp t;
    add_geom(t.app, straight(300, 100, 300, 40));
    if (c.curve) {
      start(t, c.cmd, 100, 300, kUp);
      drag(t, 295, 140, 305, 150);
    } else {
      start(t, c.cmd, 100, 100, 0);
      const int y = c.cmd == 127 ? 120 : 180;
      drag(t, 250, y, 260, y);
    }
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

TEST(LineToTest, AlmostStraightCurveIsRefusedAndChangesNothing) {
  TestApp t;
  start(t, 120, 100, 100, 0);
  drag(t, 200, 101, 260, 101);
  EXPECT_EQ(t.last_message(), kAlmostStraight);
  EXPECT_TRUE(geoms(t.app).empty());
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 100);
  EXPECT_EQ(t.app.in.nowlinevalid, 0);
}

TEST(AttentionPointTest, CommandsGoingOnFromTheCurrentPointNeedOne) {
  for (int cmd : {112, 113, 120, 121, 122, 124, 125, 126, 127, 301, 593}) {
    SCOPED_TRACE(cmd);
    TestApp t;
    add_geom(t.app, straight(300, 100, 300, 40));
    t.app.in.mousecmd = static_cast<std::uint16_t>(cmd);
    t.app.in.nowpointvalid = 0;
    drag(t, 200, 200, 250, 200);
    EXPECT_EQ(t.messages(), std::vector<std::string>{kNoPoint});
    EXPECT_EQ(t.ui.repaint_count(), 0);
    EXPECT_EQ(geoms(t.app).size(), 1u);
    EXPECT_EQ(t.app.in.mousecmd, cmd);
  }
}

TEST(AttentionPointTest, HeldPointStandsInForTheDragOfTheNextCommand) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 300, 100));
  start(t, 126, 200, 100, 0);
  MenuCommand(t.app, 114, 0);  // hold it; 126 is marked H and A: the current point is gone
  drag(t, 200, 200, 250, 200);
  EXPECT_EQ(t.last_message(), kNoPoint);
  EXPECT_EQ(t.app.in.heldpointvalid, 0);  // H came first and took the held point
  start(t, 311, 200, 100, 0);
  MenuCommand(t.app, 114, 0);
  t.clear_log();
  t.app.in.mousecmd = 311;  // marked H only: cuts at the held point
  drag(t, 500, 500, 510, 510);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(t.app.in.heldpointvalid, 0);
  EXPECT_EQ(ends_of(t.app), (Layer{{100, 100, 200, 100}, {200, 100, 300, 100}}));
}

TEST(MouseCommandTest, IdWithoutACaseDoesNothing) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 300, 100));
  const auto before = t.app.drawing.bytes();
  t.app.in.mousecmd = 123;
  drag(t, 100, 100, 200, 200);
  EXPECT_EQ(t.ui.repaint_count(), 0);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(t.app.drawing.bytes(), before);
  EXPECT_FALSE(line_mouse_command(t.app, 123));
}

TEST(ChainTest, FirstDragPlacesTheStartLaterDragsDrawOn) {
  for (int cmd : {908, 968}) {
    SCOPED_TRACE(cmd);
    TestApp t;
    t.app.in.mousecmd = static_cast<std::uint16_t>(cmd);
    t.app.in.nowpointvalid = 0;
    drag(t, 100, 100, 200, 100);
    EXPECT_TRUE(geoms(t.app).empty());
    EXPECT_EQ(t.app.in.nowpointvalid, 1);
    drag(t, 200, 200, 200, 300);  // arrives going down
    drag(t, 300, 300, 400, 300);
    EXPECT_EQ(ends_of(t.app), (Layer{{100, 100, 200, 200}, {200, 200, 300, 300}}));
    const LineGeometry g = geoms(t.app)[0];
    EXPECT_EQ(g.kind, cmd == 908 ? kShapeCurve : kShapeStraight);
    if (cmd == 908) {
      EXPECT_NEAR(g.a1, kPi / 2, 1e-12);
    }
    on_rbutton_down(t.app, 0, 0);
    drag(t, 500, 100, 600, 100);  // a new chain starts: nothing drawn
    EXPECT_EQ(geoms(t.app).size(), 2u);
  }
}

TEST(SnapTest, NewEndsSnapWithinFourScreenPixels) {
  // A vertical line from (300, 200) to (300, 400); a straight line is drawn
  // from (100, 300) to a press `dx` screen pixels right of a point of it.
  struct Case {
    double scale;
    int dx;
    double along_y;  // 200: beside the end, 300: beside the middle
    double end_x;
    bool cuts;
  } cases[] = {
      {1.0, 3, 200, 300, false},  // 3 px from the end: onto it
      {1.0, 5, 300, 305, false},  // 5 px from the line: stays
      {1.0, 3, 300, 300, true},   // 3 px from the line: onto it, cutting it
      {2.0, 3, 200, 300, false},  // pixels, not world units, count
      {2.0, 5, 300, 302.5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scale " << c.scale << " dx " << c.dx << " y " << c.along_y);
    TestApp t;
    t.app.settings.scale = c.scale;
    add_geom(t.app, straight(300, 200, 300, 400));
    start(t, 126, 100, 300, 0);
    const IntPoint at = to_screen(t.app, 300, c.along_y);
    drag(t, at.x + c.dx, at.y, at.x + c.dx + 20, at.y);
    const Ends line = {100, 300, c.end_x, c.along_y};
    EXPECT_EQ(ends_of(t.app), c.cuts ? (Layer{{300, 200, 300, 300}, {300, 300, 300, 400}, line})
                                     : (Layer{{300, 200, 300, 400}, line}));
  }
}

TEST(PointCommandTest, DirectionSnapsToTheSeventeenFixedOnes) {
  struct Case {
    int dx, dy;
    double degrees;
  } cases[] = {{100, 10, 0},   {100, 60, 30},    {100, 100, 45},   {10, 100, 90},
               {-100, 1, 180}, {-100, -1, -180}, {-60, -100, -120}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    TestApp t;
    start(t, 113, 5, 6, 1.0);
    drag(t, 400, 300, 400 + c.dx, 300 + c.dy);
    EXPECT_DOUBLE_EQ(t.app.in.nowpoint.angle, c.degrees * kPi / 180.0);
    EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 5);
  }
}

TEST(PointCommandTest, CurrentPointFromTheDragAVertexOrALine) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 200, 100));
  t.app.in.mousecmd = 110;
  t.app.in.nowpointvalid = 0;
  drag(t, 50, 60, 50, 100);
  EXPECT_EQ(t.app.in.nowpointvalid, 1);
  EXPECT_NEAR(t.app.in.nowpoint.angle, kPi / 2, 1e-12);

  t.app.in.mousecmd = 111;  // the nearest vertex, then the direction command
  drag(t, 195, 104, 195, 150);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 200);
  EXPECT_EQ(t.app.in.mousecmd, 112);
  drag(t, 0, 0, 0, -10);
  EXPECT_NEAR(t.app.in.nowpoint.angle, -kPi / 2, 1e-12);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 200);

  t.app.in.mousecmd = 601;  // the same, and the command stays
  drag(t, 105, 104, 105, 150);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 100);
  EXPECT_EQ(t.app.in.mousecmd, 601);

  t.app.in.mousecmd = 116;  // the line under the drag and its end
  t.app.in.nowlinevalid = 0;
  drag(t, 150, 110, 150, 120);
  EXPECT_EQ(t.app.in.nowlinevalid, 1);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 200);
  drag(t, 150, 400, 150, 420);  // nothing there: no line, the point stays
  EXPECT_EQ(t.app.in.nowlinevalid, 0);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 200);

  add_geom(t.app, straight(100, 300, 200, 300));
  t.app.in.mousecmd = 141;  // pick and delete the line under the drag
  drag(t, 150, 105, 150, 120);
  EXPECT_EQ(ends_of(t.app), (Layer{{100, 300, 200, 300}}));
  EXPECT_EQ(t.app.in.nowlinevalid, 0);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 100);  // the deleted line's start
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.y, 100);
}

TEST(FreehandTest, ShortDragsUseThePressToReleaseDirection) {
  TestApp t;
  t.app.in.mousecmd = 898;
  on_lbutton_down(t.app, 100, 100);
  on_mouse_move(t.app, 150, 60);
  on_mouse_move(t.app, 200, 60);
  on_lbutton_up(t.app, 300, 100);
  // Both ends along the chord: a nearly straight curve, refused.
  EXPECT_EQ(t.last_message(), kAlmostStraight);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.angle, 0.0);
  EXPECT_DOUBLE_EQ(t.app.in.dragvector.x, 300);
}

TEST(FreehandTest, LongerDragsTakeTheirEndsFromTheTrail) {
  TestApp t;
  t.app.in.mousecmd = 898;
  on_lbutton_down(t.app, 100, 100);
  for (int i = 1; i <= 20; ++i) on_mouse_move(t.app, 100 + 10 * i, 100 - 10 * std::min(i, 10));
  on_lbutton_up(t.app, 310, 0);
  EXPECT_EQ(ends_of(t.app), (Layer{{100, 100, 310, 0}}));
  EXPECT_NEAR(geoms(t.app)[0].a0, -kPi / 4, 1e-12);  // towards the tenth move (200, 0)
  EXPECT_NEAR(geoms(t.app)[0].a1, 0.0, 1e-12);       // from the oldest recent move (210, 0)
}

TEST(PressToReleaseTest, StraightLineBetweenThePressAndTheRelease) {
  // 128 snaps only within 4 px; 591 always takes the nearest ends.
  for (int cmd : {128, 591}) {
    SCOPED_TRACE(cmd);
    TestApp t;
    add_geom(t.app, straight(300, 100, 300, 40));
    add_geom(t.app, straight(50, 100, 90, 100));
    start(t, cmd, 7, 8, 0);
    drag(t, 100, 100, 290, 102);
    const auto lines = geoms(t.app);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(ends(lines[2]), cmd == 128 ? (Ends{100, 100, 290, 102}) : (Ends{90, 100, 300, 100}));
    EXPECT_DOUBLE_EQ(lines[2].a0, lines[2].a1);
    EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 7);  // the current point stays
    EXPECT_EQ(t.app.in.nowlinevalid, 3);
  }
  TestApp t;
  t.app.in.mousecmd = 128;
  drag(t, 100, 100, 100, 100);
  EXPECT_TRUE(geoms(t.app).empty());
  EXPECT_TRUE(t.messages().empty());
}

// Lines meeting at (200, 100), and a lone line end at (300, 300).
void corner(TestApp& t) {
  add_geom(t.app, straight(100, 100, 200, 100));
  add_geom(t.app, straight(200, 100, 200, 200));
  add_geom(t.app, straight(300, 300, 400, 300));
}

TEST(VertexMoveTest, SnappedMoveTakesEveryEndAtTheVertexOrNothing) {
  TestApp t;
  corner(t);
  const Layer before = ends_of(t.app);
  t.app.in.mousecmd = 869;
  drag(t, 210, 108, 600, 500);  // the release snaps to nothing
  EXPECT_EQ(ends_of(t.app), before);
  drag(t, 210, 108, 290, 309);  // 14 px tolerance at both ends
  EXPECT_EQ(ends_of(t.app),
            (Layer{{100, 100, 300, 300}, {300, 300, 200, 200}, {300, 300, 400, 300}}));
  const auto lines = geoms(t.app);
  EXPECT_NEAR(lines[0].a0, kPi / 4, 1e-12);  // straight lines turn with their ends
  EXPECT_DOUBLE_EQ(lines[1].a1, std::atan2(-100.0, -100.0));
  EXPECT_EQ(t.app.in.nowlinevalid, 2);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 300);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.angle, lines[1].a0);

  TestApp near;  // both snapping to one point joins the nearby end
  add_geom(near.app, straight(100, 100, 200, 100));
  add_geom(near.app, straight(203, 100, 300, 200));
  near.app.in.mousecmd = 869;
  drag(near, 201, 100, 201, 101);
  EXPECT_EQ(ends_of(near.app), (Layer{{100, 100, 200, 100}, {200, 100, 300, 200}}));
}

TEST(VertexMoveTest, UnsnappedMoveTakesTheNearestEndToTheRelease) {
  TestApp t;
  corner(t);
  t.app.in.mousecmd = 871;
  drag(t, 190, 110, 250, 130);
  EXPECT_EQ(ends_of(t.app),
            (Layer{{100, 100, 250, 130}, {250, 130, 200, 200}, {300, 300, 400, 300}}));
  EXPECT_DOUBLE_EQ(geoms(t.app)[0].a0, std::atan2(30.0, 150.0));
}

TEST(CrossCutTest, CurrentLineAndTheLineUnderTheDragSplitAtTheirCrossing) {
  TestApp t;
  add_geom(t.app, straight(200, 100, 200, 300));
  add_geom(t.app, straight(100, 200, 300, 200));  // the current line
  add_geom(t.app, straight(100, 500, 300, 500));
  t.app.in.nowlinevalid = 2;
  t.app.in.mousecmd = 310;
  drag(t, 150, 205, 150, 210);  // only the current line itself there: no cut
  EXPECT_EQ(geoms(t.app).size(), 3u);
  t.app.in.mousecmd = 310;
  drag(t, 200, 150, 200, 160);
  EXPECT_EQ(ends_of(t.app), (Layer{{100, 500, 300, 500},
                                   {100, 200, 200, 200},
                                   {200, 200, 300, 200},
                                   {200, 100, 200, 200},
                                   {200, 200, 200, 300}}));
  EXPECT_EQ(t.app.in.nowlinevalid, 5);
  EXPECT_EQ(t.app.in.mousecmd, 600);
}

TEST(CrossCutTest, TwoLinesUnderTheDrag) {
  TestApp t;
  add_geom(t.app, straight(100, 200, 300, 200));
  add_geom(t.app, straight(200, 100, 200, 300));
  add_geom(t.app, straight(100, 500, 300, 500));
  t.app.in.mousecmd = 602;
  t.app.in.nowlinevalid = 3;
  drag(t, 205, 205, 210, 210);
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
  start(t, 125, 100, 100, 0);
  drag(t, 300, 60, 310, 60);
  const Layer want = {{100, 100, 300, 100}, {300, 50, 300, 100}, {300, 100, 300, 150}};
  EXPECT_EQ(ends_of(t.app), want);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 300);
  EXPECT_EQ(t.app.in.mousecmd, 600);

  start(t, 125, 100, 400, 0);  // nothing to meet: the auxiliary line goes again
  drag(t, 600, 200, 610, 200);
  EXPECT_EQ(ends_of(t.app), want);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 100);
}

TEST(ConstructionTest, RectangleEllipseAndCircleAreClosedRunsOfFour) {
  for (int cmd : {300, 302, 301}) {
    SCOPED_TRACE(cmd);
    TestApp t;
    start(t, cmd, 200, 200, 0);
    const int mode = t.app.in.dispmode;
    drag(t, 100, 150, 300, 250);
    const auto lines = geoms(t.app);
    ASSERT_EQ(lines.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_EQ(lines[i].kind, cmd == 300 ? kShapeStraight : kShapeCurve);
      EXPECT_DOUBLE_EQ(lines[i].x1, lines[(i + 1) % 4].x0);
      EXPECT_DOUBLE_EQ(lines[i].y1, lines[(i + 1) % 4].y0);
    }
    EXPECT_EQ(t.app.in.nowlinevalid, 4);
    EXPECT_EQ(t.app.in.dispmode, mode);  // a plain repaint keeps the mode
  }
}

void arc_ends(TestApp& t) {
  add_geom(t.app, straight(50, 200, 100, 200));
  add_geom(t.app, straight(300, 200, 350, 200));
}

TEST(ArcTest, ArcsPassThroughBothEndsAboutOneCentre) {
  // Ends (100, 200) and (300, 200); the centre lies 50 above or below their
  // midpoint, so the radius is √(100² + 50²).
  const double r = std::sqrt(12500.0);
  struct Case {
    int cmd;
    double centre_y;
    std::size_t pieces;
    double extreme_y;  // the far point of the arc
  } cases[] = {{610, 150, 23, 150 - r},
               {611, 150, 13, 150 + r},
               {612, 250, 13, 250 - r},
               {613, 250, 23, 250 + r}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cmd);
    TestApp t;
    arc_ends(t);
    t.app.construction.distance = 50;
    t.app.in.mousecmd = static_cast<std::uint16_t>(c.cmd);
    drag(t, 103, 197, 296, 204);
    const auto lines = geoms(t.app);
    ASSERT_EQ(lines.size(), 2 + c.pieces);
    double extreme = 200, x = 100, y = 200;
    for (std::size_t i = 2; i < lines.size(); ++i) {
      const LineGeometry& g = lines[i];
      EXPECT_EQ(g.kind, kShapeCurve);
      EXPECT_EQ(g.x0, x);  // one unbroken run from (100, 200)
      EXPECT_EQ(g.y0, y);
      x = g.x1;
      y = g.y1;
      EXPECT_NEAR(std::hypot(x - 200, y - c.centre_y), r, 1e-9);
      EXPECT_LE(std::fabs(g.a1 - g.a0), 15 * kPi / 180 + 1e-12);
      if (std::fabs(y - c.extreme_y) < std::fabs(extreme - c.extreme_y)) extreme = y;
    }
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 200);
    EXPECT_NEAR(extreme, c.extreme_y, 0.5);
    EXPECT_EQ(t.app.in.dispmode, 1);
  }
}

TEST(ArcTest, ATinyDivisionAngleIsWidenedToABoundedRun) {
  TestApp t;
  arc_ends(t);
  t.app.construction.arc_angle = 1e-12;
  t.app.in.mousecmd = 611;
  drag(t, 100, 200, 300, 200);
  const int count = totalskl(t.app, 1);
  EXPECT_GE(count, 2 + 3000);
  EXPECT_LE(count, 2 + 3600);
  LineRecord last;
  getline(t.app, count, last, 1);
  EXPECT_EQ(last.geom.x1, 300);
}

TEST(ArcTest, NoArcWithoutTwoDistinctEnds) {
  TestApp t;
  t.app.in.mousecmd = 610;
  drag(t, 100, 200, 300, 200);  // no lines at all
  EXPECT_TRUE(geoms(t.app).empty());
  add_geom(t.app, straight(50, 200, 100, 200));
  drag(t, 100, 200, 105, 200);  // both snap to (100, 200)
  EXPECT_EQ(geoms(t.app).size(), 1u);
}

}  // namespace
}  // namespace daub
