#include "picture/bmp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/picture_builder.h"
#include "support/sample_dib.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::make_picture;
using test::plain_bmp_file;
using test::put_u32;
using Bytes = std::vector<std::uint8_t>;

// With a colour table and bytes trailing the rows, still byte for byte.
TEST(BmpFile, ClipboardFormDropsTheGapAndLongerHeadersAreCut) {
  Dib indexed = make_picture(3, 3, 8, {0x10, 0x20, 0x30}, [](int x, int) { return x; });
  indexed.insert(indexed.end(), {9, 8, 7});
  Bytes packed = dib_to_packed(indexed);
  ASSERT_EQ(packed.size(), indexed.size() - 4);
  EXPECT_TRUE(std::equal(packed.begin(), packed.begin() + 40, indexed.begin()));
  EXPECT_EQ(dib_from_packed(packed).dib, indexed);

  Dib picture = make_picture(3, 2, 8, {0x0000FF, 0x00FF00}, [](int x, int) { return x % 2; });
  for (std::uint32_t size : {108u, 124u}) {
    Bytes longer = dib_to_packed(picture);
    longer.insert(longer.begin() + 40, size - 40, 0xEE);
    put_u32(longer, 0, size);
    EXPECT_EQ(dib_from_packed(longer).dib, picture) << size;
  }
}

// The picture as a file with the 12-byte core header: 16-bit sizes and
// 3-byte colour-table entries, the bits right behind the table.
Bytes core_bmp_file(const Dib& dib) {
  const DibInfo info = dib_info(dib);
  Bytes f = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0};
  for (std::uint32_t v : {info.width, info.height, 1, info.bit_count})
    f.insert(f.end(), {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
  for (int i = 0; i < info.colors; ++i)
    f.insert(f.end(), dib.begin() + 40 + 4 * i, dib.begin() + 43 + 4 * i);
  put_u32(f, 10, static_cast<std::uint32_t>(f.size()));
  f.insert(f.end(), dib.begin() + static_cast<std::ptrdiff_t>(info.pixel_offset), dib.end());
  put_u32(f, 2, static_cast<std::uint32_t>(f.size()));
  return f;
}

// Odd widths, so that every depth pads its rows; full colour tables, as the
// core header has no colours-used count.
TEST(BmpFile, CoreHeadersOfEveryDepthReadAsInfoHeaders) {
  for (int bits : {1, 4, 8, 24}) {
    SCOPED_TRACE(bits);
    std::vector<Colorref> table(bits == 24 ? 0 : 1u << bits);
    for (std::size_t i = 0; i < table.size(); ++i)
      table[i] = static_cast<Colorref>(0x010203 * i + 0x400000);
    const std::uint32_t top = bits == 24 ? 0xFFFFFF : (1u << bits) - 1;
    Dib picture = make_picture(5, 3, bits, table,
                               [&](int x, int y) { return (0x35A7C3u * (x + 5 * y + 1)) & top; });
    const Bytes file = core_bmp_file(picture);
    const DibRead read = dib_from_bmp_file(file);
    const DibRead plain = dib_from_bmp_file(plain_bmp_file(picture));
    ASSERT_TRUE(read.ok());
    const DibInfo info = dib_info(read.dib);
    EXPECT_EQ(info.header_size, 40u);
    EXPECT_EQ(info.colors, static_cast<int>(table.size()));
    // Colour table, gap (the first pixel bytes of both files) and rows alike.
    EXPECT_EQ(Bytes(read.dib.begin() + 40, read.dib.end()),
              Bytes(plain.dib.begin() + 40, plain.dib.end()));
    EXPECT_EQ(dib_to_dc_image(read.dib)->pixels, dib_to_dc_image(picture)->pixels);
    const DibRead packed = dib_from_packed(Bytes(file.begin() + 14, file.end()));
    EXPECT_EQ(dib_to_dc_image(packed.dib)->pixels, dib_to_dc_image(picture)->pixels);
  }
}

// The damaged files script refuses one header field at a time; here cut
// files, and "BX" as another program's clipboard BMP brings it (a file
// read refuses it before this reader).
TEST(BmpFile, CutBytesAndBxAreRefusedAndNoPictureWritesNothing) {
  const Bytes good = plain_bmp_file(test::gradient_picture(3, 2));
  Bytes bx = good;
  bx[1] = 'X';
  EXPECT_EQ(dib_from_bmp_file(bx).problem, DibProblem::kNotBmp);
  for (std::size_t n : {0, 14, 53}) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(dib_from_bmp_file(Bytes(good.begin(), good.begin() + n)).ok());
    EXPECT_FALSE(dib_from_packed(Bytes(good.begin() + 14, good.begin() + 14 + n)).ok());
  }
  EXPECT_TRUE(dib_to_bmp_file(Dib(10, 0)).empty());
  EXPECT_TRUE(dib_to_packed(Dib()).empty());
}

// A file is read whole only once its first bytes and its size allow it:
// these files are sparse, and reading one whole would be refused as unreadable.
TEST(BmpFile, FilesTooLargeAreRefusedBeforeTheyAreRead) {
  test::TempDir dir;
  const Bytes small = plain_bmp_file(test::gradient_picture(3, 2));
  auto load = [&](const Bytes& start, std::uintmax_t size) {
    const std::string path = dir.file("big.bmp");
    test::write_bytes(path, start);
    std::filesystem::resize_file(path, size);
    return load_bmp_file(path);
  };
  BmpFileRead read = load(Bytes{'P', 'K', 3, 4}, 1'200'000'000);
  EXPECT_TRUE(read.opened);
  EXPECT_EQ(read.read.problem, DibProblem::kNotBmp);
  // A small picture with more trailing bytes than any picture needs.
  read = load(small, (256u + 16 + 1) << 20);
  EXPECT_EQ(read.read.problem, DibProblem::kTooLarge);
  read = load(small, small.size() + 100);
  EXPECT_TRUE(read.read.ok());
}

}  // namespace
}  // namespace daub
