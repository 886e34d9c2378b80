#pragma once
// The mouse command dispatcher and its hooks.

#include <cstdint>

namespace daub {
struct App;

void MouseDown(App& app);
void MouseMove(App& app, int x, int y);
void MouseRight(App& app);
int MouseCommand(App& app);

// A held point stands in for the press of the next mouse command that takes
// it: dragvector becomes the held point, which is then used up.
void take_held_point(App& app);

// The point-and-direction input of command 117.
int pointinput(App& app);

}  // namespace daub
