#include "picture/scaled_display.h"

#include <cmath>
#include <vector>

#include "model/app.h"
#include "model/view.h"
#include "picture/scaled_display_internal.h"

namespace daub {

using scaled_detail::mix;
using scaled_detail::Range;
using scaled_detail::Split;
using scaled_detail::split;

namespace scaled_detail {

std::optional<Range> visible_range(const DibInfo& info, int left, int top, double scale,
                                   PixelRect visible) {
  Range r;
  const std::int64_t scaled_w = trunc_to_int(info.width * scale);
  r.scaled_h = trunc_to_int(info.height * scale);
  const std::int64_t x0 = std::max<std::int64_t>(0, std::int64_t{visible.left} - left);
  const std::int64_t x1 = std::min<std::int64_t>(scaled_w, std::int64_t{visible.right} - left);
  const std::int64_t y0 = std::max<std::int64_t>(0, std::int64_t{visible.top} - top);
  const std::int64_t y1 = std::min<std::int64_t>(r.scaled_h, std::int64_t{visible.bottom} - top);
  if (x0 >= x1 || y0 >= y1) return std::nullopt;
  r.x0 = static_cast<int>(x0);
  r.x1 = static_cast<int>(x1);
  r.y0 = static_cast<int>(y0);
  r.y1 = static_cast<int>(y1);
  return r;
}

std::optional<DibInfo> readable_24(const Dib& dib, double scale) {
  DibInfo info = dib_info(dib);
  if (!info.ok() || info.bit_count != 24 || !std::isfinite(scale) || scale <= 0)
    return std::nullopt;
  return info;
}

ScaledPiece black_piece(const Range& r, int left, int top) {
  ScaledPiece piece;
  piece.x = left + r.x0;
  piece.y = top + r.y0;
  piece.image.width = r.x1 - r.x0;
  piece.image.height = r.y1 - r.y0;
  piece.image.pixels.assign(
      static_cast<std::size_t>(piece.image.width) * static_cast<std::size_t>(piece.image.height),
      0);
  return piece;
}

}  // namespace scaled_detail

namespace {

// Where a source column or row and its next neighbour are; `near` < 0 when
// the position is outside the picture (the pixel stays black).
struct Neighbours {
  std::ptrdiff_t near = -1;
  std::ptrdiff_t far = -1;
  double fraction = 0;
};

Neighbours neighbours(double f, int count, std::size_t step) {
  Neighbours n;
  Split s = split(f);
  if (f < 0 || s.whole >= count) return n;
  n.near = static_cast<std::ptrdiff_t>(step) * s.whole;
  n.far = static_cast<std::ptrdiff_t>(step) * std::min(s.whole + 1, count - 1);
  n.fraction = s.fraction;
  return n;
}

std::uint32_t mix_pixel(const std::uint8_t* a, const std::uint8_t* b, const std::uint8_t* c,
                        const std::uint8_t* d, double ax, double ay) {
  // With no fraction either way the mix is the near pixel itself: v × 1 + w × 0
  // is v exactly, so this gives the plain form's bytes.
  if (ax == 0 && ay == 0) return std::uint32_t{a[2]} << 16 | std::uint32_t{a[1]} << 8 | a[0];
  std::uint32_t out = 0;
  for (int ch = 0; ch < 3; ++ch)  // blue, green, red into 0x00RRGGBB
    out |= mix(a[ch], b[ch], c[ch], d[ch], ax, ay) << (8 * ch);
  return out;
}

}  // namespace

// Every column's and row's neighbours are worked out once, not per pixel; the
// arithmetic per pixel is the plain form's, so the bytes are the same.
ScaledPiece scaled_piece(const Dib& dib, int left, int top, double scale, PixelRect visible) {
  std::optional<DibInfo> info = scaled_detail::readable_24(dib, scale);
  if (!info) return {};
  std::optional<Range> r = scaled_detail::visible_range(*info, left, top, scale, visible);
  if (!r) return {};
  ScaledPiece piece = scaled_detail::black_piece(*r, left, top);
  std::vector<Neighbours> columns(static_cast<std::size_t>(r->x1 - r->x0));
  for (int x = r->x0; x < r->x1; ++x)
    columns[static_cast<std::size_t>(x - r->x0)] = neighbours(x / scale, info->width, 3);
  const std::uint8_t* pixels = dib.data() + info->pixel_offset;
  std::uint32_t* out = piece.image.pixels.data();
  for (int y = r->y0; y < r->y1; ++y) {
    Neighbours row = neighbours((r->scaled_h - 1 - y) / scale, info->height, info->stride);
    if (row.near < 0) {
      out += columns.size();
      continue;
    }
    const std::uint8_t* near_row = pixels + row.near;
    const std::uint8_t* far_row = pixels + row.far;
    for (const Neighbours& col : columns) {
      if (col.near >= 0)
        *out = mix_pixel(near_row + col.near, near_row + col.far, far_row + col.near,
                         far_row + col.far, col.fraction, row.fraction);
      ++out;
    }
  }
  return piece;
}

int scaled_display(App& app, Dc& dc, const Dib& dib, double wx, double wy, double scale) {
  IntPoint at = to_screen(app, wx, wy);
  IntPoint min = to_screen(app, app.view.viewworldmin.x, app.view.viewworldmin.y);
  IntPoint max = to_screen(app, app.view.viewworldmax.x, app.view.viewworldmax.y);
  // One column and row more than the corners: a corner taken through world
  // coordinates and back may land one pixel short, and the device clips.
  PixelRect visible{min.x, min.y, add_clamped(max.x, 1), add_clamped(max.y, 1)};
  ScaledPiece piece = scaled_piece(dib, at.x, at.y, scale, visible);
  if (piece.image.pixels.empty()) return 0;
  dc.draw_image(piece.x, piece.y, piece.image.width, piece.image.height, piece.image);
  return 1;
}

}  // namespace daub
