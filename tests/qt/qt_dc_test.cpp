#include "qt/qt_dc.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>
#include <utility>

#include "support/first_difference.h"

namespace daub {
namespace {

constexpr Colorref kBlack = 0x000000;

using Pixels = std::set<std::pair<int, int>>;

// Draws on a picture, white when opaque and else transparent, and gives it back.
QImage drawn(int w, int h, const std::function<void(QtDc&)>& draw,
             QImage::Format format = QImage::Format_RGB32, PixelPath path = PixelPath::kFast) {
  QImage image(w, h, format);
  image.fill(format == QImage::Format_RGB32 ? Qt::white : Qt::transparent);
  {
    QtDc dc(image, path);
    draw(dc);
  }
  return image;
}

// The pixels of the image in the given colour, or not white.
Pixels inked(const QImage& image, std::optional<QRgb> colour = std::nullopt) {
  Pixels out;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      QRgb p = image.pixel(x, y);
      if (colour ? p == *colour : p != qRgb(255, 255, 255)) out.insert({x, y});
    }
  return out;
}

Pixels box(int left, int top, int right, int bottom) {
  Pixels out;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) out.insert({x, y});
  return out;
}

Pixels minus(Pixels a, const Pixels& b) {
  for (const auto& p : b) a.erase(p);
  return a;
}

// A line leaves out its last pixel, so connected lines close an outline
// exactly; width 0 is one pixel. Dashes are counted from the line's start.
TEST(QtDc, LinesLeaveOutTheirLastPixel) {
  const int cases[][4] = {{5, 12, 5, 2}, {2, 12, 12, 2}, {20, 9, 1, 3}};
  for (auto [x0, y0, x1, y1] : cases) {
    SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " -> " << x1 << "," << y1);
    Pixels p = inked(drawn(24, 24, [&](QtDc& dc) {
      dc.set_pen({kPenSolid, 0, kBlack});
      dc.move_to(x0, y0);
      dc.line_to(x1, y1);
    }));
    EXPECT_EQ(p.size(), static_cast<std::size_t>(std::max(std::abs(x1 - x0), std::abs(y1 - y0))));
    EXPECT_TRUE(p.count({x0, y0}));
    EXPECT_FALSE(p.count({x1, y1}));
  }
  // A one-pixel dashed pen: 18 drawn, 6 left out, 15 drawn, from the start.
  Pixels dashed = inked(drawn(40, 4, [](QtDc& dc) {
    dc.set_pen({kPenDash, 1, kBlack});
    dc.move_to(39, 1);
    dc.line_to(0, 1);
  }));
  EXPECT_EQ(dashed, minus(box(1, 1, 40, 2), box(16, 1, 22, 2)));
}

