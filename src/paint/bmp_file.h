#pragma once
// BMP files and packed DIBs (the clipboard's picture form): a BMP file is a
// 14-byte file header, the DIB header and colour table, and the pixel bits
// wherever the file's bits offset puts them (files of this program keep a
// four-byte gap there).

#include <cstdint>
#include <optional>
#include <vector>

namespace daub {

// Bytes of a packed DIB before its pixel bits: the info header, the colour
// masks of a bit-field image with a plain 40-byte header, and the colour table.
// Nothing when that is more than the `size` bytes available.
std::optional<std::uint64_t> dib_head_size(const std::uint8_t* dib, std::size_t size);

// The packed DIB inside a BMP file (header and colour table joined to the
// pixel bits), or nothing when the bytes are too short for what they claim.
std::optional<std::vector<std::uint8_t>> bmp_file_to_packed_dib(
    const std::vector<std::uint8_t>& file);
// A BMP file around a packed DIB, with a correct bits offset.
std::optional<std::vector<std::uint8_t>> packed_dib_to_bmp_file(
    const std::vector<std::uint8_t>& packed);

}  // namespace daub
