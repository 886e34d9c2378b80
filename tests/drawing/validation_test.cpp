#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/pack.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

// The packed sample drawing and where its records lie.
struct Sample {
  Block b;
  std::uint32_t layer1 = 0, layer2 = 0;
  std::uint32_t line1 = 0, line2 = 0, region = 0, letter1 = 0, letter2 = 0, bitmap = 0;
};

Sample sample() {
  TestApp t;
  fill_sample(t.app);
  sklpack(t.app);
  Sample s;
  s.b = t.app.drawing;
  s.layer1 = layer_offset(s.b, 1);
  s.layer2 = layer_offset(s.b, 2);
  const auto lines = chain_offsets(s.b, 1, ChainKind::kLines);
  const auto letters = chain_offsets(s.b, 1, ChainKind::kLetters);
  s.line1 = lines[0], s.line2 = lines[1], s.letter1 = letters[0], s.letter2 = letters[1];
  s.region = chain_offsets(s.b, 1, ChainKind::kRegions)[0];
  s.bitmap = chain_offsets(s.b, 1, ChainKind::kBitmaps)[0];
  return s;
}

template <class T>
void put_field(Block& b, std::uint64_t record, std::size_t field, T value) {
  b.put<T>(record + field, value);
}

// A chain of `n` records of one kind hanging from layer 1, built directly.
Block long_chain(std::uint32_t layers, std::uint32_t lines) {
  const std::uint64_t used = 20 + 24ull * layers + 104ull * lines;
  Block b(std::vector<std::uint8_t>(used, 0));
  b.put(0, DrawingHeader{static_cast<std::uint32_t>(used), 20, 0});
  for (std::uint32_t i = 0; i + 1 < layers; ++i)
    b.put<std::uint32_t>(20 + 24ull * i + 20, 20 + 24 * (i + 1));
  const std::uint32_t first_line = 20 + 24 * layers;
  if (lines > 0) b.put<std::uint32_t>(20, first_line);
  for (std::uint32_t i = 0; i + 1 < lines; ++i)
    b.put<std::uint32_t>(first_line + 104ull * i + 96, first_line + 104 * (i + 1));
  return b;
}

struct Damage {
  const char* name;
  std::function<void(Sample&)> apply;
};

const std::vector<Damage>& damages() {
  using R = RegionRecord;
  using T = TextRecord;
  using BR = BitmapRecord;
  static const std::vector<Damage> table = {
      {"empty", [](Sample& s) { s.b = Block(); }},
      {"shorter than the header", [](Sample& s) { s.b.resize(19); }},
      {"magic differs", [](Sample& s) { s.b.put<char>(18, 'E'); }},
      {"magic without its NUL", [](Sample& s) { s.b.put<char>(19, 'X'); }},
      {"used size beyond the data", [](Sample& s) { s.b.set_used(s.b.used() + 1); }},
      {"used size inside the header", [](Sample& s) { s.b.set_used(19); }},
      {"settings offset 8", [](Sample& s) { s.b.set_settings_offset(8); }},
      {"settings record over the layers", [](Sample& s) { s.b.set_settings_offset(20); }},
      {"settings record past the end",
       [](Sample& s) {
         s.b = Block::empty_drawing();
         s.b.set_settings_offset(20);
       }},
      {"first layer at the used end", [](Sample& s) { s.b.set_first_layer(s.b.used()); }},
      {"first layer inside the header", [](Sample& s) { s.b.set_first_layer(4); }},
      {"layer cut by the used end", [](Sample& s) { s.b.set_first_layer(s.b.used() - 10); }},
      {"layer links back to the first",
       [](Sample& s) { put_field<std::uint32_t>(s.b, s.layer2, 20, s.layer1); }},
      {"two layers share a chain",
       [](Sample& s) { put_field<std::uint32_t>(s.b, s.layer2, 0, s.line1); }},
      {"line link outside", [](Sample& s) { put_field(s.b, s.line2, 96, s.b.used()); }},
      {"line link into a record", [](Sample& s) { put_field(s.b, s.line1, 96, s.line2 + 8); }},
      {"line chain loops", [](Sample& s) { put_field(s.b, s.line2, 96, s.line1); }},
      {"region count negative",
       [](Sample& s) { put_field(s.b, s.region, offsetof(R, count), -1); }},
      {"region entries past the end",
       [](Sample& s) { put_field(s.b, s.region, offsetof(R, entries), s.b.used() - 8); }},
      {"region entries over its record",
       [](Sample& s) { put_field(s.b, s.region, offsetof(R, entries), s.region); }},
      {"region count above the limit",
       [](Sample& s) { put_field(s.b, s.region, offsetof(R, count), 65536); }},
      {"text length negative",
       [](Sample& s) { put_field(s.b, s.letter1, offsetof(T, length), -1); }},
      {"text characters past the end",
       [](Sample& s) { put_field(s.b, s.letter1, offsetof(T, length), 100000); }},
      {"text without its NUL",
       [](Sample& s) {
         const auto t = s.b.get<T>(s.letter1);
         s.b.put<char>(t.chars + t.length, 'x');
       }},
      {"texts share characters",
       [](Sample& s) {
         put_field(s.b, s.letter2, offsetof(T, chars), s.b.get<T>(s.letter1).chars);
       }},
      {"bitmap image past the end",
       [](Sample& s) { put_field(s.b, s.bitmap, offsetof(BR, size), s.b.used()); }},
      {"bitmap image at offset 0",
       [](Sample& s) { put_field<std::uint32_t>(s.b, s.bitmap, offsetof(BR, image), 0); }},
      {"more than 65536 layers", [](Sample& s) { s.b = long_chain(65537, 0); }},
      {"more than 65536 lines in a chain", [](Sample& s) { s.b = long_chain(1, 65537); }},
  };
  return table;
}

