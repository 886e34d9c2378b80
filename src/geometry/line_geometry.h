#pragma once
// The geometry of a line as the drawing stores it, and the items the outline
// chaining works on. The layouts are part of the file format: regions, curve
// tools and the selection copy a line geometry as one 56-byte unit.

#include <cstddef>
#include <cstdint>

namespace daub {

// Shape kinds of a line geometry.
enum ShapeKind : std::int32_t { kShapeHidden = 0, kShapeCurve = 1, kShapeStraight = 2 };

// Line geometry: the 56 bytes that regions, curve tools and the selection copy as a unit.
struct LineGeometry {
  double x0 = 0, y0 = 0, a0 = 0;  // start A and its direction
  double x1 = 0, y1 = 0, a1 = 0;  // end B and its direction
  std::int32_t kind = kShapeHidden;
  std::uint32_t reserved = 0;
};
static_assert(sizeof(LineGeometry) == 56);
static_assert(offsetof(LineGeometry, kind) == 48);

// One line of the line extraction list: its geometry, its element number and
// the direction in which a region walks it (1 as stored, -1 reversed).
struct ExtractionItem {
  LineGeometry geom;
  std::int32_t line = 0;
  std::int32_t direction = 1;
};
static_assert(sizeof(ExtractionItem) == 64);

}  // namespace daub
