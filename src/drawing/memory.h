#pragma once
// Growth of the drawing block.

#include <cstdint>

namespace daub {
struct App;

// Makes room for n more bytes: resizes the block to used size + n. Returns the
// new size, or 0 after "メモリー不足、データをセーブしてください" ("memck") when the
// block would pass app.block_limit; the block is then unchanged.
std::uint32_t memck(App& app, std::uint64_t n);

// Shows the allocated size of the block ("使用メモリー%luバイト", "memdisp"); returns 1.
int memdisp(App& app);

}  // namespace daub
