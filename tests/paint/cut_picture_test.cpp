#include "paint/cut_picture.h"

#include <gtest/gtest.h>

#include "drawing/bitmaps.h"
#include "paint/bmp_file.h"
#include "paint/picture_builder.h"
#include "shell/view.h"
#include "support/pixel_dc.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::PixelDc;

class CutPicture : public testing::Test {
 protected:
  void SetUp() override {
    t.ui.set_bitmap_dc_factory([](int w, int h) { return std::make_unique<PixelDc>(w, h); });
    center_view_on_client(t.app);
  }
  test::TestApp t;
};

TEST_F(CutPicture, PointsNotLeftAboveRightBelowGiveNothingSilently) {
  const DPoint a = to_world(t.app, 10, 10);
  const DPoint b = to_world(t.app, 50, 40);
  const DPoint cases[][2] = {{b, a}, {a, a}, {a, DPoint{b.x, a.y}}, {a, DPoint{a.x, b.y}}};
  for (const auto& c : cases) {
    EXPECT_EQ(CutMakeDIB(t.app, c[0], c[1]), std::nullopt);
    EXPECT_EQ(copy_view_rectangle_to_clipboard(t.app, c[0], c[1]), 0);
  }
  EXPECT_EQ(t.clipboard.dib(), std::nullopt);
  EXPECT_TRUE(t.messages().empty());
}

TEST_F(CutPicture, PicturesWhatTheDrawingShowsInTheRectangle) {
  const Dib element = test::gradient_picture(6, 4);
  const DPoint anchor = to_world(t.app, 300, 200);
  BitmapRecord tmpl;
  tmpl.x = anchor.x;
  tmpl.y = anchor.y;
  tmpl.rate = 1.0;
  ASSERT_GT(setbmp(t.app, tmpl, element, 1), 0);
  const View before = t.app.view;

  // A rectangle two pixels left of and above the element, larger than it.
  const DPoint p1 = to_world(t.app, 298, 198);
  const DPoint p2 = to_world(t.app, 308, 206);
  std::optional<Dib> cut = CutMakeDIB(t.app, p1, p2);
  ASSERT_TRUE(cut.has_value());
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(t.app.view.vieworigin_x, before.vieworigin_x);
  EXPECT_EQ(t.app.view.vieworigin_y, before.vieworigin_y);

  EXPECT_EQ(copy_view_rectangle_to_clipboard(t.app, p1, p2), 1);
  EXPECT_EQ(t.clipboard.dib(), dib_to_packed(*cut));

  DibInfo info = dib_info(*cut);
  ASSERT_TRUE(info.ok());
  ASSERT_EQ(info.width, 10);
  ASSERT_EQ(info.height, 8);
  DibInfo element_info = dib_info(element);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      // Stored row h − 1 − y holds screen row y.
      bool inside = x >= 2 && x < 8 && y >= 2 && y < 6;
      Colorref want = inside ? dib_pixel(element, element_info, x - 2, 3 - (y - 2)) : 0xFFFFFF;
      ASSERT_EQ(dib_pixel(*cut, info, x, 7 - y), want) << x << "," << y;
    }
}

TEST_F(CutPicture, NoOffScreenPictureMeansNoMemory) {
  t.ui.set_bitmap_dc_factory(nullptr);
  EXPECT_EQ(CutMakeDIB(t.app, to_world(t.app, 0, 0), to_world(t.app, 5, 5)), std::nullopt);
  EXPECT_EQ(t.last_message(), "CutMakeDIB\tCan not get memory");
  t.clear_log();
  t.app.settings.scale = 1000.0;  // a rectangle far larger than any picture may be
  EXPECT_EQ(CutMakeDIB(t.app, to_world(t.app, 0, 0), DPoint{1e6, 1e6}), std::nullopt);
  EXPECT_EQ(t.last_message(), "CutMakeDIB\tCan not get memory");
}

}  // namespace
}  // namespace daub
