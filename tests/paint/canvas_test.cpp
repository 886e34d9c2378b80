// The canvas slots: making, erasing, the shared undo copy, showing them with
// their frames, and strokes painted through the mouse compared with the plain
// forms of the brush. At the start-up view world and client pixels coincide,
// and canvas 1 is a white 400 × 300 picture at (10, 10).

#include "paint/canvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "paint/picture_builder.h"
#include "paint/stroke.h"
#include "platform/recording_dc.h"
#include "shell/display.h"
#include "shell/view.h"
#include "shell/window.h"
#include "support/pixel_dc.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

const char kNoMemory[] = "MakeDIB\tCan not get memory";

constexpr auto pixel = test::top_pixel;
constexpr auto size_of = test::picture_size;

const Dib& image(TestApp& t, int slot) { return canvas_slot(t.app, slot)->image; }

// Canvas pixels that differ between two pictures of one size.
std::vector<IntPoint> changed_pixels(const Dib& before, const Dib& after) {
  std::vector<IntPoint> out;
  const IntPoint size = size_of(before);
  for (int y = 0; y < size.y; ++y)
    for (int x = 0; x < size.x; ++x)
      if (pixel(before, x, y) != pixel(after, x, y)) out.push_back({x, y});
  return out;
}

// A drag through the window handlers: press, every move, release.
void drag_through(TestApp& t, const std::vector<IntPoint>& path) {
  on_lbutton_down(t.app, path.front().x, path.front().y);
  for (std::size_t i = 1; i + 1 < path.size(); ++i) on_mouse_move(t.app, path[i].x, path[i].y);
  on_lbutton_up(t.app, path.back().x, path.back().y);
}

// What the plain brush makes of `segments` on a copy of the slot's picture.
Dib plain_reference(TestApp& t, int slot, const SegmentBuffer& segments, BlendKind kind) {
  const CanvasSlot& s = *canvas_slot(t.app, slot);
  Dib copy = s.image;
  const std::optional<CanvasView> view = canvas_view(copy);
  Mask mask = make_mask(view->w, view->h);
  for (const ExtractionItem& item : segments) {
    LineGeometry g = item.geom;
    g.x0 -= s.x;
    g.x1 -= s.x;
    g.y0 -= s.y;
    g.y1 -= s.y;
    rasterise_segment_plain(t.app, g, t.app.brush, mask);
  }
  blend_mask_plain(*view, mask, kind, t.app.settings.color);
  return copy;
}

TEST(CanvasSlots, MakeTakesTheSizeOfTheDragEitherWayRound) {
  TestApp t;
  struct Case {
    DPoint p1, p2;
    int w, h;
    double x, y;
  };
  const Case cases[] = {
      {{100.2, 50.9}, {300.7, 200.2}, 200, 149, 100.2, 50.9},
      {{300.7, 200.2}, {100.2, 50.9}, 200, 149, 100.2, 50.9},  // right to left, bottom to top
      {{5, 90}, {25, 10}, 20, 80, 5, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.p1.x);
    ASSERT_EQ(make_canvas(t.app, 2, c.p1, c.p2, 0x123456), 1);
    EXPECT_EQ(size_of(image(t, 2)), (IntPoint{c.w, c.h}));
    EXPECT_DOUBLE_EQ(canvas_slot(t.app, 2)->x, c.x);
    EXPECT_DOUBLE_EQ(canvas_slot(t.app, 2)->y, c.y);
    EXPECT_EQ(pixel(image(t, 2), 0, 0), 0x123456u);
    EXPECT_EQ(pixel(image(t, 2), c.w - 1, c.h - 1), 0x123456u);
  }
  EXPECT_TRUE(t.messages().empty());
}

