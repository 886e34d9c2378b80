#pragma once
// Driving a test app as the window would: a menu command by id, and a drag
// from a press to a release in client pixels.

#include <cstdint>

#include "shell/command_table.h"
#include "shell/window.h"
#include "support/test_app.h"

namespace daub::test {

inline void run(TestApp& t, int id) { MenuCommand(t.app, static_cast<std::uint32_t>(id), 0); }

inline void drag(TestApp& t, int x0, int y0, int x1, int y1) {
  on_lbutton_down(t.app, x0, y0);
  on_lbutton_up(t.app, x1, y1);
}

// Makes (x, y) heading `angle` the current point.
inline void set_point(TestApp& t, double x, double y, double angle = 0) {
  t.app.in.nowpoint = {x, y, angle};
  t.app.in.nowpointvalid = 1;
}

// The drag with `cmd` as the mouse command.
inline void drag(TestApp& t, int cmd, int x0, int y0, int x1, int y1) {
  t.app.in.mousecmd = static_cast<std::uint16_t>(cmd);
  drag(t, x0, y0, x1, y1);
}

}  // namespace daub::test
