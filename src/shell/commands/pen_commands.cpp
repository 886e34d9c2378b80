// Dialogs that set the current pen and colour, and the values the
// construction commands measure with. Most do not repaint: the new values
// show with the next element drawn; the inputs 1049-1054 show the lines
// afterwards and the vector length repaints the marks it sizes.

#include <optional>

#include "model/app.h"
#include "render/brush_dialogs.h"
#include "render/pen_dialogs.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {
namespace {

// The parameter inputs beside the pen and brush dialogs.
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

}  // namespace

bool pen_command(App& app, int id) {
  switch (id) {
    case 262:
      pen_input_dialog(app);
      return true;
    case 264:
      pen_style_input(app);
      return true;
    case 265:
      pen_width_input(app);
      return true;
    case 278:
      color_input_dialog(app);
      return true;
    case 436:
      nowdotparamdlg(app);
      return true;
    case 608:
      construction_distance_input(app);
      return true;
    case 628:
      arc_angle_input(app);
      return true;
    default:
      return parameter_command(app, id);
  }
}

}  // namespace daub
