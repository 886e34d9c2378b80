#pragma once
// Line geometries for the drawing tests, a way to store them as they are (bad
// ones included) and read them back, and the comparisons the tests share.

#include <gtest/gtest.h>

#include <limits>
#include <source_location>
#include <string>
#include <vector>

#include "drawing/drawing_builder.h"
#include "drawing/layers.h"
#include "drawing/lines.h"
#include "geometry/curves.h"
#include "model/app.h"
#include "support/test_app.h"

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

// Puts lines of the current layer into the line set as they are stored.
inline void select_lines(App& app, const std::vector<int>& numbers) {
  for (int n : numbers) {
    LineRecord line;
    getline(app, n, line, app.in.nowlayer);
    app.line_stock.push_back(ExtractionItem{line.geom, n, 1});
  }
}

// An operation refused: it returned 0 and its last message is `message`.
inline void expect_refused(const TestApp& t, int result, const std::string& message,
                           std::source_location at = std::source_location::current()) {
  const testing::ScopedTrace trace(at.file_name(), static_cast<int>(at.line()), "refused here");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(t.last_message(), message);
}

inline DPoint xy(const PointDir& p) { return {p.x, p.y}; }

inline std::vector<double> ends(const LineGeometry& g) {
  return {g.x0, g.y0, g.a0, g.x1, g.y1, g.a1};
}

inline void expect_near(const std::vector<double>& got, const std::vector<double>& want,
                        double tolerance = 1e-12) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], tolerance) << i;
}

inline std::vector<double> pen_values(const PenRecord& p) {
  return {double(p.style), double(p.width), double(p.color),     double(p.reserved),
          p.dot_length,    p.start_length,  double(p.bit_count), double(p.bits)};
}

// The numbers in the selection sets: lines, letters, Latin texts, bitmaps.
inline std::vector<std::vector<int>> stock_numbers(const App& app) {
  std::vector<std::vector<int>> out(4);
  for (const ExtractionItem& item : app.line_stock) out[0].push_back(item.line);
  for (std::size_t k = 0; k < 2; ++k)
    for (const TextStockItem& item : app.text_stocks[k]) out[1 + k].push_back(item.number);
  for (const BitmapStockItem& item : app.bitmap_stock) out[3].push_back(item.number);
  return out;
}
using Sets = std::vector<std::vector<int>>;  // what stock_numbers returns

}  // namespace daub::test
