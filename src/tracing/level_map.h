#pragma once
// Level maps: a picture reduced to a few brightness levels, one byte a pixel,
// row-major with the top row first. Tracing follows the boundaries of the
// regions of equal level.

#include <cstdint>
#include <optional>
#include <vector>

#include "model/dib.h"
#include "platform/dc.h"

namespace daub {

// The three maps, by the red channel r of each pixel:
// threshold 1 when r >= 127, else 0 (the traced region is every byte but 1);
// two levels 2 when r >= 128, else 1; four levels (r div 64) + 1.
enum class LevelKind { kThreshold, kTwoLevels, kFourLevels };

struct LevelMap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> levels;  // width × height
  std::uint8_t at(int x, int y) const {
    return levels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

std::uint8_t level_of(std::uint8_t red, LevelKind kind);

// The levels traced one after another: the threshold map has one region,
// the level maps 2 and 4.
int region_count(LevelKind kind);

// Colour of the outlines of level `level` of a level map (black to white),
// and of the threshold map's outlines by orientation (+1 black, else white).
Colorref level_color(LevelKind kind, int level);
Colorref threshold_color(int orientation);

// The map of a 24-bit picture; none for any other picture or one dib_info
// refuses.
std::optional<LevelMap> level_map(const Dib& picture, LevelKind kind);

}  // namespace daub
