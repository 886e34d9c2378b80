#pragma once
// Line geometries for the line element tests, and a way to store them as
// they are (bad ones included) and read them back.

#include <limits>
#include <vector>

#include "drawing/drawing_builder.h"
#include "drawing/layers.h"
#include "drawing/lines.h"
#include "geometry/curves.h"
#include "model/app.h"

namespace daub::test {

const double kNan = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

inline LineGeometry straight(double x0, double y0, double x1, double y1) {
  const double a = straight_angle(x0, y0, x1, y1);
  return {x0, y0, a, x1, y1, a, kShapeStraight, 0};
}

inline LineGeometry curve(double x0, double y0, double a0, double x1, double y1, double a1) {
  return {x0, y0, a0, x1, y1, a1, kShapeCurve, 0};
}

// Stores the geometry without any check, with a pen of width 1; returns its number.
inline int add_geom(App& app, const LineGeometry& g, int layer = 1) {
  LineRecord line, stored;
  line.pen.width = 1;
  line.geom = g;
  int number = 0;
  return setskl(app, line, stored, number, layer, GeometryCheck::kTrusted);
}

inline std::vector<LineGeometry> geoms(const App& app, int layer = 1) {
  std::vector<LineGeometry> out;
  for (std::uint32_t at : chain_offsets(app.drawing, layer, ChainKind::kLines))
    out.push_back(app.drawing.get<LineRecord>(at).geom);
  return out;
}

}  // namespace daub::test
