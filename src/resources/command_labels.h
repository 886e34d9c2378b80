#pragma once
// The command table's ids with their short Japanese labels and families, as
// data in one place: the command list, the status bar's mouse-command name
// and docs/command_ids.md all read it.

#include <span>
#include <string>
#include <string_view>

namespace daub {

struct CommandLabel {
  int id;
  const char* label;
  int family;  // 1..26, the family of the command table ("F1".."F26")
};

inline constexpr int kFamilyCount = 26;

// Every id of the command table that has an action, sorted by id.
std::span<const CommandLabel> command_labels();

// The row of an id of the command table; nullptr for any other id.
const CommandLabel* find_command_label(int id);

// The Japanese name of a family (1..26); "" outside.
std::string_view family_name(int family);

// The Japanese name of a mouse command the program carries out (an id of the
// table, or one the palette sets directly); "" for an id that names none (0
// included).
std::string mouse_command_name(int id);

}  // namespace daub
