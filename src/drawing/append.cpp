#include "drawing/append.h"

#include "drawing/layers.h"
#include "drawing/memory.h"
#include "model/app.h"

namespace daub {

int append_element(App& app, int layer, ChainKind kind, const void* record, const void* data,
                   std::uint32_t data_size, const char* caption) {
  return LayerAppender(app, layer).append(kind, record, data, data_size, caption);
}

int LayerAppender::append(ChainKind kind, const void* record, const void* data,
                          std::uint32_t data_size, const char* caption) {
  Block& block = app_.drawing;
  if (layer_at_ == 0) layer_at_ = layer_offset(block, layer_);
  if (layer_at_ == 0) {
    message(app_.ui, caption, "レイヤーが存在しません");
    return 0;
  }
  const ChainShape shape = chain_shape(kind);
  ChainEnd& end = ends_[static_cast<std::size_t>(kind)];
  if (end.slot == 0) {
    end.slot = std::uint64_t{layer_at_} + shape.head_field;
    const std::uint64_t bound = walk_bound(block, shape.record_size);
    for (std::uint32_t at = block.get<std::uint32_t>(end.slot); at != 0 && end.length < bound;
         at = block.get<std::uint32_t>(end.slot)) {
      end.slot = std::uint64_t{at} + shape.link_field;
      ++end.length;
    }
  }
  // A longer chain could be saved but never read back.
  if (end.length >= kMaxChainLength) {
    message(app_.ui, "memck", "メモリー不足、データをセーブしてください");
    return 0;
  }
  if (memck(app_, std::uint64_t{shape.record_size} + data_size) == 0) return 0;
  const std::uint32_t at = block.used();
  block.put_bytes(at, record, shape.record_size);
  block.put<std::uint32_t>(std::uint64_t{at} + shape.link_field, 0);
  if (shape.data_field != 0)
    block.put<std::uint32_t>(std::uint64_t{at} + shape.data_field, at + shape.record_size);
  if (data != nullptr) block.put_bytes(std::uint64_t{at} + shape.record_size, data, data_size);
  block.put<std::uint32_t>(end.slot, at);
  block.set_used(at + shape.record_size + data_size);
  end = {std::uint64_t{at} + shape.link_field, end.length + 1};
  return static_cast<int>(end.length);
}

}  // namespace daub
