#pragma once
// The append shape shared by every creator of an element: grow the block by
// the record and its trailing data, put both at the end of the used part and
// link the record in at the end of its chain in the given layer.

#include <array>
#include <cstdint>
#include <type_traits>

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

// Appends run after run to the chains of one layer, finding each chain's end
// once rather than walking the chain for every element: for the thousands of
// elements one operation may make. Nothing else may change the layer's
// chains while it is in use.
class LayerAppender {
 public:
  LayerAppender(App& app, int layer) : app_(app), layer_(layer) {}

  // As append_element.
  int append(ChainKind kind, const void* record, const void* data, std::uint32_t data_size,
             const char* caption);
  template <class Record>
  int append(ChainKind kind, const Record& record, const void* data, std::uint32_t data_size,
             const char* caption) {
    static_assert(std::is_trivially_copyable_v<Record>);
    return append(kind, static_cast<const void*>(&record), data, data_size, caption);
  }

 private:
  // The word the next record's offset goes to (the chain's head or its last
  // record's link), and the number of records before it; slot 0 until found.
  struct ChainEnd {
    std::uint64_t slot = 0;
    std::uint32_t length = 0;
  };

  App& app_;
  int layer_;
  std::uint32_t layer_at_ = 0;      // the layer's record, 0 until found
  std::array<ChainEnd, 5> ends_{};  // by ChainKind
  static_assert(static_cast<std::size_t>(ChainKind::kBitmaps) < 5);
};

}  // namespace daub
