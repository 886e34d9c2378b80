// Hatching outlines: the pieces are the inside parts of every hatch line at
// any angle, unusable parameters draw nothing, and the fast search gives the
// plain search's pieces bit for bit.

#include "geometry/hatching.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "geometry/angle.h"

namespace daub {
namespace {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

using Outline = std::vector<DPoint>;

const Outline kSquare = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};
// An "E" without its middle bar: a notch from the right, 30 to 70 high. The
// list starts at the top edge, so that a vertical line meets the edges in
// the order top, bottom, notch bottom, notch top.
const Outline kNotched = {{100, 100}, {0, 100}, {0, 0},   {100, 0},
                          {100, 30},  {45, 30}, {45, 70}, {100, 70}};

// Even-odd test with a half-open rule, written independently of the program's.
bool inside(const Outline& poly, DPoint p) {
  bool in = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    const DPoint a = poly[i], b = poly[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) in = !in;
  }
  return in;
}

double distance_to_outline(const Outline& poly, DPoint p) {
  double best = kInf;
  for (std::size_t i = 0; i < poly.size(); ++i) {
    const DPoint a = poly[i], b = poly[(i + 1) % poly.size()];
    const double dx = b.x - a.x, dy = b.y - a.y;
    double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy);
    t = std::clamp(t, 0.0, 1.0);
    best = std::min(best, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
  }
  return best;
}

// How many pieces cover p (p within 1e-6 of a piece).
int cover(const std::vector<HatchPiece>& pieces, DPoint p) {
  int n = 0;
  for (const HatchPiece& h : pieces) {
    const double dx = h.to.x - h.from.x, dy = h.to.y - h.from.y, len = std::hypot(dx, dy);
    const double along = ((p.x - h.from.x) * dx + (p.y - h.from.y) * dy) / len;
    const double off = std::fabs((p.y - h.from.y) * dx - (p.x - h.from.x) * dy) / len;
    if (off < 1e-6 && along > 0 && along < len) ++n;
  }
  return n;
}

