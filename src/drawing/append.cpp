#include "drawing/append.h"

#include "drawing/layers.h"
#include "drawing/memory.h"
#include "model/app.h"

namespace daub {
namespace {

// The offset of the word that the new record's offset goes to (the chain's
// head or its last record's link), and the number the new element gets.
struct ChainEnd {
  std::uint64_t slot = 0;
  std::uint32_t length = 0;
};

ChainEnd chain_end(const Block& block, std::uint32_t layer, ChainKind kind) {
  const ChainShape shape = chain_shape(kind);
  ChainEnd end{std::uint64_t{layer} + shape.head_field, 0};
  const std::uint64_t bound = walk_bound(block, shape.record_size);
  for (std::uint32_t at = block.get<std::uint32_t>(end.slot); at != 0 && end.length < bound;
       at = block.get<std::uint32_t>(end.slot)) {
    end.slot = std::uint64_t{at} + shape.link_field;
    ++end.length;
  }
  return end;
}

}  // namespace

ChainAppender::ChainAppender(Block& block, std::uint32_t layer_at, ChainKind kind)
    : block_(block), kind_(kind) {
  const ChainEnd end = chain_end(block, layer_at, kind);
  slot_ = end.slot;
  length_ = end.length;
}

int ChainAppender::append(const void* record, const void* data, std::uint32_t data_size) {
  const ChainShape shape = chain_shape(kind_);
  const std::uint32_t at = block_.used();
  block_.put_bytes(at, record, shape.record_size);
  block_.put<std::uint32_t>(std::uint64_t{at} + shape.link_field, 0);
  if (shape.data_field != 0)
    block_.put<std::uint32_t>(std::uint64_t{at} + shape.data_field, at + shape.record_size);
  if (data != nullptr) block_.put_bytes(std::uint64_t{at} + shape.record_size, data, data_size);
  block_.put<std::uint32_t>(slot_, at);
  block_.set_used(at + shape.record_size + data_size);
  slot_ = std::uint64_t{at} + shape.link_field;
  return static_cast<int>(++length_);
}

int append_element(App& app, int layer, ChainKind kind, const void* record, const void* data,
                   std::uint32_t data_size, const char* caption) {
  const std::uint32_t layer_at = layer_offset(app.drawing, layer);
  if (layer_at == 0) {
    message(app.ui, caption, "レイヤーが存在しません");
    return 0;
  }
  ChainAppender appender(app.drawing, layer_at, kind);
  // A longer chain could be saved but never read back.
  if (appender.length() >= kMaxChainLength) {
    message(app.ui, "memck", "メモリー不足、データをセーブしてください");
    return 0;
  }
  if (memck(app, std::uint64_t{chain_shape(kind).record_size} + data_size) == 0) return 0;
  return appender.append(record, data, data_size);
}

}  // namespace daub
