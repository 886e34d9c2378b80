// Commands: 670 and 824 build the matte from the drawing, 676 composes the
// canvases as they are, 674 undoes, 779 is the negative.

#include "paint/matte.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "drawing/line_fixtures.h"
#include "paint/canvas.h"
#include "paint/canvas_ops.h"
#include "render/view.h"
#include "shell/command_table.h"
#include "support/picture_builder.h"
#include "support/pixel_dc.h"
#include "support/test_app.h"

namespace daub {
namespace {

constexpr Colorref kWhite = rgb(255, 255, 255);

Colorref grey(int v) { return rgb(v, v, v); }

// A 24-bit picture whose pixel (x, y from the top) is f(x, y).
Dib picture(int w, int h, const std::function<Colorref(int, int)>& f) {
  return test::make_picture(w, h, 24, {}, [&](int x, int y) { return f(x, h - 1 - y); });
}

constexpr auto plain = test::plain_picture;
constexpr auto at = test::top_pixel;

// One channel through the matte, said the plain way.
int through(int m, int c1, int c3) {
  if (m == 0) return c1;
  const double a = m / 255.0;
  return static_cast<int>((1.0 - a) * c1 + a * c3);
}

Colorref through_grey(int m, Colorref c1, Colorref c3) {
  return rgb(through(m, c1 & 0xFF, c3 & 0xFF), through(m, c1 >> 8 & 0xFF, c3 >> 8 & 0xFF),
             through(m, c1 >> 16 & 0xFF, c3 >> 16 & 0xFF));
}

TEST(MattePictures, ChannelArithmeticInsideTheBorder) {
  const Colorref c1 = rgb(10, 200, 90), c3 = rgb(250, 0, 33);
  // Matte values by column; the first and last columns and rows are white
  // but must not be used.
  const int values[] = {255, 0, 128, 255, 1, 255};
  const Dib matte =
      picture(6, 4, [&](int x, int y) { return y == 0 || y == 3 ? kWhite : grey(values[x]); });
  const Dib colour = plain(6, 4, c3);
  Dib dst = plain(6, 4, c1);
  ASSERT_EQ(matte_pictures(dst, {&matte, 0, 0}, {&colour, 0, 0}), OpStatus::kDone);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      const bool inside = x >= 1 && x <= 4 && y >= 1 && y <= 2;
      EXPECT_EQ(at(dst, x, y), inside ? through_grey(values[x], c1, c3) : c1);
    }
  }
  EXPECT_EQ(at(dst, 3, 1), c3);  // m = 255 takes the colour
  // Each channel of the matte weighs its own channel.
  const Dib mixed = plain(3, 3, rgb(255, 0, 128)), cyan = plain(3, 3, rgb(0, 255, 255));
  Dib grey_dst = plain(3, 3, grey(100));
  matte_pictures(grey_dst, {&mixed, 0, 0}, {&cyan, 0, 0});
  EXPECT_EQ(at(grey_dst, 1, 1), rgb(0, 100, through(128, 100, 255)));
}

// An app that can render off-screen pictures, with canvas 1 dark blue,
// 40 × 30 at (10, 10).
struct MatteApp : test::TestApp {
  MatteApp() {
    ui.set_bitmap_dc_factory([](int w, int h) { return std::make_unique<test::PixelDc>(w, h); });
    center_view_on_client(app);
    make_canvas(app, 1, {10, 10}, {50, 40}, kCanvas);
  }
  static constexpr Colorref kCanvas = rgb(0, 0, 120);
};

void run(test::TestApp& t, int id) { MenuCommand(t.app, static_cast<std::uint32_t>(id), 0); }

CanvasSlot& slot(test::TestApp& t, int n) { return *canvas_slot(t.app, n); }

// A horizontal line of layer 1 across the canvas at world height y.
void add_line(App& app, double y, int width, Colorref color) {
  LineRecord line, stored;
  line.pen.width = width;
  line.pen.color = color;
  line.geom = test::straight(15, y, 45, y);
  int number = 0;
  ASSERT_GT(setskl(app, line, stored, number, 1, GeometryCheck::kTrusted), 0);
}

// Canvases 2 and 3 and the drawing come back exactly, whether the matte
// was made or a burn failed; a failed matte keeps canvas 1 and the undo copy
// of the change before it.
TEST(MatteCommands, CanvasesTwoThreeAndTheDrawingComeBack) {
  for (bool can_render : {true, false}) {
    SCOPED_TRACE(can_render);
    MatteApp t;
    add_line(t.app, 25, 4, rgb(1, 2, 3));
    slot(t, 2).image = test::gradient_picture(7, 5);
    slot(t, 2).x = 3.5, slot(t, 2).y = -4, slot(t, 2).shown = 1;
    slot(t, 3).x = 7, slot(t, 3).frame = 1;
    const CanvasSlot two = slot(t, 2), three = slot(t, 3);
    const std::vector<std::uint8_t> drawing = t.app.drawing.bytes();
    const Dib before = slot(t, 1).image;
    run(t, 779);  // negative: the undo copy is the picture before
    const Dib negative = slot(t, 1).image;
    if (!can_render) t.ui.set_bitmap_dc_factory(nullptr);
    run(t, 824);
    EXPECT_EQ(t.app.drawing.bytes(), drawing);
    for (const auto& [now, was] : {std::pair{slot(t, 2), two}, std::pair{slot(t, 3), three}}) {
      EXPECT_EQ(now.image, was.image);
      EXPECT_EQ(std::tie(now.x, now.y, now.shown, now.frame),
                std::tie(was.x, was.y, was.shown, was.frame));
    }
    EXPECT_EQ(slot(t, 1).image == negative, !can_render);
    EXPECT_EQ(t.last_message(), can_render ? "" : "CutMakeDIB\tCan not get memory");
    if (!can_render) {
      run(t, 674);
      EXPECT_EQ(slot(t, 1).image, before);
    }
  }
}

TEST(MatteCommands, ComposeTakesTheCanvasesAsTheyAre) {
  MatteApp t;
  const Dib before = slot(t, 1).image;
  slot(t, 2).image = plain(5, 5, grey(128));
  slot(t, 2).x = 20.5, slot(t, 2).y = 20;  // half a pixel right of canvas 1's column 10
  slot(t, 3).image = plain(8, 8, rgb(200, 100, 0));
  slot(t, 3).x = slot(t, 3).y = 18;
  run(t, 676);
  const Dib& one = slot(t, 1).image;
  const Colorref laid = through_grey(128, MatteApp::kCanvas, rgb(200, 100, 0));
  EXPECT_EQ(at(one, 12, 11), laid);               // matte column 1.5, row 1
  EXPECT_EQ(at(one, 11, 11), MatteApp::kCanvas);  // would sample the border column
  EXPECT_EQ(at(one, 12, 10), MatteApp::kCanvas);  // the border row
  run(t, 674);
  EXPECT_EQ(slot(t, 1).image, before);
}

}  // namespace
}  // namespace daub
