#include "render/view.h"

namespace daub {
namespace {

// Moves the view origin to the world point shown (dx, dy) pixels from P; with
// half the client size as the offset, P lands on the matching client corner.
void place_world_point(App& app, double wx, double wy, int dx, int dy) {
  IntPoint s = to_screen(app, wx, wy);
  DPoint q = to_worldf(app, static_cast<double>(s.x) + dx, static_cast<double>(s.y) + dy);
  app.view.vieworigin_x = trunc_to_int(q.x);
  app.view.vieworigin_y = trunc_to_int(q.y);
}

}  // namespace

void center_view_on_client(App& app) {
  app.settings.view_center_x = app.view.client_width / 2;
  app.settings.view_center_y = app.view.client_height / 2;
}

// The paint cycle may run later, once for several requests; what it sets of
// the view that commands read is set now.
void repaint(App& app) {
  center_view_on_client(app);
  app.ui.repaint();
}

void setdispmode(App& app, int mode) {
  app.in.dispmode = mode;
  if (mode == 3) app.in.englishentry = 0;
  if (mode == 8) app.in.englishentry = 1;
  repaint(app);
}

void show_at_top_left(App& app, double wx, double wy) {
  place_world_point(app, wx, wy, app.view.client_width / 2, app.view.client_height / 2);
}

void show_at_bottom_left(App& app, double wx, double wy) {
  place_world_point(app, wx, wy, app.view.client_width / 2, -(app.view.client_height / 2));
}

void zoom_about_top_left(App& app, double factor) {
  DPoint corner = to_worldf(app, 0, 0);
  app.settings.scale *= factor;
  show_at_top_left(app, corner.x, corner.y);
}

}  // namespace daub
