#pragma once
// The three full-colour canvases that float over the drawing, the one-step
// undo of their changes, and the painting operations that lay brush strokes
// on them. Slots are numbered 1, 2, 3; one canvas pixel is one world unit and
// a slot's position is the world point of its top-left corner.
//
// Every change command first selects its slot for change (which takes the
// undo copy), then changes the picture; a failed change keeps the old picture.

#include <array>
#include <optional>

#include "model/canvas.h"
#include "paint/brush.h"
#include "picture/dib.h"

namespace daub {
struct App;
struct DPoint;
class Dc;

// The slot numbered 1..3; none for any other number.
CanvasSlot* canvas_slot(App& app, int slot);

// Replaces the undo copy by a copy of the slot's picture (none when it has
// none) and its place. The copy is shared by the three slots: undoing another
// slot after this puts this slot's old picture there. The copy's buffer is
// kept from one change to the next, and when the slot was last changed by
// the painting operations below only the rows they touched are copied.
void select_canvas_for_change(App& app, int slot);
// The same for a change made by the painting operations below alone, which
// note what they touch: the next selection of the slot copies only that.
// Any other change of a picture selects its slot with the call above first.
void select_canvas_for_stroke(App& app, int slot);
// Makes `before` (the slot's picture before a change that has succeeded, in
// place) the undo copy, as selecting the slot before the change would have.
void keep_for_undo(App& app, int slot, Dib before);
// Puts the undo copy in place of the slot's picture and drops it (its buffer
// is kept for the next copy); the slot the copy was taken from goes back to
// where it lay then. 0 (and no change) when there is no undo copy, so a
// second undo does nothing.
int undo_canvas_change(App& app, int slot);
// Moves the slot's top-left to (x, y). Moving is not a change the undo takes
// back: the place of the slot's undo copy moves along.
void place_canvas(App& app, int slot, double x, double y);
// Drops the slot's picture.
void erase_canvas(App& app, int slot);
// A new picture of |trunc(p2 − p1)| filled with the colour, placed at the
// smaller corner. A size the picture toolkit refuses is reported by it and
// keeps the old picture; an empty size makes nothing. Returns 1 when made.
int make_canvas(App& app, int slot, DPoint p1, DPoint p2, Colorref color);

// Unsaved changes of a canvas: its picture against the one last read from or
// written to a BMP file (or made at start-up). A slot without a readable
// picture has nothing to save.
void mark_canvas_saved(App& app, int slot);
bool canvas_unsaved(App& app, int slot);

// Whether the slot holds a readable 24-bit picture.
bool has_picture(const CanvasSlot& slot);
// The pixel rows of the slot's picture when it is a readable 24-bit one.
std::optional<CanvasView> canvas_view(CanvasSlot& slot);

// The painting operations on a slot. Each paints with the app's brush and
// current colour into the slot's picture (nothing for a missing or not
// 24-bit picture) and returns 1 when something was laid. They do not select
// the slot for change; the commands that call them do.
//
// The freehand stroke recorded in app.in.strokepoints (the list is emptied).
int paint_canvas_stroke(App& app, int slot, BlendKind kind);
// The segment buffer (app.line_stock).
int paint_canvas_segments(App& app, int slot, BlendKind kind);
// The line template, when it is valid.
int paint_canvas_template(App& app, int slot, BlendKind kind);
// A straight stroke between two world points.
int paint_canvas_straight(App& app, int slot, DPoint from, DPoint to, BlendKind kind);
// The closed outline of the segment buffer, filled (hard or soft edged);
// nothing when the buffer is empty or its segments do not close.
int paint_canvas_outline(App& app, int slot, BlendKind kind, bool antialiased);

}  // namespace daub
