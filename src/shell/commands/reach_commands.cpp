// Commands that finish their families: the construction and canvas mouse
// commands chosen from the painting and line menus' neighbours, the brush
// presets, the current point moved by the construction distance, canvases
// put at the current point, and the parameter inputs next to the pen and
// brush dialogs. docs/command_ids.md says what each does.

#include <algorithm>
#include <cmath>

#include "geometry/angle.h"
#include "model/app.h"
#include "model/settings.h"
#include "paint/canvas.h"
#include "platform/input_box.h"
#include "render/brush_dialogs.h"
#include "render/pen_dialogs.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {
namespace {

// Mouse commands and the display mode their setter shows (-1: repaint).
struct Setter {
  int id;
  int mode;
  bool clear_enclosure;
};

constexpr Setter kSetters[] = {
    {678, -1, false}, {687, -1, false}, {717, -1, false}, {746, -1, false}, {764, -1, false},
    {765, -1, false}, {766, -1, false}, {767, -1, false}, {768, -1, false}, {769, -1, false},
    {770, -1, false}, {771, -1, false}, {772, -1, false}, {813, -1, false}, {814, -1, false},
    {815, -1, false}, {773, 2, false},  {609, 2, true},   {640, 2, true},   {616, 1, false},
    {617, 1, false},  {618, 1, false},  {633, 1, false},  {634, 1, false},  {637, 1, false},
};

bool setter_command(App& app, int id) {
  for (const Setter& s : kSetters) {
    if (s.id != id) continue;
    if (s.clear_enclosure) app.enclosure.clear();
    app.in.mousecmd = static_cast<std::uint16_t>(id);
    s.mode < 0 ? repaint(app) : setdispmode(app, s.mode);
    return true;
  }
  return false;
}

// 754–758 the brush width presets; 747 a hard and 763 a soft dab; 360 the
// brush as at start.
bool brush_preset(App& app, int id) {
  constexpr std::pair<int, double> kWidths[] = {{754, 1}, {755, 3}, {756, 5}, {757, 10}, {758, 20}};
  for (auto [preset, width] : kWidths)
    if (preset == id) app.brush.width = width;
  if (id == 747) app.brush.blur = 0;
  if (id == 763) app.brush.blur = BrushParams{}.blur;
  if (id == 360) app.brush = BrushParams{};
  return (id >= 754 && id <= 758) || id == 747 || id == 763 || id == 360;
}

// 704: the dab's density at its centre, 0..1.
void density_input(App& app) {
  double d = app.brush.density;
  if (!ask_value(app, "ブラシ濃度入力（０〜１）", "%lf", d)) return;
  if (!(d >= 0 && d <= 1)) {
    message(app.ui, "CAUTION", "ブラシ濃度は０から１で指定してください");
    return;
  }
  app.brush.density = d;
}

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

// 673, 696, 726: the canvas's top-left goes to the current point; 905:
// canvas 1 back to the origin.
bool place_command(App& app, int id) {
  const int slot = id == 673 ? 1 : id == 696 ? 2 : id == 726 ? 3 : id == 905 ? 1 : 0;
  if (slot == 0) return false;
  if (id == 905) {
    place_canvas(app, 1, 0, 0);
  } else if (app.in.nowpointvalid) {
    place_canvas(app, slot, app.in.nowpoint.x, app.in.nowpoint.y);
  } else {
    message(app.ui, "CAUTION", "注目点を指定してください");
    return true;
  }
  setdispmode(app, 2);
  return true;
}

// 886, 891: canvas 1 or 2 shown or hidden, whichever it is not.
bool toggle_command(App& app, int id) {
  if (id != 886 && id != 891) return false;
  CanvasSlot& s = *canvas_slot(app, id == 886 ? 1 : 2);
  s.shown = s.shown ? 0 : 1;
  repaint(app);
  return true;
}

// The parameter inputs beside the pen and brush dialogs; the ids of
// 1049–1054 show the lines afterwards.
bool parameter_command(App& app, int id) {
  switch (id) {
    case 280:
      pen_dot_input_dialog(app);
      break;
    case 279:
    case 1048:
    case 1054:
      pen_input_dialog(app);
      break;
    case 1049:
      pen_style_input(app);
      break;
    case 1050:
      pen_width_input(app);
      break;
    case 1051:
      nowdotparamdlg(app);
      break;
    case 1053:
      color_input_dialog(app);
      break;
    case 515:
      ask_value(app, "ベクトル長入力", "%lf", app.settings.vector_length);
      repaint(app);
      return true;
    case 570:
      if (std::optional<Colorref> c = pick_color(app)) app.settings.color = *c;
      return true;
    case 599:
      ask_value(app, "ビットマップ倍率入力", "%lf", app.settings.bmp_rate);
      return true;
    default:
      return false;
  }
  if (id >= 1049) setdispmode(app, 0);
  return true;
}

// 866: the text parameters back to their start values.
void text_defaults(App& app) {
  Settings d;
  set_drawing_defaults(d);
  Settings& s = app.settings;
  s.font = d.font;
  s.chars_per_line = d.chars_per_line;
  s.char_spacing = d.char_spacing;
  s.column_spacing = d.column_spacing;
  s.max_stretch = d.max_stretch;
  std::copy(std::begin(d.tabs), std::end(d.tabs), std::begin(s.tabs));
}

}  // namespace

bool reach_command(App& app, int id) {
  if (id == 866) {
    text_defaults(app);
    return true;
  }
  if (id == 581) {  // pages are then read from and written to the working folder
    app.files.page_folder = app.files.working_folder;
    return true;
  }
  if (setter_command(app, id) || step_point(app, id) || place_command(app, id) ||
      toggle_command(app, id) || parameter_command(app, id))
    return true;
  if (id == 704) {
    density_input(app);
    return true;
  }
  if (!brush_preset(app, id)) return false;
  repaint(app);
  return true;
}

}  // namespace daub
