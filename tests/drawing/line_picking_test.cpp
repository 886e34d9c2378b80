#include <gtest/gtest.h>

#include <cmath>

#include "drawing/line_fixtures.h"
#include "drawing/lines.h"
#include "geometry/angle.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

// Snapping with the drawing tolerance of 4 pixels, at two view scales: an end
// less than 4 pixels away is taken; else a line at most 4 pixels away is cut
// there; else nothing moves.
TEST(Snap, TakesAnEndThenALineWithinFourPixels) {
  // In screen pixels: line 1 ends at (100, 0); line 2 is the vertical x = 200.
  const struct {
    const char* name;
    double x, y;        // the point
    int result;         // what snap returns
    double to_x, to_y;  // where the point ends up
    std::size_t lines;  // lines afterwards
  } cases[] = {{"end at 3 px", 103, 0, 1, 100, 0, 2},
               {"end at 4 px", 104, 0, 0, 104, 0, 2},
               {"line at 4 px", 196, 0, 1, 200, 0, 3},
               {"line at 5 px", 195, 0, 0, 195, 0, 2}};
  for (double scale : {1.0, 2.0}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(testing::Message() << c.name << " at scale " << scale);
      TestApp t;
      t.app.settings.scale = scale;
      const double px = 1 / scale;  // one screen pixel in world units
      add_geom(t.app, straight(0, 0, 100 * px, 0));
      add_geom(t.app, straight(200 * px, -100 * px, 200 * px, 100 * px));
      PointDir p{c.x * px, c.y * px, 0.7};
      EXPECT_EQ(snap(t.app, p, kSnapTolerance, 1), c.result);
      EXPECT_EQ((std::tuple(p.x, p.y, p.angle)), (std::tuple(c.to_x * px, c.to_y * px, 0.7)));
      EXPECT_EQ(geoms(t.app).size(), c.lines);
      EXPECT_TRUE(t.messages().empty());
    }
  }
}

TEST(Nearestvt, ChoosesTheDirectionClosestToTheQuery) {
  TestApp t;
  add_geom(t.app, straight(-100, 0, 0, 0));  // arrives at the meeting point along 0
  add_geom(t.app, straight(0, 0, 0, 100));   // leaves it along π/2
  LineGeometry hidden = straight(1, 1, 50, 50);
  hidden.kind = kShapeHidden;  // nearer, but never a vertex
  add_geom(t.app, hidden);
  const struct {
    double query, expected;
  } cases[] = {
      {0.1, 0.0},
      {3.0, kPi},
      {-3.0, -kPi},
      {std::atan2(1.0, 1.0), 0.0},  // halfway between 0 and π/2: the first found
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.query);
    PointDir out;
    ASSERT_EQ(nearestvt(t.app, {2, 2, c.query}, out, 1), 1);
    EXPECT_EQ(xy(out), (DPoint{0, 0}));
    EXPECT_NEAR(std::fabs(out.angle), std::fabs(c.expected), 1e-12);
    EXPECT_NEAR(normalize_angle(out.angle - c.expected), 0, 1e-12);
  }
  PointDir out;
  // Of two ends equally near, the first line's.
  TestApp tie;
  add_geom(tie.app, straight(-10, 5, -20, 5));
  add_geom(tie.app, straight(10, 5, 20, 5));
  ASSERT_EQ(nearestvt(tie.app, {0, 0, 0}, out, 1), 1);
  EXPECT_EQ(out.x, -10);
  EXPECT_EQ(nearestvt(t.app, {20000, 0, 0}, out, 1), 0);
  EXPECT_EQ(nearestvt(t.app, {kNan, 0, 0}, out, 1), 0);
  EXPECT_TRUE(t.messages().empty());
}

