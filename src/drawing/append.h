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

template <class Record>
int append_element(App& app, int layer, ChainKind kind, const Record& record, const void* data,
                   std::uint32_t data_size, const char* caption) {
  static_assert(std::is_trivially_copyable_v<Record>);
  return append_element(app, layer, kind, static_cast<const void*>(&record), data, data_size,
                        caption);
}

}  // namespace daub
