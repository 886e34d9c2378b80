#include "geometry/angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace daub {
namespace {

TEST(NormalizeAngleTest, BringsAnglesIntoOneTurnAroundZero) {
  struct Case {
    double in, expected;
  } cases[] = {
      {0.0, 0.0},
      {kPi, kPi},
      {-kPi, -kPi},
      {1.5 * kPi, -0.5 * kPi},
      {-1.5 * kPi, 0.5 * kPi},
      {7.25 * kPi, -0.75 * kPi},
      {-100.5 * kPi, -0.5 * kPi},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_NEAR(normalize_angle(c.in), c.expected, 1e-9);
  }
}

TEST(NormalizeAngleTest, HugeAndNonFiniteAnglesEndQuickly) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double a : {1e300, -1e300, 1e17, -4e9}) {
    SCOPED_TRACE(a);
    double r = normalize_angle(a);
    EXPECT_GE(r, -kPi);
    EXPECT_LE(r, kPi);
  }
  EXPECT_EQ(normalize_angle(std::nan("")), 0.0);
  EXPECT_EQ(normalize_angle(inf), 0.0);
  EXPECT_EQ(normalize_angle(-inf), 0.0);
}

}  // namespace
}  // namespace daub
