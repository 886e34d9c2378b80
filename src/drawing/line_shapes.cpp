// Closed shapes made of line elements with the current pen: rectangles,
// ellipses and circles. A shape is made whole or not at all.

#include <array>
#include <cmath>

#include "drawing/curve_checks.h"
#include "drawing/lines.h"
#include "drawing/lines_internal.h"
#include "geometry/angle.h"

namespace daub {
namespace {

using namespace lines_detail;
using Sides = std::array<LineGeometry, 4>;

// Appends the four sides (already checked) with the current line pen; each
// becomes nowline in turn. Returns 4, or 0 with nothing appended.
int append_sides(App& app, const Sides& sides, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "setskl");
  if (layer_at == 0) return 0;
  const int existing = static_cast<int>(layer_lines(app.drawing, layer_at).size());
  if (!room_for_lines(app, existing, static_cast<int>(sides.size()))) return 0;
  for (const LineGeometry& g : sides) {
    LineRecord line;
    line.pen = app.settings.line_pen;
    line.geom = g;
    LineRecord stored;
    int number = 0;
    if (setskl(app, line, stored, number, layer, GeometryCheck::kTrusted) == 0) return 0;
  }
  return static_cast<int>(sides.size());
}

LineGeometry side(double x0, double y0, double x1, double y1) {
  const double a = straight_angle(x0, y0, x1, y1);
  return {x0, y0, a, x1, y1, a, kShapeStraight, 0};
}

}  // namespace

int rectangle_lines(App& app, double x1, double y1, double x2, double y2, int layer) {
  const Sides sides = {side(x1, y1, x2, y1), side(x2, y1, x2, y2), side(x2, y2, x1, y2),
                       side(x1, y2, x1, y1)};
  for (const LineGeometry& g : sides)
    if (sklck(app, g) == 0) return 0;
  return append_sides(app, sides, layer);
}

int ellipse_lines(App& app, double x1, double y1, double x2, double y2, int layer) {
  const double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
  const double rx = std::fabs(x2 - x1) / 2, ry = std::fabs(y2 - y1) / 2;
  // Quarter by quarter from the right-hand point, turning by +π/2 each time.
  // The second quarter starts at −π rather than π so that every quarter's
  // raw angle difference is +π/2, which the curve check requires.
  Sides quarters = {
      LineGeometry{cx + rx, cy, kPi / 2, cx, cy + ry, kPi, kShapeCurve, 0},
      LineGeometry{cx, cy + ry, -kPi, cx - rx, cy, -kPi / 2, kShapeCurve, 0},
      LineGeometry{cx - rx, cy, -kPi / 2, cx, cy - ry, 0.0, kShapeCurve, 0},
      LineGeometry{cx, cy - ry, 0.0, cx + rx, cy, kPi / 2, kShapeCurve, 0},
  };
  for (LineGeometry& g : quarters)
    if (cutsklck(app, g) == 0) return 0;
  return append_sides(app, quarters, layer);
}

int circle_lines(App& app, DPoint centre, DPoint on, int layer) {
  const double r = distance(centre.x, centre.y, on.x, on.y);
  return ellipse_lines(app, centre.x - r, centre.y - r, centre.x + r, centre.y + r, layer);
}

}  // namespace daub