TEST(QtDc, RectangleStaysInsideItsHalfOpenBounds) {
  struct Case {
    const char* name;
    int pen_style, pen_width;
    int left, top, right, bottom;
    Pixels outline, fill;
  } cases[] = {
      {"outline and fill", kPenSolid, 1, 2, 3, 8, 7, minus(box(2, 3, 8, 7), box(3, 4, 7, 6)),
       box(3, 4, 7, 6)},
      {"no pen: one pixel less right and bottom", kPenNull, 1, 0, 0, 4, 4, {}, box(0, 0, 3, 3)},
      {"wide pen", kPenSolid, 2, 1, 1, 7, 7, minus(box(1, 1, 7, 7), box(3, 3, 5, 5)),
       box(3, 3, 5, 5)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage image = drawn(24, 24, [&](QtDc& dc) {
      dc.set_pen({c.pen_style, c.pen_width, kBlack});
      dc.set_brush({BrushKind::kSolid, 0x0000FF});
      dc.rectangle(c.left, c.top, c.right, c.bottom);
    });
    EXPECT_EQ(inked(image, qRgb(0, 0, 0)), c.outline);
    EXPECT_EQ(inked(image, qRgb(255, 0, 0)), c.fill);
    EXPECT_EQ(inked(image).size(), c.outline.size() + c.fill.size());
  }
}

// An outline run round twice in the same direction: its inner square is
// crossed twice and stays empty under the alternate rule.
TEST(QtDc, PolygonFillsAlternately) {
  Pixels p = inked(drawn(24, 24, [](QtDc& dc) {
    dc.set_pen({kPenNull, 1, kBlack});
    dc.set_brush({BrushKind::kSolid, kBlack});
    dc.polygon(
        {{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}, {5, 5}, {15, 5}, {15, 15}, {5, 15}, {5, 5}});
  }));
  EXPECT_FALSE(p.count({10, 10}));
  EXPECT_TRUE(p.count({2, 10}));
  EXPECT_TRUE(p.count({17, 10}));
  EXPECT_FALSE(p.count({21, 10}));
}

// Coordinates far outside the device (a drawing zoomed a long way in) are
// clipped, not wrapped or rendered for ever.
TEST(QtDc, FarCoordinatesAreClipped) {
  constexpr int kMax = 2147483647, kMin = -2147483647 - 1;
  QImage image = drawn(24, 24, [](QtDc& dc) {
    dc.set_pen({kPenSolid, 1, kBlack});
    dc.move_to(-2000000000, 5);
    dc.line_to(2000000000, 5);
    dc.fill_rect(kMin, 20, kMax, 22, kBlack);
  });
  Pixels expected = box(0, 5, 24, 6);
  expected.merge(box(0, 20, 24, 22));
  EXPECT_EQ(inked(image), expected);
}

// A dialog's preview layer starts transparent: pictures drawn on it must be
// opaque there, or they vanish when the layer is shown.
TEST(QtDc, ImagesAreOpaqueOnATransparentLayer) {
  QImage layer(4, 3, QImage::Format_ARGB32_Premultiplied);
  layer.fill(Qt::transparent);
  {
    QtDc dc(layer);
    dc.draw_image(1, 1, 2, 1, DcImage{2, 1, {0xFF0000, 0x000000}});
  }
  EXPECT_EQ(layer.pixel(1, 1), qRgb(255, 0, 0));
  EXPECT_EQ(layer.pixel(2, 1), qRgb(0, 0, 0));
  EXPECT_EQ(qAlpha(layer.pixel(0, 1)), 0);
}

// The fast form writes one-pixel lines and 1:1 pictures straight into the
// image; its bytes (alpha included) must be those QPainter paints in the
// plain form. Random lines (thin and wide, solid and dashed, some far off),
// rectangles and pictures, on opaque and transparent images, through a
// painter that is plain, clipped or moved.
TEST(QtDc, FastFormPaintsThePlainFormsBytes) {
  std::mt19937 random(20240612);
  for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
    for (int round = 0; round < 60; ++round) {
      SCOPED_TRACE(testing::Message() << "format " << format << " round " << round);
      const std::uint32_t seed = random();
      auto paint = [&](QtDc& dc) {
        if (round % 4 == 1) dc.painter().setClipRect(5, 3, 25, 20);
        if (round % 4 == 2) dc.painter().translate(4, -3);
        std::mt19937 ops(seed);
        auto pick = [&](int lo, int hi) { return lo + static_cast<int>(ops() % (hi - lo + 1)); };
        auto end = [&] { return ops() % 8 == 0 ? pick(-100000, 100000) : pick(-20, 60); };
        for (int op = 0; op < 30; ++op) {
          const Colorref color = ops() & 0xFFFFFF;
          const int kind = pick(0, 5);
          if (kind <= 3) {
            dc.set_pen({pick(0, 1) == 0 ? kPenSolid : kPenDash, kind == 3 ? pick(2, 5) : 0, color});
            dc.move_to(end(), end());
            dc.line_to(end(), end());
          } else if (kind == 4) {
            dc.set_pen({kPenSolid, pick(1, 2), color});
            dc.rectangle(pick(-5, 40), pick(-5, 30), pick(-5, 50), pick(-5, 40));
          } else {
            // Often a single row or column, now and then a single pixel. A row's
            // pixels depend on the row alone: rows off the image may not be asked for.
            const int w = ops() % 4 == 0 ? 1 : pick(1, 30), h = ops() % 4 == 0 ? 1 : pick(1, 20);
            const std::uint32_t picture = ops();
            dc.draw_rows(pick(-20, 40), pick(-20, 30), w, h, [&](int row, std::uint32_t* out) {
              for (int k = 0; k < w; ++k) out[k] = (picture * (row * 31u + k + 1)) >> 8;
            });
          }
        }
      };
      auto words = [&](PixelPath path) {
        const QImage image = drawn(41, 31, paint, format, path);
        const auto* bits = reinterpret_cast<const std::uint32_t*>(image.constBits());
        return std::vector<std::uint32_t>(bits, bits + 41 * 31);
      };
      ASSERT_EQ(test::first_difference(words(PixelPath::kFast), words(PixelPath::kPlain), 41), "");
    }
  }
}

// A bitmap device starts white and gives its pixels back as 0x00RRGGBB;
// pictures stretched onto it take the nearest pixel.
TEST(QtDc, BitmapDevice) {
  EXPECT_EQ(make_bitmap_dc(0, 5), nullptr);
  auto dc = make_bitmap_dc(6, 1);
  ASSERT_NE(dc, nullptr);
  dc->set_pixel(0, 0, 0x123456);
  dc->draw_image(1, 0, 4, 1, DcImage{2, 1, {0xFF0000, 0x000000}});
  EXPECT_EQ(dc->get_pixel(0, 0), 0x123456u);
  EXPECT_EQ(dc->get_pixel(6, 0), kInvalidColor);
  EXPECT_EQ(dc->image().pixels,
            (std::vector<std::uint32_t>{0x563412, 0xFF0000, 0xFF0000, 0, 0, 0xFFFFFF}));
}

}  // namespace
}  // namespace daub
