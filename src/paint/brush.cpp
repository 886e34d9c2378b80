// The fast brush. Values come from the brush's falloff tables (exact, see
// brush_table.cpp), and a pixel the mask already holds at its value or more
// is passed over at once.
//
// Dabs of one brush along a chord lie half a pixel apart on a line, and since
// the value only falls as r² grows, a pixel gets from all of them exactly
// what the nearest one gives it. So a run of such dabs is laid by visiting
// each pixel near the run once and measuring it, as the plain dab would, from
// the dabs nearest its projection onto the run — instead of visiting it from
// every one of the dozens of dabs that cover it.
//
// Blends visit only the touched span of each row, and work out each
// (channel, coverage, old value) once.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>

#include "paint/brush.h"
#include "paint/brush_internal.h"

namespace daub {

using namespace brush_detail;

namespace {

constexpr std::size_t kMaxMaskBytes = std::size_t{1} << 28;
// Tables are used only for dab centres this close to the canvas, where pixel
// offsets are exact to far below a pixel.
constexpr double kMaxCentre = 1099511627776.0;  // 2^40
// Runs shorter than this are laid dab by dab.
constexpr double kMinSweep = 8;
// Dab centres a sweep holds at a time.
constexpr double kSweepBatch = 65536;
// Neighbours of the nearest dab a sweep also measures, at most: beyond them
// rounding can no longer make a dab look nearer than the nearest.
constexpr double kMaxNeighbours = 64;

bool centre_fits(double cx, double cy) {
  return std::fabs(cx) < kMaxCentre && std::fabs(cy) < kMaxCentre;
}

// The largest coordinate of a chord's ends, at least 1.
double chord_size(const ChordRun& run) {
  return std::max(
      {std::fabs(run.p.x), std::fabs(run.p.y), std::fabs(run.q.x), std::fabs(run.q.y), 1.0});
}

// The dab read off a table: `measure` turns a pixel's r² into the table's
// measure, and pixels from r² = cut on get nothing.
template <typename ToMeasure>
void dab_from_table(const FalloffTable& t, double cut, ToMeasure measure, const DabBox& box,
                    double cx, double cy, Mask& mask) {
  for (int y = box.y0; y <= box.y1; ++y) {
    const double dy = centre_offset(y, cy);
    const double dy2 = dy * dy;
    if (!(dy2 < cut)) continue;
    // Columns whose r² can be below the cut, with a pixel to spare.
    const double half = std::sqrt(cut - dy2);
    const int x0 = clamp_to(std::floor(cx - 0.5 - half) - 1, box.x0, box.x1);
    const int x1 = clamp_to(std::ceil(cx - 0.5 + half) + 1, box.x0, box.x1);
    std::uint8_t* row = mask_row(mask, y);
    for (int x = x0; x <= x1; ++x) {
      const double dx = centre_offset(x, cx);
      const double r2 = dx * dx + dy2;
      if (r2 < cut && row[x] < t.peak) raise_from_table(t, row[x], measure(r2));
    }
    widen_span(mask, y, x0, x1);
  }
}

// A dab of one width read off the table over r².
void dab_by_r2(const FalloffTable& t, const DabBox& box, double cx, double cy, Mask& mask) {
  dab_from_table(
      t, t.below[1], [](double r2) { return r2; }, box, cx, cy, mask);
}

// A dab of any width read off the table over u = 2r/W, u computed as the
// plain dab does. Past r = below[1]·W/2 (with a margin for rounding) u is
// at least below[1], where nothing is given.
void dab_by_u(const FalloffTable& t, double width, const DabBox& box, double cx, double cy,
              Mask& mask) {
  const double reach = t.below[1] * width * 0.5 * (1.0 + 1e-9);
  dab_from_table(
      t, reach * reach, [width](double r2) { return 2.0 * std::sqrt(r2) / width; }, box, cx, cy,
      mask);
}

// Pixel by pixel, as the plain dab, passing over pixels that cannot rise.
void dab_exact(const BrushParams& b, const DabBox& box, double cx, double cy, Mask& mask) {
  const bool falls = b.width > 0 && b.blur >= 0 && b.density >= 0;
  const int ceiling = falls ? falloff_value(0.0, b.width, b.blur, b.density) : 255;
  for (int y = box.y0; y <= box.y1; ++y) {
    const double dy = centre_offset(y, cy);
    std::uint8_t* row = mask_row(mask, y);
    if (*std::min_element(row + box.x0, row + box.x1 + 1) >= ceiling) continue;
    for (int x = box.x0; x <= box.x1; ++x) {
      if (row[x] >= ceiling) continue;
      const double dx = centre_offset(x, cx);
      const int value = falloff_value(std::sqrt(dx * dx + dy * dy), b.width, b.blur, b.density);
      if (value > row[x]) row[x] = static_cast<std::uint8_t>(value);
    }
    widen_span(mask, y, box.x0, box.x1);
  }
  count_exact_pixels(mask.falloff_by_u, box.area());
}

// The columns of a row within reach of the run a → b: those near the part
// of the run within reach of the row.
void row_reach(DPoint a, DPoint b, double row_y, double reach, int w, int& x0, int& x1) {
  x0 = 0, x1 = -1;
  double t0 = 0, t1 = 1;
  const double dy = b.y - a.y;
  if (dy != 0) {
    t0 = std::max(0.0, std::min((row_y - reach - a.y) / dy, (row_y + reach - a.y) / dy));
    t1 = std::min(1.0, std::max((row_y - reach - a.y) / dy, (row_y + reach - a.y) / dy));
    if (t0 > t1) return;
  } else if (!(std::fabs(a.y - row_y) <= reach)) {
    return;
  }
  const double xa = a.x + (b.x - a.x) * t0, xb = a.x + (b.x - a.x) * t1;
  x0 = clamp_to(std::floor(std::min(xa, xb) - reach), 0, w - 1);
  x1 = clamp_to(std::ceil(std::max(xa, xb) + reach), 0, w - 1);
}

// A run's dab centres, and what places a pixel against the run: the dab
// nearest its projection, and a floor under its r² from any dab.
struct RunCentres {
  std::vector<DPoint> c;
  DPoint a, d;            // first centre, last minus first
  double inv_len2 = 0.0;  // 1 / |d|²
  double to_index = 0.0;  // projection times this is the dab index
  double neighbours = 1;  // dabs on either side of the nearest also measured
  double cut2 = 0.0;      // squared distances to the segment from which nothing is given
  double slack = 0.0;     // what rounding may take off a squared distance
};

// The dab centres stray from the segment a → b by rounding far below
// stray = 1e-12 of the coordinates' size (at most about a pixel, as sweeps
// only take chords within 2^40). A pixel at distance D from the segment is
// therefore at least D − stray from every dab: nothing reaches it once D
// exceeds √limit + stray, and below that r² ≥ D² − 2·stray·(√limit + stray).
void set_floor(RunCentres& r, double limit, double size) {
  const double stray = 1e-12 * size + 1e-12;
  const double within = std::sqrt(limit) + stray;
  r.cut2 = within * within * (1.0 + 1e-12) + 1e-9;
  r.slack = 2.0 * stray * within + 1e-12 * r.cut2 + 1e-9;
}

RunCentres centres_of(const ChordRun& part, double neighbours, double limit) {
  RunCentres r;
  r.neighbours = neighbours;
  for (double i = part.first; i <= part.last; i += 1) r.c.push_back(dab_centre(part, i));
  r.a = r.c.front();
  r.d = {r.c.back().x - r.a.x, r.c.back().y - r.a.y};
  const double len2 = r.d.x * r.d.x + r.d.y * r.d.y;
  if (len2 > 0) r.inv_len2 = 1.0 / len2;
  r.to_index = static_cast<double>(r.c.size() - 1) * r.inv_len2;
  set_floor(r, limit, chord_size(part));
  return r;
}

// The smallest r² of pixel (x, y) from the dab j nearest its projection and
// j's neighbours, which cover any rounding in the projection and in r².
double nearest_r2(const RunCentres& r, int x, int y, double dot) {
  const double along = dot * r.to_index;
  const double last = static_cast<double>(r.c.size() - 1);
  const double j = along <= 0 ? 0.0 : along >= last ? last : std::trunc(along + 0.5);
  const auto to = static_cast<std::size_t>(std::min(j + r.neighbours, last));
  double best = std::numeric_limits<double>::infinity();
  for (auto k = static_cast<std::size_t>(std::max(j - r.neighbours, 0.0)); k <= to; ++k) {
    const double dx = centre_offset(x, r.c[k].x), dy = centre_offset(y, r.c[k].y);
    best = std::min(best, dx * dx + dy * dy);
  }
  return best;
}

// Raises one pixel to what the run gives it. A pixel beyond the cut, or one
// the mask already holds at the value of the floor under its r² (which
// bounds what any dab gives it), needs no dab measured.
void sweep_pixel(const FalloffTable& t, const RunCentres& r, int x, int y, std::uint8_t& cell) {
  const double ex = centre_offset(x, r.a.x), ey = centre_offset(y, r.a.y);
  const double dot = ex * r.d.x + ey * r.d.y;
  const double s = std::clamp(dot * r.inv_len2, 0.0, 1.0);
  const double fx = ex - r.d.x * s, fy = ey - r.d.y * s;
  const double d2 = fx * fx + fy * fy;
  if (!(d2 < r.cut2)) return;
  const double floor_r2 = (d2 - r.slack) * (1.0 - 1e-12);
  if (!(floor_r2 < t.below[1])) return;
  if (cell >= t.start[floor_r2 > 0 ? static_cast<std::size_t>(floor_r2 * t.inv_step) : 0]) return;
  raise_from_table(t, cell, nearest_r2(r, x, y, dot));
}

void sweep_part(const FalloffTable& t, const ChordRun& part, double neighbours, Mask& mask) {
  const RunCentres r = centres_of(part, neighbours, t.below[1]);
  const double reach = std::sqrt(r.cut2) + 1.0;
  const DPoint b{r.a.x + r.d.x, r.a.y + r.d.y};
  const int y0 = clamp_to(std::floor(std::min(r.a.y, b.y) - reach), 0, mask.h - 1);
  const int y1 = clamp_to(std::ceil(std::max(r.a.y, b.y) + reach), 0, mask.h - 1);
  for (int y = y0; y <= y1; ++y) {
    int x0 = 0, x1 = -1;
    row_reach(r.a, b, y + 0.5, reach, mask.w, x0, x1);
    std::uint8_t* row = mask_row(mask, y);
    for (int x = x0; x <= x1; ++x) sweep_pixel(t, r, x, y, row[x]);
    widen_span(mask, y, x0, x1);
  }
}

// Narrows dabs first..last (centres a .. b) to those facing the canvas: the
// nearest dab to any canvas pixel lies at the pixel's projection onto the
// run (or at the run's end), so beyond the canvas's projection only the
// `margin` dabs that rounding could make look as near are needed.
void facing_canvas(DPoint a, DPoint b, const Mask& mask, double margin, double& first,
                   double& last) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  if (!(len2 > 0)) return;
  const double to_index = (last - first) / len2;
  double lo = std::numeric_limits<double>::infinity(), hi = -lo;
  for (const DPoint corner : {DPoint{0, 0}, DPoint{1.0 * mask.w, 0}, DPoint{0, 1.0 * mask.h},
                              DPoint{1.0 * mask.w, 1.0 * mask.h}}) {
    const double along = ((corner.x - a.x) * dx + (corner.y - a.y) * dy) * to_index;
    lo = std::min(lo, along), hi = std::max(hi, along);
  }
  const double from = first, to = last;
  if (!(lo <= hi)) return;
  first = std::clamp(from + std::floor(lo) - margin - 2, from, to);
  last = std::clamp(from + std::ceil(hi) + margin + 2, from, to);
}

// Squared distance from the farthest canvas corner to the segment a → b: no
// canvas pixel lies farther from its nearest dab.
double farthest_corner_r2(DPoint a, DPoint b, const Mask& mask) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double len2 = dx * dx + dy * dy;
  double far = 0;
  for (const DPoint c : {DPoint{0, 0}, DPoint{1.0 * mask.w, 0}, DPoint{0, 1.0 * mask.h},
                         DPoint{1.0 * mask.w, 1.0 * mask.h}}) {
    double t = len2 > 0 ? ((c.x - a.x) * dx + (c.y - a.y) * dy) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = c.x - (a.x + dx * t), ey = c.y - (a.y + dy * t);
    far = std::max(far, ex * ex + ey * ey);
  }
  return far + 1.0;
}

