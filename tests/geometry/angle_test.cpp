#include "geometry/angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace daub {
namespace {

TEST(NormalizeAngle, BringsAnglesIntoOneTurnAroundZeroAndEndsOnAnyInput) {
  const struct {
    double in, expected;
  } cases[] = {{kPi, kPi},
               {-kPi, -kPi},
               {1.5 * kPi, -0.5 * kPi},
               {-1.5 * kPi, 0.5 * kPi},
               {-100.5 * kPi, -0.5 * kPi}};
  for (const auto& c : cases) EXPECT_NEAR(normalize_angle(c.in), c.expected, 1e-9) << c.in;
  for (double a : {1e300, -4e9}) EXPECT_LE(std::fabs(normalize_angle(a)), kPi) << a;
  const double inf = std::numeric_limits<double>::infinity();
  for (double a : {std::nan(""), inf, -inf}) EXPECT_EQ(normalize_angle(a), 0.0) << a;
}

}  // namespace
}  // namespace daub
