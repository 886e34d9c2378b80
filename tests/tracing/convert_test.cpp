#include "tracing/convert.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/chain.h"
#include "drawing/drawing_builder.h"
#include "drawing/layers.h"
#include "drawing/lines.h"
#include "drawing/regions.h"
#include "geometry/curves.h"
#include "model/app.h"
#include "support/region_entries.h"
#include "support/test_app.h"
#include "tracing/outline_lines.h"
#include "tracing/shadow.h"
#include "tracing/trace.h"

namespace daub {
namespace {

using test::TestApp;

constexpr double kDeg = 0.017453292519944444;

DPoint along(DPoint from, double degrees, double length) {
  return {from.x + length * std::cos(degrees * kDeg), from.y + length * std::sin(degrees * kDeg)};
}

// The rounding written out: θ = 180° − turn, d shared by the edges' lengths,
// each part at most half its edge.
struct Rounding {
  double d_in, d_out;
};
Rounding expected_rounding(double turn, double l_in, double l_out, double size, double scale) {
  const double theta = (180 - turn) * kDeg;
  const double d = std::fabs(std::cos(theta / 2) * size * scale / (1 - std::sin(theta / 2)));
  return {std::fmin(d * l_in / (l_in + l_out), l_in / 2),
          std::fmin(d * l_out / (l_in + l_out), l_out / 2)};
}

// One corner: coming in along `in_deg` over l_in, turning by `turn` (signed)
// and going out over l_out.
TEST(RoundCorner, FollowsTheRoundingRule) {
  const struct {
    const char* name;
    double in_deg, turn, l_in, l_out;
    RoundingParams params;
    bool rounded;
  } cases[] = {
      {"45 degrees, equal edges", 0, 45, 100, 100, {60, 10, 1}, true},
      {"scale 2, unequal edges, one held to half its edge", 30, -50, 200, 30, {60, 10, 2}, true},
      {"59.99 degrees with 60 the largest", 90, 59.99, 100, 100, {60, 10, 1}, true},
      {"60.01 degrees with 60 the largest", 90, 60.01, 100, 100, {60, 10, 1}, false},
      {"3.01 degrees", 0, 3.01, 100, 100, {60, 10, 1}, true},
      {"2.99 degrees", 0, 2.99, 100, 100, {60, 10, 1}, false},
      {"149.99 degrees", 0, 149.99, 100, 100, {180, 10, 1}, true},
      {"150.01 degrees", 0, 150.01, 100, 100, {180, 10, 1}, false},
      // Directions either side of ±π: the turn is 20 degrees, not 340.
      {"across ±π, left", 170, 20, 100, 100, {60, 10, 1}, true},
      {"across ±π, right", -170, -20, 100, 100, {60, 10, 1}, true},
      // A curve the check refuses (its chord nearly along the edge) stays sharp.
      {"a short edge out: nearly straight", 0, 50, 100, 1, {60, 10, 1}, false},
      {"a longer edge out", 0, 50, 100, 10, {60, 10, 1}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const DPoint from{1000, 500};
    const DPoint v = along(from, c.in_deg, c.l_in);
    const DPoint to = along(v, c.in_deg + c.turn, c.l_out);
    const Corner corner = round_corner(from, v, to, c.params);
    EXPECT_NEAR(corner.turn, std::fabs(c.turn), 1e-9);
    ASSERT_EQ(corner.rounded, c.rounded);
    if (!c.rounded) continue;
    const Rounding r =
        expected_rounding(std::fabs(c.turn), c.l_in, c.l_out, c.params.size, c.params.scale);
    const DPoint a = along(from, c.in_deg, c.l_in - r.d_in);
    const DPoint b = along(v, c.in_deg + c.turn, r.d_out);
    const LineGeometry& g = corner.curve;
    EXPECT_EQ(g.kind, kShapeCurve);
    EXPECT_NEAR(std::hypot(g.x0 - a.x, g.y0 - a.y) + std::hypot(g.x1 - b.x, g.y1 - b.y), 0, 1e-9);
    EXPECT_NEAR(g.a1 - g.a0, c.turn * kDeg, 1e-9);
    EXPECT_EQ(check_curve(g), CurveVerdict::kOk);
  }
}

// A regular octagon of side 30 turns 45 degrees at every corner. The side
// left between two curves is 30 − d; at most 1.0 long it is left out and the
// curve starts where the one before ended.
TEST(RoundedSides, ShortSidesBetweenCurvesAreLeftOut) {
  std::vector<DPoint> octagon{{100, 100}};
  for (int k = 0; k < 7; ++k) octagon.push_back(along(octagon.back(), 45.0 * k, 30));
  const double per_size = expected_rounding(45, 30, 30, 1, 1).d_in * 2;  // d for size 1
  const struct {
    double gap;
    std::size_t sides;
  } cases[] = {{1.2, 16}, {1.0 + 1e-9, 16}, {1.0 - 1e-9, 8}, {0.8, 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.gap);
    const std::vector<LineGeometry> sides =
        rounded_sides(octagon, {60, (30 - c.gap) / per_size, 1});
    ASSERT_EQ(sides.size(), c.sides);
    for (std::size_t i = 0; i < sides.size(); ++i) {
      const LineGeometry& next = sides[(i + 1) % sides.size()];
      EXPECT_NEAR(sides[i].x1, next.x0, 1e-10);
      EXPECT_NEAR(sides[i].y1, next.y0, 1e-10);
      EXPECT_EQ(check_curve(sides[i]), CurveVerdict::kOk);
    }
  }
}

// Scaled down, points that fall together are one point, and the last
// is dropped when it falls on the first: no side of no length.
TEST(OutlineWorldPoints, PointsThatFallTogetherAreOne) {
  const std::vector<IntPoint> points{{0, 0}, {0, 3}, {3, 3}, {3, 1}, {1, 1}, {1, 0}};
  EXPECT_EQ(outline_world_points(points.data(), points.size(), {10, 20, 0.5}),
            (std::vector<DPoint>{{10, 20}, {10, 21}, {11, 21}, {11, 20}}));
  EXPECT_EQ(outline_world_points(points.data(), 2, {0, 0, 0.2}), (std::vector<DPoint>{{0, 0}}));
}

// A shadow of the traced rows ('#' dark), as a block.
std::vector<std::uint8_t> traced(const std::vector<std::string>& rows) {
  LevelMap m;
  m.height = static_cast<int>(rows.size());
  m.width = static_cast<int>(rows[0].size());
  for (const std::string& r : rows)
    for (char ch : r) m.levels.push_back(ch == '#' ? 0 : 1);
  Shadow s;
  EXPECT_EQ(trace_map(m, LevelKind::kThreshold, {}, s), TraceVerdict::kOk);
  return shadow_block(s);
}

const std::vector<std::string> kSquare = {".....", ".###.", ".###.", ".###.", "....."};

// The square's corners (1,1) (1,4) (4,4) (4,1) placed at (10, 20), scale 2.5:
// four straight lines with the current pen and one region of them with the
// current fill in the outline's colour.
TEST(ConvertShadow, SquareBecomesFourLinesAndOneRegion) {
  TestApp t;
  t.app.settings.line_pen.color = 0x123456;
  t.app.settings.fill.color = 0x00FF00;
  t.app.settings.fill.brush_style = 1;
  ASSERT_EQ(convert_shadow(t.app, traced(kSquare), {10, 20, 2.5}, OutlineShape::kStraight, 1), 1);
  std::vector<std::array<double, 4>> ends;
  for (std::uint32_t at : test::chain_offsets(t.app.drawing, 1, ChainKind::kLines)) {
    const auto l = t.app.drawing.get<LineRecord>(at);
    EXPECT_EQ(std::tuple(l.geom.kind, l.pen.color), std::tuple(kShapeStraight, 0x123456u));
    ends.push_back({l.geom.x0, l.geom.y0, l.geom.x1, l.geom.y1});
  }
  EXPECT_EQ(ends, (std::vector<std::array<double, 4>>{
                      {12, 22, 12, 30}, {12, 30, 20, 30}, {20, 30, 20, 22}, {20, 22, 12, 22}}));
  const std::vector<std::uint32_t> regions =
      test::chain_offsets(t.app.drawing, 1, ChainKind::kRegions);
  ASSERT_EQ(regions.size(), 1u);
  const RegionRecord r = t.app.drawing.get<RegionRecord>(regions[0]);
  EXPECT_EQ(std::pair(r.param.color, r.param.brush_style), std::pair(0x000000u, 1));
  EXPECT_EQ(test::region_entries(t.app.drawing, regions[0]),
            (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
  EXPECT_TRUE(t.messages().empty());
}

// A layer with `lines` lines, appended in one go.
void fill_lines(App& app, std::uint32_t lines) {
  Block& b = app.drawing;
  const std::uint32_t layer = layer_offset(b, 1);
  std::uint32_t at = b.used(), slot = layer + offsetof(LayerRecord, lines);
  b.resize(at + std::uint64_t{sizeof(LineRecord)} * lines);
  for (std::uint32_t i = 0; i < lines; ++i, at += sizeof(LineRecord)) {
    b.put(at, LineRecord{});
    b.put<std::uint32_t>(slot, at);
    slot = at + offsetof(LineRecord, next);
  }
  b.set_used(at);
}

// Outlines go in whole or not at all: a layer with room for one square's
// four lines takes it, one line fewer and the conversion stops with the
// message; a block that cannot grow stops it with memck's.
TEST(ConvertShadow, StopsWhenTheLayerOrBlockIsFull) {
  const std::vector<std::uint8_t> two =
      traced({"..........", ".###..###.", ".###..###.", ".###..###.", ".........."});
  for (std::uint32_t before :
       {kMaxChainLength - 8, kMaxChainLength - 7, kMaxChainLength - 4, kMaxChainLength - 3}) {
    SCOPED_TRACE(before);
    TestApp t;
    fill_lines(t.app, before);
    const int room = static_cast<int>((kMaxChainLength - before) / 4);
    EXPECT_EQ(convert_shadow(t.app, two, {0, 0, 1}, OutlineShape::kStraight, 1), room);
    EXPECT_EQ(totalskl(t.app, 1), static_cast<int>(before) + 4 * room);
    EXPECT_EQ(region_total(t.app.drawing, 1), room);
    EXPECT_EQ(t.last_message(), room == 2 ? "" : std::string("shadowline\t") + kChainFullMessage);
  }
  TestApp t;
  t.app.block_limit = t.app.drawing.used() + 4 * sizeof(LineRecord) + sizeof(RegionRecord) +
                      4 * sizeof(BoundaryEntry);
  EXPECT_EQ(convert_shadow(t.app, two, {0, 0, 1}, OutlineShape::kRounded, 1), 1);
  EXPECT_EQ(t.last_message(), "memck\tメモリー不足、データをセーブしてください");
  EXPECT_EQ(totalskl(t.app, 1), 4);
  EXPECT_EQ(convert_shadow(t.app, two, {0, 0, 1}, OutlineShape::kStraight, 7), 0);
  EXPECT_EQ(t.last_message(), "shadowline\tレイヤーが存在しません");
}

}  // namespace
}  // namespace daub
