// The canvas mouse commands: cutting canvas 1 out of the view, resizing it to
// the dragged rectangle, and moving or placing a canvas. Moving and placing
// do not select the canvas for change: the undo does not take them back.

#include <algorithm>
#include <cmath>

#include "drawing/enclosure.h"
#include "model/app.h"
#include "paint/canvas.h"
#include "paint/canvas_ops.h"
#include "paint/cut_picture.h"
#include "render/view.h"
#include "shell/mouse_commands.h"

namespace daub {

namespace {

constexpr int kCanvasMode = 2;

// 1113: what the view shows inside the dragged rectangle becomes canvas 1,
// placed where it was cut from; the rectangle becomes the enclosure.
void cut_canvas(App& app) {
  set_enclosure_rectangle(app, app.in.pressscreen, app.in.releasescreen);
  const EnclosureRect r = *enclosure_rectangle(app);
  std::optional<Dib> picture = CutMakeDIB(app, r.first, r.third);
  if (!picture) return;
  select_canvas_for_change(app, 1);
  CanvasSlot& s = *canvas_slot(app, 1);
  s.image.swap(*picture);
  s.x = r.first.x;
  s.y = r.first.y;
}

// 1114: canvas 1 scaled with its proportions kept so that it circumscribes
// the dragged rectangle, placed at the rectangle's top-left.
void resize_canvas(App& app) {
  CanvasSlot& s = *canvas_slot(app, 1);
  const DibInfo info = dib_info(s.image);
  if (!info.ok() || info.bit_count != 24) return;
  const DPoint p = app.in.pressworld, r = app.in.releaseworld;
  const double k = std::max(std::fabs(r.x - p.x) / info.width, std::fabs(r.y - p.y) / info.height);
  select_canvas_for_change(app, 1);
  const OpStatus status = scale_picture(s.image, k, k);
  if (status == OpStatus::kTooLarge) report_dib_problem(app, "MakeDIB", DibProblem::kTooLarge);
  if (status != OpStatus::kDone) return;
  s.x = std::min(p.x, r.x);
  s.y = std::min(p.y, r.y);
}

// 651, 698, 728: the canvas follows the drag.
void move_canvas(App& app, int slot) {
  const DPoint from = to_world(app, app.in.pressscreen.x, app.in.pressscreen.y);
  const DPoint to = to_world(app, app.in.releasescreen.x, app.in.releasescreen.y);
  const CanvasSlot& s = *canvas_slot(app, slot);
  place_canvas(app, slot, s.x + (to.x - from.x), s.y + (to.y - from.y));
}

// 650, 697, 727: the canvas's top-left goes to the click.
void place_canvas_at_click(App& app, int slot) {
  place_canvas(app, slot, app.in.releaseworld.x, app.in.releaseworld.y);
}

}  // namespace

bool canvas_mouse_command(App& app, int cmd) {
  switch (cmd) {
    case 1113:
      cut_canvas(app);
      repaint(app);
      return true;
    case 1114:
      resize_canvas(app);
      repaint(app);
      return true;
    case 651:
    case 698:
    case 728:
      move_canvas(app, cmd == 651 ? 1 : cmd == 698 ? 2 : 3);
      break;
    case 650:
    case 697:
    case 727:
      place_canvas_at_click(app, cmd == 650 ? 1 : cmd == 697 ? 2 : 3);
      break;
    default:
      return false;
  }
  setdispmode(app, kCanvasMode);
  return true;
}

}  // namespace daub
