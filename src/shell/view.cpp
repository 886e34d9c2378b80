#include "shell/view.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

#include "shell/input_box.h"
#include "shell/mouse.h"
#include "shell/printf_text.h"

namespace daub {
namespace {

// Scales of the fixed-scale commands 201..209.
constexpr double kFixedScales[9] = {4.0, 2.8, 2.0, 1.4, 1.0, 0.7, 0.5, 0.35, 0.25};

// Opens the input box with `current`; true with the number read back when the
// user gave one. A zero, negative or non-finite value would make the
// world-from-screen division meaningless, so it is refused with a message.
bool ask_positive(App& app, double current, double& value) {
  app.input.buffer = printf_text("%lf", current);
  if (input_box(app) != 1) return false;
  if (std::sscanf(app.input.buffer.c_str(), "%lf", &value) != 1) return false;
  if (std::isfinite(value) && value > 0) return true;
  message(app.ui, "CAUTION", "縮尺は正の数で指定してください");
  return false;
}

// Moves the view origin to the world point shown (dx, dy) pixels from P; with
// half the client size as the offset, P lands on the matching client corner.
void place_world_point(App& app, double wx, double wy, int dx, int dy) {
  IntPoint s = to_screen(app, wx, wy);
  DPoint q = to_worldf(app, static_cast<double>(s.x) + dx, static_cast<double>(s.y) + dy);
  app.view.vieworigin_x = trunc_to_int(q.x);
  app.view.vieworigin_y = trunc_to_int(q.y);
}

// The picture follows the drag: the origin moves against it by whole units.
void drag_view(App& app) {
  const Interaction& in = app.in;
  double dx = static_cast<double>(in.releasescreen.x) - in.pressscreen.x;
  double dy = static_cast<double>(in.releasescreen.y) - in.pressscreen.y;
  app.view.vieworigin_x =
      add_clamped(app.view.vieworigin_x, -trunc_to_int(dx / app.settings.scale));
  app.view.vieworigin_y =
      add_clamped(app.view.vieworigin_y, -trunc_to_int(dy / app.settings.scale));
}

void scale_input(App& app) {
  double value = 0;
  if (ask_positive(app, app.settings.scale, value)) app.settings.scale = value;
  repaint(app);
}

void print_origin_view(App& app) {
  double value = 0;
  if (ask_positive(app, app.settings.print_magnification, value)) {
    app.settings.print_magnification = value;
    app.settings.scale = 1.0;
    show_at_top_left(app, app.settings.print_origin_x, app.settings.print_origin_y);
    zoom_about_top_left(app, value);
  }
  repaint(app);
}

}  // namespace

int trunc_to_int(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 2147483648.0) return INT_MAX;
  if (v <= -2147483649.0) return INT_MIN;
  return static_cast<int>(v);
}

int add_clamped(int a, int b) {
  long long sum = static_cast<long long>(a) + b;
  if (sum > INT_MAX) return INT_MAX;
  if (sum < INT_MIN) return INT_MIN;
  return static_cast<int>(sum);
}

void screentoworld(double& wx, double& wy, double cx, double cy, int px, int py, int ox, int oy,
                   double scale) {
  screenftoworld(wx, wy, cx, cy, px, py, ox, oy, scale);
}

void screenftoworld(double& wx, double& wy, double cx, double cy, double px, double py, int ox,
                    int oy, double scale) {
  wx = (px - cx) / scale + ox;
  wy = (py - cy) / scale + oy;
}

void worldtoscreen(int& px, int& py, double cx, double cy, double wx, double wy, int ox, int oy,
                   double scale) {
  double fx = 0, fy = 0;
  worldtoscreenf(fx, fy, cx, cy, wx, wy, ox, oy, scale);
  px = trunc_to_int(fx);
  py = trunc_to_int(fy);
}

void worldtoscreenf(double& px, double& py, double cx, double cy, double wx, double wy, int ox,
                    int oy, double scale) {
  px = (wx - ox) * scale + cx;
  py = (wy - oy) * scale + cy;
}

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

void center_view_on_client(App& app) {
  app.settings.view_center_x = app.view.client_width / 2;
  app.settings.view_center_y = app.view.client_height / 2;
}

void repaint(App& app) { app.ui.repaint(); }

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

bool view_command(App& app, int id) {
  if (id >= 201 && id <= 209) {
    app.settings.scale = kFixedScales[id - 201];
    repaint(app);
    return true;
  }
  switch (id) {
    case 100:
      setdispmode(app, 0);
      return true;
    case 101:
      scale_input(app);
      return true;
    case 103:
      show_at_top_left(app, 0, 0);
      app.settings.print_origin_x = 0;
      app.settings.print_origin_y = 0;
      repaint(app);
      return true;
    case 104:
      print_origin_view(app);
      return true;
    case 594:
      show_at_bottom_left(app, 0, app.settings.lattice_height);
      repaint(app);
      return true;
    default:
      return false;
  }
}

bool view_mouse_command(App& app, int cmd) {
  switch (cmd) {
    case 600:
      drag_view(app);
      repaint(app);
      return true;
    case 1115:
      drag_view(app);
      setdispmode(app, 1);
      return true;
    case 102:
      take_held_point(app);
      app.view.vieworigin_x = trunc_to_int(app.in.dragvector.x);
      app.view.vieworigin_y = trunc_to_int(app.in.dragvector.y);
      repaint(app);
      return true;
    case 105:
      take_held_point(app);
      app.settings.print_origin_x = app.in.dragvector.x;
      app.settings.print_origin_y = app.in.dragvector.y;
      app.in.nowpoint = app.in.dragvector;
      repaint(app);
      return true;
    default:
      return false;
  }
}

}  // namespace daub
