#include "paint/brush.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "support/test_app.h"

namespace daub {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

using DabFn = void (*)(const BrushParams&, double, double, Mask&);
struct DabForm {
  const char* name;
  DabFn fn;
};
const DabForm kDabForms[] = {{"plain", dab_plain}, {"fast", dab}};

BrushParams brush(double width, double blur, double density) {
  BrushParams b;
  b.width = width, b.blur = blur, b.density = density;
  return b;
}

int at(const Mask& m, int x, int y) { return m.bytes[static_cast<std::size_t>(y) * m.w + x]; }

// A 24-bit picture's rows with a guard band after them.
struct TestCanvas {
  TestCanvas(int w, int h, std::uint8_t fill) : w(w), h(h), stride((3 * w + 3) / 4 * 4) {
    bytes.assign(static_cast<std::size_t>(stride) * h + kGuard, fill);
  }
  CanvasView view() { return {w, h, stride, bytes.data()}; }
  // Blue, green, red of pixel (x, y from the top).
  const std::uint8_t* pixel(int x, int y) const {
    return bytes.data() + static_cast<std::size_t>(h - 1 - y) * stride + 3 * x;
  }
  static constexpr std::size_t kGuard = 16;
  int w, h, stride;
  std::vector<std::uint8_t> bytes;
};

// A hard dab covers exactly the pixel centres within half the width; width 1
// on a pixel centre is that pixel alone.
TEST(Dab, HardDiscCoversExactlyThePixelCentresWithinHalfTheWidth) {
  for (const DabForm& form : kDabForms) {
    for (double width : {1.0, 7.0}) {
      SCOPED_TRACE(testing::Message() << form.name << " " << width);
      Mask m = make_mask(20, 20);
      form.fn(brush(width, 0, 1), 10.5, 10.5, m);
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
          const double d2 = (x - 10.0) * (x - 10.0) + (y - 10.0) * (y - 10.0);
          EXPECT_EQ(at(m, x, y), d2 <= width * width / 4 ? 255 : 0) << x << "," << y;
        }
    }
  }
}

// A soft dab falls from its centre, scaled by the density; a dab left of the
// canvas paints only the columns inside; overlapping dabs keep the strongest.
TEST(Dab, SoftDiscClippedDiscAndOverlaps) {
  for (const DabForm& form : kDabForms) {
    SCOPED_TRACE(form.name);
    Mask m = make_mask(40, 40);
    form.fn(brush(30, 2, 0.5), 20.5, 20.5, m);
    EXPECT_EQ(at(m, 20, 20), 127);  // trunc(1 · 0.5 · 255)
    for (int x = 21; x < 40; ++x) EXPECT_LE(at(m, x, 20), at(m, x - 1, 20));
    EXPECT_EQ(at(m, 35, 20), 0);  // r = 15 = W/2: cos(π/2)² is zero

    Mask left = make_mask(10, 10);
    form.fn(brush(8, 0, 1), -2.25, 4.5, left);
    EXPECT_EQ(at(left, 1, 4), 255);  // centre 1.5 lies 3.75 from the dab centre
    EXPECT_EQ(at(left, 2, 4), 0);    // 4.75 > 4
    for (int y = 0; y < 10; ++y) EXPECT_LE(left.spans[y].x1, 9);

    Mask both = make_mask(10, 10);
    form.fn(brush(6, 0, 0.4), 5, 5, both);
    form.fn(brush(6, 0, 0.4), 5, 5, both);
    form.fn(brush(2, 0, 0.2), 5, 5, both);
    EXPECT_EQ(at(both, 5, 5), 102);
  }
}

// Widths, blurs and densities no dialog would give must neither crash, hang,
// nor write outside the mask; both forms agree on each.
TEST(Dab, BadParametersAndPositionsAreSafeAndAgree) {
  const struct {
    double width, blur, density, cx, cy;
  } cases[] = {
      {kNaN, 2, 1, 5, 5},   {-kInf, 2, 1, 5, 5},  {0, 2, 1, 5, 5},         {1e300, 2, 1, 5, 5},
      {1e9, 0, 1, 3, 3},    {20, kNaN, 1, 5, 5},  {20, -1, 1, 5, 5},       {20, 2, kNaN, 5, 5},
      {20, 2, 3, 5, 5},     {20, 2, -1, 5, 5},    {20, 2, 1, kNaN, 5},     {20, 2, 1, 5, kInf},
      {5e9, 2, 1, -3e9, 5}, {1e-300, 2, 1, 5, 5}, {1e120, 1, 1, 1e100, 5}, {20, 1e-300, 1, 5, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.width << " " << c.blur << " " << c.density << " @ " << c.cx << "," << c.cy);
    Mask plain = make_mask(12, 9), fast = make_mask(12, 9);
    dab_plain(brush(c.width, c.blur, c.density), c.cx, c.cy, plain);
    dab(brush(c.width, c.blur, c.density), c.cx, c.cy, fast);
    EXPECT_EQ(plain.bytes, fast.bytes);
    EXPECT_EQ(fast.bytes.size(), 108u);
  }
}

