#pragma once
// The program without a screen: Qt's offscreen platform, the scripted Ui and
// the in-memory clipboard, driven by a script; the log goes to standard output.

#include <string>

namespace daub {

// Runs the script; returns the process exit code (0 once the script was read
// to its end, 2 when it cannot be read).
int run_headless(const std::string& script_path, int width, int height);

}  // namespace daub
