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

DPoint edge_end(const std::vector<DPoint>& points, std::size_t i) {
  return points[i + 1 == points.size() ? 0 : i + 1];
}

// Whether the edge e0–e1 crosses the segment a–b: not when both ends lie on
// one side of the segment's line farther than the margin, else as
// segment_crossing says.
bool crosses(DPoint a, DPoint b, DPoint e0, DPoint e1, double margin, DPoint& at) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double limit = margin * std::sqrt(dx * dx + dy * dy);
  const double s0 = dx * (e0.y - a.y) - dy * (e0.x - a.x);
  const double s1 = dx * (e1.y - a.y) - dy * (e1.x - a.x);
  if ((s0 > limit && s1 > limit) || (s0 < -limit && s1 < -limit)) return false;
  return segment_crossing(a, b, e0, e1, at);
}

DPoint inside_corner(const OutlineBox& box) { return {box.xmax, box.ymax + 1.0}; }

// One family of parallel hatch lines over an outline: line j runs through
// centre + j · width · (sin angle, −cos angle) along (cos angle, sin angle),
// radius to either side; j runs from `first` to `last`.
struct Family {
  DPoint centre;
  double radius = 0;
  double angle = 0;
  double width = 0;
  std::int64_t first = 0, last = 0;
};

// The plain search: every edge is tested for every line and every inside test.
class EveryEdge {
 public:
  EveryEdge(const std::vector<DPoint>& points, const OutlineBox& box)
      : points_(points), box_(box), margin_(outline_margin(box)) {}

  void start_family(const Family&) {}
  double margin() const { return margin_; }

  template <class Visit>
  void edges_near_line(std::int64_t, Visit visit) const {
    for (std::size_t i = 0; i < points_.size(); ++i) visit(i);
  }

  bool inside(DPoint p) const { return crosses_odd(points_, box_, p); }

 private:
  const std::vector<DPoint>& points_;
  OutlineBox box_;
  double margin_;
};

// Lists of edge numbers by bin, filled in edge order.
class Bins {
 public:
  void reset(std::size_t bins) {
    starts_.assign(bins + 1, 0);
    items_.clear();
  }
  // Counting pass: edge ranges [lo, hi] of bins, then fill().
  void count(std::size_t lo, std::size_t hi) {
    for (std::size_t b = lo; b <= hi; ++b) ++starts_[b + 1];
  }
  void prepare() {
    for (std::size_t b = 1; b < starts_.size(); ++b) starts_[b] += starts_[b - 1];
    items_.resize(starts_.back());
    next_.assign(starts_.begin(), starts_.end() - 1);
  }
  void fill(std::size_t lo, std::size_t hi, std::uint32_t edge) {
    for (std::size_t b = lo; b <= hi; ++b) items_[next_[b]++] = edge;
  }
  template <class Visit>
  void visit(std::size_t bin, Visit v) const {
    for (std::size_t k = starts_[bin]; k < starts_[bin + 1]; ++k) v(items_[k]);
  }

 private:
  std::vector<std::size_t> starts_, next_;
  std::vector<std::uint32_t> items_;
};

// The fast search. Edges go into bands across each family's lines by how far
// from the centre their ends lie across the hatch, and into sectors around
// the inside test's corner by the direction in which their ends are seen
// from it; an edge is in every band or sector it comes within twice the
// margin of, so an edge left out of a line's band or a point's sector lies
// wholly to one side of the line or of the segment to the corner.
class NearEdges {
 public:
  NearEdges(const std::vector<DPoint>& points, const OutlineBox& box)
      : plain_(points, box), points_(points), box_(box), margin_(outline_margin(box)) {
    index_sectors();
  }

  double margin() const { return margin_; }

