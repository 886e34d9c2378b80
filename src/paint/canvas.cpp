#include "paint/canvas.h"

#include <algorithm>
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

using Touched = std::optional<TouchedRows>;

// The buffer holding the slot's picture as it was, apart from the rows the
// strokes since noted: the undo copy, or the spare an undo kept; null when
// that is not known.
Dib* known_copy(Canvases& c, int slot, const Dib& picture) {
  const UndoDelta& d = c.delta;
  if (!d.known || c.current != slot || d.picture != picture.data() || d.size != picture.size() ||
      d.changed.size() > static_cast<std::size_t>(dib_info(picture).height))
    return nullptr;
  for (Dib* buffer : {&c.undo.picture, &c.spare})
    if (!buffer->empty() && buffer->data() == d.copy && buffer->size() == d.size) return buffer;
  return nullptr;
}

// Copies the noted columns of each row from one picture to another of the
// same layout.
void copy_changed_rows(const Dib& from, Dib& to, const std::vector<RowSpan>& changed) {
  const DibInfo info = dib_info(from);
  for (std::size_t y = 0; y < changed.size(); ++y) {
    const int x0 = std::max(changed[y].x0, 0), x1 = std::min(changed[y].x1, info.width - 1);
    if (x0 > x1) continue;
    const std::size_t at = info.pixel_offset +
                           info.stride * (static_cast<std::size_t>(info.height) - 1 - y) +
                           3 * static_cast<std::size_t>(x0);
    std::copy_n(from.begin() + static_cast<std::ptrdiff_t>(at), 3 * (x1 - x0 + 1),
                to.begin() + static_cast<std::ptrdiff_t>(at));
  }
}

// Makes the undo copy the slot's picture: the noted rows when a known copy
// holds the rest already, else the whole picture into the buffer the copy
// has. A picture that is not a readable 24-bit one is copied as the toolkit
// does. Returns whether the copy is now exactly the picture.
bool take_undo_copy(App& app, int slot, const CanvasSlot& s) {
  Canvases& c = app.canvases;
  Dib& copy = c.undo.picture;
  Dib* known = known_copy(c, slot, s.image);
  c.delta.known = false;
  c.current = slot;
  c.undo.x = s.x;
  c.undo.y = s.y;
  if (known != nullptr) copy.swap(*known);
  Dib().swap(c.spare);
  if (known != nullptr) {
    copy_changed_rows(s.image, copy, c.delta.changed);
    return true;
  }
  copy.clear();
  if (s.image.empty()) return false;
  if (has_picture(s)) {
    copy.assign(s.image.begin(), s.image.end());
    return true;
  }
  std::optional<Dib> made = DIBcopy(app, s.image);
  if (made) copy = std::move(*made);
  return false;
}

// Notes what a painting operation touched of the slot's picture; unknown
// (none) makes the delta unknown.
void note_touched(App& app, int slot, const Touched& touched) {
  UndoDelta& d = app.canvases.delta;
  if (!d.known || app.canvases.current != slot) return;
  if (!touched) {
    d.known = false;
    return;
  }
  if (d.changed.size() < touched->size()) d.changed.resize(touched->size());
  for (std::size_t y = 0; y < touched->size(); ++y) {
    const RowSpan t = (*touched)[y];
    if (t.x0 > t.x1) continue;
    RowSpan& c = d.changed[y];
    c = c.x0 > c.x1 ? t : RowSpan{std::min(c.x0, t.x0), std::max(c.x1, t.x1)};
  }
}

// Runs `paint` on the pixel rows of the slot's picture and its position,
// with a place for what it touched; 0 when the slot has no 24-bit picture.
template <typename Paint>
int paint_on_slot(App& app, int slot, Paint&& paint) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return 0;
  std::optional<CanvasView> view = canvas_view(*s);
  if (!view) return 0;
  Touched touched;
  const int painted = paint(*view, DPoint{s->x, s->y}, touched);
  note_touched(app, slot, touched);
  return painted;
}

}  // namespace

CanvasSlot* canvas_slot(App& app, int slot) {
  if (slot < 1 || slot > kCanvasSlots) return nullptr;
  return &app.canvases.slots[static_cast<std::size_t>(slot - 1)];
}

void select_canvas_for_change(App& app, int slot) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s != nullptr) take_undo_copy(app, slot, *s);
}

void select_canvas_for_stroke(App& app, int slot) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr || !take_undo_copy(app, slot, *s)) return;
  UndoDelta& d = app.canvases.delta;
  d.known = true;
  d.picture = s->image.data();
  d.copy = app.canvases.undo.picture.data();
  d.size = s->image.size();
  d.changed.clear();
}

void keep_for_undo(App& app, int slot, Dib before) {
  CanvasSlot* s = canvas_slot(app, slot);
  if (s == nullptr) return;
  app.canvases.undo = CanvasUndo{std::move(before), s->x, s->y};
  app.canvases.current = slot;
  app.canvases.delta.known = false;
}

int undo_canvas_change(App& app, int slot) {
  CanvasSlot* s = canvas_slot(app, slot);
  Canvases& c = app.canvases;
  Dib& copy = c.undo.picture;
  if (s == nullptr || copy.empty()) return 0;
  // The picture goes back where it lay; into another slot (the copy is
  // shared) it goes where that slot lies.
  if (slot == c.current) {
    s->x = c.undo.x;
    s->y = c.undo.y;
  }
  if (known_copy(c, slot, s->image) == &copy) {
    // Only the noted rows differ: they go back, and the used-up copy, now
    // the picture's twin, is kept as the spare for the next copy.
    copy_changed_rows(copy, s->image, c.delta.changed);
    c.spare.swap(copy);
    Dib().swap(copy);
    c.delta.changed.clear();
    return 1;
  }
  s->image.swap(copy);
  Dib().swap(copy);
  c.delta.known = false;
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
  const int painted = paint_on_slot(app, slot, [&](CanvasView view, DPoint at, Touched& touched) {
    return paint_stroke(app, view, at, kind, &touched.emplace());
  });
  // The recorded drag is used up whether or not there was a canvas to take it.
  std::vector<IntPoint>().swap(app.in.strokepoints);
  return painted;
}

int paint_canvas_segments(App& app, int slot, BlendKind kind) {
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at, Touched& touched) {
    return paint_segments(app, app.line_stock, view, at, kind, &touched.emplace());
  });
}

int paint_canvas_template(App& app, int slot, BlendKind kind) {
  if (app.canvases.template_valid == 0) return 0;
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at, Touched& touched) {
    return paint_geometry(app, app.canvases.line_template.geom, view, at, kind, &touched.emplace());
  });
}

int paint_canvas_straight(App& app, int slot, DPoint from, DPoint to, BlendKind kind) {
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at, Touched& touched) {
    return paint_straight_stroke(app, from, to, view, at, kind, &touched.emplace());
  });
}

int paint_canvas_outline(App& app, int slot, BlendKind kind, bool antialiased) {
  // The fill says nothing of what it touched: the whole picture counts.
  return paint_on_slot(app, slot, [&](CanvasView view, DPoint at, Touched&) {
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
