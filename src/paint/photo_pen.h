#pragma once
// The brush settings of the canvases, in their three input forms: the
// photo pen dialog with all six settings and a test stroke, and two
// one-line inputs (width, blur, density; end treatment).

#include "paint/brush.h"

namespace daub {
struct App;
class Dc;

// Draws a 150 × 80 white sample with a straight stroke from (20, 40) to
// (130, 40) in the brush and colour given, its top-left at (x, y) on dc.
// Returns 1 when drawn.
int draw_brush_sample(App& app, Dc& dc, int x, int y, const BrushParams& brush, Colorref color);

// The brush within its limits: width and taper ratio at least 0, blur 0 to
// `max_blur`, density 0..1.
BrushParams clamp_brush(BrushParams brush, double max_blur);

// PHOTOPENINPUTBOX (command 1028): OK stores all six settings; returns 1,
// or 0 when cancelled (nothing changes).
int photo_pen_dialog(App& app);

// Command 654: "width,blur,density" in the one-line input. Returns 1 when
// three finite numbers were read (then clamped and stored).
int photo_pen_input(App& app);

// Command 899: "end type,tapered end,ratio" in the one-line input; an end
// type or tapered end outside 0..2 becomes 0. Returns 1 when stored.
int photo_pen_ends_input(App& app);

}  // namespace daub
