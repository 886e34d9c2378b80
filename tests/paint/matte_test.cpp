// Matte compositing: the picture operation that lays a colour picture over
// another through a matte, the antialiased burn, and the commands that build
// the matte from the drawing (670, 824) or compose the canvases as they are
// (676).

#include "paint/matte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "drawing/line_fixtures.h"
#include "paint/canvas.h"
#include "paint/canvas_burn.h"
#include "paint/canvas_ops.h"
#include "paint/picture_builder.h"
#include "shell/command_table.h"
#include "shell/view.h"
#include "support/pixel_dc.h"
#include "support/test_app.h"

namespace daub {
namespace {

constexpr Colorref kWhite = rgb(255, 255, 255);
constexpr Colorref kBlack = rgb(0, 0, 0);

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

// Whole-pixel offsets align each picture on its own; only where both
// aligned pixels are inside their pictures does anything change.
TEST(MattePictures, WholeOffsetsAlignEachPicture) {
  const Dib matte = plain(4, 4, kWhite);  // inside: columns and rows 1..2
  const Dib colour = picture(5, 5, [](int x, int y) { return rgb(x * 40, y * 40, 7); });
  Dib dst = plain(8, 8, kBlack);
  ASSERT_EQ(matte_pictures(dst, {&matte, 2, 1}, {&colour, 1, 2}), OpStatus::kDone);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      const bool in_matte = x >= 3 && x <= 4 && y >= 2 && y <= 3;
      const bool in_colour = x >= 2 && x <= 4 && y >= 3 && y <= 5;
      EXPECT_EQ(at(dst, x, y), in_matte && in_colour ? rgb((x - 1) * 40, (y - 2) * 40, 7) : kBlack);
    }
  }
}

// A matte half a pixel off the grid is sampled between its pixels: across
// (its columns step by 50) and down (its rows step by 40), either way.
TEST(MattePictures, SubPixelOffsetsSampleBetweenPixels) {
  const Dib across = picture(5, 5, [](int x, int) { return grey(50 * x); });
  const Dib down = picture(5, 5, [](int, int y) { return grey(40 * y); });
  const Dib colour = plain(9, 9, kWhite);
  struct Case {
    const Dib* matte;
    double dx, dy;
    int x, y;  // a pixel of the result
    int m;     // the matte value it sees
  };
  const Case cases[] = {
      {&across, 0.5, 0, 2, 2, 75},     // position 1.5 between 50 and 100
      {&across, -0.25, 0, 2, 2, 112},  // position 2.25: 100 + 12.5
      {&down, 0, 0.5, 2, 2, 60},       // row 1.5 between 40 and 80
      {&down, 0, -0.25, 2, 1, 50},     // row 1.25: 40 + 10
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
    Dib dst = plain(5, 5, kBlack);
    ASSERT_EQ(matte_pictures(dst, {c.matte, c.dx, c.dy}, {&colour, -2, -2}), OpStatus::kDone);
    EXPECT_EQ(at(dst, c.x, c.y), grey(through(c.m, 0, 255)));
  }
  // Half a pixel to the right: column 1 would sample the border column 0.
  Dib dst = plain(5, 5, kBlack);
  matte_pictures(dst, {&across, 0.5, 0}, {&colour, -2, -2});
  EXPECT_EQ(at(dst, 1, 2), kBlack);
}

TEST(MattePictures, MissingPicturesChangeNothing) {
  const Dib matte = plain(3, 3, kWhite);
  const Dib none;
  Dib dst = plain(3, 3, kBlack);
  EXPECT_EQ(matte_pictures(dst, {&none, 0, 0}, {&matte, 0, 0}), OpStatus::kUnchanged);
  EXPECT_EQ(matte_pictures(dst, {&matte, 0, 0}, {nullptr, 0, 0}), OpStatus::kUnchanged);
  EXPECT_EQ(matte_pictures(dst, {&matte, NAN, 0}, {&matte, 0, 0}), OpStatus::kDone);
  EXPECT_EQ(dst, plain(3, 3, kBlack));
  Dib empty;
  EXPECT_EQ(matte_pictures(empty, {&matte, 0, 0}, {&matte, 0, 0}), OpStatus::kUnchanged);
}

