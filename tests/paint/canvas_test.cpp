// At the start-up view world and client pixels coincide, and canvas 1 is a
// white 400 × 300 picture at (10, 10).

#include "paint/canvas.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

#include "paint/canvas_ops.h"
#include "paint/matte.h"
#include "paint/stroke.h"
#include "platform/recording_dc.h"
#include "render/canvas_painters.h"
#include "render/display.h"
#include "shell/window.h"
#include "support/first_difference.h"
#include "support/pixel_dc.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

const Dib& image(TestApp& t, int slot) { return canvas_slot(t.app, slot)->image; }

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

// Strokes (some twice under one selection), outline fills, the matte, new
// pictures, changes in place, moves and undos in a random order over three
// canvases: every undo gives back, byte for byte, the picture of the slot last
// selected as it was then, to whichever slot, and puts that slot back where
// it lay; every stroke lays what the plain brush lays on a fresh mask.
TEST(CanvasUndo, GivesBackThePictureAsSelectedAfterAnyRunOfChanges) {
  TestApp t;
  t.ui.set_bitmap_dc_factory([](int w, int h) { return std::make_unique<test::PixelDc>(w, h); });
  std::mt19937 random(20240613);
  auto pick = [&](int lo, int hi) { return lo + static_cast<int>(random() % (hi - lo + 1)); };
  auto point = [&] { return DPoint{pick(-20, 120) + pick(0, 3) / 4.0, pick(-20, 100) + 0.5}; };
  auto new_picture = [&](int slot) {
    const DPoint p{pick(0, 40) * 1.0, pick(0, 40) * 1.0};
    return make_canvas(t.app, slot, p, {p.x + pick(8, 70), p.y + pick(8, 60)}, random() & 0xFFFFFF);
  };
  for (int slot = 1; slot <= 3; ++slot) ASSERT_EQ(new_picture(slot), 1);
  Dib copy;       // what the undo must give back
  int owner = 0;  // the slot it was taken from, and where that slot lies
  DPoint place;
  auto at = [&](int n) { return DPoint{canvas_slot(t.app, n)->x, canvas_slot(t.app, n)->y}; };
  auto taken = [&](int n) { owner = n, place = at(n), copy = image(t, n); };
  int slot = 1;
  // The run starts on slot 1 with a stroke undone and then a change in place
  // (whose undo must not give back the picture before the stroke's undo).
  const int opening[] = {0, 9, 7, 0, 9};
  for (int step = 0; step < 400; ++step) {
    // Mostly the slot of the step before, so that runs of changes meet.
    if (step >= 5 && random() % 4 == 0) slot = pick(1, 3);
    const int action = step < 5 ? opening[step] : pick(0, 10);
    SCOPED_TRACE(testing::Message() << "step " << step << " slot " << slot << " action " << action);
    t.app.settings.color = random() & 0xFFFFFF;
    if (action <= 3) {
      select_canvas_for_stroke(t.app, slot);
      taken(slot);
      t.app.brush.width = pick(10, 120) / 10.0;
      const auto kind = static_cast<BlendKind>(pick(0, 2));
      for (int n = pick(1, 2); n > 0; --n) {
        const ExtractionItem stroke = straight_segment(point(), point());
        const Dib expected =
            image(t, slot).empty() ? Dib{} : plain_reference(t, slot, {stroke}, kind);
        paint_canvas_straight(t.app, slot, {stroke.geom.x0, stroke.geom.y0},
                              {stroke.geom.x1, stroke.geom.y1}, kind);
        ASSERT_EQ(test::first_difference(image(t, slot), expected), "");
      }
    } else if (action == 4) {
      // An axis-parallel rectangle filled along its outline.
      const DPoint a = point(), b = point();
      t.app.line_stock = {straight_segment(a, {b.x, a.y}), straight_segment({b.x, a.y}, b),
                          straight_segment(b, {a.x, b.y}), straight_segment({a.x, b.y}, a)};
      select_canvas_for_stroke(t.app, slot);
      taken(slot);
      paint_canvas_outline(t.app, slot, BlendKind::kColor, pick(0, 1) == 1);
    } else if (action == 5) {
      const Dib one = image(t, 1);
      if (matte_drawing(t.app, MatteKey::kAllLines) == 1) taken(1), copy = one;
    } else if (action == 6) {
      select_canvas_for_change(t.app, slot);
      taken(slot);
      if (pick(0, 3) == 0)
        erase_canvas(t.app, slot);
      else
        new_picture(slot);
    } else if (action == 7) {
      // A change in place whose old picture becomes the undo copy afterwards.
      Dib before = image(t, slot);
      if (negative_picture(canvas_slot(t.app, slot)->image) == OpStatus::kDone) {
        taken(slot);
        copy = before;
        keep_for_undo(t.app, slot, std::move(before));
      }
    } else if (action == 8) {
      const DPoint from = at(slot), to = point();
      place_canvas(t.app, slot, to.x, to.y);
      if (slot == owner) place = {place.x + to.x - from.x, place.y + to.y - from.y};
    } else {
      const Dib before = image(t, slot);
      const DPoint was = at(slot);
      const int undone = undo_canvas_change(t.app, slot);
      ASSERT_EQ(undone, copy.empty() ? 0 : 1);
      ASSERT_EQ(test::first_difference(image(t, slot), undone == 1 ? copy : before), "");
      const DPoint now = at(slot), want = undone == 1 && slot == owner ? place : was;
      ASSERT_EQ(std::pair(now.x, now.y), std::pair(want.x, want.y));
      copy.clear();
    }
  }
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

// Darkening on canvas 3 through the mouse: the command's slot and blend reach
// the brush (a colour stroke on canvas 1 is the paint start script's).
TEST(CanvasStroke, DarkeningOnCanvasThreeMatchesThePlainBrush) {
  TestApp t;
  t.app.brush.width = 9;
  t.app.settings.color = 0x2060C0;
  ASSERT_EQ(make_canvas(t.app, 3, {1, 90}, {380, 160}, 0x7F7F7F), 1);
  const Dib before = image(t, 3);
  const std::vector<IntPoint> path = {{2, 120}, {60, 140}, {120, 125}, {200, 140}};
  const SegmentBuffer stroke = build_freehand(t.app, {path.begin() + 1, path.end() - 1});
  const Dib expected = plain_reference(t, 3, stroke, BlendKind::kDarken);
  t.app.in.mousecmd = 1069;
  drag_through(t, path);
  EXPECT_EQ(image(t, 3), expected);
  EXPECT_NE(image(t, 3), before);
}

// A click without a move paints nothing: the paint start script.
TEST(CanvasStroke, NoCanvasPaintsNothingAndStraightStrokesRunPressToRelease) {
  TestApp t;
  erase_canvas(t.app, 1);
  drag_through(t, {{100, 100}, {150, 120}, {200, 140}, {250, 100}});
  EXPECT_TRUE(image(t, 1).empty());
  EXPECT_EQ(std::pair(t.app.in.strokepoints.size(), t.messages().size()),
            std::pair(std::size_t{0}, std::size_t{0}));
  ASSERT_EQ(make_canvas(t.app, 1, {10, 10}, {410, 310}, 0xFFFFFF), 1);
  t.app.brush.width = 5;
  t.app.in.mousecmd = 675;
  const Dib expected =
      plain_reference(t, 1, {straight_segment({40, 50}, {300, 210})}, BlendKind::kColor);
  drag_through(t, {{40, 50}, {300, 210}});
  EXPECT_EQ(image(t, 1), expected);
}

}  // namespace
}  // namespace daub