TEST(Pickline, ProbesReachThirtyPixelsAlongFourDirections) {
  const struct {
    const char* name;
    LineGeometry line;
    double scale;
    int found;
  } cases[] = {
      {"vertical at 29 px", straight(29, -100, 29, 100), 1.0, 1},
      {"vertical at 31 px, scale 2", straight(15.5, -100, 15.5, 100), 2.0, 0},
      // 35 px away, but met by a diagonal probe within its reach.
      {"diagonal", straight(50, 0, 0, 50), 1.0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    t.app.settings.scale = c.scale;
    add_geom(t.app, c.line);
    LineRecord out;
    EXPECT_EQ(pickline(t.app, {0, 0}, out, 1), c.found);
    EXPECT_EQ(out.geom.x0, c.found ? c.line.x0 : 0);
  }
}

TEST(Pickline, TiesGoToTheFirstLineAndTwoLinesAreTheTwoNearest) {
  TestApp t;
  add_geom(t.app, straight(20, -50, 20, 50));
  add_geom(t.app, straight(-10, -50, -10, 50));
  add_geom(t.app, straight(10, -50, 10, 50));
  LineRecord a, b;
  int n1 = 0, n2 = 0;
  EXPECT_EQ(pickline(t.app, {0, 0}, a, 1), 2);
  ASSERT_EQ(picktwoline(t.app, {0, 0}, a, b, n1, n2, 1), 1);
  EXPECT_EQ((std::pair(n1, n2)), (std::pair(2, 3)));
  EXPECT_EQ(b.geom.x0, 10);

  TestApp one;
  add_geom(one.app, straight(10, -50, 10, 50));
  EXPECT_EQ(picktwoline(one.app, {0, 0}, a, b, n1, n2, 1), 0);
}

TEST(Nearestline, PrefersLinesWhoseAnglesMatch) {
  TestApp t;
  add_geom(t.app, curve(0, 0, 1.0, 10, 0, 2.0));
  add_geom(t.app, curve(0, 0, 0.5, 10, 0, 0.0));
  const struct {
    const char* name;
    PointDir p, q;
    int expected;
  } cases[] = {
      {"both angles", {0, 0, 0.5}, {10, 0, 0.0}, 2},
      {"second angle only", {0, 0, 9.0}, {10, 0, 0.0}, 2},
      {"ends only", {0, 0, 9.0}, {10, 0, 9.0}, 1},
      {"the other way round, turned by π", {10, 0, kPi}, {0, 0, 0.5 - kPi}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LineRecord out;
    int number = 0;
    EXPECT_EQ(nearestline(t.app, c.p, c.q, out, number, 1), 1);
    EXPECT_EQ(number, c.expected);
  }
  LineRecord out;
  int number = 0;
  EXPECT_EQ(nearestline(t.app, {0, 0, 0}, {11, 0, 0}, out, number, 1), 0);
  EXPECT_EQ(t.messages(), std::vector<std::string>{"nearestline\t該当データが存在しません"});
}

TEST(NeighberLineTest, CountsOtherLinesEndingAtThePoint) {
  TestApp t;
  add_geom(t.app, straight(-10, 0, 0, 0));
  add_geom(t.app, straight(0, 0, 0, 10));
  add_geom(t.app, straight(5, 5, 9, 9));
  ExtractionItem item;
  EXPECT_EQ(NeighberLine(t.app, 2, {0, 0, 0}, item, 1), 1);
  EXPECT_EQ(std::tuple(item.line, item.direction, item.geom.x0), std::tuple(1, -1, -10.0));
  EXPECT_EQ(NeighberLine(t.app, 0, {0, 0, 0}, item, 1), 2);
  EXPECT_EQ(std::pair(item.line, item.direction), std::pair(2, 1));
  EXPECT_EQ(NeighberLine(t.app, 0, {1, 1, 0}, item, 1), 0);
}

TEST(JoinEnds, MovesTheOtherEndOntoTheNearestEnd) {
  TestApp t;
  add_geom(t.app, straight(0, 0, 100, 0));
  add_geom(t.app, straight(103, 2, 200, 2));
  EXPECT_EQ(join_ends(t.app, {101, 0}, 1.5, 1), 0);  // the other end is too far
  EXPECT_EQ(join_ends(t.app, {101, 0}, kEndJoinDistance, 1), 1);
  const LineGeometry g = geoms(t.app)[1];
  const double a = std::atan2(2.0, 100.0);  // a straight line keeps pointing along itself
  EXPECT_EQ(std::tuple(g.x0, g.y0, g.a0, g.a1), std::tuple(100.0, 0.0, a, a));
  EXPECT_EQ(join_ends(t.app, {500, 500}, kEndJoinDistance, 1), 0);
  // Each end within reach of the point, but not of the other: no join.
  TestApp apart;
  add_geom(apart.app, straight(0, 0, 100, 0));
  add_geom(apart.app, straight(106, 0, 200, 0));
  EXPECT_EQ(join_ends(apart.app, {103, 0}, 3.5, 1), 0);
}

// Geometry read from a file may hold anything: no operation may crash or hang on it.
TEST(BadGeometry, EveryOperationSurvivesNonFiniteCoordinatesAndOddKinds) {
  for (double scale : {1.0, 0.0, kNan}) {
    SCOPED_TRACE(scale);
    TestApp t;
    t.app.settings.scale = scale;
    add_geom(t.app, straight(kNan, 0, 10, 10));
    add_geom(t.app, curve(kInf, -kInf, kNan, 5, 5, kInf));
    add_geom(t.app, LineGeometry{0, 0, 0, 1e308, -1e308, 0, 7, 0});
    add_geom(t.app, LineGeometry{-5, 0, 1e300, 5, 0, -1e300, kShapeCurve, 0});
    add_geom(t.app, straight(0, -20, 0, 20));
    const PointDir at{1, 1, 0.3};
    PointDir p = at, out;
    LineRecord r1, r2;
    int n1 = 0, n2 = 0;
    ExtractionItem item;
    nearestvt(t.app, at, out, 1);
    snap(t.app, p, kSnapTolerance, 1);
    pickline(t.app, {1, 1}, r1, 1);
    picktwoline(t.app, {1, 1}, r1, r2, n1, n2, 1);
    nearestline(t.app, at, {10, 10, 0}, r1, n1, 1);
    NeighberLine(t.app, 0, {10, 10, 0}, item, 1);
    join_ends(t.app, {10, 10}, kEndJoinDistance, 1);
    cut_at_click(t.app, {1, 1}, 1);
    for (int n = 1; n <= 4; ++n) cut_line(t.app, n, straight(-100, 1, 100, 1), r1, n1, out, 1);
    reverse_line(t.app, 1, r1, n1, 1);
    ellipse_lines(t.app, kNan, 0, 10, kInf, 1);
    circle_lines(t.app, {0, 0}, {kInf, 0}, 1);
    EXPECT_EQ(totalskl(t.app, 1), static_cast<int>(geoms(t.app).size()));
  }
}

}  // namespace
}  // namespace daub::test
