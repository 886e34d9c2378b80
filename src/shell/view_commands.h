#pragma once
// The view commands and the view mouse commands.

#include "platform/dc.h"

namespace daub {
struct App;

// Command ids 100, 101, 103, 104, 201-209, 594; true when the id is one of them.
bool view_command(App& app, int id);
// Mouse commands 600, 1115, 102, 105 at release; true when handled.
bool view_mouse_command(App& app, int cmd);

// Moves the view `right` and `down` client pixels (the picture moves the
// other way), at least one world unit for any non-zero amount; repaints.
void scroll_view(App& app, int right, int down);
// Steps `steps` fixed scales up (positive) or down, keeping the world point
// under the client pixel `about` where it is; beyond the largest or smallest
// fixed scale nothing changes. Repaints when the scale changed.
void zoom_view(App& app, int steps, IntPoint about);

}  // namespace daub
