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
};

// The items of the menu bar, left to right.
std::vector<MenuItem> ParentMenu();

}  // namespace daub
