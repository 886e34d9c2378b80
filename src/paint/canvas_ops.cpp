#include "paint/canvas_ops.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "paint/brush.h"
#include "picture/dib_internal.h"
#include "picture/scaled_display_internal.h"

namespace daub {

namespace {

std::optional<DibInfo> readable_24(const Dib& dib) {
  DibInfo info = dib_info(dib);
  if (!info.ok() || info.bit_count != 24) return std::nullopt;
  return info;
}

std::uint8_t* pixel_at(Dib& dib, const DibInfo& info, int x, int y) {
  return dib.data() + info.pixel_offset + info.stride * static_cast<std::size_t>(y) +
         3 * static_cast<std::size_t>(x);
}

// Writes a 0x00RRGGBB colour as blue, green, red bytes.
void put_rgb(std::uint8_t* p, std::uint32_t rgb) {
  p[0] = static_cast<std::uint8_t>(rgb);
  p[1] = static_cast<std::uint8_t>(rgb >> 8);
  p[2] = static_cast<std::uint8_t>(rgb >> 16);
}

// A channel value truncated toward zero and held in 0..255; NaN gives 0.
int to_channel(double v) {
  if (!(v > 0)) return 0;
  if (v >= 255) return 255;
  return static_cast<int>(v);
}

bool usable_factor(double k) { return std::isfinite(k) && k >= 0; }

// Runs f on the blue, green, red bytes of every pixel.
template <class F>
OpStatus each_pixel(Dib& dib, F f) {
  std::optional<DibInfo> info = readable_24(dib);
  if (!info) return OpStatus::kUnchanged;
  for (int y = 0; y < info->height; ++y)
    for (int x = 0; x < info->width; ++x) f(pixel_at(dib, *info, x, y));
  return OpStatus::kDone;
}

// Runs f(parameter, channel) on every channel: the blue byte takes the blue
// parameter, the red byte the red one.
template <class F>
OpStatus each_channel(Dib& dib, Channels p, F f) {
  const double by_byte[3] = {p.blue, p.green, p.red};
  return each_pixel(dib, [&](std::uint8_t* bgr) {
    for (int ch = 0; ch < 3; ++ch) bgr[ch] = static_cast<std::uint8_t>(f(by_byte[ch], bgr[ch]));
  });
}

int curve_multiply(double k, int c) {
  if (c == 0 || c == 255) return c;
  return to_channel((1.0 - std::pow(1.0 - c / 255.0, k)) * 255.0);
}

int curve_add(double v, int c) {
  const double a = std::min(std::fabs(v), 1.0);
  return v > 0 ? lighten_channel(a, c) : darken_channel(a, c);
}

// A new black picture of the size, or why there is none; an empty size
// gives an empty picture.
OpStatus new_picture(double w, double h, Dib& out) {
  if (w < 1 || h < 1) {
    out.clear();
    return OpStatus::kDone;
  }
  if (w > kMaxDibSide || h > kMaxDibSide) return OpStatus::kTooLarge;
  if (!dib_size_fits(static_cast<int>(w), static_cast<int>(h))) return OpStatus::kTooLarge;
  out = dib_detail::blank_dib24(static_cast<int>(w), static_cast<int>(h));
  return OpStatus::kDone;
}

// A placed picture moved onto the pixel grid of the picture it lies over:
// pixel (x, y from the top) there shows position (x − shift_x + fx,
// y − shift_y + fy) of the picture, with the fractions in [0, 1).
struct OnGrid {
  const Dib* dib;
  DibInfo info;
  double shift_x, shift_y, fx, fy;
};

std::optional<OnGrid> on_grid(const PlacedPicture& p) {
  if (p.dib == nullptr) return std::nullopt;
  std::optional<DibInfo> info = readable_24(*p.dib);
  if (!info) return std::nullopt;
  const double cx = std::ceil(p.dx), cy = std::ceil(p.dy);
  return OnGrid{p.dib, *info, cx, cy, cx - p.dx, cy - p.dy};
}

// The colour (0x00RRGGBB) the picture gives pixel (x, y from the top) of the
// picture under it, or none when the aligned pixel is on its border or
// outside it.
std::optional<std::uint32_t> grid_sample(const OnGrid& g, int x, int y) {
  const double i = x - g.shift_x, j = y - g.shift_y;
  if (!(i >= 1 && i <= g.info.width - 2 && j >= 1 && j <= g.info.height - 2)) return std::nullopt;
  return scaled_detail::bilinear_sample(*g.dib, g.info, i + g.fx, g.info.height - 1 - (j + g.fy));
}

int channel_of(std::uint32_t rgb, int ch) { return static_cast<int>(rgb >> (8 * ch) & 0xFF); }

// Channel by channel: the colour through the matte over the pixel.
void lay_through_matte(std::uint8_t* bgr, std::uint32_t matte, std::uint32_t colour) {
  for (int ch = 0; ch < 3; ++ch) {
    const int m = channel_of(matte, ch);
    if (m == 0) continue;
    const double a = m / 255.0;
    bgr[ch] =
        static_cast<std::uint8_t>(to_channel((1.0 - a) * bgr[ch] + a * channel_of(colour, ch)));
  }
}

}  // namespace

OpStatus scale_picture(Dib& dib, double kx, double ky) {
  std::optional<DibInfo> info = readable_24(dib);
  if (!info || !usable_factor(kx) || !usable_factor(ky)) return OpStatus::kUnchanged;
  Dib out;
  OpStatus status = new_picture(std::trunc(info->width * kx), std::trunc(info->height * ky), out);
  if (status != OpStatus::kDone) return status;
  if (!out.empty()) {
    const DibInfo to = dib_info(out);
    for (int y = 0; y < to.height; ++y)
      for (int x = 0; x < to.width; ++x)
        put_rgb(pixel_at(out, to, x, y),
                scaled_detail::bilinear_sample(dib, *info, x / kx, y / ky));
  }
  dib.swap(out);
  return OpStatus::kDone;
}

OpStatus compress_picture(Dib& dib, int n) {
  std::optional<DibInfo> info = readable_24(dib);
  if (!info || n < 1) return OpStatus::kUnchanged;
  Dib out;
  OpStatus status = new_picture(info->width / n, info->height / n, out);
  if (status != OpStatus::kDone) return status;
  const std::int64_t area = std::int64_t{n} * n;
  const DibInfo to = out.empty() ? DibInfo{} : dib_info(out);
  for (int y = 0; y < to.height; ++y) {
    for (int x = 0; x < to.width; ++x) {
      std::int64_t sum[3] = {0, 0, 0};
      for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i)
          for (int ch = 0; ch < 3; ++ch) sum[ch] += pixel_at(dib, *info, x * n + i, y * n + j)[ch];
      for (int ch = 0; ch < 3; ++ch)
        pixel_at(out, to, x, y)[ch] =
            static_cast<std::uint8_t>(std::min<std::int64_t>(sum[ch] / area, 255));
    }
  }
  dib.swap(out);
  return OpStatus::kDone;
}

