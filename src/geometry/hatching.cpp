#include "geometry/hatching.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/angle.h"
#include "geometry/curves.h"

namespace daub {
namespace {

constexpr double kDegree = 0.017453292519944444;
constexpr double kReach = 1e-10;  // hatch lines reach this far past the bounding circle

// One family of parallel hatch lines over an outline.
struct Family {
  DPoint centre;
  double radius = 0;
  double angle = 0;
  double width = 0;
};

DPoint edge_end(const std::vector<DPoint>& points, std::size_t i) {
  return points[i + 1 == points.size() ? 0 : i + 1];
}

// A crossing of a hatch line with the outline and how far along the line it lies.
struct Crossing {
  DPoint at;
  double along = 0;
};

// Cuts the hatch line from `start` to `end` (direction `dir`) at the outline
// and appends the inside pieces.
void cut_hatch_line(const std::vector<DPoint>& points, const OutlineBox& box, const Family& f,
                    DPoint start, DPoint end, DPoint dir, std::vector<Crossing>& crossings,
                    std::vector<HatchPiece>& out) {
  crossings.clear();
  for (std::size_t i = 0; i < points.size(); ++i) {
    DPoint x;
    if (!segment_crossing(start, end, points[i], edge_end(points, i), x)) continue;
    crossings.push_back({x, (x.x - start.x) * dir.x + (x.y - start.y) * dir.y});
  }
  // Along the line, whatever its angle: sorting by x alone would leave the
  // crossings of an upright line in edge order.
  std::stable_sort(crossings.begin(), crossings.end(),
                   [](const Crossing& a, const Crossing& b) { return a.along < b.along; });
  for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
    const DPoint a = crossings[k].at, b = crossings[k + 1].at;
    if (!crosses_odd(points, box, {(a.x + b.x) / 2, (a.y + b.y) / 2})) continue;
    const double dx = start.x - a.x, dy = start.y - a.y;
    out.push_back({a, b, f.angle, std::sqrt(dx * dx + dy * dy) - f.radius});
  }
}

void hatch_family(const std::vector<DPoint>& points, const OutlineBox& box, const Family& f,
                  std::vector<HatchPiece>& out) {
  const DPoint v{f.radius * std::cos(f.angle), f.radius * std::sin(f.angle)};
  const DPoint step{f.width * std::sin(f.angle), -f.width * std::cos(f.angle)};
  const DPoint dir{std::cos(f.angle), std::sin(f.angle)};
  std::vector<Crossing> crossings;
  auto line = [&](std::int64_t j) {
    const DPoint q{f.centre.x + static_cast<double>(j) * step.x,
                   f.centre.y + static_cast<double>(j) * step.y};
    cut_hatch_line(points, box, f, {q.x - v.x, q.y - v.y}, {q.x + v.x, q.y + v.y}, dir, crossings,
                   out);
  };
  for (std::int64_t j = 0; static_cast<double>(j) * f.width < f.radius + kReach; ++j) line(j);
  for (std::int64_t j = -1; static_cast<double>(-j) * f.width < f.radius + kReach; --j) line(j);
}

}  // namespace

OutlineBox outline_box(const std::vector<DPoint>& points) {
  constexpr double kInf = std::numeric_limits<double>::infinity();
  OutlineBox box{kInf, kInf, -kInf, -kInf};
  for (const DPoint& p : points) {
    box.xmin = std::min(box.xmin, p.x);
    box.ymin = std::min(box.ymin, p.y);
    box.xmax = std::max(box.xmax, p.x);
    box.ymax = std::max(box.ymax, p.y);
  }
  return box;
}

bool crosses_odd(const std::vector<DPoint>& points, const OutlineBox& box, DPoint p) {
  const DPoint corner{box.xmax, box.ymax + 1.0};
  int count = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    DPoint x;
    if (segment_crossing(p, corner, points[i], edge_end(points, i), x)) ++count;
  }
  return count % 2 == 1;
}

bool outline_contains(const std::vector<DPoint>& points, DPoint p) {
  const OutlineBox box = outline_box(points);
  if (!(box.xmin < p.x && p.x < box.xmax && box.ymin < p.y && p.y < box.ymax)) return false;
  return crosses_odd(points, box, p);
}

HatchVerdict hatch_outline(const std::vector<DPoint>& points, const HatchParams& p,
                           std::vector<HatchPiece>& out) {
  out.clear();
  if (p.type != kHatchParallel && p.type != kHatchLattice) return HatchVerdict::kNoHatch;
  if (!(std::isfinite(p.width) && p.width > 0)) return HatchVerdict::kBadWidth;
  if (!std::isfinite(p.angle)) return HatchVerdict::kBadAngle;
  if (points.empty()) return HatchVerdict::kDrawn;
  const OutlineBox box = outline_box(points);
  Family f;
  f.centre = {(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
  const double dx = box.xmax - f.centre.x, dy = box.ymax - f.centre.y;
  f.radius = std::sqrt(dx * dx + dy * dy);
  f.width = p.width;
  // Each hatch line crosses every edge at most once, so it has at most half
  // as many inside pieces as the outline has edges. Not-a-number fails too.
  const int families = p.type == kHatchLattice ? 2 : 1;
  const double lines = families * (2 * (f.radius + kReach) / p.width + 1);
  const double most = lines * std::max(1.0, static_cast<double>(points.size()) / 2);
  if (!(most <= kMaxHatchPieces)) return HatchVerdict::kTooFine;
  f.angle = normalize_angle(p.angle * kDegree);
  hatch_family(points, box, f, out);
  if (p.type == kHatchLattice) {
    f.angle = normalize_angle(kPi * 0.5 + p.angle * kDegree);
    hatch_family(points, box, f, out);
  }
  return HatchVerdict::kDrawn;
}

}  // namespace daub
