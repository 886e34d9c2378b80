#include "geometry/view_transform.h"

#include <climits>
#include <cmath>

namespace daub {

int trunc_to_int(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483648.0) return INT_MAX;
  if (v <= -2147483649.0) return INT_MIN;
  return static_cast<int>(v);
}

int add_clamped(int a, int b) {
  long long sum = static_cast<long long>(a) + b;
  if (sum > INT_MAX) return INT_MAX;
  if (sum < INT_MIN) return INT_MIN;
  return static_cast<int>(sum);
}

void screentoworld(double& wx, double& wy, double cx, double cy, int px, int py, int ox, int oy,
                   double scale) {
  screenftoworld(wx, wy, cx, cy, px, py, ox, oy, scale);
}

void screenftoworld(double& wx, double& wy, double cx, double cy, double px, double py, int ox,
                    int oy, double scale) {
  wx = (px - cx) / scale + ox;
  wy = (py - cy) / scale + oy;
}

void worldtoscreen(int& px, int& py, double cx, double cy, double wx, double wy, int ox, int oy,
                   double scale) {
  double fx = 0, fy = 0;
  worldtoscreenf(fx, fy, cx, cy, wx, wy, ox, oy, scale);
  px = trunc_to_int(fx);
  py = trunc_to_int(fy);
}

void worldtoscreenf(double& px, double& py, double cx, double cy, double wx, double wy, int ox,
                    int oy, double scale) {
  px = (wx - ox) * scale + cx;
  py = (wy - oy) * scale + cy;
}

}  // namespace daub
