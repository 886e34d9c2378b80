#pragma once
// World points, with and without a direction.

namespace daub {

// A point with a direction in radians (world axes, y downwards).
struct PointDir {
  double x = 0;
  double y = 0;
  double angle = 0;
};

struct DPoint {
  double x = 0;
  double y = 0;
  friend bool operator==(const DPoint&, const DPoint&) = default;
};

}  // namespace daub
