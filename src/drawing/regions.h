#pragma once
// Region elements: closed outlines of lines of one layer.

#include <vector>

#include "geometry/outline.h"

namespace daub {
struct App;

// Chains `items` in place (see chain_outline). kClosed: 1 when the chain
// closes; else 0 after "抽出線はありません" (empty list) or "データが閉じていません"
// (caption "rgnsort"), with `out` at the end where the chain breaks.
// kOpenAllowed: 1 when it closes, 2 when it is open (`out` at its free end,
// no message), 0 after the message when the items do not form one chain.
int order_outline(App& app, std::vector<ExtractionItem>& items, PointDir& out,
                  ChainEnds ends = ChainEnds::kClosed);

// The same on the line extraction list.
int rgnsort(App& app, PointDir& out, ChainEnds ends = ChainEnds::kClosed);

}  // namespace daub