// How many neighbours of the nearest dab a sweep must measure. The nearest
// lies at most a quarter pixel from the pixel's projection, so a dab more
// than k steps (half pixels) from it is at least k(k+1)/4 farther in r². Two
// r² are each rounded by less than 1e-15 of themselves, and the dab centres
// stray from even spacing by less than 2e-15 of the coordinates' size, which
// takes at most 4(k+1) times that off the difference; once k(k+1)/4 exceeds
// both no dab beyond k can look nearer. Near the canvas that is one.
double neighbours_for(double far_r2, double size) {
  const double stray = 2e-15 * size + 1e-15;
  double k = 1;
  while (k * (k + 1) / 4 <= 2e-15 * far_r2 + 4 * (k + 1) * stray && k <= kMaxNeighbours) k += 1;
  return k;
}

// Blended byte values, worked out once per (channel, mask value, old value).
struct BlendCache {
  BlendKind kind;
  Colorref color;
  std::vector<std::int16_t> values = std::vector<std::int16_t>(3 * 256 * 256, -1);

  std::uint8_t get(int c, int m, int old) {
    // Darkening and lightening do not depend on the colour: one channel serves all.
    if (kind != BlendKind::kColor) c = 0;
    std::int16_t& v = values[(static_cast<std::size_t>(c) * 256 + m) * 256 + old];
    if (v < 0) v = static_cast<std::int16_t>(blend_byte(kind, m, old, channel_of(color, c)));
    return static_cast<std::uint8_t>(v);
  }
};

}  // namespace