// An app that can render off-screen pictures, with canvas 1 dark blue,
// 40 × 30 at (10, 10).
struct MatteApp : test::TestApp {
  MatteApp() {
    ui.set_bitmap_dc_factory([this](int w, int h) {
      asked.push_back({w, h});
      return std::make_unique<test::PixelDc>(w, h);
    });
    center_view_on_client(app);
    make_canvas(app, 1, {10, 10}, {50, 40}, kCanvas);
  }
  static constexpr Colorref kCanvas = rgb(0, 0, 120);
  std::vector<IntPoint> asked;  // sizes of the off-screen pictures
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

TEST(MatteBurn, AntialiasedBurnAveragesTheDoubleScale) {
  for (bool antialiased : {false, true}) {
    SCOPED_TRACE(antialiased);
    MatteApp t;
    make_canvas(t.app, 2, {10, 10}, {30, 20}, kBlack);
    add_line(t.app, 14, 0, kWhite);  // one device pixel wide at any scale
    t.app.settings.scale = 3;
    slot(t, 1).shown = 1;
    ASSERT_EQ(burn_drawing(t.app, 2, antialiased), 1) << t.last_message();
    EXPECT_EQ(t.asked.back(), antialiased ? (IntPoint{40, 20}) : (IntPoint{20, 10}));
    const Dib& burnt = slot(t, 2).image;
    EXPECT_EQ(dib_info(burnt).width, 20);
    EXPECT_EQ(at(burnt, 10, 4), antialiased ? grey(127) : kWhite);  // half the rows of 2 × 2
    EXPECT_EQ(at(burnt, 10, 3), kBlack);
    EXPECT_EQ(t.app.settings.scale, 3);
    EXPECT_EQ(slot(t, 1).shown, 1);
    EXPECT_EQ(slot(t, 2).shown, 0);
  }
}

// A white line 4 wide over the canvas at height 25 (canvas row 15); at the
// double scale its edges cover half of canvas rows 13 and 17.
TEST(MatteCommands, TheDrawingIsLaidOverCanvasOneThroughItsMatte) {
  MatteApp t;
  const Dib before = slot(t, 1).image;
  add_line(t.app, 25, 4, kWhite);
  run(t, 670);
  const Dib& one = slot(t, 1).image;
  EXPECT_EQ(at(one, 20, 15), kWhite);
  EXPECT_EQ(at(one, 20, 13), through_grey(127, MatteApp::kCanvas, grey(127)));
  EXPECT_EQ(at(one, 20, 2), MatteApp::kCanvas);
  EXPECT_EQ(at(one, 2, 15), MatteApp::kCanvas);
  EXPECT_GT(t.ui.repaint_count(), 0);
  run(t, 674);  // one undo brings canvas 1 back
  EXPECT_EQ(slot(t, 1).image, before);
}

// Canvases 2 and 3 and the drawing come back exactly, whether the matte
// was made or a burn failed.
TEST(MatteCommands, CanvasesTwoThreeAndTheDrawingComeBack) {
  for (bool can_render : {true, false}) {
    SCOPED_TRACE(can_render);
    MatteApp t;
    if (!can_render) t.ui.set_bitmap_dc_factory(nullptr);
    add_line(t.app, 25, 4, rgb(1, 2, 3));
    slot(t, 2).image = test::gradient_picture(7, 5);
    slot(t, 2).x = 3.5;
    slot(t, 2).y = -4;
    slot(t, 2).shown = 1;
    slot(t, 3).x = 7;
    slot(t, 3).frame = 1;
    const CanvasSlot two = slot(t, 2), three = slot(t, 3);
    const std::vector<std::uint8_t> drawing = t.app.drawing.bytes();
    const Dib one = slot(t, 1).image;
    run(t, 824);
    EXPECT_EQ(t.app.drawing.bytes(), drawing);
    for (const auto& [now, was] : {std::pair{slot(t, 2), two}, std::pair{slot(t, 3), three}}) {
      EXPECT_EQ(now.image, was.image);
      EXPECT_EQ(now.x, was.x);
      EXPECT_EQ(now.y, was.y);
      EXPECT_EQ(now.shown, was.shown);
      EXPECT_EQ(now.frame, was.frame);
    }
    EXPECT_EQ(slot(t, 1).image == one, !can_render);
    EXPECT_EQ(t.last_message(), can_render ? "" : "CutMakeDIB\tCan not get memory");
  }
}

// A failed matte keeps the undo copy of the change before it.
TEST(MatteCommands, FailureKeepsCanvasOneAndItsUndo) {
  MatteApp t;
  const Dib before = slot(t, 1).image;
  run(t, 779);  // negative: the undo copy is the picture before
  const Dib negative = slot(t, 1).image;
  t.ui.set_bitmap_dc_factory(nullptr);
  run(t, 670);
  EXPECT_EQ(slot(t, 1).image, negative);
  run(t, 674);
  EXPECT_EQ(slot(t, 1).image, before);
}

TEST(MatteCommands, NoPictureInCanvasOneDoesNothing) {
  MatteApp t;
  erase_canvas(t.app, 1);
  slot(t, 2).image = plain(4, 4, kWhite);
  slot(t, 3).image = plain(4, 4, kWhite);
  for (int id : {670, 824, 676}) run(t, id);
  EXPECT_TRUE(slot(t, 1).image.empty());
  EXPECT_EQ(slot(t, 2).image, plain(4, 4, kWhite));
  EXPECT_TRUE(t.messages().empty());
  EXPECT_TRUE(t.asked.empty());
}

// 676 composes what canvases 2 and 3 hold, placed by their positions.
TEST(MatteCommands, ComposeTakesTheCanvasesAsTheyAre) {
  MatteApp t;
  const Dib before = slot(t, 1).image;
  slot(t, 2).image = plain(5, 5, grey(128));
  slot(t, 2).x = 20.5;  // half a pixel right of canvas 1's column 10
  slot(t, 2).y = 20;
  slot(t, 3).image = plain(8, 8, rgb(200, 100, 0));
  slot(t, 3).x = 18;
  slot(t, 3).y = 18;
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
