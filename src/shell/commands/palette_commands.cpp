// The painting palette and the help texts of the menu. None of them repaints
// here: the palette's result decides its own repaint, and a help text
// changes nothing.

#include <string>
#include <string_view>

#include "help/help_texts.h"
#include "model/app.h"
#include "paint/palette.h"
#include "shell/command_table.h"
#include "shell/commands/command_families.h"

namespace daub {
namespace {

void show_help(App& app, std::string_view text) {
  message(app.ui, std::string(kHelpCaption), std::string(text));
}

}  // namespace

bool palette_command(App& app, int id) {
  switch (id) {
    case 1112:
      // The palette's picture, print and canvas actions need the main
      // window: they are sent to it after the palette has closed.
      if (const int sent = open_palette(app); sent != 0)
        MenuCommand(app, static_cast<std::uint32_t>(sent), 0);
      return true;
    case 1127:
      show_help(app, printing_help_text());
      return true;
    case 1129:
      show_help(app, reading_help_text());
      return true;
    default:
      return false;
  }
}

}  // namespace daub
