// The canvas slots: making, erasing, the shared undo copy, showing them with
// their frames, and strokes painted through the mouse compared with the plain
// forms of the brush. At the start-up view world and client pixels coincide,
// and canvas 1 is a white 400 × 300 picture at (10, 10).

#include "paint/canvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "paint/stroke.h"
#include "platform/recording_dc.h"
#include "render/canvas_painters.h"
#include "render/display.h"
#include "shell/window.h"
#include "support/picture_builder.h"
#include "support/pixel_dc.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

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
    g.x0 -= s.x, g.x1 -= s.x, g.y0 -= s.y, g.y1 -= s.y;
    rasterise_segment_plain(t.app, g, t.app.brush, mask);
  }
  blend_mask_plain(*view, mask, kind, t.app.settings.color);
  return copy;
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

  // The copy belongs to the slot selected last.
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
  // save-canvas passes any number on: 0 and 4 are no slot.
  EXPECT_EQ(canvas_slot(t.app, 0), nullptr);
  EXPECT_EQ(canvas_slot(t.app, 4), nullptr);
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
}

// Freehand strokes through the mouse, one table row per blend and slot, on
// grey canvases, so that darkening and lightening both show.
TEST(CanvasStroke, FreehandStrokeMatchesThePlainBrush) {
  const std::tuple<int, int, BlendKind> cases[] = {
      {1062, 1, BlendKind::kColor}, {1069, 3, BlendKind::kDarken}, {1064, 1, BlendKind::kLighten}};
  // A wavy path with sharp and gentle turns, partly off the canvas's left edge.
  std::vector<IntPoint> path;
  for (int i = 0; i <= 60; ++i) path.push_back({2 + 6 * i, 120 + (i % 12 < 6 ? 4 * (i % 6) : 20)});
  for (const auto& [cmd, slot, kind] : cases) {
    SCOPED_TRACE(cmd);
    TestApp t;
    t.app.brush.width = 9, t.app.brush.blur = 1.0, t.app.brush.density = 0.8;
    t.app.settings.color = 0x2060C0;
    ASSERT_EQ(make_canvas(t.app, 1, {10, 10}, {410, 310}, 0x606060), 1);
    ASSERT_EQ(make_canvas(t.app, 3, {1, 90}, {380, 160}, 0x7F7F7F), 1);
    const std::vector<IntPoint> moves(path.begin() + 1, path.end() - 1);
    const Dib before = image(t, slot);
    const Dib expected = plain_reference(t, slot, build_freehand(t.app, moves), kind);
    t.app.in.mousecmd = static_cast<std::uint16_t>(cmd);
    drag_through(t, path);
    EXPECT_EQ(image(t, slot), expected);
    EXPECT_GT(changed_pixels(before, image(t, slot)).size(), 300u);
    EXPECT_TRUE(t.app.in.strokepoints.empty());
    EXPECT_TRUE(t.app.line_stock.empty());
    EXPECT_TRUE(t.messages().empty());
  }
}

TEST(CanvasStroke, NoMoveOrNoCanvasPaintsNothingAndStraightStrokesRunPressToRelease) {
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

  // A straight stroke runs from press to release.
  ASSERT_EQ(make_canvas(t.app, 1, {10, 10}, {410, 310}, 0xFFFFFF), 1);
  t.app.brush.width = 5;
  t.app.in.mousecmd = 675;
  SegmentBuffer one = {straight_segment({40, 50}, {300, 210})};
  const Dib expected = plain_reference(t, 1, one, BlendKind::kColor);
  drag_through(t, {{40, 50}, {300, 210}});
  EXPECT_EQ(image(t, 1), expected);
}

}  // namespace
}  // namespace daub
