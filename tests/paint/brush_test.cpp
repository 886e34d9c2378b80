#include "paint/brush.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

#include "support/test_app.h"

namespace daub {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

BrushParams brush(double width, double blur, double density) {
  BrushParams b;
  b.width = width, b.blur = blur, b.density = density;
  return b;
}

int at(const Mask& m, int x, int y) { return m.bytes[static_cast<std::size_t>(y) * m.w + x]; }

// Random dabs of one brush (so the fast dab's table is built and used) and of
// many widths, and parameters no dialog gives; every byte written lies inside
// its row's span, which the fast blend relies on (for either mask).
TEST(Dab, FastEqualsPlain) {
  std::mt19937 rng(20240611);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int round = 0; round < 60; ++round) {
    const double width = round % 10 == 0 ? unit(rng) * 3 : unit(rng) * 70;
    const double blur = round % 7 == 0 ? 0.0 : unit(rng) * 2;
    const double density = round % 5 == 0 ? 1.0 : unit(rng);
    SCOPED_TRACE(testing::Message() << "W " << width << " B " << blur << " D " << density);
    Mask plain = make_mask(64, 48), fast = make_mask(64, 48);
    for (int i = 0; i < 40; ++i) {
      const double cx = unit(rng) * 100 - 18, cy = unit(rng) * 80 - 16;
      const BrushParams b = i % 4 == 3 ? brush(width * unit(rng), blur, density * unit(rng))
                                       : brush(width, blur, density);
      dab_plain(b, cx, cy, plain);
      dab(b, cx, cy, fast);
    }
    ASSERT_EQ(plain.bytes, fast.bytes);
    for (const Mask* m : {&plain, &fast})
      for (int y = 0; y < m->h; ++y)
        for (int x = 0; x < m->w; ++x)
          if (at(*m, x, y) != 0) {
            ASSERT_TRUE(m->spans[y].x0 <= x && x <= m->spans[y].x1);
          }
  }
  const struct {
    double width, blur, density, cx, cy;
  } bad[] = {
      {kNaN, 2, 1, 5, 5},  {1e300, 2, 1, 5, 5},  {20, -1, 1, 5, 5},       {20, 2, 3, 5, 5},
      {20, 2, 1, kNaN, 5}, {5e9, 2, 1, -3e9, 5}, {1e120, 1, 1, 1e100, 5}, {20, 1e-300, 1, 5, 5},
  };
  for (const auto& c : bad) {
    SCOPED_TRACE(&c - bad);
    Mask plain = make_mask(12, 9), fast = make_mask(12, 9);
    dab_plain(brush(c.width, c.blur, c.density), c.cx, c.cy, plain);
    dab(brush(c.width, c.blur, c.density), c.cx, c.cy, fast);
    EXPECT_EQ(plain.bytes, fast.bytes);
    EXPECT_EQ(fast.bytes.size(), 108u);
  }
  EXPECT_EQ(make_mask(1 << 20, 1 << 20).w, 0);  // more than any canvas holds
}

// The channel rules at their ends and midway: lighten and darken halfway
// meet at 127 and mirror each other, nothing of the mask keeps the pixel.
TEST(Blend, ChannelRules) {
  EXPECT_EQ(lighten_channel(0.5, 0), 127);
  EXPECT_EQ(darken_channel(0.5, 255), 127);
  EXPECT_EQ(lighten_channel(0.5, 100), 207);  // 255 · (0.5 + 0.5 · (1 − (155/255)²))
  EXPECT_EQ(darken_channel(0.5, 155), 47);
  EXPECT_EQ(lighten_channel(1.0, 0), 255);
  EXPECT_EQ(darken_channel(1.0, 255), 0);
  EXPECT_EQ(color_channel(0.0, 10, 200), 10);
  EXPECT_EQ(color_channel(0.5, 0, 255), 127);
}

