#include "geometry/curves.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/curve_checks.h"
#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

TEST(CurveCheck, EachRefusalHasItsMessageUnderEachCheck) {
  struct Case {
    const char* name;
    LineGeometry g;
    const char* text;  // "" when accepted
  } cases[] = {
      {"same point", curve(5, 5, 0, 5 + 1e-11, 5, 1), "同一点が選択されています"},
      {"nearly straight", curve(0, 0, 0, 100, 0.5, 0.01), "ほとんど直線です。結合不可能"},
      {"quarter circle", curve(0, 0, 0, 100, 100, kPi / 2), ""},
      {"chord on the turn's edge", curve(0, 0, 0, 100, 100, kPi / 4), "楕円で結合できません。"},
      {"half turn", curve(0, 0, 0, 100, 100, kPi), "180度以上のカーブは結合できません。"},
      {"half turn right", curve(0, 0, 0, 100, -100, -kPi), "180度以上のカーブは結合できません。"},
      {"across ±π, chord left", curve(0, 0, 3.0, 100 * std::cos(3.5), 100 * std::sin(3.5), -3.0),
       "楕円で結合できません。"},
      {"straight with any angles", {0, 0, 2.0, 100, 0.5, -1.0, kShapeStraight, 0}, ""},
      {"not a number", straight(0, 0, kNan, 1), "座標が正しくありません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    CurvePoints points{};
    const int expected = *c.text == '\0' ? 1 : 0;
    EXPECT_EQ(sklck(t.app, c.g), expected);
    EXPECT_EQ(cvmake(t.app, c.g, points), expected);
    // cutsklck takes the nearly straight curve, straightened.
    LineGeometry g = c.g;
    const bool straightened = std::string(c.name) == "nearly straight";
    EXPECT_EQ(cutsklck(t.app, g), straightened ? 1 : expected);
    EXPECT_EQ(g.kind, straightened ? kShapeStraight : c.g.kind);
    if (straightened) {
      EXPECT_EQ(g.a0, std::atan2(0.5, 100));
      EXPECT_EQ(g.a1, g.a0);
    }
    std::vector<std::string> want;
    for (const char* caption : {"sklck\t", "cvmake\t", straightened ? "" : "cutsklck\t"})
      if (!expected && *caption) want.push_back(caption + std::string(c.text));
    EXPECT_EQ(t.messages(), want);
  }
}

TEST(CurvePointsTest, QuarterCircleRunsFromAToBOnTheCircle) {
  TestApp t;
  const CurvePoints p = curve_points(curve(0, 0, 0, 100, 100, kPi / 2));
  for (int i = 0; i < kCurvePointCount; ++i) {
    SCOPED_TRACE(i);
    const double theta = i * kPi / 60;
    EXPECT_NEAR(std::hypot(p[i].x - 100 * std::sin(theta), p[i].y - 100 * (1 - std::cos(theta))), 0,
                1e-7);
  }
}

// A line is as long as it is drawn; a hidden one is not drawn.
TEST(LineLength, StraightCurveAndHidden) {
  EXPECT_EQ(line_length(straight(0, 0, 3, 4)), 5);
  // The 30 chords it is drawn by, each 2 · 100 · sin(π / 120).
  EXPECT_NEAR(line_length(curve(0, 0, 0, 100, 100, kPi / 2)), 6000 * std::sin(kPi / 120), 1e-9);
  LineGeometry hidden = straight(0, 0, 3, 4);
  hidden.kind = kShapeHidden;
  EXPECT_EQ(line_length(hidden), 0);
}

// "No crossing" is in the line cut refusals.
TEST(Xseach, CrossesACurveOnTheChordOfItsSamplesAndAnInvalidCurveNowhere) {
  TestApp t;
  PointDir p, q;
  // The quarter circle of radius 100 about (0, 100), met by the line x = 50.
  ASSERT_EQ(xseach(t.app, straight(50, -10, 50, 200), curve(0, 0, 0, 100, 100, kPi / 2), p, q), 1);
  EXPECT_EQ(p.x, 50);
  EXPECT_NEAR(p.y, 100 - std::sqrt(100.0 * 100 - 50 * 50), 0.05);
  EXPECT_NEAR(q.angle, std::atan2(50, std::sqrt(100.0 * 100 - 50 * 50)), 0.03);

  const LineGeometry half_turn = curve(0, 0, 0, 100, 100, kPi);
  EXPECT_EQ(xseach(t.app, straight(50, -10, 50, 200), half_turn, p, q), 0);
  EXPECT_EQ(t.messages(), (std::vector<std::string>{"cvmake\t180度以上のカーブは結合できません。",
                                                    "xseach\t交点が存在しません"}));
  // Taken as drawn, the same curve is crossed.
  EXPECT_TRUE(line_crossing(straight(50, -10, 50, 200), half_turn, p, q));
}

}  // namespace
}  // namespace daub::test
