#include "drawing/layers.h"

#include <cstdio>
#include <string>

#include "drawing/chain.h"
#include "drawing/memory.h"
#include "model/app.h"
#include "platform/input_box.h"

namespace daub {
namespace {

constexpr std::uint32_t kFirstLayerSlot = offsetof(DrawingHeader, first_layer);

// Offset of the word that links to layer n: the header's first-layer word for
// n = 1, else the link of layer n - 1; 0 when layer n - 1 does not exist.
std::uint32_t link_slot(const Block& block, int n) {
  if (n <= 1) return kFirstLayerSlot;
  const std::uint32_t prev = layer_offset(block, n - 1);
  return prev == 0 ? 0 : prev + static_cast<std::uint32_t>(offsetof(LayerRecord, next));
}

// Takes layer n (which must exist) out of the chain; returns its offset.
std::uint32_t unlink_layer(Block& block, int n) {
  const std::uint32_t slot = link_slot(block, n);
  const std::uint32_t at = block.get<std::uint32_t>(slot);
  block.put<std::uint32_t>(slot, layer_next(block, at));
  return at;
}

// Links the layer record at `at` in so that it becomes layer n (n may be the
// number of layers + 1).
void link_layer(Block& block, std::uint32_t at, int n) {
  const std::uint32_t slot = link_slot(block, n);
  block.put<std::uint32_t>(std::uint64_t{at} + offsetof(LayerRecord, next),
                           block.get<std::uint32_t>(slot));
  block.put<std::uint32_t>(slot, at);
}

// Moves layer `from` so that it becomes layer `to`; only links change.
void move_layer(Block& block, int from, int to) {
  link_layer(block, unlink_layer(block, from), to);
}

}  // namespace

void move_layer_back(Block& block, int n) {
  if (n > 1 && n <= layer_count(block)) move_layer(block, n, n - 1);
}

namespace {

// The shared check of the moving operations: the number of layers when layer
// n exists, else 0 after the message with the operation's name as caption.
int checked_count(App& app, int n, const char* caption) {
  const int count = layer_count(app.drawing);
  if (count == 0) {
    message(app.ui, caption, "レイヤーが存在しません");
    return 0;
  }
  if (n > count) {
    message(app.ui, caption, "該当レイヤーが存在しません");
    return 0;
  }
  return count;
}

std::string format_int(const char* format, int a, int b = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

}  // namespace

std::uint32_t layer_offset(const Block& block, int n) {
  if (n < 1) n = 1;
  std::uint32_t at = block.first_layer();
  const std::uint64_t bound = walk_bound(block, sizeof(LayerRecord));
  for (std::uint64_t step = 1; at != 0 && step < bound; ++step) {
    if (step == static_cast<std::uint64_t>(n)) return at;
    at = layer_next(block, at);
  }
  return 0;
}

int layer_count(const Block& block) {
  int count = 0;
  const std::uint64_t bound = walk_bound(block, sizeof(LayerRecord));
  for (std::uint32_t at = block.first_layer(); at != 0 && static_cast<std::uint64_t>(count) < bound;
       at = layer_next(block, at))
    ++count;
  return count;
}

std::uint32_t existing_layer(App& app, int layer, const char* caption) {
  const std::uint32_t at = layer_offset(app.drawing, layer);
  if (at == 0) message(app.ui, caption, "レイヤーが存在しません");
  return at;
}

std::uint32_t layer_with_chain(App& app, int layer, ChainKind kind, const char* caption) {
  const std::uint32_t at = existing_layer(app, layer, caption);
  if (at != 0 && chain_head(app.drawing, at, kind) == 0) {
    message(app.ui, caption, "データが存在しません");
    return 0;
  }
  return at;
}

std::uint64_t find_element_slot(App& app, int n, int layer, ChainKind kind, const char* caption) {
  const std::uint32_t layer_at = layer_with_chain(app, layer, kind, caption);
  if (layer_at == 0) return 0;
  const std::uint64_t slot = element_slot(app.drawing, layer_at, kind, n);
  if (slot == 0) message(app.ui, caption, "該当データが存在しません");
  return slot;
}

std::uint32_t find_element(App& app, int n, int layer, ChainKind kind, const char* caption) {
  const std::uint64_t slot = find_element_slot(app, n, layer, kind, caption);
  return slot == 0 ? 0 : app.drawing.get<std::uint32_t>(slot);
}

void makelayer(App& app, int n) {
  if (n < 1) n = 1;
  const int count = layer_count(app.drawing);
  if (count == 0 && n != 1) {
    message(app.ui, "makelayer", "該当レイヤーが存在しません");
    return;
  }
  if (n > count + 1) {
    message(app.ui, "makelayer", "レイヤーが存在しません");
    return;
  }
  // More layers could be saved but never read back.
  if (count >= static_cast<int>(kMaxLayers)) {
    message(app.ui, "memck", "メモリー不足、データをセーブしてください");
    return;
  }
  if (memck(app, sizeof(LayerRecord)) == 0) return;
  Block& block = app.drawing;
  const std::uint32_t at = block.used();
  block.put(at, LayerRecord{});
  link_layer(block, at, n);
  block.set_used(at + static_cast<std::uint32_t>(sizeof(LayerRecord)));
}

int dellayer(App& app, int n) {
  if (n < 1) n = 1;
  const int count = layer_count(app.drawing);
  if (count <= 1 || n > count) {
    message(app.ui, "dellayer", "レイヤー削除できません");
    return 0;
  }
  unlink_layer(app.drawing, n);
  if (app.in.nowlayer > count - 1) app.in.nowlayer = count - 1;
  return n;
}

int layerswaptop(App& app, int n) {
  if (n < 1) n = 1;
  if (checked_count(app, n, "layerswaptop") == 0) return 0;
  if (n > 1) move_layer(app.drawing, n, 1);
  return 1;
}

int layerswaplast(App& app, int n) {
  if (n < 1) n = 1;
  const int count = checked_count(app, n, "layerswaplast");
  if (count == 0) return 0;
  if (n == count) return 1;
  move_layer(app.drawing, n, count);
  return count;
}

int layerswapback(App& app, int n) {
  if (n < 1) n = 1;
  if (checked_count(app, n, "layerswapback") == 0) return 0;
  if (n == 1) return 1;
  move_layer(app.drawing, n, n - 1);
  app.in.nowlayer = n - 1;
  return 1;
}

int totallayer(App& app) {
  const int count = layer_count(app.drawing);
  if (count == 0) message(app.ui, "totallayer", "レイヤーが存在しません");
  return count;
}

int nextlayer(App& app) {
  const int count = layer_count(app.drawing);
  app.in.nowlayer = app.in.nowlayer >= count || app.in.nowlayer < 1 ? 1 : app.in.nowlayer + 1;
  return app.in.nowlayer;
}

int prevlayer(App& app) {
  const int count = layer_count(app.drawing);
  const int last = count < 1 ? 1 : count;
  app.in.nowlayer = app.in.nowlayer <= 1 || app.in.nowlayer > last ? last : app.in.nowlayer - 1;
  return app.in.nowlayer;
}

void layerfix(App& app) {
  const int count = layer_count(app.drawing);
  // A drawing without layers has no last layer to fall back to; the number
  // then stays, and creators report the missing layer themselves.
  if (count == 0 || app.in.nowlayer <= count) return;
  message(app.ui, "layerfix",
          format_int("%d番レイヤーは存在しません。注目レイヤーは%d番に変更します", app.in.nowlayer,
                     count));
  app.in.nowlayer = count;
}

int layerdlg(App& app) {
  app.input.buffer = format_int("%d", app.in.nowlayer);
  if (input_box(app.ui, app.input) == 0) return 0;
  int n = 0;
  std::sscanf(app.input.buffer.c_str(), "%d", &n);
  if (n < 1 || n > layer_count(app.drawing)) {
    message(app.ui, "layerdlg", format_int("%d番レイヤーは存在しません", n));
    return 0;
  }
  app.in.nowlayer = n;
  return 1;
}

}  // namespace daub
