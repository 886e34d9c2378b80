// The line commands of the command table: the setters of the line mouse
// commands and the operations on the current line.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/line_fixtures.h"
#include "geometry/angle.h"
#include "shell/command_table.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::add_geom;
using test::geoms;
using test::straight;
using test::TestApp;

void run(TestApp& t, int id) { MenuCommand(t.app, static_cast<std::uint32_t>(id), 0); }

// Every mouse command setter of the table, with the display mode it leaves
// (-1: the start-up painting mode kept).
TEST(LineCommandTest, SettersChooseTheMouseCommand) {
  struct Family {
    int dispmode;
    std::vector<int> ids;
  } families[] = {
      {1, {110, 111, 112, 113, 116, 120, 121, 122, 124, 125, 126, 127, 128, 141, 300, 301,
           302, 310, 311, 591, 593, 601, 602, 610, 611, 612, 613, 869, 871, 898, 1071}},
      {-1,
       {908, 968, 600, 102, 105, 1062, 1070, 904, 887, 889, 675, 950, 909, 953, 892, 951, 895,
        952}},
      {4, {232, 234, 810, 811, 912}},
  };
  for (const Family& f : families) {
    for (int id : f.ids) {
      SCOPED_TRACE(id);
      TestApp t;
      const int mode = t.app.in.dispmode;
      t.app.in.mousecmd = 42;
      run(t, id);
      EXPECT_EQ(t.app.in.mousecmd, id);
      EXPECT_EQ(t.app.in.dispmode, f.dispmode < 0 ? mode : f.dispmode);
      EXPECT_EQ(t.ui.repaint_count(), 1);
      EXPECT_TRUE(t.messages().empty());
    }
  }
}

TEST(LineCommandTest, HeldPointCommands) {
  TestApp t;
  t.app.in.nowpoint = {1, 2, 0.5};
  t.app.in.nowpointvalid = 1;
  t.app.in.dispmode = 0;
  run(t, 114);  // the current point becomes the held one
  EXPECT_EQ(t.app.in.heldpointvalid, 1);
  EXPECT_EQ(t.app.in.heldpoint.x, 1);
  EXPECT_EQ(t.app.in.heldpoint.y, 2);
  EXPECT_EQ(t.app.in.heldpoint.angle, 0.5);
  EXPECT_EQ(t.app.in.nowpointvalid, 0);
  EXPECT_EQ(t.app.in.dispmode, 1);
  t.app.in.dispmode = 0;
  run(t, 115);
  EXPECT_EQ(t.app.in.heldpointvalid, 0);
  EXPECT_EQ(t.app.in.heldpoint.x, 1);  // only forgotten, not cleared
  EXPECT_EQ(t.app.in.dispmode, 1);

  t.answer(ScriptAnswer::kInput, "10,20,270");
  run(t, 117);
  EXPECT_EQ(t.app.in.nowpointvalid, 1);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 10);
  EXPECT_NEAR(t.app.in.nowpoint.angle, -kPi / 2, 1e-9);
}

TEST(LineCommandTest, DeletingTheCurrentLine) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 200, 100));
  add_geom(t.app, straight(100, 300, 200, 300));  // the current line
  run(t, 140);
  const auto lines = geoms(t.app);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_DOUBLE_EQ(lines[0].y0, 100);
  EXPECT_EQ(t.app.in.nowlinevalid, 0);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.y, 300);  // the deleted line's start
  EXPECT_EQ(t.app.in.dispmode, 1);

  run(t, 140);  // no current line: the deletion says so, nothing goes
  EXPECT_EQ(t.last_message(), "delskl\t該当データが存在しません");
  EXPECT_EQ(geoms(t.app).size(), 1u);
}

TEST(LineCommandTest, ReversingTheCurrentLine) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 200, 100));
  add_geom(t.app, straight(100, 300, 200, 300));
  t.app.in.nowlinevalid = 1;
  run(t, 592);
  const auto lines = geoms(t.app);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_DOUBLE_EQ(lines[1].x0, 200);
  EXPECT_DOUBLE_EQ(lines[1].x1, 100);
  EXPECT_DOUBLE_EQ(lines[1].a0, kPi);
  EXPECT_EQ(t.app.in.nowlinevalid, 2);
  EXPECT_DOUBLE_EQ(t.app.in.nowpoint.x, 100);
  EXPECT_EQ(t.ui.repaint_count(), 1);
}

PenRecord pen_of_line(TestApp& t, int n) {
  LineRecord line;
  getline(t.app, n, line, 1);
  return line.pen;
}

TEST(LineCommandTest, PartsOfTheCurrentPenGoOntoTheCurrentLine) {
  struct Case {
    int id;
    bool style, width, color, dot;
  } cases[] = {{538, false, false, false, true},
               {539, true, false, false, false},
               {540, false, true, false, false},
               {541, false, false, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    TestApp t;
    add_geom(t.app, straight(100, 100, 200, 100));  // pen width 1, the rest zero
    PenRecord& pen = t.app.settings.line_pen;
    pen = PenRecord{1, 7, 0x123456, 0, 2.5, 1.5, 4, 5};
    run(t, c.id);
    const PenRecord got = pen_of_line(t, 1);
    EXPECT_EQ(got.style, c.style ? 1 : 0);
    EXPECT_EQ(got.width, c.width ? 7 : 1);
    EXPECT_EQ(got.color, c.color ? 0x123456u : 0u);
    EXPECT_EQ(got.dot_length, c.dot ? 2.5 : 0.0);
    EXPECT_EQ(got.bits, c.dot ? 5u : 0u);
    EXPECT_EQ(t.app.in.dispmode, 0);
  }
}

TEST(LineCommandTest, PenDialogThenTheCurrentLineTakesThePen) {
  TestApp t;
  add_geom(t.app, straight(100, 100, 200, 100));
  t.answer(ScriptAnswer::kCancel);
  run(t, 312);
  EXPECT_EQ(pen_of_line(t, 1).width, 1);  // cancelled: the line keeps its pen
  EXPECT_EQ(t.app.in.dispmode, 0);

  t.answer(ScriptAnswer::kOk);
  t.app.settings.pen_width = 9;
  run(t, 312);
  EXPECT_EQ(pen_of_line(t, 1).width, 9);
  EXPECT_EQ(pen_of_line(t, 1).color, t.app.settings.line_pen.color);
}

}  // namespace
}  // namespace daub
