#pragma once
// Curve lines and crossings: the checks that decide whether two ends with
// their directions can be joined by a curve, the curve's sample points, and
// the first crossing of two lines, straight or curved.
//
// A curve is an affine image of a quarter circle that leaves A along a0 and
// reaches B along a1. Not every pair of directions admits one, so every
// operation that makes or edits a curve checks it here first.

#include <array>

#include "geometry/line_geometry.h"
#include "geometry/point.h"

namespace daub {

constexpr int kCurvePointCount = 31;
using CurvePoints = std::array<DPoint, kCurvePointCount>;

// Why a geometry can or cannot be stored, in the order the checks run.
enum class CurveVerdict {
  kOk,
  kNotFinite,       // a coordinate or angle is not a finite number
  kSamePoint,       // A and B coincide
  kNearlyStraight,  // a curve whose chord is within 0.01 radian of its start direction
  kElliptic,        // the chord does not lie strictly inside the turn
  kOver180,         // the turn is 180 degrees or more
};

// The curve check without messages. A straight segment (kind 2) only needs
// distinct, finite ends; every other kind is checked as a curve.
CurveVerdict check_curve(const LineGeometry& g);

// The text that reports a refusal (empty for kOk).
const char* curve_verdict_text(CurveVerdict v);

// The quarter circle sampled every 3 degrees that every curve is an affine
// image of: (sin θ, 1 − cos θ) for θ = 0, 3°, …, 90°.
const CurvePoints& curve_template();

// The 31 points the curve is drawn through, from A to B, without any check:
// the template mapped by the start frame. A curve whose angle difference is
// 0 or ±π has no finite quarter-ellipse and gives its straight chord, sampled
// at 31 evenly spaced points. Geometry holding a value that is not finite
// gives 31 not-a-number points, which callers skip.
CurvePoints curve_points(const LineGeometry& g);

// Length of a line: 0 for kind 0, |AB| for a straight segment, the sum of the
// 30 chords for a curve.
double line_length(const LineGeometry& g);

// The line walked the other way: ends swapped, both angles turned by π and normalised.
LineGeometry reversed_geometry(const LineGeometry& g);

// The direction from (x0, y0) to (x1, y1), 0 when the two points coincide;
// the angle both ends of a straight segment carry.
double straight_angle(double x0, double y0, double x1, double y1);

// Moves one end of g (B when b_end, else A) onto (x, y); a straight segment
// keeps both angles along itself.
void move_line_end(LineGeometry& g, bool b_end, double x, double y);

// The crossing of two segments a0–a1 and b0–b1: the one intersection routine of
// the program. Parallel carrying lines give none; the point must lie on both
// segments (ends included, with a margin of 1e-10). True and `out` when found.
bool segment_crossing(DPoint a0, DPoint a1, DPoint b0, DPoint b1, DPoint& out);

// The first crossing of lines p and q, chord by chord (p's chords outside, q's
// inside), with no message: curves are taken as drawn (curve_points). The
// outputs get the point and the direction of the chord of p (out_p) and of q
// (out_q) it lies on. True when found.
bool line_crossing(const LineGeometry& p, const LineGeometry& q, PointDir& out_p, PointDir& out_q);

}  // namespace daub