TEST(Dab, ZeroSizeOrDamagedMaskIsLeftAlone) {
  Mask none = make_mask(0, 10);
  EXPECT_TRUE(none.bytes.empty());
  EXPECT_EQ(make_mask(1 << 20, 1 << 20).w, 0);  // more than any canvas holds
  Mask short_mask;
  short_mask.w = 10, short_mask.h = 10;
  short_mask.bytes.assign(50, 0);  // half the rows it claims
  for (const DabForm& form : kDabForms) {
    form.fn(brush(30, 2, 1), 5, 5, none);
    form.fn(brush(30, 2, 1), 5, 5, short_mask);
  }
  EXPECT_EQ(short_mask.bytes, std::vector<std::uint8_t>(50, 0));
}

// Every byte the fast dab writes lies inside its row's span, which the fast
// blend relies on; and the fast forms equal the plain ones on many random
// dabs of one brush (so its table is built and used) and of many brushes.
TEST(Dab, FastEqualsPlainOnRandomDabs) {
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
      const BrushParams b = i % 8 == 7 ? brush(width * unit(rng), blur, density * unit(rng))
                                       : brush(width, blur, density);
      dab_plain(b, cx, cy, plain);
      dab(b, cx, cy, fast);
    }
    ASSERT_EQ(plain.bytes, fast.bytes);
    for (int y = 0; y < fast.h; ++y)
      for (int x = 0; x < fast.w; ++x)
        if (at(fast, x, y) != 0) {
          ASSERT_TRUE(fast.spans[y].x0 <= x && x <= fast.spans[y].x1);
        }
  }
}

// Dabs that differ only in width, as along a thinned end, each read the
// falloff of their own width from one table.
TEST(Dab, FastEqualsPlainOnDabsOfManyWidths) {
  std::mt19937 rng(99);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (const double blur : {0.0, 0.3, 2.0}) {
    for (const double density : {1.0, 0.61}) {
      SCOPED_TRACE(testing::Message() << "B " << blur << " D " << density);
      Mask plain = make_mask(70, 50), fast = make_mask(70, 50);
      for (int i = 0; i < 60; ++i) {
        const BrushParams b = brush(unit(rng) * unit(rng) * 50, blur, density);
        const double cx = unit(rng) * 90 - 10, cy = unit(rng) * 70 - 10;
        dab_plain(b, cx, cy, plain);
        dab(b, cx, cy, fast);
      }
      EXPECT_TRUE(fast.falloff_by_u.built);
      ASSERT_EQ(plain.bytes, fast.bytes);
    }
  }
}

TEST(Blend, ChannelRules) {
  EXPECT_EQ(lighten_channel(0.5, 0), 127);
  EXPECT_EQ(darken_channel(0.5, 255), 127);
  EXPECT_EQ(lighten_channel(0.0, 77), 77);
  EXPECT_EQ(darken_channel(1.0, 255), 0);
  EXPECT_EQ(color_channel(0.5, 0, 255), 127);
}

using BlendFn = void (*)(CanvasView, const Mask&, BlendKind, Colorref);
const struct {
  const char* name;
  BlendFn fn;
} kBlendForms[] = {{"plain", blend_mask_plain}, {"fast", blend_mask}};

