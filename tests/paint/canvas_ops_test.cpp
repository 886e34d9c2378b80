#include "paint/canvas_ops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "geometry/angle.h"
#include "support/picture_builder.h"

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

// Equal up to one in every channel.
bool near(Colorref a, Colorref b) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) > 1)
      return false;
  return true;
}

using Op = std::function<OpStatus(Dib&)>;

// The pixel of a 2 × 2 picture of `before` after `op`, which must change it.
Colorref after(Colorref before, const Op& op) {
  Dib dib = plain(2, 2, before);
  EXPECT_EQ(op(dib), OpStatus::kDone);
  return pixel(dib, 1, 1);
}

Op multiply(Channels c, bool curve) {
  return [=](Dib& d) { return multiply_picture(d, c, curve); };
}
Op add(Channels c, bool curve) {
  return [=](Dib& d) { return add_picture(d, c, curve); };
}

TEST(CanvasOps, ChannelArithmetic) {
  const struct {
    Colorref before;
    Op op;
    Colorref want;
  } cases[] = {
      {rgb(200, 100, 0), multiply(uniform(2), false), rgb(255, 200, 0)},
      {rgb(100, 100, 100), multiply({0.5, 1, 2}, false), rgb(50, 100, 200)},
      // The curve keeps black and white, even at 0.
      {rgb(128, 0, 255), multiply(uniform(2), true), rgb(191, 0, 255)},
      {rgb(128, 0, 255), multiply(uniform(0), true), rgb(0, 0, 255)},
      {rgb(250, 100, 100), add({0.1, -0.1, 0.5}, false), rgb(255, 75, 227)},
      {rgb(0, 255, 128), add({1, -1, 0}, true), rgb(255, 0, 128)},
      {rgb(0, 100, 255), negative_picture, rgb(255, 155, 0)},
      {rgb(1, 1, 2), grey_picture, rgb(1, 1, 1)},  // the mean truncated
      {rgb(1, 2, 3), [](Dib& d) { return fill_picture(d, rgb(9, 8, 7)); }, rgb(9, 8, 7)},
  };
  for (const auto& c : cases) EXPECT_EQ(after(c.before, c.op), c.want) << &c - cases;
}

// Results without pixels leave no picture.
TEST(CanvasOps, BadParametersHugeAndEmptyResults) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Dib original = gradient(4, 4);
  auto refused = [&](OpStatus want, const Op& op) {
    Dib dib = original;
    EXPECT_EQ(op(dib), want);
    EXPECT_EQ(dib, original);
  };
  refused(OpStatus::kUnchanged, [](Dib& d) { return multiply_picture(d, {1, -1, 1}, false); });
  refused(OpStatus::kUnchanged, [&](Dib& d) { return add_picture(d, {nan, 0, 0}, true); });
  refused(OpStatus::kUnchanged, [&](Dib& d) { return scale_picture(d, 1, nan); });
  refused(OpStatus::kUnchanged, [](Dib& d) { return compress_picture(d, 0); });
  refused(OpStatus::kUnchanged, [&](Dib& d) { return rotate_picture(d, nan); });
  refused(OpStatus::kUnchanged, [](Dib& d) { return size_picture(d, -1, 5, 0); });
  refused(OpStatus::kUnchanged, [](Dib& d) { return size_picture(d, 5, -1, 0); });
  refused(OpStatus::kTooLarge, [](Dib& d) { return scale_picture(d, 20000, 20000); });
  refused(OpStatus::kTooLarge, [](Dib& d) { return size_picture(d, 40000, 1, 0); });
  const Op to_nothing[] = {[](Dib& d) { return scale_picture(d, 2, 0); },
                           [](Dib& d) { return compress_picture(d, 6); }};  // 6 > 5 × 5
  for (const Op& op : to_nothing) {
    Dib dib = gradient(5, 5);
    EXPECT_EQ(op(dib), OpStatus::kDone);
    EXPECT_TRUE(dib.empty());
  }
  Dib none;
  EXPECT_EQ(scale_picture(none, 2, 2), OpStatus::kUnchanged);
  Dib eight_bit = make_picture(2, 2, 8, {rgb(1, 2, 3)}, [](int, int) { return 0u; });
  const Dib kept = eight_bit;
  EXPECT_EQ(mirror_picture(eight_bit), OpStatus::kUnchanged);
  EXPECT_EQ(eight_bit, kept);
}

