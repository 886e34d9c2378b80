#pragma once
// Searches shared by the element kinds that have an anchor point (texts and
// bitmaps). Finding element n of a chain is `find_element` in drawing/layers.h.

#include <cmath>
#include <cstdint>

#include "drawing/chain.h"
#include "geometry/point.h"

namespace daub {

// The element whose anchor (x, y) is nearest to the point: strictly nearer
// than 10000.0 and than every earlier one. Its number and anchor; 0 when
// there is none.
template <class Record>
int nearest_anchor(const Block& block, std::uint32_t layer_at, ChainKind kind, DPoint point,
                   DPoint& anchor) {
  int found = 0;
  double best = 10000.0;
  for_each_in_chain(block, layer_at, kind, [&](int n, std::uint32_t at) {
    const auto record = block.get<Record>(at);
    const double d = std::hypot(record.x - point.x, record.y - point.y);
    if (d < best) {
      best = d;
      found = n;
      anchor = DPoint{record.x, record.y};
    }
  });
  return found;
}

}  // namespace daub
