#pragma once
// Pieces shared by the line element sources: finding lines by number and
// reading a layer's lines as values.

#include <cmath>
#include <cstdint>
#include <vector>

#include "drawing/layers.h"
#include "model/app.h"
#include "model/records.h"

namespace daub::lines_detail {

// Every nearest-search starts from this distance, so nothing farther is found.
constexpr double kFarAway = 10000.0;
// Points (per coordinate) and angles closer than this are the same.
constexpr double kSame = 1e-10;

// Offset of line n of the layer, or 0 after the message that says why:
// no layer, no lines at all, or no line of that number.
std::uint32_t find_line(App& app, int n, int layer, const char* caption);

// The layer's lines in chain order (the element number is the index + 1).
std::vector<LineRecord> layer_lines(const Block& block, std::uint32_t layer_at);

inline bool same_point(double x0, double y0, double x1, double y1) {
  return std::fabs(x0 - x1) < kSame && std::fabs(y0 - y1) < kSame;
}

inline double distance(double x0, double y0, double x1, double y1) {
  return std::sqrt((x1 - x0) * (x1 - x0) + (y1 - y0) * (y1 - y0));
}

// Room for `added` more lines in a chain of `existing` lines; false after
// memck's message. Checked before a delete that is followed by appends, so
// that a full block can never lose the deleted line.
bool room_for_lines(App& app, int existing, int added);

}  // namespace daub::lines_detail
