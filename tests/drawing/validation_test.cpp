#include <gtest/gtest.h>

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
  std::uint32_t layer2 = 0, line1 = 0, line2 = 0, region = 0, letter = 0, bitmap = 0;
};

Sample sample() {
  TestApp t;
  fill_sample(t.app);
  sklpack(t.app);
  Sample s{t.app.drawing};
  s.layer2 = layer_offset(s.b, 2);
  const auto lines = chain_offsets(s.b, 1, ChainKind::kLines);
  s.line1 = lines[0], s.line2 = lines[1];
  s.letter = chain_offsets(s.b, 1, ChainKind::kLetters)[0];
  s.region = chain_offsets(s.b, 1, ChainKind::kRegions)[0];
  s.bitmap = chain_offsets(s.b, 1, ChainKind::kBitmaps)[0];
  return s;
}

template <class T>
void put_field(Block& b, std::uint64_t record, std::size_t field, T value) {
  b.put<T>(record + field, value);
}

// `layers` empty layers and a chain of `lines` lines hanging from layer 1, built directly.
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

// One row per refusal class; the damaged_files script and the drawing file
// fuzzer cover further damage.
TEST(Validation, EveryDamagedDrawingIsRefusedAndChangesNothing) {
  using R = RegionRecord;
  using T = TextRecord;
  using BR = BitmapRecord;
  const struct {
    const char* name;
    std::function<void(Sample&)> apply;
  } damages[] = {
      {"magic without its NUL", [](Sample& s) { s.b.put<char>(19, 'X'); }},
      {"used size inside the header", [](Sample& s) { s.b.set_used(19); }},
      {"settings record over the layers", [](Sample& s) { s.b.set_settings_offset(20); }},
      {"layer cut by the used end", [](Sample& s) { s.b.set_first_layer(s.b.used() - 10); }},
      {"two layers share a chain",
       [](Sample& s) { put_field<std::uint32_t>(s.b, s.layer2, 0, s.line1); }},
      {"line link into a record", [](Sample& s) { put_field(s.b, s.line1, 96, s.line2 + 8); }},
      {"region entries over its record",
       [](Sample& s) { put_field(s.b, s.region, offsetof(R, entries), s.region); }},
      {"region count above the limit",
       [](Sample& s) { put_field(s.b, s.region, offsetof(R, count), 65536); }},
      {"text without its NUL",
       [](Sample& s) {
         const auto t = s.b.get<T>(s.letter);
         s.b.put<char>(t.chars + t.length, 'x');
       }},
      {"bitmap image at offset 0",
       [](Sample& s) { put_field<std::uint32_t>(s.b, s.bitmap, offsetof(BR, image), 0); }},
      {"more than 65536 lines in a chain", [](Sample& s) { s.b = long_chain(1, 65537); }},
  };
  TestApp t;
  TempDir dir;
  t.app.files.working_folder = dir.path;
  add_line(t.app, 1, 42);
  const Block before = t.app.drawing;
  const std::string title = t.ui.title();
  for (const auto& d : damages) {
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

TEST(Validation, AcceptsWhatTheLimitsAllow) {
  TestApp t;
  add_text(t.app, 1, ChainKind::kLetters, std::string(65534, 'a'));
  add_region(t.app, 1, std::vector<BoundaryEntry>(65535));
  add_region(t.app, 1, {});
  add_region(t.app, 1, {{99, 1}, {-3, 7}});  // stale line numbers: skipped when drawn
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
