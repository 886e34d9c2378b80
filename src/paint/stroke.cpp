#include "paint/stroke.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geometry/chord_chain.h"
#include "geometry/curves.h"
#include "render/view.h"

namespace daub {
namespace {

constexpr double kDegree = 0.017453292519944444;  // radians in one degree
constexpr double kSamePoint = 1e-10;              // ends closer than this on both axes meet

ExtractionItem segment_record(const LineGeometry& g) {
  ExtractionItem s;
  s.geom = g;
  s.line = 1;
  s.direction = 1;
  return s;
}

ExtractionItem curve_segment(const PointDir& from, const PointDir& to) {
  LineGeometry g{from.x, from.y, from.angle, to.x, to.y, to.angle, kShapeCurve};
  return segment_record(g);
}

DPoint start_of(const LineGeometry& g) { return {g.x0, g.y0}; }
DPoint end_of(const LineGeometry& g) { return {g.x1, g.y1}; }
DPoint at(const PointDir& p) { return {p.x, p.y}; }

PointDir middle_of(const LineGeometry& g) {
  return {(g.x0 + g.x1) / 2.0, (g.y0 + g.y1) / 2.0, g.a1};
}

// The ends of all segments sorted by (x, y), for finding ends that meet.
struct End {
  double x, y;
  std::size_t segment;
};

std::vector<End> sorted_ends(const SegmentBuffer& segments) {
  std::vector<End> ends;
  ends.reserve(2 * segments.size());
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const LineGeometry& g = segments[i].geom;
    // A coordinate that is not a number meets nothing (and could not be sorted).
    if (!std::isnan(g.x0) && !std::isnan(g.y0)) ends.push_back({g.x0, g.y0, i});
    if (!std::isnan(g.x1) && !std::isnan(g.y1)) ends.push_back({g.x1, g.y1, i});
  }
  std::sort(ends.begin(), ends.end(),
            [](const End& a, const End& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  return ends;
}

// Whether (x, y) meets an end of a segment other than `self`. Ends are
// visited run by run of equal x within reach, each run searched on y.
bool meets_other(const std::vector<End>& ends, DPoint p, std::size_t self) {
  if (std::isnan(p.x) || std::isnan(p.y)) return false;
  const double reach_x = kSamePoint * 2 + std::fabs(p.x) * 1e-15;
  const double reach_y = kSamePoint * 2 + std::fabs(p.y) * 1e-15;
  auto it = std::lower_bound(ends.begin(), ends.end(), p.x - reach_x,
                             [](const End& e, double x) { return e.x < x; });
  while (it != ends.end() && it->x <= p.x + reach_x) {
    const double run_x = it->x;
    auto run_end =
        std::upper_bound(it, ends.end(), run_x, [](double x, const End& e) { return x < e.x; });
    auto e = std::lower_bound(it, run_end, p.y - reach_y,
                              [](const End& a, double y) { return a.y < y; });
    for (; e != run_end && e->y <= p.y + reach_y; ++e) {
      if (e->segment != self && std::fabs(e->x - p.x) <= kSamePoint &&
          std::fabs(e->y - p.y) <= kSamePoint)
        return true;
    }
    it = run_end;
  }
  return false;
}

// A segment whose end meets another is part of a longer stroke: only the
// stroke's own first start and last end may be thinned or faded.
BrushParams ends_for(BrushParams b, bool start_joined, bool end_joined) {
  if (start_joined && end_joined) {
    b.end_type = 0;
  } else if (end_joined) {  // the first segment
    if (b.tapered_end == 1)
      b.end_type = 0;
    else
      b.tapered_end = 0;
  } else if (start_joined) {  // the last segment
    if (b.tapered_end == 0)
      b.end_type = 0;
    else
      b.tapered_end = 1;
  }
  return b;
}

LineGeometry on_canvas(LineGeometry g, DPoint canvas_pos) {
  g.x0 -= canvas_pos.x;
  g.y0 -= canvas_pos.y;
  g.x1 -= canvas_pos.x;
  g.y1 -= canvas_pos.y;
  return g;
}

// The rows the mask's spans cover; every column of every row when the
// spans are not known.
TouchedRows touched_by(const Mask& mask) {
  if (mask.spans.size() == static_cast<std::size_t>(mask.h)) return mask.spans;
  return TouchedRows(static_cast<std::size_t>(mask.h), RowSpan{0, mask.w - 1});
}

// Makes a mask of the canvas in the app's mask bytes, lets `lay` fill it,
// blends it in the current colour and zeroes what it wrote of the bytes
// again; 0 when no mask can be had.
template <typename Lay>
int paint_through_mask(App& app, CanvasView canvas, BlendKind kind, TouchedRows* touched,
                       Lay&& lay) {
  if (canvas.bits == nullptr) return 0;
  Mask mask = make_mask(canvas.w, canvas.h, std::move(app.canvases.mask_bytes));
  if (mask.w == 0) return 0;
  app.ui.set_busy(true);
  lay(mask);
  blend_mask(canvas, mask, kind, app.settings.color);
  app.ui.set_busy(false);
  if (touched != nullptr) *touched = touched_by(mask);
  app.canvases.mask_bytes = zeroed_bytes(std::move(mask));
  return 1;
}

}  // namespace

std::optional<CanvasView> canvas_view(Dib& dib) {
  const DibInfo info = dib_info(dib);
  if (!info.ok() || info.bit_count != 24) return std::nullopt;
  return CanvasView{info.width, info.height, static_cast<int>(info.stride),
                    dib.data() + info.pixel_offset};
}

ExtractionItem straight_segment(DPoint p, DPoint q) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double angle = std::fabs(dx) < 1e-10 && std::fabs(dy) < 1e-10 ? 0.0 : std::atan2(dy, dx);
  return segment_record(LineGeometry{p.x, p.y, angle, q.x, q.y, angle, kShapeStraight});
}

SegmentBuffer smooth_segments(const SegmentBuffer& straight) {
  if (straight.size() < 2) return straight;
  SegmentBuffer out;
  PointDir m = middle_of(straight[0].geom);
  out.push_back(straight_segment(start_of(straight[0].geom), at(m)));
  for (std::size_t i = 1; i < straight.size(); ++i) {
    const LineGeometry& s = straight[i].geom;
    const PointDir next = middle_of(s);
    double turn = std::fabs(s.a1 - m.angle) / kDegree;
    if (turn > 180) turn = 360 - turn;
    if (turn > 60) {
      out.push_back(straight_segment(at(m), start_of(s)));
      out.push_back(straight_segment(start_of(s), at(next)));
    } else if (turn >= 5) {
      out.push_back(curve_segment(m, next));
    } else {
      out.push_back(straight_segment(at(m), at(next)));
    }
    m = next;
  }
  out.push_back(straight_segment(at(m), end_of(straight.back().geom)));
  return out;
}

SegmentBuffer build_freehand(const std::vector<IntPoint>& points, double factor,
                             const ScreenToWorld& to_world) {
  const std::vector<IntPoint> kept = simplify_by_chords(points, factor);
  SegmentBuffer straight;
  for (std::size_t i = 0; i + 1 < kept.size(); ++i)
    straight.push_back(straight_segment(to_world(kept[i]), to_world(kept[i + 1])));
  return smooth_segments(straight);
}

SegmentBuffer build_freehand(const App& app, const std::vector<IntPoint>& points) {
  return build_freehand(points, app.chord_tolerance,
                        [&app](IntPoint p) { return to_world(app, p.x, p.y); });
}

void lay_segments(const App& app, const SegmentBuffer& segments, const BrushParams& brush,
                  DPoint canvas_pos, Mask& mask) {
  const std::vector<End> ends = sorted_ends(segments);
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const LineGeometry& g = segments[i].geom;
    const BrushParams used =
        ends_for(brush, meets_other(ends, start_of(g), i), meets_other(ends, end_of(g), i));
    rasterise_segment(app, on_canvas(g, canvas_pos), used, mask);
  }
}

