// Mouse commands that draw and edit lines.

#include "shell/app.h"
#include "shell/mouse_commands.h"

namespace daub {

bool line_mouse_command(App&, int) { return false; }

}  // namespace daub
