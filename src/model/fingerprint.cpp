#include "model/fingerprint.h"

#include <cstring>

namespace daub {
namespace {

// Spreads every input bit over the whole word (the finaliser of a well-known
// 64-bit mixing function).
std::uint64_t mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  h ^= h >> 33;
  return h;
}

}  // namespace

std::uint64_t fingerprint(const std::uint8_t* data, std::size_t size) {
  std::uint64_t h = mix(0x9E3779B97F4A7C15ull ^ size);
  std::size_t i = 0;
  // Eight bytes a step: pictures of a few hundred MiB are fingerprinted at
  // every save and at closing.
  for (; i + 8 <= size; i += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, data + i, 8);
    h = mix(h ^ word) + 0x9E3779B97F4A7C15ull;
  }
  std::uint64_t tail = 0;
  for (std::size_t k = 0; i + k < size; ++k) tail |= std::uint64_t{data[i + k]} << (8 * k);
  return mix(h ^ tail);
}

}  // namespace daub