namespace brush_detail {

bool sweep_run(const BrushParams& brush, const ChordRun& run, Mask& mask) {
  if (!mask_ok(mask) || run.last - run.first + 1 < kMinSweep) return false;
  if (!centre_fits(run.p.x, run.p.y) || !centre_fits(run.q.x, run.q.y)) return false;
  double first = run.first, last = run.last;
  const DPoint a = dab_centre(run, first), b = dab_centre(run, last);
  facing_canvas(a, b, mask, 0, first, last);
  const double neighbours = neighbours_for(
      farthest_corner_r2(dab_centre(run, first), dab_centre(run, last), mask), chord_size(run));
  if (!(neighbours <= kMaxNeighbours)) return false;
  const FalloffTable* t =
      table_for(mask.falloff, brush, std::numeric_limits<long>::max(), Measure::kR2);
  if (!t) return false;
  first = run.first, last = run.last;
  facing_canvas(a, b, mask, neighbours, first, last);
  for (; first <= last; first += kSweepBatch) {
    ChordRun part = run;
    part.first = first;
    part.last = std::min(last, first + kSweepBatch - 1);
    sweep_part(*t, part, neighbours, mask);
  }
  return true;
}

}  // namespace brush_detail

Mask make_mask(int w, int h, std::vector<std::uint8_t> zeroed) {
  Mask m;
  if (w <= 0 || h <= 0 || static_cast<std::size_t>(w) * static_cast<std::size_t>(h) > kMaxMaskBytes)
    return m;
  try {
    // Shrinking keeps zeros and growing adds them: every byte is 0.
    zeroed.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    m.spans.assign(static_cast<std::size_t>(h), Mask::Span{w, -1});
  } catch (const std::bad_alloc&) {
    return Mask{};
  }
  m.bytes = std::move(zeroed);
  m.w = w, m.h = h;
  return m;
}

