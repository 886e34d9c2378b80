#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "drawing/layers.h"
#include "model/records.h"
#include "support/window_drive.h"

namespace daub {
namespace {

using test::run;
using test::TempDir;
using test::TestApp;

// A drawing of `count` empty layers with `current` the current layer.
void make_layers(TestApp& t, int count, int current) {
  for (int n = layer_count(t.app.drawing) + 1; n <= count; ++n) makelayer(t.app, n);
  t.app.in.nowlayer = current;
  t.clear_log();
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
    EXPECT_EQ(std::pair(t.app.in.nowlayer, layer_count(t.app.drawing)),
              std::pair(c.want_current, c.want_layers));
    // A deleted layer leaves no dead bytes: the drawing is compacted.
    EXPECT_EQ(t.app.drawing.used(), kHeaderSize + sizeof(LayerRecord) * c.want_layers);
    EXPECT_EQ(t.last_message(), c.want_message);
    // Current elements are numbers within a layer, and so is the selection.
    EXPECT_EQ(std::tuple(t.app.in.nowletter, t.app.line_stock.size(), t.app.in.dispmode),
              std::tuple(0, 0u, 1));
  }
}

TEST(CommandTable, NewLayerRefusedForMemoryKeepsTheCurrentLayer) {
  TestApp t;
  make_layers(t, 2, 2);
  t.app.block_limit = t.app.drawing.used();  // no room for another layer
  run(t, 170);
  EXPECT_EQ(std::pair(t.app.in.nowlayer, layer_count(t.app.drawing)), std::pair(2, 2));
  EXPECT_EQ(t.last_message(), "memck\tメモリー不足、データをセーブしてください");
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
  EXPECT_EQ(t.last_message(), "layerfix\t3番レイヤーは存在しません。注目レイヤーは1番に変更します");
  EXPECT_EQ(std::tuple(t.app.in.nowlayer, t.app.in.nowrgn, t.app.in.dispmode), std::tuple(1, 0, 1));
  EXPECT_EQ(std::pair(t.app.files.sklname, t.app.files.working_folder),
            std::pair(std::string("one.skl"), dir.path));
}

}  // namespace
}  // namespace daub
