#pragma once
// Start-up defaults.

#include <string>

namespace daub {
struct App;

// Sets every start-up default, creates the empty drawing with layer 1, sets the
// title, the folders (the current directory) and the painting configuration's
// mouse command and display mode. Returns 0.
int FileInit(App& app);

}  // namespace daub
