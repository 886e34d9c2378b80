// Regions and brushes: the mouse-command setters of region picking, the
// operations on the current region, the standard pen and brush commands and
// the brush dialogs.

#include "drawing/pack.h"
#include "drawing/regions.h"
#include "model/app.h"
#include "render/brush_dialogs.h"
#include "render/brushes.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {
namespace {

// 130 and 825 pick lines for a region, 135 a region; the enclosure outline goes.
bool region_setter(App& app, int id) {
  if (id != 130 && id != 825 && id != 135) return false;
  app.enclosure.clear();
  app.in.mousecmd = static_cast<std::uint16_t>(id);
  setdispmode(app, id == 135 ? 6 : 2);
  return true;
}

// 542-545: one part of the current settings onto the current region.
using RegionPartCopy = int (*)(App&, int, int);
RegionPartCopy region_part(int id) {
  switch (id) {
    case 542:
      return rgnnowbrstyle;
    case 543:
      return rgnnowhatchparam;
    case 544:
      return rgnnowhatchpen;
    case 545:
      return rgnnowcolor;
    default:
      return nullptr;
  }
}

// 136-139: the current region deleted, restyled or moved in the chain; the
// current region follows its region.
bool current_region_command(App& app, int id) {
  Interaction& in = app.in;
  const int n = in.nowrgn, layer = in.nowlayer;
  switch (id) {
    case 136:
      if (delpolygon(app, n, layer) != 0) in.nowrgn = 0;
      sklpack(app);
      break;
    case 137:
      if (pen_dot_input_dialog(app) == 1) rgnnow(app, n, layer);
      break;
    case 138:
      if (rgnswaplast(app, n, layer) != 0) in.nowrgn = region_total(app.drawing, layer);
      break;
    case 139:
      if (rgnswaptop(app, n, layer) != 0) in.nowrgn = 1;
      break;
    default:
      return false;
  }
  setdispmode(app, 6);
  return true;
}

// 134 makes a region of the extraction list; 1026, 1027, 1052 set the brush.
bool brush_command(App& app, int id) {
  switch (id) {
    case 134: {
      int number = 0;
      if (setrgn(app, app.settings.fill, number, app.in.nowlayer) != 0) app.line_stock.clear();
      setdispmode(app, 2);
      return true;
    }
    case 1026:
      brush_style_input(app);
      return true;
    case 1027:
      hatch_param_input(app);
      return true;
    case 1052:
      pen_dot_input_dialog(app);
      setdispmode(app, 5);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool region_command(App& app, int id) {
  if (region_setter(app, id)) return true;
  if (RegionPartCopy copy = region_part(id)) {
    copy(app, app.in.nowrgn, app.in.nowlayer);
    setdispmode(app, 5);
    return true;
  }
  BrushCommand row;
  if (standard_brush_command(id, row)) {
    apply_brush_command(app.settings, row);
    return true;
  }
  return current_region_command(app, id) || brush_command(app, id);
}

}  // namespace daub