// Scale samples, compress averages blocks, size fills the new part, rotate
// by zero blackens the last column and row, mirror exchanges left and right.
TEST(CanvasOps, ReshapingOperations) {
  Dib dib = gradient(4, 3);
  EXPECT_EQ(scale_picture(dib, 1.125, 2), OpStatus::kDone);
  EXPECT_EQ(size_of(dib), (IntPoint{4, 6}));  // 4.5 columns are 4
  // (3, 3) samples (2.667, 1.5): red 5 + 2.667 × 40, green (37 + 67) / 2.
  EXPECT_EQ(pixel(dib, 3, 3), rgb(111, 52, 0x60));

  dib = gradient(5, 5);
  EXPECT_EQ(compress_picture(dib, 2), OpStatus::kDone);
  EXPECT_EQ(size_of(dib), (IntPoint{2, 2}));
  // Block (2..3, 2..3): red (85 + 125) / 2, green (67 + 97) / 2; column 4
  // and stored row 4 are not used.
  EXPECT_EQ(pixel(dib, 1, 1), rgb(105, 82, 0x60));

  dib = gradient(2, 2);
  EXPECT_EQ(size_picture(dib, 3, 1, rgb(1, 2, 3)), OpStatus::kDone);
  EXPECT_EQ(size_of(dib), (IntPoint{3, 1}));
  EXPECT_EQ(pixel(dib, 2, 0), rgb(1, 2, 3));

  const Dib original = gradient(4, 3);
  dib = original;
  EXPECT_EQ(rotate_picture(dib, 0), OpStatus::kDone);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(pixel(dib, x, y), x == 3 || y == 2 ? 0u : pixel(original, x, y)) << x << "," << y;
  // A quarter turn about the centre (3, 3): stored pixel (x, y) shows source
  // (6 − y, x), up to the turn's rounding; the first row comes from outside.
  dib = gradient(6, 6);
  EXPECT_EQ(rotate_picture(dib, kPi / 2), OpStatus::kDone);
  for (int y = 2; y < 6; ++y)
    for (int x = 1; x < 5; ++x)
      EXPECT_PRED2(near, pixel(dib, x, y), pixel(gradient(6, 6), 6 - y, x)) << x << "," << y;
  EXPECT_EQ(pixel(dib, 2, 0), 0u);
  dib = gradient(5, 2);
  mirror_picture(dib);
  for (int x = 0; x < 5; ++x) EXPECT_EQ(pixel(dib, x, 1), pixel(gradient(5, 2), 4 - x, 1));
}

TEST(CanvasOps, CombineWhereThePicturesOverlap) {
  // White times white stays white; a subtraction stops at black.
  const std::pair<Combine, Colorref> cases[] = {{Combine::kMultiply, rgb(99, 86, 255)},
                                                {Combine::kScreen, rgb(228, 234, 255)},
                                                {Combine::kAdd, rgb(255, 255, 255)},
                                                {Combine::kSubtract, rgb(73, 0, 0)}};
  for (const auto& [how, inside] : cases) {
    SCOPED_TRACE(static_cast<int>(how));
    Dib dst = plain(4, 4, rgb(200, 100, 255));
    const Dib src = plain(2, 2, rgb(127, 220, 255));
    EXPECT_EQ(combine_pictures(dst, src, 3, 1, how), OpStatus::kDone);
    // Top-down (3, 1) and (3, 2) are covered: stored rows 2 and 1.
    const Colorref kept = rgb(200, 100, 255);
    EXPECT_EQ((std::vector{pixel(dst, 3, 2), pixel(dst, 3, 1), pixel(dst, 2, 2), pixel(dst, 3, 0)}),
              (std::vector{inside, inside, kept, kept}));
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
