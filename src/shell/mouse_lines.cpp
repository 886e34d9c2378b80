// Mouse commands that draw and edit lines, run at release.
//
// Steps they share: a held point stands in for the press (take_held_point);
// commands that go on from the current point need one (has_nowpoint); a new
// line end snaps onto a line end or a line of the current layer
// (snap_to_layer); some take the nearest line end as it is (nearestvt).

#include <array>
#include <cmath>

#include "drawing/line_construction.h"
#include "drawing/lines.h"
#include "drawing/pack.h"
#include "drawing/selection.h"
#include "geometry/angle.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/mouse.h"
#include "shell/mouse_commands.h"

namespace daub {
namespace {

// Length of the auxiliary line that command 125 extends from the current point.
constexpr double kExtensionLength = 10000.0;

DPoint position(const PointDir& p) { return {p.x, p.y}; }

bool coincide(DPoint a, DPoint b) {
  return std::fabs(a.x - b.x) < 1e-10 && std::fabs(a.y - b.y) < 1e-10;
}

// Commands that go on from the current point stop here without one, and
// without a repaint.
bool has_nowpoint(App& app) {
  if (app.in.nowpointvalid != 0) return true;
  message(app.ui, "CAUTION", "注目点を指定してください");
  return false;
}

// 110-113, 116, 141, 601: the current point, its direction and the current line.
void point_command(App& app, int cmd) {
  Interaction& in = app.in;
  const PointDir drag = in.dragvector;
  if ((cmd == 112 || cmd == 113) && !has_nowpoint(app)) return;
  switch (cmd) {
    case 110:
      in.nowpoint = drag;
      in.nowpointvalid = 1;
      break;
    case 111:
      if (nearestvt(app, drag, in.nowpoint, in.nowlayer) != 0) in.nowpointvalid = 1;
      in.mousecmd = 112;
      break;
    case 601: {  // as 111, but the end is met from the other side
      const PointDir back{drag.x, drag.y, normalize_angle(drag.angle + kPi)};
      PointDir found;
      if (nearestvt(app, back, found, in.nowlayer) != 0) {
        in.nowpoint = {found.x, found.y, normalize_angle(found.angle - kPi)};
        in.nowpointvalid = 1;
      }
      break;
    }
    case 112:
      in.nowpoint.angle = drag.angle;
      break;
    case 113:
      in.nowpoint.angle = nearest_fixed_direction(drag.angle);
      break;
    case 116:
    case 141:
      in.nowlinevalid = pickline(app, position(drag), in.nowline, in.nowlayer);
      if (in.nowlinevalid == 0) break;
      in.nowpoint = {in.nowline.geom.x1, in.nowline.geom.y1, in.nowline.geom.a1};
      in.nowpointvalid = 1;
      if (cmd == 141) {
        delskl(app, in.nowlinevalid, in.nowlayer);
        sklpack(app);
        nowreset(app);
      }
      break;
  }
  setdispmode(app, 1);
}

// Where the line of a line-to command ends; false when there is no such end.
bool line_end(App& app, int cmd, PointDir& to) {
  const PointDir drag = app.in.dragvector;
  PointDir vertex;
  switch (cmd) {
    case 120:
    case 126:
      to = drag;
      snap_to_layer(app, to);
      return true;
    case 121:
    case 127:
      return nearestvt(app, drag, to, app.in.nowlayer) != 0;
    case 593:
      if (nearestvt(app, drag, vertex, app.in.nowlayer) == 0) return false;
      to = {drag.x, drag.y, vertex.angle};
      return true;
    case 122:
      if (nearestvt(app, drag, vertex, app.in.nowlayer) == 0) return false;
      to = {vertex.x, vertex.y, drag.angle};
      return true;
  }
  return false;
}

// 120-122, 126, 127, 593: a line from the current point to the drag.
void line_to_command(App& app, int cmd) {
  take_held_point(app);
  if (!has_nowpoint(app)) return;
  PointDir to;
  const int kind = (cmd == 126 || cmd == 127) ? kShapeStraight : kShapeCurve;
  if (line_end(app, cmd, to)) makelineto(app, app.in.nowpoint, to, kind, app.in.nowlayer);
  if (cmd == 127) app.in.mousecmd = 600;
  setdispmode(app, 1);
}

// 898: a curve along a freehand drag, from its start to its end.
void freehand_curve(App& app) {
  strokeends(app);
  snap_to_layer(app, app.in.nowpoint);
  snap_to_layer(app, app.in.dragvector);
  makelineto(app, app.in.nowpoint, app.in.dragvector, kShapeCurve, app.in.nowlayer);
  setdispmode(app, 1);
}

// 908, 968: the first drag of a chain places its start; every later drag
// draws on to its press point, until the right button ends the chain.
void chain_command(App& app, int kind) {
  Interaction& in = app.in;
  if (in.nowpointvalid == 0) {
    in.nowpoint = in.dragvector;
    in.nowpointvalid = 1;
    snap_to_layer(app, in.nowpoint);
  } else {
    snap_to_layer(app, in.dragvector);
    makelineto(app, in.nowpoint, in.dragvector, kind, in.nowlayer);
  }
  setdispmode(app, 1);
}

// 128, 591: a straight line from the press to the release, the ends snapped
// (128) or put on their nearest line ends (591); the current point stays.
void press_to_release(App& app, int cmd) {
  const Interaction& in = app.in;
  std::array<PointDir, 2> ends = {
      in.dragvector, PointDir{in.releaseworld.x, in.releaseworld.y, in.dragvector.angle}};
  for (PointDir& end : ends) {
    PointDir vertex;
    if (cmd == 128)
      snap_to_layer(app, end);
    else if (nearestvt(app, end, vertex, in.nowlayer) != 0)
      end = vertex;
  }
  if (!coincide(position(ends[0]), position(ends[1])) &&
      add_with_current_pen(app, straight_geometry(position(ends[0]), position(ends[1])),
                           in.nowlayer) == 0)
    app.in.nowpointvalid = 1;
  setdispmode(app, 1);
}

// 869, 871: moves a vertex; 869 snaps both positions (and joins ends when
// they snap to one point), 871 takes the line end nearest to the press.
void vertex_command(App& app, int cmd) {
  const Interaction& in = app.in;
  const int layer = in.nowlayer;
  PointDir from = in.dragvector;
  PointDir to{in.releaseworld.x, in.releaseworld.y, in.dragvector.angle};
  bool found = cmd == 869 ? snap(app, from, kJoinSnapTolerance, layer) != 0 &&
                                snap(app, to, kJoinSnapTolerance, layer) != 0
                          : nearestvt(app, in.dragvector, from, layer) != 0;
  if (found && coincide(position(from), position(to))) {
    if (cmd == 869) join_ends(app, position(from), kEndJoinDistance, layer);
  } else if (found) {
    move_vertex(app, position(from), position(to), layer);
  }
  setdispmode(app, 1);
}

// The line under the drag other than line `skip`; 0 when there is none.
int line_under_drag_except(App& app, int skip) {
  const DPoint at = position(app.in.dragvector);
  LineRecord first, second;
  int n1 = pickline(app, at, first, app.in.nowlayer);
  if (n1 != skip) return n1;
  int n2 = 0;
  return picktwoline(app, at, first, second, n1, n2, app.in.nowlayer) != 0 ? n2 : 0;
}

// 310, 602, 311: cutting lines where they cross.
void cut_command(App& app, int cmd) {
  Interaction& in = app.in;
  const DPoint at = position(in.dragvector);
  int unused = 0;
  if (cmd == 310) {
    const int picked = line_under_drag_except(app, in.nowlinevalid);
    if (in.nowlinevalid != 0 && picked != 0)
      cross_cut(app, in.nowlinevalid, picked, in.nowlayer, unused);
    in.mousecmd = 600;
  } else if (cmd == 602) {
    LineRecord l1, l2;
    int n1 = 0, n2 = 0;
    if (picktwoline(app, at, l1, l2, n1, n2, in.nowlayer) != 0)
      cross_cut(app, n1, n2, in.nowlayer, unused);
  } else {
    take_held_point(app);
    cut_at_click(app, position(in.dragvector), in.nowlayer);
  }
  sklpack(app);
  cmd == 311 ? repaint(app) : setdispmode(app, 1);
}

// 125: the line from the current point along its direction, up to the first
// line it meets at the drag.
void extend_to_line(App& app) {
  Interaction& in = app.in;
  const int layer = in.nowlayer;
  const DPoint from = position(in.nowpoint);
  const DPoint far{from.x + kExtensionLength * std::cos(in.nowpoint.angle),
                   from.y + kExtensionLength * std::sin(in.nowpoint.angle)};
  const int helper = add_with_current_pen(app, straight_geometry(from, far), layer);
  if (helper == 0) return;
  const int target = line_under_drag_except(app, helper);
  int beyond = 0;
  if (target == 0 || cross_cut(app, helper, target, layer, beyond) == 0)
    delskl(app, helper, layer, DeletedPoint::kKeepNowpoint);
  else
    delskl(app, beyond, layer);  // the current point moves to the crossing
}

// 124: a straight line along the current direction, as far as the drag
// reaches along it (behind the current point when the drag lies behind).
void continue_along(App& app) {
  const PointDir& p = app.in.nowpoint;
  const PointDir& drag = app.in.dragvector;
  const double c = std::cos(p.angle), s = std::sin(p.angle);
  const double reach = (drag.x - p.x) * c + (drag.y - p.y) * s;
  add_with_current_pen(app, straight_geometry(position(p), {p.x + reach * c, p.y + reach * s}),
                       app.in.nowlayer);
}

// 124, 125, 300-302, 610-613: constructions of whole lines and shapes.
void construction_command(App& app, int cmd) {
  Interaction& in = app.in;
  if (cmd == 124 || cmd == 125 || cmd == 301) {
    take_held_point(app);
    if (!has_nowpoint(app)) return;
  }
  const DPoint press = in.pressworld, release = in.releaseworld;
  switch (cmd) {
    case 124:
    case 125:
      cmd == 124 ? continue_along(app) : extend_to_line(app);
      in.mousecmd = 600;
      setdispmode(app, 1);
      return;
    case 300:
      rectangle_lines(app, press.x, press.y, release.x, release.y, in.nowlayer);
      break;
    case 301:
      circle_lines(app, position(in.nowpoint), position(in.dragvector), in.nowlayer);
      break;
    case 302:
      ellipse_lines(app, press.x, press.y, release.x, release.y, in.nowlayer);
      break;
    default: {
      const DPoint a = to_world(app, in.pressscreen.x, in.pressscreen.y);
      const DPoint b = to_world(app, in.releasescreen.x, in.releasescreen.y);
      const ArcTurn turn = (cmd == 610 || cmd == 612) ? ArcTurn::kIncreasing : ArcTurn::kDecreasing;
      const ArcSide side = cmd <= 611 ? ArcSide::kLeft : ArcSide::kRight;
      arc_between_ends(app, a, b, turn, side, in.nowlayer);
      setdispmode(app, 1);
      return;
    }
  }
  repaint(app);
}

}  // namespace

bool line_mouse_command(App& app, int cmd) {
  switch (cmd) {
    case 110:
    case 111:
    case 112:
    case 113:
    case 116:
    case 141:
    case 601:
      point_command(app, cmd);
      return true;
    case 120:
    case 121:
    case 122:
    case 126:
    case 127:
    case 593:
      line_to_command(app, cmd);
      return true;
    case 898:
      freehand_curve(app);
      return true;
    case 908:
    case 968:
      chain_command(app, cmd == 908 ? kShapeCurve : kShapeStraight);
      return true;
    case 128:
    case 591:
      press_to_release(app, cmd);
      return true;
    case 869:
    case 871:
      vertex_command(app, cmd);
      return true;
    case 310:
    case 311:
    case 602:
      cut_command(app, cmd);
      return true;
    case 124:
    case 125:
    case 300:
    case 301:
    case 302:
    case 610:
    case 611:
    case 612:
    case 613:
      construction_command(app, cmd);
      return true;
    default:
      return false;
  }
}

}  // namespace daub
