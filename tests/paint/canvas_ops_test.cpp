#include "paint/canvas_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <limits>

#include "paint/picture_builder.h"

namespace daub {
namespace {

using test::make_picture;

// A picture whose every pixel differs: red from x, green from the stored row.
Dib gradient(int w, int h) {
  return make_picture(w, h, 24, {}, [](int x, int y) {
    return static_cast<std::uint32_t>((x * 40 + 5) | (y * 30 + 7) << 8 | 0x60 << 16);
  });
}

constexpr auto plain = test::plain_picture;

Colorref pixel(const Dib& dib, int x, int y) { return dib_pixel(dib, dib_info(dib), x, y); }

constexpr auto size_of = test::picture_size;

TEST(CanvasOps, NeutralRecolouringAndNegativeTwiceLeaveThePicture) {
  const Dib original = gradient(5, 4);
  Dib dib = original;
  EXPECT_EQ(multiply_picture(dib, uniform(1), false), OpStatus::kDone);
  EXPECT_EQ(add_picture(dib, uniform(0), false), OpStatus::kDone);
  add_picture(dib, uniform(0), true);
  EXPECT_EQ(dib, original);
  negative_picture(dib);
  EXPECT_NE(dib, original);
  negative_picture(dib);
  EXPECT_EQ(dib, original);
}

TEST(CanvasOps, ChannelArithmetic) {
  struct Case {
    const char* name;
    Colorref before;
    OpStatus (*op)(Dib&);
    Colorref after;
  };
  using Op = OpStatus (*)(Dib&);
  const Case cases[] = {
      {"multiply 2 saturates", rgb(200, 100, 0),
       [](Dib& d) { return multiply_picture(d, uniform(2), false); }, rgb(255, 200, 0)},
      {"multiply per channel", rgb(100, 100, 100),
       [](Dib& d) {
         return multiply_picture(d, Channels{0.5, 1, 2}, false);
       },
       rgb(50, 100, 200)},
      {"curve multiply k=2", rgb(128, 0, 255),
       [](Dib& d) { return multiply_picture(d, uniform(2), true); }, rgb(191, 0, 255)},
      {"add clamps", rgb(250, 5, 100),
       [](Dib& d) {
         return add_picture(d, Channels{0.1, -0.1, 0.5}, false);
       },
       rgb(255, 0, 227)},
      {"curve add lightens and darkens", rgb(0, 255, 128),
       [](Dib& d) {
         return add_picture(d, Channels{1, -1, 0}, true);
       },
       rgb(255, 0, 128)},
      {"negative", rgb(0, 100, 255), Op(negative_picture), rgb(255, 155, 0)},
      {"grey truncates the mean", rgb(1, 1, 2), Op(grey_picture), rgb(1, 1, 1)},
      {"fill", rgb(1, 2, 3), [](Dib& d) { return fill_picture(d, rgb(9, 8, 7)); }, rgb(9, 8, 7)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dib dib = plain(2, 2, c.before);
    EXPECT_EQ(c.op(dib), OpStatus::kDone);
    EXPECT_EQ(pixel(dib, 1, 1), c.after);
  }
}

TEST(CanvasOps, MirrorExchangesLeftAndRight) {
  const Dib original = gradient(5, 2);
  Dib dib = original;
  mirror_picture(dib);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(pixel(dib, x, 1), pixel(original, 4 - x, 1));
}

// Bad parameters and results too large change nothing; results without
// pixels leave no picture.
TEST(CanvasOps, BadParametersHugeAndEmptyResults) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Dib original = gradient(4, 4);
  using Op = std::function<OpStatus(Dib&)>;
  const std::pair<Op, OpStatus> cases[] = {
      {[](Dib& d) {
         return multiply_picture(d, Channels{1, -1, 1}, false);
       },
       OpStatus::kUnchanged},
      {[&](Dib& d) { return multiply_picture(d, uniform(nan), true); }, OpStatus::kUnchanged},
      {[&](Dib& d) {
         return add_picture(d, Channels{nan, 0, 0}, false);
       },
       OpStatus::kUnchanged},
      {[](Dib& d) { return scale_picture(d, -1, 1); }, OpStatus::kUnchanged},
      {[&](Dib& d) { return scale_picture(d, 1, nan); }, OpStatus::kUnchanged},
      {[](Dib& d) { return compress_picture(d, 0); }, OpStatus::kUnchanged},
      {[&](Dib& d) { return rotate_picture(d, nan); }, OpStatus::kUnchanged},
      {[](Dib& d) { return size_picture(d, -1, 5, 0); }, OpStatus::kUnchanged},
      {[](Dib& d) { return scale_picture(d, 1e9, 1e9); }, OpStatus::kTooLarge},
      {[](Dib& d) { return scale_picture(d, 20000, 20000); }, OpStatus::kTooLarge},
      {[](Dib& d) { return size_picture(d, 40000, 1, 0); }, OpStatus::kTooLarge},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    Dib dib = original;
    EXPECT_EQ(cases[i].first(dib), cases[i].second) << i;
    EXPECT_EQ(dib, original) << i;
  }
  const Op to_nothing[] = {[](Dib& d) { return scale_picture(d, 0, 0); },
                           [](Dib& d) { return compress_picture(d, 6); },  // 6 > 5 × 5
                           [](Dib& d) { return size_picture(d, 0, 7, 0); }};
  for (const Op& op : to_nothing) {
    Dib dib = gradient(5, 5);
    EXPECT_EQ(op(dib), OpStatus::kDone);
    EXPECT_TRUE(dib.empty());
  }
  Dib none;
  EXPECT_EQ(negative_picture(none), OpStatus::kUnchanged);
  EXPECT_EQ(scale_picture(none, 2, 2), OpStatus::kUnchanged);
  EXPECT_EQ(rotate_picture(none, 1), OpStatus::kUnchanged);
  Dib eight_bit = make_picture(2, 2, 8, {rgb(1, 2, 3)}, [](int, int) { return 0u; });
  const Dib kept = eight_bit;
  EXPECT_EQ(mirror_picture(eight_bit), OpStatus::kUnchanged);
  EXPECT_EQ(eight_bit, kept);
}

TEST(CanvasOps, ScaleSizesAndSamples) {
  Dib dib = gradient(4, 3);
  EXPECT_EQ(scale_picture(dib, 2.5, 0.5), OpStatus::kDone);
  EXPECT_EQ(size_of(dib), (IntPoint{10, 1}));
  // (2, 0) samples (0.8, 0): red 5 + 0.8 × 40, green of row 0.
  EXPECT_EQ(pixel(dib, 2, 0), rgb(37, 7, 0x60));
}

TEST(CanvasOps, CompressAveragesBlocks) {
  Dib dib = gradient(5, 5);
  EXPECT_EQ(compress_picture(dib, 2), OpStatus::kDone);
  EXPECT_EQ(size_of(dib), (IntPoint{2, 2}));
  // Block (2..3, 2..3): red (85 + 125) / 2, green (67 + 97) / 2; column 4
  // and stored row 4 are not used.
  EXPECT_EQ(pixel(dib, 1, 1), rgb(105, 82, 0x60));
}

TEST(CanvasOps, RotateByZeroBlackensLastColumnAndRow) {
  const Dib original = gradient(4, 3);
  Dib dib = original;
  EXPECT_EQ(rotate_picture(dib, 0), OpStatus::kDone);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      const bool edge = x == 3 || y == 2;
      EXPECT_EQ(pixel(dib, x, y), edge ? 0u : pixel(original, x, y));
    }
  }
}

