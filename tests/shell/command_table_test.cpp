#include "shell/command_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "drawing/layers.h"
#include "drawing/records.h"
#include "drawing/settings.h"
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

// Appends a value's bytes to a file image.
template <class T>
void append(std::vector<std::uint8_t>& bytes, const T& value) {
  const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
  bytes.insert(bytes.end(), p, p + sizeof value);
}

// A drawing file of `layers` empty layers, with one 1 × 1 picture in the
// first layer when asked.
std::vector<std::uint8_t> drawing_file(int layers, bool picture = false) {
  std::vector<std::uint8_t> bytes;
  append(bytes, DrawingHeader{});
  std::vector<std::uint32_t> layer_at;
  for (int n = 0; n < layers; ++n) {
    layer_at.push_back(static_cast<std::uint32_t>(bytes.size()));
    append(bytes, LayerRecord{});
  }
  for (int n = 0; n + 1 < layers; ++n)
    std::memcpy(&bytes[layer_at[n] + offsetof(LayerRecord, next)], &layer_at[n + 1], 4);
  if (picture) {
    const auto at = static_cast<std::uint32_t>(bytes.size());
    std::memcpy(&bytes[layer_at[0] + offsetof(LayerRecord, bitmaps)], &at, 4);
    BitmapRecord rec;
    rec.rate = 1.0;
    rec.image = at + sizeof rec;
    rec.size = 48;  // header, gap, one padded 24-bit row
    append(bytes, rec);
    const std::int32_t info[10] = {40, 1, 1, 1 | (24 << 16), 0, 4, 0, 0, 0, 0};
    append(bytes, info);
    append(bytes, std::uint32_t{0});           // the gap before the pixels
    append(bytes, std::uint32_t{0x00112233});  // one pixel and its padding
  }
  const auto used = static_cast<std::uint32_t>(bytes.size());
  std::memcpy(&bytes[0], &used, 4);
  std::memcpy(&bytes[4], &layer_at[0], 4);
  return bytes;
}

