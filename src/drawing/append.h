#pragma once
// The append shape shared by every creator of an element: grow the block by
// the record and its trailing data, put both at the end of the used part and
// link the record in at the end of its chain in the given layer.

#include <cstdint>

#include "drawing/chain.h"

namespace daub {
struct App;

// Appends `record` (the kind's fixed size) followed by `data_size` bytes of
// `data`; the record's link becomes 0 and its data offset the offset right
// after it. A layer below 1 means layer 1. Returns the new element number, or
// 0 after "レイヤーが存在しません" (caption `caption`) when the layer does not
// exist, or after memck's message when the block cannot grow or the chain is
// full; the block is then unchanged.
int append_element(App& app, int layer, ChainKind kind, const void* record, const void* data,
                   std::uint32_t data_size, const char* caption);

// Appends many elements to one chain, finding its end once. The block must
// already have room (memck) for everything appended; each record goes at the
// used end with its data right behind it, and the used size moves on.
class ChainAppender {
 public:
  ChainAppender(Block& block, std::uint32_t layer_at, ChainKind kind);
  // Elements in the chain so far (the number the last one got).
  std::uint32_t length() const { return length_; }
  // Appends `record` (the kind's fixed size; its link becomes 0 and its data
  // offset the offset right after it) and `data_size` bytes of `data`.
  // Returns the element's number.
  int append(const void* record, const void* data, std::uint32_t data_size);

 private:
  Block& block_;
  ChainKind kind_;
  std::uint64_t slot_;  // the word the next record's offset goes to
  std::uint32_t length_;
};

template <class Record>
int append_element(App& app, int layer, ChainKind kind, const Record& record, const void* data,
                   std::uint32_t data_size, const char* caption) {
  static_assert(std::is_trivially_copyable_v<Record>);
  return append_element(app, layer, kind, static_cast<const void*>(&record), data, data_size,
                        caption);
}

}  // namespace daub
