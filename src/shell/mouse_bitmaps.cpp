// Mouse commands on bitmap elements.

#include "shell/app.h"
#include "shell/mouse_commands.h"

namespace daub {

bool bitmap_mouse_command(App&, int) { return false; }

}  // namespace daub
