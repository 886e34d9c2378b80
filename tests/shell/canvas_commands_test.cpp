// The canvas commands and mouse commands through the window's handlers; files
// and the clipboard are the canvas_file script's.

#include <gtest/gtest.h>

#include <string>

#include "drawing/bitmaps.h"
#include "paint/canvas.h"
#include "render/view.h"
#include "support/picture_builder.h"
#include "support/pixel_dc.h"
#include "support/window_drive.h"

namespace daub {
namespace {

// An app with canvas 1 white, 400 × 300 at (10, 10), as after start-up.
struct CanvasApp : test::TestApp {
  CanvasApp() { make_canvas(app, 1, {10, 10}, {410, 310}, rgb(255, 255, 255)); }
};
using TestApp = CanvasApp;
using test::drag;
using test::picture_size;
using test::run;

CanvasSlot& slot(TestApp& t, int n) { return *canvas_slot(t.app, n); }

Colorref first_pixel(const Dib& dib) { return dib_pixel(dib, dib_info(dib), 0, 0); }

TEST(CanvasCommands, ParameterInput) {
  struct Case {
    int id;
    const char* typed;
    IntPoint size;  // canvas 1 afterwards (400 × 300 at start)
  };
  const Case cases[] = {
      {652, "2", {800, 600}},     {701, "2", {400, 300}},  // canvas 2 has no picture
      {797, "1,0.5", {400, 150}}, {667, "2", {200, 150}},
      {652, "nan", {400, 300}},   {683, "-1,20", {400, 300}},  // refused
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " " << c.typed);
    TestApp t;
    t.answer(ScriptAnswer::kInput, c.typed);
    run(t, c.id);
    EXPECT_EQ(picture_size(slot(t, 1).image), c.size);
  }
}

TEST(CanvasCommands, RefusedInputKeepsTheUndoCopy) {
  TestApp t;
  run(t, 779);  // negative: the undo copy is the white picture
  t.answer(ScriptAnswer::kInput, "-10");
  run(t, 686);
  undo_canvas_change(t.app, 1);
  EXPECT_EQ(first_pixel(slot(t, 1).image), rgb(255, 255, 255));
  run(t, 779);
  t.answer(ScriptAnswer::kInput, "1e9");
  run(t, 652);  // too large
  EXPECT_EQ(t.last_message(), "MakeDIB\tCan not get memory");
  EXPECT_EQ(picture_size(slot(t, 1).image), (IntPoint{400, 300}));
  undo_canvas_change(t.app, 1);  // still the step before the refused one
  EXPECT_EQ(first_pixel(slot(t, 1).image), rgb(255, 255, 255));
}

TEST(CanvasCommands, BitmapSizeGoesToTheCurrentPoint) {
  TestApp t;
  t.app.settings.color = rgb(1, 2, 3);
  test::set_point(t, 70, 80);
  t.answer(ScriptAnswer::kInput, "3,4");
  run(t, 692);
  EXPECT_EQ(picture_size(slot(t, 2).image), (IntPoint{3, 4}));
  EXPECT_EQ(first_pixel(slot(t, 2).image), rgb(1, 2, 3));
  EXPECT_EQ(std::pair(slot(t, 2).x, slot(t, 2).shown), std::pair(70.0, 1));
}

// Burning needs an off-screen picture; without one the canvas keeps its
// picture, and the shown flags and the view scale come back.
TEST(CanvasCommands, FailedBurnRestoresTheView) {
  TestApp t;
  make_canvas(t.app, 2, {0, 0}, {5, 5}, 0);
  slot(t, 2).shown = 1;
  t.app.settings.scale = 3;
  const Dib before = slot(t, 2).image;
  run(t, 713);
  EXPECT_EQ(t.last_message(), "CutMakeDIB\tCan not get memory");
  EXPECT_EQ(slot(t, 2).image, before);
  EXPECT_EQ(std::pair(slot(t, 1).shown, t.app.settings.scale), std::pair(1, 3.0));
}

TEST(CanvasCommands, CopiesBetweenCanvases) {
  TestApp t;
  make_canvas(t.app, 2, {-5, 7}, {-2, 9}, rgb(1, 2, 3));
  run(t, 761);  // canvas 1 := canvas 2
  EXPECT_EQ(slot(t, 1).image, slot(t, 2).image);
  EXPECT_EQ(std::pair(slot(t, 1).y, t.app.in.dispmode), std::pair(7.0, 2));
  run(t, 700);  // canvas 2 := canvas 3, which has no picture
  EXPECT_EQ(picture_size(slot(t, 2).image), (IntPoint{3, 2}));
  run(t, 729);  // canvas 3 := canvas 1
  EXPECT_EQ(slot(t, 3).image, slot(t, 1).image);
  EXPECT_EQ(slot(t, 3).shown, 1);
}

// 1113 leaves its rectangle as the enclosure; the enclosure cuts (684, 695,
// 725) take what the view shows inside it.
TEST(CanvasMouse, CutRectangleBecomesTheEnclosure) {
  TestApp t;
  // Cuts render into an off-screen picture that keeps pixels and images.
  t.ui.set_bitmap_dc_factory([](int w, int h) { return std::make_unique<test::PixelDc>(w, h); });
  drag(t, 1113, 120, 90, 20, 40);
  ASSERT_EQ(t.app.enclosure.size(), 4u);
  EXPECT_EQ(std::pair(t.app.enclosure[0], t.app.enclosure[2]),
            std::pair(to_world(t.app, 20, 40), to_world(t.app, 120, 90)));
  EXPECT_EQ(picture_size(slot(t, 1).image), (IntPoint{100, 50}));

  test::set_point(t, 500, 400);
  make_canvas(t.app, 2, {0, 0}, {3, 3}, 0);
  const Dib black = slot(t, 2).image;
  run(t, 695);
  EXPECT_EQ(slot(t, 2).image, slot(t, 1).image);  // canvas 1 lies exactly under the rectangle
  EXPECT_EQ(std::tuple(slot(t, 2).x, slot(t, 2).shown, t.app.in.dispmode), std::tuple(500.0, 1, 2));
  run(t, 707);  // the cut can be undone
  EXPECT_EQ(slot(t, 2).image, black);
}

TEST(CanvasMouse, ResizeKeepsProportionsMoveFollowsTheDragInWorldUnits) {
  TestApp t;
  make_canvas(t.app, 1, {0, 0}, {100, 100}, rgb(9, 9, 9));
  const IntPoint from = to_screen(t.app, 10, 20), to = to_screen(t.app, 210, 70);
  drag(t, 1114, from.x, from.y, to.x, to.y);
  EXPECT_EQ(picture_size(slot(t, 1).image), (IntPoint{200, 200}));
  EXPECT_EQ(std::pair(slot(t, 1).x, slot(t, 1).y), std::pair(10.0, 20.0));

  t.app.settings.scale = 2;
  run(t, 651);
  drag(t, 0, 100, 200, 160);  // pressed inside the canvas
  EXPECT_EQ(std::tuple(slot(t, 1).x, slot(t, 1).y, t.app.in.dispmode), std::tuple(110.0, 50.0, 2));
}

}  // namespace
}  // namespace daub
