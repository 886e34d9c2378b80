#include "geometry/enclosure_probe.h"

#include <algorithm>

#include "geometry/curves.h"

namespace daub {

EnclosureProbe make_enclosure_probe(const std::vector<DPoint>& points) {
  EnclosureProbe probe{points, {-100000.0, -100000.0}, {0, 0}, {0, 0}};
  if (points.empty()) return probe;
  probe.low = probe.high = points.front();
  for (const DPoint& p : points) {
    probe.ray_end.x = std::max(probe.ray_end.x, p.x);
    probe.ray_end.y = std::max(probe.ray_end.y, p.y);
    probe.low = {std::min(probe.low.x, p.x), std::min(probe.low.y, p.y)};
    probe.high = {std::max(probe.high.x, p.x), std::max(probe.high.y, p.y)};
  }
  probe.ray_end.y += 1.0;
  return probe;
}

bool inside_enclosure(const EnclosureProbe& probe, DPoint p) {
  const std::size_t count = probe.points.size();
  // Not-a-number fails these comparisons too, and is outside.
  if (count == 0 ||
      !(p.x >= probe.low.x && p.x <= probe.high.x && p.y >= probe.low.y && p.y <= probe.high.y))
    return false;
  bool inside = false;
  DPoint crossing;
  for (std::size_t k = 0; k < count; ++k) {
    const DPoint& a = probe.points[k];
    const DPoint& b = probe.points[(k + 1) % count];
    if (segment_crossing(p, probe.ray_end, a, b, crossing)) inside = !inside;
  }
  return inside;
}

}  // namespace daub