  void start_family(const Family& f) {
    const DPoint across{std::sin(f.angle), -std::cos(f.angle)};
    first_ = f.first;
    bands_.reset(static_cast<std::size_t>(f.last - f.first + 1));
    auto band_range = [&](std::size_t i, std::int64_t& lo, std::int64_t& hi) {
      const DPoint p = points_[i], q = edge_end(points_, i);
      const double sp = (p.x - f.centre.x) * across.x + (p.y - f.centre.y) * across.y;
      const double sq = (q.x - f.centre.x) * across.x + (q.y - f.centre.y) * across.y;
      const double reach = 2 * margin_;
      lo = std::max(f.first,
                    static_cast<std::int64_t>(std::ceil((std::min(sp, sq) - reach) / f.width)));
      hi = std::min(f.last,
                    static_cast<std::int64_t>(std::floor((std::max(sp, sq) + reach) / f.width)));
      return lo <= hi;
    };
    for (int pass = 0; pass < 2; ++pass) {
      for (std::size_t i = 0; i < points_.size(); ++i) {
        std::int64_t lo = 0, hi = 0;
        if (!band_range(i, lo, hi)) continue;
        const auto a = static_cast<std::size_t>(lo - first_),
                   b = static_cast<std::size_t>(hi - first_);
        pass == 0 ? bands_.count(a, b) : bands_.fill(a, b, static_cast<std::uint32_t>(i));
      }
      if (pass == 0) bands_.prepare();
    }
  }

  template <class Visit>
  void edges_near_line(std::int64_t j, Visit visit) const {
    bands_.visit(static_cast<std::size_t>(j - first_), visit);
  }

  bool inside(DPoint p) const {
    if (sector_count_ == 0) return plain_.inside(p);
    const double f = direction_key(p);
    if (!std::isfinite(f)) return plain_.inside(p);
    const DPoint corner = inside_corner(box_);
    int count = 0;
    sectors_.visit(sector_of(f), [&](std::uint32_t i) {
      DPoint at;
      if (crosses(p, corner, points_[i], edge_end(points_, i), margin_, at)) ++count;
    });
    return count % 2 == 1;
  }

 private:
  // A number that grows with the direction in which p is seen from the
  // corner, turning from straight up (0) to the left (towards 1); it changes
  // no faster than that direction's angle, so two keys `d` apart mean
  // directions at least `d` radians apart.
  double direction_key(DPoint p) const {
    const DPoint corner = inside_corner(box_);
    const double u = (corner.x - p.x) / (corner.y - p.y);
    return u / (1 + u);
  }
  std::size_t sector_of(double key) const {
    const double s = std::floor(key * static_cast<double>(sector_count_));
    return static_cast<std::size_t>(std::clamp(s, 0.0, static_cast<double>(sector_count_ - 1)));
  }

  // Every point lies at least 1 below the corner, so a direction `spread`
  // radians away from the segment's is at least sin(spread) > 2 margins from
  // its line. No sectors (every edge tested) when that cannot be had.
  void index_sectors() {
    const double spread = 4 * margin_;
    const std::size_t n = points_.size();
    if (n < 8 || !(spread < 0.25)) return;
    std::vector<double> keys(n);
    for (std::size_t i = 0; i < n; ++i) {
      keys[i] = direction_key(points_[i]);
      if (!std::isfinite(keys[i])) return;
    }
    // Fewer sectors when the edges would fill too many of them.
    for (sector_count_ = std::min<std::size_t>(n, 4096);; sector_count_ /= 2) {
      std::size_t total = 0;
      for (std::size_t i = 0; i < n; ++i) total += sector_span(keys, i, spread);
      if (total <= 16 * n + 4096 || sector_count_ == 1) break;
    }
    sectors_.reset(sector_count_);
    for (int pass = 0; pass < 2; ++pass) {
      for (std::size_t i = 0; i < n; ++i) {
        const double k0 = keys[i], k1 = keys[i + 1 == n ? 0 : i + 1];
        const std::size_t lo = sector_of(std::min(k0, k1) - spread);
        const std::size_t hi = sector_of(std::max(k0, k1) + spread);
        pass == 0 ? sectors_.count(lo, hi) : sectors_.fill(lo, hi, static_cast<std::uint32_t>(i));
      }
      if (pass == 0) sectors_.prepare();
    }
  }
  std::size_t sector_span(const std::vector<double>& keys, std::size_t i, double spread) const {
    const double k0 = keys[i], k1 = keys[i + 1 == keys.size() ? 0 : i + 1];
    return sector_of(std::max(k0, k1) + spread) - sector_of(std::min(k0, k1) - spread) + 1;
  }

  EveryEdge plain_;
  const std::vector<DPoint>& points_;
  OutlineBox box_;
  double margin_;
  std::int64_t first_ = 0;
  Bins bands_;
  std::size_t sector_count_ = 0;
  Bins sectors_;
};

