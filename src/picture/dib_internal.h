#pragma once
// Little-endian fields and the header check shared by the picture forms.

#include <cstddef>
#include <cstdint>

#include "picture/dib.h"

namespace daub::dib_detail {

inline std::uint32_t read_u32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
inline std::uint16_t read_u16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
inline void put_u32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void put_u16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

// Checks the 40-byte header at `header` (at least 40 bytes) and fills every
// field of the layout except the problems of bytes present; pixel_offset is
// the colour table's end plus `gap`.
DibInfo check_header(const std::uint8_t* header, std::size_t gap);

// A fresh 40-byte 24-bit header for w × h followed by zero bytes: a black picture.
Dib blank_dib24(int w, int h);

}  // namespace daub::dib_detail
