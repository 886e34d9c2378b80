#pragma once
// The shadow: the outlines of a trace as coloured polygons in picture pixels,
// kept as one block of bytes (little-endian):
//
//   0        outline count N (u32)
//   4        point count M (u32)
//   8        N outline records of 28 bytes
//   8 + 28N  M points of 8 bytes: x, y (i32)
//
// An outline's points are points[first .. first + count), closed implicitly
// (the last point joins the first).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/tracing.h"
#include "platform/dc.h"

namespace daub {

struct OutlineRecord {
  std::uint32_t count = 0;       // points
  std::uint32_t area = 0;        // absolute area in square pixels
  std::int32_t orientation = 1;  // +1 or -1: the sign of the signed area (+1 for 0)
  std::uint32_t extent = 0;      // the larger side of the bounding box
  std::uint32_t start = 0;       // y · buffer width + x of the corner where the trace began
  std::uint32_t first = 0;       // index of the first point
  Colorref color = 0;
};
static_assert(sizeof(OutlineRecord) == 28);

struct Shadow {
  std::vector<OutlineRecord> outlines;
  std::vector<IntPoint> points;
};

inline constexpr std::size_t kShadowHeaderSize = 8;
inline constexpr std::size_t kShadowPointSize = 8;

// Bytes of a shadow block with n outlines and m points.
constexpr std::uint64_t shadow_bytes(std::uint64_t n, std::uint64_t m) {
  return kShadowHeaderSize + sizeof(OutlineRecord) * n + kShadowPointSize * m;
}

// Why a block is not a shadow; every reader checks first.
enum class ShadowProblem {
  kNone,
  kShort,           // fewer than 8 bytes
  kSizeMismatch,    // the counts do not give the block's size
  kPointsOutside,   // an outline's points run past the point array
  kBadOrientation,  // an orientation other than +1 or -1
};

ShadowProblem check_shadow(const std::vector<std::uint8_t>& block);

// The block of a shadow (empty when it would pass kMaxShadowBytes).
std::vector<std::uint8_t> shadow_block(const Shadow& shadow);
// The shadow of a block; none unless check_shadow finds nothing wrong.
std::optional<Shadow> read_shadow(const std::vector<std::uint8_t>& block);

// The level maps' order: by start position, and at equal start an outline of
// orientation -1 first (a hole never covers the shape drawn inside it);
// otherwise the order of the trace is kept.
void sort_by_start(std::vector<OutlineRecord>& outlines);

// Gives every outline of orientation `orientation` the colour; the block
// must have passed check_shadow. Returns the number changed.
int recolor_shadow(std::vector<std::uint8_t>& block, int orientation, Colorref color);

// The points of outline i of a checked shadow.
inline const IntPoint* outline_points(const Shadow& s, std::size_t i) {
  return s.points.data() + s.outlines[i].first;
}

}  // namespace daub