// A crossing of a hatch line with the outline and how far along the line it lies.
struct Crossing {
  DPoint at;
  double along = 0;
};

template <class Search>
void hatch_family(const std::vector<DPoint>& points, const Family& f, Search& search,
                  std::vector<HatchPiece>& out) {
  search.start_family(f);
  const DPoint v{f.radius * std::cos(f.angle), f.radius * std::sin(f.angle)};
  const DPoint step{f.width * std::sin(f.angle), -f.width * std::cos(f.angle)};
  const DPoint dir{std::cos(f.angle), std::sin(f.angle)};
  std::vector<Crossing> crossings;
  auto line = [&](std::int64_t j) {
    const DPoint q{f.centre.x + static_cast<double>(j) * step.x,
                   f.centre.y + static_cast<double>(j) * step.y};
    const DPoint start{q.x - v.x, q.y - v.y}, end{q.x + v.x, q.y + v.y};
    crossings.clear();
    search.edges_near_line(j, [&](std::size_t i) {
      DPoint x;
      if (!crosses(start, end, points[i], edge_end(points, i), search.margin(), x)) return;
      crossings.push_back({x, (x.x - start.x) * dir.x + (x.y - start.y) * dir.y});
    });
    // Along the line, whatever its angle: sorting by x alone would leave the
    // crossings of an upright line in edge order.
    std::stable_sort(crossings.begin(), crossings.end(),
                     [](const Crossing& a, const Crossing& b) { return a.along < b.along; });
    for (std::size_t k = 0; k + 1 < crossings.size(); ++k) {
      const DPoint a = crossings[k].at, b = crossings[k + 1].at;
      // A line through a corner meets both its edges there, a rounding
      // error apart: nothing between.
      if (std::fabs(a.x - b.x) <= search.margin() && std::fabs(a.y - b.y) <= search.margin())
        continue;
      if (!search.inside({(a.x + b.x) / 2, (a.y + b.y) / 2})) continue;
      const double dx = start.x - a.x, dy = start.y - a.y;
      out.push_back({a, b, f.angle, std::sqrt(dx * dx + dy * dy) - f.radius});
    }
  };
  for (std::int64_t j = 0; j <= f.last; ++j) line(j);
  for (std::int64_t j = -1; j >= f.first; --j) line(j);
}

// The last j >= 0 with j · width < radius + reach: the loop bound of the lines.
std::int64_t last_line(double radius, double width) {
  auto within = [&](std::int64_t j) { return static_cast<double>(j) * width < radius + kReach; };
  auto j = static_cast<std::int64_t>((radius + kReach) / width);
  while (j > 0 && !within(j)) --j;
  while (within(j + 1)) ++j;
  return j;
}

template <class Search>
HatchVerdict hatch_with(const std::vector<DPoint>& points, const HatchParams& p,
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
  f.last = last_line(f.radius, f.width);
  f.first = -f.last;  // the lines below the centre mirror those above
  Search search(points, box);
  f.angle = normalize_angle(p.angle * kDegree);
  hatch_family(points, f, search, out);
  if (p.type == kHatchLattice) {
    f.angle = normalize_angle(kPi * 0.5 + p.angle * kDegree);
    hatch_family(points, f, search, out);
  }
  return HatchVerdict::kDrawn;
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

double outline_margin(const OutlineBox& box) {
  const double size = std::max(
      {std::fabs(box.xmin), std::fabs(box.xmax), std::fabs(box.ymin), std::fabs(box.ymax)});
  return 1e-9 * (1 + size);
}

bool crosses_odd(const std::vector<DPoint>& points, const OutlineBox& box, DPoint p) {
  const DPoint corner = inside_corner(box);
  const double margin = outline_margin(box);
  int count = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    DPoint at;
    if (crosses(p, corner, points[i], edge_end(points, i), margin, at)) ++count;
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
  return hatch_with<NearEdges>(points, p, out);
}

HatchVerdict hatch_outline_plain(const std::vector<DPoint>& points, const HatchParams& p,
                                 std::vector<HatchPiece>& out) {
  return hatch_with<EveryEdge>(points, p, out);
}

}  // namespace daub
