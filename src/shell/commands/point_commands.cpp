// The held point and the current point (114, 115, 117; 619, 635, 636).

#include <cmath>

#include "geometry/angle.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"
#include "shell/mouse.h"

namespace daub {
namespace {

// 619, 635, 636: the current point steps by the construction distance
// forwards, backwards or to its left, keeping its direction.
bool step_point(App& app, int id) {
  const double turn = id == 619 ? 0 : id == 635 ? kPi : id == 636 ? -kPi / 2 : 1;
  if (turn == 1) return false;
  if (!app.in.nowpointvalid) {
    message(app.ui, "CAUTION", "注目点を指定してください");
    return true;
  }
  PointDir& p = app.in.nowpoint;
  const double a = p.angle + turn;
  p.x += app.construction.distance * std::cos(a);
  p.y += app.construction.distance * std::sin(a);
  repaint(app);
  return true;
}

}  // namespace

bool held_point_command(App& app, int id) {
  Interaction& in = app.in;
  switch (id) {
    case 114:  // hold the current point, which stops being current
      in.heldpoint = in.nowpoint;
      in.heldpointvalid = 1;
      in.nowpointvalid = 0;
      break;
    case 115:
      in.heldpointvalid = 0;
      break;
    case 117:
      pointinput(app);
      break;
    default:
      return step_point(app, id);
  }
  setdispmode(app, 1);
  return true;
}

}  // namespace daub