TEST(Blend, FullMaskGivesTheColourAndEmptyMaskKeepsThePixel) {
  for (const auto& form : kBlendForms) {
    SCOPED_TRACE(form.name);
    TestCanvas canvas(5, 3, 0x40);
    Mask m = make_mask(5, 3);
    m.bytes[1 * 5 + 2] = 255;  // pixel (2, 1)
    m.spans[1] = {2, 2};
    form.fn(canvas.view(), m, BlendKind::kColor, rgb(200, 100, 50));
    const std::uint8_t* p = canvas.pixel(2, 1);
    EXPECT_EQ(std::vector<int>(p, p + 3), (std::vector<int>{50, 100, 200}));  // blue first
    for (std::size_t i = 0; i < canvas.bytes.size(); ++i)
      if (canvas.bytes.data() + i < p || canvas.bytes.data() + i >= p + 3) {
        ASSERT_EQ(canvas.bytes[i], 0x40) << i;  // the rest, padding and guard band
      }
  }
}

TEST(Blend, MaskOfAnotherSizeOrNoRowsLeavesTheCanvas) {
  for (const auto& form : kBlendForms) {
    SCOPED_TRACE(form.name);
    TestCanvas canvas(5, 3, 9);
    const std::vector<std::uint8_t> before = canvas.bytes;
    Mask wrong = make_mask(3, 5);
    std::fill(wrong.bytes.begin(), wrong.bytes.end(), 255);
    form.fn(canvas.view(), wrong, BlendKind::kColor, 0);
    CanvasView narrow = canvas.view();
    narrow.stride = 14;  // rows shorter than 3 × w
    Mask full = make_mask(5, 3);
    std::fill(full.bytes.begin(), full.bytes.end(), 255);
    full.spans.clear();
    form.fn(narrow, full, BlendKind::kColor, 0);
    form.fn(CanvasView{}, make_mask(0, 0), BlendKind::kLighten, 0);
    EXPECT_EQ(canvas.bytes, before);
  }
}

// A mask written directly without spans is blended everywhere.
TEST(Blend, FastEqualsPlainOnRandomMasksAndPictures) {
  std::mt19937 rng(7);
  for (BlendKind kind : {BlendKind::kColor, BlendKind::kDarken, BlendKind::kLighten}) {
    TestCanvas a(37, 23, 0), b(37, 23, 0);
    for (std::size_t i = 0; i < a.bytes.size(); ++i) a.bytes[i] = b.bytes[i] = rng() & 255;
    Mask m = make_mask(37, 23);
    for (auto& v : m.bytes) v = rng() % 3 == 0 ? 0 : rng() & 255;
    m.spans.clear();
    blend_mask_plain(a.view(), m, kind, 0x123456);
    blend_mask(b.view(), m, kind, 0x123456);
    EXPECT_EQ(a.bytes, b.bytes) << static_cast<int>(kind);
  }
}

TEST(Taper, RisesOverTheTaperLengthAndIsLimitedToHalfTheSegment) {
  const double f = std::sin(0.5 * 3.14159265359 / 2);
  EXPECT_DOUBLE_EQ(taper(5, 100, 10, 0), f);  // start: half way up
  EXPECT_DOUBLE_EQ(taper(95, 100, 10, 0), 1.0);
  EXPECT_DOUBLE_EQ(taper(95, 100, 10, 1), f);  // end only
  EXPECT_DOUBLE_EQ(taper(95, 100, 10, 2), f);  // both
  EXPECT_DOUBLE_EQ(taper(5, 20, 40, 2), f);    // 2·40 > 20: the taper is 10 long
  EXPECT_DOUBLE_EQ(taper(25, 20, 5, 1), 0.0);  // past the end
}

struct Segment {
  LineGeometry g;
  BrushParams b;
};

// Random segments over a 90 × 70 mask: straight and curved, inside, across
// and far outside the canvas, zero length, with every end setting.
Segment random_segment(std::mt19937& rng) {
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  auto coord = [&](double size) { return unit(rng) * size * 1.6 - size * 0.3; };
  Segment s;
  s.g.x0 = coord(90), s.g.y0 = coord(70);
  s.g.x1 = coord(90), s.g.y1 = coord(70);
  const int shape = static_cast<int>(rng() % 10);
  if (shape == 0) s.g.x1 = s.g.x0, s.g.y1 = s.g.y0;
  if (shape == 1) s.g.x1 += 5000, s.g.y0 -= 3000;  // mostly far outside
  s.g.kind = shape >= 6 ? kShapeCurve : kShapeStraight;
  const double chord = std::atan2(s.g.y1 - s.g.y0, s.g.x1 - s.g.x0);
  const double bend = (unit(rng) - 0.5) * 2.0;
  s.g.a0 = chord - bend, s.g.a1 = chord + bend;
  const double u = unit(rng);
  s.b = brush(rng() % 8 == 0 ? u * 2 : u * u * 60, rng() % 4 == 0 ? 0 : unit(rng) * 2,
              rng() % 3 == 0 ? 1 : unit(rng));
  s.b.end_type = static_cast<int>(rng() % 3);
  s.b.tapered_end = static_cast<int>(rng() % 3);
  s.b.taper_ratio = unit(rng) * 3;
  return s;
}

