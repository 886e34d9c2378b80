#pragma once
// Start-up defaults and the window title.

#include <string>

namespace daub {
struct App;

// Sets every start-up default, creates the empty drawing with layer 1, sets the
// title, the folders (the current directory) and the painting configuration's
// mouse command and display mode. Returns 0.
int FileInit(App& app);

// "%s %s%s" of base, "R-"/"D-" and path, cut at its first "."; too long parts
// leave the title unchanged.
void settitle(App& app, const std::string& base, const std::string& path);

}  // namespace daub
