// Commands that only choose what the next press-drag-release does.

#include <algorithm>
#include <array>

#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

// 102 centre move, 105 print origin,
// 600 drag move: all followed by a plain repaint.
constexpr std::array<int, 3> kRepaintSetters = {102, 105, 600};

}  // namespace

bool mouse_setter_command(App& app, int id) {
  if (std::find(kRepaintSetters.begin(), kRepaintSetters.end(), id) == kRepaintSetters.end())
    return false;
  app.in.mousecmd = static_cast<std::uint16_t>(id);
  repaint(app);
  return true;
}

}  // namespace daub
