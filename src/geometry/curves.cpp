#include "geometry/curves.h"

#include <cmath>
#include <limits>

#include "geometry/angle.h"

namespace daub {
namespace {

constexpr double kSamePoint = 1e-10;   // ends closer than this coincide
constexpr double kAngleMargin = 0.01;  // radians kept away from a degenerate turn
constexpr double kRangeMargin = 1e-10;

// The chord B − A in the start frame (rotated by −a0).
struct StartFrame {
  double u = 0, v = 0;
};

StartFrame start_frame(const LineGeometry& g) {
  const double dx = g.x1 - g.x0;
  const double dy = g.y1 - g.y0;
  const double c = std::cos(-g.a0);
  const double s = std::sin(-g.a0);
  return {dx * c - dy * s, dx * s + dy * c};
}

bool is_finite(const LineGeometry& g) {
  for (double v : {g.x0, g.y0, g.a0, g.x1, g.y1, g.a1})
    if (!std::isfinite(v)) return false;
  return true;
}

// The straight chord A–B as 31 evenly spaced points.
CurvePoints chord_points(const LineGeometry& g) {
  CurvePoints out{};
  for (int i = 0; i < kCurvePointCount; ++i) {
    const double t = static_cast<double>(i) / (kCurvePointCount - 1);
    out[i] = {g.x0 + (g.x1 - g.x0) * t, g.y0 + (g.y1 - g.y0) * t};
  }
  out.back() = {g.x1, g.y1};
  return out;
}

// The points a line is traced through when it is crossed: two for anything
// but a curve, 31 for a curve.
struct Polyline {
  CurvePoints points{};
  int count = 0;
};

Polyline straight_polyline(const LineGeometry& g) {
  Polyline p;
  p.points[0] = {g.x0, g.y0};
  p.points[1] = {g.x1, g.y1};
  p.count = 2;
  return p;
}

Polyline drawn_polyline(const LineGeometry& g) {
  if (g.kind != kShapeCurve) return straight_polyline(g);
  return {curve_points(g), kCurvePointCount};
}

double chord_angle(DPoint from, DPoint to) { return std::atan2(to.y - from.y, to.x - from.x); }

bool polyline_crossing(const Polyline& p, const Polyline& q, PointDir& out_p, PointDir& out_q) {
  for (int i = 0; i + 1 < p.count; ++i) {
    for (int j = 0; j + 1 < q.count; ++j) {
      DPoint at;
      if (!segment_crossing(p.points[i], p.points[i + 1], q.points[j], q.points[j + 1], at))
        continue;
      out_p = {at.x, at.y, chord_angle(p.points[i], p.points[i + 1])};
      out_q = {at.x, at.y, chord_angle(q.points[j], q.points[j + 1])};
      return true;
    }
  }
  return false;
}

// Whether v lies between the segment's ends along its longer axis.
bool within_segment(DPoint s, DPoint e, DPoint v) {
  const bool along_x = std::fabs(e.x - s.x) >= std::fabs(e.y - s.y);
  const double a = along_x ? s.x : s.y;
  const double b = along_x ? e.x : e.y;
  const double t = along_x ? v.x : v.y;
  return std::fmin(a, b) - kRangeMargin <= t && t <= std::fmax(a, b) + kRangeMargin;
}

}  // namespace

CurveVerdict check_curve(const LineGeometry& g) {
  // Not-a-number passes every "below" test, so refuse it before any of them.
  if (!is_finite(g)) return CurveVerdict::kNotFinite;
  if (std::sqrt((g.x1 - g.x0) * (g.x1 - g.x0) + (g.y1 - g.y0) * (g.y1 - g.y0)) < kSamePoint)
    return CurveVerdict::kSamePoint;
  if (g.kind == kShapeStraight) return CurveVerdict::kOk;
  const StartFrame f = start_frame(g);
  const double phi = std::atan2(f.v, f.u);
  // The raw difference, not reduced: a small turn across ±π reads as nearly a
  // whole turn and is refused, since the quarter-ellipse cannot take it.
  const double da = g.a1 - g.a0;
  if (std::fabs(phi) < kAngleMargin) return CurveVerdict::kNearlyStraight;
  if ((phi > 0 && phi > da - kAngleMargin) || (phi < 0 && phi < da + kAngleMargin))
    return CurveVerdict::kElliptic;
  if (da > kPi - kAngleMargin || da < -kPi + kAngleMargin) return CurveVerdict::kOver180;
  return CurveVerdict::kOk;
}

const char* curve_verdict_text(CurveVerdict v) {
  switch (v) {
    case CurveVerdict::kOk:
      return "";
    case CurveVerdict::kNotFinite:
      return "座標が正しくありません";
    case CurveVerdict::kSamePoint:
      return "同一点が選択されています";
    case CurveVerdict::kNearlyStraight:
      return "ほとんど直線です。結合不可能";
    case CurveVerdict::kElliptic:
      return "楕円で結合できません。";
    case CurveVerdict::kOver180:
      return "180度以上のカーブは結合できません。";
  }
  return "";
}

const CurvePoints& curve_template() {
  static const CurvePoints kTemplate = [] {
    CurvePoints t{};
    for (int i = 0; i < kCurvePointCount; ++i) {
      const double theta = static_cast<double>(i) * kPi / 60.0;
      t[i] = DPoint{std::sin(theta), 1.0 - std::cos(theta)};
    }
    return t;
  }();
  return kTemplate;
}

CurvePoints curve_points(const LineGeometry& g) {
  // A damaged angle must not pass for a straight chord below.
  if (!is_finite(g)) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    CurvePoints out;
    out.fill({nan, nan});
    return out;
  }
  const StartFrame f = start_frame(g);
  const double t = std::tan(normalize_angle(g.a1 - g.a0));
  // tan(da) vanishes for da = 0 and ±π (our π is not exactly π, so not quite 0).
  if (std::fabs(t) < 1e-10) return chord_points(g);
  const double c = f.v / t;
  const double e = f.u - c;
  const double cs = std::cos(g.a0);
  const double sn = std::sin(g.a0);
  CurvePoints out{};
  for (int i = 0; i < kCurvePointCount; ++i) {
    const DPoint tp = curve_template()[i];
    const double lx = e * tp.x + c * tp.y;
    const double ly = f.v * tp.y;
    out[i] = {lx * cs - ly * sn + g.x0, lx * sn + ly * cs + g.y0};
  }
  return out;
}

