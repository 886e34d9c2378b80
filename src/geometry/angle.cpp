#include "geometry/angle.h"

#include <cmath>

namespace daub {

double normalize_angle(double a) {
  if (!std::isfinite(a)) return 0.0;
  constexpr double kTurn = 2 * kPi;
  // Ordinary angles are stepped turn by turn, so their results are the same
  // to the last bit wherever they are computed; a huge angle is first reduced
  // with fmod so the loops below stay short.
  if (std::fabs(a) > 64 * kTurn) a = std::fmod(a, kTurn);
  while (a < -kPi) a += kTurn;
  while (a > kPi) a -= kTurn;
  return a;
}

}  // namespace daub

namespace daub {
namespace {

constexpr double kFixedDirections[] = {-180, -150, -135, -120, -90, -60, -45, -30, 0,
                                       30,   45,   60,   90,   120, 135, 150, 180};

}  // namespace

double nearest_fixed_direction(double angle) {
  double best = kFixedDirections[0] * kPi / 180.0;
  for (double degrees : kFixedDirections) {
    const double candidate = degrees * kPi / 180.0;
    if (std::fabs(angle - candidate) < std::fabs(angle - best)) best = candidate;
  }
  return best;
}

}  // namespace daub
