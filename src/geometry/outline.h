#pragma once
// Putting lines in outline order: the items of a list are reordered so that
// each starts where the one before it ends, each with the direction in which
// it is walked, and the chain is checked to close. Regions are made from an
// ordered line extraction list; painted outlines fill an ordered segment buffer.

#include <vector>

#include "drawing/records.h"
#include "shell/app.h"

namespace daub {

enum class ChainEnds { kClosed, kOpenAllowed };

// Chains `items` in place. kClosed: 1 when the chain closes; else 0 after
// "抽出線はありません" (empty list) or "データが閉じていません" (caption
// "rgnsort"), with `out` at the end where the chain breaks. kOpenAllowed: a
// chain that cannot go on is turned round once to grow from its other end;
// 1 when it closes, 2 when it is open (`out` at its free end, no message),
// 0 after the message when the items do not form one chain.
int order_outline(App& app, std::vector<ExtractionItem>& items, PointDir& out,
                  ChainEnds ends = ChainEnds::kClosed);

// The same on the line extraction list.
int rgnsort(App& app, PointDir& out, ChainEnds ends = ChainEnds::kClosed);

// An item's geometry as it is walked: reversed when its direction is not 1.
LineGeometry walked_geometry(const ExtractionItem& item);

}  // namespace daub
