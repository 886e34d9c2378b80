#pragma once
// Tracing a level map: the edge map of one region, the walk along pixel
// corners that follows each boundary, and the outlines that come of it.
//
// The map lies at (2, 2) in a buffer 6 cells wider and higher whose other
// cells are level 1, so every region is closed. Corner (x, y) of the buffer
// is the top-left corner of cell (x, y); the edge map holds one byte a
// corner: 0 no edge, 4..7 an edge leaving the corner in direction 0..3
// (right, down, left, up), 8 edges leaving right and left, 9 edges leaving
// down and up (two regions touching diagonally). Every edge runs with the
// region on its left as seen on the screen (y downwards), so the outer
// boundary of a region has a positive area and a hole a negative one.

#include <cstdint>
#include <vector>

#include "tracing/level_map.h"
#include "tracing/shadow.h"

namespace daub {

inline constexpr int kTraceMargin = 2;  // the map's offset in the buffer
inline constexpr int kTraceGrowth = 6;  // the buffer's extra width and height

// The cells one pass traces: the bytes equal to `level`, or with
// `complement` every byte but `level`.
struct TracedRegion {
  std::uint8_t level = 1;
  bool complement = false;
  bool contains(std::uint8_t v) const { return complement ? v != level : v == level; }
};

// The region of pass `pass` (0-based) of a map: the threshold map's one
// region is every byte but 1; the level maps trace level pass + 1.
TracedRegion traced_region(LevelKind kind, int pass);

struct EdgeMap {
  int width = 0;   // the buffer's: map width + 6
  int height = 0;  // map height + 6
  std::vector<std::uint8_t> codes;
};

// The edge map of one region, corner by corner from the four cells around
// it. `out` is reused.
void edge_map(const LevelMap& map, TracedRegion region, EdgeMap& out);
// The same built as the scans of the buffer go: each column downward marks
// the top edges of cells leaving (4 at the top-left corner) and entering (6
// at the top-right) the region, each row rightward the left edges of cells
// leaving (7 at the bottom-left) and entering (5 at the top-left); a corner
// marked twice becomes 8 or 9. Kept to check edge_map against.
EdgeMap edge_map_plain(const LevelMap& map, TracedRegion region);

struct TraceParams {
  int min_area = 4;      // an outline is dropped when its area is at most this …
  int min_extent = 10;   // … and its larger bounding-box side at most this
  double factor = 1.07;  // the chord tolerance factor of the simplification
};

enum class TraceVerdict { kOk, kTooLarge };

// Follows every boundary of the edge map (which it clears), scanning the
// corners row by row: one outline a boundary, its points the corners where
// the direction changes, specks dropped, simplified (corners on the map's
// rectangle always kept), shifted into map pixels and appended to `out` with
// `color`, or for the threshold map (color_by_orientation) black for
// orientation +1 and white for -1. kTooLarge when the shadow would pass
// `limit` bytes; `out` then holds what was traced so far.
TraceVerdict trace_edges(EdgeMap& edges, const TraceParams& params, Colorref color,
                         bool color_by_orientation, Shadow& out,
                         std::uint64_t limit = kMaxShadowBytes);

// The whole map: every region in turn, the level maps' outlines sorted by
// start position. `out` is replaced; on kTooLarge it is left empty.
TraceVerdict trace_map(const LevelMap& map, LevelKind kind, const TraceParams& params, Shadow& out,
                       std::uint64_t limit = kMaxShadowBytes);

}  // namespace daub
