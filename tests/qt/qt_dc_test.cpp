#include "platform/qt/qt_dc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

namespace daub {
namespace {

constexpr Colorref kWhite = 0xFFFFFF;
constexpr Colorref kBlack = 0x000000;

using Pixels = std::set<std::pair<int, int>>;

QImage white_image(int w = 24, int h = 24) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

// The pixels of the image that are not white.
Pixels inked(const QImage& image) {
  Pixels out;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) out.insert({x, y});
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
  struct Case {
    int x0, y0, x1, y1;
  };
  const Case cases[] = {
      {2, 5, 12, 5},  {12, 5, 2, 5},  {5, 2, 5, 12},  {5, 12, 5, 2},
      {2, 2, 12, 12}, {12, 12, 2, 2}, {2, 12, 12, 2}, {1, 3, 20, 9},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x0 << "," << c.y0 << " -> " << c.x1 << "," << c.y1);
    QImage image = white_image();
    {
      QtDc dc(image);
      dc.set_pen({kPenSolid, 1, kBlack});
      dc.move_to(c.x0, c.y0);
      dc.line_to(c.x1, c.y1);
    }
    Pixels p = inked(image);
    EXPECT_EQ(p.size(),
              static_cast<std::size_t>(std::max(std::abs(c.x1 - c.x0), std::abs(c.y1 - c.y0))));
    EXPECT_TRUE(p.count({c.x0, c.y0}));
    EXPECT_FALSE(p.count({c.x1, c.y1}));
  }
}

TEST(QtDc, HorizontalLineCoversExactlyItsPixels) {
  QImage image = white_image();
  {
    QtDc dc(image);
    dc.set_pen({kPenSolid, 0, kBlack});  // width 0 is one pixel
    dc.move_to(3, 7);
    dc.line_to(10, 7);
    dc.line_to(10, 7);  // no length: nothing
  }
  EXPECT_EQ(inked(image), box(3, 7, 10, 8));
}

TEST(QtDc, ConnectedLinesCloseAnOutline) {
  QImage image = white_image();
  {
    QtDc dc(image);
    dc.set_pen({kPenSolid, 1, kBlack});
    dc.move_to(2, 2);
    for (auto [x, y] : {std::pair{8, 2}, {8, 6}, {2, 6}, {2, 2}}) dc.line_to(x, y);
  }
  EXPECT_EQ(inked(image), minus(box(2, 2, 9, 7), box(3, 3, 8, 6)));
}

