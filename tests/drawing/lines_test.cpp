#include "drawing/lines.h"

#include <gtest/gtest.h>

#include "drawing/drawing_builder.h"
#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "support/region_entries.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

// Horizontal lines starting at x = 10, 20, ..., 10·count, each 5 long.
void add_tagged(App& app, int count) {
  for (int i = 1; i <= count; ++i) add_geom(app, straight(10 * i, 0, 10 * i + 5, 0));
}

TEST(Setskl, AppendsAndMakesTheLineCurrent) {
  TestApp t;
  LineRecord line, out;
  line.pen.color = 0x123456;
  line.geom = curve(0, 0, 0, 100, 100, kPi / 2);
  line.next = 999;  // whatever the caller left there
  int number = 0;
  EXPECT_EQ(setskl(t.app, line, out, number, 1), 1);
  EXPECT_EQ(setskl(t.app, line, out, number, 0), 2);  // layer 0 means layer 1
  EXPECT_EQ(std::tuple(number, out.next, t.app.in.nowlinevalid), std::tuple(2, 0u, 2));
  EXPECT_EQ(totalskl(t.app, 1), 2);
}

// A refused geometry appending nothing is checked through the shapes
// (DegenerateShapesAreRefusedWhole); trusted storing is how every fixture
// line is added.

// linenow, the current pen into a line, is LineCommandTest's (command 312).
TEST(Changeline, OverwritesTheLineButKeepsTheChain) {
  TestApp t;
  add_tagged(t.app, 3);
  LineRecord line;
  ASSERT_EQ(getline(t.app, 2, line, 1), 2);
  line.geom.x0 = 99;
  line.pen.color = 7;
  line.next = 0;  // a stale link must not cut the chain
  EXPECT_EQ(changeline(t.app, 2, line, 1), 2);
  EXPECT_EQ(line_tags(t.app.drawing, 1), (std::vector<double>{10, 99, 30}));
}

TEST(Delskl, RenumbersAndSetsTheCurrentPoint) {
  for (DeletedPoint mode : {DeletedPoint::kBecomesNowpoint, DeletedPoint::kKeepNowpoint}) {
    TestApp t;
    add_tagged(t.app, 3);
    t.app.in.nowpointvalid = 0;
    t.app.line_stock.push_back({});
    EXPECT_EQ(delskl(t.app, 2, 1, mode), 2);
    EXPECT_EQ(line_tags(t.app.drawing, 1), (std::vector<double>{10, 30}));
    EXPECT_EQ(t.app.in.nowlinevalid, 0);
    EXPECT_TRUE(t.app.line_stock.empty());
    const bool moved = mode == DeletedPoint::kBecomesNowpoint;
    EXPECT_EQ(std::pair(t.app.in.nowpointvalid, t.app.in.nowpoint.x),
              moved ? std::pair(1, 20.0) : std::pair(0, 0.0));
  }
}

TEST(Delskl, RemovesRegionsThatUsedTheLineAndRenumbersTheRest) {
  TestApp t;
  add_tagged(t.app, 5);
  add_region(t.app, 1, {{1, 1}, {2, -1}, {3, 1}});
  add_region(t.app, 1, {{1, 1}, {3, -1}, {4, 1}});
  add_region(t.app, 1, {{0, 1}, {5, 1}, {1, -1}});
  add_region(t.app, 1, {{4, 1}, {2, 1}});
  ASSERT_EQ(delskl(t.app, 2, 1), 2);
  EXPECT_EQ(region_lines(t.app.drawing), (std::vector<std::vector<int>>{{1, 2, 3}, {0, 4, 1}}));
  // Directions stay with their entries.
  const std::uint32_t first = chain_offsets(t.app.drawing, 1, ChainKind::kRegions)[0];
  EXPECT_EQ(region_entries(t.app.drawing, first)[1].second, -1);
  ASSERT_EQ(delskl(t.app, 1, 1), 1);
  EXPECT_TRUE(region_lines(t.app.drawing).empty());
}

