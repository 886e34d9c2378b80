// Any small level map traces without reading outside its buffers: the fast
// edge map equals the plain scans, the shadow's block checks and reads back
// as the same bytes, and every outline becomes straight and rounded sides
// that join end to start. The same bytes are also tried as a shadow block.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "tracing/level_map.h"
#include "tracing/outline_lines.h"
#include "tracing/shadow.h"
#include "tracing/trace.h"

namespace {

using namespace daub;

void require(bool ok) {
  if (!ok) std::abort();
}

// Each side starts where the one before it ends, the first where the last ends.
void require_joined(const std::vector<LineGeometry>& sides) {
  for (std::size_t i = 0; i < sides.size(); ++i) {
    const LineGeometry& before = sides[(i + sides.size() - 1) % sides.size()];
    require(std::abs(sides[i].x0 - before.x1) < 1e-6 && std::abs(sides[i].y0 - before.y1) < 1e-6);
  }
}

void convert(const Shadow& shadow, double scale) {
  const ShadowPlace place{3, -2, scale};
  for (const OutlineRecord& o : shadow.outlines) {
    std::vector<DPoint> points = outline_world_points(&shadow.points[o.first], o.count, place);
    if (points.size() < 3) continue;
    require_joined(straight_sides(points));
    require_joined(rounded_sides(points, RoundingParams{60.0, 10.0, scale}));
  }
}

void trace_bytes(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return;
  const LevelKind kind = static_cast<LevelKind>(data[0] % 3);
  LevelMap map;
  map.width = 1 + data[1] % 48;
  const std::size_t cells = std::min<std::size_t>(size - 2, 48 * 48);
  map.height = static_cast<int>(cells / static_cast<std::size_t>(map.width));
  if (map.height == 0) return;
  for (int i = 0; i < map.width * map.height; ++i)
    map.levels.push_back(level_of(data[2 + i], kind));

  for (int pass = 0; pass < region_count(kind); ++pass) {
    EdgeMap fast;
    edge_map(map, traced_region(kind, pass), fast);
    require(fast.codes == edge_map_plain(map, traced_region(kind, pass)).codes);
  }
  Shadow shadow;
  require(trace_map(map, kind, TraceParams{0, 0, 1.07}, shadow) == TraceVerdict::kOk);
  std::vector<std::uint8_t> block = shadow_block(shadow);
  require(check_shadow(block) == ShadowProblem::kNone);
  std::optional<Shadow> again = read_shadow(block);
  require(again && shadow_block(*again) == block);
  convert(shadow, 1.0 + data[1] / 64.0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  trace_bytes(data, size);
  const std::vector<std::uint8_t> bytes(data, data + size);
  if (std::optional<Shadow> shadow = read_shadow(bytes)) {
    require(shadow_block(*shadow) == bytes);
    convert(*shadow, 2.0);
  }
  return 0;
}
