#include "model/view.h"

namespace daub {

DPoint to_world(const App& app, int px, int py) { return to_worldf(app, px, py); }

DPoint to_worldf(const App& app, double px, double py) {
  DPoint w;
  screenftoworld(w.x, w.y, app.settings.view_center_x, app.settings.view_center_y, px, py,
                 app.view.vieworigin_x, app.view.vieworigin_y, app.settings.scale);
  return w;
}

IntPoint to_screen(const App& app, double wx, double wy) {
  IntPoint s;
  worldtoscreen(s.x, s.y, app.settings.view_center_x, app.settings.view_center_y, wx, wy,
                app.view.vieworigin_x, app.view.vieworigin_y, app.settings.scale);
  return s;
}

}  // namespace daub
