#pragma once
// Hand-built pictures for the picture tests: any bit count, colour table and
// pixel values, in memory form or as a plain BMP file of another program
// (bits right after the colour table, no gap).

#include <cstdint>
#include <functional>
#include <vector>

#include "picture/dib.h"
#include "support/sample_dib.h"

namespace daub::test {

// Pixel value at (x, stored row y): a colour-table index, or 0x00BBGGRR at 24 bits.
using PixelValue = std::function<std::uint32_t(int x, int y)>;

inline void put_pixel(std::vector<std::uint8_t>& d, std::size_t row, int x, int bits,
                      std::uint32_t v) {
  switch (bits) {
    case 24:
      d[row + 3 * x] = static_cast<std::uint8_t>(v >> 16);
      d[row + 3 * x + 1] = static_cast<std::uint8_t>(v >> 8);
      d[row + 3 * x + 2] = static_cast<std::uint8_t>(v);
      break;
    case 8:
      d[row + x] = static_cast<std::uint8_t>(v);
      break;
    case 4:
      d[row + x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? v << 4 : v & 0x0F);
      break;
    default:
      d[row + x / 8] |= static_cast<std::uint8_t>((v & 1) << (7 - x % 8));
      break;
  }
}

// A picture in memory form; `table` holds COLORREFs and sets colours used
// when `colors_used` is not given.
inline Dib make_picture(int w, int h, int bits, const std::vector<Colorref>& table,
                        const PixelValue& value, std::uint32_t colors_used = 0) {
  std::size_t stride = (static_cast<std::size_t>(w) * bits + 31) / 32 * 4;
  std::size_t offset = 44 + 4 * table.size();
  Dib d(offset + stride * h, 0);
  put_u32(d, 0, 40);
  put_u32(d, 4, static_cast<std::uint32_t>(w));
  put_u32(d, 8, static_cast<std::uint32_t>(h));
  d[12] = 1;
  d[14] = static_cast<std::uint8_t>(bits);
  put_u32(d, 20, static_cast<std::uint32_t>(stride * h));
  put_u32(d, 32, colors_used != 0 ? colors_used : static_cast<std::uint32_t>(table.size()));
  for (std::size_t i = 0; i < table.size(); ++i) {
    d[40 + 4 * i] = static_cast<std::uint8_t>(table[i] >> 16);
    d[41 + 4 * i] = static_cast<std::uint8_t>(table[i] >> 8);
    d[42 + 4 * i] = static_cast<std::uint8_t>(table[i]);
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) put_pixel(d, offset + stride * y, x, bits, value(x, y));
  return d;
}

// The picture as a plain BMP file: file header, info header, colour table and
// the bits right behind it.
inline std::vector<std::uint8_t> plain_bmp_file(const Dib& dib) {
  DibInfo info = dib_info(dib);
  std::size_t table_end = 40 + info.color_bytes;
  std::vector<std::uint8_t> f(14, 0);
  f[0] = 'B';
  f[1] = 'M';
  f.insert(f.end(), dib.begin(), dib.begin() + static_cast<std::ptrdiff_t>(table_end));
  f.insert(f.end(), dib.begin() + static_cast<std::ptrdiff_t>(info.pixel_offset), dib.end());
  put_u32(f, 2, static_cast<std::uint32_t>(f.size()));
  put_u32(f, 10, static_cast<std::uint32_t>(14 + table_end));
  return f;
}

// A 24-bit picture of one colour.
inline Dib plain_picture(int w, int h, Colorref c) {
  return make_picture(w, h, 24, {}, [c](int, int) { return c; });
}

// Pixel (x, y counted from the top) and the size of a picture.
inline Colorref top_pixel(const Dib& dib, int x, int y) {
  const DibInfo info = dib_info(dib);
  return dib_pixel(dib, info, x, info.height - 1 - y);
}
inline IntPoint picture_size(const Dib& dib) {
  const DibInfo info = dib_info(dib);
  return {info.width, info.height};
}

// A 24-bit picture whose every pixel is different.
inline Dib gradient_picture(int w, int h) {
  return make_picture(w, h, 24, {}, [](int x, int y) {
    return static_cast<std::uint32_t>((x * 37 + y * 11) & 0xFF) |
           static_cast<std::uint32_t>((x * 5 + y * 71) & 0xFF) << 8 |
           static_cast<std::uint32_t>((x * y + 13) & 0xFF) << 16;
  });
}

}  // namespace daub::test
