// A segment laid as a trail of dabs every half pixel along it: a straight
// segment directly, a curve along the polyline of its 31 sample points. Both
// forms of the rasteriser walk the same points with the same brushes; the
// plain one lays every dab, the fast one sweeps runs of equal dabs at once.
// Only dabs that can reach the canvas are walked, so a segment far longer or
// farther away than the canvas costs no more than one across it.

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/angle.h"
#include "geometry/curves.h"
#include "paint/brush.h"
#include "paint/brush_internal.h"

namespace daub {

using namespace brush_detail;

namespace {

constexpr double kStep = kDabStep;
// Beyond this length the point count is computed rather than counted off.
constexpr double kCountedLength = 1e6;
// Dab indices stay exact doubles (i * kStep) below this.
constexpr double kMaxIndex = 4503599627370496.0;  // 2^52
// No segment lays more dabs than this, however long or wide it is.
constexpr long long kMaxDabs = 1LL << 22;

// The polyline the dabs follow and the distance along it to each point.
struct Trail {
  CurvePoints points{};
  std::array<double, kCurvePointCount> along{};
  std::array<double, kCurvePointCount> chord{};
  int count = 0;
  double length() const { return along[count - 1]; }
};

Trail trail_of(const App& app, const LineGeometry& seg) {
  Trail trail;
  if (seg.kind == kShapeCurve) {
    trail.points = curve_points(seg);
    trail.count = kCurvePointCount;
  } else {
    trail.points[0] = {seg.x0, seg.y0};
    trail.points[1] = {seg.x1, seg.y1};
    trail.count = 2;
  }
  for (int k = 0; k + 1 < trail.count; ++k) {
    const double dx = trail.points[k + 1].x - trail.points[k].x;
    const double dy = trail.points[k + 1].y - trail.points[k].y;
    trail.chord[k] = std::sqrt(dx * dx + dy * dy);
    trail.along[k + 1] = trail.along[k] + trail.chord[k];
  }
  return trail;
}

// Points 0..m-1 lie every half pixel from the start; point m is the end:
// m counts the half pixels while more than a quarter pixel remains.
double point_count(double length) {
  if (!(length - kStep / 2 > 1e-10) || !std::isfinite(length)) return 0;
  if (length > kCountedLength)
    return std::min(kMaxIndex, std::ceil((length - kStep / 2 - 1e-10) / kStep));
  double m = 0;
  for (double d = length; d - kStep / 2 > 1e-10; d -= kStep) m += 1;
  return m;
}

// The part [t0, t1] (fractions of the chord p→q) inside the rectangle; false
// when none (or when a coordinate is not a number).
bool clip_chord(DPoint p, DPoint q, double xmin, double xmax, double ymin, double ymax, double& t0,
                double& t1) {
  t0 = 0, t1 = 1;
  const double d[2] = {q.x - p.x, q.y - p.y};
  const double from[2] = {p.x, p.y};
  const double lo[2] = {xmin, ymin}, hi[2] = {xmax, ymax};
  for (int a = 0; a < 2; ++a) {
    if (d[a] == 0) {
      if (!(from[a] >= lo[a] && from[a] <= hi[a])) return false;
      continue;
    }
    double ta = (lo[a] - from[a]) / d[a], tb = (hi[a] - from[a]) / d[a];
    if (ta > tb) std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
  }
  return t0 <= t1;
}

struct Walk {
  const Trail& trail;
  const BrushParams& brush;
  Mask& mask;
  Form form;
  double count = 0;  // m
  long long laid = 0;
};

// The brush of dab i: thinner or fainter towards a tapered end.
BrushParams brush_at(const Walk& w, double i) {
  const BrushParams& b = w.brush;
  const double f = taper((i + 1) * kStep, w.trail.length(), b.taper_ratio * b.width, b.tapered_end);
  BrushParams used = b;
  if (b.end_type == 1) used.width = b.width * f;
  if (b.end_type == 2) used.density = b.density * f;
  return used;
}

bool same_brush(const BrushParams& a, const BrushParams& b) {
  return a.width == b.width && a.density == b.density;
}

void lay_one(Walk& w, const BrushParams& b, DPoint c) {
  if (w.form == Form::kPlain)
    dab_plain(b, c.x, c.y, w.mask);
  else
    dab(b, c.x, c.y, w.mask);
  ++w.laid;
}

// The last dab from i on (up to `last`) that has the brush's own width and density.
double untapered_until(const Walk& w, double i, double last) {
  if (w.brush.end_type != 1 && w.brush.end_type != 2) return last;
  while (i < last && same_brush(brush_at(w, i + 1), w.brush)) i += 1;
  return i;
}

// The fast form sweeps each stretch of untapered dabs at once (or, when it
// cannot, lays them one by one); tapered dabs go one by one.
void lay_run(Walk& w, ChordRun run) {
  while (run.first <= run.last && w.laid < kMaxDabs) {
    const BrushParams b = brush_at(w, run.first);
    ChordRun part = run;
    part.last = run.first;
    if (w.form == Form::kFast && same_brush(b, w.brush))
      part.last = std::min(untapered_until(w, run.first, run.last),
                           run.first + static_cast<double>(kMaxDabs - w.laid) - 1);
    if (part.last > part.first && sweep_run(b, part, w.mask)) {
      w.laid += static_cast<long long>(part.last - part.first) + 1;
    } else {
      for (double i = part.first; i <= part.last; i += 1) lay_one(w, b, dab_centre(run, i));
    }
    run.first = part.last + 1;
  }
}

// Lays the points of chord k that can reach the canvas; a dab reaches at most
// W/2 + 2 pixels from its centre, and the margin covers rounding.
void lay_chord(Walk& w, int k) {
  const Trail& tr = w.trail;
  ChordRun run{tr.points[k], tr.points[k + 1], tr.along[k], tr.chord[k]};
  run.first = std::ceil(tr.along[k] / kStep);
  run.last = k + 2 == tr.count ? w.count - 1
                               : std::min(w.count - 1, std::ceil(tr.along[k + 1] / kStep) - 1);
  if (run.first > run.last) return;
  const double reach = w.brush.width * 0.5 + 3.0;
  double t0 = 0, t1 = 0;
  if (!clip_chord(run.p, run.q, -reach, w.mask.w + reach, -reach, w.mask.h + reach, t0, t1)) return;
  run.first = std::max(run.first, std::floor((run.along + t0 * run.chord) / kStep) - 1);
  run.last = std::min(run.last, std::ceil((run.along + t1 * run.chord) / kStep) + 1);
  lay_run(w, run);
}

}  // namespace

double taper(double t, double length, double lt0, int tapered_end) {
  const double lt = 2.0 * lt0 > length ? length / 2.0 : lt0;
  double k = 1.0;
  if ((tapered_end == 0 || tapered_end == 2) && t < lt) k = t / lt;
  if ((tapered_end == 1 || tapered_end == 2) && t > length - lt) k = (length - t) / lt;
  if (k < 0.0) k = 0.0;
  if (k > 1.0) k = 1.0;
  return std::sin(k * kPi / 2.0);
}

namespace brush_detail {

int lay_segment(const App& app, const LineGeometry& seg, const BrushParams& brush, Mask& mask,
                Form form) {
  if (seg.kind != kShapeCurve && seg.kind != kShapeStraight) return 0;
  const int result = seg.kind == kShapeCurve ? 1 : 2;
  // A width that is not positive paints nothing anywhere.
  if (!mask_ok(mask) || !(brush.width > 0)) return result;
  const Trail trail = trail_of(app, seg);
  Walk walk{trail, brush, mask, form};
  walk.count = point_count(trail.length());
  for (int k = 0; k + 1 < trail.count && walk.count > 0; ++k) lay_chord(walk, k);
  lay_one(walk, brush_at(walk, walk.count), DPoint{seg.x1, seg.y1});
  return result;
}

}  // namespace brush_detail

int rasterise_segment(const App& app, const LineGeometry& seg, const BrushParams& brush,
                      Mask& mask) {
  return lay_segment(app, seg, brush, mask, Form::kFast);
}

}  // namespace daub