TEST(RasteriseSegment, FastEqualsPlainOnRandomStrokes) {
  test::TestApp t;
  std::mt19937 rng(1234567);
  for (int stroke = 0; stroke < 100; ++stroke) {
    Mask plain = make_mask(90, 70), fast = make_mask(90, 70);
    for (int k = 0; k < 3; ++k) {
      const Segment s = random_segment(rng);
      SCOPED_TRACE(testing::Message() << "stroke " << stroke << " kind " << s.g.kind << " W "
                                      << s.b.width << " B " << s.b.blur << " end " << s.b.end_type);
      const int a = rasterise_segment_plain(t.app, s.g, s.b, plain);
      const int b = rasterise_segment(t.app, s.g, s.b, fast);
      EXPECT_EQ(a, b);
      EXPECT_EQ(a, s.g.kind == kShapeCurve ? 1 : 2);
    }
    ASSERT_EQ(plain.bytes, fast.bytes) << "stroke " << stroke;
  }
}

TEST(RasteriseSegment, KindsAndZeroLength) {
  test::TestApp t;
  Mask m = make_mask(20, 20);
  LineGeometry g{4.5, 4.5, 0, 4.5, 4.5, 0, kShapeHidden};
  EXPECT_EQ(rasterise_segment(t.app, g, brush(3, 0, 1), m), 0);
  g.kind = 7;
  EXPECT_EQ(rasterise_segment(t.app, g, brush(3, 0, 1), m), 0);
  EXPECT_EQ(m.bytes, std::vector<std::uint8_t>(400, 0));
  g.kind = kShapeStraight;  // zero length: one dab at the end point
  EXPECT_EQ(rasterise_segment(t.app, g, brush(3, 0, 1), m), 2);
  Mask one = make_mask(20, 20);
  dab_plain(brush(3, 0, 1), 4.5, 4.5, one);
  EXPECT_EQ(m.bytes, one.bytes);
}

// The straight trail covers the whole segment with full-width dabs and
// nothing beyond its ends' discs.
TEST(RasteriseSegment, StraightTrailCoversTheSegment) {
  test::TestApp t;
  Mask m = make_mask(40, 20);
  LineGeometry g{5.5, 10.5, 0, 30.5, 10.5, 0, kShapeStraight};
  rasterise_segment(t.app, g, brush(5, 0, 1), m);
  for (int x = 0; x < 40; ++x) {
    EXPECT_EQ(at(m, x, 10), x >= 3 && x <= 32 ? 255 : 0) << x;
    EXPECT_EQ(at(m, x, 12), x >= 4 && x <= 31 ? 255 : 0) << x;  // 2 from the axis
    EXPECT_EQ(at(m, x, 13), 0) << x;
  }
}

// Thinned ends: the width grows from the start over R·W and shrinks to the
// end; both ends of a short segment share it half and half.
TEST(RasteriseSegment, ThinnedEndsAreLimitedToHalfTheSegment) {
  test::TestApp t;
  LineGeometry g{5.5, 10.5, 0, 25.5, 10.5, 0, kShapeStraight};
  auto lay = [&](double ratio) {
    BrushParams b = brush(10, 0, 1);
    b.end_type = 1, b.tapered_end = 2, b.taper_ratio = ratio;
    Mask m = make_mask(40, 21);
    rasterise_segment(t.app, g, b, m);
    return m;
  };
  const Mask half = lay(1.0), short_taper = lay(0.3);
  EXPECT_EQ(half.bytes, lay(2.0).bytes);  // R·W = 20 is cut to L/2 = 10 either way
  EXPECT_EQ(at(half, 15, 14), 255);       // full width at the middle
  EXPECT_EQ(at(half, 6, 13), 0);          // thin near the start
  EXPECT_EQ(at(half, 25, 13), 0);         // and near the end
  EXPECT_EQ(at(short_taper, 8, 14), 255);
}

