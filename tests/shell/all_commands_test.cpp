// Every id of the command table acts (no apology) on a fresh program whose
// dialogs are all cancelled; ids outside it still apologise. The labels and
// docs/command_ids.md agree, and the command list filters as typed.

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "paint/canvas.h"
#include "paint/canvas_ops.h"
#include "resources/command_filter.h"
#include "support/picture_builder.h"
#include "support/window_drive.h"

namespace daub {
namespace {

using test::drag;
using test::picture_size;
using test::run;
using test::TestApp;

bool apologised(const TestApp& t) {
  for (const std::string& m : t.messages())
    if (m.find("まだ出来ていません") != std::string::npos) return true;
  return false;
}

// Ids below and above this run are the apology script's; the table lies in it.
TEST(AllCommands, EveryIdOfTheTableActsAndEveryOtherApologises) {
  std::size_t listed = 0;
  for (int id = 100; id <= 1129; ++id) {
    const CommandLabel* row = find_command_label(id);
    listed += row != nullptr;
    TestApp t;
    run(t, id);
    // A setter's mouse command runs once on a drag, under the sanitizers.
    if (row && t.app.in.mousecmd == id) drag(t, 40, 50, 90, 120);
    EXPECT_EQ(apologised(t), row == nullptr) << id;
  }
  EXPECT_EQ(listed, command_labels().size());
}

TEST(AllCommands, DocsTableHasEveryIdWithTheProgramsLabelAndFamily) {
  std::ifstream in(std::string(DAUBERY_TEST_DATA) + "/../docs/command_ids.md");
  ASSERT_TRUE(in);
  const std::regex row(R"(^\| (\d+) \| ([^|]*) \| F(\d+) \| .+ \|$)");
  std::map<int, int> seen;
  std::string line;
  while (std::getline(in, line)) {
    std::smatch m;
    if (!std::regex_match(line, m, row)) continue;
    const int id = std::stoi(m[1]);
    ++seen[id];
    const CommandLabel* label = find_command_label(id);
    ASSERT_NE(label, nullptr) << line;
    EXPECT_EQ(m[2].str(), label->label) << id;
    EXPECT_EQ(std::stoi(m[3]), label->family) << id;
  }
  for (const CommandLabel& r : command_labels()) EXPECT_EQ(seen[r.id], 1) << r.id;
}

std::vector<int> ids_of(std::string_view query) {
  std::vector<int> out;
  for (const CommandLabel* r : filter_commands(query)) out.push_back(r->id);
  return out;
}

// Japanese words and family codes are the command_list script's; full-width
// and ideographic spaces fold as below.
TEST(CommandFilter, FindsByJapaneseLatinFamilyAndId) {
  EXPECT_EQ(ids_of("").size(), 678u);
  EXPECT_EQ(ids_of("1129 ヘルプ"), std::vector<int>{1129});
  EXPECT_TRUE(ids_of("まだ出来ていません").empty());
}

TEST(CommandFilter, GroupsByFamilyThenId) {
  const std::vector<const CommandLabel*> all = filter_commands("");
  for (std::size_t i = 1; i < all.size(); ++i)
    EXPECT_LT(std::pair(all[i - 1]->family, all[i - 1]->id), std::pair(all[i]->family, all[i]->id));
}

TEST(CommandFilter, FoldsOnlyLatin) {
  EXPECT_EQ(fold_for_search("AbZ Ｆ２５　ｘ"), "abz f25 x");
  EXPECT_EQ(fold_for_search("キャンバス"), "キャンバス");
  // A lone lead byte at the end is kept, not read past.
  EXPECT_EQ(fold_for_search("a\xEF\xBC"), "a\xEF\xBC");
}

TEST(CommandLabels, MouseCommandNamesComeFromTheTable) {
  EXPECT_EQ(mouse_command_name(0), "");
  EXPECT_EQ(mouse_command_name(1068), "絵を描く（キャンバス３）");
  EXPECT_EQ(mouse_command_name(106), "");
  EXPECT_EQ(family_name(0), "");
  EXPECT_EQ(family_name(27), "");
  EXPECT_EQ(family_name(26), "パレットとヘルプ");
}

// Paints the shown top-left pixel, the first of the last stored row, red.
void redden_top_left(Dib& pic) {
  const DibInfo info = dib_info(pic);
  pic[info.pixel_offset + info.stride * static_cast<std::size_t>(info.height - 1) + 2] = 255;
}

// One behaviour a group of the ids built last, away from identity.
TEST(ReachCommands, CanvasTurnsTwinsBrushAndConstructions) {
  TestApp t;
  App& app = t.app;
  ASSERT_EQ(make_canvas(app, 2, {0, 0}, {3, 2}, rgb(10, 20, 30)), 1);
  // 776 turns canvas 2 a quarter: 3 × 2 becomes 2 × 3; the shown top-left
  // pixel goes to the top-right.
  Dib& pic = canvas_slot(app, 2)->image;
  ASSERT_EQ(fill_picture(pic, rgb(0, 0, 0)), OpStatus::kDone);
  ASSERT_EQ(picture_color(pic, 0, 0), rgb(0, 0, 0));
  redden_top_left(pic);
  run(t, 776);
  EXPECT_EQ(picture_color(pic, 1, 0), rgb(255, 0, 0));
  EXPECT_EQ(picture_size(pic), (IntPoint{2, 3}));
  run(t, 879);  // back a quarter
  EXPECT_EQ(picture_size(pic).x, 3);
  const int one = picture_size(canvas_slot(app, 1)->image).x;
  run(t, 693);  // canvas 2 takes canvas 1's size
  EXPECT_EQ(picture_size(pic).x, one);
  // 757 and 763: brush width 10 and the soft dab; 747 hard.
  run(t, 757);
  run(t, 747);
  EXPECT_EQ(std::pair(app.brush.width, app.brush.blur), std::pair(10.0, 0.0));
  run(t, 763);
  EXPECT_EQ(app.brush.blur, BrushParams{}.blur);
  run(t, 360);
  EXPECT_EQ(app.brush.width, BrushParams{}.width);
  // 619 without a current point is refused; with one it steps by d.
  app.in.nowpointvalid = 0;
  run(t, 619);
  EXPECT_EQ(t.last_message(), "CAUTION\t注目点を指定してください");
  test::set_point(t, 5, 7);
  app.construction.distance = 4;
  run(t, 619);
  EXPECT_DOUBLE_EQ(app.in.nowpoint.x, 9);
  run(t, 636);  // to the left of direction 0 with y down: up
  EXPECT_NEAR(app.in.nowpoint.y, 3, 1e-12);
  run(t, 673);  // canvas 1 to the current point
  EXPECT_NEAR(canvas_slot(app, 1)->x, 9, 1e-9);
}

TEST(ReachCommands, TurnMovesTheShownTopLeftClockwise) {
  TestApp t;
  ASSERT_EQ(make_canvas(t.app, 1, {0, 0}, {3, 2}, rgb(0, 0, 0)), 1);
  Dib& pic = canvas_slot(t.app, 1)->image;
  redden_top_left(pic);
  ASSERT_EQ(picture_color(pic, 0, 0), rgb(255, 0, 0));
  ASSERT_EQ(turn_picture(pic, 1), OpStatus::kDone);
  EXPECT_EQ(picture_color(pic, 1, 0), rgb(255, 0, 0));  // top-right of 2 × 3
  ASSERT_EQ(turn_picture(pic, -1), OpStatus::kDone);
  EXPECT_EQ(picture_color(pic, 0, 0), rgb(255, 0, 0));
  ASSERT_EQ(turn_picture(pic, 2), OpStatus::kDone);
  EXPECT_EQ(picture_color(pic, 2, 1), rgb(255, 0, 0));  // bottom-right
  for (const IntPoint p : {IntPoint{3, 0}, IntPoint{0, 2}, IntPoint{-1, 0}})
    EXPECT_EQ(picture_color(pic, p.x, p.y), std::nullopt) << p.x << "," << p.y;
}

}  // namespace
}  // namespace daub