int paint_segments(App& app, const SegmentBuffer& segments, CanvasView canvas, DPoint canvas_pos,
                   BlendKind kind, TouchedRows* touched) {
  if (segments.empty()) return 0;
  return paint_through_mask(app, canvas, kind, touched, [&](Mask& mask) {
    lay_segments(app, segments, app.brush, canvas_pos, mask);
  });
}

int paint_stroke(App& app, CanvasView canvas, DPoint canvas_pos, BlendKind kind,
                 TouchedRows* touched) {
  const std::vector<IntPoint> points = std::move(app.in.strokepoints);
  app.in.strokepoints.clear();
  return paint_segments(app, build_freehand(app, points), canvas, canvas_pos, kind, touched);
}

int paint_geometry(App& app, const LineGeometry& geometry, CanvasView canvas, DPoint canvas_pos,
                   BlendKind kind, TouchedRows* touched) {
  if (geometry.kind != kShapeCurve && geometry.kind != kShapeStraight) return 0;
  return paint_through_mask(app, canvas, kind, touched, [&](Mask& mask) {
    rasterise_segment(app, on_canvas(geometry, canvas_pos), app.brush, mask);
  });
}

int paint_straight_stroke(App& app, DPoint press, DPoint release, CanvasView canvas,
                          DPoint canvas_pos, BlendKind kind, TouchedRows* touched) {
  return paint_geometry(app, straight_segment(press, release).geom, canvas, canvas_pos, kind,
                        touched);
}

}  // namespace daub
