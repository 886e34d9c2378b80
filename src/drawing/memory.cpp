#include "drawing/memory.h"

#include <cstdio>

#include "model/app.h"

namespace daub {

std::uint32_t memck(App& app, std::uint64_t n) {
  const std::uint64_t size = std::uint64_t{app.drawing.used()} + n;
  // Offsets are 32-bit, so the block can never pass 4 GiB whatever the limit says.
  if (n > app.block_limit || size > app.block_limit || size > 0xFFFFFFFFull) {
    message(app.ui, "memck", "メモリー不足、データをセーブしてください");
    return 0;
  }
  app.drawing.resize(size);
  return static_cast<std::uint32_t>(size);
}

int memdisp(App& app) {
  char text[80];
  std::snprintf(text, sizeof text, "使用メモリー%luバイト",
                static_cast<unsigned long>(app.drawing.allocated()));
  message(app.ui, "memdisp", text);
  return 1;
}

}  // namespace daub
