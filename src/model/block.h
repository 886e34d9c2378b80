#pragma once
// The drawing block: one growable byte buffer holding the header, an optional
// settings record, layers and element records, all linked by 32-bit offsets.
// Typed access goes through memcpy and is bounds-checked: a read outside the
// buffer yields a zero record and a write outside it is dropped, so even a
// logic error can never touch memory beyond the block.

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "model/records.h"

namespace daub {

class Block {
 public:
  Block() = default;
  explicit Block(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  // The 20-byte empty drawing: used size 20, no layer, no settings, the magic.
  static Block empty_drawing();

  std::size_t allocated() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t>& bytes() { return bytes_; }
  const std::uint8_t* data() const { return bytes_.data(); }

  bool contains(std::uint64_t offset, std::uint64_t size) const {
    return offset <= bytes_.size() && size <= bytes_.size() - offset;
  }

  template <class T>
  T get(std::uint64_t offset) const {
    static_assert(std::is_trivially_copyable_v<T>);
    T value{};
    if (contains(offset, sizeof(T))) std::memcpy(&value, bytes_.data() + offset, sizeof(T));
    return value;
  }

  template <class T>
  void put(std::uint64_t offset, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    if (contains(offset, sizeof(T))) std::memcpy(bytes_.data() + offset, &value, sizeof(T));
  }

  void put_bytes(std::uint64_t offset, const void* src, std::size_t size) {
    if (contains(offset, size) && size > 0) std::memcpy(bytes_.data() + offset, src, size);
  }

  // Header words.
  std::uint32_t used() const { return get<std::uint32_t>(0); }
  void set_used(std::uint32_t v) { put<std::uint32_t>(0, v); }
  std::uint32_t first_layer() const { return get<std::uint32_t>(4); }
  void set_first_layer(std::uint32_t v) { put<std::uint32_t>(4, v); }
  std::uint32_t settings_offset() const { return get<std::uint32_t>(8); }
  void set_settings_offset(std::uint32_t v) { put<std::uint32_t>(8, v); }

  void resize(std::size_t size) { bytes_.resize(size); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace daub