OpStatus rotate_picture(Dib& dib, double radians) {
  std::optional<DibInfo> info = readable_24(dib);
  if (!info || !std::isfinite(radians)) return OpStatus::kUnchanged;
  Dib out = dib_detail::blank_dib24(info->width, info->height);
  const double cx = info->width * 0.5, cy = info->height * 0.5;
  const double c = std::cos(radians), s = std::sin(radians);
  for (int y = 0; y < info->height; ++y) {
    for (int x = 0; x < info->width; ++x) {
      const double sx = cx + (x - cx) * c - (y - cy) * s;
      const double sy = cy + (x - cx) * s + (y - cy) * c;
      // Only positions whose right and upper neighbours exist are sampled.
      if (!(sx > -1 && sx < info->width - 1 && sy > -1 && sy < info->height - 1)) continue;
      put_rgb(pixel_at(out, *info, x, y), scaled_detail::bilinear_sample(dib, *info, sx, sy));
    }
  }
  dib.swap(out);
  return OpStatus::kDone;
}

OpStatus size_picture(Dib& dib, int w, int h, Colorref color) {
  if (w < 0 || h < 0) return OpStatus::kUnchanged;
  Dib out;
  OpStatus status = new_picture(w, h, out);
  if (status != OpStatus::kDone) return status;
  if (!out.empty()) fill_picture(out, color);
  dib.swap(out);
  return OpStatus::kDone;
}

OpStatus multiply_picture(Dib& dib, Channels k, bool curve) {
  if (!usable_factor(k.red) || !usable_factor(k.green) || !usable_factor(k.blue))
    return OpStatus::kUnchanged;
  if (curve) return each_channel(dib, k, curve_multiply);
  return each_channel(dib, k, [](double f, int c) { return to_channel(c * f); });
}

OpStatus add_picture(Dib& dib, Channels v, bool curve) {
  if (!std::isfinite(v.red) || !std::isfinite(v.green) || !std::isfinite(v.blue))
    return OpStatus::kUnchanged;
  if (curve) return each_channel(dib, v, curve_add);
  return each_channel(dib, v,
                      [](double a, int c) { return to_channel(c + std::trunc(a * 255.0)); });
}

OpStatus negative_picture(Dib& dib) {
  return each_channel(dib, {}, [](double, int c) { return 255 - c; });
}

OpStatus grey_picture(Dib& dib) {
  return each_pixel(dib, [](std::uint8_t* bgr) {
    const int mean = to_channel((bgr[0] + bgr[1] + bgr[2]) / 3.0);
    std::fill(bgr, bgr + 3, static_cast<std::uint8_t>(mean));
  });
}

