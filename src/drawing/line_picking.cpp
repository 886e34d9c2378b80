// How a click finds a line end or a line: the nearest drawn end, the nearest
// crossing of four short probes with a line, and lines found by their ends.

#include <array>

#include "drawing/curve_checks.h"
#include "drawing/layers.h"
#include "drawing/lines.h"
#include "drawing/lines_internal.h"
#include "geometry/angle.h"

namespace daub {
namespace {

using namespace lines_detail;

// Half length of a probe in screen pixels.
constexpr double kProbeHalf = 30.0;

PointDir end_of(const LineGeometry& g, bool b_end) {
  return b_end ? PointDir{g.x1, g.y1, g.a1} : PointDir{g.x0, g.y0, g.a0};
}

// A line end found by a nearest-search: the line's number (0 = none), which end.
struct EndHit {
  int line = 0;
  bool b_end = false;
  PointDir at;
  double distance = kFarAway;
};

// The drawn line end nearest to (x, y), A before B and the first on ties,
// skipping line `skip`.
EndHit nearest_end(const std::vector<LineRecord>& lines, double x, double y, int skip) {
  EndHit best;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (number == skip || lines[i].geom.kind == kShapeHidden) continue;
    for (bool b_end : {false, true}) {
      const PointDir e = end_of(lines[i].geom, b_end);
      const double d = distance(x, y, e.x, e.y);
      if (d < best.distance) best = {number, b_end, e, d};
    }
  }
  return best;
}

// Among the drawn ends at `at`, the direction (an end's angle, or the angle
// turned by π) that turns least from `angle`; the first found on ties.
double closest_direction(const std::vector<LineRecord>& lines, DPoint at, double angle) {
  double best_turn = kFarAway;
  double best = angle;
  for (const LineRecord& line : lines) {
    if (line.geom.kind == kShapeHidden) continue;
    for (bool b_end : {false, true}) {
      const PointDir e = end_of(line.geom, b_end);
      if (!same_point(e.x, e.y, at.x, at.y)) continue;
      for (double candidate : {e.angle, e.angle + kPi}) {
        const double turn = std::fabs(normalize_angle(angle - candidate));
        if (turn < best_turn) {
          best_turn = turn;
          best = candidate;
        }
      }
    }
  }
  return best;
}

// The four probes around c: horizontal, vertical and the two diagonals.
std::array<LineGeometry, 4> probes(const App& app, DPoint c) {
  const double r = kProbeHalf / app.settings.scale;
  const double ends[4][4] = {{c.x - r, c.y, c.x + r, c.y},
                             {c.x, c.y - r, c.x, c.y + r},
                             {c.x - r, c.y + r, c.x + r, c.y - r},
                             {c.x - r, c.y - r, c.x + r, c.y + r}};
  std::array<LineGeometry, 4> out{};
  for (int i = 0; i < 4; ++i) {
    const double* e = ends[i];
    const double a = straight_angle(e[0], e[1], e[2], e[3]);
    out[i] = {e[0], e[1], a, e[2], e[3], a, kShapeStraight, 0};
  }
  return out;
}

// The crossing of a probe with a line nearest to the click: the line's number
// (0 = none), the probe that found it and where.
struct ProbeHit {
  int line = 0;
  LineGeometry probe;
  PointDir at;
  double distance = kFarAway;
};

ProbeHit nearest_crossing(const App& app, const std::vector<LineRecord>& lines, DPoint c,
                          int skip) {
  const std::array<LineGeometry, 4> around = probes(app, c);
  ProbeHit best;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (number == skip) continue;
    for (const LineGeometry& probe : around) {
      PointDir on_probe, on_line;
      if (!line_crossing(probe, lines[i].geom, on_probe, on_line)) continue;
      const double d = distance(c.x, c.y, on_line.x, on_line.y);
      if (d < best.distance) best = {number, probe, on_line, d};
    }
  }
  return best;
}