std::vector<std::uint8_t> zeroed_bytes(Mask&& mask) {
  const bool spans_known = mask_ok(mask) && !mask.spans.empty();
  std::vector<std::uint8_t> bytes = std::move(mask.bytes);
  if (!spans_known) {
    std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
    return bytes;
  }
  for (int y = 0; y < mask.h; ++y) {
    const Mask::Span s = mask.spans[static_cast<std::size_t>(y)];
    const int x0 = std::max(s.x0, 0), x1 = std::min(s.x1, mask.w - 1);
    if (x0 <= x1)
      std::fill_n(bytes.data() + static_cast<std::size_t>(y) * mask.w + x0, x1 - x0 + 1,
                  std::uint8_t{0});
  }
  return bytes;
}

// A dab of the brush whose runs are being swept reads the table over r²;
// any other (a tapered dab, a single dab) the table over u once it pays.
void dab(const BrushParams& brush, double cx, double cy, Mask& mask) {
  if (!mask_ok(mask)) return;
  const DabBox box = dab_box(cx, cy, brush.width, mask.w, mask.h);
  if (box.empty()) return;
  if (centre_fits(cx, cy)) {
    if (const FalloffTable* t = table_for(mask.falloff, brush, 0, Measure::kR2))
      return dab_by_r2(*t, box, cx, cy, mask);
    if (const FalloffTable* t = table_for(mask.falloff_by_u, brush, box.area(), Measure::kU))
      return dab_by_u(*t, brush.width, box, cx, cy, mask);
  }
  dab_exact(brush, box, cx, cy, mask);
}

void blend_mask(CanvasView canvas, const Mask& mask, BlendKind kind, Colorref color) {
  if (!blend_fits(canvas, mask)) return;
  BlendCache cache{kind, color};
  for (int y = 0; y < canvas.h; ++y) {
    const Mask::Span s =
        mask.spans.empty() ? Mask::Span{0, canvas.w - 1} : mask.spans[static_cast<std::size_t>(y)];
    const std::uint8_t* row = mask.bytes.data() + static_cast<std::size_t>(y) * mask.w;
    for (int x = std::max(s.x0, 0); x <= std::min(s.x1, canvas.w - 1); ++x) {
      const int m = row[x];
      if (m == 0) continue;  // an untouched pixel keeps its colour under every blend
      std::uint8_t* px = canvas_pixel(canvas, x, y);
      for (int c = 0; c < 3; ++c) px[c] = cache.get(c, m, px[c]);
    }
  }
}

}  // namespace daub
