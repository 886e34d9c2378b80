#pragma once
// Reads stored regions back as plain values: their boundary entries, or only
// the line numbers of each region of a layer.

#include <cstdint>
#include <utility>
#include <vector>

#include "drawing/chain.h"
#include "drawing/layers.h"

namespace daub::test {

// The (line, direction) entries of the region record at `at`, in order.
inline std::vector<std::pair<int, int>> region_entries(const Block& block, std::uint32_t at) {
  const auto r = block.get<RegionRecord>(at);
  std::vector<std::pair<int, int>> out;
  for (int i = 0; i < r.count; ++i) {
    const auto e = block.get<BoundaryEntry>(r.entries + 8u * static_cast<unsigned>(i));
    out.push_back({e.line, e.direction});
  }
  return out;
}

// The boundary line numbers of each region of a layer, in chain order.
inline std::vector<std::vector<int>> region_lines(const Block& block, int layer = 1) {
  std::vector<std::vector<int>> out;
  const std::uint32_t layer_at = layer_offset(block, layer);
  if (layer_at == 0) return out;
  for_each_in_chain(block, layer_at, ChainKind::kRegions, [&](int, std::uint32_t at) {
    std::vector<int> lines;
    for (const auto& [line, direction] : region_entries(block, at)) lines.push_back(line);
    out.push_back(lines);
  });
  return out;
}

}  // namespace daub::test