// The nearest probe crossing in an existing layer (message under `caption` if not).
ProbeHit probe_layer(App& app, DPoint c, int layer, const char* caption, int skip = 0) {
  const std::uint32_t layer_at = existing_layer(app, layer, caption);
  if (layer_at == 0) return {};
  return nearest_crossing(app, layer_lines(app.drawing, layer_at), c, skip);
}

bool angles_match(double a, double b) {
  return std::fabs(normalize_angle(a - b)) < kSame ||
         std::fabs(normalize_angle(a - b + kPi)) < kSame;
}

// How much of the directions a line found by its ends must share.
enum class AngleTest { kBoth, kSecondOnly, kNone };

// Whether the line's ends are p and q (either way round) with the angles the test asks for.
bool ends_fit(const LineGeometry& g, const PointDir& p, const PointDir& q, AngleTest test) {
  for (bool swapped : {false, true}) {
    const PointDir p_end = end_of(g, swapped);
    const PointDir q_end = end_of(g, !swapped);
    if (!same_point(p_end.x, p_end.y, p.x, p.y) || !same_point(q_end.x, q_end.y, q.x, q.y))
      continue;
    if (test == AngleTest::kNone) return true;
    if (!angles_match(q.angle, q_end.angle)) continue;
    if (test == AngleTest::kSecondOnly || angles_match(p.angle, p_end.angle)) return true;
  }
  return false;
}

// Every end of a line other than `skip` that lies on p, in chain order and
// A before B: the line's geometry and number, direction 1 for an A end and
// -1 for a B end.
std::vector<ExtractionItem> lines_ending_at(const std::vector<LineRecord>& lines, const PointDir& p,
                                            int skip) {
  std::vector<ExtractionItem> found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    if (number == skip) continue;
    for (bool b_end : {false, true}) {
      const PointDir e = end_of(lines[i].geom, b_end);
      if (same_point(e.x, e.y, p.x, p.y)) found.push_back({lines[i].geom, number, b_end ? -1 : 1});
    }
  }
  return found;
}

}  // namespace

int nearestvt(App& app, const PointDir& q, PointDir& out, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "nearestvt");
  if (layer_at == 0) return 0;
  const std::vector<LineRecord> lines = layer_lines(app.drawing, layer_at);
  const EndHit hit = nearest_end(lines, q.x, q.y, 0);
  if (hit.line == 0) return 0;
  const double angle = closest_direction(lines, {hit.at.x, hit.at.y}, q.angle);
  out = {hit.at.x, hit.at.y, normalize_angle(angle)};
  return 1;
}

int snap(App& app, PointDir& p, double tolerance, int layer) {
  PointDir end;
  if (nearestvt(app, p, end, layer) != 0 &&
      distance(p.x, p.y, end.x, end.y) * app.settings.scale < tolerance) {
    p.x = end.x;
    p.y = end.y;
    return 1;
  }
  return cutline(app, p, tolerance, layer);
}

int cutline(App& app, PointDir& p, double tolerance, int layer) {
  const ProbeHit hit = probe_layer(app, {p.x, p.y}, layer, "cutline");
  // Written so that a scale or distance that is not a number refuses the cut.
  if (hit.line == 0 || !(app.settings.scale * hit.distance <= tolerance)) return 0;
  LineRecord second;
  int number = 0;
  PointDir cut;
  // The point being snapped is usually one end of a line about to be drawn
  // from nowpoint, so the cut must leave nowpoint alone.
  if (cut_line(app, hit.line, hit.probe, second, number, cut, layer, DeletedPoint::kKeepNowpoint) ==
      0)
    return 0;
  p.x = cut.x;
  p.y = cut.y;
  return 1;
}

int cut_at_click(App& app, DPoint click, int layer) {
  const ProbeHit hit = probe_layer(app, click, layer, "cutline");
  if (hit.line == 0) return 0;
  LineRecord second;
  int number = 0;
  PointDir cut;
  if (cut_line(app, hit.line, hit.probe, second, number, cut, layer) == 0) return 0;
  return hit.line;
}

