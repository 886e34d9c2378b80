#include "picture/dib.h"

#include <algorithm>

#include "model/app.h"
#include "picture/dib_internal.h"

namespace daub {

using dib_detail::put_u16;
using dib_detail::put_u32;
using dib_detail::read_u16;
using dib_detail::read_u32;

namespace {

bool is_readable_bit_count(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24; }

}  // namespace

int dib_colors(const std::uint8_t* header, std::size_t size) {
  if (size < 12) return 0;
  bool core = read_u32(header) == 12;
  if (!core && size < 36) return 0;
  int bits = core ? read_u16(header + 10) : read_u16(header + 14);
  if (!core) {
    std::uint32_t used = read_u32(header + 32) & 0xFFFF;
    if (used != 0) return static_cast<int>(used);
  }
  if (bits == 1) return 2;
  if (bits == 4) return 16;
  if (bits == 8) return 256;
  return 0;
}

std::size_t dib_stride(int width, int bit_count) {
  if (!is_readable_bit_count(bit_count) || width < 1 || width > kMaxDibSide) return 0;
  std::uint64_t bits = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bit_count);
  return static_cast<std::size_t>((bits + 31) / 32 * 4);
}

bool dib_size_fits(int w, int h) {
  return w >= 1 && h >= 1 && w <= kMaxDibSide && h <= kMaxDibSide &&
         dib_stride(w, 24) * static_cast<std::uint64_t>(h) <= kMaxDibBytes;
}

std::size_t dib_pixel_offset(const std::uint8_t* header, std::size_t size) {
  std::size_t entry = size >= 4 && read_u32(header) == 12 ? 3 : 4;
  return kDibHeaderSize + kDibGapSize + entry * static_cast<std::size_t>(dib_colors(header, size));
}

namespace dib_detail {

DibInfo check_header(const std::uint8_t* header, std::size_t gap) {
  DibInfo info;
  info.header_size = read_u32(header);
  info.bit_count = read_u16(header + 14);
  info.compression = read_u32(header + 16);
  std::int32_t width = static_cast<std::int32_t>(read_u32(header + 4));
  std::int32_t height = static_cast<std::int32_t>(read_u32(header + 8));
  if (info.header_size != kDibHeaderSize) return info;
  // Compressed and top-down pictures are well-formed but read differently;
  // refusing them is better than showing them scrambled.
  if (info.compression != 0 || height < 0 || !is_readable_bit_count(info.bit_count)) {
    info.problem = DibProblem::kUnsupported;
    return info;
  }
  if (width < 1 || height < 1) return info;
  if (!dib_size_fits(width, height)) {
    info.problem = DibProblem::kTooLarge;
    return info;
  }
  info.width = width;
  info.height = height;
  info.colors = dib_colors(header, kDibHeaderSize);
  info.color_bytes = 4 * static_cast<std::size_t>(info.colors);
  info.stride = dib_stride(width, info.bit_count);
  info.pixel_offset = kDibHeaderSize + info.color_bytes + gap;
  info.pixel_bytes = info.stride * static_cast<std::size_t>(height);
  info.problem = DibProblem::kNone;
  return info;
}

Dib blank_dib24(int w, int h) {
  std::size_t image = dib_stride(w, 24) * static_cast<std::size_t>(h);
  Dib dib(kDibHeaderSize + kDibGapSize + image, 0);
  put_u32(dib.data(), kDibHeaderSize);
  put_u32(dib.data() + 4, static_cast<std::uint32_t>(w));
  put_u32(dib.data() + 8, static_cast<std::uint32_t>(h));
  put_u16(dib.data() + 12, 1);
  put_u16(dib.data() + 14, 24);
  put_u32(dib.data() + 20, static_cast<std::uint32_t>(image));
  return dib;
}

}  // namespace dib_detail

DibInfo dib_info(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size < kDibHeaderSize) return {};
  DibInfo info = dib_detail::check_header(data, kDibGapSize);
  if (!info.ok()) return info;
  if (info.pixel_offset > size) {
    info.problem = DibProblem::kDamaged;
  } else if (size - info.pixel_offset < info.pixel_bytes) {
    info.problem = DibProblem::kPixelsShort;
  }
  return info;
}

