#include "model/block.h"

namespace daub {

Block Block::empty_drawing() {
  Block block(std::vector<std::uint8_t>(kHeaderSize, 0));
  DrawingHeader header;
  header.used = kHeaderSize;
  block.put(0, header);
  return block;
}

}  // namespace daub