double line_length(const LineGeometry& g) {
  if (g.kind == kShapeHidden) return 0.0;
  const Polyline p = drawn_polyline(g);
  double length = 0.0;
  for (int i = 0; i + 1 < p.count; ++i)
    length += std::hypot(p.points[i + 1].x - p.points[i].x, p.points[i + 1].y - p.points[i].y);
  return length;
}

LineGeometry reversed_geometry(const LineGeometry& g) {
  LineGeometry r = g;
  r.x0 = g.x1;
  r.y0 = g.y1;
  r.a0 = normalize_angle(g.a1 + kPi);
  r.x1 = g.x0;
  r.y1 = g.y0;
  r.a1 = normalize_angle(g.a0 + kPi);
  return r;
}

void move_line_end(LineGeometry& g, bool b_end, double x, double y) {
  (b_end ? g.x1 : g.x0) = x;
  (b_end ? g.y1 : g.y0) = y;
  if (g.kind != kShapeStraight) return;
  g.a0 = straight_angle(g.x0, g.y0, g.x1, g.y1);
  g.a1 = g.a0;
}

double straight_angle(double x0, double y0, double x1, double y1) {
  if (std::fabs(x1 - x0) < kSamePoint && std::fabs(y1 - y0) < kSamePoint) return 0.0;
  return std::atan2(y1 - y0, x1 - x0);
}

bool segment_crossing(DPoint a0, DPoint a1, DPoint b0, DPoint b1, DPoint& out) {
  // Each carrying line as a·x + b·y = c.
  const double pa = a0.y - a1.y, pb = a1.x - a0.x, pc = pa * a0.x + pb * a0.y;
  const double qa = b0.y - b1.y, qb = b1.x - b0.x, qc = qa * b0.x + qb * b0.y;
  const double det = pa * qb - qa * pb;
  if (det == 0.0) return false;
  const DPoint v{(pc * qb - qc * pb) / det, (pa * qc - qa * pc) / det};
  // Not-a-number fails both range tests.
  if (!within_segment(a0, a1, v) || !within_segment(b0, b1, v)) return false;
  out = v;
  return true;
}

bool line_crossing(const LineGeometry& p, const LineGeometry& q, PointDir& out_p, PointDir& out_q) {
  return polyline_crossing(drawn_polyline(p), drawn_polyline(q), out_p, out_q);
}

}  // namespace daub