TEST(RasteriseSegment, FadedEndsLowerTheDensity) {
  test::TestApp t;
  LineGeometry g{5.5, 5.5, 0, 45.5, 5.5, 0, kShapeStraight};
  BrushParams b = brush(4, 0, 1);
  b.end_type = 2, b.tapered_end = 0, b.taper_ratio = 2;  // fades over 8 pixels from the start
  Mask m = make_mask(60, 11);
  rasterise_segment(t.app, g, b, m);
  EXPECT_GT(at(m, 5, 5), 0);
  EXPECT_LT(at(m, 5, 5), at(m, 9, 5));
  EXPECT_EQ(at(m, 45, 5), 255);  // the end is not faded
}

TEST(RasteriseSegment, CurveFollowsItsSamplePoints) {
  test::TestApp t;
  // A quarter circle of radius 20 round (10.5, 30.5), from (10.5, 10.5)
  // heading right to (30.5, 30.5) heading down.
  LineGeometry g{10.5, 10.5, 0, 30.5, 30.5, 3.14159265359 / 2, kShapeCurve};
  Mask m = make_mask(40, 40);
  EXPECT_EQ(rasterise_segment(t.app, g, brush(2, 0, 1), m), 1);
  EXPECT_EQ(at(m, 10, 10), 255);
  EXPECT_EQ(at(m, 30, 30), 255);
  EXPECT_EQ(at(m, 24, 16), 255);  // on the arc half way
  EXPECT_EQ(at(m, 30, 10), 0);    // not the corner of the tangents
  EXPECT_EQ(at(m, 20, 20), 0);    // nor the chord
}

// Brushes far wider than the canvas, their segments passing beside it at
// distances where r² is rounded by more than the dabs' spacing could show.
TEST(RasteriseSegment, FastEqualsPlainForWideBrushesPassingFarAway) {
  test::TestApp t;
  const struct {
    double distance, width, blur;
  } cases[] = {{50, 130, 2}, {3e5, 7e5, 2}, {2e7, 4.0000002e7, 0}, {1e9, 3e9, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "distance " << c.distance << " width " << c.width);
    LineGeometry g{14.3, -c.distance, 0, 26.1, -c.distance - 3.7, 0, kShapeStraight};
    Mask plain = make_mask(40, 30), fast = make_mask(40, 30);
    rasterise_segment_plain(t.app, g, brush(c.width, c.blur, 1), plain);
    rasterise_segment(t.app, g, brush(c.width, c.blur, 1), fast);
    EXPECT_EQ(plain.bytes, fast.bytes);
    EXPECT_NE(plain.bytes, std::vector<std::uint8_t>(1200, 0));
  }
}

// Segments whose dabs could never reach the canvas cost nothing, and huge
// widths or lengths are bounded by the canvas.
TEST(RasteriseSegment, FarAwayHugeAndBrokenSegmentsFinish) {
  test::TestApp t;
  const struct {
    LineGeometry g;
    double width;
  } cases[] = {
      {{-1e15, 5, 0, 1e15, 5, 0, kShapeStraight}, 4},
      {{-1e300, 5, 0, 1e300, 5, 0, kShapeStraight}, 4},
      {{-1e15, -1e15, 0, 1e15, 1e15, 0, kShapeStraight}, 1e6},
      {{0, 0, 0, 30, 30, 0, kShapeStraight}, 1e12},
      {{kNaN, 0, 0, 30, 30, 0, kShapeStraight}, 4},
      {{0, 0, 0, 30, 30, kNaN, kShapeCurve}, 4},
  };
  for (const auto& c : cases) {
    Mask plain = make_mask(30, 20), fast = make_mask(30, 20);
    rasterise_segment(t.app, c.g, brush(c.width, 2, 1), fast);
    if (c.width < 1e5) {
      rasterise_segment_plain(t.app, c.g, brush(c.width, 2, 1), plain);
      EXPECT_EQ(plain.bytes, fast.bytes);
    }
  }
  Mask m = make_mask(30, 20);
  rasterise_segment(t.app, cases[0].g, brush(4, 0, 1), m);
  EXPECT_EQ(at(m, 15, 5), 255);
  Mask wide = make_mask(30, 20);
  rasterise_segment(t.app, cases[3].g, brush(1e12, 0, 1), wide);
  EXPECT_EQ(wide.bytes, std::vector<std::uint8_t>(600, 255));
}

}  // namespace
}  // namespace daub
