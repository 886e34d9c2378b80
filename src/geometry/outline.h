#pragma once
// Putting lines in outline order: the items of a list are reordered so that
// each starts where the one before it ends, each with the direction in which
// it is walked, and the chain is checked to close. Regions are made from an
// ordered line extraction list; painted outlines fill an ordered segment buffer.

#include <vector>

#include "geometry/line_geometry.h"
#include "geometry/point.h"

namespace daub {

enum class ChainEnds { kClosed, kOpenAllowed };

// How a chain of items ended up.
enum class OutlineVerdict {
  kClosed,     // each item starts where the one before it ends, and the last meets the first
  kOpen,       // one chain with two free ends (kOpenAllowed only)
  kEmpty,      // no items
  kNotClosed,  // the items do not form one chain, or (kClosed) it does not close
};

// Chains `items` in place. kClosed: the chain must close; `out` gets the end
// where it breaks. kOpenAllowed: a chain that cannot go on is turned round
// once to grow from its other end; an open chain gives kOpen with `out` at
// its free end.
OutlineVerdict chain_outline(std::vector<ExtractionItem>& items, PointDir& out,
                             ChainEnds ends = ChainEnds::kClosed);

// An item's geometry as it is walked: reversed when its direction is not 1.
LineGeometry walked_geometry(const ExtractionItem& item);

// Appends the points one edge adds to a region's outline, walked as given:
// B of a straight line, samples 1 to 30 of a curve (its start is the end of
// the edge before), nothing for a hidden line. An edge with a point that is
// not a finite number adds nothing and gives false.
bool append_edge_points(const LineGeometry& walked, std::vector<DPoint>& points);

}  // namespace daub