TEST(CanvasOps, SizePicture) {
  Dib dib = gradient(2, 2);
  EXPECT_EQ(size_picture(dib, 3, 1, rgb(1, 2, 3)), OpStatus::kDone);
  EXPECT_EQ(size_of(dib), (IntPoint{3, 1}));
  EXPECT_EQ(pixel(dib, 2, 0), rgb(1, 2, 3));
}

TEST(CanvasOps, CombineWhereThePicturesOverlap) {
  struct Case {
    Combine how;
    Colorref inside;
  };
  const Case cases[] = {{Combine::kMultiply, rgb(99, 0, 127)},
                        {Combine::kScreen, rgb(228, 200, 255)},
                        {Combine::kAdd, rgb(255, 200, 255)},
                        {Combine::kSubtract, rgb(73, 200, 126)}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.how));
    Dib dst = plain(4, 4, rgb(200, 200, 254));
    const Dib src = plain(2, 2, rgb(127, 0, 128));
    EXPECT_EQ(combine_pictures(dst, src, 3, 1, c.how), OpStatus::kDone);
    // Top-down (3, 1) and (3, 2) are covered: stored rows 2 and 1.
    EXPECT_EQ(pixel(dst, 3, 2), c.inside);
    EXPECT_EQ(pixel(dst, 3, 1), c.inside);
    EXPECT_EQ(pixel(dst, 2, 2), rgb(200, 200, 254));
    EXPECT_EQ(pixel(dst, 3, 3), rgb(200, 200, 254));
    EXPECT_EQ(pixel(dst, 3, 0), rgb(200, 200, 254));
  }
  Dib dst = plain(2, 2, 0);
  const Dib kept = dst;
  EXPECT_EQ(combine_pictures(dst, Dib(), 0, 0, Combine::kAdd), OpStatus::kUnchanged);
  EXPECT_EQ(combine_pictures(dst, plain(1, 1, 0xFFFFFF), -5, 2147483647, Combine::kAdd),
            OpStatus::kDone);
  EXPECT_EQ(dst, kept);
}

}  // namespace
}  // namespace daub