// What the spans cover is zeroed, down to a single last column, or every byte
// when the spans are unknown; a mask made from the bytes is zero, larger or smaller.
TEST(Mask, BytesComeBackZeroed) {
  Mask known = make_mask(6, 3);
  known.spans = {{5, 5}, {1, 3}, {6, -1}};
  for (int y = 0; y < 2; ++y)
    for (int x = known.spans[y].x0; x <= known.spans[y].x1; ++x) known.bytes[y * 6 + x] = 9;
  Mask unknown = make_mask(6, 3);
  std::fill(unknown.bytes.begin(), unknown.bytes.end(), 9);
  unknown.spans.clear();
  for (Mask* m : {&known, &unknown}) {
    std::vector<std::uint8_t> bytes = zeroed_bytes(std::move(*m));
    EXPECT_EQ(bytes, std::vector<std::uint8_t>(18, 0));
    for (auto [w, h] : {std::pair{4, 5}, std::pair{2, 2}}) {
      const Mask again = make_mask(w, h, bytes);
      EXPECT_EQ(again.bytes, std::vector<std::uint8_t>(static_cast<std::size_t>(w * h), 0));
    }
  }
}

// A full mask byte gives the colour, blue first, and nothing else changes,
// also where the spans are unknown (the whole rows are read); a mask of another
// size changes nothing. The fast blend equals the plain one in the canvas
// undo test, which blends every kind in random colours.
TEST(Blend, OnlyTheMaskedPixelTakesTheColour) {
  std::vector<std::uint8_t> bytes(3 * 16 + 16, 0x40);  // 5 × 3 in rows of 16, a guard band
  const CanvasView canvas{5, 3, 16, bytes.data()};
  Mask wrong = make_mask(3, 5);
  std::fill(wrong.bytes.begin(), wrong.bytes.end(), 255);
  blend_mask(canvas, wrong, BlendKind::kColor, 0);
  Mask m = make_mask(5, 3);
  m.bytes[1 * 5 + 2] = 255;  // pixel (2, 1)
  m.spans.clear();
  blend_mask(canvas, m, BlendKind::kColor, rgb(200, 100, 50));
  const std::size_t p = 1 * 16 + 3 * 2;  // pixel (2, 1) from the top, in stored row 1
  EXPECT_EQ(std::vector<int>(&bytes[p], &bytes[p + 3]), (std::vector<int>{50, 100, 200}));
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (i < p || i >= p + 3) {
      ASSERT_EQ(bytes[i], 0x40) << i;  // the rest, padding and guard band
    }
}

// Brushes far wider than the canvas passing beside it where r² is rounded by
// more than the dabs' spacing could show, and segments far away, huge or
// broken, which must finish.
TEST(RasteriseSegment, FastEqualsPlainAtTheExtremes) {
  test::TestApp t;
  const struct {
    LineGeometry g;
    double width, blur;
  } cases[] = {
      {{14.3, -50, 0, 26.1, -53.7, 0, kShapeStraight}, 130, 2},
      {{14.3, -2e7, 0, 26.1, -2e7 - 3.7, 0, kShapeStraight}, 4.0000002e7, 0},
      {{14.3, -1e9, 0, 26.1, -1e9 - 3.7, 0, kShapeStraight}, 3e9, 2},
      {{-1e300, 5, 0, 1e300, 5, 0, kShapeStraight}, 4, 2},
      {{kNaN, 0, 0, 30, 30, 0, kShapeStraight}, 4, 2},
      {{0, 0, 0, 30, 30, kNaN, kShapeCurve}, 4, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.g.y0 << " width " << c.width);
    Mask plain = make_mask(40, 30), fast = make_mask(40, 30);
    rasterise_segment_plain(t.app, c.g, brush(c.width, c.blur, 1), plain);
    rasterise_segment(t.app, c.g, brush(c.width, c.blur, 1), fast);
    EXPECT_EQ(plain.bytes, fast.bytes);
  }
  // A segment far longer than the canvas is painted where it crosses it, and a
  // brush far wider covers it all.
  Mask m = make_mask(30, 20), wide = make_mask(30, 20);
  rasterise_segment(t.app, {-1e15, 5, 0, 1e15, 5, 0, kShapeStraight}, brush(4, 0, 1), m);
  EXPECT_EQ(at(m, 15, 5), 255);
  rasterise_segment(t.app, {0, 0, 0, 30, 30, 0, kShapeStraight}, brush(1e12, 0, 1), wide);
  EXPECT_EQ(wide.bytes, std::vector<std::uint8_t>(600, 255));
}

