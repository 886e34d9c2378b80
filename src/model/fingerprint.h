#pragma once
// A 64-bit fingerprint of a byte string: equal bytes give equal fingerprints,
// and two different strings almost never share one. It tells whether the
// drawing or a picture still holds what was last read or saved.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace daub {

std::uint64_t fingerprint(const std::uint8_t* data, std::size_t size);
inline std::uint64_t fingerprint(const std::vector<std::uint8_t>& bytes) {
  return fingerprint(bytes.data(), bytes.size());
}

}  // namespace daub
