#include "tracing/level_map.h"

#include <array>

#include "picture/dib.h"

namespace daub {

std::uint8_t level_of(std::uint8_t red, LevelKind kind) {
  switch (kind) {
    case LevelKind::kThreshold:
      return red >= 127 ? 1 : 0;
    case LevelKind::kTwoLevels:
      return red >= 128 ? 2 : 1;
    case LevelKind::kFourLevels:
      return static_cast<std::uint8_t>(red / 64 + 1);
  }
  return 1;
}

int region_count(LevelKind kind) {
  switch (kind) {
    case LevelKind::kThreshold:
      return 1;
    case LevelKind::kTwoLevels:
      return 2;
    case LevelKind::kFourLevels:
      return 4;
  }
  return 0;
}

Colorref level_color(LevelKind kind, int level) {
  constexpr std::array<Colorref, 2> kTwo = {0x000000, 0xFFFFFF};
  constexpr std::array<Colorref, 4> kFour = {0x000000, 0x555555, 0xAAAAAA, 0xFFFFFF};
  if (kind == LevelKind::kTwoLevels && level >= 1 && level <= 2) return kTwo[level - 1];
  if (kind == LevelKind::kFourLevels && level >= 1 && level <= 4) return kFour[level - 1];
  return 0x000000;
}

Colorref threshold_color(int orientation) { return orientation == 1 ? 0x000000 : 0xFFFFFF; }

std::optional<LevelMap> level_map(const Dib& picture, LevelKind kind) {
  const DibInfo info = dib_info(picture);
  if (!info.ok() || info.bit_count != 24) return std::nullopt;
  std::array<std::uint8_t, 256> table{};
  for (int r = 0; r < 256; ++r) table[r] = level_of(static_cast<std::uint8_t>(r), kind);
  LevelMap map;
  map.width = info.width;
  map.height = info.height;
  map.levels.resize(static_cast<std::size_t>(info.width) * static_cast<std::size_t>(info.height));
  std::uint8_t* out = map.levels.data();
  for (int y = 0; y < info.height; ++y) {
    // The stored rows run bottom-up; the map's top row is the last stored.
    const std::uint8_t* row = picture.data() + info.pixel_offset +
                              info.stride * static_cast<std::size_t>(info.height - 1 - y);
    for (int x = 0; x < info.width; ++x) *out++ = table[row[3 * x + 2]];
  }
  return map;
}

}  // namespace daub
