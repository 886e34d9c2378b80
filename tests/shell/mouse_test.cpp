// The button protocol, the mouse hooks and the point input.

#include "shell/mouse.h"

#include <gtest/gtest.h>

#include "geometry/angle.h"
#include "platform/recording_dc.h"
#include "render/view.h"
#include "support/window_drive.h"

namespace daub {
namespace {

using test::drag;
using test::TestApp;

TEST(ButtonTest, ReleaseWithoutPressIsIgnoredWithoutACommandAsksForAMenu) {
  TestApp t;
  t.app.in.mousecmd = 600;
  on_lbutton_up(t.app, 50, 50);
  EXPECT_EQ(t.app.view.vieworigin_x, 400);
  EXPECT_EQ(t.ui.repaint_count(), 0);

  drag(t, 0, 0, 10, 0);
  on_lbutton_up(t.app, 50, 0);  // a second release
  EXPECT_EQ(t.app.view.vieworigin_x, 390);
  EXPECT_EQ(t.ui.repaint_count(), 1);
  EXPECT_TRUE(t.messages().empty());

  drag(t, 0, 10, 10, 20, 20);  // no mouse command: a menu is asked for
  EXPECT_EQ(t.last_message(), "CAUTION\tメニューを選んでください");
  EXPECT_EQ(t.app.in.lastbutton, kButtonUp);
}

TEST(MouseRightTest, EndsAChainOnlyForTheChainCommands) {
  struct Case {
    int cmd;
    bool ends;
  } cases[] = {{908, true}, {953, true}, {600, false}};  // 968 is pinned by line_drawing
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cmd);
    TestApp t;
    t.app.in.mousecmd = static_cast<std::uint16_t>(c.cmd);
    on_rbutton_down(t.app, 0, 0);
    EXPECT_EQ(t.app.in.nowpointvalid, c.ends ? 0 : 1);
    EXPECT_EQ(t.ui.repaint_count(), c.ends ? 1 : 0);
    on_rbutton_down(t.app, 0, 0);  // nothing left to end
    EXPECT_EQ(t.ui.repaint_count(), c.ends ? 1 : 0);
  }
}

TEST(PointInputTest, ReadsAPointAndADirectionInDegrees) {
  struct Case {
    const char* text;
    int result;
    double x, y, angle;
  } cases[] = {{"-1.5,2,-450", 1, -1.5, 2, -kPi / 2},
               {"3,4,36000045", 1, 3, 4, kPi / 4},
               {"3,inf,5", 0, 7, 8, 0.5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TestApp t;
    t.app.in.nowpoint = PointDir{7, 8, 0.5};
    t.app.in.nowpointvalid = 0;
    t.answer(ScriptAnswer::kInput, c.text);
    EXPECT_EQ(pointinput(t.app), c.result);
    EXPECT_EQ((DPoint{t.app.in.nowpoint.x, t.app.in.nowpoint.y}), (DPoint{c.x, c.y}));
    EXPECT_NEAR(t.app.in.nowpoint.angle, c.angle, 1e-9);
    EXPECT_EQ(t.app.in.nowpointvalid, c.result);
  }
}

}  // namespace
}  // namespace daub
