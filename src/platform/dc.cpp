#include "platform/dc.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/cp932.h"

namespace daub {
namespace {

int fixed_height(const LogFont& f) { return f.height == 0 ? 16 : std::abs(f.height); }

int fixed_width(const LogFont& f) { return f.width != 0 ? std::abs(f.width) : fixed_height(f) / 2; }

}  // namespace

TextMetrics Dc::text_metrics() const {
  const int h = fixed_height(font_);
  return TextMetrics{h, h * 4 / 5, 0, fixed_width(font_)};
}

TextExtent Dc::text_extent(std::string_view cp932) const {
  const std::int64_t w = fixed_width(font_);
  std::int64_t cx = 0;
  for (std::size_t i = 0; i < cp932.size(); ++i) {
    const auto c = static_cast<unsigned char>(cp932[i]);
    if (is_lead_byte(c) && i + 1 < cp932.size() &&
        is_trail_byte(static_cast<unsigned char>(cp932[i + 1]))) {
      cx += 2 * w;
      ++i;
    } else if (c >= 0x20) {
      cx += w;
    }
  }
  return TextExtent{static_cast<int>(std::min<std::int64_t>(cx, INT32_MAX)), fixed_height(font_)};
}

}  // namespace daub
