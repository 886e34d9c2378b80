#include "picture/scaled_display.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

#include "model/app.h"
#include "model/view.h"
#include "picture/scaled_display_internal.h"

namespace daub {

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

// A source position split into its near pixel, the next one (the edge
// repeats) and the fraction towards it; `near` < 0 outside the picture.
struct Neighbours {
  int near = -1;
  int far = -1;
  double fraction = 0;
};

Neighbours neighbours(double f, int count) {
  Neighbours n;
  Split s = split(f);
  if (f < 0 || s.whole >= count) return n;
  n.near = s.whole;
  n.far = std::min(s.whole + 1, count - 1);
  n.fraction = s.fraction;
  return n;
}

// A channel value mixed between rows: a mix of bytes is a finite number in
// [0, 256) — each pair of weights sums to 1 within an ulp or two — so the
// cast truncates it as trunc_to_int does and the plain mix's clamp never acts.
std::uint32_t channel(double v) { return static_cast<std::uint32_t>(static_cast<int>(v)); }
std::uint32_t channel(double near, double far, double rest, double ay) {
  return channel(near * rest + far * ay);
}

// The two passes' loops over a row, as clones for processors with wider
// vectors and for all others: the same operations on the same numbers, so
// the same bytes either way (no fused multiply-add: the build forbids
// contracting, and the wider clone is not given one).
//
// A row mixed across, n columns of each channel (blue, green, red) one
// after the other, into pixels: near × 1 + far × 0 is near itself.
__attribute__((target_clones("avx2", "default"))) void truncated_row(const double* near,
                                                                     std::size_t n,
                                                                     std::uint32_t* out) {
  for (std::size_t k = 0; k < n; ++k)
    out[k] = channel(near[2 * n + k]) << 16 | channel(near[n + k]) << 8 | channel(near[k]);
}

// Two rows mixed across, mixed between them at fraction ay into pixels.
__attribute__((target_clones("avx2", "default"))) void mixed_rows(const double* near,
                                                                  const double* far, double ay,
                                                                  std::size_t n,
                                                                  std::uint32_t* out) {
  const double rest = 1.0 - ay;
  for (std::size_t k = 0; k < n; ++k)
    out[k] = channel(near[2 * n + k], far[2 * n + k], rest, ay) << 16 |
             channel(near[n + k], far[n + k], rest, ay) << 8 | channel(near[k], far[k], rest, ay);
}

// The pixel at `bgr` (blue, green, red) as 0x00RRGGBB.
std::uint32_t pixel_of(const std::uint8_t* bgr) {
  return std::uint32_t{bgr[2]} << 16 | std::uint32_t{bgr[1]} << 8 | bgr[0];
}

// The same read four bytes wide: the byte after the pixel must lie in the row.
std::uint32_t pixel_read_wide(const std::uint8_t* bgr) {
  if constexpr (std::endian::native != std::endian::little) return pixel_of(bgr);
  std::uint32_t v;
  std::memcpy(&v, bgr, 4);
  return v & 0xFFFFFFu;
}

// Makes the rows of the visible piece of a scaled picture. The mix is worked
// out in two passes, across and then between the rows, with the plain form's
// expressions in the plain form's order, so the bytes are the same: each
// stored row is mixed across once (a·(1 − ax) + b·ax per channel, kept per
// channel) for all the displayed rows that use it, and a displayed row then
// mixes two such rows. Where no column or row has a fraction the mix is the
// near pixel itself (v·1 + w·0 = v), read directly.
class ScaledRows {
 public:
  ScaledRows(const Dib& dib, const DibInfo& info, const Range& r, double scale)
      : pixels_(dib.data() + info.pixel_offset),
        stride_(info.stride),
        height_(info.height),
        scaled_h_(r.scaled_h),
        y0_(r.y0),
        width_(r.x1 - r.x0),
        scale_(scale) {
    const std::ptrdiff_t last = std::ptrdiff_t{3} * (info.width - 1);
    for (int x = r.x0; x < r.x1; ++x) {
      const Neighbours n = neighbours(x / scale, info.width);
      if (n.near < 0) break;  // x / scale only grows: the rest lie outside too
      near_.push_back(std::ptrdiff_t{3} * n.near);
      far_.push_back(std::ptrdiff_t{3} * n.far);
      fraction_.push_back(n.fraction);
      rest_.push_back(1.0 - n.fraction);
      whole_columns_ = whole_columns_ && n.fraction == 0;
      if (near_.back() < last) ++before_last_;
    }
    for (Across& a : across_) a.values.resize(3 * near_.size());
  }

  // Row i of the piece (0 at its top), all width pixels.
  void make(int i, std::uint32_t* out) {
    const Neighbours row = neighbours((scaled_h_ - 1 - (y0_ + i)) / scale_, height_);
    std::size_t done = 0;
    if (row.near >= 0) {
      if (whole_columns_ && row.fraction == 0)
        copied_row(stored_row(row.near), out);
      else
        mixed_row(row, out);
      done = near_.size();
    }
    std::fill(out + done, out + width_, 0u);  // outside the picture: black
  }

