#include "paint/painting_strokes.h"

#include <cmath>
#include <utility>
#include <vector>

#include "drawing/curve_checks.h"
#include "drawing/line_construction.h"
#include "drawing/lines.h"
#include "drawing/pack.h"
#include "paint/canvas.h"
#include "paint/stroke.h"

namespace daub {
namespace {

// Paints the geometry through the line template, as a line of the current
// layer with the current pen: the line is made, copied into the template,
// painted, and taken out of the drawing again. 0 when the line cannot be made.
int paint_through_template(App& app, int slot, BlendKind kind, const LineGeometry& g) {
  LineRecord line;
  line.pen = app.settings.line_pen;
  line.geom = g;
  LineRecord stored;
  int number = 0;
  const int layer = app.in.nowlayer;
  if (setskl(app, line, stored, number, layer, GeometryCheck::kTrusted) == 0) return 0;
  app.canvases.line_template = stored;
  app.canvases.template_valid = 1;
  const int painted = paint_canvas_template(app, slot, kind);
  delskl(app, number, layer, DeletedPoint::kKeepNowpoint);
  sklpack(app);
  app.canvases.template_valid = 0;
  return painted;
}

// The release point headed along the drag: where a clicked curve ends.
PointDir release_along_drag(const App& app) {
  return {app.in.releaseworld.x, app.in.releaseworld.y, app.in.dragvector.angle};
}

// The first segment's start and the last segment's end snapped onto the
// current layer, those two segments straightened to their new ends.
void snap_outer_ends(App& app, SegmentBuffer& segments) {
  LineGeometry& first = segments.front().geom;
  LineGeometry& last = segments.back().geom;
  PointDir start{first.x0, first.y0, first.a0};
  PointDir end{last.x1, last.y1, last.a1};
  snap_to_layer(app, start);
  snap_to_layer(app, end);
  if (segments.size() == 1) {
    first = straight_segment({start.x, start.y}, {end.x, end.y}).geom;
    return;
  }
  first = straight_segment({start.x, start.y}, {first.x1, first.y1}).geom;
  last = straight_segment({last.x0, last.y0}, {end.x, end.y}).geom;
}

}  // namespace

int make_canvas_command(App& app, int slot, Colorref color) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return 0;
  s->shown = 1;
  s->frame = 1;
  select_canvas_for_change(app, slot);
  return make_canvas(app, slot, app.in.pressworld, app.in.releaseworld, color);
}

int freehand_stroke(App& app, int slot, BlendKind kind) {
  select_canvas_for_stroke(app, slot);
  const int painted = paint_canvas_stroke(app, slot, kind);
  // The stroke's segments lived in the segment buffer only while it was laid.
  std::vector<ExtractionItem>().swap(app.line_stock);
  return painted;
}

int straight_stroke(App& app, int slot, BlendKind kind) {
  select_canvas_for_stroke(app, slot);
  return paint_canvas_straight(app, slot, app.in.pressworld, app.in.releaseworld, kind);
}

int curve_stroke_to(App& app, int slot, BlendKind kind, PointDir to) {
  const PointDir from = app.in.nowpoint;
  LineGeometry g{from.x, from.y, from.angle, to.x, to.y, to.angle, kShapeCurve, 0};
  if (cutsklck(app, g) == 0) return 0;
  const int painted = paint_through_template(app, slot, kind, g);
  app.in.nowpoint = {g.x1, g.y1, g.a1};
  return painted;
}

int two_click_curve(App& app, int slot, BlendKind kind) {
  select_canvas_for_stroke(app, slot);
  Interaction& in = app.in;
  if (in.nowpointvalid == 0) {
    in.nowpoint = {in.pressworld.x, in.pressworld.y, in.dragvector.angle};
    in.nowpointvalid = 1;
    return 0;
  }
  const int painted = curve_stroke_to(app, slot, kind, release_along_drag(app));
  in.nowpointvalid = kind == BlendKind::kColor ? 1 : 0;
  return painted;
}

int curve_from_nowpoint(App& app, int slot, BlendKind kind) {
  select_canvas_for_stroke(app, slot);
  return curve_stroke_to(app, slot, kind, release_along_drag(app));
}

int drag_curve(App& app, int slot, BlendKind kind) {
  select_canvas_for_stroke(app, slot);
  strokeends(app);
  return curve_stroke_to(app, slot, kind, app.in.dragvector);
}

int template_command(App& app, int slot, BlendKind kind) {
  select_canvas_for_stroke(app, slot);
  return paint_canvas_template(app, slot, kind);
}

int segments_command(App& app, int slot, BlendKind kind) {
  select_canvas_for_stroke(app, slot);
  return paint_canvas_segments(app, slot, kind);
}

int outline_command(App& app, int slot, BlendKind kind, bool antialiased) {
  select_canvas_for_stroke(app, slot);
  return paint_canvas_outline(app, slot, kind, antialiased);
}

int freehand_lines(App& app) {
  const std::vector<IntPoint> points = std::move(app.in.strokepoints);
  std::vector<IntPoint>().swap(app.in.strokepoints);
  SegmentBuffer segments = build_freehand(app, points);
  if (segments.empty()) {
    std::vector<ExtractionItem>().swap(app.line_stock);
    return 0;
  }
  snap_outer_ends(app, segments);
  int made = 0;
  for (ExtractionItem& item : segments) {
    if (cutsklck(app, item.geom) == 0) break;
    const int number =
        add_with_current_pen(app, item.geom, app.in.nowlayer, GeometryCheck::kTrusted);
    if (number == 0) break;
    item.line = number;
    ++made;
  }
  // Only segments that became lines may be named by a region made from the buffer.
  segments.resize(static_cast<std::size_t>(made));
  app.line_stock = std::move(segments);
  return made;
}

}  // namespace daub
