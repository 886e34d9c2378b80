#pragma once
// Whether a point lies inside a closed outline of points by the even-odd
// rule: the segment from the point to a ray end below and right of the
// outline crosses the outline's edges (point k to point k + 1, the last back
// to the first) an odd number of times, each crossing found by
// segment_crossing. A point outside the outline's bounding box is outside
// without counting.

#include <vector>

#include "geometry/point.h"

namespace daub {

struct EnclosureProbe {
  std::vector<DPoint> points;
  DPoint ray_end;    // (largest x, largest y + 1), both at least -100000
  DPoint low, high;  // the bounding box of the points
};

EnclosureProbe make_enclosure_probe(const std::vector<DPoint>& points);
bool inside_enclosure(const EnclosureProbe& probe, DPoint p);

}  // namespace daub