TEST(CanvasSlots, SizesThePictureToolkitRefusesKeepTheOldPicture) {
  TestApp t;
  const Dib old = image(t, 1);
  // Too wide for any picture, and within the sides but too many bytes.
  for (DPoint far : {DPoint{40000, 20}, DPoint{20000, 20000}}) {
    SCOPED_TRACE(far.x);
    t.clear_log();
    EXPECT_EQ(make_canvas(t.app, 1, {0, 0}, far, 0xFFFFFF), 0);
    EXPECT_EQ(t.last_message(), kNoMemory);
    EXPECT_EQ(image(t, 1), old);
    EXPECT_DOUBLE_EQ(canvas_slot(t.app, 1)->x, 10);
  }
  // An empty rectangle makes nothing and says nothing.
  t.clear_log();
  EXPECT_EQ(make_canvas(t.app, 1, {50, 50}, {50.9, 200}, 0xFFFFFF), 0);
  EXPECT_TRUE(t.messages().empty());
  EXPECT_EQ(image(t, 1), old);
}

TEST(CanvasSlots, UndoRestoresTheSelectedPictureOnce) {
  TestApp t;
  const Dib white = image(t, 1);
  select_canvas_for_change(t.app, 1);
  ASSERT_EQ(make_canvas(t.app, 1, {0, 0}, {30, 20}, 0x0000FF), 1);
  EXPECT_EQ(undo_canvas_change(t.app, 1), 1);
  EXPECT_EQ(image(t, 1), white);
  // The copy is used up: a second undo changes nothing.
  ASSERT_EQ(make_canvas(t.app, 1, {0, 0}, {30, 20}, 0x0000FF), 1);
  const Dib red = image(t, 1);
  EXPECT_EQ(undo_canvas_change(t.app, 1), 0);
  EXPECT_EQ(image(t, 1), red);
}

TEST(CanvasSlots, TheUndoCopyBelongsToTheSlotSelectedLast) {
  TestApp t;
  ASSERT_EQ(make_canvas(t.app, 2, {0, 0}, {8, 6}, 0x00FF00), 1);
  const Dib green = image(t, 2);
  select_canvas_for_change(t.app, 1);
  select_canvas_for_change(t.app, 2);
  EXPECT_EQ(t.app.canvases.current, 2);
  erase_canvas(t.app, 2);
  EXPECT_TRUE(image(t, 2).empty());
  // Undoing slot 1 now gives it slot 2's old picture.
  EXPECT_EQ(undo_canvas_change(t.app, 1), 1);
  EXPECT_EQ(image(t, 1), green);
  EXPECT_TRUE(image(t, 2).empty());
  // Selecting an empty slot drops the copy.
  select_canvas_for_change(t.app, 3);
  EXPECT_TRUE(t.app.canvases.undo.empty());
  EXPECT_EQ(undo_canvas_change(t.app, 3), 0);
}

TEST(CanvasSlots, NumbersOutsideOneToThreeAreNoSlot) {
  TestApp t;
  const Dib white = image(t, 1);
  for (int slot : {0, 4, -1}) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(canvas_slot(t.app, slot), nullptr);
    select_canvas_for_change(t.app, slot);
    erase_canvas(t.app, slot);
    EXPECT_EQ(undo_canvas_change(t.app, slot), 0);
    EXPECT_EQ(make_canvas(t.app, slot, {0, 0}, {5, 5}, 0), 0);
    EXPECT_EQ(paint_canvas_stroke(t.app, slot, BlendKind::kColor), 0);
  }
  EXPECT_EQ(image(t, 1), white);
}

TEST(CanvasShow, FramesRunRoundTheShownCanvasesInTheFrameColour) {
  TestApp t;
  RecordingDc dc;
  show_frames(t.app, dc);
  std::vector<IntPoint> path;
  for (const DcOp& op : dc.ops()) {
    EXPECT_EQ(op.pen.color, display_color(t.app, 728));
    path.push_back(op.points[0]);
  }
  EXPECT_EQ(path, (std::vector<IntPoint>{{10, 10}, {410, 10}, {410, 310}, {10, 310}, {10, 10}}));

  // Hidden, unframed or pictureless canvases have no frame.
  for (auto change : {+[](CanvasSlot& s) { s.shown = 0; }, +[](CanvasSlot& s) { s.frame = 0; },
                      +[](CanvasSlot& s) { s.image.clear(); }}) {
    TestApp u;
    change(*canvas_slot(u.app, 1));
    RecordingDc none;
    show_frames(u.app, none);
    EXPECT_TRUE(none.ops().empty());
  }
}

