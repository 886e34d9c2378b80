// Mouse commands of the selection: building the enclosure, picking by a
// rectangle or one text or bitmap at a time, and moving, turning, scaling
// and aligning the selection. The selection changes as a preview; command
// 195 commits it. Each ends by showing display mode 2.

#include <cmath>
#include <optional>

#include "drawing/lines.h"
#include "drawing/selection.h"
#include "drawing/selection_transforms.h"
#include "geometry/angle.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/mouse.h"
#include "shell/mouse_commands.h"

namespace daub {
namespace {

DPoint position(const PointDir& p) { return {p.x, p.y}; }

double direction(DPoint from, DPoint to) { return std::atan2(to.y - from.y, to.x - from.x); }

double distance(DPoint a, DPoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

// What every transforming drag does afterwards: no current line, no
// carets, the enclosure around the moved selection.
void after_transform(App& app) {
  app.in.nowlinevalid = 0;
  app.text.carets[0] = CaretRecord{};
  app.text.carets[1] = CaretRecord{};
  enclose_selection(app);
}

// 190: the selection moves with the current point to the press.
void shift_to_press(App& app) {
  take_held_point(app);
  Interaction& in = app.in;
  if (in.nowpointvalid != 1) {
    message(app.ui, "CAUTION", "注目点を指定してください");
    return;
  }
  stockshift_all(app, in.dragvector.x - in.nowpoint.x, in.dragvector.y - in.nowpoint.y);
  in.nowpoint.x = in.dragvector.x;
  in.nowpoint.y = in.dragvector.y;
  after_transform(app);
}

// 192-194: about the centre of the selection's box, the press going to the
// release: 192 turns by the angle between them, 193 scales by the ratio of
// their distances, 194 by the ratios of their distances along each axis.
void transform_about_box(App& app, int cmd) {
  const std::optional<StockBox> box = stockbox(app);
  if (!box) return;
  const DPoint c = box->centre(), p = app.in.pressworld, q = app.in.releaseworld;
  if (cmd == 192) {
    stockrot_all(app, c, direction(c, q) - direction(c, p));
  } else if (cmd == 193) {
    const double s = distance(c, q) / distance(c, p);
    if (stockrate_all(app, c, s, s) == 0) return;
  } else {
    const double sx = std::fabs(q.x - c.x) / std::fabs(p.x - c.x);
    const double sy = std::fabs(q.y - c.y) / std::fabs(p.y - c.y);
    if (stockrate_all(app, c, sx, sy) == 0) return;
  }
  after_transform(app);
}

// The selected line end nearest to p; p itself without selected lines.
DPoint nearest_selected_end(const App& app, DPoint p) {
  DPoint best = p;
  double d = 999999999.0;
  for (const ExtractionItem& item : app.line_stock) {
    for (DPoint end : {DPoint{item.geom.x0, item.geom.y0}, DPoint{item.geom.x1, item.geom.y1}}) {
      if (distance(end, p) < d) {
        d = distance(end, p);
        best = end;
      }
    }
  }
  return best;
}

// The nearest end of a selected line to p with its direction (B's direction
// for a B end). False with an empty line set.
bool snap_to_selected_end(const App& app, PointDir& p) {
  const DPoint query = position(p);
  double d = 999999999.0;
  bool found = false;
  for (const ExtractionItem& item : app.line_stock) {
    const LineGeometry& g = item.geom;
    for (PointDir end : {PointDir{g.x0, g.y0, g.a0}, PointDir{g.x1, g.y1, g.a1}}) {
      const double e = distance(position(end), query);
      if (e < d) {
        d = e;
        p = end;
        found = true;
      }
    }
  }
  return found;
}

// 519, 603: the selection moves by the drag; 603 takes the selected line
// end nearest to the press onto the line end nearest to the release.
void shift_by_drag(App& app, int cmd) {
  DPoint from = app.in.pressworld, to = app.in.releaseworld;
  if (cmd == 603) {
    from = nearest_selected_end(app, from);
    PointDir vertex;
    if (nearestvt(app, PointDir{to.x, to.y, 0}, vertex, app.in.nowlayer) == 1)
      to = position(vertex);
  }
  stockshift_all(app, to.x - from.x, to.y - from.y);
  after_transform(app);
}

// 604, 606: the reference segment becomes the enclosure's two points.
void align_reference(App& app, int cmd) {
  Interaction& in = app.in;
  PointDir p0{in.pressworld.x, in.pressworld.y, 0}, p1{in.releaseworld.x, in.releaseworld.y, 0};
  if (cmd == 606 && !(snap_to_selected_end(app, p0) && snap_to_selected_end(app, p1))) return;
  app.enclosure = {position(p0), position(p1)};
  in.nowpoint = PointDir{p1.x, p1.y, direction(position(p0), position(p1))};
  in.nowpointvalid = 1;
}

// 605, 607: the selection is moved, turned and scaled so that the
// reference segment lands on the drag.
void align_apply(App& app, int cmd) {
  if (app.enclosure.size() < 2) return;
  PointDir q0{app.in.pressworld.x, app.in.pressworld.y, 0};
  PointDir q1{app.in.releaseworld.x, app.in.releaseworld.y, 0};
  if (cmd == 607 && (nearestvt(app, q0, q0, app.in.nowlayer) == 0 ||
                     nearestvt(app, q1, q1, app.in.nowlayer) == 0))
    return;
  const DPoint p0 = app.enclosure[0], p1 = app.enclosure[1];
  app.enclosure.clear();
  const DPoint a = position(q0), b = position(q1);
  const double k = distance(a, b) / distance(p0, p1);
  if (!sane_ratio(k)) {
    message(app.ui, "stockrate", "縮尺比が非常識です");
    return;
  }
  stockshift_all(app, a.x - p0.x, a.y - p0.y);
  stockrot_all(app, a, direction(b, a) - direction(p1, p0));
  stockrate_all(app, a, k, k);
}

// 614, 615: the selection turns about the line end nearest to the press by
// the drag's direction (615: snapped to the nearest fixed direction).
void turn_about_vertex(App& app, int cmd) {
  PointDir pivot;
  const PointDir press{app.in.pressworld.x, app.in.pressworld.y, 0};
  if (nearestvt(app, press, pivot, app.in.nowlayer) == 0) return;
  const double angle = app.in.dragvector.angle;
  stockrot_all(app, position(pivot), cmd == 615 ? nearest_fixed_direction(angle) : angle);
}

}  // namespace

bool selection_mouse_command(App& app, int cmd) {
  Interaction& in = app.in;
  switch (cmd) {
    case 185:
      take_held_point(app);
      app.enclosure.push_back(position(in.dragvector));
      in.nowpoint = in.dragvector;
      in.nowpointvalid = 1;
      break;
    case 588:
      pick_by_rectangle(app, in.pressscreen, in.releasescreen, in.nowlayer);
      break;
    case 448:
      take_held_point(app);
      toggle_stock_text(app, position(in.dragvector), in.nowlayer);
      break;
    case 794:
      take_held_point(app);
      toggle_stock_bmp(app, position(in.dragvector), in.nowlayer);
      break;
    case 190:
      shift_to_press(app);
      break;
    case 192:
    case 193:
    case 194:
      transform_about_box(app, cmd);
      break;
    case 519:
    case 603:
      shift_by_drag(app, cmd);
      break;
    case 604:
    case 606:
      align_reference(app, cmd);
      in.nowlinevalid = 0;
      break;
    case 605:
    case 607:
      align_apply(app, cmd);
      in.nowlinevalid = 0;
      break;
    case 614:
    case 615:
      turn_about_vertex(app, cmd);
      in.nowlinevalid = 0;
      break;
    default:
      return false;
  }
  setdispmode(app, 2);
  return true;
}

}  // namespace daub
