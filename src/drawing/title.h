#pragma once
// The window title: the program's name and the drawing or page file shown.

#include <string>

namespace daub {
struct App;

// "%s %s%s" of base, "R-"/"D-" and path, cut at its first "."; too long parts
// leave the title unchanged.
void settitle(App& app, const std::string& base, const std::string& path);

}  // namespace daub
