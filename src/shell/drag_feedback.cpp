#include "shell/drag_feedback.h"

#include <algorithm>
#include <cmath>

#include "geometry/view_transform.h"
#include "model/app.h"
#include "model/view.h"
#include "paint/canvas.h"
#include "picture/dib.h"
#include "render/display.h"

namespace daub {
namespace {

// The feedback colour: the one of the ticks a press shows.
constexpr int kFeedbackColor = 736;
// The path is drawn about as wide as the brush paints, within these limits.
constexpr int kMaxPathWidth = 200;

struct FeedbackRange {
  int first, last;
  DragFeedback kind;
};

// Mouse commands by the feedback their drag shows. Commands that act on a
// click, or on the enclosure rather than on the drag, show none.
constexpr FeedbackRange kFeedback[] = {
    {1062, 1071, DragFeedback::kPath},     // brush strokes and freehand lines
    {904, 904, DragFeedback::kRectangle},  // new canvases
    {887, 889, DragFeedback::kRectangle},
    {1113, 1114, DragFeedback::kRectangle},  // cut, resize
    {300, 300, DragFeedback::kRectangle},    // rectangle and ellipse lines
    {302, 302, DragFeedback::kRectangle},
    {640, 640, DragFeedback::kRectangle},
    {651, 651, DragFeedback::kMoveCanvas},
    {698, 698, DragFeedback::kMoveCanvas},
    {728, 728, DragFeedback::kMoveCanvas},
    {600, 600, DragFeedback::kMoveView},
    {1115, 1115, DragFeedback::kMoveView},
    {120, 122, DragFeedback::kLine},  // lines from the current point and their kin
    {124, 128, DragFeedback::kLine},
    {301, 301, DragFeedback::kLine},
    {591, 591, DragFeedback::kLine},
    {593, 593, DragFeedback::kLine},
    {610, 613, DragFeedback::kLine},  // arcs between two ends
    {869, 869, DragFeedback::kLine},  // vertex moves
    {871, 871, DragFeedback::kLine},
    {898, 898, DragFeedback::kLine},
    {908, 908, DragFeedback::kLine},  // chains
    {968, 968, DragFeedback::kLine},
    {675, 675, DragFeedback::kLine},  // straight and drag-started brush strokes
    {708, 708, DragFeedback::kLine},
    {737, 737, DragFeedback::kLine},
    {920, 920, DragFeedback::kLine},
    {926, 926, DragFeedback::kLine},
    {932, 932, DragFeedback::kLine},
    {938, 938, DragFeedback::kLine},
    {944, 944, DragFeedback::kLine},
    {950, 950, DragFeedback::kLine},
    {895, 897, DragFeedback::kLine},
    {922, 922, DragFeedback::kLine},
    {928, 928, DragFeedback::kLine},
    {934, 934, DragFeedback::kLine},
    {940, 940, DragFeedback::kLine},
    {946, 946, DragFeedback::kLine},
    {952, 952, DragFeedback::kLine},
};

void outline(Dc& dc, IntPoint a, IntPoint b) {
  dc.move_to(a.x, a.y);
  dc.line_to(b.x, a.y);
  dc.line_to(b.x, b.y);
  dc.line_to(a.x, b.y);
  dc.line_to(a.x, a.y);
}

// The positions the stroke recorded, which are all it will be laid along.
void path(const App& app, Dc& dc) {
  const Interaction& in = app.in;
  if (in.strokepoints.empty()) return;
  const bool brush = in.mousecmd != 1071;
  const double width = brush ? app.brush.width * app.settings.scale : 1.0;
  dc.set_pen(
      DcPen{kPenSolid, std::clamp(trunc_to_int(width), 1, kMaxPathWidth), app.settings.color});
  dc.move_to(in.strokepoints.front().x, in.strokepoints.front().y);
  for (const IntPoint& p : in.strokepoints) dc.line_to(p.x, p.y);
  // line_to leaves out its end pixel: the last point is drawn on its own.
  dc.line_to(in.strokepoints.back().x + 1, in.strokepoints.back().y);
}

// The canvas's frame where the drag would put it.
void moved_canvas(const App& app, Dc& dc, int slot) {
  const CanvasSlot& s = app.canvases.slots[static_cast<std::size_t>(slot - 1)];
  const DibInfo info = dib_info(s.image);
  if (!info.ok()) return;
  const Interaction& in = app.in;
  const DPoint from = to_world(app, in.pressscreen.x, in.pressscreen.y);
  const DPoint to = to_world(app, in.pointerscreen.x, in.pointerscreen.y);
  const double x = s.x + (to.x - from.x), y = s.y + (to.y - from.y);
  outline(dc, to_screen(app, x, y), to_screen(app, x + info.width, y + info.height));
}

int moved_slot(int mousecmd) { return mousecmd == 651 ? 1 : mousecmd == 698 ? 2 : 3; }

}  // namespace

DragFeedback drag_feedback(int mousecmd) {
  for (const FeedbackRange& r : kFeedback)
    if (mousecmd >= r.first && mousecmd <= r.last) return r.kind;
  return DragFeedback::kNone;
}

void paint_drag_feedback(const App& app, Dc& dc) {
  const Interaction& in = app.in;
  if (in.lastbutton != kButtonDown) return;
  const DragFeedback kind = drag_feedback(in.mousecmd);
  if (kind == DragFeedback::kNone) return;
  DcSelection keep(dc);
  dc.set_brush(DcBrush{BrushKind::kNull, 0});
  dc.set_pen(DcPen{kPenDash, 1, display_color(app, kFeedbackColor)});
  const IntPoint a = in.pressscreen, b = in.pointerscreen;
  switch (kind) {
    case DragFeedback::kPath:
      path(app, dc);
      break;
    case DragFeedback::kRectangle:
      outline(dc, a, b);
      break;
    case DragFeedback::kMoveCanvas:
      moved_canvas(app, dc, moved_slot(in.mousecmd));
      break;
    case DragFeedback::kMoveView:
      outline(
          dc, IntPoint{b.x - a.x, b.y - a.y},
          IntPoint{app.view.client_width - 1 + b.x - a.x, app.view.client_height - 1 + b.y - a.y});
      break;
    case DragFeedback::kLine:
      dc.move_to(a.x, a.y);
      dc.line_to(b.x, b.y);
      break;
    case DragFeedback::kNone:
      break;
  }
}

}  // namespace daub
