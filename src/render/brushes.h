#pragma once
// The standard brushes: the rows of the standard pen and brush chooser and
// the standard pen and brush commands, each a pen and (for brush rows) a brush.

#include <array>
#include <cstdint>

#include "model/settings.h"
#include "render/pens.h"

namespace daub {

// Brush styles of a region's fill.
enum BrushStyle : std::int32_t { kBrushSolid = 0, kBrushHatch = 1 };

// A brush as a standard row gives it.
struct BrushPattern {
  std::int32_t style = kBrushSolid;
  std::int32_t hatch_type = 0;
  double hatch_width = 0.0;
  double hatch_angle = 0.0;
};

// A row of the chooser ("定型ペン,ブラシデータ入力"): its label, pen and brush.
struct StandardBrush {
  const char* label;
  PenPattern pen;
  BrushPattern brush;
};
// 塗りつぶし, ハッチ, 狭いハッチ, 広いハッチ, 格子, 狭い格子, 広い格子, 十字かすり,
// 狭い十字かすり, 広い十字かすり, 口型かすり, 狭い口型かすり, 広い口型かすり.
using StandardBrushes = std::array<StandardBrush, 13>;
const StandardBrushes& standard_brushes();
// Rows 7 (十字かすり) and 10 (口型かすり), which the brush dialog offers as buttons.
constexpr int kCrossRow = 7;
constexpr int kSquareRow = 10;

// What a standard pen and brush command (828..865) sets.
struct BrushCommand {
  PenPattern pen;
  bool sets_brush = false;
  BrushPattern brush;
};
// The command's row; false for an id outside 828..865.
bool standard_brush_command(int id, BrushCommand& out);

// Runs a standard command's row on the settings: the pen style and dot
// pattern, and for a brush row the pen width 1 and the brush; then the
// refresh step.
void apply_brush_command(Settings& s, const BrushCommand& row);

}  // namespace daub
