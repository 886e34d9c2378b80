#include "shell/command_table.h"

#include <array>

#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"
#include "shell/view_commands.h"

namespace daub {

namespace {

using FamilyHandler = bool (*)(App&, int);

// Every id with an action belongs to exactly one family, so the order only
// decides who is asked first.
constexpr FamilyHandler kFamilies[] = {
    view_command,         mouse_setter_command,  held_point_command, layer_command,
    drawing_file_command, display_color_command, line_command,       bitmap_command,
    pen_command,          painting_command,      palette_command,    canvas_command,
    region_command,       text_command,          reading_command,    print_command,
    tracing_command,      selection_command,     clipboard_command,
};

constexpr std::uint32_t kFirstId = 100;
constexpr std::uint32_t kLastId = 1129;

void apologise(App& app) { message(app.ui, "おわび", "まだ出来ていません"); }

}  // namespace

void MenuCommand(App& app, std::uint32_t wparam, std::int64_t /*lparam*/) {
  // One unsigned comparison refuses ids below the range as well as above it.
  if (wparam - kFirstId > kLastId - kFirstId) {
    apologise(app);
    return;
  }
  const int id = static_cast<int>(wparam);
  for (FamilyHandler family : kFamilies)
    if (family(app, id)) return;
  apologise(app);
}

}  // namespace daub
