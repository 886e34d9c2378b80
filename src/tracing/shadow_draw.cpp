#include "tracing/shadow_draw.h"

#include <algorithm>
#include <cmath>

#include "geometry/view_transform.h"

namespace daub {
namespace {

constexpr int kPiecesPerCorner = 8;

IntPoint placed(double x, double y, ShadowPlace place) {
  return {add_clamped(place.x, trunc_to_int(x)), add_clamped(place.y, trunc_to_int(y))};
}

struct Scaled {
  double x, y;
};

Scaled scaled(const IntPoint& p, double s) { return {p.x * s, p.y * s}; }

// The point at distance `depth` (at most half the edge) from v towards w.
Scaled toward(Scaled v, Scaled w, double depth) {
  const double dx = w.x - v.x, dy = w.y - v.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (!(length > 0)) return v;
  const double t = std::min(depth, length / 2) / length;
  return {v.x + dx * t, v.y + dy * t};
}

void push_distinct(std::vector<IntPoint>& out, IntPoint p) {
  if (out.empty() || !(out.back() == p)) out.push_back(p);
}

}  // namespace

std::vector<IntPoint> placed_points(const IntPoint* points, std::size_t n, ShadowPlace place) {
  std::vector<IntPoint> out(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Scaled p = scaled(points[i], place.scale);
    out[i] = placed(p.x, p.y, place);
  }
  return out;
}

std::vector<IntPoint> smoothed_points(const IntPoint* points, std::size_t n, ShadowPlace place,
                                      double depth) {
  if (n < 3 || !(depth > 0)) return placed_points(points, n, place);
  const double cut = depth * place.scale;
  std::vector<IntPoint> out;
  out.reserve(n * (kPiecesPerCorner + 1));
  for (std::size_t i = 0; i < n; ++i) {
    const Scaled v = scaled(points[i], place.scale);
    const Scaled a = toward(v, scaled(points[(i + n - 1) % n], place.scale), cut);
    const Scaled b = toward(v, scaled(points[(i + 1) % n], place.scale), cut);
    for (int k = 0; k <= kPiecesPerCorner; ++k) {
      const double t = static_cast<double>(k) / kPiecesPerCorner, u = 1 - t;
      push_distinct(out, placed(u * u * a.x + 2 * u * t * v.x + t * t * b.x,
                                u * u * a.y + 2 * u * t * v.y + t * t * b.y, place));
    }
  }
  if (out.size() > 1 && out.back() == out.front()) out.pop_back();
  return out;
}

void draw_shadow(Dc& dc, const Shadow& shadow, ShadowPlace place, ShadowStyle style, double depth) {
  DcSelection keep(dc);
  for (std::size_t i = 0; i < shadow.outlines.size(); ++i) {
    const OutlineRecord& r = shadow.outlines[i];
    const IntPoint* points = outline_points(shadow, i);
    dc.set_pen({kPenSolid, 0, r.color});
    dc.set_brush({BrushKind::kSolid, r.color});
    dc.polygon(style == ShadowStyle::kSmoothed ? smoothed_points(points, r.count, place, depth)
                                               : placed_points(points, r.count, place));
  }
}

}  // namespace daub
