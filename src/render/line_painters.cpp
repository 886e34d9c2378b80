#include "render/line_painters.h"

#include <cmath>
#include <cstdint>

#include "drawing/chain.h"
#include "drawing/layers.h"
#include "geometry/curves.h"
#include "model/app.h"
#include "render/display.h"
#include "render/pens.h"
#include "render/view.h"

namespace daub {
namespace {

// A dot piece shorter than this on the screen cannot be seen; a pattern that
// fine is drawn as the solid line it looks like.
constexpr double kMinVisiblePiece = 0.25;
// Most cut points one dotted line may have (a line far longer than any screen
// at a visible piece size); longer patterns are drawn solid, so no line from a
// file can make a paint take hours.
constexpr double kMaxDotPoints = 1 << 22;

// The world points a line is stroked through: A and B, or the curve's samples.
struct StrokePoints {
  CurvePoints p{};
  int count = 0;
};

bool finite_point(DPoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// False for a hidden line, an unknown shape kind, or a point or curve
// direction that is not a finite number (a damaged file); such a line is not
// drawn.
bool stroke_points(const App& app, const LineGeometry& g, StrokePoints& out) {
  if (g.kind == kShapeStraight) {
    out.p[0] = DPoint{g.x0, g.y0};
    out.p[1] = DPoint{g.x1, g.y1};
    out.count = 2;
  } else if (g.kind == kShapeCurve) {
    if (!std::isfinite(g.a0) || !std::isfinite(g.a1)) return false;
    out.p = curve_points(g);
    out.count = kCurvePointCount;
  } else {
    return false;
  }
  for (int i = 0; i < out.count; ++i)
    if (!finite_point(out.p[i])) return false;
  return true;
}

int stroke_result(const LineGeometry& g) { return g.kind == kShapeCurve ? 1 : 2; }

double distance(DPoint a, DPoint b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

// The point `t` along the way from `from` to `to`, which are `d` apart:
// steps along the unit direction, so that a line along an axis is cut at
// exactly the distances asked for.
DPoint toward(DPoint from, DPoint to, double t, double d) {
  if (d <= 0) return from;
  return DPoint{from.x + (to.x - from.x) / d * t, from.y + (to.y - from.y) / d * t};
}

void solid_stroke(App& app, Dc& dc, const PenRecord& pen, const StrokePoints& pts) {
  DcSelection keep(dc);
  dc.set_pen(device_pen(app, pen));
  IntPoint s = to_screen(app, pts.p[0].x, pts.p[0].y);
  dc.move_to(s.x, s.y);
  for (int i = 1; i < pts.count; ++i) {
    s = to_screen(app, pts.p[i].x, pts.p[i].y);
    dc.line_to(s.x, s.y);
  }
}

// The dot pattern with the start length folded into one dot length: the
// first cut lies `first_cut` from A and piece i uses bit (i + phase) mod count.
struct DotPhase {
  double first_cut = 0;
  int phase = 0;
};

// Far outside one dot length the start length is folded in one step; near it
// step by step, as the pattern is defined, so that ordinary values cut at
// exactly the same points.
constexpr double kMaxPhaseSteps = 4096;

DotPhase dot_phase(double dot, double s, int count) {
  double k = 0;
  if (std::fabs(s) / dot > kMaxPhaseSteps) {
    // The stepping below ends in (0, dot] from above and [0, dot) from below.
    double q = s > 0 ? std::ceil(s / dot) - 1 : std::floor(s / dot);
    s -= q * dot;
    k = std::fmod(q, count);
    if (!(s >= 0 && s <= dot)) s = s < 0 ? 0 : dot;  // a rounding error far out
  }
  while (s < 0) s += dot, k -= 1;
  while (s > dot) s -= dot, k += 1;
  int phase = static_cast<int>(std::fmod(k, count));
  if (phase < 0) phase += count;
  return DotPhase{dot - s, phase};
}

// Receives the cut points of a dotted line in order and draws every piece
// whose bit is set; holds at most `capacity` points, as the cutting allows.
class PieceWriter {
 public:
  PieceWriter(App& app, Dc& dc, const PenRecord& pen, int phase, std::int64_t capacity)
      : app_(app), dc_(dc), pen_(pen), phase_(phase), capacity_(capacity) {}

  bool room() const { return written_ < capacity_; }

  void add(DPoint p) {
    if (!room()) return;
    IntPoint s = to_screen(app_, p.x, p.y);
    if (written_ > 0 && drawn(written_ - 1)) {
      dc_.move_to(last_.x, last_.y);
      dc_.line_to(s.x, s.y);
    }
    last_ = s;
    ++written_;
  }

 private:
  bool drawn(std::int64_t piece) const {
    std::int64_t bit = (piece + phase_) % pen_.bit_count;
    return ((pen_.bits >> bit) & 1u) != 0;
  }

  App& app_;
  Dc& dc_;
  const PenRecord& pen_;
  int phase_;
  std::int64_t capacity_;
  std::int64_t written_ = 0;
  IntPoint last_;
};

void cut_straight(PieceWriter& w, DPoint a, DPoint b, double dot, double first_cut) {
  double length = distance(a, b);
  w.add(a);
  for (double t = first_cut; t <= length && w.room(); t += dot) w.add(toward(a, b, t, length));
  w.add(b);
}

// Walks the curve's chords: cuts every dot length along the way; the samples
// themselves are not cut points, except the last.
void cut_curve(PieceWriter& w, const CurvePoints& p, double dot, double first_cut) {
  DPoint at = p[0];
  int j = 0;
  double left = distance(p[0], p[1]);  // to the end of chord j
  double t = first_cut;                // to the next cut
  w.add(at);
  while (w.room()) {
    if (left >= t) {
      at = toward(at, p[j + 1], t, left);
      w.add(at);
      left -= t;
      t = dot;
    } else {
      if (++j == kCurvePointCount - 1) {
        w.add(p[j]);
        return;
      }
      t -= left;
      at = p[j];
      left = distance(p[j], p[j + 1]);
    }
  }
}

// Whether the pattern can be cut at all and would be seen: a positive finite
// dot length, a finite start length, 1 to 18 pieces a repeat, pieces of a
// visible size and a bounded number of them.
bool pattern_drawable(const App& app, const PenRecord& pen, double length) {
  if (pen.bit_count < 1 || pen.bit_count > kMaxLineBits) return false;
  double dot = pen.dot_length;
  if (!(std::isfinite(dot) && dot > 0) || !std::isfinite(pen.start_length)) return false;
  if (!(dot * app.settings.scale >= kMinVisiblePiece)) return false;
  return length / dot + 5 <= kMaxDotPoints;
}

void dotted_stroke(App& app, Dc& dc, const LineRecord& line, const StrokePoints& pts) {
  const PenRecord& pen = line.pen;
  double length = line_length(line.geom);
  if (!pattern_drawable(app, pen, length)) {
    PenRecord solid = pen;
    solid.style = kPenSolid;
    solid_stroke(app, dc, solid, pts);
    return;
  }
  DotPhase phase = dot_phase(pen.dot_length, pen.start_length, pen.bit_count);
  auto capacity = static_cast<std::int64_t>(length / pen.dot_length) + 5;
  DcSelection keep(dc);
  dc.set_pen(device_pen(app, pen));
  PieceWriter writer(app, dc, pen, phase.phase, capacity);
  if (line.geom.kind == kShapeCurve)
    cut_curve(writer, pts.p, pen.dot_length, phase.first_cut);
  else
    cut_straight(writer, pts.p[0], pts.p[1], pen.dot_length, phase.first_cut);
}

// Calls `draw` with every line of the layer in chain order; 1 when the chain
// was not empty, 0 when it was or after the message for a missing layer.
template <class Draw>
int for_each_line(App& app, int layer, const char* caption, Draw draw) {
  const std::uint32_t at_layer = layer_offset(app.drawing, layer);
  if (at_layer == 0) {
    message(app.ui, caption, "レイヤーが存在しません");
    return 0;
  }
  std::uint32_t at = chain_head(app.drawing, at_layer, ChainKind::kLines);
  if (at == 0) return 0;
  std::uint64_t steps = walk_bound(app.drawing, sizeof(LineRecord));
  for (; at != 0 && steps > 0; --steps, at = chain_next(app.drawing, at, ChainKind::kLines))
    draw(app.drawing.get<LineRecord>(at));
  return 1;
}

// Every line of the layer solid with the sketch pen's width in one colour,
// whatever its own pen.
int all_lines_plain(App& app, Dc& dc, int layer, Colorref color, const char* caption) {
  PenRecord pen = app.settings.sketch_pen;
  pen.style = kPenSolid;
  pen.color = color;
  return for_each_line(app, layer, caption, [&](LineRecord line) {
    line.pen = pen;
    draw_line(app, dc, line);
  });
}

}  // namespace

int draw_line(App& app, Dc& dc, const LineRecord& line) {
  if (line.pen.style != 0 && line.pen.style != 1) return 0;
  StrokePoints pts;
  if (!stroke_points(app, line.geom, pts)) return 0;
  if (line.pen.style == 0)
    solid_stroke(app, dc, line.pen, pts);
  else
    dotted_stroke(app, dc, line, pts);
  return stroke_result(line.geom);
}

int allline(App& app, Dc& dc, int layer) {
  return for_each_line(app, layer, "allline",
                       [&](const LineRecord& line) { draw_line(app, dc, line); });
}

int alllinesketch(App& app, Dc& dc, int layer) {
  return all_lines_plain(app, dc, layer, display_color(app, 732), "alllinesketch");
}

int alllineguide(App& app, Dc& dc, int layer) {
  return all_lines_plain(app, dc, layer, display_color(app, 756), "alllineguide");
}

int allpoint(App& app, Dc& dc, Colorref color, int layer) {
  return for_each_line(app, layer, "allpoint", [&](const LineRecord& line) {
    const LineGeometry& g = line.geom;
    if (g.kind == kShapeHidden) return;
    DPoint a{g.x0, g.y0}, b{g.x1, g.y1};
    if (!finite_point(a) || !finite_point(b)) return;
    dispmark(app, dc, b.x, b.y, color);
    dispmark(app, dc, a.x, a.y, color);
  });
}

}  // namespace daub
