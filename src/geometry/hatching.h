#pragma once
// Hatching a region's outline: the pieces of parallel hatch lines that lie
// inside it, and the inside test that region picking shares. Pure geometry
// on world points: an outline and the hatch parameters in, pieces out.

#include <cstdint>
#include <vector>

#include "geometry/point.h"

namespace daub {

// Hatch types of a region's fill.
enum HatchType : std::int32_t { kHatchParallel = 0, kHatchLattice = 1 };

// The smallest box holding every point of an outline.
struct OutlineBox {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};
OutlineBox outline_box(const std::vector<DPoint>& points);

// The even-odd test of a closed outline (edge k runs from point k to point
// k + 1, the last back to the first): the number of edges that cross the
// segment from p to (box.xmax, box.ymax + 1) is odd. The box must be the
// outline's own. An edge counts when segment_crossing finds its crossing
// and its ends do not both lie on one side of the segment's line farther
// than outline_margin: rounding never makes an edge that lies wholly to one
// side count.
bool crosses_odd(const std::vector<DPoint>& points, const OutlineBox& box, DPoint p);

// How far from a line an edge's ends may lie and still be taken as touching
// it: far below any distance that can be drawn, far above rounding errors
// of coordinates of the box's size.
double outline_margin(const OutlineBox& box);

// Whether p lies inside the outline: strictly inside its box (a point on the
// box's edge is outside) and crosses_odd.
bool outline_contains(const std::vector<DPoint>& points, DPoint p);

struct HatchParams {
  std::int32_t type = kHatchParallel;
  double width = 0;  // distance between neighbouring hatch lines
  double angle = 0;  // degrees
};

// One straight piece of a hatch line inside the outline, from `from` to `to`
// along `angle` (radians). `shift` is added to the hatch pen's start length
// so that the dot pattern of every piece continues that of its whole hatch
// line and the patterns of neighbouring lines line up.
struct HatchPiece {
  DPoint from, to;
  double angle = 0;
  double shift = 0;
};

// What became of a hatch.
enum class HatchVerdict {
  kDrawn,     // the pieces are in `out` (possibly none)
  kNoHatch,   // the hatch type is neither parallel lines nor lattice
  kBadWidth,  // the width is not a positive finite number
  kBadAngle,  // the angle is not a finite number
  kTooFine,   // it would take more than kMaxHatchPieces pieces (or the outline is not finite)
};

// Most pieces one region's hatch may be cut into; a finer hatch is skipped.
constexpr double kMaxHatchPieces = 4194304;

// Hatch lines every `width` at the angle (and, for a lattice, a second family
// at right angles to it) across the outline's bounding circle, one of them
// through the box's centre; each is cut at its crossings with the outline,
// taken in order along the line, and the pieces whose midpoints pass
// crosses_odd are kept. `out` is cleared first.
//
// hatch_outline only tests the edges that can reach each line (sorted into
// bands across the hatch) and, for the inside test, the edges that can reach
// the segment to the corner (sorted into sectors around the corner); an edge
// left out lies wholly to one side by more than the margin, so it could not
// count. hatch_outline_plain tests every edge; both give the same pieces.
[[nodiscard]] HatchVerdict hatch_outline(const std::vector<DPoint>& points, const HatchParams& p,
                                         std::vector<HatchPiece>& out);
[[nodiscard]] HatchVerdict hatch_outline_plain(const std::vector<DPoint>& points,
                                               const HatchParams& p, std::vector<HatchPiece>& out);

}  // namespace daub
