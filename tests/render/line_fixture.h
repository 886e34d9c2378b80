#pragma once
// Lines and pens for the render tests, and a view in which world units map
// onto pixels by a plain factor.

#include <string>

#include "drawing/append.h"
#include "model/app.h"
#include "model/records.h"
#include "render/pens.h"

namespace daub::test {

// A world point (x, y) is the pixel (trunc(x * scale), trunc(y * scale)).
inline void set_plain_view(App& app, double scale) {
  app.settings.scale = scale;
  app.settings.view_center_x = app.settings.view_center_y = 0;
  app.view.vieworigin_x = app.view.vieworigin_y = 0;
}

inline PenRecord make_pen(int style, int width = 0, Colorref color = 0, double dot = 5.0,
                          double start = 0.0, const std::string& bits = "10") {
  PenRecord pen;
  pen.style = style;
  pen.width = width;
  pen.color = color;
  pen.dot_length = dot;
  pen.start_length = start;
  line_bits_from_string(bits, pen.bit_count, pen.bits);
  return pen;
}

inline LineRecord make_line(const PenRecord& pen, double x0, double y0, double x1, double y1,
                            ShapeKind kind = kShapeStraight, double a0 = 0, double a1 = 0) {
  LineRecord line;
  line.pen = pen;
  line.geom = LineGeometry{x0, y0, a0, x1, y1, a1, kind};
  return line;
}

inline int add_line(App& app, int layer, const LineRecord& line) {
  return append_element(app, layer, ChainKind::kLines, line, nullptr, 0, "test");
}

}  // namespace daub::test
