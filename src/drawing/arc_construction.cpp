// Arcs between two line ends, drawn as a run of curve lines.
//
// Both ends must lie on the arc, so the centre is taken on the perpendicular
// bisector of the two ends, at the construction distance from their midpoint:
// left of the direction from the first end to the second, or right of it.
// The arc then runs about that centre with the angle increasing or
// decreasing, cut into pieces of the arc division angle; the last piece takes
// what is left, between half and one and a half division angles.

#include <cmath>

#include "drawing/curve_checks.h"
#include "drawing/line_construction.h"
#include "drawing/lines.h"
#include "geometry/angle.h"

namespace daub {
namespace {

// No arc is cut into more pieces than this; a smaller division angle is
// widened to keep a tiny angle from making millions of lines.
constexpr int kMaxArcPieces = 3600;

struct Arc {
  DPoint centre;
  double radius = 0;
  double start = 0;      // angle of the first end about the centre
  double end = 0;        // angle of the second end, past start in the turning direction
  double turn = 1;       // +1 increasing, -1 decreasing
  double step = 0;       // division angle, positive
  DPoint first, second;  // the two ends exactly as snapped
};

DPoint on_arc(const Arc& arc, double angle) {
  return {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y + arc.radius * std::sin(angle)};
}

// One curve from angle s to angle e about the centre, leaving along the
// tangent in the turning direction. The end angle is the start's plus the
// turn, not normalised, since the curve check reads the raw difference.
LineGeometry piece(const Arc& arc, double s, double e, DPoint from, DPoint to) {
  const double a0 = normalize_angle(s + arc.turn * kPi / 2);
  return {from.x, from.y, a0, to.x, to.y, a0 + (e - s), kShapeCurve, 0};
}

int add_piece(App& app, LineGeometry g, int layer) {
  if (cutsklck(app, g) == 0) return 0;
  return add_with_current_pen(app, g, layer, GeometryCheck::kTrusted) != 0 ? 1 : 0;
}

// Draws the arc piece by piece; the first piece refused ends it.
int draw_arc(App& app, const Arc& arc, int layer) {
  int made = 0;
  double s = arc.start;
  DPoint from = arc.first;
  while (made < kMaxArcPieces && arc.turn * (arc.end - (s + arc.turn * 1.5 * arc.step)) >= 0) {
    const double e = s + arc.turn * arc.step;
    const DPoint to = on_arc(arc, e);
    if (add_piece(app, piece(arc, s, e, from, to), layer) == 0) return made;
    ++made;
    s = e;
    from = to;
  }
  return made + add_piece(app, piece(arc, s, arc.end, from, arc.second), layer);
}

// The arc through a and b with its centre on the given side of a→b.
bool arc_through(const App& app, DPoint a, DPoint b, ArcTurn turn, ArcSide side, Arc& arc) {
  const double chord = std::hypot(b.x - a.x, b.y - a.y);
  if (!(chord > 0) || !std::isfinite(chord)) return false;
  const double ux = (b.x - a.x) / chord, uy = (b.y - a.y) / chord;
  // With y downwards, (uy, -ux) points to the left of a→b on the screen.
  const double d = (side == ArcSide::kLeft ? 1.0 : -1.0) * app.construction.distance;
  arc.centre = {(a.x + b.x) / 2 + d * uy, (a.y + b.y) / 2 - d * ux};
  arc.radius = std::hypot(a.x - arc.centre.x, a.y - arc.centre.y);
  arc.start = std::atan2(a.y - arc.centre.y, a.x - arc.centre.x);
  arc.end = std::atan2(b.y - arc.centre.y, b.x - arc.centre.x);
  arc.turn = turn == ArcTurn::kIncreasing ? 1.0 : -1.0;
  if (turn == ArcTurn::kIncreasing && arc.end < arc.start) arc.end += 2 * kPi;
  if (turn == ArcTurn::kDecreasing && arc.end > arc.start) arc.end -= 2 * kPi;
  const double span = std::fabs(arc.end - arc.start);
  arc.step = std::fmax(app.construction.arc_angle, span / kMaxArcPieces);
  arc.first = a;
  arc.second = b;
  return std::isfinite(arc.radius) && std::isfinite(arc.step) && arc.step > 0;
}

}  // namespace

int arc_between_ends(App& app, DPoint press, DPoint release, ArcTurn turn, ArcSide side,
                     int layer) {
  PointDir a, b;
  if (nearestvt(app, {press.x, press.y, 0}, a, layer) == 0 ||
      nearestvt(app, {release.x, release.y, 0}, b, layer) == 0)
    return 0;
  Arc arc;
  if (!arc_through(app, {a.x, a.y}, {b.x, b.y}, turn, side, arc)) return 0;
  return draw_arc(app, arc, layer);
}

}  // namespace daub
