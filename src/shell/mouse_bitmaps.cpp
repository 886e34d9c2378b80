// Mouse commands on bitmap elements; each shows display mode 4 afterwards.

#include "drawing/bitmaps.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/mouse_commands.h"

namespace daub {

namespace {

DPoint press_point(const App& app) { return DPoint{app.in.dragvector.x, app.in.dragvector.y}; }

// 912: the current element is placed at the press and takes the current rate.
void place_current(App& app) {
  BitmapRecord record;
  const int n = app.in.nowbmp;
  if (!getbmphandle(app, n, record, app.in.nowlayer)) return;
  bmpmove(app, n, app.in.dragvector.x, app.in.dragvector.y, app.in.nowlayer);
  bmpnow(app, n, app.in.nowlayer);
}

}  // namespace

bool bitmap_mouse_command(App& app, int cmd) {
  const int layer = app.in.nowlayer;
  switch (cmd) {
    case 232: {
      DPoint anchor;
      app.in.nowbmp = nearestbmp(app, press_point(app), anchor, layer);
      app.in.mousecmd = 600;
      break;
    }
    case 234:
      bmpmove(app, app.in.nowbmp, app.in.dragvector.x, app.in.dragvector.y, layer);
      break;
    case 810:
      delete_bitmap_at(app, press_point(app), layer);
      break;
    case 811:
      move_bitmap_by_drag(app, app.in.pressworld, app.in.releaseworld, layer);
      break;
    case 912:
      place_current(app);
      break;
    default:
      return false;
  }
  setdispmode(app, 4);
  return true;
}

}  // namespace daub
