#include "render/brushes.h"

#include "geometry/hatching.h"
#include "render/pens.h"

namespace daub {
namespace {

constexpr PenPattern kSolidPen{0, 5.0, 0.0, "10"};

constexpr BrushPattern hatch(std::int32_t type, double width, double angle = 45.0) {
  return {kBrushHatch, type, width, angle};
}

// Commands that set a pen and a brush, several ids to one row: the ids take
// the angles in order.
struct CommandGroup {
  int first_id;
  int count;
  PenPattern pen;
  std::int32_t hatch_type;
  double width;
};
constexpr double kParallelAngles[] = {0.0, 90.0, 45.0, -45.0};
constexpr double kLatticeAngles[] = {0.0, 45.0};

constexpr CommandGroup kHatchGroups[] = {
    {828, 4, kSolidPen, kHatchParallel, 10.0},
    {832, 2, kSolidPen, kHatchLattice, 10.0},
    {834, 2, {1, 5.0, 2.5, "10"}, kHatchLattice, 10.0},
    {836, 2, {1, 10.0, 0.0, "10"}, kHatchLattice, 10.0},
    {846, 4, kSolidPen, kHatchParallel, 5.0},
    {850, 2, kSolidPen, kHatchLattice, 5.0},
    {852, 2, {1, 2.5, 1.25, "10"}, kHatchLattice, 5.0},
    {854, 2, {1, 5.0, 0.0, "10"}, kHatchLattice, 5.0},
    {856, 4, kSolidPen, kHatchParallel, 20.0},
    {860, 2, kSolidPen, kHatchLattice, 20.0},
    {862, 2, {1, 10.0, 5.0, "10"}, kHatchLattice, 20.0},
    {864, 2, {1, 20.0, 0.0, "10"}, kHatchLattice, 20.0},
};

// 838..844 set the pen only; 845 the solid pen and the solid brush.
constexpr PenPattern kPenCommands[] = {
    kSolidPen,
    {1, 5.0, 0.0, "10"},
    {1, 5.0, 0.0, "111010"},
    {1, 5.0, 0.0, "11101010"},
    {1, 10.0, 0.0, "10"},
    {1, 10.0, 0.0, "111010"},
    {1, 10.0, 0.0, "11101010"},
};

}  // namespace

const StandardBrushes& standard_brushes() {
  static const StandardBrushes kBrushes = {{
      {"塗りつぶし", kSolidPen, {kBrushSolid, 0, 0.0, 0.0}},
      {"ハッチ", kSolidPen, hatch(kHatchParallel, 10.0)},
      {"狭いハッチ", kSolidPen, hatch(kHatchParallel, 5.0)},
      {"広いハッチ", kSolidPen, hatch(kHatchParallel, 20.0)},
      {"格子", kSolidPen, hatch(kHatchLattice, 10.0)},
      {"狭い格子", kSolidPen, hatch(kHatchLattice, 5.0)},
      {"広い格子", kSolidPen, hatch(kHatchLattice, 20.0)},
      {"十字かすり", {1, 5.0, 2.5, "10"}, hatch(kHatchLattice, 10.0)},
      {"狭い十字かすり", {1, 2.5, 1.25, "10"}, hatch(kHatchLattice, 5.0)},
      {"広い十字かすり", {1, 10.0, 5.0, "10"}, hatch(kHatchLattice, 20.0)},
      {"口型かすり", {1, 10.0, 0.0, "10"}, hatch(kHatchLattice, 10.0)},
      {"狭い口型かすり", {1, 5.0, 0.0, "10"}, hatch(kHatchLattice, 5.0)},
      {"広い口型かすり", {1, 20.0, 0.0, "10"}, hatch(kHatchLattice, 20.0)},
  }};
  return kBrushes;
}

bool standard_brush_command(int id, BrushCommand& out) {
  if (id >= 838 && id <= 844) {
    out = {kPenCommands[id - 838], false, {}};
    return true;
  }
  if (id == 845) {
    out = {kSolidPen, true, {kBrushSolid, 0, 0.0, 0.0}};
    return true;
  }
  for (const CommandGroup& g : kHatchGroups) {
    if (id < g.first_id || id >= g.first_id + g.count) continue;
    const int k = id - g.first_id;
    const double angle = g.hatch_type == kHatchParallel ? kParallelAngles[k] : kLatticeAngles[k];
    out = {g.pen, true, hatch(g.hatch_type, g.width, angle)};
    return true;
  }
  return false;
}

void apply_brush_command(Settings& s, const BrushCommand& row) {
  s.pen_style = row.pen.style;
  s.dot_length = row.pen.dot_length;
  s.start_length = row.pen.start_length;
  line_bits_from_string(row.pen.line_bits, s.line_bit_count, s.line_bits);
  if (row.sets_brush) {
    s.pen_width = 1;
    s.brush_style = row.brush.style;
    s.hatch_type = row.brush.hatch_type;
    s.hatch_width = row.brush.hatch_width;
    s.hatch_angle = row.brush.hatch_angle;
  }
  refresh_pens(s);
}

}  // namespace daub