int pickline(App& app, DPoint click, LineRecord& out, int layer) {
  const ProbeHit hit = probe_layer(app, click, layer, "pickline");
  if (hit.line == 0) return 0;
  return getline(app, hit.line, out, layer);
}

int picktwoline(App& app, DPoint click, LineRecord& out1, LineRecord& out2, int& n1, int& n2,
                int layer) {
  const ProbeHit first = probe_layer(app, click, layer, "picktwoline");
  if (first.line == 0) return 0;
  const ProbeHit second = probe_layer(app, click, layer, "picktwoline", first.line);
  if (second.line == 0) return 0;
  n1 = getline(app, first.line, out1, layer);
  n2 = getline(app, second.line, out2, layer);
  return 1;
}

int nearestline(App& app, const PointDir& p, const PointDir& q, LineRecord& out, int& number,
                int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "nearestline");
  if (layer_at == 0) return 0;
  const std::vector<LineRecord> lines = layer_lines(app.drawing, layer_at);
  for (AngleTest test : {AngleTest::kBoth, AngleTest::kSecondOnly, AngleTest::kNone}) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (!ends_fit(lines[i].geom, p, q, test)) continue;
      out = lines[i];
      number = static_cast<int>(i) + 1;
      return 1;
    }
  }
  message(app.ui, "nearestline", "該当データが存在しません");
  return 0;
}

int NeighberLine(App& app, int skip, const PointDir& p, ExtractionItem& out, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "NeighberLine");
  if (layer_at == 0) return 0;
  const std::vector<LineRecord> lines = layer_lines(app.drawing, layer_at);
  if (lines.empty()) {
    message(app.ui, "NeighberLine", "データが存在しません");
    return 0;
  }
  const std::vector<ExtractionItem> found = lines_ending_at(lines, p, skip);
  if (!found.empty()) out = found.back();
  return static_cast<int>(found.size());
}

int neighbour_line_at_drag(App& app, const PointDir& drag, ExtractionItem& out, int layer) {
  PointDir end;
  if (nearestvt(app, drag, end, layer) == 0) return 0;
  const std::vector<LineRecord> lines = layer_lines(app.drawing, layer_offset(app.drawing, layer));
  double best_turn = kFarAway;
  for (const ExtractionItem& item : lines_ending_at(lines, end, 0)) {
    if (item.geom.kind == kShapeHidden) continue;
    // The direction in which the line leaves the end.
    const double leaving = item.direction == 1 ? item.geom.a0 : item.geom.a1 + kPi;
    const double turn = std::fabs(normalize_angle(drag.angle - leaving));
    if (turn >= best_turn) continue;
    best_turn = turn;
    out = item;
  }
  if (best_turn == kFarAway) return 0;
  const LineGeometry& g = out.geom;
  out.direction =
      distance(drag.x, drag.y, g.x1, g.y1) < distance(drag.x, drag.y, g.x0, g.y0) ? 1 : -1;
  return out.line;
}

int join_ends(App& app, DPoint q, double tolerance, int layer) {
  const std::uint32_t layer_at = layer_offset(app.drawing, layer);
  if (layer_at == 0) return 0;
  const std::vector<LineRecord> lines = layer_lines(app.drawing, layer_at);
  const EndHit target = nearest_end(lines, q.x, q.y, 0);
  if (target.line == 0 || target.distance > tolerance) return 0;
  const EndHit moved = nearest_end(lines, q.x, q.y, target.line);
  if (moved.line == 0 || !(moved.distance <= tolerance) ||
      !(distance(target.at.x, target.at.y, moved.at.x, moved.at.y) < tolerance))
    return 0;
  LineRecord line = lines[moved.line - 1];
  move_line_end(line.geom, moved.b_end, target.at.x, target.at.y);
  if (sklck(app, line.geom) == 0) return 0;
  return changeline(app, moved.line, line, layer) != 0 ? 1 : 0;
}

}  // namespace daub
