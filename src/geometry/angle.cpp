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
