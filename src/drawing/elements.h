#pragma once
// Finding element n of a layer's chain, with the messages every element
// operation shows when there is none: "レイヤーが存在しません" (no such
// layer), "データが存在しません" (the chain is empty), "該当データが存在しません"
// (no element of that number), each under the operation's name.

#include <cmath>
#include <cstdint>

#include "drawing/chain.h"
#include "geometry/point.h"

namespace daub {
struct App;

// The layer's offset when its chain of `kind` is not empty; 0 after the message.
std::uint32_t layer_with_elements(App& app, int layer, ChainKind kind, const char* caption);

// Offset of the word that links to element n (the layer's head word for
// n = 1), or 0 after the message that says why there is none.
std::uint64_t element_slot(App& app, int layer, ChainKind kind, int n, const char* caption);

// Offset of the record of element n, or 0 after the message.
std::uint32_t element_at(App& app, int layer, ChainKind kind, int n, const char* caption);

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
