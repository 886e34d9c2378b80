#pragma once
// BMP files and packed DIBs (the clipboard's picture form): a BMP file is a
// 14-byte file header followed by the packed DIB.

#include <cstdint>
#include <optional>
#include <vector>

namespace daub {

// The packed DIB inside a BMP file, or nothing when the bytes are not one.
std::optional<std::vector<std::uint8_t>> bmp_file_to_packed_dib(
    const std::vector<std::uint8_t>& file);
// A BMP file around a packed DIB, with a correct bits offset; nothing when the
// DIB header is damaged.
std::optional<std::vector<std::uint8_t>> packed_dib_to_bmp_file(
    const std::vector<std::uint8_t>& dib);

}  // namespace daub
