#pragma once
// Line elements: creating, reading, changing and deleting them, cutting a line
// in two, and the picking rules by which a click finds a line end or a line.
//
// Every operation takes App& first and the layer number last (below 1 means
// layer 1); lines are named by their element number in the layer's line
// chain. Failures show their message with the operation's name as caption
// and return 0, leaving the drawing unchanged. Deleting or cutting a line
// renumbers the later lines and repairs the regions of the layer.

#include "model/app.h"
#include "model/records.h"

namespace daub {

// Whether setskl runs the geometry check before appending.
enum class GeometryCheck { kCheck, kTrusted };
// Whether deleting a line moves nowpoint to the deleted line's start.
enum class DeletedPoint { kBecomesNowpoint, kKeepNowpoint };

// Snap tolerances in screen pixels: drawing a line, and the vertex move command.
constexpr double kSnapTolerance = 4.0;
constexpr double kJoinSnapTolerance = 14.0;
// World distance of the end-join run by the vertex move command.
constexpr double kEndJoinDistance = 7.0;

// Appends `line` (link set to 0) at the end of the layer's line chain, after
// sklck unless kTrusted; `out` and `number` get the stored copy and its number,
// which also become nowline / nowlinevalid. Returns the number, 0 on failure.
int setskl(App& app, const LineRecord& line, LineRecord& out, int& number, int layer,
           GeometryCheck check = GeometryCheck::kCheck);

// Number of lines of the layer; 0 after "レイヤーが存在しません" when it does not exist.
int totalskl(App& app, int layer);

// Copies line n into `out`; returns n.
int getline(App& app, int n, LineRecord& out, int layer);

// Overwrites line n with `line`; the stored link is kept whatever `line` holds. Returns n.
int changeline(App& app, int n, const LineRecord& line, int layer);

// Gives line n the current line pen of the settings; returns n.
int linenow(App& app, int n, int layer);

// Deletes line n: later lines move down, regions naming it are removed and
// the others renumbered; clears nowlinevalid and the line extraction list, and
// unless kKeepNowpoint sets nowpoint to the deleted line's A. Returns n.
int delskl(App& app, int n, int layer, DeletedPoint point = DeletedPoint::kBecomesNowpoint);

// Line cut: cuts line n where `cutter` meets it, deletes n (delskl with
// `point`) and appends the first half (A to the cut) and the second half (the
// cut to B). `out`/`out_number` get the second half, `cut_point` the cut
// with the line's direction there. Returns 1, 0 when they do not meet or a
// half is refused (then nothing changes).
int cut_line(App& app, int n, const LineGeometry& cutter, LineRecord& out, int& out_number,
             PointDir& cut_point, int layer, DeletedPoint point = DeletedPoint::kBecomesNowpoint);

// Reverse: deletes line n and appends it reversed (ends swapped, both angles
// + π, normalised) as the new nowline; nowpoint becomes its new B. `out` and
// `out_number` get the appended line. Returns its number, 0 on failure.
int reverse_line(App& app, int n, LineRecord& out, int& out_number, int layer);

// The drawn line end nearest to q, and among the ends meeting there the one
// whose direction (forwards or backwards) is closest to q's angle. Returns 1,
// or 0 silently when no end is in reach.
int nearestvt(App& app, const PointDir& q, PointDir& out, int layer);

// Snap: moves p (keeping its angle) onto the nearest line end when it is
// closer than `tolerance` screen pixels, else onto the nearest probe crossing
// with a line through cutline. Returns 1 when p was moved.
int snap(App& app, PointDir& p, double tolerance, int layer);

// The nearest probe crossing with a line; within `tolerance` screen pixels the
// line is cut there and p moved onto the cut. Returns 1, else 0 silently.
int cutline(App& app, PointDir& p, double tolerance, int layer);

// Cut at a click: the line crossed nearest to the click by a probe is cut at
// that crossing, however far; the second half becomes nowline. Returns the
// line's number before the cut, 0 when none (messages captioned "cutline").
int cut_at_click(App& app, DPoint click, int layer);

// The line crossed nearest to the click by one of the four probes; returns its number, 0 if none.
int pickline(App& app, DPoint click, LineRecord& out, int layer);

// The nearest such line and, among the others, the next nearest. Returns 1 when both exist.
int picktwoline(App& app, DPoint click, LineRecord& out1, LineRecord& out2, int& n1, int& n2,
                int layer);

// The line whose ends are p and q (either way round), preferring matching
// angles. Returns 1, or 0 after "該当データが存在しません" (caption "nearestline").
int nearestline(App& app, const PointDir& p, const PointDir& q, LineRecord& out, int& number,
                int layer);

// Counts the ends of lines other than `skip` that lie on p; each match writes
// `out` (geometry, number, direction 1 for an A end and -1 for a B end).
// Returns the count; `out` holds the last match.
int NeighberLine(App& app, int skip, const PointDir& p, ExtractionItem& out, int layer);

// The line a drag names by an end: the drawn line end nearest to the drag
// position (nearestvt) and, among the lines ending there as NeighberLine
// finds them, the one leaving it in the direction nearest to the drag's
// (the first on ties). `out` gets that line with direction 1 when the drag
// position is nearer its B than its A, else -1. Returns the line's number,
// 0 silently when the layer has no drawn line.
int neighbour_line_at_drag(App& app, const PointDir& drag, ExtractionItem& out, int layer);

// End-join: moves the end of another line nearest to q onto the line end
// nearest to q when both are within `tolerance` world units. Returns 1 when a
// line was changed.
int join_ends(App& app, DPoint q, double tolerance, int layer);

// Rectangle: four straight lines with the current pen along the sides of the
// axis-parallel rectangle with these opposite corners. Returns the number of lines made.
int rectangle_lines(App& app, double x1, double y1, double x2, double y2, int layer);

// Ellipse: four quarter curves with the current pen forming the ellipse inscribed
// in that rectangle. Returns the number of lines made.
int ellipse_lines(App& app, double x1, double y1, double x2, double y2, int layer);

// Circle: the ellipse of the square centred on `centre` whose half side is the
// distance from the centre to `on`. Returns the number of lines made.
int circle_lines(App& app, DPoint centre, DPoint on, int layer);

}  // namespace daub