// Walks every hatch line of the family every 0.25 and checks that exactly
// the points inside the outline are covered, once each; the piece ends lie
// on the outline. Lines on the outline's own edges are left aside.
void expect_inside_parts(const Outline& poly, double width, double degrees) {
  std::vector<HatchPiece> pieces;
  ASSERT_EQ(hatch_outline(poly, {kHatchParallel, width, degrees}, pieces), HatchVerdict::kDrawn);
  const OutlineBox box = outline_box(poly);
  const DPoint c{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
  const double r = std::hypot(box.xmax - c.x, box.ymax - c.y);
  const double a = normalize_angle(degrees * kPi / 180);
  for (const HatchPiece& h : pieces) {
    EXPECT_LT(distance_to_outline(poly, h.from), 1e-9);
    EXPECT_LT(distance_to_outline(poly, h.to), 1e-9);
    EXPECT_NEAR(h.angle, a, 1e-12);
  }
  int checked = 0;
  for (int j = -static_cast<int>(r / width); j * width <= r; ++j) {
    const DPoint q{c.x + j * width * std::sin(a), c.y - j * width * std::cos(a)};
    for (double t = -r + 0.125; t < r; t += 0.25) {
      const DPoint p{q.x + t * std::cos(a), q.y + t * std::sin(a)};
      if (distance_to_outline(poly, p) < 1e-3) continue;
      SCOPED_TRACE(testing::Message() << "line " << j << " at (" << p.x << ", " << p.y << ")");
      ASSERT_EQ(cover(pieces, p), inside(poly, p) ? 1 : 0);
      ++checked;
    }
  }
  EXPECT_GT(checked, 100);
}

// The hatch angle whose lines are upright to the last bit (a right angle in
// the program's own degree and π is a hair off the double nearest π/2).
double upright_degrees() {
  const double half_pi = std::acos(0.0);
  double d = half_pi / 0.017453292519944444;
  while (d * 0.017453292519944444 < half_pi) d = std::nextafter(d, kInf);
  while (d * 0.017453292519944444 > half_pi) d = std::nextafter(d, -kInf);
  return d;
}

TEST(Hatching, PiecesAreTheInsidePartsAtEveryAngle) {
  ASSERT_EQ(upright_degrees() * 0.017453292519944444, std::acos(0.0));
  for (double degrees : {90.0, upright_degrees(), 89.9, 45.0, 0.0, -90.0}) {
    SCOPED_TRACE(degrees);
    expect_inside_parts(kSquare, 10, degrees);
    expect_inside_parts(kNotched, 10, degrees);
  }
}

// Pieces run from the start of their line; their dot pattern shift is how
// far along it they start, less the radius, so it is 0 on the line through
// the centre at right angles to the hatch.
TEST(Hatching, LatticeCrossesAtRightAnglesWithPatternsAlignedOnTheCentre) {
  std::vector<HatchPiece> pieces;
  ASSERT_EQ(hatch_outline(kSquare, {kHatchLattice, 10, 45}, pieces), HatchVerdict::kDrawn);
  int first = 0, second = 0;
  for (const HatchPiece& h : pieces) {
    const bool along_first = std::fabs(h.angle - kPi / 4) < 1e-9;
    EXPECT_TRUE(along_first || std::fabs(h.angle - 3 * kPi / 4) < 1e-9) << h.angle;
    (along_first ? first : second)++;
    // The pattern position of the centre's perpendicular: from + shift along the line.
    const DPoint d{std::cos(h.angle), std::sin(h.angle)};
    const double to_centre = (150 - h.from.x) * d.x + (150 - h.from.y) * d.y;
    EXPECT_NEAR(to_centre + h.shift, 0, 1e-9);
  }
  // 10 apart across a diagonal of 141.4: 15 lines of each family cross the
  // inside, the middle ones from corner to corner.
  EXPECT_EQ(std::pair(first, second), std::pair(15, 15));
}

TEST(Hatching, UnusableParametersDrawNothing) {
  // A circle of 2000 points: each line may have 1000 pieces, so the limit
  // allows 4194 lines.
  Outline circle;
  for (int i = 0; i < 2000; ++i)
    circle.push_back({100 * std::cos(i * kPi / 1000), 100 * std::sin(i * kPi / 1000)});
  const OutlineBox box = outline_box(circle);
  const double radius = std::hypot(box.xmax - box.xmin, box.ymax - box.ymin) / 2;
  const double last_width = 2 * (radius + 1e-10) / (kMaxHatchPieces / 1000 - 1);
  const struct {
    const char* name;
    HatchParams p;
    HatchVerdict verdict;
  } cases[] = {
      {"hatch type 2", {2, 10, 0}, HatchVerdict::kNoHatch},
      {"hatch type -1", {-1, 10, 0}, HatchVerdict::kNoHatch},
      {"width 0", {kHatchParallel, 0, 0}, HatchVerdict::kBadWidth},
      {"width not a number", {kHatchParallel, kNan, 0}, HatchVerdict::kBadWidth},
      {"infinite angle", {kHatchLattice, 10, -kInf}, HatchVerdict::kBadAngle},
      {"finest allowed", {kHatchParallel, last_width * (1 + 1e-9), 30}, HatchVerdict::kDrawn},
      {"too fine", {kHatchParallel, last_width * (1 - 1e-9), 30}, HatchVerdict::kTooFine},
      {"too fine as lattice", {kHatchLattice, last_width * 1.5, 30}, HatchVerdict::kTooFine},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<HatchPiece> pieces(3);
    EXPECT_EQ(hatch_outline(circle, c.p, pieces), c.verdict);
    if (c.verdict != HatchVerdict::kDrawn) EXPECT_TRUE(pieces.empty());
  }
  std::vector<HatchPiece> pieces;
  EXPECT_EQ(hatch_outline({{0, 0}, {kInf, 0}, {0, 1}}, {kHatchParallel, 10, 0}, pieces),
            HatchVerdict::kTooFine);
}

// Outlines from a fixed seed: stars, self-crossing scribbles and grid-bound
// outlines whose edges and vertices lie on hatch lines, and one outline found
// to meet the inside test's segment at a vertex.
TEST(Hatching, FastSearchGivesThePlainPiecesBitForBit) {
  std::mt19937 rng(20240612);
  auto unit = [&] { return static_cast<double>(rng()) / 4294967296.0; };
  for (int round = 0; round < 150; ++round) {
    const int n = 3 + static_cast<int>(rng() % 120);
    const int kind = round % 3;
    Outline poly;
    for (int k = 0; k < n; ++k) {
      if (kind == 0) {
        const double a = 2 * kPi * k / n, r = 20 + 80 * unit();
        poly.push_back({500 + r * std::cos(a), 300 + r * std::sin(a)});
      } else if (kind == 1) {
        poly.push_back({1000 * unit() - 500, 1000 * unit()});
      } else {
        poly.push_back({10.0 * (rng() % 12), 10.0 * (rng() % 12)});
      }
    }
    HatchParams p{static_cast<std::int32_t>(rng() % 2), kind == 2 ? 10.0 : 3 + 15 * unit(),
                  kind == 2 ? 45.0 * (rng() % 8) : 360 * unit() - 180};
    // Found by a search: the midpoint of a piece seen from the inside
    // test's corner exactly behind a vertex.
    if (round == 0) {
      poly = {{137, 100}, {132, 116}, {131, 138}, {109, 140}, {94, 124}, {66, 143}, {64, 117},
              {50, 100},  {51, 77},   {74, 68},   {90, 58},   {110, 58}, {118, 77}, {122, 90}};
      p = {kHatchParallel, 7, 225};
    }
    std::vector<HatchPiece> fast, plain;
    ASSERT_EQ(hatch_outline(poly, p, fast), hatch_outline_plain(poly, p, plain));
    SCOPED_TRACE(testing::Message() << "round " << round);
    for (std::size_t i = 0; i < std::min(fast.size(), plain.size()); ++i)
      ASSERT_EQ(std::memcmp(&fast[i], &plain[i], sizeof(HatchPiece)), 0) << "piece " << i;
    ASSERT_EQ(fast.size(), plain.size());
  }
}

TEST(Hatching, InsideIsStrictlyWithinTheBoxAndOddAcrossTheEdges) {
  EXPECT_TRUE(outline_contains(kNotched, {20, 50}));
  EXPECT_FALSE(outline_contains(kNotched, {70, 50}));  // in the notch
  EXPECT_TRUE(outline_contains(kNotched, {99.9, 99.9}));
  // On the box's edges: outside, though they are the outline's own edges.
  EXPECT_FALSE(outline_contains(kSquare, {150, 100}));
  EXPECT_FALSE(outline_contains(kSquare, {100, 150}));
  EXPECT_FALSE(outline_contains(kSquare, {200, 150}));
  EXPECT_TRUE(outline_contains(kSquare, {100 + 1e-9, 150}));
}

}  // namespace
}  // namespace daub
