// Mouse commands that pick lines for a region and the region under a point.

#include "drawing/lines.h"
#include "drawing/regions.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/mouse.h"
#include "shell/mouse_commands.h"

namespace daub {

bool region_mouse_command(App& app, int cmd) {
  if (cmd != 130 && cmd != 825 && cmd != 135) return false;
  take_held_point(app);
  Interaction& in = app.in;
  const DPoint at{in.dragvector.x, in.dragvector.y};
  if (cmd == 130) {
    pick_stock_line(app, at, in.nowlayer);
  } else if (cmd == 825) {
    ExtractionItem item;
    if (neighbour_line_at_drag(app, in.dragvector, item, in.nowlayer) != 0)
      toggle_stock_line(app, item);
  } else {
    in.nowrgn = polygonnum(app, at, in.nowlayer);
  }
  setdispmode(app, cmd == 135 ? 5 : 2);
  return true;
}

}  // namespace daub
