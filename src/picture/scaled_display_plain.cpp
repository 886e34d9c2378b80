// The scaled display as plainly as it can be said: every displayed pixel
// samples its source position on its own. The fast form must match it byte
// for byte; tests and the benchmark compare against it.

#include <algorithm>
#include <cmath>

#include "picture/scaled_display.h"
#include "picture/scaled_display_internal.h"

namespace daub {

using scaled_detail::mix;
using scaled_detail::Split;
using scaled_detail::split;

std::uint32_t scaled_detail::bilinear_sample(const Dib& dib, const DibInfo& info, double fx,
                                             double fy) {
  Split sx = split(fx);
  Split sy = split(fy);
  if (fx < 0 || fy < 0 || sx.whole >= info.width || sy.whole >= info.height) return 0;
  int x1 = std::min(sx.whole + 1, info.width - 1);
  int y1 = std::min(sy.whole + 1, info.height - 1);
  auto at = [&](int x, int y) {
    return dib.data() + info.pixel_offset + info.stride * static_cast<std::size_t>(y) +
           3 * static_cast<std::size_t>(x);
  };
  std::uint32_t out = 0;
  for (int ch = 0; ch < 3; ++ch) {
    std::uint32_t v = mix(at(sx.whole, sy.whole)[ch], at(x1, sy.whole)[ch], at(sx.whole, y1)[ch],
                          at(x1, y1)[ch], sx.fraction, sy.fraction);
    out |= v << (8 * ch);
  }
  return out;
}

ScaledPiece scaled_piece_plain(const Dib& dib, int left, int top, double scale, PixelRect visible) {
  std::optional<DibInfo> info = scaled_detail::readable_24(dib, scale);
  if (!info) return {};
  auto r = scaled_detail::visible_range(*info, left, top, scale, visible);
  if (!r) return {};
  ScaledPiece piece = scaled_detail::black_piece(*r, left, top);
  std::uint32_t* out = piece.image.pixels.data();
  for (int y = r->y0; y < r->y1; ++y)
    for (int x = r->x0; x < r->x1; ++x)
      *out++ = scaled_detail::bilinear_sample(dib, *info, x / scale, (r->scaled_h - 1 - y) / scale);
  return piece;
}

}  // namespace daub
