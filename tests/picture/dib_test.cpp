#include "picture/dib.h"

#include <gtest/gtest.h>

#include "support/picture_builder.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::make_picture;
using test::put_u32;

TEST(Dib, MakeDibLaysOutHeaderGapAndPaddedRows) {
  test::TestApp t;
  std::optional<Dib> one = MakeDIB(t.app, 1, 1, 0x00332211);  // red 0x11, green 0x22, blue 0x33
  ASSERT_TRUE(one.has_value());
  ASSERT_EQ(one->size(), 48u);  // 40 header, 4 gap, 3 pixel bytes and 1 pad
  // Header size, bit count and image size (stride × height).
  EXPECT_EQ((std::vector<int>{(*one)[0], (*one)[14], (*one)[20]}), (std::vector<int>{40, 24, 4}));
  EXPECT_EQ(std::vector<std::uint8_t>(one->begin() + 44, one->end()),
            (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0}));

  const Dib five = *MakeDIB(t.app, 5, 2, 0xFFFFFF);  // rows of 16 bytes, the padding zero
  ASSERT_EQ(five.size(), 44u + 32u);
  EXPECT_EQ((std::vector<int>{five[44 + 15], five[44 + 16 + 14]}), (std::vector<int>{0, 0xFF}));
  // The widest picture has its rows: 32767 pixels in 98304 bytes.
  EXPECT_EQ(dib_info(MakeDIB(t.app, 32767, 1, 0).value_or(Dib())).stride, 98304u);
  EXPECT_TRUE(t.messages().empty());
}

// Each side and the 24-bit area from both sides of their limits.
TEST(Dib, SizeLimits) {
  const struct {
    int w, h;
    bool fits;
  } cases[] = {{1, 1, true},        {0, 1, false},        {32767, 1, true},
               {32768, 1, false},   {1, 32767, true},     {1, 32768, false},
               {5461, 16384, true}, {5461, 16385, false}, {5462, 16384, false}};
  for (const auto& c : cases) EXPECT_EQ(dib_size_fits(c.w, c.h), c.fits) << c.w << " x " << c.h;
}

// 16 bits and widths no picture may have give no stride. Colours used count
// when set (only the low 16 bits), else all of the bit count; a core header
// has no colours-used field.
TEST(Dib, StridesAndColourCounts) {
  EXPECT_EQ(dib_stride(1, 16), 0u);
  EXPECT_EQ(dib_stride(32768, 8), 0u);
  const struct {
    std::uint32_t header_size;
    int bits;
    std::uint32_t used;
    int colors;
  } colours[] = {{40, 8, 0, 256}, {40, 24, 3, 3}, {40, 8, 0x10005, 5}, {12, 8, 77, 256}};
  for (const auto& c : colours) {
    SCOPED_TRACE(testing::Message() << c.header_size << " " << c.bits << " " << c.used);
    std::vector<std::uint8_t> h(40, 0);
    put_u32(h, 0, c.header_size);
    h[c.header_size == 12 ? 10 : 14] = static_cast<std::uint8_t>(c.bits);
    if (c.header_size == 40) put_u32(h, 32, c.used);
    EXPECT_EQ(dib_colors(h.data(), h.size()), c.colors);
  }
}

TEST(Dib, CopyKeepsOnlyFullColourPicturesAndSaysWhenRowsAreShort) {
  test::TestApp t;
  const Dib good = test::gradient_picture(3, 2);
  EXPECT_EQ(DIBcopy(t.app, good), good);

  // Rows cut short, down to none at all: the rest is black.
  for (std::size_t kept : {good.size() - 5, std::size_t{44}}) {
    SCOPED_TRACE(kept);
    Dib cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(kept));
    std::optional<Dib> copy = DIBcopy(t.app, cut);
    ASSERT_TRUE(copy.has_value());
    EXPECT_EQ(t.last_message(), "DIBcopy\tInput DIB memory short");
    ASSERT_EQ(copy->size(), good.size());
    EXPECT_TRUE(std::equal(cut.begin(), cut.end(), copy->begin()));
    EXPECT_TRUE(std::all_of(copy->begin() + static_cast<std::ptrdiff_t>(kept), copy->end(),
                            [](std::uint8_t b) { return b == 0; }));
  }

  t.clear_log();
  Dib indexed = make_picture(2, 2, 8, {0xFF}, [](int, int) { return 0; });
  EXPECT_EQ(DIBcopy(t.app, indexed), std::nullopt);
  EXPECT_EQ(DIBcopy(t.app, Dib()), std::nullopt);
  EXPECT_TRUE(t.messages().empty());
}

// Colour-table pictures of every depth become 24-bit ones with the same
// pixels; an index past a short table is black.
TEST(Dib, FullColourLooksEveryPixelUp) {
  const std::vector<Colorref> palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000,
                                         0x123456, 0xFFFFFF, 0x808080, 0x00FFFF};
  const struct {
    int bits, w, h;
    std::uint32_t table_size;
  } cases[] = {{1, 13, 3, 2}, {4, 7, 4, 8}, {8, 3, 2, 3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, table " << c.table_size);
    std::vector<Colorref> table(palette.begin(), palette.begin() + c.table_size);
    auto index = [&](int x, int y) {
      return static_cast<std::uint32_t>((x + 2 * y) % (1 << std::min(c.bits, 3)));
    };
    Dib source = make_picture(c.w, c.h, c.bits, table, index);
    // The gap after the table holds whatever the file had there.
    std::fill_n(source.begin() + 40 + 4 * static_cast<std::ptrdiff_t>(table.size()), 4, 0xAB);
    const Dib full = full_color_dib(source).value_or(Dib());
    const DibInfo info = dib_info(full);
    ASSERT_EQ(info.bit_count, 24);
    EXPECT_EQ(full.size(), 44 + info.stride * c.h);
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x) {
        const std::uint32_t i = index(x, y);
        ASSERT_EQ(dib_pixel(full, info, x, y), i < table.size() ? table[i] : 0) << x << "," << y;
      }
  }
  Dib already = test::gradient_picture(4, 4);
  EXPECT_EQ(full_color_dib(already), already);
  Dib broken = already;
  put_u32(broken, 4, 0);
  EXPECT_EQ(full_color_dib(broken), std::nullopt);
}

}  // namespace
}  // namespace daub
