#include "geometry/outline.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/curves.h"

namespace daub {
namespace {

constexpr double kSame = 1e-10;  // ends closer than this on both axes meet

bool coincide(double x, double y, const PointDir& p) {
  return std::fabs(x - p.x) < kSame && std::fabs(y - p.y) < kSame;
}

// Where an item ends and starts as it is walked.
PointDir tail(const ExtractionItem& item) {
  const LineGeometry& g = item.geom;
  return item.direction == 1 ? PointDir{g.x1, g.y1, g.a1} : PointDir{g.x0, g.y0, g.a0};
}
PointDir head(const ExtractionItem& item) {
  const LineGeometry& g = item.geom;
  return item.direction == 1 ? PointDir{g.x0, g.y0, g.a0} : PointDir{g.x1, g.y1, g.a1};
}

// Brings the first later item that starts or ends at item i's tail to place
// i + 1, walked away from that tail. False when no item fits.
bool continue_chain(std::vector<ExtractionItem>& items, std::size_t i) {
  const PointDir t = tail(items[i]);
  for (std::size_t j = i + 1; j < items.size(); ++j) {
    const LineGeometry& g = items[j].geom;
    int direction = 0;
    if (coincide(g.x0, g.y0, t)) {
      direction = 1;
    } else if (coincide(g.x1, g.y1, t)) {
      direction = -1;
    } else {
      continue;
    }
    std::swap(items[i + 1], items[j]);
    items[i + 1].direction = direction;
    return true;
  }
  return false;
}

// Items 0..last walked the other way round, so the chain grows from its head.
void turn_round(std::vector<ExtractionItem>& items, std::size_t last) {
  std::reverse(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(last) + 1);
  for (std::size_t k = 0; k <= last; ++k) items[k].direction = items[k].direction == 1 ? -1 : 1;
}

}  // namespace

OutlineVerdict chain_outline(std::vector<ExtractionItem>& items, PointDir& out, ChainEnds ends) {
  if (items.empty()) return OutlineVerdict::kEmpty;
  if (items[0].direction != -1) items[0].direction = 1;
  bool turned = false;
  for (std::size_t i = 0; i + 1 < items.size();) {
    if (continue_chain(items, i)) {
      ++i;
    } else if (ends == ChainEnds::kOpenAllowed && !turned) {
      turn_round(items, i);
      turned = true;
    } else {
      out = tail(items[i]);
      return OutlineVerdict::kNotClosed;
    }
  }
  const PointDir start = head(items.front());
  const ExtractionItem& last = items.back();
  if (coincide(start.x, start.y, tail(last))) return OutlineVerdict::kClosed;
  out = tail(last);
  return ends == ChainEnds::kClosed ? OutlineVerdict::kNotClosed : OutlineVerdict::kOpen;
}

LineGeometry walked_geometry(const ExtractionItem& item) {
  return item.direction == 1 ? item.geom : reversed_geometry(item.geom);
}

bool append_edge_points(const LineGeometry& walked, std::vector<DPoint>& points) {
  auto finite = [](DPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  if (walked.kind == kShapeStraight) {
    const DPoint b{walked.x1, walked.y1};
    if (!finite(b)) return false;
    points.push_back(b);
    return true;
  }
  if (walked.kind != kShapeCurve) return true;
  const CurvePoints samples = curve_points(walked);
  for (const DPoint& p : samples)
    if (!finite(p)) return false;
  points.insert(points.end(), samples.begin() + 1, samples.end());
  return true;
}

}  // namespace daub
