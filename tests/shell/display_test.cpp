// The paint cycle, the lattice and the markers.

#include "shell/display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/recording_dc.h"
#include "shell/view.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

constexpr Colorref kYellow = 0x00FFFF;

Colorref color_at(const App& app, int offset) {
  return app.settings.display_colors[display_color_index(offset)];
}

TEST(DisplayTest, LatticeIsShownInTheLineModesAndSpansTheLattice) {
  TestApp t;
  erase_canvas(t.app, 1);
  t.app.in.nowpointvalid = 0;
  for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 8}) {
    SCOPED_TRACE(mode);
    t.app.in.dispmode = mode;
    RecordingDc dc;
    paint_cycle(t.app, dc);
    const bool shown = (mode >= 1 && mode <= 6) || mode == 8;
    const auto lines = dc.segments_in(kYellow);
    if (!shown) {
      EXPECT_TRUE(lines.empty());
      continue;
    }
    // Lines at 0, 20, ..., 620 across and 0, 20, ..., 880 down.
    ASSERT_EQ(lines.size(), 32u + 45u);
    EXPECT_EQ(lines[0].first, (IntPoint{0, 0}));
    EXPECT_EQ(lines[0].second, (IntPoint{0, 891}));
    EXPECT_EQ(lines[31].first, (IntPoint{620, 0}));
    EXPECT_EQ(lines[76].first, (IntPoint{0, 880}));
    EXPECT_EQ(lines[76].second, (IntPoint{630, 880}));
  }
}

TEST(DisplayTest, LatticePenWidthFollowsTheScale) {
  struct Case {
    int width;
    double scale;
    int device;
  } cases[] = {{0, 1.0, 1}, {2, 2.0, 4}, {1, 0.5, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.width * 10 + c.scale);
    TestApp t;
    t.app.settings.lattice_pen.width = c.width;
    t.app.settings.scale = c.scale;
    RecordingDc dc;
    displattice(t.app, dc);
    ASSERT_FALSE(dc.ops().empty());
    EXPECT_EQ(dc.ops().front().pen.width, c.device);
    EXPECT_EQ(dc.pen(), DcPen{});  // the previous pen is selected again
  }
}

TEST(DisplayTest, LatticeWithAnUnusableIntervalIsNotDrawn) {
  const double nan = std::nan("");
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double interval, width;
  } cases[] = {{0.0, 630}, {-20.0, 630}, {nan, 630}, {1e-9, 630}, {20, inf}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.interval);
    TestApp t;
    t.app.settings.lattice_interval = c.interval;
    t.app.settings.lattice_width = c.width;
    RecordingDc dc;
    displattice(t.app, dc);
    EXPECT_TRUE(dc.ops().empty());
  }
}

TEST(DisplayTest, MarkIsAFiveByFiveSquareAroundThePoint) {
  TestApp t;
  t.app.settings.scale = 2.0;
  RecordingDc dc;
  dispmark(t.app, dc, 410.3, 295.9, 0x123456);  // screen (420, 291)
  ASSERT_EQ(dc.ops().size(), 1u);
  const DcOp& op = dc.ops()[0];
  EXPECT_EQ(op.kind, DcOp::kRectangle);
  EXPECT_EQ(op.points[0], (IntPoint{418, 289}));
  EXPECT_EQ(op.points[1], (IntPoint{422, 293}));
  EXPECT_EQ(op.pen, (DcPen{kPenSolid, 1, 0x123456}));
  EXPECT_EQ(op.brush, (DcBrush{BrushKind::kSolid, 0x123456}));
}

TEST(DisplayTest, MarkFarAwayDoesNotOverflow) {
  TestApp t;
  RecordingDc dc;
  dispmark(t.app, dc, -1e300, 1e300, 0);
  ASSERT_EQ(dc.ops().size(), 1u);
  EXPECT_LE(dc.ops()[0].points[0].x, dc.ops()[0].points[1].x);
}

TEST(DisplayTest, DirectionTickHasTheSameScreenLengthAtEveryScale) {
  for (double scale : {0.25, 1.0, 4.0}) {
    SCOPED_TRACE(scale);
    TestApp t;
    t.app.settings.scale = scale;
    RecordingDc dc;
    dispvector(t.app, dc, PointDir{400, 300, 0}, tick_length(t.app), 0xABCDEF);
    dispvector(t.app, dc, PointDir{400, 300, std::atan2(1.0, 0.0)}, tick_length(t.app), 0xABCDEF);
    auto s = dc.segments_in(0xABCDEF);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].first, (IntPoint{400, 300}));
    EXPECT_EQ(s[0].second, (IntPoint{430, 300}));
    EXPECT_EQ(s[1].second, (IntPoint{400, 330}));
  }
}

TEST(DisplayTest, ModeSevenEndsWithTheCurrentPoint) {
  TestApp t;
  t.app.in.nowpoint = PointDir{100, 50, 0};
  RecordingDc dc;
  paint_cycle(t.app, dc);
  ASSERT_GE(dc.ops().size(), 3u);
  const DcOp& tick = dc.ops()[dc.ops().size() - 2];
  const DcOp& mark = dc.ops().back();
  EXPECT_EQ(tick.kind, DcOp::kLineTo);
  EXPECT_EQ(tick.points[0], (IntPoint{130, 50}));
  EXPECT_EQ(tick.pen.color, color_at(t.app, 736));
  EXPECT_EQ(mark.kind, DcOp::kRectangle);
  EXPECT_EQ(mark.brush.color, color_at(t.app, 720));

  t.app.in.nowpointvalid = 0;
  dc.clear();
  paint_cycle(t.app, dc);
  EXPECT_EQ(dc.count(DcOp::kRectangle), 0);
}

TEST(DisplayTest, ModeOneMarksTheCurrentAndTheHeldPoint) {
  TestApp t;
  t.app.in.dispmode = 1;
  t.app.in.heldpoint = PointDir{5, 6, 0};
  t.app.in.heldpointvalid = 1;
  RecordingDc dc;
  paint_cycle(t.app, dc);
  std::vector<Colorref> marks;
  for (const DcOp& op : dc.ops())
    if (op.kind == DcOp::kRectangle) marks.push_back(op.brush.color);
  EXPECT_EQ(marks, (std::vector<Colorref>{color_at(t.app, 720), color_at(t.app, 724)}));
}

TEST(DisplayTest, PaintCycleFollowsTheClientAndSkipsUnknownModes) {
  TestApp t;
  t.app.view.client_width = 201;
  t.app.view.client_height = 100;
  t.app.in.dispmode = 9;
  RecordingDc dc;
  paint_cycle(t.app, dc);
  EXPECT_TRUE(dc.ops().empty());
  EXPECT_EQ(t.app.settings.view_center_x, 100.0);
  EXPECT_EQ(t.app.settings.view_center_y, 50.0);
  EXPECT_EQ(t.app.view.viewworldmin.x, 300.0);
  EXPECT_EQ(t.app.view.viewworldmin.y, 250.0);
  EXPECT_EQ(t.app.view.viewworldmax.x, 501.0);
  EXPECT_EQ(t.app.view.viewworldmax.y, 350.0);
}

}  // namespace
}  // namespace daub
