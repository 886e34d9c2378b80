#include "paint/dib.h"

#include <gtest/gtest.h>

#include "paint/picture_builder.h"
#include "platform/recording_dc.h"
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
  EXPECT_EQ((*one)[0], 40);
  EXPECT_EQ((*one)[14], 24);
  EXPECT_EQ((*one)[20], 4);  // image size = stride × height
  EXPECT_EQ(std::vector<std::uint8_t>(one->begin() + 44, one->end()),
            (std::vector<std::uint8_t>{0x33, 0x22, 0x11, 0}));

  std::optional<Dib> five = MakeDIB(t.app, 5, 2, 0xFFFFFF);
  ASSERT_TRUE(five.has_value());
  DibInfo info = dib_info(*five);
  EXPECT_EQ(info.stride, 16u);
  EXPECT_EQ(five->size(), 44u + 32u);
  EXPECT_EQ((*five)[44 + 15], 0);  // padding stays zero
  EXPECT_EQ((*five)[44 + 16 + 14], 0xFF);
  EXPECT_TRUE(t.messages().empty());
}

TEST(Dib, MakeDibRefusesSizesItCannotHold) {
  const IntPoint sizes[] = {{0, 1}, {-3, 4}, {32768, 1}, {30000, 30000}};
  for (IntPoint s : sizes) {
    SCOPED_TRACE(testing::Message() << s.x << " x " << s.y);
    test::TestApp t;
    EXPECT_EQ(MakeDIB(t.app, s.x, s.y, 0), std::nullopt);
    EXPECT_EQ(t.last_message(), "MakeDIB\tCan not get memory");
  }
}

TEST(Dib, StridesAndColourCounts) {
  struct Case {
    int width, bits;
    std::size_t stride;
  };
  const Case strides[] = {{5, 24, 16}, {4, 24, 12}, {9, 4, 8},  {32, 1, 4},
                          {33, 1, 8},  {1, 16, 0},  {0, 24, 0}, {32768, 8, 0}};
  for (const Case& c : strides) {
    SCOPED_TRACE(testing::Message() << c.width << " at " << c.bits);
    EXPECT_EQ(dib_stride(c.width, c.bits), c.stride);
  }

  struct Colours {
    std::uint32_t header_size;
    int bits;
    std::uint32_t used;
    int colors;
  };
  const Colours colours[] = {{40, 8, 0, 256}, {40, 8, 16, 16},     {40, 1, 0, 2},
                             {40, 24, 3, 3},  {40, 8, 0x10005, 5}, {12, 8, 77, 256}};
  for (const Colours& c : colours) {
    SCOPED_TRACE(testing::Message() << c.header_size << " " << c.bits << " " << c.used);
    std::vector<std::uint8_t> h(40, 0);
    put_u32(h, 0, c.header_size);
    if (c.header_size == 12) {
      h[10] = static_cast<std::uint8_t>(c.bits);
    } else {
      h[14] = static_cast<std::uint8_t>(c.bits);
      put_u32(h, 32, c.used);
    }
    EXPECT_EQ(dib_colors(h.data(), h.size()), c.colors);
  }
}

// Every field a reader trusts is checked before anything is read.
TEST(Dib, InfoRefusesWhatItCannotRead) {
  const Dib good = test::gradient_picture(3, 2);
  ASSERT_TRUE(dib_info(good).ok());
  const test::FieldPatch cases[] = {
      {"header size 0", 0, 0, DibProblem::kDamaged},
      {"header size 12", 0, 12, DibProblem::kDamaged},
      {"header size beyond the data", 0, 4000, DibProblem::kDamaged},
      {"width 0", 4, 0, DibProblem::kDamaged},
      {"width negative", 4, 0xFFFFFFFF, DibProblem::kDamaged},
      {"height 0", 8, 0, DibProblem::kDamaged},
      {"height huge", 8, 40000, DibProblem::kTooLarge},
      {"top-down", 8, 0xFFFFFFFE, DibProblem::kUnsupported},
      {"32 bits", 14, 32, DibProblem::kUnsupported, 2},
      {"0 bits", 14, 0, DibProblem::kUnsupported, 2},
      {"run-length", 16, 1, DibProblem::kUnsupported},
      {"bit fields", 16, 3, DibProblem::kUnsupported},
      {"colour table beyond the data", 32, 0xFFFF, DibProblem::kDamaged},
      {"rows beyond the data", 8, 3, DibProblem::kPixelsShort},
  };
  for (const test::FieldPatch& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(dib_info(test::patched(good, c)).problem, c.problem);
  }
  Dib wide = good;
  put_u32(wide, 4, 20000);
  put_u32(wide, 8, 20000);  // each side fine, the 24-bit area not
  EXPECT_EQ(dib_info(wide).problem, DibProblem::kTooLarge);
  EXPECT_EQ(dib_info(Dib(good.begin(), good.begin() + 39)).problem, DibProblem::kDamaged);
  EXPECT_EQ(dib_info(Dib()).problem, DibProblem::kDamaged);
}

