#include "drawing/elements.h"

#include "drawing/layers.h"
#include "model/app.h"

namespace daub {

std::uint32_t layer_with_elements(App& app, int layer, ChainKind kind, const char* caption) {
  const std::uint32_t at = existing_layer(app, layer, caption);
  if (at != 0 && chain_head(app.drawing, at, kind) == 0) {
    message(app.ui, caption, "データが存在しません");
    return 0;
  }
  return at;
}

std::uint64_t element_slot(App& app, int layer, ChainKind kind, int n, const char* caption) {
  const std::uint32_t layer_at = layer_with_elements(app, layer, kind, caption);
  if (layer_at == 0) return 0;
  const Block& block = app.drawing;
  const ChainShape shape = chain_shape(kind);
  std::uint64_t slot = std::uint64_t{layer_at} + shape.head_field;
  const std::uint64_t bound = walk_bound(block, shape.record_size);
  for (std::uint64_t i = 1; n >= 1 && i <= bound; ++i) {
    const std::uint32_t at = block.get<std::uint32_t>(slot);
    if (at == 0) break;
    if (i == static_cast<std::uint64_t>(n)) return slot;
    slot = std::uint64_t{at} + shape.link_field;
  }
  message(app.ui, caption, "該当データが存在しません");
  return 0;
}

std::uint32_t element_at(App& app, int layer, ChainKind kind, int n, const char* caption) {
  const std::uint64_t slot = element_slot(app, layer, kind, n, caption);
  return slot == 0 ? 0 : app.drawing.get<std::uint32_t>(slot);
}

}  // namespace daub
