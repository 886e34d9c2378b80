#pragma once
// The selection sets of texts and bitmaps ("抽出"): copies of the picked
// records with their element numbers. The line selection set is the line
// extraction list of ExtractionItem. Transformations change the copies; a
// commit writes them back.

#include <array>
#include <cstdint>
#include <vector>

#include "model/records.h"

namespace daub {

// 54 words: the text record, its element number and a flag word.
struct TextStockItem {
  TextRecord record;
  std::int32_t number = 0;
  std::uint32_t flag = 0;  // read by nothing; kept for the item's layout
};
static_assert(sizeof(TextStockItem) == 216);

// 12 words: the bitmap record, its element number and a flag word.
struct BitmapStockItem {
  BitmapRecord record;
  std::int32_t number = 0;
  std::uint32_t flag = 0;
};
static_assert(sizeof(BitmapStockItem) == 48);

using TextStock = std::vector<TextStockItem>;
using BitmapStock = std::vector<BitmapStockItem>;

}  // namespace daub
