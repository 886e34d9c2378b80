// Dialogs that set the current pen and colour, and the values the
// construction commands measure with. None of them repaints: the new values
// show with the next element drawn.

#include "model/app.h"
#include "render/pen_dialogs.h"
#include "shell/commands/command_families.h"

namespace daub {

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
      return false;
  }
}

}  // namespace daub
