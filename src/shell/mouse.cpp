#include "shell/mouse.h"

#include "shell/mouse_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "geometry/angle.h"
#include "model/app.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "render/display.h"
#include "render/view.h"
#include "shell/mouse_commands.h"
#include "shell/view_commands.h"

namespace daub {
namespace {

// A brush drag longer than this many recorded positions drops the rest, as a
// stroke list that cannot grow does; it keeps one drag from eating memory.
constexpr std::size_t kMaxStrokePoints = std::size_t{1} << 20;

bool one_of(int cmd, std::initializer_list<int> ids) {
  return std::find(ids.begin(), ids.end(), cmd) != ids.end();
}

// Line and curve commands that start from the current point: the press shows
// where the next piece would go.
bool ticks_always(int cmd) {
  return one_of(cmd, {120, 121, 122, 892, 893, 894, 921, 927, 933, 939, 945, 951});
}
// Chain commands: they start from the current point only once a chain runs.
bool is_chain(int cmd) { return one_of(cmd, {908, 909, 910, 911, 923, 929, 935, 941, 947, 953}); }
bool records_trail(int cmd) {
  return one_of(cmd, {895, 896, 897, 898, 922, 928, 934, 940, 946, 952});
}
bool records_stroke(int cmd) { return cmd >= 1062 && cmd <= 1071; }

void record_trail(Interaction& in, DPoint w) {
  if (in.movefirstcount < 10) in.movefirst[in.movefirstcount++] = w;
  std::copy_backward(in.moverecent.begin(), in.moverecent.end() - 1, in.moverecent.end());
  in.moverecent[0] = w;
  in.moverecentcount = std::min(in.moverecentcount + 1, 10);
}

}  // namespace

void MouseDown(App& app) {
  const Interaction& in = app.in;
  bool show = ticks_always(in.mousecmd) || (is_chain(in.mousecmd) && in.nowpointvalid == 1);
  Dc* dc = app.ui.window_dc();
  if (!show || dc == nullptr) return;
  DPoint p = to_world(app, in.pressscreen.x, in.pressscreen.y);
  Colorref color = display_color(app, 736);
  double length = tick_length(app);
  double toward = std::atan2(p.y - in.nowpoint.y, p.x - in.nowpoint.x);
  dispvector(app, *dc, PointDir{p.x, p.y, toward}, length, color);
  dispvector(app, *dc, PointDir{p.x, p.y, normalize_angle(in.nowpoint.angle + kPi)}, length, color);
}

void MouseMove(App& app, int x, int y) {
  int cmd = app.in.mousecmd;
  if (records_trail(cmd)) {
    record_trail(app.in, to_world(app, x, y));
  } else if (records_stroke(cmd) && app.in.strokepoints.size() < kMaxStrokePoints) {
    app.in.strokepoints.push_back(IntPoint{x, y});
  }
}

void MouseRight(App& app) {
  if (!is_chain(app.in.mousecmd) && app.in.mousecmd != 968) return;
  if (app.in.nowpointvalid != 1) return;
  app.in.nowpointvalid = 0;
  repaint(app);
}

void take_held_point(App& app) {
  if (app.in.heldpointvalid != 1) return;
  app.in.dragvector = app.in.heldpoint;
  app.in.heldpointvalid = 0;
}

int MouseCommand(App& app) {
  // Ids without an action do nothing at all, not even a repaint.
  const int cmd = app.in.mousecmd;
  if (view_mouse_command(app, cmd)) return 0;
  if (line_mouse_command(app, cmd)) return 0;
  if (canvas_mouse_command(app, cmd)) return 0;
  if (painting_mouse_command(app, cmd)) return 0;
  if (region_mouse_command(app, cmd)) return 0;
  if (text_mouse_command(app, cmd)) return 0;
  if (tracing_mouse_command(app, cmd)) return 0;
  if (construction_mouse_command(app, cmd)) return 0;
  if (selection_mouse_command(app, cmd)) return 0;
  bitmap_mouse_command(app, cmd);
  return 0;
}

int pointinput(App& app) {
  if (input_box(app.ui, app.input, "ｘ座標，ｙ座標，ベクトルの方向",
                printf_text("%lf,%lf,%lf", app.in.nowpoint.x, app.in.nowpoint.y,
                            app.in.nowpoint.angle * 180.0 / kPi)) != 1)
    return 0;
  double x = 0, y = 0, degrees = 0;
  if (std::sscanf(app.input.buffer.c_str(), "%lf,%lf,%lf", &x, &y, &degrees) != 3) return 0;
  // A point that is not a number would poison every later line; refuse it
  // like text that holds no numbers.
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(degrees)) return 0;
  app.in.nowpoint = PointDir{x, y, normalize_angle(degrees * kPi / 180.0)};
  app.in.nowpointvalid = 1;
  return 1;
}

}  // namespace daub