TEST(QtDc, RectangleStaysInsideItsHalfOpenBounds) {
  struct Case {
    const char* name;
    DcPen pen;
    DcBrush brush;
    int left, top, right, bottom;
    Pixels outline;
    Pixels fill;
  };
  const Case cases[] = {
      {"outline only",
       {kPenSolid, 1, kBlack},
       {BrushKind::kNull, 0},
       0,
       0,
       4,
       4,
       minus(box(0, 0, 4, 4), box(1, 1, 3, 3)),
       {}},
      {"outline and fill",
       {kPenSolid, 1, kBlack},
       {BrushKind::kSolid, 0x0000FF},
       2,
       3,
       8,
       7,
       minus(box(2, 3, 8, 7), box(3, 4, 7, 6)),
       box(3, 4, 7, 6)},
      {"corners given backwards",
       {kPenSolid, 1, kBlack},
       {BrushKind::kSolid, 0x0000FF},
       8,
       7,
       2,
       3,
       minus(box(2, 3, 8, 7), box(3, 4, 7, 6)),
       box(3, 4, 7, 6)},
      {"no pen: one pixel less right and bottom",
       {kPenNull, 1, kBlack},
       {BrushKind::kSolid, 0x0000FF},
       0,
       0,
       4,
       4,
       {},
       box(0, 0, 3, 3)},
      {"wide pen",
       {kPenSolid, 2, kBlack},
       {BrushKind::kSolid, 0x0000FF},
       1,
       1,
       7,
       7,
       minus(box(1, 1, 7, 7), box(3, 3, 5, 5)),
       box(3, 3, 5, 5)},
      {"too small for an inside",
       {kPenSolid, 2, kBlack},
       {BrushKind::kSolid, 0x0000FF},
       1,
       1,
       4,
       9,
       box(1, 1, 4, 9),
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage image = white_image();
    {
      QtDc dc(image);
      dc.set_pen(c.pen);
      dc.set_brush(c.brush);
      dc.rectangle(c.left, c.top, c.right, c.bottom);
    }
    Pixels black, red;
    for (const auto& [x, y] : inked(image))
      (image.pixel(x, y) == qRgb(0, 0, 0) ? black : red).insert({x, y});
    EXPECT_EQ(black, c.outline);
    EXPECT_EQ(red, c.fill);
  }
}

TEST(QtDc, DashedOnlyWhenOnePixelWide) {
  struct Case {
    const char* name;
    DcPen pen;
    int drawn_in_first_24;
  };
  const Case cases[] = {
      {"dash", {kPenDash, 1, kBlack}, 18},
      {"wide dash draws solid", {kPenDash, 3, kBlack}, 24},
      {"unknown style draws solid", {3, 1, kBlack}, 24},
      {"null pen", {kPenNull, 1, kBlack}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage image = white_image(40, 24);
    {
      QtDc dc(image);
      dc.set_pen(c.pen);
      dc.move_to(0, 10);
      dc.line_to(39, 10);
    }
    int drawn = 0;
    for (int x = 0; x < 24; ++x) drawn += image.pixel(x, 10) != qRgb(255, 255, 255);
    EXPECT_EQ(drawn, c.drawn_in_first_24);
    if (c.pen.style == kPenDash && c.pen.width == 1) {
      EXPECT_EQ(inked(image).count({17, 10}), 1u);
      EXPECT_EQ(inked(image).count({18, 10}), 0u);
      EXPECT_EQ(inked(image).count({24, 10}), 1u);
    }
  }
}

TEST(QtDc, DashesCountFromTheStart) {
  QImage image = white_image(40, 4);
  {
    QtDc dc(image);
    dc.set_pen({kPenDash, 1, kBlack});
    dc.move_to(39, 1);
    dc.line_to(0, 1);
  }
  // 39 pixels from x = 39 down to x = 1: 18 drawn, 6 left out, 15 drawn.
  EXPECT_EQ(inked(image), minus(box(1, 1, 40, 2), box(16, 1, 22, 2)));
}

TEST(QtDc, PolygonFillsAlternately) {
  // A five-pointed star drawn in one go: its middle is crossed twice and
  // stays empty under the alternate rule.
  std::vector<IntPoint> star;
  for (int k = 0; k < 5; ++k) {
    double a = -3.14159265359 / 2 + k * 4 * 3.14159265359 / 5;
    star.push_back({static_cast<int>(std::lround(30 + 28 * std::cos(a))),
                    static_cast<int>(std::lround(30 + 28 * std::sin(a)))});
  }
  QImage image = white_image(60, 60);
  {
    QtDc dc(image);
    dc.set_pen({kPenNull, 1, kBlack});
    dc.set_brush({BrushKind::kSolid, kBlack});
    dc.polygon(star);
  }
  Pixels p = inked(image);
  EXPECT_FALSE(p.count({30, 30}));  // the middle
  EXPECT_TRUE(p.count({30, 8}));    // inside the top point
  EXPECT_FALSE(p.count({2, 2}));

  QImage square = white_image();
  {
    QtDc dc(square);
    dc.set_pen({kPenNull, 1, kBlack});
    dc.set_brush({BrushKind::kSolid, kBlack});
    dc.polygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
  }
  EXPECT_EQ(inked(square), box(0, 0, 4, 4));
}

TEST(QtDc, NeverMixesColours) {
  QImage image = white_image(64, 64);
  {
    QtDc dc(image);
    dc.set_brush({BrushKind::kSolid, kBlack});
    for (int width : {1, 2, 5, 9}) {
      dc.set_pen({kPenSolid, width, kBlack});
      dc.move_to(3, 5 + width);
      dc.line_to(60, 17 + 3 * width);
      dc.move_to(5 + 3 * width, 2);
      dc.line_to(9 + 5 * width, 61);
    }
    dc.polygon({{10, 40}, {50, 33}, {31, 62}});
  }
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      QRgb p = image.pixel(x, y);
      ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
    }
}

TEST(QtDc, ColorrefIsBlueGreenRed) {
  EXPECT_EQ(to_qcolor(0x0000FF), QColor(255, 0, 0));
  EXPECT_EQ(to_qcolor(0x00FF00), QColor(0, 255, 0));
  EXPECT_EQ(to_qcolor(0xFF0000), QColor(0, 0, 255));
  EXPECT_EQ(to_qcolor(0x123456), QColor(0x56, 0x34, 0x12));

  QImage image = white_image();
  QtDc dc(image);
  dc.set_pixel(3, 4, 0x0000FF);
  dc.set_pixel(5, 4, 0x123456);
  dc.fill_rect(10, 10, 12, 11, 0xFF0000);
  EXPECT_EQ(image.pixelColor(3, 4), QColor(255, 0, 0));
  EXPECT_EQ(dc.get_pixel(3, 4), 0x0000FFu);
  EXPECT_EQ(dc.get_pixel(5, 4), 0x123456u);
  EXPECT_EQ(dc.get_pixel(11, 10), 0xFF0000u);
  EXPECT_EQ(dc.get_pixel(12, 10), kWhite);
  EXPECT_EQ(dc.get_pixel(-1, 0), kInvalidColor);
  EXPECT_EQ(dc.get_pixel(0, 24), kInvalidColor);
}

// Coordinates far outside the device (a drawing zoomed a long way in) are
// clipped, not wrapped or rendered for ever.
TEST(QtDc, FarCoordinatesAreClipped) {
  QImage image = white_image();
  {
    QtDc dc(image);
    dc.set_pen({kPenSolid, 1, kBlack});
    dc.move_to(-2000000000, 5);
    dc.line_to(2000000000, 5);
    dc.set_pixel(2147483647, 0, kBlack);
    dc.fill_rect(-2147483647 - 1, 20, 2147483647, 22, kBlack);
    dc.set_brush({BrushKind::kNull, 0});
    dc.rectangle(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647);
  }
  Pixels expected = box(0, 5, 24, 6);
  for (const auto& p : box(0, 20, 24, 22)) expected.insert(p);
  EXPECT_EQ(inked(image), expected);
}

TEST(QtDc, ImagesGoOnOneToOneOrStretchedByNearestPixel) {
  // 2 x 2: red, green / blue, black (0x00RRGGBB, top row first)
  DcImage picture{2, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x000000}};
  auto dc = make_bitmap_dc(6, 6);
  ASSERT_NE(dc, nullptr);
  dc->draw_image(1, 1, 2, 2, picture);
  DcImage one = dc->image();
  ASSERT_EQ(one.width, 6);
  EXPECT_EQ(one.pixels[0], 0xFFFFFFu);  // outside stays white
  EXPECT_EQ(one.pixels[1 * 6 + 1], 0xFF0000u);
  EXPECT_EQ(one.pixels[1 * 6 + 2], 0x00FF00u);
  EXPECT_EQ(one.pixels[2 * 6 + 1], 0x0000FFu);
  EXPECT_EQ(one.pixels[2 * 6 + 2], 0x000000u);

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

TEST(QtDc, BitmapDcRefusesEmptySizesAndStartsWhite) {
  EXPECT_EQ(make_bitmap_dc(0, 5), nullptr);
  EXPECT_EQ(make_bitmap_dc(5, -1), nullptr);
  auto dc = make_bitmap_dc(3, 2);
  ASSERT_NE(dc, nullptr);
  dc->set_pixel(2, 1, 0x0000FF);  // COLORREF red
  DcImage image = dc->image();
  ASSERT_EQ(image.pixels.size(), 6u);
  EXPECT_EQ(image.pixels[0], 0xFFFFFFu);
  EXPECT_EQ(image.pixels[5], 0xFF0000u);  // device form is 0x00RRGGBB
}

}  // namespace
}  // namespace daub
