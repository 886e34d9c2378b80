#include "drawing/regions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "support/region_entries.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

const char kNotClosed[] = "rgnsort\tデータが閉じていません";

ExtractionItem line(int number, double x0, double y0, double x1, double y1) {
  return {{x0, y0, 0, x1, y1, 0, kShapeStraight, 0}, number, 1};
}

// The start of each ordered item as walked.
std::vector<DPoint> walk(const std::vector<ExtractionItem>& items) {
  std::vector<DPoint> corners;
  for (const ExtractionItem& item : items) {
    const LineGeometry g = walked_geometry(item);
    corners.push_back({g.x0, g.y0});
  }
  return corners;
}

// A quadrilateral's four sides in every order, with every subset stored the other way.
TEST(OutlineOrder, AnyOrderAndOrientationOfAQuadrilateralCloses) {
  const std::vector<ExtractionItem> sides = {line(1, 0, 0, 10, 0), line(2, 10, 0, 12, 8),
                                             line(3, 12, 8, -1, 9), line(4, -1, 9, 0, 0)};
  std::vector<int> order = {0, 1, 2, 3};
  do {
    for (int flipped = 0; flipped < 16; ++flipped) {
      SCOPED_TRACE(testing::Message()
                   << order[0] << order[1] << order[2] << order[3] << " flip " << flipped);
      TestApp t;
      std::vector<ExtractionItem> items;
      for (int k : order) {
        ExtractionItem s = sides[static_cast<std::size_t>(k)];
        if (flipped & (1 << k)) std::swap(s.geom.x0, s.geom.x1), std::swap(s.geom.y0, s.geom.y1);
        items.push_back(s);
      }
      PointDir out;
      ASSERT_EQ(order_outline(t.app, items, out), 1);
      EXPECT_TRUE(t.messages().empty());
      // Each item starts where the one before it ends, and the last meets the first.
      for (std::size_t i = 0; i < items.size(); ++i) {
        const LineGeometry a = walked_geometry(items[i]);
        const LineGeometry b = walked_geometry(items[(i + 1) % items.size()]);
        EXPECT_EQ((DPoint{a.x1, a.y1}), (DPoint{b.x0, b.y0}));
      }
    }
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST(OutlineOrder, AnOpenPolylineIsRefusedOrAcceptedAsOpenTwoChainsFail) {
  const std::vector<ExtractionItem> polyline = {line(1, 10, 0, 20, 0), line(2, 20, 0, 20, 10),
                                                line(3, 0, 0, 10, 0)};
  TestApp t;
  auto items = polyline;
  PointDir out;
  expect_refused(t, order_outline(t.app, items, out, ChainEnds::kClosed), kNotClosed);
  EXPECT_EQ(xy(out), (DPoint{20, 10}));  // the chain broke at the free end

  t.clear_log();
  items = polyline;
  // It cannot go on from (20, 10), turns round and grows on to (0, 0).
  EXPECT_EQ(order_outline(t.app, items, out, ChainEnds::kOpenAllowed), 2);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(xy(out), (DPoint{0, 0}));
  EXPECT_EQ(walk(items), (std::vector<DPoint>{{20, 10}, {20, 0}, {10, 0}}));
  // Items that are not one chain.
  items = {line(1, 0, 0, 1, 0), line(2, 5, 5, 6, 5), line(3, 1, 0, 2, 0)};
  expect_refused(t, order_outline(t.app, items, out, ChainEnds::kOpenAllowed), kNotClosed);
}

// A square of side 100 at (100, 100) from four lines, in chain order
// top, right, bottom (stored right to left) and left.
void add_square(App& app, double x = 100, double y = 100, double side = 100) {
  add_geom(app, straight(x, y, x + side, y));
  add_geom(app, straight(x + side, y, x + side, y + side));
  add_geom(app, straight(x, y + side, x + side, y + side));
  add_geom(app, straight(x, y + side, x, y));
}

int add_coloured_region(App& app, Colorref colour, std::vector<BoundaryEntry> e) {
  RegionRecord r;
  r.param.color = colour;
  return setaltrgn(app, r, e, 1);
}

// Lines picked by clicks on them, then made a region: the entries follow
// the chain with the direction each line is walked in, right after the fill
// (the record's other words are checked by the regions script).
TEST(Setrgn, StoresTheChainedListAfterTheFill) {
  TestApp t;
  add_square(t.app);
  // (200, 100) is the B of line 1 (and the A of line 2, which comes later).
  for (DPoint click : {DPoint{200, 100}, DPoint{100, 150}, DPoint{150, 200}, DPoint{200, 150}})
    EXPECT_NE(pick_stock_line(t.app, click, 1), 0);
  EXPECT_EQ(std::pair(t.app.line_stock[0].direction, t.app.line_stock[1].direction),
            std::pair(1, -1));
  RegionParam fill;
  fill.color = 0x123456;
  fill.hatch_width = 7.5;
  int number = 0;
  const std::uint32_t at = t.app.drawing.used();
  ASSERT_EQ(setrgn(t.app, fill, number, 1), 1);
  EXPECT_EQ(number, 1);
  EXPECT_EQ(region_entries(t.app.drawing, chain_offsets(t.app.drawing, 1, ChainKind::kRegions)[0]),
            (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {3, -1}, {4, 1}}));
  const RegionRecord r = t.app.drawing.get<RegionRecord>(at);
  EXPECT_EQ(std::memcmp(&r.param, &fill, sizeof fill), 0);
  EXPECT_EQ(t.app.drawing.used(), at + 96 + 4 * 8);
  EXPECT_TRUE(t.messages().empty());
}

// Where a list that does not close breaks is the current point in the
// regions script's log.
TEST(Setrgn, NothingPickedOrNoSuchLayerChangesNothing) {
  TestApp t;
  add_square(t.app);
  const Block before = t.app.drawing;
  t.app.in.nowpointvalid = 0;
  int number = 0;
  expect_refused(t, setrgn(t.app, {}, number, 1), "rgnsort\t抽出線はありません");
  EXPECT_EQ(t.app.in.nowpointvalid, 0);  // no break to show
  for (DPoint click : {DPoint{150, 100}, DPoint{200, 150}, DPoint{150, 200}, DPoint{100, 150}})
    pick_stock_line(t.app, click, 1);
  expect_refused(t, setrgn(t.app, {}, number, 2), "setrgn\tレイヤーが存在しません");
  EXPECT_EQ(t.app.drawing.bytes(), before.bytes());
  EXPECT_EQ(number, 0);
}

// The later of two overlapping regions wins (after a move in the chain too:
// the regions script). The extraction list becomes the found region's lines
// as stored, with the entries' directions; entries naming no line are left out.
TEST(Polygonnum, TheTopmostRegionUnderThePointWins) {
  TestApp t;
  add_square(t.app, 100, 100, 100);  // lines 1-4
  add_square(t.app, 150, 150, 100);  // lines 5-8
  add_coloured_region(t.app, 1, {{1, 1}, {2, 1}, {3, -1}, {4, 1}});
  add_coloured_region(t.app, 2, {{5, 1}, {0, 1}, {6, 1}, {7, -1}, {8, 1}, {9, 1}, {99, 1}});
  EXPECT_EQ(polygonnum(t.app, {175, 175}, 1), 2);
  ASSERT_EQ(stock_numbers(t.app)[0], (std::vector<int>{5, 6, 7, 8}));
  const ExtractionItem& third = t.app.line_stock[2];  // as stored, not reversed
  EXPECT_EQ(std::pair(third.direction, third.geom.x0), std::pair(-1, 150.0));
  EXPECT_EQ(polygonnum(t.app, {125, 125}, 1), 1);
  // Below the first square and left of the second: rays cross both outlines twice.
  expect_refused(t, polygonnum(t.app, {125, 225}, 1),
                 "polygonnum\t指定された場所にポリゴンはありません");
}

TEST(RegionParts, EachCopiesItsWordsOnly) {
  const struct {
    const char* name;
    int (*op)(App&, int, int);
    std::vector<int> words;  // the words of the fill record that change
  } cases[] = {
      {"rgnnowbrstyle", rgnnowbrstyle, {0}},
      {"rgnnowhatchparam", rgnnowhatchparam, {12, 14, 15, 16, 17}},
      {"rgnnowhatchpen", rgnnowhatchpen, {2, 3, 6, 7, 8, 9, 10, 11}},
      {"rgnnowcolor", rgnnowcolor, {4, 18}},
      {"rgnnow", rgnnow, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    Settings& s = t.app.settings;
    s.brush_style = 1;
    s.pen_style = 1, s.pen_width = 3, s.color = 0x0A0B0C;
    s.dot_length = 2.5, s.start_length = 1.25, s.line_bit_count = 6, s.line_bits = 23;
    s.hatch_type = 1, s.hatch_width = 12.5, s.hatch_angle = 30;
    refresh_pens(s);
    RegionRecord r;
    std::memset(&r.param, 0xEE, sizeof r.param);
    setaltrgn(t.app, r, {}, 1);
    RegionParam expected = r.param;
    const auto* from = reinterpret_cast<const std::uint32_t*>(&s.fill);
    auto* to = reinterpret_cast<std::uint32_t*>(&expected);
    for (int w : c.words) to[w] = from[w];
    EXPECT_EQ(c.op(t.app, 1, 1), 1);
    const RegionParam got =
        t.app.drawing.get<RegionRecord>(chain_offsets(t.app.drawing, 1, ChainKind::kRegions)[0])
            .param;
    EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0);
  }
}

// Edges walked backwards run from their old end; a curve walked backwards
// takes its samples in reverse order, so the outline closes.
TEST(RegionOutline, FollowsEachEdgeInItsDirectionAndSkipsEntriesWithoutLines) {
  TestApp t;
  const LineGeometry bow = curve(0, 0, 0, 100, 100, kPi / 2);
  add_geom(t.app, straight(0, 0, 100, 100));
  add_geom(t.app, bow);
  add_coloured_region(t.app, 1, {{1, 1}, {0, 1}, {2, -1}, {3, 1}, {-1, 1}});
  const std::uint32_t layer = layer_offset(t.app.drawing, 1);
  std::vector<DPoint> outline = {{7, 7}};
  region_outline(t.app.drawing, chain_offsets(t.app.drawing, 1, ChainKind::kRegions)[0],
                 line_table(t.app.drawing, layer), outline);
  ASSERT_EQ(outline.size(), 31u);
  EXPECT_EQ(outline[0], (DPoint{100, 100}));
  const CurvePoints samples = curve_points(bow);
  for (int k = 1; k <= 30; ++k) {
    EXPECT_NEAR(outline[k].x, samples[30 - k].x, 1e-9) << k;
    EXPECT_NEAR(outline[k].y, samples[30 - k].y, 1e-9) << k;
  }
}

}  // namespace
}  // namespace daub::test
