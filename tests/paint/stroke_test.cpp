#include "paint/stroke.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "shell/view.h"
#include "support/test_app.h"

namespace daub {
namespace {

constexpr double kDegree = 0.017453292519944444;

std::vector<IntPoint> pts(std::initializer_list<IntPoint> l) { return l; }

// The pixel rows of a small white 24-bit picture.
struct TestCanvas {
  TestCanvas(int w, int h) : w(w), h(h), stride((3 * w + 3) / 4 * 4) {
    bytes.assign(static_cast<std::size_t>(stride) * h, 255);
  }
  CanvasView view() { return {w, h, stride, bytes.data()}; }
  int w, h, stride;
  std::vector<std::uint8_t> bytes;
};

TEST(SimplifyStroke, KeepsThePointsThatMatter) {
  const struct {
    const char* name;
    std::vector<IntPoint> in, kept;
  } cases[] = {
      {"none", {}, {}},
      {"one point is kept twice", pts({{4, 5}}), pts({{4, 5}, {4, 5}})},
      {"a straight run", pts({{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}),
       pts({{0, 0}, {5, 2}})},
      // (5, 0) passes the chord to (5, 1) but not the chord to (5, 2).
      {"a corner",
       pts({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {5, 1}, {5, 2}, {5, 3}, {5, 4}}),
       pts({{0, 0}, {5, 1}, {5, 4}})},
      {"a wobble beyond it", pts({{0, 0}, {3, 1}, {6, 0}, {9, -1}, {12, 0}}),
       pts({{0, 0}, {6, 0}, {12, 0}})},
      {"out and back to the start", pts({{0, 0}, {1, 2}, {0, 0}}), pts({{0, 0}, {1, 2}, {0, 0}})},
      {"out and half way back", pts({{0, 0}, {4, 0}, {8, 0}, {6, 0}, {4, 0}}),
       pts({{0, 0}, {8, 0}, {4, 0}})},
      {"a jitter on one spot folds away", pts({{2, 2}, {3, 2}, {2, 2}}), pts({{2, 2}, {2, 2}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(simplify_stroke(c.in, 1.07), c.kept);
  }
}

TEST(SimplifyStroke, ToleranceGrowsTowardsTheDiagonal) {
  const struct {
    std::vector<IntPoint> in;
    double factor;
    std::size_t kept;
  } cases[] = {
      {pts({{0, 0}, {5, 1}, {10, 0}}), 1.07, 2},   // 1 off, tolerance 1.07
      {pts({{0, 0}, {5, 1}, {10, 0}}), 0.9, 3},    // tolerance 0.9
      {pts({{0, 0}, {4, 6}, {10, 10}}), 1.07, 2},  // 1.41 off, tolerance 1.07·√2
      {pts({{0, 0}, {4, 6}, {10, 10}}), 0.9, 3},   // tolerance 1.27
      {pts({{0, 0}, {3, 7}, {10, 10}}), 1.07, 3},  // 2.83 off
  };
  for (const auto& c : cases) EXPECT_EQ(simplify_stroke(c.in, c.factor).size(), c.kept);
}

// Two mouse segments meeting at (10, 0) with the second turned by `degrees`.
SegmentBuffer turn_of(double degrees) {
  const double a = degrees * kDegree;
  SegmentBuffer s{straight_segment({0, 0}, {10, 0}),
                  straight_segment({10, 0}, {10 + 10 * std::cos(a), 10 * std::sin(a)})};
  s[1].geom.a0 = s[1].geom.a1 = a;  // exactly the turn, whatever atan2 rounds to
  return s;
}

TEST(SmoothSegments, TurnDecidesCurveCornerOrStraight) {
  const struct {
    double degrees;
    std::vector<int> kinds;
  } cases[] = {
      {60, {kShapeStraight, kShapeCurve, kShapeStraight}},
      {61, {kShapeStraight, kShapeStraight, kShapeStraight, kShapeStraight}},
      {5, {kShapeStraight, kShapeCurve, kShapeStraight}},
      {4.9, {kShapeStraight, kShapeStraight, kShapeStraight}},
      {-30, {kShapeStraight, kShapeCurve, kShapeStraight}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.degrees);
    const SegmentBuffer out = smooth_segments(turn_of(c.degrees));
    std::vector<int> kinds;
    for (const ExtractionItem& s : out) {
      kinds.push_back(s.geom.kind);
      EXPECT_EQ(s.line, 1);
      EXPECT_EQ(s.direction, 1);
    }
    EXPECT_EQ(kinds, c.kinds);
    // The path runs from the first start through the middles to the last end.
    EXPECT_EQ(out.front().geom.x0, 0.0);
    EXPECT_EQ(out.front().geom.x1, 5.0);
    EXPECT_EQ(out.back().geom.x1, turn_of(c.degrees)[1].geom.x1);
    for (std::size_t i = 1; i < out.size(); ++i) {
      EXPECT_EQ(out[i].geom.x0, out[i - 1].geom.x1);
      EXPECT_EQ(out[i].geom.y0, out[i - 1].geom.y1);
    }
  }
}

TEST(SmoothSegments, CurveIsTangentToBothMouseSegmentsAndTurnsWrap) {
  const LineGeometry curve = smooth_segments(turn_of(40))[1].geom;
  EXPECT_EQ(curve.a0, 0.0);
  EXPECT_EQ(curve.a1, 40 * kDegree);
  EXPECT_DOUBLE_EQ(curve.x1, 10 + 5 * std::cos(40 * kDegree));
  // 170° and −170° differ by 20° across the back.
  SegmentBuffer s = turn_of(0);
  s[0].geom.a0 = s[0].geom.a1 = 170 * kDegree;
  s[1].geom.a0 = s[1].geom.a1 = -170 * kDegree;
  EXPECT_EQ(smooth_segments(s)[1].geom.kind, kShapeCurve);
}

TEST(BuildFreehand, ConvertsThroughTheViewAndSmooths) {
  const ScreenToWorld twice = [](IntPoint p) { return DPoint{2.0 * p.x, 3.0 * p.y}; };
  EXPECT_TRUE(build_freehand({}, 1.07, twice).empty());

  const SegmentBuffer one = build_freehand(pts({{4, 5}}), 1.07, twice);
  ASSERT_EQ(one.size(), 1u);  // a single point: one zero-length segment
  EXPECT_EQ(one[0].geom.x0, 8.0);
  EXPECT_EQ(one[0].geom.x1, 8.0);
  EXPECT_EQ(one[0].geom.y1, 15.0);
  EXPECT_EQ(one[0].geom.a0, 0.0);  // no direction, not atan2's rounding of one

  const SegmentBuffer two = build_freehand(pts({{1, 1}, {9, 3}}), 1.07, twice);
  ASSERT_EQ(two.size(), 1u);  // two points: one straight segment, no smoothing
  EXPECT_EQ(two[0].geom.kind, kShapeStraight);
  EXPECT_EQ(two[0].geom.x1, 18.0);
  EXPECT_DOUBLE_EQ(two[0].geom.a0, std::atan2(6.0, 16.0));

  const SegmentBuffer bent = build_freehand(pts({{0, 0}, {10, 0}, {20, 5}}), 1.07, twice);
  ASSERT_EQ(bent.size(), 3u);  // a 20.6° turn
  EXPECT_EQ(bent[1].geom.kind, kShapeCurve);
}

TEST(BuildFreehand, UsesTheAppsViewAndTolerance) {
  test::TestApp t;
  t.app.settings.scale = 2.0;
  const SegmentBuffer s = build_freehand(t.app, pts({{400, 300}, {410, 300}}));
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].geom.x0, to_world(t.app, 400, 300).x);
  EXPECT_EQ(s[0].geom.x1, to_world(t.app, 410, 300).x);
  t.app.chord_tolerance = 5.0;
  EXPECT_EQ(build_freehand(t.app, pts({{0, 0}, {5, 3}, {10, 0}})).size(), 1u);
}

BrushParams thin_ends(int tapered_end) {
  BrushParams b;
  b.width = 8;
  b.blur = 1;
  b.end_type = 1;
  b.tapered_end = tapered_end;
  b.taper_ratio = 3;
  return b;
}

// Only the stroke's own first start and last end are thinned, whichever
// ends the brush names; a middle segment is never thinned.
TEST(LaySegments, OnlyTheStrokesOwnEndsAreThinned) {
  test::TestApp t;
  const DPoint a{3, 10}, b{23, 10}, c{43, 14}, d{60, 9};
  const SegmentBuffer stroke{straight_segment(a, b), straight_segment(b, c),
                             straight_segment(c, d)};
  const struct {
    int tapered_end;
    int first_end_type, first_tapered, last_end_type, last_tapered;
  } cases[] = {{0, 1, 0, 0, 0}, {1, 0, 1, 1, 1}, {2, 1, 0, 1, 1}};
  for (const auto& k : cases) {
    SCOPED_TRACE(k.tapered_end);
    Mask got = make_mask(70, 25);
    lay_segments(t.app, stroke, thin_ends(k.tapered_end), {0, 0}, got);
    Mask want = make_mask(70, 25);
    BrushParams first = thin_ends(k.tapered_end), last = first, middle = first;
    first.end_type = k.first_end_type, first.tapered_end = k.first_tapered;
    last.end_type = k.last_end_type, last.tapered_end = k.last_tapered;
    middle.end_type = 0;
    rasterise_segment_plain(t.app, stroke[0].geom, first, want);
    rasterise_segment_plain(t.app, stroke[1].geom, middle, want);
    rasterise_segment_plain(t.app, stroke[2].geom, last, want);
    EXPECT_EQ(got.bytes, want.bytes);
  }
}

TEST(LaySegments, SubtractsTheCanvasPosition) {
  test::TestApp t;
  const SegmentBuffer s{straight_segment({105.5, 207.5}, {115.5, 207.5})};
  Mask shifted = make_mask(30, 20), direct = make_mask(30, 20);
  BrushParams b;
  lay_segments(t.app, s, b, {100, 200}, shifted);
  rasterise_segment_plain(t.app, straight_segment({5.5, 7.5}, {15.5, 7.5}).geom, b, direct);
  EXPECT_EQ(shifted.bytes, direct.bytes);
}

TEST(PaintStroke, StraightStrokeEqualsItsSegmentBlended) {
  test::TestApp t;
  t.app.settings.color = rgb(200, 40, 10);
  TestCanvas painted(50, 30), expected(50, 30);
  EXPECT_EQ(paint_straight_stroke(t.app, {12.2, 25.7}, {51.9, 38.1}, painted.view(), {10, 20},
                                  BlendKind::kDarken),
            1);
  Mask m = make_mask(50, 30);
  rasterise_segment_plain(t.app, straight_segment({2.2, 5.7}, {41.9, 18.1}).geom, t.app.brush, m);
  blend_mask_plain(expected.view(), m, BlendKind::kDarken, 0);
  EXPECT_EQ(painted.bytes, expected.bytes);
  // Nothing to paint: a hidden line, no segments, no recorded points.
  const std::vector<std::uint8_t> kept = painted.bytes;
  LineGeometry hidden;
  EXPECT_EQ(paint_geometry(t.app, hidden, painted.view(), {0, 0}, BlendKind::kColor), 0);
  EXPECT_EQ(paint_segments(t.app, {}, painted.view(), {0, 0}, BlendKind::kColor), 0);
  EXPECT_EQ(paint_stroke(t.app, painted.view(), {0, 0}, BlendKind::kColor), 0);
  EXPECT_EQ(painted.bytes, kept);
}

TEST(CanvasView, OnlyFor24BitPictures) {
  test::TestApp t;
  std::optional<Dib> dib = MakeDIB(t.app, 5, 3, rgb(1, 2, 3));
  ASSERT_TRUE(dib);
  const std::optional<CanvasView> v = canvas_view(*dib);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->w, 5);
  EXPECT_EQ(v->h, 3);
  EXPECT_EQ(v->stride, 16);
  EXPECT_EQ(v->bits, dib->data() + 44);
  EXPECT_EQ(v->bits[0], 3);  // blue first
  Dib eight = *dib;
  eight[14] = 8;  // claims 8 bits
  EXPECT_FALSE(canvas_view(eight));
  Dib cut(dib->begin(), dib->begin() + 30), none;
  EXPECT_FALSE(canvas_view(cut));
  EXPECT_FALSE(canvas_view(none));
}

TEST(OutlinePolygon, EndsOfStraightsAndThirtyPointsPerCurve) {
  test::TestApp t;
  SegmentBuffer s{straight_segment({10.7, 20.2}, {30.2, 20.9})};
  LineGeometry curve{30.2, 20.9, 0, 50.2, 40.9, 3.14159265359 / 2, kShapeCurve};
  s.push_back(straight_segment({0, 0}, {0, 0}));
  s.back().geom = curve;
  const std::vector<IntPoint> plain = outline_polygon(t.app, s, {10, 20}, 1);
  ASSERT_EQ(plain.size(), 32u);
  EXPECT_EQ(plain[0], (IntPoint{0, 0}));
  EXPECT_EQ(plain[1], (IntPoint{20, 0}));
  EXPECT_EQ(plain[31], (IntPoint{40, 20}));
  const std::vector<IntPoint> doubled = outline_polygon(t.app, s, {10, 20}, 2);
  EXPECT_EQ(doubled[0], (IntPoint{1, 0}));
  EXPECT_EQ(doubled[1], (IntPoint{40, 1}));
  EXPECT_TRUE(outline_polygon(t.app, {}, {0, 0}, 1).empty());
}

TEST(OutlineMask, RedOfEachPixelOrAverageOfEachBlock) {
  DcImage p{4,
            2,
            {0xFF0000, 0x000000, 0x7F0000, 0x800000,  //
             0xFF0000, 0xFF0000, 0x010000, 0x000000}};
  const Mask plain = outline_mask(p, 4, 2, OutlineFill::kPlain);
  EXPECT_EQ(plain.bytes, (std::vector<std::uint8_t>{255, 0, 127, 128, 255, 255, 1, 0}));
  const Mask soft = outline_mask(p, 2, 1, OutlineFill::kAntialiased);
  EXPECT_EQ(soft.bytes, (std::vector<std::uint8_t>{191, 64}));
  EXPECT_EQ(outline_mask(p, 3, 2, OutlineFill::kPlain).w, 0);  // wrong size
}

TEST(PaintOutline, NothingWithoutSegmentsOrAPicture) {
  test::TestApp t;  // its Ui makes no off-screen pictures
  const SegmentBuffer closed{straight_segment({12, 22}, {18, 22}),
                             straight_segment({18, 22}, {12, 22})};
  TestCanvas canvas(10, 8);
  for (OutlineFill fill : {OutlineFill::kPlain, OutlineFill::kAntialiased}) {
    EXPECT_EQ(paint_outline(t.app, {}, canvas.view(), {10, 20}, BlendKind::kColor, fill), 0);
    EXPECT_EQ(paint_outline(t.app, closed, canvas.view(), {10, 20}, BlendKind::kColor, fill), 0);
  }
  EXPECT_EQ(canvas.bytes, TestCanvas(10, 8).bytes);
}

}  // namespace
}  // namespace daub
