// The mouse commands that construct with the construction distance d
// (command 608): a square enclosure, a square, a circle, a step from the
// current point, parallels to the drag and a line of length d.

#include <cmath>

#include "drawing/line_construction.h"
#include "drawing/lines.h"
#include "drawing/pack.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/mouse_commands.h"

namespace daub {
namespace {

// The unit vector from the press to the release; none for a click.
std::optional<DPoint> drag_direction(const App& app) {
  const DPoint p = app.in.pressworld, r = app.in.releaseworld;
  const double len = std::hypot(r.x - p.x, r.y - p.y);
  if (!(len > 1e-10)) return std::nullopt;
  return DPoint{(r.x - p.x) / len, (r.y - p.y) / len};
}

void add_straight(App& app, DPoint a, DPoint b) {
  add_with_current_pen(app, straight_geometry(a, b), app.in.nowlayer);
}

// 609: the enclosure becomes the square of half side d about the press.
void enclosure_square(App& app, DPoint c, double d) {
  app.enclosure = {{c.x - d, c.y - d}, {c.x + d, c.y - d}, {c.x + d, c.y + d}, {c.x - d, c.y + d}};
}

// 616: a square of side d from the press into the drag's quadrant.
void square(App& app, DPoint c, double d) {
  const DPoint r = app.in.releaseworld;
  const double sx = r.x < c.x ? -d : d, sy = r.y < c.y ? -d : d;
  rectangle_lines(app, c.x, c.y, c.x + sx, c.y + sy, app.in.nowlayer);
}

// 618: a straight line of length d from the current point along its
// direction; the current point moves to its end.
void step_line(App& app, double d) {
  if (!app.in.nowpointvalid) {
    message(app.ui, "CAUTION", "注目点を指定してください");
    return;
  }
  PointDir& p = app.in.nowpoint;
  const DPoint a{p.x, p.y}, b{p.x + d * std::cos(p.angle), p.y + d * std::sin(p.angle)};
  if (add_with_current_pen(app, straight_geometry(a, b), app.in.nowlayer) == 0) return;
  p.x = b.x;
  p.y = b.y;
}

// 633, 634: the drag's segment moved by d to its left (633) or right (634)
// as seen along the drag; 637: a line of length d from the press towards
// the release.
void along_drag(App& app, int cmd, double d) {
  const std::optional<DPoint> u = drag_direction(app);
  if (!u) return;
  const DPoint p = app.in.pressworld, r = app.in.releaseworld;
  if (cmd == 637) return add_straight(app, p, {p.x + d * u->x, p.y + d * u->y});
  // y runs downwards, so the left of direction (ux, uy) is (uy, −ux).
  const double side = cmd == 633 ? 1 : -1;
  const DPoint n{side * d * u->y, -side * d * u->x};
  add_straight(app, {p.x + n.x, p.y + n.y}, {r.x + n.x, r.y + n.y});
}

}  // namespace

bool construction_mouse_command(App& app, int cmd) {
  const double d = app.construction.distance;
  const DPoint press = app.in.pressworld;
  switch (cmd) {
    case 609:
      enclosure_square(app, press, d);
      setdispmode(app, 2);
      return true;
    case 616:
    case 617:
      cmd == 616 ? square(app, press, d)
                 : (void)circle_lines(app, press, {press.x + d, press.y}, app.in.nowlayer);
      sklpack(app);
      break;
    case 618:
      step_line(app, d);
      break;
    case 633:
    case 634:
    case 637:
      along_drag(app, cmd, d);
      break;
    default:
      return false;
  }
  setdispmode(app, 1);
  return true;
}

}  // namespace daub