TEST(Validation, EveryDamagedDrawingIsRefusedAndChangesNothing) {
  TestApp t;
  TempDir dir;
  t.app.files.working_folder = dir.path;
  add_line(t.app, 1, 42);
  const Block before = t.app.drawing;
  const std::string title = t.ui.title();
  for (const Damage& d : damages()) {
    SCOPED_TRACE(d.name);
    Sample s = sample();
    ASSERT_TRUE(is_valid_drawing(s.b));
    d.apply(s);
    EXPECT_FALSE(is_valid_drawing(s.b.bytes()));
    write_bytes(dir.file("bad.skl"), s.b.bytes());
    t.clear_log();
    EXPECT_EQ(sklfilein(t.app, "bad.skl"), 0);
    EXPECT_EQ(t.last_message(), "CAUTION\tTORVCADデータではありません");
    EXPECT_EQ(t.app.drawing.bytes(), before.bytes());
    EXPECT_EQ(t.app.files.current_file, "drawdata.skl");
    EXPECT_EQ(t.ui.title(), title);
  }
}

TEST(Validation, DamagedFilesOnDiskAreRefused) {
  TestApp t;
  t.app.files.working_folder = std::string(DAUBERY_TEST_DATA) + "/errors";
  int seen = 0;
  for (const auto& entry : std::filesystem::directory_iterator(t.app.files.working_folder)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("drawing_", 0) != 0) continue;
    SCOPED_TRACE(name);
    ++seen;
    t.clear_log();
    EXPECT_EQ(sklfilein(t.app, name), 0);
    EXPECT_EQ(t.last_message(), "CAUTION\tTORVCADデータではありません");
  }
  EXPECT_GE(seen, 5);
}

TEST(Validation, AcceptsWhatTheLimitsAllow) {
  TestApp t;
  add_text(t.app, 1, ChainKind::kLetters, std::string(65534, 'a'));
  add_region(t.app, 1, std::vector<BoundaryEntry>(65535));
  add_region(t.app, 1, {});
  add_bitmap(t.app, 1, {});
  EXPECT_TRUE(is_valid_drawing(t.app.drawing));
  // Trailing bytes after the used part are allowed (clipboard data may have them).
  Block longer = t.app.drawing;
  longer.resize(longer.allocated() + 5);
  EXPECT_TRUE(is_valid_drawing(longer));
  EXPECT_TRUE(is_valid_drawing(long_chain(65536, 65536)));
  EXPECT_TRUE(is_valid_drawing(Block::empty_drawing()));
}

}  // namespace
}  // namespace daub::test
