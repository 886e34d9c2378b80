#include "render/pen_operations.h"

#include <cstdint>

#include "drawing/chain.h"
#include "drawing/layers.h"
#include "model/app.h"

namespace daub {
namespace {

// Offset of line n of the layer, or 0 after the message that says why not.
std::uint32_t line_at(App& app, int n, int layer, const char* caption) {
  const std::uint32_t at_layer = layer_offset(app.drawing, layer);
  if (at_layer == 0) {
    message(app.ui, caption, "レイヤーが存在しません");
    return 0;
  }
  std::uint32_t at = chain_head(app.drawing, at_layer, ChainKind::kLines);
  if (at == 0) {
    message(app.ui, caption, "データが存在しません");
    return 0;
  }
  std::uint64_t steps = walk_bound(app.drawing, sizeof(LineRecord));
  for (int i = 1; i < n && at != 0 && steps > 0; ++i, --steps)
    at = chain_next(app.drawing, at, ChainKind::kLines);
  if (n < 1 || at == 0 || steps == 0) {
    message(app.ui, caption, "該当データが存在しません");
    return 0;
  }
  return at;
}

// Reads line n, lets `copy` take what it needs from the current pen into the
// line's pen, and writes the pen back.
template <class Copy>
int copy_current_pen(App& app, int n, int layer, const char* caption, Copy copy) {
  const std::uint32_t at = line_at(app, n, layer, caption);
  if (at == 0) return 0;
  PenRecord pen = app.drawing.get<PenRecord>(at + offsetof(LineRecord, pen));
  copy(pen, app.settings.line_pen);
  app.drawing.put(at + offsetof(LineRecord, pen), pen);
  return n;
}

}  // namespace

int linenowpenstyle(App& app, int n, int layer) {
  return copy_current_pen(app, n, layer, "linenowpenstyle",
                          [](PenRecord& to, const PenRecord& from) { to.style = from.style; });
}

int linenowpenwidth(App& app, int n, int layer) {
  return copy_current_pen(app, n, layer, "linenowpenwidth",
                          [](PenRecord& to, const PenRecord& from) { to.width = from.width; });
}

int linenowdot(App& app, int n, int layer) {
  return copy_current_pen(app, n, layer, "linenowdot",
                          [](PenRecord& to, const PenRecord& from) { copy_dot_pattern(from, to); });
}

int linenowcolor(App& app, int n, int layer) {
  return copy_current_pen(app, n, layer, "linenowcolor",
                          [](PenRecord& to, const PenRecord& from) { to.color = from.color; });
}

}  // namespace daub