 private:
  // A stored row mixed across (blue, green and red values one after the
  // other), and which row it is.
  struct Across {
    int row = -1;
    std::vector<double> values;
  };

  const std::uint8_t* stored_row(int row) const {
    return pixels_ + stride_ * static_cast<std::size_t>(row);
  }

  // Stored row `row` mixed across; the row `keep` stays where it is.
  const double* across(int row, int keep) {
    for (Across& a : across_)
      if (a.row == row) return a.values.data();
    Across& a = across_[0].row == keep ? across_[1] : across_[0];
    a.row = row;
    const std::uint8_t* bytes = stored_row(row);
    const std::size_t n = near_.size();
    double* blue = a.values.data();
    double* green = blue + n;
    double* red = green + n;
    for (std::size_t k = 0; k < n; ++k) {
      const std::uint8_t* p = bytes + near_[k];
      const std::uint8_t* q = bytes + far_[k];
      blue[k] = p[0] * rest_[k] + q[0] * fraction_[k];
      green[k] = p[1] * rest_[k] + q[1] * fraction_[k];
      red[k] = p[2] * rest_[k] + q[2] * fraction_[k];
    }
    return a.values.data();
  }

  // Every column on a whole pixel of a whole row: the pixels themselves.
  // Pixels before the row's last one are read four bytes wide.
  void copied_row(const std::uint8_t* bytes, std::uint32_t* out) const {
    std::size_t k = 0;
    for (; k < before_last_; ++k) out[k] = pixel_read_wide(bytes + near_[k]);
    for (; k < near_.size(); ++k) out[k] = pixel_of(bytes + near_[k]);
  }

  void mixed_row(const Neighbours& row, std::uint32_t* out) {
    const double* near = across(row.near, row.far);
    if (row.fraction == 0) return truncated_row(near, near_.size(), out);
    mixed_rows(near, across(row.far, row.near), row.fraction, near_.size(), out);
  }

  const std::uint8_t* pixels_;
  std::size_t stride_;
  int height_, scaled_h_, y0_, width_;
  double scale_;
  // Per displayed column inside the picture: byte offsets of the near and
  // far source pixel in a row, the fraction across and 1 − fraction.
  std::vector<std::ptrdiff_t> near_, far_;
  std::vector<double> fraction_, rest_;
  bool whole_columns_ = true;
  std::size_t before_last_ = 0;  // leading columns whose near pixel is not a row's last
  Across across_[2];
};

// The picture's layout and the range of it shown; none when nothing is.
struct Shown {
  DibInfo info;
  Range range;
};

std::optional<Shown> shown(const Dib& dib, int left, int top, double scale, PixelRect visible) {
  std::optional<DibInfo> info = scaled_detail::readable_24(dib, scale);
  if (!info) return std::nullopt;
  std::optional<Range> r = scaled_detail::visible_range(*info, left, top, scale, visible);
  if (!r) return std::nullopt;
  return Shown{*info, *r};
}

}  // namespace

ScaledPiece scaled_piece(const Dib& dib, int left, int top, double scale, PixelRect visible) {
  const std::optional<Shown> s = shown(dib, left, top, scale, visible);
  if (!s) return {};
  ScaledPiece piece = scaled_detail::black_piece(s->range, left, top);
  ScaledRows rows(dib, s->info, s->range, scale);
  for (int i = 0; i < piece.image.height; ++i)
    rows.make(i, piece.image.pixels.data() + static_cast<std::size_t>(i) * piece.image.width);
  return piece;
}

int scaled_display(App& app, Dc& dc, const Dib& dib, double wx, double wy, double scale) {
  IntPoint at = to_screen(app, wx, wy);
  IntPoint min = to_screen(app, app.view.viewworldmin.x, app.view.viewworldmin.y);
  IntPoint max = to_screen(app, app.view.viewworldmax.x, app.view.viewworldmax.y);
  // One column and row more than the corners: a corner taken through world
  // coordinates and back may land one pixel short, and the device clips.
  PixelRect visible{min.x, min.y, add_clamped(max.x, 1), add_clamped(max.y, 1)};
  const std::optional<Shown> s = shown(dib, at.x, at.y, scale, visible);
  if (!s) return 0;
  // The rows go to the device as they are made, without a piece in between.
  ScaledRows rows(dib, s->info, s->range, scale);
  const Range& r = s->range;
  dc.draw_rows(at.x + r.x0, at.y + r.y0, r.x1 - r.x0, r.y1 - r.y0,
               [&rows](int i, std::uint32_t* out) { rows.make(i, out); });
  return 1;
}

}  // namespace daub
