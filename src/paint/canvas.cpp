#include "paint/canvas.h"

#include <cmath>
#include <cstdlib>
#include <utility>

#include "drawing/regions.h"
#include "model/app.h"
#include "model/fingerprint.h"
#include "paint/stroke.h"
#include "picture/scaled_display.h"
#include "platform/dc.h"
#include "render/display.h"
#include "render/view.h"

namespace daub {
namespace {

// Runs `paint` on the pixel rows of the slot's picture and its position;
// 0 when the slot has no 24-bit picture.
template <typename Paint>
int paint_on_slot(App& app, int slot, Paint&& paint) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return 0;
  std::optional<CanvasView> view = canvas_view(*s);
  if (!view) return 0;
  return paint(*view, DPoint{s->x, s->y});
}

}  // namespace

CanvasSlot* canvas_slot(App& app, int slot) {
  if (slot < 1 || slot > kCanvasSlots) return nullptr;
  return &app.canvases.slots[static_cast<std::size_t>(slot - 1)];
}

void select_canvas_for_change(App& app, int slot) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return;
  app.canvases.undo = CanvasUndo{Dib(), s->x, s->y};
  app.canvases.current = slot;
  if (s->image.empty()) return;
  std::optional<Dib> copy = DIBcopy(app, s->image);
  if (copy) app.canvases.undo.picture = std::move(*copy);
}

void keep_for_undo(App& app, int slot, Dib before) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return;
  app.canvases.undo = CanvasUndo{std::move(before), s->x, s->y};
  app.canvases.current = slot;
}

int undo_canvas_change(App& app, int slot) {
  CanvasSlot* s = canvas_slot(app, slot);
  CanvasUndo& undo = app.canvases.undo;
  if (s == nullptr || undo.picture.empty()) return 0;
  s->image = std::move(undo.picture);
  Dib().swap(undo.picture);
  // The picture goes back where it lay; into another slot (the copy is
  // shared) it goes where that slot lies.
  if (slot == app.canvases.current) {
    s->x = undo.x;
    s->y = undo.y;
  }
  return 1;
}

void place_canvas(App& app, int slot, double x, double y) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return;
  if (slot == app.canvases.current) {
    app.canvases.undo.x += x - s->x;
    app.canvases.undo.y += y - s->y;
  }
  s->x = x;
  s->y = y;
}

void erase_canvas(App& app, int slot) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s != nullptr) Dib().swap(s->image);
}

int make_canvas(App& app, int slot, DPoint p1, DPoint p2, Colorref color) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return 0;
  const int w = std::abs(trunc_to_int(p2.x - p1.x));
  const int h = std::abs(trunc_to_int(p2.y - p1.y));
  if (w == 0 || h == 0) return 0;
  std::optional<Dib> dib = MakeDIB(app, w, h, color);
  if (!dib) return 0;
  s->image = std::move(*dib);
  s->x = std::fmin(p1.x, p2.x);
  s->y = std::fmin(p1.y, p2.y);
  return 1;
}

void mark_canvas_saved(App& app, int slot) {
  if (const CanvasSlot* s = canvas_slot(app, slot))
    app.saved.canvases[static_cast<std::size_t>(slot - 1)] = fingerprint(s->image);
}

bool canvas_unsaved(App& app, int slot) {
  const CanvasSlot* s = canvas_slot(app, slot);
  return s != nullptr && has_picture(*s) &&
         fingerprint(s->image) != app.saved.canvases[static_cast<std::size_t>(slot - 1)];
}

bool has_picture(const CanvasSlot& slot) {
  const DibInfo info = dib_info(slot.image);
  return info.ok() && info.bit_count == 24;
}

std::optional<CanvasView> canvas_view(CanvasSlot& slot) { return canvas_view(slot.image); }

int paint_canvas_stroke(App& app, int slot, BlendKind kind) {
  const int painted = paint_on_slot(
      app, slot, [&](CanvasView view, DPoint at) { return paint_stroke(app, view, at, kind); });
  // The recorded drag is used up whether or not there was a canvas to take it.
  std::vector<IntPoint>().swap(app.in.strokepoints);
  return painted;
}

int paint_canvas_segments(App& app, int slot, BlendKind kind) {
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at) {
    return paint_segments(app, app.line_stock, view, at, kind);
  });
}

int paint_canvas_template(App& app, int slot, BlendKind kind) {
  if (app.canvases.template_valid == 0) return 0;
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at) {
    return paint_geometry(app, app.canvases.line_template.geom, view, at, kind);
  });
}

int paint_canvas_straight(App& app, int slot, DPoint from, DPoint to, BlendKind kind) {
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at) {
    return paint_straight_stroke(app, from, to, view, at, kind);
  });
}

int paint_canvas_outline(App& app, int slot, BlendKind kind, bool antialiased) {
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at) {
    PointDir open_end;
    if (order_outline(app, app.line_stock, open_end) != 1) return 0;
    // The polygon follows each segment the way the chain walks it.
    SegmentBuffer walked = app.line_stock;
    for (ExtractionItem& item : walked) {
      item.geom = walked_geometry(item);
      item.direction = 1;
    }
    return paint_outline(app, walked, view, at, kind,
                         antialiased ? OutlineFill::kAntialiased : OutlineFill::kPlain);
  });
}

}  // namespace daub
