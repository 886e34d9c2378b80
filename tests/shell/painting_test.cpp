// The painting mouse commands through the window's handlers, and the brush
// sample; the brush inputs are pinned by the paint_canvas script.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "drawing/lines.h"
#include "paint/canvas.h"
#include "paint/photo_pen.h"
#include "platform/recording_dc.h"
#include "shell/window.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

const Dib& image(TestApp& t, int slot) { return canvas_slot(t.app, slot)->image; }

Colorref pixel(const Dib& dib, int x, int y) {
  const DibInfo info = dib_info(dib);
  return dib_pixel(dib, info, x, info.height - 1 - y);
}

void drag(TestApp& t, const std::vector<IntPoint>& p) {
  on_lbutton_down(t.app, p.front().x, p.front().y);
  for (std::size_t i = 1; i + 1 < p.size(); ++i) on_mouse_move(t.app, p[i].x, p[i].y);
  on_lbutton_up(t.app, p.back().x, p.back().y);
}

TEST(PaintingMouse, TwoClickCurvesStartWithAClickAndGoOnWithTheNext) {
  struct Case {
    int cmd;
    int valid_after;  // the colour stroke goes on, the others end
  };
  for (const Case& c : {Case{909, 1}, Case{923, 0}, Case{929, 0}}) {
    SCOPED_TRACE(c.cmd);
    TestApp t;
    t.app.brush.width = 5;
    t.app.in.nowpointvalid = 0;
    t.app.in.mousecmd = static_cast<std::uint16_t>(c.cmd);
    const Dib white = image(t, 1);
    drag(t, {{100, 200}, {150, 200}});  // the start, headed right
    EXPECT_EQ(image(t, 1), white);
    EXPECT_EQ(std::tuple(t.app.in.nowpointvalid, t.app.in.nowpoint.x, t.app.in.nowpoint.angle),
              std::tuple(1, 100.0, 0.0));
    drag(t, {{300, 100}, {300, 50}});  // to (300, 50), arriving upwards
    // The quarter ellipse about (100, 50) passes (200, 179.9); lightening
    // leaves white as it is.
    EXPECT_EQ(pixel(image(t, 1), 200 - 10, 179 - 10) != 0xFFFFFFu, c.cmd != 929);
    EXPECT_EQ(std::tuple(t.app.in.nowpointvalid, t.app.in.nowpoint.x, t.app.in.nowpoint.y),
              std::tuple(c.valid_after, 300.0, 50.0));
    // The curve went through a line of the drawing that is gone again.
    EXPECT_EQ(totalskl(t.app, 1), 0);
    EXPECT_EQ(t.app.canvases.template_valid, 0);
    EXPECT_TRUE(t.messages().empty());
  }
}

// Width, blur, density, end type, tapered end and taper ratio.
using Brush = std::tuple<double, double, double, int, int, double>;

Brush brush_of(const App& app) {
  const BrushParams& b = app.brush;
  return {b.width, b.blur, b.density, b.end_type, b.tapered_end, b.taper_ratio};
}

const Brush kStartBrush = {3.0, 2.0, 1.0, 0, 0, 0.0};

TEST(BrushSettings, TheSampleIsAStrokeAcrossAWhitePicture) {
  TestApp t;
  RecordingDc dc;
  BrushParams b;
  b.width = 7;
  b.blur = 0;
  ASSERT_EQ(draw_brush_sample(t.app, dc, 100, 170, b, 0x000000), 1);
  ASSERT_EQ(dc.ops().size(), 1u);
  const DcOp& op = dc.ops()[0];
  EXPECT_EQ(op.points[0], (IntPoint{100, 170}));
  ASSERT_EQ(std::pair(op.image.width, op.image.height), std::pair(150, 80));
  auto at = [&](int x, int y) { return op.image.pixels[static_cast<std::size_t>(y) * 150 + x]; };
  EXPECT_EQ((std::vector{at(75, 40), at(75, 36), at(75, 44)}),
            (std::vector<std::uint32_t>{0x000000, 0x000000, 0xFFFFFF}));
  EXPECT_EQ(brush_of(t.app), kStartBrush);
  EXPECT_EQ(t.app.settings.color, 0u);
}

}  // namespace
}  // namespace daub