TEST(CanvasShow, CanvasesFollowTheViewScale) {
  TestApp t;
  t.app.settings.scale = 0.5;
  t.app.view.viewworldmin = to_world(t.app, 0, 0);  // what the paint cycle shows
  t.app.view.viewworldmax = to_world(t.app, 800, 600);
  RecordingDc dc;
  show_canvases(t.app, dc);
  show_frames(t.app, dc);
  const IntPoint top_left = to_screen(t.app, 10, 10);
  const IntPoint bottom_right = to_screen(t.app, 410, 310);
  ASSERT_GE(dc.ops().size(), 2u);
  const DcOp& image_op = dc.ops().front();
  ASSERT_EQ(image_op.kind, DcOp::kDrawImage);
  EXPECT_EQ(image_op.points[0], top_left);
  EXPECT_EQ(image_op.image.width, 200);
  EXPECT_EQ(image_op.image.height, 150);
  EXPECT_EQ(dc.ops()[1].points[0], top_left);
  EXPECT_EQ(dc.ops()[3].points[0], bottom_right);
}

// Freehand strokes through the mouse, one table row per blend and slot.
TEST(CanvasStroke, FreehandStrokeMatchesThePlainBrush) {
  struct Case {
    int cmd;
    int slot;
    BlendKind kind;
  };
  const Case cases[] = {{1062, 1, BlendKind::kColor},   {1063, 1, BlendKind::kDarken},
                        {1064, 1, BlendKind::kLighten}, {1065, 2, BlendKind::kColor},
                        {1069, 3, BlendKind::kDarken},  {1070, 3, BlendKind::kLighten}};
  // A wavy path with sharp and gentle turns, partly off the canvas's left edge.
  std::vector<IntPoint> path;
  for (int i = 0; i <= 60; ++i) path.push_back({2 + 6 * i, 120 + (i % 12 < 6 ? 4 * (i % 6) : 20)});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cmd);
    TestApp t;
    t.app.brush.width = 9;
    t.app.brush.blur = 1.0;
    t.app.brush.density = 0.8;
    t.app.settings.color = 0x2060C0;
    // Grey canvases, so that darkening and lightening both show; slots 2 and 3
    // lie elsewhere.
    ASSERT_EQ(make_canvas(t.app, 1, {10, 10}, {410, 310}, 0x606060), 1);
    ASSERT_EQ(make_canvas(t.app, 2, {0, 100}, {420, 200}, 0x808080), 1);
    ASSERT_EQ(make_canvas(t.app, 3, {1, 90}, {380, 160}, 0x7F7F7F), 1);
    const std::vector<IntPoint> moves(path.begin() + 1, path.end() - 1);
    const Dib before = image(t, c.slot);
    const Dib expected = plain_reference(t, c.slot, build_freehand(t.app, moves), c.kind);
    t.app.in.mousecmd = static_cast<std::uint16_t>(c.cmd);
    drag_through(t, path);
    EXPECT_EQ(image(t, c.slot), expected);
    EXPECT_GT(changed_pixels(before, image(t, c.slot)).size(), 300u);
    EXPECT_TRUE(t.app.in.strokepoints.empty());
    EXPECT_TRUE(t.app.line_stock.empty());
    EXPECT_TRUE(t.messages().empty());
  }
}

TEST(CanvasStroke, ASingleRecordedPointLaysOneDab) {
  TestApp t;
  t.app.brush.width = 7;
  t.app.brush.blur = 0;
  const Dib before = image(t, 1);
  drag_through(t, {{100, 100}, {120, 130}, {200, 200}});
  Mask mask = make_mask(400, 300);
  dab_plain(t.app.brush, 120 - 10, 130 - 10, mask);
  Dib expected = before;
  blend_mask_plain(*canvas_view(expected), mask, BlendKind::kColor, 0);
  EXPECT_EQ(image(t, 1), expected);
  // The hard disc of width 7: the pixels whose centres lie within 3.5.
  const auto changed = changed_pixels(before, image(t, 1));
  EXPECT_EQ(changed.size(), 32u);
  for (IntPoint p : changed) EXPECT_EQ(pixel(image(t, 1), p.x, p.y), 0u);
}

