#include "platform/qt/qt_dc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <utility>

namespace daub {
namespace {

constexpr Colorref kBlack = 0x000000;

using Pixels = std::set<std::pair<int, int>>;

// Draws on a white picture and gives back the picture.
QImage drawn(int w, int h, const std::function<void(QtDc&)>& draw) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QtDc dc(image);
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

TEST(QtDc, LinesLeaveOutTheirLastPixel) {
  const int cases[][4] = {{2, 5, 12, 5},  {5, 12, 5, 2}, {2, 2, 12, 12},
                          {2, 12, 12, 2}, {1, 3, 20, 9}, {20, 9, 1, 3}};
  for (auto [x0, y0, x1, y1] : cases) {
    SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " -> " << x1 << "," << y1);
    Pixels p = inked(drawn(24, 24, [&](QtDc& dc) {
      dc.set_pen({kPenSolid, 1, kBlack});
      dc.move_to(x0, y0);
      dc.line_to(x1, y1);
    }));
    EXPECT_EQ(p.size(), static_cast<std::size_t>(std::max(std::abs(x1 - x0), std::abs(y1 - y0))));
    EXPECT_TRUE(p.count({x0, y0}));
    EXPECT_FALSE(p.count({x1, y1}));
  }
}

TEST(QtDc, ConnectedLinesCloseAnOutlineExactly) {
  QImage image = drawn(24, 24, [](QtDc& dc) {
    dc.set_pen({kPenSolid, 0, kBlack});  // width 0 is one pixel
    dc.move_to(2, 2);
    for (auto [x, y] : {std::pair{8, 2}, {8, 6}, {2, 6}, {2, 2}, {2, 2}}) dc.line_to(x, y);
  });
  EXPECT_EQ(inked(image), minus(box(2, 2, 9, 7), box(3, 3, 8, 6)));
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
      {"corners given backwards", kPenSolid, 1, 8, 7, 2, 3, minus(box(2, 3, 8, 7), box(3, 4, 7, 6)),
       box(3, 4, 7, 6)},
      {"no pen: one pixel less right and bottom", kPenNull, 1, 0, 0, 4, 4, {}, box(0, 0, 3, 3)},
      {"wide pen", kPenSolid, 2, 1, 1, 7, 7, minus(box(1, 1, 7, 7), box(3, 3, 5, 5)),
       box(3, 3, 5, 5)},
      {"too small for an inside", kPenSolid, 2, 1, 1, 4, 9, box(1, 1, 4, 9), {}},
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

TEST(QtDc, DashedOnlyWhenOnePixelWideCountingFromTheStart) {
  struct Case {
    const char* name;
    DcPen pen;
    Pixels drawn;  // of the line from x = 39 leftwards to x = 0 at y = 1
  } cases[] = {
      // 18 drawn, 6 left out, 15 drawn.
      {"dash", {kPenDash, 1, kBlack}, minus(box(1, 1, 40, 2), box(16, 1, 22, 2))},
      {"unknown style draws solid", {3, 1, kBlack}, box(1, 1, 40, 2)},
      {"null pen", {kPenNull, 1, kBlack}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(inked(drawn(40, 4,
                          [&](QtDc& dc) {
                            dc.set_pen(c.pen);
                            dc.move_to(39, 1);
                            dc.line_to(0, 1);
                          })),
              c.drawn);
  }
  QImage wide = drawn(40, 8, [](QtDc& dc) {
    dc.set_pen({kPenDash, 3, kBlack});
    dc.move_to(0, 4);
    dc.line_to(39, 4);
  });
  for (int x = 0; x < 24; ++x) EXPECT_EQ(wide.pixel(x, 4), qRgb(0, 0, 0)) << x;
}

TEST(QtDc, PolygonFillsAlternately) {
  // A five-pointed star drawn in one go: its middle is crossed twice and
  // stays empty under the alternate rule.
  std::vector<IntPoint> star;
  for (int k = 0; k < 5; ++k) {
    double a = -std::numbers::pi / 2 + k * 4 * std::numbers::pi / 5;
    star.push_back({static_cast<int>(std::lround(30 + 28 * std::cos(a))),
                    static_cast<int>(std::lround(30 + 28 * std::sin(a)))});
  }
  auto fill = [](std::vector<IntPoint> points) {
    return [points](QtDc& dc) {
      dc.set_pen({kPenNull, 1, kBlack});
      dc.set_brush({BrushKind::kSolid, kBlack});
      dc.polygon(points);
    };
  };
  Pixels p = inked(drawn(60, 60, fill(star)));
  EXPECT_FALSE(p.count({30, 30}));  // the middle
  EXPECT_TRUE(p.count({30, 8}));    // inside the top point
  EXPECT_FALSE(p.count({2, 2}));
  EXPECT_EQ(inked(drawn(24, 24, fill({{0, 0}, {4, 0}, {4, 4}, {0, 4}}))), box(0, 0, 4, 4));
}

TEST(QtDc, NeverMixesColours) {
  QImage image = drawn(64, 64, [](QtDc& dc) {
    dc.set_brush({BrushKind::kSolid, kBlack});
    for (int width : {1, 2, 5, 9}) {
      dc.set_pen({kPenSolid, width, kBlack});
      dc.move_to(3, 5 + width);
      dc.line_to(60, 17 + 3 * width);
    }
    dc.polygon({{10, 40}, {50, 33}, {31, 62}});
  });
  EXPECT_EQ(inked(image).size(), inked(image, qRgb(0, 0, 0)).size());
}

TEST(QtDc, ColorrefIsBlueGreenRed) {
  EXPECT_EQ(to_qcolor(0x123456), QColor(0x56, 0x34, 0x12));
  QImage image(24, 24, QImage::Format_RGB32);
  image.fill(Qt::white);
  QtDc dc(image);
  dc.set_pixel(3, 4, 0x0000FF);
  dc.set_pixel(5, 4, 0x123456);
  dc.fill_rect(10, 10, 12, 11, 0xFF0000);
  EXPECT_EQ(image.pixelColor(3, 4), QColor(255, 0, 0));
  EXPECT_EQ(dc.get_pixel(5, 4), 0x123456u);
  EXPECT_EQ(dc.get_pixel(11, 10), 0xFF0000u);
  EXPECT_EQ(dc.get_pixel(12, 10), 0xFFFFFFu);
  EXPECT_EQ(dc.get_pixel(-1, 0), kInvalidColor);
  EXPECT_EQ(dc.get_pixel(0, 24), kInvalidColor);
}

// Coordinates far outside the device (a drawing zoomed a long way in) are
// clipped, not wrapped or rendered for ever.
TEST(QtDc, FarCoordinatesAreClipped) {
  constexpr int kMax = 2147483647, kMin = -2147483647 - 1;
  QImage image = drawn(24, 24, [](QtDc& dc) {
    dc.set_pen({kPenSolid, 1, kBlack});
    dc.move_to(-2000000000, 5);
    dc.line_to(2000000000, 5);
    dc.set_pixel(kMax, 0, kBlack);
    dc.fill_rect(kMin, 20, kMax, 22, kBlack);
    dc.set_brush({BrushKind::kNull, 0});
    dc.rectangle(kMin, kMin, kMax, kMax);
  });
  Pixels expected = box(0, 5, 24, 6);
  expected.merge(box(0, 20, 24, 22));
  EXPECT_EQ(inked(image), expected);
}

TEST(QtDc, ImagesGoOnOneToOneOrStretchedByNearestPixel) {
  EXPECT_EQ(make_bitmap_dc(0, 5), nullptr);
  EXPECT_EQ(make_bitmap_dc(5, -1), nullptr);
  // 2 x 2: red, green / blue, black (0x00RRGGBB, top row first)
  DcImage picture{2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000}};
  auto dc = make_bitmap_dc(4, 3);
  ASSERT_NE(dc, nullptr);
  dc->draw_image(1, 1, 2, 2, picture);
  EXPECT_EQ(dc->image().pixels,
            (std::vector<std::uint32_t>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,  //
                                        0xFFFFFF, 0xFF0000, 0x00FF00, 0xFFFFFF,  //
                                        0xFFFFFF, 0x0000FF, 0x000000, 0xFFFFFF}));

  auto big = make_bitmap_dc(4, 4);
  big->draw_image(0, 0, 4, 4, picture);
  DcImage stretched = big->image();
  const std::uint32_t expected[4] = {0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(stretched.pixels[1 * 4 + x], expected[x]) << x;
  EXPECT_EQ(stretched.pixels[3 * 4 + 0], 0x0000FFu);
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
  EXPECT_EQ(qAlpha(layer.pixel(0, 0)), 0);
}

}  // namespace
}  // namespace daub
