#include "tracing/outline_lines.h"

#include <cmath>

#include "geometry/angle.h"
#include "geometry/curves.h"
#include "tracing/shadow_draw.h"

namespace daub {
namespace {

constexpr double kDegree = 0.017453292519944444;  // radians in one degree
constexpr double kSamePoint = 1e-10;              // ends closer than this meet
constexpr double kShortSide = 1.0;  // a side no longer than this before a curve is left out
constexpr double kLeastTurn = 3.0, kMostTurn = 150.0;

LineGeometry straight(DPoint a, DPoint b) {
  const double along = straight_angle(a.x, a.y, b.x, b.y);
  return {a.x, a.y, along, b.x, b.y, along, kShapeStraight, 0};
}

double distance(DPoint a, DPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

DPoint end_of(const Corner& c) { return c.rounded ? c.b : c.v; }

}  // namespace

std::vector<DPoint> outline_world_points(const IntPoint* points, std::size_t n, ShadowPlace place) {
  std::vector<DPoint> out;
  out.reserve(n);
  for (const IntPoint& p : placed_points(points, n, place)) {
    const DPoint d{static_cast<double>(p.x), static_cast<double>(p.y)};
    if (out.empty() || !(out.back() == d)) out.push_back(d);
  }
  while (out.size() > 1 && out.back() == out.front()) out.pop_back();
  return out;
}

std::vector<LineGeometry> straight_sides(const std::vector<DPoint>& points) {
  std::vector<LineGeometry> sides;
  const std::size_t n = points.size();
  if (n < 2) return sides;
  sides.reserve(n);
  for (std::size_t i = 0; i < n; ++i) sides.push_back(straight(points[i], points[(i + 1) % n]));
  return sides;
}

Corner round_corner(DPoint from, DPoint v, DPoint to, const RoundingParams& params) {
  Corner c;
  c.v = v;
  c.a_in = std::atan2(v.y - from.y, v.x - from.x);
  c.a_out = std::atan2(to.y - v.y, to.x - v.x);
  c.turn = std::fabs(c.a_out - c.a_in) / kDegree;
  if (c.turn > 180) c.turn = 360 - c.turn;
  if (c.turn > params.max_turn || c.turn < kLeastTurn || c.turn > kMostTurn) return c;
  const double l_in = distance(from, v), l_out = distance(v, to);
  const double theta = (180 - c.turn) * kDegree;
  const double d =
      std::fabs(std::cos(theta / 2) * params.size * params.scale / (1 - std::sin(theta / 2)));
  const double d_in = std::fmin(d * l_in / (l_in + l_out), l_in / 2);
  const double d_out = std::fmin(d * l_out / (l_in + l_out), l_out / 2);
  c.a = {from.x + (l_in - d_in) * std::cos(c.a_in), from.y + (l_in - d_in) * std::sin(c.a_in)};
  c.b = {v.x + d_out * std::cos(c.a_out), v.y + d_out * std::sin(c.a_out)};
  // The end direction follows the real turn, not the difference of the two
  // angles, which is nearly a whole turn when they lie either side of ±π.
  const double end_angle = c.a_in + normalize_angle(c.a_out - c.a_in);
  c.curve = {c.a.x, c.a.y, c.a_in, c.b.x, c.b.y, end_angle, kShapeCurve, 0};
  c.rounded = check_curve(c.curve) == CurveVerdict::kOk;
  return c;
}

std::vector<LineGeometry> rounded_sides(const std::vector<DPoint>& points,
                                        const RoundingParams& params) {
  const std::size_t n = points.size();
  if (n < 3) return straight_sides(points);
  std::vector<Corner> corners(n);
  for (std::size_t i = 0; i < n; ++i)
    corners[i] = round_corner(points[i], points[(i + 1) % n], points[(i + 2) % n], params);
  std::vector<LineGeometry> sides;
  sides.reserve(2 * n);
  DPoint end = end_of(corners[n - 1]);
  for (const Corner& c : corners) {
    if (!c.rounded) {
      sides.push_back(straight(end, c.v));
    } else {
      const double gap = distance(end, c.a);
      LineGeometry from_end = c.curve;
      from_end.x0 = end.x;
      from_end.y0 = end.y;
      if (gap <= kShortSide && check_curve(from_end) == CurveVerdict::kOk) {
        sides.push_back(from_end);
      } else {
        if (gap >= kSamePoint) sides.push_back(straight(end, c.a));
        sides.push_back(c.curve);
      }
    }
    end = end_of(c);
  }
  return sides;
}

}  // namespace daub
