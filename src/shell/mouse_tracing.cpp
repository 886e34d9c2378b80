// Mouse command 1016: the drag moves the shadow.

#include "model/app.h"
#include "shell/mouse_commands.h"
#include "tracing/tracing.h"

namespace daub {

bool tracing_mouse_command(App& app, int cmd) {
  if (cmd != 1016) return false;
  move_shadow(app);
  return true;
}

}  // namespace daub
