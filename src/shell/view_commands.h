#pragma once
// The view commands and the view mouse commands.

namespace daub {
struct App;

// Command ids 100, 101, 103, 104, 201-209, 594; true when the id is one of them.
bool view_command(App& app, int id);
// Mouse commands 600, 1115, 102, 105 at release; true when handled.
bool view_mouse_command(App& app, int cmd);

}  // namespace daub
