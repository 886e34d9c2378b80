// The view transform, the view commands and the view mouse commands.

#include "shell/view.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "shell/window.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TestApp;

TEST(ViewTest, TruncationGoesTowardZeroAndStaysInRange) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double in;
    int expected;
  } cases[] = {{-0.7, 0},
               {2.9, 2},
               {-2.9, -2},
               {std::nan(""), 0},
               {inf, INT_MAX},
               {-inf, INT_MIN},
               {2147483647.9, INT_MAX},
               {-2147483648.9, INT_MIN}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(trunc_to_int(c.in), c.expected);
  }
}

TEST(ViewTest, WorldToScreenTruncatesPixelPositions) {
  int px = 99, py = 99;
  worldtoscreen(px, py, 0, 0, -0.7, 2.9, 0, 0, 1.0);
  EXPECT_EQ(px, 0);
  EXPECT_EQ(py, 2);
  double fx = 0, fy = 0;
  worldtoscreenf(fx, fy, 0, 0, -0.7, 2.9, 0, 0, 1.0);
  EXPECT_DOUBLE_EQ(fx, -0.7);
  EXPECT_DOUBLE_EQ(fy, 2.9);
}

TEST(ViewTest, DragMovesTheOriginByWholeUnitsAgainstTheDrag) {
  struct Case {
    int dx, dy;
    double scale;
    int ox, oy;  // expected change of the origin
  } cases[] = {{7, 0, 2.0, -3, 0}, {-7, 5, 2.0, 3, -2}, {3, -4, 0.5, -6, 8}, {1, 1, 4.0, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dx * 100 + c.dy);
    TestApp t;
    t.app.in.mousecmd = 600;
    t.app.settings.scale = c.scale;
    int repaints = t.ui.repaint_count();
    on_lbutton_down(t.app, 100, 100);
    on_lbutton_up(t.app, 100 + c.dx, 100 + c.dy);
    EXPECT_EQ(t.app.view.vieworigin_x, 400 + c.ox);
    EXPECT_EQ(t.app.view.vieworigin_y, 300 + c.oy);
    EXPECT_EQ(t.ui.repaint_count(), repaints + 1);
    EXPECT_EQ(t.app.in.dispmode, 7);
  }
}

TEST(ViewTest, MoveAllAlsoShowsTheLattice) {
  TestApp t;
  t.app.in.mousecmd = 1115;
  on_lbutton_down(t.app, 10, 10);
  on_lbutton_up(t.app, 30, 40);
  EXPECT_EQ(t.app.view.vieworigin_x, 380);
  EXPECT_EQ(t.app.view.vieworigin_y, 270);
  EXPECT_EQ(t.app.in.dispmode, 1);
}

TEST(ViewTest, ResizeKeepsTheWorldPointAtTheClientCentre) {
  TestApp t;
  t.app.settings.scale = 2.5;
  t.app.view.vieworigin_x = 123;
  t.app.view.vieworigin_y = -45;
  on_size(t.app, 1001, 703);
  EXPECT_EQ(t.app.settings.view_center_x, 500.0);
  EXPECT_EQ(t.app.settings.view_center_y, 351.0);
  DPoint w = to_world(t.app, 500, 351);
  EXPECT_EQ(w.x, 123.0);
  EXPECT_EQ(w.y, -45.0);
}

TEST(ViewTest, FixedScalesAndStandardDisplay) {
  const double scales[9] = {4.0, 2.8, 2.0, 1.4, 1.0, 0.7, 0.5, 0.35, 0.25};
  TestApp t;
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(201 + i);
    EXPECT_TRUE(view_command(t.app, 201 + i));
    EXPECT_EQ(t.app.settings.scale, scales[i]);
  }
  EXPECT_TRUE(view_command(t.app, 100));
  EXPECT_EQ(t.app.in.dispmode, 0);
  EXPECT_FALSE(view_command(t.app, 210));
}

