#pragma once
// The five element chains of a layer, described as data so that one walk
// serves validation, compaction and the purge of empty texts.

#include <cstdint>

#include "model/block.h"
#include "model/records.h"

namespace daub {

enum class ChainKind { kLines, kRegions, kLetters, kEnglishes, kBitmaps };

// Where the head of a chain sits in a layer record, where the link and the
// offset of the trailing data sit in one of its records (0: no trailing data),
// and the record's fixed size.
struct ChainShape {
  std::uint32_t head_field;
  std::uint32_t link_field;
  std::uint32_t data_field;
  std::uint32_t record_size;
};

constexpr ChainShape chain_shape(ChainKind kind) {
  switch (kind) {
    case ChainKind::kLines:
      return {offsetof(LayerRecord, lines), offsetof(LineRecord, next), 0, sizeof(LineRecord)};
    case ChainKind::kRegions:
      return {offsetof(LayerRecord, regions), offsetof(RegionRecord, next),
              offsetof(RegionRecord, entries), sizeof(RegionRecord)};
    case ChainKind::kLetters:
      return {offsetof(LayerRecord, letters), offsetof(TextRecord, next),
              offsetof(TextRecord, chars), sizeof(TextRecord)};
    case ChainKind::kEnglishes:
      return {offsetof(LayerRecord, englishes), offsetof(TextRecord, next),
              offsetof(TextRecord, chars), sizeof(TextRecord)};
    case ChainKind::kBitmaps:
      return {offsetof(LayerRecord, bitmaps), offsetof(BitmapRecord, next),
              offsetof(BitmapRecord, image), sizeof(BitmapRecord)};
  }
  return {0, 0, 0, 0};
}

// The order in which compaction writes a layer's chains.
constexpr ChainKind kCanonicalChainOrder[] = {ChainKind::kLines, ChainKind::kRegions,
                                              ChainKind::kEnglishes, ChainKind::kLetters,
                                              ChainKind::kBitmaps};

// Most layers, and most elements in one chain, that a drawing may hold.
constexpr std::uint32_t kMaxLayers = 65536;
constexpr std::uint32_t kMaxChainLength = 65536;
constexpr std::int32_t kMaxRegionEntries = 65535;
constexpr std::int32_t kMaxTextLength = 65534;

// The trailing data of a record: where it lies and how many bytes it has.
struct DataRange {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// The trailing data of the record at `at` (nothing for lines). Text data
// includes the terminating NUL. Sizes of damaged records may be negative in
// the file; they come back here as sizes that no block can contain.
inline DataRange trailing_data(const Block& block, ChainKind kind, std::uint32_t at) {
  switch (kind) {
    case ChainKind::kLines:
      return {};
    case ChainKind::kRegions: {
      const auto r = block.get<RegionRecord>(at);
      if (r.count < 0) return {r.entries, UINT64_MAX};
      return {r.entries, static_cast<std::uint64_t>(r.count) * sizeof(BoundaryEntry)};
    }
    case ChainKind::kLetters:
    case ChainKind::kEnglishes: {
      const auto t = block.get<TextRecord>(at);
      if (t.length < 0) return {t.chars, UINT64_MAX};
      return {t.chars, static_cast<std::uint64_t>(t.length) + 1};
    }
    case ChainKind::kBitmaps: {
      const auto b = block.get<BitmapRecord>(at);
      return {b.image, b.size};
    }
  }
  return {};
}

// Any walk over the live block stops after this many steps: no chain of
// disjoint records can be longer, so a damaged link can never loop forever.
inline std::uint64_t walk_bound(const Block& block, std::uint32_t record_size) {
  return block.allocated() / record_size + 1;
}

inline std::uint32_t chain_head(const Block& block, std::uint32_t layer, ChainKind kind) {
  return block.get<std::uint32_t>(std::uint64_t{layer} + chain_shape(kind).head_field);
}

inline std::uint32_t chain_next(const Block& block, std::uint32_t at, ChainKind kind) {
  return block.get<std::uint32_t>(std::uint64_t{at} + chain_shape(kind).link_field);
}

// A letter or english element of length 0: compaction leaves it out.
inline bool is_empty_text(const Block& block, ChainKind kind, std::uint32_t at) {
  return (kind == ChainKind::kLetters || kind == ChainKind::kEnglishes) &&
         block.get<TextRecord>(at).length == 0;
}

// Calls f(number, offset) for every element of the layer's chain in chain
// order; numbers start at 1. The walk is bounded like every walk.
template <class F>
void for_each_in_chain(const Block& block, std::uint32_t layer_at, ChainKind kind, F f) {
  const std::uint64_t bound = walk_bound(block, chain_shape(kind).record_size);
  std::uint64_t n = 1;
  for (std::uint32_t at = chain_head(block, layer_at, kind); at != 0 && n <= bound;
       at = chain_next(block, at, kind), ++n)
    f(static_cast<int>(n), at);
}

// Offset of the word that points at element n of the layer's chain (the
// layer's head word for n = 1), 0 when there is no element n.
inline std::uint64_t element_slot(const Block& block, std::uint32_t layer_at, ChainKind kind,
                                  int n) {
  if (n < 1) return 0;
  const ChainShape shape = chain_shape(kind);
  std::uint64_t slot = std::uint64_t{layer_at} + shape.head_field;
  const std::uint64_t bound = walk_bound(block, shape.record_size);
  for (std::uint64_t i = 1; i <= bound; ++i) {
    const std::uint32_t at = block.get<std::uint32_t>(slot);
    if (at == 0) return 0;
    if (i == static_cast<std::uint64_t>(n)) return slot;
    slot = std::uint64_t{at} + shape.link_field;
  }
  return 0;
}

inline std::uint32_t layer_next(const Block& block, std::uint32_t layer) {
  return block.get<std::uint32_t>(std::uint64_t{layer} + offsetof(LayerRecord, next));
}

}  // namespace daub
