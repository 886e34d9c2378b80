#include "paint/stroke.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "support/test_app.h"

namespace daub {
namespace {

constexpr double kDegree = 0.017453292519944444;

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
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.degrees);
    const SegmentBuffer out = smooth_segments(turn_of(c.degrees));
    std::vector<int> kinds;
    for (const ExtractionItem& s : out) kinds.push_back(s.geom.kind);
    EXPECT_EQ(kinds, c.kinds);
    // The path runs from the first start through the middles to the last end.
    EXPECT_EQ(out.front().geom.x1, 5.0);
    EXPECT_EQ(out.back().geom.x1, turn_of(c.degrees)[1].geom.x1);
    for (std::size_t i = 1; i < out.size(); ++i)
      EXPECT_EQ(std::pair(out[i].geom.x0, out[i].geom.y0),
                std::pair(out[i - 1].geom.x1, out[i - 1].geom.y1));
  }
  // The curve is tangent to both mouse segments; turns wrap round.
  const LineGeometry curve = smooth_segments(turn_of(40))[1].geom;
  EXPECT_EQ(std::pair(curve.a0, curve.a1), std::pair(0.0, 40 * kDegree));
  EXPECT_DOUBLE_EQ(curve.x1, 10 + 5 * std::cos(40 * kDegree));
  // 170° and −170° differ by 20° across the back.
  SegmentBuffer s = turn_of(0);
  s[0].geom.a0 = s[0].geom.a1 = 170 * kDegree;
  s[1].geom.a0 = s[1].geom.a1 = -170 * kDegree;
  EXPECT_EQ(smooth_segments(s)[1].geom.kind, kShapeCurve);
}

BrushParams thin_ends(int tapered_end) {
  BrushParams b;
  b.width = 8, b.blur = 1, b.end_type = 1, b.tapered_end = tapered_end, b.taper_ratio = 3;
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

}  // namespace
}  // namespace daub
