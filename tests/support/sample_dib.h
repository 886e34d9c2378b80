#pragma once
// A small picture that the picture tests share.

#include <algorithm>
#include <cstdint>
#include <vector>

namespace daub::test {

inline void put_u32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<std::uint8_t>(x >> (8 * i));
}

// A 2 x 2 packed 24-bit DIB, bottom row first: blue, green / red, white.
inline std::vector<std::uint8_t> small_dib() {
  std::vector<std::uint8_t> d(40 + 16, 0);
  put_u32(d, 0, 40);
  put_u32(d, 4, 2);
  put_u32(d, 8, 2);
  d[12] = 1;   // planes
  d[14] = 24;  // bits per pixel
  put_u32(d, 20, 16);
  const std::uint8_t rows[16] = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
  std::copy(rows, rows + 16, d.begin() + 40);
  return d;
}

}  // namespace daub::test
