#pragma once
// The stroke commands of the canvases, run at the button release: each
// selects its slot for change (so the stroke can be undone), lays its stroke
// with the given blend and leaves the repaint to the caller.

#include "model/app.h"
#include "paint/brush.h"
#include "platform/dc.h"

namespace daub {

// A new canvas over the press-release rectangle in `color`, shown and framed.
int make_canvas_command(App& app, int slot, Colorref color);

// The recorded drag, simplified and smoothed; the segment buffer is left empty.
int freehand_stroke(App& app, int slot, BlendKind kind);

// A straight stroke from the press to the release.
int straight_stroke(App& app, int slot, BlendKind kind);

// The curve step: a curve from the current point (with its direction) to `to`
// (with its direction), checked as lines are, painted through the line
// template; the current point moves to its end. 0 when the curve is refused.
int curve_stroke_to(App& app, int slot, BlendKind kind, PointDir to);

// Two clicks per curve: without a current point the press becomes it, headed
// along the drag, and nothing is painted; with one, the curve runs to the
// release. A colour stroke keeps the current point for the next click; a
// darkening or lightening one ends the curve.
int two_click_curve(App& app, int slot, BlendKind kind);

// The curve from the current point (which the caller has made sure of) to
// the release, headed along the drag.
int curve_from_nowpoint(App& app, int slot, BlendKind kind);

// A curve along a drag: the start and end directions follow the start and
// end of the mouse trail.
int drag_curve(App& app, int slot, BlendKind kind);

// The paint commands on the line template, the segment buffer and its
// closed outline.
int template_command(App& app, int slot, BlendKind kind);
int segments_command(App& app, int slot, BlendKind kind);
int outline_command(App& app, int slot, BlendKind kind, bool antialiased);

// The recorded drag as line elements of the current layer with the current
// line pen: the freehand stroke's segments, their outer ends snapped. The
// segments stay in the segment buffer with their element numbers. Returns
// the number of lines made.
int freehand_lines(App& app);

}  // namespace daub