TEST(CommandTable, IdsWithoutAnActionApologiseAndChangeNothing) {
  // Below and above the range, a high word that a 16-bit compare would drop,
  // an unassigned id, and ids whose actions do not exist yet.
  const std::uint32_t ids[] = {0,   99,  1130, 0xFFFFFFFFu, 0x10000u + 600, 106, 242, 1016, 123,
                               313, 548, 614,  637};
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

// The layer order as original layer numbers (0 = a layer made by the command),
// found by the records' offsets, which moving a layer keeps.
std::vector<int> layer_order(const TestApp& t, const std::vector<std::uint32_t>& original) {
  std::vector<int> order;
  const int count = layer_count(t.app.drawing);
  for (int n = 1; n <= count; ++n) {
    const std::uint32_t at = layer_offset(t.app.drawing, n);
    int number = 0;
    for (std::size_t i = 0; i < original.size(); ++i)
      if (original[i] == at) number = static_cast<int>(i) + 1;
    order.push_back(number);
  }
  return order;
}

TEST(CommandTable, LayerCommands) {
  struct Case {
    const char* what;
    int layers, current, id;
    int want_current;
    std::vector<int> want_order;  // empty: not checked (compaction moves records)
    int want_layers;
    std::string want_message;
  } cases[] = {
      {"170 inserts after the current layer", 3, 2, 170, 3, {1, 2, 0, 3}, 4, ""},
      {"171 on the last wraps to 1", 3, 3, 171, 1, {1, 2, 3}, 3, ""},
      {"172 on 1 wraps to the last", 3, 1, 172, 3, {1, 2, 3}, 3, ""},
      {"173 first", 3, 2, 173, 1, {1, 2, 3}, 3, ""},
      {"175 to the front", 3, 3, 175, 1, {3, 1, 2}, 3, ""},
      {"176 to the end", 3, 1, 176, 3, {2, 3, 1}, 3, ""},
      {"177 one back", 3, 3, 177, 2, {1, 3, 2}, 3, ""},
      {"177 on 1 changes nothing", 3, 1, 177, 1, {1, 2, 3}, 3, ""},
      {"178 the current last layer", 3, 3, 178, 2, {}, 2, ""},
      {"178 a middle layer", 3, 2, 178, 2, {}, 2, ""},
      {"178 the only layer", 1, 1, 178, 1, {1}, 1, "dellayer\tレイヤー削除できません"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestApp t;
    make_layers(t, c.layers, c.current);
    std::vector<std::uint32_t> original;
    for (int n = 1; n <= c.layers; ++n) original.push_back(layer_offset(t.app.drawing, n));
    t.app.in.nowletter = 7;
    t.app.line_stock.resize(2);
    t.app.in.dispmode = 0;

    run(t, c.id);

    EXPECT_EQ(t.app.in.nowlayer, c.want_current);
    EXPECT_EQ(layer_count(t.app.drawing), c.want_layers);
    if (!c.want_order.empty()) {
      EXPECT_EQ(layer_order(t, original), c.want_order);
    }
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

TEST(CommandTable, LayerNumberInput) {
  struct Case {
    const char* typed;
    int want_current;
    std::string want_message;
  } cases[] = {{"3", 3, ""},
               {"0", 2, "layerdlg\t0番レイヤーは存在しません"},
               {"4", 2, "layerdlg\t4番レイヤーは存在しません"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    TestApp t;
    make_layers(t, 3, 2);
    t.app.in.nowbmp = 5;
    t.answer(ScriptAnswer::kInput, c.typed);
    run(t, 525);
    EXPECT_EQ(t.app.in.nowlayer, c.want_current);
    EXPECT_EQ(t.last_message(), c.want_message);
    EXPECT_EQ(t.app.in.nowbmp, 0);
    EXPECT_EQ(t.app.in.dispmode, 1);
  }
}

TEST(CommandTable, DisplayColourSettersCopyTheCurrentColourWithoutRepainting) {
  struct Case {
    int id, offset;
  } cases[] = {{390, 720}, {391, 724}, {392, 728}, {572, 732}, {397, 736},
               {393, 740}, {394, 744}, {438, 748}, {395, 752}, {396, 756},
               {429, 760}, {520, 764}, {521, 768}, {522, 772}, {398, 688}};
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
  test::write_bytes(dir.file("one.skl"), drawing_file(1));
  TestApp t;
  make_layers(t, 3, 3);
  t.app.in.nowrgn = 4;
  t.answer(ScriptAnswer::kFile, dir.file("one.skl"));

  run(t, 160);

  EXPECT_EQ(t.app.drawing.bytes(), drawing_file(1));
  EXPECT_EQ(t.app.in.nowlayer, 1);
  EXPECT_EQ(t.last_message(), "layerfix\t3番レイヤーは存在しません。注目レイヤーは1番に変更します");
  EXPECT_EQ(t.app.files.sklname, "one.skl");
  EXPECT_EQ(t.app.files.working_folder, dir.path);
  EXPECT_EQ(t.app.in.nowrgn, 0);
  EXPECT_EQ(t.app.in.dispmode, 1);
}

TEST(CommandTable, OpenCancelledChangesNothing) {
  for (int id : {160, 800}) {
    SCOPED_TRACE(id);
    TestApp t;
    make_layers(t, 2, 2);
    const Snapshot before = snapshot(t);
    t.answer(ScriptAnswer::kCancel);
    run(t, id);
    EXPECT_TRUE(snapshot(t) == before);
    EXPECT_TRUE(t.messages().empty());
  }
}

TEST(CommandTable, OpenWithoutPicturesDropsEveryBitmapChain) {
  TempDir dir;
  test::write_bytes(dir.file("pic.skl"), drawing_file(2, true));
  TestApp t;
  t.answer(ScriptAnswer::kFile, dir.file("pic.skl"));

  run(t, 800);

  EXPECT_TRUE(t.messages().empty()) << t.last_message();
  EXPECT_EQ(t.app.drawing.bytes(), drawing_file(2));
  EXPECT_EQ(t.app.in.dispmode, 1);
}

TEST(CommandTable, SaveCancelledWritesNothingAndDoesNotRepaint) {
  TempDir dir;
  TestApp t;
  t.app.files.working_folder = dir.path;
  const int repaints = t.ui.repaint_count();
  t.answer(ScriptAnswer::kCancel);
  run(t, 161);
  EXPECT_TRUE(std::filesystem::is_empty(dir.path));
  EXPECT_EQ(t.ui.repaint_count(), repaints);
  EXPECT_EQ(t.app.files.sklname, "drawdata.skl");
}

TEST(CommandTable, MemoryAndCompactionDoNotRepaint) {
  TestApp t;
  make_layers(t, 2, 2);
  dellayer(t.app, 2);  // leaves the layer record as dead bytes
  const int repaints = t.ui.repaint_count();
  run(t, 165);
  EXPECT_EQ(t.app.drawing.used(), kHeaderSize + sizeof(LayerRecord));
  run(t, 164);
  EXPECT_EQ(t.messages(), std::vector<std::string>{"memdisp\t使用メモリー44バイト"});
  EXPECT_EQ(t.ui.repaint_count(), repaints);

  make_layers(t, 3, 2);
  run(t, 178);  // deleting a layer compacts the drawing as well
  EXPECT_EQ(t.app.drawing.used(), kHeaderSize + 2 * sizeof(LayerRecord));
}

}  // namespace
}  // namespace daub
