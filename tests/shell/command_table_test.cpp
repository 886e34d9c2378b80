#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "drawing/layers.h"
#include "model/records.h"
#include "model/settings.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::TempDir;
using test::TestApp;

const std::string kApology = "おわび\tまだ出来ていません";

void run(TestApp& t, std::uint32_t id) { MenuCommand(t.app, id, 0); }

std::vector<std::uint8_t> settings_bytes(const Settings& s) {
  std::vector<std::uint8_t> out(sizeof s);
  std::memcpy(out.data(), &s, sizeof s);
  return out;
}

// Everything a command could change that the tests look at.
struct Snapshot {
  std::vector<std::uint8_t> drawing;
  std::vector<std::uint8_t> settings;
  std::uint16_t mousecmd;
  int dispmode, nowlayer, nowpointvalid, heldpointvalid, nowletter, repaints;
  std::string sklname, working_folder, current_file;
  bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(TestApp& t) {
  const App& a = t.app;
  return Snapshot{a.drawing.bytes(),      settings_bytes(a.settings),
                  a.in.mousecmd,          a.in.dispmode,
                  a.in.nowlayer,          a.in.nowpointvalid,
                  a.in.heldpointvalid,    a.in.nowletter,
                  t.ui.repaint_count(),   a.files.sklname,
                  a.files.working_folder, a.files.current_file};
}

// A drawing of `count` empty layers with `current` the current layer.
void make_layers(TestApp& t, int count, int current) {
  for (int n = layer_count(t.app.drawing) + 1; n <= count; ++n) makelayer(t.app, n);
  t.app.in.nowlayer = current;
  t.clear_log();
}

TEST(CommandTable, IdsWithoutAnActionApologiseAndChangeNothing) {
  // Below the range, a high word that a 16-bit compare would drop and two
  // unassigned ids (the apology script and the all-ids test have more).
  const std::uint32_t ids[] = {0, 0x10000u + 600, 123, 106};
  for (std::uint32_t id : ids) {
    SCOPED_TRACE(id);
    TestApp t;
    t.app.in.mousecmd = 42;
    const Snapshot before = snapshot(t);
    run(t, id);
    EXPECT_EQ(t.messages(), std::vector<std::string>{kApology});
    EXPECT_TRUE(snapshot(t) == before);
  }
}

// The layer operations themselves are tested in tests/drawing and pinned by
// the layers script; here the commands' current layer and what they reset.
TEST(CommandTable, LayerCommands) {
  struct Case {
    int layers, current, id;
    int want_current, want_layers;
    std::string want_message;
  } cases[] = {
      {3, 3, 171, 1, 3, ""},  // next on the last wraps to 1
      {3, 3, 175, 1, 3, ""},  // to the front
      {3, 2, 178, 2, 2, ""},  // a middle layer
      {1, 1, 178, 1, 1, "dellayer\tレイヤー削除できません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.id << " on " << c.current);
    TestApp t;
    make_layers(t, c.layers, c.current);
    t.app.in.nowletter = 7;
    t.app.line_stock.resize(2);
    t.app.in.dispmode = 0;
    run(t, c.id);
    EXPECT_EQ(t.app.in.nowlayer, c.want_current);
    EXPECT_EQ(layer_count(t.app.drawing), c.want_layers);
    EXPECT_EQ(t.last_message(), c.want_message);
    EXPECT_EQ(t.app.in.nowletter, 0);       // current elements are numbers within a layer
    EXPECT_TRUE(t.app.line_stock.empty());  // and so is the selection
    EXPECT_EQ(t.app.in.dispmode, 1);
  }
}

TEST(CommandTable, NewLayerRefusedForMemoryKeepsTheCurrentLayer) {
  TestApp t;
  make_layers(t, 2, 2);
  t.app.block_limit = t.app.drawing.used();  // no room for another layer
  run(t, 170);
  EXPECT_EQ(t.app.in.nowlayer, 2);  // not a layer beyond the last
  EXPECT_EQ(layer_count(t.app.drawing), 2);
  EXPECT_EQ(t.last_message(), "memck\tメモリー不足、データをセーブしてください");
}

TEST(CommandTable, DisplayColourSettersCopyTheCurrentColourWithoutRepainting) {
  struct Case {
    int id, offset;
  } cases[] = {{390, 720}, {522, 772}, {398, 688}};
  const Colorref color = rgb(0x12, 0x34, 0x56);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    TestApp t;
    t.app.settings.color = color;
    std::vector<std::uint8_t> want = settings_bytes(t.app.settings);
    std::memcpy(&want[c.offset], &color, sizeof color);
    const int repaints = t.ui.repaint_count();

    run(t, c.id);

    EXPECT_EQ(settings_bytes(t.app.settings), want);  // that slot and nothing else
    EXPECT_EQ(t.ui.repaint_count(), repaints);
    EXPECT_TRUE(t.messages().empty());
  }
}

TEST(CommandTable, OpenLoadsTheChosenDrawingAndClampsTheCurrentLayer) {
  TempDir dir;
  const std::vector<std::uint8_t> one = TestApp().app.drawing.bytes();  // one empty layer
  test::write_bytes(dir.file("one.skl"), one);
  TestApp t;
  make_layers(t, 3, 3);
  t.app.in.nowrgn = 4;
  t.answer(ScriptAnswer::kFile, dir.file("one.skl"));

  run(t, 160);

  EXPECT_EQ(t.app.drawing.bytes(), one);
  EXPECT_EQ(t.app.in.nowlayer, 1);
  EXPECT_EQ(t.last_message(), "layerfix\t3番レイヤーは存在しません。注目レイヤーは1番に変更します");
  EXPECT_EQ(t.app.files.sklname, "one.skl");
  EXPECT_EQ(t.app.files.working_folder, dir.path);
  EXPECT_EQ(t.app.in.nowrgn, 0);
  EXPECT_EQ(t.app.in.dispmode, 1);
}

TEST(CommandTable, CancelledOpenAndSaveChangeAndWriteNothing) {
  TempDir dir;
  TestApp t;
  make_layers(t, 2, 2);
  t.app.files.working_folder = dir.path;
  const Snapshot before = snapshot(t);  // names, folder and repaints too
  for (int id : {160, 161}) {
    t.answer(ScriptAnswer::kCancel);
    run(t, id);
  }
  EXPECT_TRUE(snapshot(t) == before);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
  EXPECT_TRUE(t.messages().empty());
}

TEST(CommandTable, MemoryAndCompactionDoNotRepaint) {
  TestApp t;
  make_layers(t, 2, 2);
  dellayer(t.app, 2);  // leaves the layer record as dead bytes
  const int repaints = t.ui.repaint_count();
  run(t, 165);
  run(t, 164);
  EXPECT_EQ(t.app.drawing.used(), kHeaderSize + sizeof(LayerRecord));
  EXPECT_EQ(t.ui.repaint_count(), repaints);

  make_layers(t, 3, 2);
  run(t, 178);  // deleting a layer compacts the drawing as well
  EXPECT_EQ(t.app.drawing.used(), kHeaderSize + 2 * sizeof(LayerRecord));
}

}  // namespace
}  // namespace daub
