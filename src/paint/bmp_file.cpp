#include "paint/bmp_file.h"

namespace daub {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint64_t kMaxBmpSize = 0xFFFFFFFFull;

std::uint32_t read_u32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t read_u16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

void put_u32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

std::optional<std::uint64_t> dib_head_size(const std::uint8_t* dib, std::size_t size) {
  if (size < 12) return std::nullopt;
  std::uint32_t header = read_u32(dib);
  if (header < 12 || header > size) return std::nullopt;
  std::uint64_t head = header;
  if (header == 12) {  // the old core header: three-byte colour entries
    unsigned bits = read_u16(dib + 10);
    if (bits <= 8) head += 3ull << bits;
  } else {
    if (header < 36) return std::nullopt;
    unsigned bits = read_u16(dib + 14);
    std::uint32_t compression = read_u32(dib + 16);
    std::uint64_t used = read_u32(dib + 32);
    if (used == 0 && bits <= 8) used = 1ull << bits;
    if (header == 40 && compression == 3) head += 12;  // BI_BITFIELDS
    if (header == 40 && compression == 6) head += 16;  // BI_ALPHABITFIELDS
    head += used * 4;
  }
  if (head > size) return std::nullopt;
  return head;
}

std::optional<std::vector<std::uint8_t>> packed_dib_to_bmp_file(
    const std::vector<std::uint8_t>& packed) {
  std::optional<std::uint64_t> head = dib_head_size(packed.data(), packed.size());
  if (!head || kFileHeaderSize + packed.size() > kMaxBmpSize) return std::nullopt;
  std::vector<std::uint8_t> bmp(kFileHeaderSize, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  put_u32(bmp.data() + 2, static_cast<std::uint32_t>(kFileHeaderSize + packed.size()));
  put_u32(bmp.data() + 10, static_cast<std::uint32_t>(kFileHeaderSize + *head));
  bmp.insert(bmp.end(), packed.begin(), packed.end());
  return bmp;
}

std::optional<std::vector<std::uint8_t>> bmp_file_to_packed_dib(
    const std::vector<std::uint8_t>& file) {
  const std::uint8_t* p = file.data();
  std::size_t size = file.size();
  if (size < kFileHeaderSize || p[0] != 'B' || p[1] != 'M') return std::nullopt;
  std::uint64_t bits = read_u32(p + 10);
  std::optional<std::uint64_t> head = dib_head_size(p + kFileHeaderSize, size - kFileHeaderSize);
  if (!head || bits < kFileHeaderSize + *head || bits > size) return std::nullopt;
  std::vector<std::uint8_t> packed(p + kFileHeaderSize, p + kFileHeaderSize + *head);
  packed.insert(packed.end(), p + bits, p + size);
  return packed;
}

}  // namespace daub
