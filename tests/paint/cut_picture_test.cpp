#include "paint/cut_picture.h"

#include <gtest/gtest.h>

#include <tuple>

#include "drawing/bitmaps.h"
#include "picture/bmp_file.h"
#include "render/view.h"
#include "support/picture_builder.h"
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

TEST_F(CutPicture, PointsNotLeftAboveRightBelowGiveNothing) {
  const DPoint a = to_world(t.app, 10, 10), b = to_world(t.app, 50, 40);
  const DPoint cases[][2] = {{b, a}, {a, DPoint{b.x, a.y}}};
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
  tmpl.x = anchor.x, tmpl.y = anchor.y, tmpl.rate = 1.0;
  ASSERT_GT(setbmp(t.app, tmpl, element, 1), 0);
  const View before = t.app.view;
  // A rectangle two pixels left of and above the element, larger than it.
  const DPoint p1 = to_world(t.app, 298, 198), p2 = to_world(t.app, 308, 206);
  const Dib cut = CutMakeDIB(t.app, p1, p2).value_or(Dib());
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(std::tie(t.app.view.vieworigin_x, t.app.view.vieworigin_y),
            std::tie(before.vieworigin_x, before.vieworigin_y));
  EXPECT_EQ(copy_view_rectangle_to_clipboard(t.app, p1, p2), 1);
  EXPECT_EQ(t.clipboard.dib(), dib_to_packed(cut));

  const DibInfo info = dib_info(cut), element_info = dib_info(element);
  ASSERT_EQ((IntPoint{info.width, info.height}), (IntPoint{10, 8}));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) {
      // Stored row h − 1 − y holds screen row y.
      bool inside = x >= 2 && x < 8 && y >= 2 && y < 6;
      Colorref want = inside ? dib_pixel(element, element_info, x - 2, 3 - (y - 2)) : 0xFFFFFF;
      ASSERT_EQ(dib_pixel(cut, info, x, 7 - y), want) << x << "," << y;
    }
}

}  // namespace
}  // namespace daub
