#pragma once
// Angles in radians and the one value of π the program computes with.

namespace daub {

constexpr double kPi = 3.14159265359;

// Brings an angle into [−π, π] by whole turns. Not-a-number and infinite
// angles have no direction to keep and become 0.
double normalize_angle(double a);

}  // namespace daub
