#include "drawing/drawing_clipboard.h"

#include <algorithm>

#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/selection.h"
#include "model/app.h"

namespace daub {

Block used_part(const Block& block) {
  const auto& bytes = block.bytes();
  const std::size_t used = std::min<std::size_t>(block.used(), bytes.size());
  return Block(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + used));
}

void drawing_copy(App& app) { app.clipboard.set_drawing(used_part(app.drawing).bytes()); }

std::optional<Block> clipboard_drawing(App& app, const char* caption) {
  std::optional<std::vector<std::uint8_t>> bytes = app.clipboard.drawing();
  if (!bytes) {
    message(app.ui, caption, "クリップボードにデータがありません");
    return std::nullopt;
  }
  // The block must be one this program could have written and could grow:
  // the same checks as a file, within the size a drawing may reach.
  Block block(std::move(*bytes));
  if (block.allocated() > app.block_limit || !is_valid_drawing(block)) {
    message(app.ui, caption, "TORVCADデータではありません");
    return std::nullopt;
  }
  return used_part(block);
}

int drawdatapaste(App& app) {
  std::optional<Block> block = clipboard_drawing(app, "drawdatapaste");
  if (!block) return 0;
  app.drawing = std::move(*block);
  layerfix(app);
  nowreset(app);
  return 1;
}

}  // namespace daub