TEST(CanvasStroke, NoMoveOrNoCanvasPaintsNothingSilently) {
  TestApp t;
  const Dib before = image(t, 1);
  drag_through(t, {{100, 100}, {100, 100}});
  drag_through(t, {{100, 100}, {300, 200}});  // moved, but no move was reported
  EXPECT_EQ(image(t, 1), before);
  erase_canvas(t.app, 1);
  drag_through(t, {{100, 100}, {150, 120}, {200, 140}, {250, 100}});
  EXPECT_TRUE(image(t, 1).empty());
  EXPECT_TRUE(t.app.in.strokepoints.empty());
  EXPECT_TRUE(t.messages().empty());
}

TEST(CanvasStroke, StraightStrokeRunsFromPressToRelease) {
  TestApp t;
  t.app.brush.width = 5;
  t.app.in.mousecmd = 675;
  SegmentBuffer one = {straight_segment({40, 50}, {300, 210})};
  const Dib expected = plain_reference(t, 1, one, BlendKind::kColor);
  drag_through(t, {{40, 50}, {300, 210}});
  EXPECT_EQ(image(t, 1), expected);
}

class CanvasOutline : public testing::Test {
 protected:
  void SetUp() override {
    t.ui.set_bitmap_dc_factory(
        [this](int w, int h) { return std::make_unique<test::PixelDc>(w, h, &polygons); });
    // A rectangle (20, 20)-(60, 50) given out of order, two sides reversed.
    t.app.line_stock = {straight_segment({60, 50}, {20, 50}), straight_segment({20, 20}, {60, 20}),
                        straight_segment({20, 20}, {20, 50}), straight_segment({60, 50}, {60, 20})};
  }
  TestApp t;
  std::vector<std::vector<IntPoint>> polygons;
};

TEST_F(CanvasOutline, AClosedBufferIsFilledAlongItsChain) {
  t.app.settings.color = 0x0000FF;
  const Dib before = image(t, 1);
  ASSERT_EQ(paint_canvas_outline(t.app, 1, BlendKind::kColor, false), 1);
  ASSERT_EQ(polygons.size(), 1u);
  // Canvas coordinates (less the position (10, 10)), walked as the chain goes.
  EXPECT_EQ(polygons[0], (std::vector<IntPoint>{{50, 40}, {10, 40}, {10, 10}, {50, 10}, {50, 40}}));
  const auto changed = changed_pixels(before, image(t, 1));
  EXPECT_EQ(changed.size(), 40u * 30u);
  EXPECT_EQ(pixel(image(t, 1), 10, 10), 0x0000FFu);
  EXPECT_EQ(pixel(image(t, 1), 49, 39), 0x0000FFu);
  EXPECT_EQ(pixel(image(t, 1), 50, 40), 0xFFFFFFu);
  EXPECT_TRUE(t.messages().empty());
  // The soft form works at twice the size.
  ASSERT_EQ(paint_canvas_outline(t.app, 1, BlendKind::kColor, true), 1);
  EXPECT_EQ(polygons.back(),
            (std::vector<IntPoint>{{100, 80}, {20, 80}, {20, 20}, {100, 20}, {100, 80}}));
}

TEST_F(CanvasOutline, AnOpenOrEmptyBufferPaintsNothing) {
  const Dib before = image(t, 1);
  t.app.line_stock.pop_back();
  EXPECT_EQ(paint_canvas_outline(t.app, 1, BlendKind::kColor, false), 0);
  EXPECT_EQ(t.last_message(), "rgnsort\tデータが閉じていません");
  t.app.line_stock.clear();
  EXPECT_EQ(paint_canvas_outline(t.app, 1, BlendKind::kColor, false), 0);
  EXPECT_EQ(t.last_message(), "rgnsort\t抽出線はありません");
  EXPECT_TRUE(polygons.empty());
  EXPECT_EQ(image(t, 1), before);
}

}  // namespace
}  // namespace daub
