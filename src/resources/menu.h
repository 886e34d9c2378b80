#pragma once
// The menu bar as data. The window builds its menus from this tree; a command
// item delivers its id as a WM_COMMAND id.

#include <string>
#include <vector>

namespace daub {

struct MenuItem {
  std::string label;               // UTF-8; empty for a separator
  int id = 0;                      // command id; 0 for popups and separators
  std::vector<MenuItem> children;  // a popup when not empty
  bool separator = false;
  std::string shortcut;  // its key, shown beside it ("Ctrl+P", "PgDown"); "" for none
};

// The id of the item that opens the command list (コマンド一覧), which is
// the window's own and never a command id.
inline constexpr int kCommandListItem = -1;

// The items of the menu bar, left to right.
std::vector<MenuItem> ParentMenu();

// A key that sends a command the menu does not offer.
struct KeyCommand {
  const char* keys;
  int id;
};
inline constexpr KeyCommand kWindowKeys[] = {{"Ctrl+Z", 674}};

}  // namespace daub
