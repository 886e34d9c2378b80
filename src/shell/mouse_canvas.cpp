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
// the dragged rectangle, placed at the rectangle's top-left; 687, 717, 746:
// canvas 1, 2 or 3 stretched to fill the rectangle exactly.
enum class Fit { kKeepProportions, kStretch };

void resize_canvas(App& app, int slot, Fit fit) {
  CanvasSlot& s = *canvas_slot(app, slot);
  const DibInfo info = dib_info(s.image);
  if (!info.ok() || info.bit_count != 24) return;
  const DPoint p = app.in.pressworld, r = app.in.releaseworld;
  const double kx = std::fabs(r.x - p.x) / info.width, ky = std::fabs(r.y - p.y) / info.height;
  const double k = std::max(kx, ky);
  select_canvas_for_change(app, slot);
  const OpStatus status =
      fit == Fit::kStretch ? scale_picture(s.image, kx, ky) : scale_picture(s.image, k, k);
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

// 678: canvas 1 turned about its centre by the drag's direction (its size
// kept; what turns in from outside is black).
void turn_canvas(App& app) {
  const DPoint p = app.in.pressworld, r = app.in.releaseworld;
  if (p.x == r.x && p.y == r.y) return;
  CanvasSlot& s = *canvas_slot(app, 1);
  if (!has_picture(s)) return;
  select_canvas_for_change(app, 1);
  rotate_picture(s.image, std::atan2(r.y - p.y, r.x - p.x));
}

// 813, 814, 815: the colour of the canvas's pixel under the release becomes
// the current colour; outside the picture nothing changes.
void take_color(App& app, int slot) {
  const CanvasSlot& s = *canvas_slot(app, slot);
  const DPoint r = app.in.releaseworld;
  const double x = std::floor(r.x - s.x), y = std::floor(r.y - s.y);
  if (!(std::fabs(x) < 1e9 && std::fabs(y) < 1e9)) return;
  if (std::optional<Colorref> c = picture_color(s.image, static_cast<int>(x), static_cast<int>(y)))
    app.settings.color = *c;
}

// 764–772, three for each canvas: the canvas made anew between the current
// point and the drag, white or in the current colour, or what the view shows
// there cut into it.
void canvas_from_nowpoint(App& app, int cmd) {
  if (!app.in.nowpointvalid) {
    message(app.ui, "CAUTION", "注目点を指定してください");
    return;
  }
  const int slot = 1 + (cmd - 764) / 3, kind = (cmd - 764) % 3;
  const DPoint a{app.in.nowpoint.x, app.in.nowpoint.y};
  const DPoint b{app.in.dragvector.x, app.in.dragvector.y};
  if (kind < 2) {
    make_canvas(app, slot, a, b, kind == 0 ? Colorref{0xFFFFFF} : app.settings.color);
    repaint(app);
    return;
  }
  if (std::optional<Dib> picture = CutMakeDIB(app, a, b)) {
    select_canvas_for_change(app, slot);
    CanvasSlot& s = *canvas_slot(app, slot);
    s.image.swap(*picture);
    s.x = std::min(a.x, b.x);
    s.y = std::min(a.y, b.y);
  }
  setdispmode(app, kCanvasMode);
}

// 773: canvases 2 and 3 go to canvas 1's top-left, so they lie over it.
void align_canvases(App& app) {
  const CanvasSlot& one = *canvas_slot(app, 1);
  place_canvas(app, 2, one.x, one.y);
  place_canvas(app, 3, one.x, one.y);
}

}  // namespace

bool canvas_mouse_command(App& app, int cmd) {
  if (cmd >= 764 && cmd <= 772) {
    canvas_from_nowpoint(app, cmd);
    return true;
  }
  switch (cmd) {
    case 1113:
      cut_canvas(app);
      repaint(app);
      return true;
    case 1114:
      resize_canvas(app, 1, Fit::kKeepProportions);
      repaint(app);
      return true;
    case 678:
      turn_canvas(app);
      repaint(app);
      return true;
    case 687:
    case 717:
    case 746:
      resize_canvas(app, cmd == 687 ? 1 : cmd == 717 ? 2 : 3, Fit::kStretch);
      repaint(app);
      return true;
    case 813:
    case 814:
    case 815:
      take_color(app, cmd - 812);
      repaint(app);
      return true;
    case 640:
      copy_view_rectangle_to_clipboard(app, app.in.pressworld, app.in.releaseworld);
      break;
    case 773:
      align_canvases(app);
      break;
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
