// Any bytes that pass the drawing check must be safe to walk and to compact,
// compaction must give a drawing that passes the check again, and compacting
// that drawing once more must change nothing.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "drawing/chain.h"
#include "drawing/drawing_file.h"
#include "drawing/pack.h"

namespace {

using namespace daub;

void require(bool ok) {
  if (!ok) std::abort();
}

// Walks every chain through raw pointers, so that the sanitizer sees any read
// past the block, and counts the elements that compaction keeps.
std::uint64_t walk(const Block& block) {
  const std::uint8_t* base = block.data();
  std::uint64_t kept = 0;
  volatile std::uint8_t sink = 0;
  for (std::uint32_t layer = block.first_layer(); layer != 0; layer = layer_next(block, layer)) {
    sink = sink + base[layer + sizeof(LayerRecord) - 1];
    for (ChainKind kind : kCanonicalChainOrder) {
      for (std::uint32_t at = chain_head(block, layer, kind); at != 0;
           at = chain_next(block, at, kind)) {
        sink = sink + base[at] + base[at + chain_shape(kind).record_size - 1];
        const DataRange data = trailing_data(block, kind, at);
        require(data.offset + data.size <= block.used() || data.size == 0);
        if (data.size > 0) sink = sink + base[data.offset] + base[data.offset + data.size - 1];
        if (!is_empty_text(block, kind, at)) ++kept;
      }
    }
  }
  return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  if (!is_valid_drawing(bytes)) return 0;
  const Block block(std::move(bytes));
  const std::uint64_t kept = walk(block);

  const Block once = packed(block);
  require(is_valid_drawing(once));
  require(once.allocated() == once.used() && once.used() <= block.used());
  require(walk(once) == kept);

  const Block twice = packed(once);
  require(twice.bytes() == once.bytes());
  return 0;
}
