#include "drawing/recolour.h"

#include <cstddef>
#include <cstdint>

#include "drawing/chain.h"

namespace daub {

namespace {

constexpr std::uint64_t kPenColour = offsetof(LineRecord, pen) + offsetof(PenRecord, color);

void recolour_lines(Block& block, std::uint32_t layer_at, const ColourRule& rule) {
  const std::uint64_t bound = walk_bound(block, sizeof(LineRecord));
  std::uint64_t steps = 0;
  for (std::uint32_t at = chain_head(block, layer_at, ChainKind::kLines); at != 0 && steps < bound;
       at = chain_next(block, at, ChainKind::kLines), ++steps)
    block.put<Colorref>(at + kPenColour, rule(block.get<Colorref>(at + kPenColour)));
}

}  // namespace

void recolour_elements(Block& block, const ColourRule& rule) {
  const std::uint64_t bound = walk_bound(block, sizeof(LayerRecord));
  std::uint64_t steps = 0;
  for (std::uint32_t layer = block.first_layer(); layer != 0 && steps < bound;
       layer = layer_next(block, layer), ++steps)
    recolour_lines(block, layer, rule);
}

}  // namespace daub