TEST(CutLine, HalvesTakeTheLastNumbers) {
  TestApp t;
  add_geom(t.app, straight(0, 0, 100, 0));
  add_geom(t.app, straight(200, 0, 300, 0));
  add_geom(t.app, straight(400, 0, 500, 0));
  add_region(t.app, 1, {{1, 1}, {2, 1}, {3, 1}});
  add_region(t.app, 1, {{2, 1}, {3, 1}});
  LineRecord out;
  int number = 0;
  PointDir cut;
  ASSERT_EQ(cut_line(t.app, 1, straight(30, -10, 30, 10), out, number, cut, 1), 1);
  EXPECT_EQ(line_tags(t.app.drawing, 1), (std::vector<double>{200, 400, 0, 30}));
  const std::vector<LineGeometry> g = geoms(t.app);
  EXPECT_EQ(std::tuple(g[2].x1, g[3].x1, cut.x), std::tuple(30.0, 100.0, 30.0));
  EXPECT_EQ(std::pair(number, t.app.in.nowlinevalid), std::pair(4, 4));
  EXPECT_EQ(t.app.in.nowpoint.x, 0);  // delskl's start point of the cut line
  EXPECT_EQ(region_lines(t.app.drawing), (std::vector<std::vector<int>>{{1, 2}}));

  // The halves of a curve meet in its direction at the cut.
  TestApp c;
  add_geom(c.app, curve(0, 0, 0, 100, 100, kPi / 2));
  ASSERT_EQ(cut_line(c.app, 1, straight(70, -10, 70, 200), out, number, cut, 1), 1);
  const std::vector<LineGeometry> halves = geoms(c.app);
  EXPECT_EQ(std::pair(halves[0].a1, halves[1].a0), std::pair(cut.angle, cut.angle));
  EXPECT_TRUE(cut.angle > 0.1 && cut.angle < kPi / 2 - 0.1) << cut.angle;
}

TEST(CutLine, MissesInvalidHalvesAndAFullBlockChangeNothing) {
  const struct {
    const char* name;
    LineGeometry cutter;
    std::uint32_t room;  // bytes the block may still grow by
    std::string message;
  } cases[] = {
      {"misses", straight(150, -10, 150, 10), 1000, "xseach\t交点が存在しません"},
      {"at the start", straight(0, -10, 0, 10), 1000, "cutsklck\t同一点が選択されています"},
      {"at the end", straight(100, -10, 100, 10), 1000, "cutsklck\t同一点が選択されています"},
      {"room for one half only", straight(30, -10, 30, 10), 150,
       "memck\tメモリー不足、データをセーブしてください"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    add_geom(t.app, straight(0, 0, 100, 0));
    t.app.block_limit = t.app.drawing.used() + c.room;
    t.clear_log();
    const Block before = t.app.drawing;
    LineRecord out;
    int number = 0;
    PointDir cut;
    EXPECT_EQ(cut_line(t.app, 1, c.cutter, out, number, cut, 1), 0);
    EXPECT_EQ(t.messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(used_bytes(t.app.drawing), used_bytes(before));
  }
}

// A cut replaces one line by two: it is made in a layer one line below the
// chain limit and refused, keeping the line, in a full one.
TEST(CutLine, TheChainLimitCountsTheLineItReplaces) {
  for (std::uint32_t count : {65535u, 65536u}) {
    SCOPED_TRACE(count);
    TestApp t;
    LineRecord line;
    line.geom = straight(0, 0, 100, 0);
    t.app.drawing = long_chain(1, count, line);
    LineRecord out;
    int number = 0;
    PointDir cut;
    const bool room = count < 65536;
    EXPECT_EQ(cut_line(t.app, 1, straight(30, -10, 30, 10), out, number, cut, 1), room ? 1 : 0);
    EXPECT_EQ(t.last_message(), room ? "" : "memck\tメモリー不足、データをセーブしてください");
    EXPECT_EQ(totalskl(t.app, 1), 65536);
    EXPECT_EQ(geoms(t.app).back().x0, room ? 30 : 0);  // the second half, or a whole line
  }
}

TEST(ReverseLine, AppendsTheLineTheOtherWayRound) {
  TestApp t;
  add_geom(t.app, curve(0, 0, 0.5, 10, 0, 3.0));
  add_geom(t.app, straight(50, 0, 60, 0));
  add_region(t.app, 1, {{1, 1}, {2, 1}});
  LineRecord out;
  int number = 0;
  ASSERT_EQ(reverse_line(t.app, 1, out, number, 1), 2);
  EXPECT_EQ(line_tags(t.app.drawing, 1), (std::vector<double>{50, 10}));
  const LineGeometry g = geoms(t.app)[1];
  expect_near(ends(g), {10, 0, 3.0 - kPi, 0, 0, 0.5 - kPi});
  EXPECT_EQ(t.app.in.nowlinevalid, 2);
  EXPECT_EQ(t.app.in.nowpoint.angle, g.a1);
  EXPECT_TRUE(region_lines(t.app.drawing).empty());

  // A full block refuses before the line is taken out.
  t.app.block_limit = t.app.drawing.used();
  const Block before = t.app.drawing;
  t.clear_log();
  EXPECT_EQ(reverse_line(t.app, 2, out, number, 1), 0);
  EXPECT_EQ(t.messages(),
            std::vector<std::string>{"memck\tメモリー不足、データをセーブしてください"});
  EXPECT_EQ(used_bytes(t.app.drawing), used_bytes(before));
}

}  // namespace
}  // namespace daub::test
