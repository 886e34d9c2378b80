#include "shell/window.h"

#include <algorithm>
#include <cmath>

#include "model/app.h"
#include "render/display.h"
#include "render/text_input.h"
#include "render/view.h"
#include "shell/command_table.h"
#include "shell/mouse.h"
#include "shell/startup.h"

namespace daub {
namespace {

// The press position in world coordinates with the direction of the drag; a
// click without movement has direction 0.
PointDir drag_vector(const App& app, DPoint press, DPoint release) {
  const Interaction& in = app.in;
  bool still = in.pressscreen == in.releasescreen;
  double angle = still ? 0.0 : std::atan2(release.y - press.y, release.x - press.x);
  return PointDir{press.x, press.y, angle};
}

TextKind entry_kind(const App& app) {
  return app.in.englishentry == 1 ? TextKind::kEnglish : TextKind::kLetter;
}

}  // namespace

void on_create(App& app) {
  app.in.lastbutton = kButtonUp;
  FileInit(app);
}

void on_size(App& app, int width, int height) {
  app.view.client_width = std::max(width, 0);
  app.view.client_height = std::max(height, 0);
  center_view_on_client(app);
}

void on_paint(App& app, Dc& dc) { paint_cycle(app, dc); }

void on_lbutton_down(App& app, int x, int y) {
  app.in.pressscreen = IntPoint{x, y};
  app.in.pointerscreen = IntPoint{x, y};
  app.in.lastbutton = kButtonDown;
  app.ui.set_capture(true);
  MouseDown(app);
  app.in.movefirstcount = 0;
  app.in.moverecentcount = 0;
  app.in.strokepoints.clear();
}

void on_mouse_move(App& app, int x, int y) {
  if (app.in.lastbutton != kButtonDown) return;
  app.in.pointerscreen = IntPoint{x, y};
  MouseMove(app, x, y);
}

void on_lbutton_up(App& app, int x, int y) {
  Interaction& in = app.in;
  if (in.lastbutton != kButtonDown) return;
  in.releasescreen = IntPoint{x, y};
  in.lastbutton = kButtonUp;
  app.ui.set_capture(false);
  if (in.mousecmd == 0) {
    message(app.ui, "CAUTION", "メニューを選んでください");
    return;
  }
  DPoint press = to_world(app, in.pressscreen.x, in.pressscreen.y);
  DPoint release = to_world(app, in.releasescreen.x, in.releasescreen.y);
  in.dragvector = drag_vector(app, press, release);
  in.pressworld = press;
  in.releaseworld = release;
  MouseCommand(app);
}

void on_rbutton_down(App& app, int, int) { MouseRight(app); }

void on_key_down(App& app, int vk) {
  const TextKind kind = entry_kind(app);
  KeyResult result = KeyResult::kDone;
  if (vk == kVkBack) result = text_backspace(app, kind);
  if (vk == kVkDelete) result = text_delete(app, kind);
  // The range delete of the text kind deletes what the key chose and repaints.
  if (result == KeyResult::kDeleteRange) on_command(app, kind == TextKind::kLetter ? 426 : 406);
}

void on_char(App& app, int code, std::int64_t lparam) {
  // Backspace also arrives as a key-down, which is where it is handled.
  if (code == kVkBack) return;
  text_char(app, entry_kind(app), code, lparam);
  repaint(app);
}

void post_chars(App& app, std::string_view cp932, std::int64_t lparam) {
  for (unsigned char c : cp932) app.text.queue.push_back(CharMessage{c, lparam});
}

void pump_chars(App& app) {
  while (!app.text.queue.empty()) {
    const CharMessage m = app.text.queue.front();
    app.text.queue.pop_front();
    on_char(app, m.code, m.lparam);
  }
}

void on_command(App& app, std::uint32_t id) { MenuCommand(app, id, 0); }

}  // namespace daub
