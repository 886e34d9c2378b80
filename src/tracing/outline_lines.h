#pragma once
// The lines a shadow outline becomes: straight sides, or straight sides with
// rounded corners. Points are world points (the outline placed and scaled as
// it is shown); the lines run in outline order, each starting where the one
// before it ends and the last ending where the first starts.

#include <cstddef>
#include <vector>

#include "geometry/line_geometry.h"
#include "geometry/point.h"
#include "model/tracing.h"
#include "platform/dc.h"

namespace daub {

// The outline's points placed and scaled as shown, as world points; a point
// equal to the one before it (or the last equal to the first) is left out,
// since it would make a side of no length.
std::vector<DPoint> outline_world_points(const IntPoint* points, std::size_t n, ShadowPlace place);

// One straight line from each point to the next, the last to the first.
std::vector<LineGeometry> straight_sides(const std::vector<DPoint>& points);

struct RoundingParams {
  double max_turn = 60.0;  // degrees; a sharper corner stays sharp
  double size = 10.0;      // the rounding size …
  double scale = 1.0;      // … times the shadow's scale
};

// What becomes of the corner V between the edge from `from` and the edge to
// `to`. turn is the angle between the edges' directions in degrees (0..180);
// a corner of turn below 3, above 150 or above the largest rounded turn stays
// sharp. A rounded corner is a curve from A on the edge coming in (along its
// direction a_in) to B on the edge going out (along a_out): with
// θ = 180° − turn, d = |cos(θ/2) · size · scale / (1 − sin(θ/2))| is shared
// out in proportion to the edges' lengths, each part at most half its edge.
// The curve's end direction is a_in plus the signed turn, so a corner whose
// directions lie either side of ±π turns the short way.
struct Corner {
  bool rounded = false;
  double turn = 0;  // degrees
  DPoint v, a, b;
  double a_in = 0, a_out = 0;
  LineGeometry curve;  // A → B when rounded
};
Corner round_corner(DPoint from, DPoint v, DPoint to, const RoundingParams& params);

// The sides with every corner rounded as round_corner says, assembled in
// corner order (corner i lies at point i + 1): a straight line from the end
// of the corner before (its B, or its V when sharp) to this corner's start
// (A, or V), then the corner's curve. A straight line of at most 1.0 before
// a rounded corner is left out and the curve starts at the end before
// instead, unless that curve would not pass the curve check. A corner whose
// curve the check refuses stays sharp.
std::vector<LineGeometry> rounded_sides(const std::vector<DPoint>& points,
                                        const RoundingParams& params);

}  // namespace daub
