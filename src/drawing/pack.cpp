#include "drawing/pack.h"

#include "drawing/chain.h"
#include "model/app.h"

namespace daub {
namespace {

constexpr ChainKind kTextChains[] = {ChainKind::kLetters, ChainKind::kEnglishes};

// Unlinks the empty texts of one chain; returns how many.
int purge_chain(Block& block, std::uint32_t layer, ChainKind kind) {
  const ChainShape shape = chain_shape(kind);
  std::uint64_t slot = std::uint64_t{layer} + shape.head_field;
  std::uint32_t at = block.get<std::uint32_t>(slot);
  int purged = 0;
  const std::uint64_t bound = walk_bound(block, shape.record_size);
  for (std::uint64_t step = 0; at != 0 && step < bound; ++step) {
    const std::uint32_t next = chain_next(block, at, kind);
    if (is_empty_text(block, kind, at)) {
      block.put<std::uint32_t>(slot, next);
      ++purged;
    } else {
      slot = std::uint64_t{at} + shape.link_field;
    }
    at = next;
  }
  return purged;
}

// Writes records one after another into the new block.
class Packer {
 public:
  explicit Packer(const Block& source) : source_(source) { out_.reserve(source.used()); }

  // Copies `size` bytes from the source; returns where they went. Bytes the
  // source does not hold are left out (a valid block never asks for them).
  std::uint32_t copy(std::uint64_t offset, std::uint64_t size) {
    const auto at = static_cast<std::uint32_t>(out_.size());
    if (source_.contains(offset, size)) {
      const auto* from = source_.data() + offset;
      out_.insert(out_.end(), from, from + size);
    }
    return at;
  }

  void set(std::uint64_t at, std::uint32_t value) {
    if (at + sizeof value <= out_.size()) std::memcpy(out_.data() + at, &value, sizeof value);
  }

  std::vector<std::uint8_t> finish() {
    set(offsetof(DrawingHeader, used), static_cast<std::uint32_t>(out_.size()));
    out_.shrink_to_fit();
    return std::move(out_);
  }

  std::size_t size() const { return out_.size(); }

 private:
  const Block& source_;
  std::vector<std::uint8_t> out_;
};

// Copies one chain of a layer in chain order, each record followed by its data.
void pack_chain(Packer& packer, const Block& source, std::uint32_t old_layer,
                std::uint32_t new_layer, ChainKind kind) {
  const ChainShape shape = chain_shape(kind);
  std::uint64_t slot = std::uint64_t{new_layer} + shape.head_field;
  std::uint32_t at = chain_head(source, old_layer, kind);
  const std::uint64_t bound = walk_bound(source, shape.record_size);
  for (std::uint64_t step = 0; at != 0 && step < bound; ++step, at = chain_next(source, at, kind)) {
    if (is_empty_text(source, kind, at)) continue;
    const std::uint32_t record = packer.copy(at, shape.record_size);
    packer.set(std::uint64_t{record} + shape.link_field, 0);
    packer.set(slot, record);
    slot = std::uint64_t{record} + shape.link_field;
    if (shape.data_field == 0) continue;
    const DataRange data = trailing_data(source, kind, at);
    packer.set(std::uint64_t{record} + shape.data_field, packer.copy(data.offset, data.size));
  }
}

}  // namespace

int emptystrpurge(Block& block) {
  int purged = 0;
  const std::uint64_t bound = walk_bound(block, sizeof(LayerRecord));
  std::uint32_t layer = block.first_layer();
  for (std::uint64_t step = 0; layer != 0 && step < bound; ++step) {
    for (ChainKind kind : kTextChains) purged += purge_chain(block, layer, kind);
    layer = layer_next(block, layer);
  }
  return purged;
}

Block packed(const Block& block) {
  Packer packer(block);
  packer.copy(0, kHeaderSize);
  packer.set(offsetof(DrawingHeader, first_layer), 0);
  if (block.settings_offset() != 0) {
    packer.copy(block.settings_offset(), kSettingsSize);
    packer.set(offsetof(DrawingHeader, settings), kHeaderSize);
  }
  std::uint64_t slot = offsetof(DrawingHeader, first_layer);
  const std::uint64_t bound = walk_bound(block, sizeof(LayerRecord));
  std::uint32_t layer = block.first_layer();
  for (std::uint64_t step = 0; layer != 0 && step < bound; ++step) {
    const std::uint32_t record = packer.copy(layer, sizeof(LayerRecord));
    for (std::uint32_t field = 0; field < sizeof(LayerRecord); field += 4)
      packer.set(record + field, 0);
    packer.set(slot, record);
    slot = record + offsetof(LayerRecord, next);
    for (ChainKind kind : kCanonicalChainOrder) pack_chain(packer, block, layer, record, kind);
    layer = layer_next(block, layer);
  }
  return Block(packer.finish());
}

int sklpack(App& app) {
  emptystrpurge(app.drawing);
  app.drawing = packed(app.drawing);
  return 0;
}

void sklsetclear(App& app) { app.drawing.set_settings_offset(0); }

}  // namespace daub
