// The held point and the current point (114, 115, 117).

#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"
#include "shell/mouse.h"

namespace daub {

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
      return false;
  }
  setdispmode(app, 1);
  return true;
}

}  // namespace daub
