// Stroking lines: solid and dotted strokes, the layer painters and what they
// do with damaged lines.

#include "render/line_painters.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/layers.h"
#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "geometry/curves.h"
#include "platform/recording_dc.h"
#include "render/display.h"
#include "render/line_fixture.h"
#include "support/test_app.h"

namespace daub {
namespace {

using namespace test;
using Segments = std::vector<std::pair<IntPoint, IntPoint>>;

Segments along_x(std::initializer_list<std::pair<int, int>> xs, int y) {
  Segments out;
  for (auto [from, to] : xs) out.push_back({{from, y}, {to, y}});
  return out;
}

RecordingDc drawn(const LineRecord& line, double scale = 1.0, int result = 2) {
  TestApp t;
  set_plain_view(t.app, scale);
  RecordingDc dc;
  EXPECT_EQ(draw_line(t.app, dc, line), result);
  return dc;
}

TEST(DrawLine, DottedLinesCutFromTheStartLength) {
  struct Case {
    const char* name;
    double scale, start;
    const char* bits;
    double from, to;  // along y = 10 world units
    Segments drawn;
  } cases[] = {
      // Phase 1, first piece 2.5 long and left out.
      {"start 7.5", 2.0, 7.5, "10", 0, 22, along_x({{5, 15}, {25, 35}}, 20)},
      {"start -2", 1.0, -2.0, "10", 0, 22, along_x({{2, 7}, {12, 17}, {22, 22}}, 10)},
      {"leftwards", 1.0, 0.0, "10", 22, 0, along_x({{22, 17}, {12, 7}, {2, 0}}, 10)},
      // A start length of exactly one dot length stays: the first cut is at A.
      {"start 5", 1.0, 5.0, "10", 0, 12, along_x({{0, 0}, {5, 10}}, 10)},
      // A cut at B is written, and B after it: the last piece has no length.
      {"cut at the end", 1.0, 0.0, "111010", 0, 40,
       along_x({{0, 5}, {5, 10}, {10, 15}, {20, 25}, {30, 35}, {35, 40}, {40, 40}}, 10)},
      // Far out the start length is folded in one step: phase 1, first cut 2.5.
      {"start folded", 2.0, 6001 * 5.0 + 2.5, "111010", 0, 20,
       along_x({{0, 5}, {5, 15}, {25, 35}}, 20)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingDc dc = drawn(
        make_line(make_pen(1, 0, 0x123456, 5.0, c.start, c.bits), c.from, 10, c.to, 10), c.scale);
    EXPECT_EQ(dc.segments(), c.drawn);
    for (const DcOp& op : dc.ops()) EXPECT_EQ(op.pen, (DcPen{kPenDash, 1, 0x123456}));
    EXPECT_EQ(dc.pen(), DcPen{});
  }
}

TEST(DrawLine, SolidLinesTruncateToPixelsAndPenWidthFollowsTheScale) {
  EXPECT_EQ(drawn(make_line(make_pen(0, 1, 0xFF), 1.5, 2.5, 10.2, 3.9), 2.0).segments(),
            (Segments{{{3, 5}, {20, 7}}}));
  struct Case {
    int width;
    double scale;
    int device;
  } cases[] = {{3, 2.5, 7}, {0, 4.0, 1}, {-4, 1.0, 1}, {1, 0.25, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " at " << c.scale);
    RecordingDc dc = drawn(make_line(make_pen(1, c.width, 0xFF), 0, 0, 100, 0), c.scale);
    ASSERT_FALSE(dc.ops().empty());
    EXPECT_EQ(dc.ops().front().pen, (DcPen{kPenDash, c.device, 0xFF}));
  }
}

// With every piece drawn the pieces chain from A to B along the curve, one
// for every dot length of its length and a last one at B.
TEST(DrawLine, DottedCurveCutsAlongItsChords) {
  LineRecord curve =
      make_line(make_pen(1, 0, 0, 10.0, 0.0, "1"), 0, 0, 100, 100, kShapeCurve, 0, kPi / 2);
  double length = line_length(curve.geom);
  ASSERT_GT(length, 150.0);
  Segments s = drawn(curve, 1.0, 1).segments();
  ASSERT_EQ(s.size(), static_cast<std::size_t>(std::floor(length / 10.0)) + 1);
  EXPECT_EQ(std::pair(s.front().first, s.back().second),
            std::pair(IntPoint{0, 0}, IntPoint{100, 100}));
  for (std::size_t i = 1; i < s.size(); ++i) EXPECT_EQ(s[i].first, s[i - 1].second);
}

// A pattern that cannot be cut, or whose pieces could not be seen or would be
// too many, draws the line solid (result 2); a line that cannot be drawn
// draws nothing (0). None of them may hang the paint. Hidden lines and pen
// style 2 are left out by the layer painters below.
TEST(DrawLine, UnusablePatternsAndLinesThatCannotBeDrawn) {
  auto pattern = [](double dot, int count) {
    PenRecord pen = make_pen(1, 0, 0xFF, dot);
    pen.bit_count = count;
    pen.bits = 0xFFFFFFFF;
    return pen;
  };
  struct Case {
    const char* name;
    LineRecord line;
    double scale;
    int result;
  } cases[] = {
      {"no pieces", make_line(pattern(5.0, 0), 0, 0, 100, 0), 1.0, 2},
      {"19 pieces", make_line(pattern(5.0, 19), 0, 0, 100, 0), 1.0, 2},
      {"not-a-number dot length", make_line(pattern(kNan, 2), 0, 0, 100, 0), 1.0, 2},
      {"a billion pieces", make_line(pattern(1e-3, 2), 0, 0, 1e6, 0), 1000.0, 2},
      {"kind 3", make_line(make_pen(0), 0, 0, 10, 10, static_cast<ShapeKind>(3)), 1.0, 0},
      {"infinite end", make_line(make_pen(1), 0, 0, 10, -kInf), 1.0, 0},
      {"curve without a direction", make_line(make_pen(0), 0, 0, 10, 10, kShapeCurve, kNan), 1.0,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RecordingDc dc = drawn(c.line, c.scale, c.result);
    EXPECT_EQ(dc.count(DcOp::kLineTo), c.result ? 1 : 0);
    EXPECT_EQ(dc.ops().size(), c.result ? 2u : 0u);
    for (const DcOp& op : dc.ops()) EXPECT_EQ(op.pen, (DcPen{kPenSolid, 1, 0xFF}));
  }
}

// allline strokes every line with its own pen, leaving out style 2 and hidden
// lines; sketch and guide draw every line shown solid, one pixel wide, in
// their colour. A missing layer is reported, an empty one is silent, and layer 0
// is the first.
TEST(LayerPainters, MissingLayerEmptyLayerAndLayerZero) {
  TestApp t;
  set_plain_view(t.app, 1.0);
  add_line(t.app, 1, make_line(make_pen(0, 3, 0xFF0000), 0, 0, 10, 0));
  add_line(t.app, 1, make_line(make_pen(2, 3, 0xFF0000), 0, 20, 10, 20));
  add_line(t.app, 1, make_line(make_pen(1, 3, 0xFF0000), 0, 30, 10, 30, kShapeHidden));
  add_line(t.app, 1, make_line(make_pen(1, 3, 0xFF0000), 0, 40, 10, 40));
  const Segments all = {{{0, 0}, {10, 0}}, {{0, 20}, {10, 20}}, {{0, 40}, {10, 40}}};
  struct Case {
    const char* name;
    int (*painter)(App&, Dc&, int);
    Segments drawn;
    DcPen last;
  } cases[] = {// The dotted line is cut at 5 and 10, its end.
               {"allline",
                allline,
                {all[0], {{0, 40}, {5, 40}}, {{10, 40}, {10, 40}}},
                {kPenDash, 3, 0xFF0000}},
               {"alllinesketch", alllinesketch, all, {kPenSolid, 1, display_color(t.app, 732)}},
               {"alllineguide", alllineguide, all, {kPenSolid, 1, display_color(t.app, 756)}}};
  makelayer(t.app, 2);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.clear_log();
    RecordingDc out;
    EXPECT_EQ(c.painter(t.app, out, 3), 0);
    EXPECT_EQ(t.messages(),
              std::vector<std::string>{std::string(c.name) + "\tレイヤーが存在しません"});
    EXPECT_EQ(c.painter(t.app, out, 2), 0);  // no lines: silent
    EXPECT_TRUE(out.ops().empty());
    EXPECT_EQ(c.painter(t.app, out, 0), 1);
    EXPECT_EQ(out.segments(), c.drawn);
    EXPECT_EQ(out.ops().back().pen, c.last);
    EXPECT_EQ(t.messages().size(), 1u);
  }
  RecordingDc dc;
  EXPECT_EQ(allpoint(t.app, dc, 0, 3), 0);
  EXPECT_EQ(t.last_message(), "allpoint\tレイヤーが存在しません");
}

}  // namespace
}  // namespace daub
