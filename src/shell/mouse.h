#pragma once
// The mouse command dispatcher and its hooks.

#include <cstdint>

namespace daub {
struct App;

void MouseDown(App& app);
void MouseMove(App& app, int x, int y);
void MouseRight(App& app);
int MouseCommand(App& app);

// The point-and-direction input of command 117.
int pointinput(App& app);

}  // namespace daub
