#pragma once
// The soft brush: round dabs with a cosine falloff laid into a coverage mask,
// segments laid as trails of dabs every half pixel with optionally thinned or
// faded ends, and the mask blended into a 24-bit picture in a colour, or used
// to darken or lighten it.
//
// Every operation comes in two forms. The `_plain` form evaluates the falloff
// at every pixel of every dab and blends every pixel of the picture; it is the
// reference. The other form gives the same bytes much faster: it reads the
// falloff from a per-brush table of the exact squared distances at which the
// value steps down, lays a run of equal dabs by measuring each pixel from its
// nearest dabs only, and blends only the rows' touched spans.

#include <array>
#include <cstdint>
#include <vector>

#include "model/brush_params.h"
#include "model/canvas.h"
#include "model/records.h"

namespace daub {
struct App;

// What the fast brush learned about one brush (width, blur, density): for
// every value k the distance measure (r², or u = 2r/W) from which the
// falloff gives less than k, and an index over the measure giving the value
// at each step start.
struct FalloffTable {
  struct Key {
    double width = 0, blur = 0, density = 0;
  };
  Key key;  // the brush the table was built for (width 0 for a table over u)
  bool built = false;
  Key pending;                      // a brush not yet worth a table
  long pending_pixels = 0;          // pixels evaluated one by one for it so far
  int peak = 0;                     // the value at the centre
  std::array<double, 257> below{};  // below[k]: smallest measure whose value is < k
  double step = 0, inv_step = 0;    // index interval (a power of two) and its inverse
  std::vector<std::uint8_t> start;  // start[i]: the value at the measure i * step
};

// The paint mask of a canvas: one byte per pixel, row-major, top row first,
// 0 untouched .. 255 full coverage.
struct Mask {
  int w = 0, h = 0;
  std::vector<std::uint8_t> bytes;
  // Per row, the columns [x0, x1] a dab may have written (x0 > x1: none).
  // Empty means "unknown": every pixel is blended. Code that writes bytes
  // directly either leaves it empty or widens the spans it wrote.
  using Span = RowSpan;
  std::vector<Span> spans;
  // Scratch of the fast brush: its falloff by r² for one width, and by
  // u = 2r/W for the brushes that differ from it only in width.
  FalloffTable falloff, falloff_by_u;
};

// A zeroed mask of w × h with empty spans; a 0 × 0 mask when the size is not
// positive or the bytes cannot be had (the stroke is then silently skipped).
// `zeroed`, bytes that are all 0, are taken for the mask's bytes.
Mask make_mask(int w, int h, std::vector<std::uint8_t> zeroed = {});
// The mask's bytes zeroed again, for the next make_mask: only the spans'
// columns (every byte when the spans are unknown).
std::vector<std::uint8_t> zeroed_bytes(Mask&& mask);

// The pixel rows of a 24-bit bottom-up picture: pixel (i, j) from the top
// left lies in stored row h − 1 − j at byte 3i, blue, green, red.
struct CanvasView {
  int w = 0, h = 0;
  int stride = 0;
  std::uint8_t* bits = nullptr;
};

enum class BlendKind { kColor, kDarken, kLighten };

// One dab centred at (cx, cy) in canvas pixels: every pixel whose box lies
// within the width's reach gets max(mask, falloff value). The box is clipped
// to the mask, so any width or position is safe.
void dab(const BrushParams& brush, double cx, double cy, Mask& mask);
void dab_plain(const BrushParams& brush, double cx, double cy, Mask& mask);

// The falloff value (0..255) at distance r from a dab centre.
int falloff_value(double r, double width, double blur, double density);

// Lays a segment (in canvas coordinates) as dabs every half pixel, thinning
// or fading its ends as the brush says. Returns 0 for a hidden or unknown
// kind, 1 for a curve, 2 for a straight segment.
int rasterise_segment(const App& app, const LineGeometry& seg, const BrushParams& brush,
                      Mask& mask);
int rasterise_segment_plain(const App& app, const LineGeometry& seg, const BrushParams& brush,
                            Mask& mask);

// Width or density factor at distance t along a segment of length L whose
// thinned ends are lt0 long (at most half the segment each).
double taper(double t, double length, double lt0, int tapered_end);

// Blends the mask (same size as the canvas) into the canvas with a = mask /
// 255: towards the colour, or darkening or lightening by a (the colour is
// not used then). A mask of another size leaves the canvas untouched.
void blend_mask(CanvasView canvas, const Mask& mask, BlendKind kind, Colorref color);
void blend_mask_plain(CanvasView canvas, const Mask& mask, BlendKind kind, Colorref color);

// One channel (0..255) under coverage a (0..1).
int color_channel(double a, int old, int color);
int lighten_channel(double a, int old);
int darken_channel(double a, int old);

}  // namespace daub