// A zero-length segment is one dab; a dab lies every half pixel while more
// than a quarter pixel remains, whatever rounding adds. (How far a straight
// trail reaches is the paint start script's check.)
TEST(RasteriseSegment, KindsZeroLengthAndStraightTrail) {
  test::TestApp t;
  Mask m = make_mask(20, 20), one = make_mask(20, 20);
  for (int kind : {int{kShapeHidden}, 7, int{kShapeStraight}}) {
    const LineGeometry g{4.5, 4.5, 0, 4.5, 4.5, 0, kind};
    EXPECT_EQ(rasterise_segment(t.app, g, brush(3, 0, 1), m), kind == kShapeStraight ? 2 : 0);
    if (kind == 7) EXPECT_EQ(m.bytes, std::vector<std::uint8_t>(400, 0));
  }
  dab_plain(brush(3, 0, 1), 4.5, 4.5, one);
  EXPECT_EQ(m.bytes, one.bytes);
  // Three quarters of a pixel and a rounding error: a dab at the start and one at the end.
  Mask short_trail = make_mask(20, 20), two = make_mask(20, 20);
  rasterise_segment(t.app, {5, 5.5, 0, 5.75 + 1e-12, 5.5, 0, kShapeStraight}, brush(4, 1, 1),
                    short_trail);
  dab_plain(brush(4, 1, 1), 5, 5.5, two);
  dab_plain(brush(4, 1, 1), 5.75 + 1e-12, 5.5, two);
  EXPECT_EQ(short_trail.bytes, two.bytes);
}

// Thinned ends: the width grows from the start over R·W and shrinks to the
// end; both ends of a short segment share it half and half. Faded ends lower
// the density instead.
TEST(RasteriseSegment, ThinnedEndsAreLimitedToHalfTheSegmentAndFadedEndsFade) {
  test::TestApp t;
  LineGeometry g{5.5, 10.5, 0, 25.5, 10.5, 0, kShapeStraight};
  auto lay = [&](int end_type, int tapered_end, double ratio) {
    BrushParams b = brush(10, 0, 1);
    b.end_type = end_type, b.tapered_end = tapered_end, b.taper_ratio = ratio;
    Mask m = make_mask(40, 21);
    rasterise_segment(t.app, g, b, m);
    return m;
  };
  const Mask half = lay(1, 2, 1.0);
  EXPECT_EQ(half.bytes, lay(1, 2, 2.0).bytes);  // R·W = 20 is cut to L/2 = 10 either way
  // Full width at the middle, thin near the start and the end, widening
  // towards the middle; the end dab has width 0.
  EXPECT_EQ((std::vector{at(half, 15, 14), at(half, 6, 13), at(half, 25, 13), at(half, 20, 10),
                         at(half, 25, 10), at(lay(1, 2, 0.3), 8, 14)}),
            (std::vector{255, 0, 0, 255, 0, 255}));
  const Mask faded = lay(2, 0, 0.8);  // fades over 8 pixels from the start
  // Each dab fades as half a pixel further on: the first, alone at 5 pixels
  // behind the start, has 255 · sin(0.5 / 8 · π/2).
  EXPECT_EQ(at(faded, 0, 10), 24);
  EXPECT_LT(at(faded, 5, 10), at(faded, 9, 10));
  EXPECT_EQ(at(faded, 25, 10), 255);  // the end is not faded
}

}  // namespace
}  // namespace daub