TEST(Dib, CopyKeepsOnlyFullColourPicturesAndSaysWhenRowsAreShort) {
  test::TestApp t;
  const Dib good = test::gradient_picture(3, 2);
  EXPECT_EQ(DIBcopy(t.app, good), good);

  Dib cut(good.begin(), good.end() - 5);
  std::optional<Dib> copy = DIBcopy(t.app, cut);
  ASSERT_TRUE(copy.has_value());
  EXPECT_EQ(t.last_message(), "DIBcopy\tInput DIB memory short");
  ASSERT_EQ(copy->size(), good.size());
  EXPECT_TRUE(std::equal(cut.begin(), cut.end(), copy->begin()));
  EXPECT_EQ(std::count(copy->end() - 5, copy->end(), 0), 5);

  t.clear_log();
  Dib indexed = make_picture(2, 2, 8, {0xFF}, [](int, int) { return 0; });
  EXPECT_EQ(DIBcopy(t.app, indexed), std::nullopt);
  EXPECT_EQ(DIBcopy(t.app, Dib()), std::nullopt);
  EXPECT_TRUE(t.messages().empty());
}

TEST(Dib, QuestionsAboutNoPictureSayNoBmpData) {
  test::TestApp t;
  RecordingDc dc;
  EXPECT_EQ(GetBmpType(t.app, Dib()), 0);
  EXPECT_EQ(t.last_message(), "GetBmpType\tno bmp data");
  EXPECT_EQ(GetBmpSize(t.app, Dib()), (IntPoint{0, 0}));
  EXPECT_EQ(t.last_message(), "GetBmpSize\tno bmp data");
  EXPECT_EQ(DispBmp(t.app, dc, Dib(), 0, 0), 0);
  EXPECT_EQ(t.last_message(), "DispBmp\tno bmp data");
  EXPECT_TRUE(dc.ops().empty());

  Dib picture = make_picture(5, 3, 4, {0, 0xFF}, [](int, int) { return 1; });
  t.clear_log();
  EXPECT_EQ(GetBmpType(t.app, picture), 4);
  EXPECT_EQ(GetBmpSize(t.app, picture), (IntPoint{5, 3}));
  EXPECT_EQ(DispBmp(t.app, dc, picture, 7, 9), 1);
  ASSERT_EQ(dc.ops().size(), 1u);
  EXPECT_EQ(dc.ops()[0].points[0], (IntPoint{7, 9}));
  EXPECT_EQ(dc.ops()[0].image.pixels.front(), 0xFF0000u);  // red in device form
  EXPECT_TRUE(t.messages().empty());
}

// Colour-table pictures of every depth become 24-bit ones with the same
// pixels; an index past a short table is black.
TEST(Dib, FullColourLooksEveryPixelUp) {
  const std::vector<Colorref> palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000,
                                         0x123456, 0xFFFFFF, 0x808080, 0x00FFFF};
  struct Case {
    int bits;
    int w, h;
    std::uint32_t table_size;
  };
  const Case cases[] = {{1, 13, 3, 2}, {4, 7, 4, 8}, {8, 3, 2, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, table " << c.table_size);
    std::vector<Colorref> table(palette.begin(), palette.begin() + c.table_size);
    auto index = [&](int x, int y) {
      return static_cast<std::uint32_t>((x + 2 * y) % (1 << std::min(c.bits, 3)));
    };
    Dib source = make_picture(c.w, c.h, c.bits, table, index);
    std::optional<Dib> full = full_color_dib(source);
    ASSERT_TRUE(full.has_value());
    DibInfo info = dib_info(*full);
    ASSERT_TRUE(info.ok());
    EXPECT_EQ(info.bit_count, 24);
    EXPECT_EQ(full->size(), 44 + info.stride * c.h);
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x) {
        std::uint32_t i = index(x, y);
        Colorref want = i < table.size() ? table[i] : 0;
        ASSERT_EQ(dib_pixel(*full, info, x, y), want) << x << "," << y;
      }
  }
  Dib already = test::gradient_picture(4, 4);
  EXPECT_EQ(full_color_dib(already), already);

  test::TestApp t;
  Dib broken = already;
  put_u32(broken, 4, 0);
  EXPECT_EQ(to_full_color(t.app, broken), 0);
  EXPECT_EQ(broken[4], 0);  // left as it was
}

TEST(Dib, DeviceFormIsTopDownRgb) {
  Dib picture = make_picture(2, 2, 24, {}, [](int x, int y) {
    return static_cast<std::uint32_t>(x == 0 ? 0x0000FF : 0x00FF00) + (y == 0 ? 0 : 0xFF0000);
  });
  std::optional<DcImage> image = dib_to_dc_image(picture);
  ASSERT_TRUE(image.has_value());
  // Stored row 1 is the top row; COLORREF 0x00BBGGRR becomes 0x00RRGGBB.
  EXPECT_EQ(image->pixels, (std::vector<std::uint32_t>{0xFF00FF, 0x00FFFF, 0xFF0000, 0x00FF00}));
  std::optional<Dib> back = dib_from_dc_image(*image);
  EXPECT_EQ(back, picture);

  EXPECT_EQ(dib_from_dc_image(DcImage{2, 2, {1, 2, 3}}), std::nullopt);
  EXPECT_EQ(dib_from_dc_image(DcImage{0, 0, {}}), std::nullopt);
}

}  // namespace
}  // namespace daub
