#include "drawing/line_construction.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "drawing/curve_checks.h"
#include "drawing/lines.h"
#include "geometry/angle.h"

namespace daub {
namespace {

// Points closer than this in both coordinates are the same point.
constexpr double kSame = 1e-10;
// A freehand end is taken from the trail only when the trail has moved at
// least this far (world units) from the press or the release.
constexpr double kTrailReach = 1.0;

double distance(DPoint a, DPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool same_point(double x0, double y0, double x1, double y1) {
  return std::fabs(x1 - x0) < kSame && std::fabs(y1 - y0) < kSame;
}

// The half of `line` before (first) or after the point `at` on it.
LineRecord half_of(const LineRecord& line, const PointDir& at, bool first) {
  LineRecord half = line;
  LineGeometry& g = half.geom;
  (first ? g.x1 : g.x0) = at.x;
  (first ? g.y1 : g.y0) = at.y;
  (first ? g.a1 : g.a0) = at.angle;
  return half;
}

}  // namespace

int add_with_current_pen(App& app, const LineGeometry& g, int layer, GeometryCheck check) {
  LineRecord line;
  line.pen = app.settings.line_pen;
  line.geom = g;
  LineRecord stored;
  int number = 0;
  return setskl(app, line, stored, number, layer, check);
}

LineGeometry straight_geometry(DPoint a, DPoint b) {
  const double along = straight_angle(a.x, a.y, b.x, b.y);
  return {a.x, a.y, along, b.x, b.y, along, kShapeStraight, 0};
}

int makelineto(App& app, PointDir from, PointDir to, int kind, int layer) {
  const LineGeometry g = kind == kShapeStraight ? straight_geometry({from.x, from.y}, {to.x, to.y})
                                                : LineGeometry{from.x, from.y,   from.angle, to.x,
                                                               to.y,   to.angle, kind,       0};
  if (add_with_current_pen(app, g, layer) == 0) return 0;
  app.in.nowpoint = kind == kShapeStraight ? PointDir{to.x, to.y, g.a1} : to;
  return 1;
}

int snap_to_layer(App& app, PointDir& p) { return snap(app, p, kSnapTolerance, app.in.nowlayer); }

int strokeends(App& app) {
  Interaction& in = app.in;
  const DPoint press = in.pressworld;
  const DPoint release = in.releaseworld;
  in.nowpointvalid = 1;
  if (in.movefirstcount > 2 && in.moverecentcount > 2) {
    // The tenth (or last) position after the press and the tenth (or oldest
    // kept) before the release: far enough apart to give steady directions.
    const DPoint first = in.movefirst[std::min(in.movefirstcount, 10) - 1];
    const DPoint recent = in.moverecent[std::min(in.moverecentcount, 10) - 1];
    if (distance(press, first) >= kTrailReach && distance(release, recent) >= kTrailReach) {
      in.nowpoint = {press.x, press.y, straight_angle(press.x, press.y, first.x, first.y)};
      in.dragvector = {release.x, release.y,
                       straight_angle(recent.x, recent.y, release.x, release.y)};
      return 1;
    }
  }
  const double straight = straight_angle(press.x, press.y, release.x, release.y);
  in.nowpoint = {press.x, press.y, straight};
  in.dragvector = {release.x, release.y, straight};
  snap_to_layer(app, in.nowpoint);
  snap_to_layer(app, in.dragvector);
  return 1;
}

int cross_cut(App& app, int n1, int n2, int layer, int& n1_second) {
  // A line cannot cross itself here, and deleting it twice would take an
  // innocent line with it.
  if (n1 == n2) return 0;
  LineRecord line1, line2;
  if (getline(app, n1, line1, layer) == 0 || getline(app, n2, line2, layer) == 0) return 0;
  PointDir at1, at2;
  if (xseach(app, line1.geom, line2.geom, at1, at2) == 0) return 0;
  std::array<LineRecord, 4> pieces = {half_of(line1, at1, true), half_of(line1, at1, false),
                                      half_of(line2, at2, true), half_of(line2, at2, false)};
  for (LineRecord& piece : pieces)
    if (cutsklck(app, piece.geom) == 0) return 0;

  // The pieces go in before the whole lines go out, so that a block that
  // cannot grow loses nothing: a failed append takes back what it added.
  const LineRecord old_nowline = app.in.nowline;
  const int old_nowlinevalid = app.in.nowlinevalid;
  const int before = totalskl(app, layer);
  int added = 0;
  LineRecord stored;
  int number = 0;
  for (; added < 4; ++added)
    if (setskl(app, pieces[added], stored, number, layer, GeometryCheck::kTrusted) == 0) break;
  if (added < 4) {
    for (int k = added; k > 0; --k) delskl(app, before + k, layer, DeletedPoint::kKeepNowpoint);
    app.in.nowline = old_nowline;
    app.in.nowlinevalid = old_nowlinevalid;
    return 0;
  }
  // The later line first, so that the earlier keeps its number.
  delskl(app, std::max(n1, n2), layer);
  delskl(app, std::min(n1, n2), layer);
  // The four pieces now stand last, after the before - 2 lines that remain.
  const int first_piece = before - 1;
  n1_second = first_piece + 1;
  app.in.nowline = stored;
  app.in.nowlinevalid = first_piece + 3;
  return 1;
}

int move_vertex(App& app, DPoint from, DPoint to, int layer) {
  const int total = totalskl(app, layer);
  int changed = 0;
  for (int n = 1; n <= total; ++n) {
    LineRecord line;
    if (getline(app, n, line, layer) == 0) break;
    LineGeometry& g = line.geom;
    const bool at_a = same_point(g.x0, g.y0, from.x, from.y);
    if (!at_a && !same_point(g.x1, g.y1, from.x, from.y)) continue;
    move_line_end(g, !at_a, to.x, to.y);
    if (cutsklck(app, g) == 0 || changeline(app, n, line, layer) == 0) continue;
    app.in.nowline = line;
    app.in.nowlinevalid = n;
    app.in.nowpoint = at_a ? PointDir{g.x0, g.y0, g.a0} : PointDir{g.x1, g.y1, g.a1};
    app.in.nowpointvalid = 1;
    ++changed;
  }
  return changed;
}

}  // namespace daub
