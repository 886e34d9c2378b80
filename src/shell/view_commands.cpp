#include "shell/view_commands.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <string>

#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "render/view.h"
#include "shell/mouse.h"

namespace daub {
namespace {

// Scales of the fixed-scale commands 201..209.
constexpr double kFixedScales[9] = {4.0, 2.8, 2.0, 1.4, 1.0, 0.7, 0.5, 0.35, 0.25};

// Opens the input box with `current`; true with the number read back when the
// user gave one. A zero, negative or non-finite value would make the
// world-from-screen division meaningless, so it is refused with a message.
bool ask_positive(App& app, double current, double& value) {
  app.input.buffer = printf_text("%lf", current);
  if (input_box(app.ui, app.input) != 1) return false;
  if (std::sscanf(app.input.buffer.c_str(), "%lf", &value) != 1) return false;
  if (std::isfinite(value) && value > 0) return true;
  message(app.ui, "CAUTION", "縮尺は正の数で指定してください");
  return false;
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

// Whole world units for `pixels` client pixels at the scale, at least one
// either way for any movement.
int world_units(int pixels, double scale) {
  const int units = trunc_to_int(pixels / scale);
  if (units == 0 && pixels != 0) return pixels > 0 ? 1 : -1;
  return units;
}

// The next fixed scale above (up) or below the scale; none past the ends.
double next_fixed_scale(double scale, bool up) {
  // A scale within this ratio of a fixed one counts as that one.
  constexpr double kSame = 1e-6;
  if (up) {
    for (int i = 8; i >= 0; --i)
      if (kFixedScales[i] > scale * (1 + kSame)) return kFixedScales[i];
  } else {
    for (double s : kFixedScales)
      if (s < scale * (1 - kSame)) return s;
  }
  return scale;
}

}  // namespace

void scroll_view(App& app, int right, int down) {
  app.view.vieworigin_x =
      add_clamped(app.view.vieworigin_x, world_units(right, app.settings.scale));
  app.view.vieworigin_y = add_clamped(app.view.vieworigin_y, world_units(down, app.settings.scale));
  repaint(app);
}

void zoom_view(App& app, int steps, IntPoint about) {
  double scale = app.settings.scale;
  // Nine steps cross the whole range.
  for (int i = std::clamp(steps, -9, 9); i != 0; i += i > 0 ? -1 : 1)
    scale = next_fixed_scale(scale, steps > 0);
  if (scale == app.settings.scale) return;
  // The origin is whole world units, so the point stays within one unit.
  const DPoint fixed = to_world(app, about.x, about.y);
  app.settings.scale = scale;
  app.view.vieworigin_x = trunc_to_int(fixed.x - (about.x - app.settings.view_center_x) / scale);
  app.view.vieworigin_y = trunc_to_int(fixed.y - (about.y - app.settings.view_center_y) / scale);
  repaint(app);
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
