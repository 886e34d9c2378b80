#pragma once
// Brush strokes: the recorded drag simplified to the points that matter,
// joined by straight segments, smoothed into curves where the hand turned
// gently, and painted as trails of dabs into a canvas; the straight stroke,
// single geometries (the line template) and filled outlines.
//
// The painting operations take App& first and paint with its brush
// (`app.brush`) and current colour (`app.settings.color`) into the pixel rows
// of a 24-bit canvas whose top-left lies at `canvas_pos` in world units. They
// return 1 when something was laid, 0 when there was nothing to paint.

#include <functional>
#include <optional>
#include <vector>

#include "model/app.h"
#include "model/records.h"
#include "paint/brush.h"
#include "picture/dib.h"

namespace daub {

// The segment buffer: 64-byte records, a line geometry and two words the
// stroke builder sets to 1 — the layout of the line extraction list, so the
// outline ordering of regions can walk it.
using SegmentBuffer = std::vector<ExtractionItem>;

// The pixel rows of a 24-bit picture; none for any other picture.
std::optional<CanvasView> canvas_view(Dib& dib);

// A straight segment p → q, both angles along it (0 when p and q coincide).
ExtractionItem straight_segment(DPoint p, DPoint q);

// Straight mouse segments made smooth: each corner of a turn of 5 to 60
// degrees becomes a curve from the middle of one segment to the middle of the
// next, a sharper corner is kept, a gentler one straightened. Fewer than two
// segments are returned as they are.
SegmentBuffer smooth_segments(const SegmentBuffer& straight);

using ScreenToWorld = std::function<DPoint(IntPoint)>;

// The segments of a freehand stroke: simplified, converted to world
// coordinates, joined and smoothed. Empty for no points.
SegmentBuffer build_freehand(const std::vector<IntPoint>& points, double factor,
                             const ScreenToWorld& to_world);
// The same through the app's view and chord tolerance.
SegmentBuffer build_freehand(const App& app, const std::vector<IntPoint>& points);

// Lays every segment, less the canvas position, into the mask. An end that
// meets another segment's end is never thinned: a stroke fades only at its
// own two ends.
void lay_segments(const App& app, const SegmentBuffer& segments, const BrushParams& brush,
                  DPoint canvas_pos, Mask& mask);

// What a painting operation may have changed of the canvas: per row from
// the top, the columns it wrote (empty when it painted nothing).
using TouchedRows = std::vector<RowSpan>;

// The brush strokes below lay their mask in app.canvases.mask_bytes and
// give those bytes back zeroed; each says in `touched`, when given, what it
// changed.
//
// The freehand stroke recorded in app.in.strokepoints (the list is emptied).
int paint_stroke(App& app, CanvasView canvas, DPoint canvas_pos, BlendKind kind,
                 TouchedRows* touched = nullptr);
// A segment buffer.
int paint_segments(App& app, const SegmentBuffer& segments, CanvasView canvas, DPoint canvas_pos,
                   BlendKind kind, TouchedRows* touched = nullptr);
// One geometry in world coordinates (the line template), with the brush's own ends.
int paint_geometry(App& app, const LineGeometry& geometry, CanvasView canvas, DPoint canvas_pos,
                   BlendKind kind, TouchedRows* touched = nullptr);
// The straight stroke from press to release (world points).
int paint_straight_stroke(App& app, DPoint press, DPoint release, CanvasView canvas,
                          DPoint canvas_pos, BlendKind kind, TouchedRows* touched = nullptr);

enum class OutlineFill { kPlain, kAntialiased };

// The outline polygon of segments in outline order: the first start, then
// each segment's end (straight) or the 30 further sample points of a curve,
// relative to the canvas position and multiplied by `scale`, truncated.
std::vector<IntPoint> outline_polygon(const App& app, const SegmentBuffer& ordered,
                                      DPoint canvas_pos, int scale);
// The mask from a white-on-black picture of the outline: each pixel's red
// (plain), or the average red of each 2 × 2 block of a picture twice the size.
Mask outline_mask(const DcImage& picture, int w, int h, OutlineFill fill);
// Fills the outline of segments the region ordering has accepted (and put
// in order) and blends it; 0 when the buffer is empty or no picture can be had.
int paint_outline(App& app, const SegmentBuffer& ordered, CanvasView canvas, DPoint canvas_pos,
                  BlendKind kind, OutlineFill fill);

}  // namespace daub
