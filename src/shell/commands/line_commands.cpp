// Line and geometry commands.

#include "shell/app.h"
#include "shell/commands/command_families.h"

namespace daub {

bool line_command(App&, int) { return false; }

}  // namespace daub
