#pragma once
// The names the window shows for the mouse commands, as data.

#include <string>

namespace daub {

// The Japanese name of a mouse command the program carries out; "" for an id
// that names none (0 included).
std::string mouse_command_name(int id);

}  // namespace daub