Colorref dib_pixel(const Dib& dib, const DibInfo& info, int x, int y) {
  const std::uint8_t* row =
      dib.data() + info.pixel_offset + info.stride * static_cast<std::size_t>(y);
  unsigned index = 0;
  switch (info.bit_count) {
    case 24: {
      const std::uint8_t* p = row + 3 * static_cast<std::size_t>(x);
      return static_cast<Colorref>(p[2]) | static_cast<Colorref>(p[1]) << 8 |
             static_cast<Colorref>(p[0]) << 16;
    }
    case 8:
      index = row[x];
      break;
    case 4:
      index = (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
      break;
    default:
      index = (row[x / 8] >> (7 - x % 8)) & 1;
      break;
  }
  // An index past a short colour table has no colour: black.
  if (index >= static_cast<unsigned>(info.colors)) return 0;
  const std::uint8_t* e = dib.data() + kDibHeaderSize + 4 * static_cast<std::size_t>(index);
  return static_cast<Colorref>(e[2]) | static_cast<Colorref>(e[1]) << 8 |
         static_cast<Colorref>(e[0]) << 16;
}

void report_dib_problem(App& app, const char* caption, DibProblem problem) {
  switch (problem) {
    case DibProblem::kNone:
      return;
    case DibProblem::kNotBmp:
      message(app.ui, "CAUTION", kNotBmpMessage);
      return;
    case DibProblem::kUnsupported:
      message(app.ui, "CAUTION", kUnsupportedBmpMessage);
      return;
    case DibProblem::kTooLarge:
      message(app.ui, caption, "Can not get memory");
      return;
    case DibProblem::kDamaged:
    case DibProblem::kPixelsShort:
      message(app.ui, caption, "no bmp data");
      return;
  }
}

namespace {

// The layout of a picture every reader may trust; reports why not otherwise.
std::optional<DibInfo> usable_info(App& app, const Dib& dib, const char* caption) {
  DibInfo info = dib_info(dib);
  if (info.ok()) return info;
  report_dib_problem(app, caption, dib.empty() ? DibProblem::kDamaged : info.problem);
  return std::nullopt;
}

}  // namespace

std::optional<Dib> MakeDIB(App& app, int w, int h, Colorref color) {
  if (!dib_size_fits(w, h)) {
    message(app.ui, "MakeDIB", "Can not get memory");
    return std::nullopt;
  }
  Dib dib = dib_detail::blank_dib24(w, h);
  const std::uint8_t bgr[3] = {static_cast<std::uint8_t>(color >> 16),
                               static_cast<std::uint8_t>(color >> 8),
                               static_cast<std::uint8_t>(color)};
  std::size_t stride = dib_stride(w, 24);
  std::uint8_t* first = dib.data() + kDibHeaderSize + kDibGapSize;
  for (int x = 0; x < w; ++x) std::copy(bgr, bgr + 3, first + 3 * x);
  for (int y = 1; y < h; ++y) std::copy(first, first + stride, first + stride * y);
  return dib;
}

std::optional<Dib> DIBcopy(App& app, const Dib& dib) {
  DibInfo info = dib_info(dib);
  if (info.bit_count != 24) return std::nullopt;
  if (info.problem == DibProblem::kPixelsShort) {
    message(app.ui, "DIBcopy", "Input DIB memory short");
    Dib copy(dib);
    copy.resize(info.pixel_offset + info.pixel_bytes, 0);
    return copy;
  }
  if (!info.ok()) return std::nullopt;
  return dib;
}

int GetBmpType(App& app, const Dib& dib) {
  std::optional<DibInfo> info = usable_info(app, dib, "GetBmpType");
  return info ? info->bit_count : 0;
}

IntPoint GetBmpSize(App& app, const Dib& dib) {
  std::optional<DibInfo> info = usable_info(app, dib, "GetBmpSize");
  return info ? IntPoint{info->width, info->height} : IntPoint{};
}

int DispBmp(App& app, Dc& dc, const Dib& dib, int x, int y) {
  if (!usable_info(app, dib, "DispBmp")) return 0;
  std::optional<DcImage> image = dib_to_dc_image(dib);
  if (!image) return 0;
  dc.draw_image(x, y, image->width, image->height, *image);
  return 1;
}

std::optional<Dib> full_color_dib(const Dib& dib) {
  DibInfo info = dib_info(dib);
  if (!info.ok()) return std::nullopt;
  if (info.bit_count == 24) return dib;
  Dib out = dib_detail::blank_dib24(info.width, info.height);
  std::size_t stride = dib_stride(info.width, 24);
  std::uint8_t* rows = out.data() + kDibHeaderSize + kDibGapSize;
  for (int y = 0; y < info.height; ++y) {
    std::uint8_t* p = rows + stride * static_cast<std::size_t>(y);
    for (int x = 0; x < info.width; ++x, p += 3) {
      Colorref c = dib_pixel(dib, info, x, y);
      p[0] = static_cast<std::uint8_t>(c >> 16);
      p[1] = static_cast<std::uint8_t>(c >> 8);
      p[2] = static_cast<std::uint8_t>(c);
    }
  }
  return out;
}

int to_full_color(App& app, Dib& dib) {
  if (!usable_info(app, dib, "FullColor")) return 0;
  std::optional<Dib> full = full_color_dib(dib);
  if (!full) return 0;
  dib = std::move(*full);
  return 1;
}

std::optional<DcImage> dib_to_dc_image(const Dib& dib) {
  DibInfo info = dib_info(dib);
  if (!info.ok()) return std::nullopt;
  DcImage image;
  image.width = info.width;
  image.height = info.height;
  image.pixels.resize(static_cast<std::size_t>(info.width) * static_cast<std::size_t>(info.height));
  std::uint32_t* out = image.pixels.data();
  for (int y = info.height - 1; y >= 0; --y) {
    for (int x = 0; x < info.width; ++x) {
      Colorref c = dib_pixel(dib, info, x, y);
      // COLORREF 0x00BBGGRR to device 0x00RRGGBB.
      *out++ = (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    }
  }
  return image;
}

std::optional<Dib> dib_from_dc_image(const DcImage& image) {
  int w = image.width;
  int h = image.height;
  if (!dib_size_fits(w, h) ||
      image.pixels.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h))
    return std::nullopt;
  Dib dib = dib_detail::blank_dib24(w, h);
  std::size_t stride = dib_stride(w, 24);
  const std::uint32_t* in = image.pixels.data();
  for (int y = h - 1; y >= 0; --y) {
    std::uint8_t* p =
        dib.data() + kDibHeaderSize + kDibGapSize + stride * static_cast<std::size_t>(y);
    for (int x = 0; x < w; ++x, p += 3, ++in) {
      p[0] = static_cast<std::uint8_t>(*in);
      p[1] = static_cast<std::uint8_t>(*in >> 8);
      p[2] = static_cast<std::uint8_t>(*in >> 16);
    }
  }
  return dib;
}

}  // namespace daub
