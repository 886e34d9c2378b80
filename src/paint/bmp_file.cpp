#include "paint/bmp_file.h"

#include <cstring>

namespace daub {

namespace {

template <class T>
T read_le(const std::vector<std::uint8_t>& b, std::size_t at) {
  T v{};
  std::memcpy(&v, b.data() + at, sizeof(T));
  return v;
}

template <class T>
void write_le(std::vector<std::uint8_t>& b, std::size_t at, T v) {
  std::memcpy(b.data() + at, &v, sizeof(T));
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr std::uint32_t kBitfields = 3;

// Bytes from the start of a packed DIB to its pixels: header, masks, colour table.
std::optional<std::size_t> bits_offset(const std::vector<std::uint8_t>& dib) {
  if (dib.size() < kInfoHeader) return std::nullopt;
  std::uint32_t header = read_le<std::uint32_t>(dib, 0);
  if (header < kInfoHeader || header > dib.size()) return std::nullopt;
  std::uint16_t bit_count = read_le<std::uint16_t>(dib, 14);
  std::uint32_t compression = read_le<std::uint32_t>(dib, 16);
  std::uint64_t colors = read_le<std::uint32_t>(dib, 32);
  if (colors == 0 && bit_count <= 8) colors = 1ull << bit_count;
  std::uint64_t masks = (compression == kBitfields && header == kInfoHeader) ? 12 : 0;
  std::uint64_t offset = header + masks + colors * 4;
  if (offset > dib.size()) return std::nullopt;
  return static_cast<std::size_t>(offset);
}

}  // namespace

std::optional<std::vector<std::uint8_t>> bmp_file_to_packed_dib(
    const std::vector<std::uint8_t>& file) {
  if (file.size() < kFileHeader + kInfoHeader || file[0] != 'B' || file[1] != 'M')
    return std::nullopt;
  std::vector<std::uint8_t> dib(file.begin() + kFileHeader, file.end());
  if (!bits_offset(dib)) return std::nullopt;
  return dib;
}

std::optional<std::vector<std::uint8_t>> packed_dib_to_bmp_file(
    const std::vector<std::uint8_t>& dib) {
  auto offset = bits_offset(dib);
  if (!offset || dib.size() > 0xFFFFFFFFull - kFileHeader) return std::nullopt;
  std::vector<std::uint8_t> file(kFileHeader + dib.size());
  file[0] = 'B';
  file[1] = 'M';
  write_le<std::uint32_t>(file, 2, static_cast<std::uint32_t>(file.size()));
  write_le<std::uint32_t>(file, 10, static_cast<std::uint32_t>(kFileHeader + *offset));
  std::memcpy(file.data() + kFileHeader, dib.data(), dib.size());
  return file;
}

}  // namespace daub
