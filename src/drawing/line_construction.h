#pragma once
// The line constructions that the line mouse commands share: drawing a line
// on from the current point, the ends of a freehand drag, cutting two lines at
// their crossing, moving a vertex, and arcs between two line ends.

#include "drawing/lines.h"
#include "model/app.h"
#include "model/records.h"

namespace daub {

// Appends a line with the current line pen and geometry g (checked first
// unless kTrusted); it becomes nowline. Returns its number, 0 when refused.
int add_with_current_pen(App& app, const LineGeometry& g, int layer,
                         GeometryCheck check = GeometryCheck::kCheck);

// The straight segment from a to b, both directions along it.
LineGeometry straight_geometry(DPoint a, DPoint b);

// A line of `kind` (kShapeCurve or kShapeStraight) with the current line pen
// from `from` to `to`, appended to the layer after the geometry check; it
// becomes nowline. A curve keeps the two directions; a straight segment runs
// both along itself. nowpoint moves to the new end (for a curve the `to`
// record itself). Returns 1, or 0 when the geometry was refused (nothing
// changes).
int makelineto(App& app, PointDir from, PointDir to, int kind, int layer);

// The ends of a freehand drag: nowpoint leaves the press along the start of
// the trail and dragvector reaches the release along its end. A drag too
// short to tell uses the press-to-release direction at both ends, snapped.
// nowpoint becomes valid. Returns 1.
int strokeends(App& app);

// Snaps p onto a line end or line of the current layer with the drawing
// tolerance (4 screen pixels). Returns 1 when p was moved.
int snap_to_layer(App& app, PointDir& p);

// Cuts lines n1 and n2 of the layer at their first crossing: both are
// replaced by their two halves, appended as n1's first and second half, then
// n2's. When anything is refused (no crossing, a half the curve check
// rejects, n1 == n2, no room) nothing changes. Returns 1 and the number of
// n1's second half in `n1_second`, else 0.
int cross_cut(App& app, int n1, int n2, int layer, int& n1_second);

// Moves every line end of the layer lying on `from` to `to`; a straight line
// keeps both directions along itself, a changed curve must pass cutsklck.
// The last line changed becomes nowline and its moved end nowpoint. Returns
// the number of lines changed.
int move_vertex(App& app, DPoint from, DPoint to, int layer);

// The arc mouse commands 610-613 on the press and release positions.
enum class ArcTurn { kIncreasing, kDecreasing };
enum class ArcSide { kLeft, kRight };
// Snaps both positions to their nearest line ends, puts the centre on the
// perpendicular bisector of the two ends at the construction distance from
// their midpoint (on the left or right of press→release), and draws the arc
// from the press end to the release end with the angle about the centre
// increasing or decreasing, as curves of at most the arc division angle.
// Returns the number of curves made.
int arc_between_ends(App& app, DPoint press, DPoint release, ArcTurn turn, ArcSide side, int layer);

}  // namespace daub