TEST(ViewTest, ScaleInputTakesPositiveNumbersOnly) {
  const std::string refusal = "CAUTION\t縮尺は正の数で指定してください";
  struct Case {
    const char* text;  // nullptr: the dialog is cancelled
    double scale;
    bool refused;
  } cases[] = {
      {"0.125abc", 0.125, false}, {"abc", 1.0, false}, {"0", 1.0, true},
      {"-2", 1.0, true},          {"nan", 1.0, true},  {nullptr, 1.0, false},
  };
  for (int id : {101, 104}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(id) + " " + (c.text ? c.text : "cancel"));
      TestApp t;
      if (c.text)
        t.answer(ScriptAnswer::kInput, c.text);
      else
        t.answer(ScriptAnswer::kCancel);
      EXPECT_TRUE(view_command(t.app, id));
      EXPECT_EQ(t.app.settings.scale, c.scale);
      if (id == 104) {
        EXPECT_EQ(t.app.settings.print_magnification, c.scale == 1.0 ? 4.7 : c.scale);
      }
      EXPECT_EQ(t.last_message(), c.refused ? refusal : "");
    }
  }
}

TEST(ViewTest, ScaleInputShowsTheCurrentScale) {
  TestApp t;
  t.app.settings.scale = 1.4;
  t.answer(ScriptAnswer::kCancel);
  view_command(t.app, 101);
  EXPECT_EQ(t.app.input.buffer, "1.400000");
}

TEST(ViewTest, PrintOriginViewZoomsAboutTheTopLeftCorner) {
  TestApp t;
  t.app.settings.scale = 0.7;
  t.app.settings.print_origin_x = 10;
  t.app.settings.print_origin_y = 20;
  t.answer(ScriptAnswer::kInput, "4");
  view_command(t.app, 104);
  EXPECT_EQ(t.app.settings.scale, 4.0);
  EXPECT_EQ(t.app.settings.print_magnification, 4.0);
  EXPECT_EQ(to_screen(t.app, 10, 20), (IntPoint{0, 0}));
  EXPECT_EQ(to_screen(t.app, 11, 21), (IntPoint{4, 4}));
}

TEST(ViewTest, CentreMoveTakesThePressOrTheHeldPoint) {
  TestApp t;
  t.app.settings.scale = 2.0;
  t.app.in.mousecmd = 102;
  on_lbutton_down(t.app, 415, 280);  // world (407.5, 290)
  on_lbutton_up(t.app, 500, 500);
  EXPECT_EQ(t.app.view.vieworigin_x, 407);
  EXPECT_EQ(t.app.view.vieworigin_y, 290);

  t.app.in.heldpoint = PointDir{-3.9, 8.2, 1.0};
  t.app.in.heldpointvalid = 1;
  on_lbutton_down(t.app, 0, 0);
  on_lbutton_up(t.app, 0, 0);
  EXPECT_EQ(t.app.view.vieworigin_x, -3);
  EXPECT_EQ(t.app.view.vieworigin_y, 8);
  EXPECT_EQ(t.app.in.heldpointvalid, 0);
}

TEST(ViewTest, PrintOriginMouseCommandSetsTheCurrentPointWithTheDragDirection) {
  TestApp t;
  t.app.in.mousecmd = 105;
  on_lbutton_down(t.app, 100, 200);
  on_lbutton_up(t.app, 110, 210);
  EXPECT_EQ(t.app.settings.print_origin_x, 100.0);
  EXPECT_EQ(t.app.settings.print_origin_y, 200.0);
  EXPECT_EQ(t.app.in.nowpoint.x, 100.0);
  EXPECT_NEAR(t.app.in.nowpoint.angle, std::atan2(1.0, 1.0), 1e-12);

  t.app.in.heldpoint = PointDir{1, 2, 3};
  t.app.in.heldpointvalid = 1;
  on_lbutton_down(t.app, 100, 200);
  on_lbutton_up(t.app, 110, 210);
  EXPECT_EQ(t.app.settings.print_origin_x, 1.0);
  EXPECT_EQ(t.app.in.nowpoint.angle, 3.0);
  EXPECT_EQ(t.app.in.heldpointvalid, 0);
}

TEST(ViewTest, SetDispModeChoosesTheTextEntry) {
  TestApp t;
  setdispmode(t.app, 8);
  EXPECT_EQ(t.app.in.englishentry, 1);
  setdispmode(t.app, 3);
  EXPECT_EQ(t.app.in.englishentry, 0);
  EXPECT_EQ(t.app.in.dispmode, 3);
}

}  // namespace
}  // namespace daub