OpStatus fill_picture(Dib& dib, Colorref color) {
  const std::uint32_t rgb = (color & 0xFF) << 16 | (color & 0xFF00) | (color >> 16 & 0xFF);
  return each_pixel(dib, [rgb](std::uint8_t* bgr) { put_rgb(bgr, rgb); });
}

OpStatus mirror_picture(Dib& dib) {
  std::optional<DibInfo> info = readable_24(dib);
  if (!info) return OpStatus::kUnchanged;
  for (int y = 0; y < info->height; ++y)
    for (int x = 0, m = info->width - 1; x < m; ++x, --m)
      std::swap_ranges(pixel_at(dib, *info, x, y), pixel_at(dib, *info, x, y) + 3,
                       pixel_at(dib, *info, m, y));
  return OpStatus::kDone;
}

OpStatus turn_picture(Dib& dib, int quarters) {
  std::optional<DibInfo> info = readable_24(dib);
  if (!info) return OpStatus::kUnchanged;
  const int q = ((quarters % 4) + 4) % 4;
  const int w = info->width, h = info->height;
  Dib out;
  OpStatus status = q % 2 == 0 ? new_picture(w, h, out) : new_picture(h, w, out);
  if (status != OpStatus::kDone) return status;
  std::optional<DibInfo> to = readable_24(out);
  if (!to) return OpStatus::kUnchanged;
  // Rows are stored from the bottom up, so this quarter turn is clockwise
  // as shown.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int tx = q == 0 ? x : q == 1 ? y : q == 2 ? w - 1 - x : h - 1 - y;
      const int ty = q == 0 ? y : q == 1 ? w - 1 - x : q == 2 ? h - 1 - y : x;
      std::copy_n(pixel_at(dib, *info, x, y), 3, pixel_at(out, *to, tx, ty));
    }
  dib.swap(out);
  return OpStatus::kDone;
}

std::optional<Colorref> picture_color(const Dib& dib, int x, int y) {
  std::optional<DibInfo> info = readable_24(dib);
  if (!info || x < 0 || y < 0 || x >= info->width || y >= info->height) return std::nullopt;
  const std::uint8_t* p = dib.data() + info->pixel_offset +
                          info->stride * static_cast<std::size_t>(info->height - 1 - y) +
                          3 * static_cast<std::size_t>(x);
  return static_cast<Colorref>(p[2] | p[1] << 8 | p[0] << 16);
}

std::uint8_t combine_channel(int a, int b, Combine how) {
  switch (how) {
    case Combine::kMultiply:
      return static_cast<std::uint8_t>(a * b / 255);
    case Combine::kScreen:
      return static_cast<std::uint8_t>(255 - (255 - a) * (255 - b) / 255);
    case Combine::kAdd:
      return static_cast<std::uint8_t>(std::min(a + b, 255));
    case Combine::kSubtract:
      return static_cast<std::uint8_t>(std::max(a - b, 0));
  }
  return static_cast<std::uint8_t>(a);
}

OpStatus combine_pictures(Dib& dst, const Dib& src, int ox, int oy, Combine how) {
  std::optional<DibInfo> to = readable_24(dst);
  std::optional<DibInfo> from = readable_24(src);
  if (!to || !from) return OpStatus::kUnchanged;
  for (int j = 0; j < to->height; ++j) {  // rows from the top
    const std::int64_t sj = std::int64_t{j} - oy;
    if (sj < 0 || sj >= from->height) continue;
    for (int x = 0; x < to->width; ++x) {
      const std::int64_t sx = std::int64_t{x} - ox;
      if (sx < 0 || sx >= from->width) continue;
      std::uint8_t* a = pixel_at(dst, *to, x, to->height - 1 - j);
      const std::uint8_t* b = src.data() + from->pixel_offset +
                              from->stride * static_cast<std::size_t>(from->height - 1 - sj) +
                              3 * static_cast<std::size_t>(sx);
      for (int ch = 0; ch < 3; ++ch) a[ch] = combine_channel(a[ch], b[ch], how);
    }
  }
  return OpStatus::kDone;
}

OpStatus matte_pictures(Dib& dst, PlacedPicture matte, PlacedPicture colour) {
  std::optional<DibInfo> to = readable_24(dst);
  std::optional<OnGrid> m = on_grid(matte);
  std::optional<OnGrid> c = on_grid(colour);
  if (!to || !m || !c) return OpStatus::kUnchanged;
  for (int y = 0; y < to->height; ++y) {  // rows from the top
    for (int x = 0; x < to->width; ++x) {
      std::optional<std::uint32_t> through = grid_sample(*m, x, y);
      std::optional<std::uint32_t> over = grid_sample(*c, x, y);
      if (through && over)
        lay_through_matte(pixel_at(dst, *to, x, to->height - 1 - y), *through, *over);
    }
  }
  return OpStatus::kDone;
}

}  // namespace daub
