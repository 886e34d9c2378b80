#pragma once
// What the plain and the fast brush share, so that both compute every pixel's
// distance, box and channel with the very same expressions.

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/app.h"
#include "paint/brush.h"

namespace daub::brush_detail {

// The pixels a dab looks at: columns x0..x1, rows y0..y1, inside the mask.
struct DabBox {
  int x0 = 0, x1 = -1, y0 = 0, y1 = -1;
  bool empty() const { return x0 > x1 || y0 > y1; }
  long long area() const {
    return empty() ? 0
                   : (static_cast<long long>(x1) - x0 + 1) * (static_cast<long long>(y1) - y0 + 1);
  }
};

// The box trunc(c) + trunc(∓W/2 ∓ 1) on each axis, clipped to 0..size-1. It is
// computed in doubles so that no width or position can overflow it; a
// not-a-number anywhere gives an empty box (such a dab paints nothing).
inline void clip_axis(double c, double width, int size, int& lo, int& hi) {
  const double base = std::trunc(c);
  const double first = base + std::trunc(-width * 0.5 - 1.0);
  const double last = base + std::trunc(width * 0.5 + 1.0);
  if (!(first <= last) || !(last >= 0.0) || !(first <= size - 1.0)) {
    lo = 0, hi = -1;
    return;
  }
  lo = first <= 0.0 ? 0 : static_cast<int>(first);
  hi = last >= size - 1.0 ? size - 1 : static_cast<int>(last);
}

inline DabBox dab_box(double cx, double cy, double width, int w, int h) {
  DabBox b;
  clip_axis(cx, width, w, b.x0, b.x1);
  clip_axis(cy, width, h, b.y0, b.y1);
  if (b.empty()) return DabBox{};
  return b;
}

// A coordinate as an int within [lo, hi]; not-a-number gives lo.
inline int clamp_to(double v, int lo, int hi) {
  if (!(v >= lo)) return lo;
  if (!(v <= hi)) return hi;
  return static_cast<int>(v);
}

// Offset of a pixel centre from the dab centre on one axis.
inline double centre_offset(int pixel, double c) { return (pixel + 0.5) - c; }

inline bool mask_ok(const Mask& m) {
  return m.w > 0 && m.h > 0 &&
         m.bytes.size() >= static_cast<std::size_t>(m.w) * static_cast<std::size_t>(m.h) &&
         (m.spans.empty() || m.spans.size() == static_cast<std::size_t>(m.h));
}

inline std::uint8_t* mask_row(Mask& m, int y) {
  return m.bytes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(m.w);
}

// Records that columns x0..x1 of row y may have been written.
inline void widen_span(Mask& m, int y, int x0, int x1) {
  if (m.spans.empty() || x0 > x1) return;
  Mask::Span& s = m.spans[static_cast<std::size_t>(y)];
  s.x0 = std::min(s.x0, x0);
  s.x1 = std::max(s.x1, x1);
}

// The canvas can hold the mask's w × h pixels.
inline bool blend_fits(CanvasView c, const Mask& m) {
  return mask_ok(m) && c.bits != nullptr && c.w == m.w && c.h == m.h &&
         static_cast<long long>(c.stride) >= 3LL * c.w;
}

// Canvas pixel (x, y from the top): blue, green, red.
inline std::uint8_t* canvas_pixel(CanvasView c, int x, int y) {
  return c.bits + static_cast<std::size_t>(c.h - 1 - y) * static_cast<std::size_t>(c.stride) +
         3 * static_cast<std::size_t>(x);
}

// Colour channel of each stored byte: blue is bits 16-23, green 8-15, red 0-7.
inline int channel_of(Colorref color, int byte_index) {
  return static_cast<int>((color >> (8 * (2 - byte_index))) & 255u);
}

// New value of one stored byte under mask value m.
inline int blend_byte(BlendKind kind, int m, int old, int color) {
  const double a = m / 255.0;
  switch (kind) {
    case BlendKind::kColor:
      return color_channel(a, old, color);
    case BlendKind::kDarken:
      return darken_channel(a, old);
    case BlendKind::kLighten:
      return lighten_channel(a, old);
  }
  return old;
}

// Dabs first..last of a trail lie on the chord p → q, which starts `along`
// pixels into the trail and is `chord` long; dab i lies i half pixels in.
struct ChordRun {
  DPoint p, q;
  double along = 0, chord = 0;
  double first = 0, last = -1;
};

constexpr double kDabStep = 0.5;

inline DPoint dab_centre(const ChordRun& run, double i) {
  const double s = (i * kDabStep - run.along) / run.chord;
  return {run.p.x + (run.q.x - run.p.x) * s, run.p.y + (run.q.y - run.p.y) * s};
}

// Lays the dabs of a run, all of one brush, at once; false (and nothing laid)
// when the run is better laid dab by dab.
bool sweep_run(const BrushParams& brush, const ChordRun& run, Mask& mask);

// What a falloff table is indexed by: the squared distance r² (one table
// per width), or u = 2r/W (one table for all widths of a blur and density).
enum class Measure { kR2, kU };

// The falloff value at u = 2r/W, as the plain dab computes it from u.
int falloff_of_u(double u, double blur, double density);

// The table of this brush (by the measure) when it exists or pays for itself
// once `pixels` more are to be evaluated; null when they are better (or only
// safely) evaluated one by one. A table being built replaces the one before.
const FalloffTable* table_for(FalloffTable& t, const BrushParams& b, long long pixels,
                              Measure measure);
// Counts pixels evaluated one by one towards building the table.
void count_exact_pixels(FalloffTable& t, long long pixels);

// Raises a mask byte to the value at measure m, read off the table.
inline void raise_from_table(const FalloffTable& t, std::uint8_t& cell, double m) {
  if (!(m < t.below[1])) return;
  int v = t.start[static_cast<std::size_t>(m * t.inv_step)];
  if (cell >= v) return;
  while (m >= t.below[v]) --v;
  if (v > cell) cell = static_cast<std::uint8_t>(v);
}

enum class Form { kPlain, kFast };
int lay_segment(const App& app, const LineGeometry& seg, const BrushParams& brush, Mask& mask,
                Form form);

}  // namespace daub::brush_detail
