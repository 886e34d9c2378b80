#pragma once
// Angles in radians and the one value of π the program computes with.

namespace daub {

constexpr double kPi = 3.14159265359;

// Brings an angle into [−π, π] by whole turns. Not-a-number and infinite
// angles have no direction to keep and become 0.
double normalize_angle(double a);

// The nearest of the 17 directions a drawn direction snaps to: −180°, −150°,
// −135°, −120°, −90°, −60°, −45°, −30°, 0° and their positive twins (the
// first on ties).
double nearest_fixed_direction(double angle);

}  // namespace daub
