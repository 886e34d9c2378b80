#pragma once
// A picture in memory form: a 40-byte info header, the colour table, a
// four-byte gap and the pixel rows (bottom row first, each padded to a
// multiple of four bytes). The toolkit that checks and reads it is picture/dib.h.

#include <cstdint>
#include <vector>

namespace daub {

// A picture in memory form; empty means "no picture".
using Dib = std::vector<std::uint8_t>;

}  // namespace daub
