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
  std::uint32_t layer2 = 0, line1 = 0, line2 = 0, region = 0, letter_nul = 0, bitmap = 0;
};

Sample sample() {
  TestApp t;
  fill_sample(t.app);
  sklpack(t.app);
  Sample s{t.app.drawing};
  s.layer2 = layer_offset(s.b, 2);
  const auto lines = chain_offsets(s.b, 1, ChainKind::kLines);
  s.line1 = lines[0], s.line2 = lines[1];
  const auto letter = s.b.get<TextRecord>(chain_offsets(s.b, 1, ChainKind::kLetters)[0]);
  s.letter_nul = letter.chars + letter.length;
  s.region = chain_offsets(s.b, 1, ChainKind::kRegions)[0];
  s.bitmap = chain_offsets(s.b, 1, ChainKind::kBitmaps)[0];
  return s;
}

// One row per refusal class. That a refused file changes nothing, with its
// message, is pinned by the damaged_files script, which with the drawing
// file fuzzer covers further damage.
TEST(Validation, EveryDamagedDrawingIsRefused) {
  using R = RegionRecord;
  using BR = BitmapRecord;
  const struct {
    const char* name;
    std::function<void(Sample&)> apply;
  } damages[] = {
      {"magic without its NUL", [](Sample& s) { s.b.put<char>(19, 'X'); }},
      {"layer cut by the used end", [](Sample& s) { s.b.set_first_layer(s.b.used() - 10); }},
      {"two layers share a chain", [](Sample& s) { s.b.put<std::uint32_t>(s.layer2, s.line1); }},
      {"line link into a record", [](Sample& s) { s.b.put(s.line1 + 96, s.line2 + 8); }},
      {"region entries over its record",
       [](Sample& s) { s.b.put(s.region + offsetof(R, entries), s.region); }},
      {"region count above the limit",
       [](Sample& s) { s.b.put(s.region + offsetof(R, count), 65536); }},
      {"text without its NUL", [](Sample& s) { s.b.put<char>(s.letter_nul, 'x'); }},
      {"bitmap image over the header",
       [](Sample& s) {
         s.b.put<std::uint32_t>(s.bitmap + offsetof(BR, image), 0);
         s.b.put<std::uint32_t>(s.bitmap + offsetof(BR, size), kHeaderSize);
       }},
  };
  for (const auto& d : damages) {
    SCOPED_TRACE(d.name);
    Sample s = sample();
    ASSERT_TRUE(is_valid_drawing(s.b));
    d.apply(s);
    EXPECT_FALSE(is_valid_drawing(s.b.bytes()));
  }
}

// A header of `used` bytes with the settings offset and no layer, followed
// by `trailing` zero bytes.
Block header_only(std::uint32_t used, std::uint32_t settings, std::uint32_t trailing = 0) {
  Block b(std::vector<std::uint8_t>(used + trailing, 0));
  b.put(0, DrawingHeader{used, 0, settings});
  return b;
}

// Every element kind at its limit: the longest text, the most region
// entries, empty data wherever its offset points, trailing bytes.
Block at_the_limits(std::size_t text_length) {
  TestApp t;
  add_text(t.app, 1, ChainKind::kLetters, std::string(text_length, 'a'));
  add_region(t.app, 1, std::vector<BoundaryEntry>(65535));
  add_region(t.app, 1, {});
  add_region(t.app, 1, {{99, 1}, {-3, 7}});  // stale line numbers: skipped when drawn
  add_bitmap(t.app, 1, {});
  Block& b = t.app.drawing;
  const std::uint32_t empty = chain_offsets(b, 1, ChainKind::kRegions)[1];
  b.put<std::uint32_t>(empty + offsetof(RegionRecord, entries), 0xFFFFFFF0u);
  b.resize(b.allocated() + 5);
  return b;
}

// Each limit from both sides: the last accepted and the first refused.
TEST(Validation, LimitsFromBothSides) {
  Block past_used = header_only(kHeaderSize, 0, 44);
  past_used.set_first_layer(kHeaderSize + 4);
  Block in_settings = header_only(796 + sizeof(LayerRecord), kHeaderSize);
  in_settings.set_first_layer(kHeaderSize);
  const struct {
    const char* name;
    Block block;
    bool valid;
  } cases[] = {
      {"the empty drawing", Block::empty_drawing(), true},
      {"used size inside the header", header_only(19, 0, 1), false},
      {"header and settings only", header_only(796, kHeaderSize), true},
      {"settings cut by the used end", header_only(795, kHeaderSize, 1), false},
      {"settings record at 21", header_only(797, 21), false},
      {"every element at its limit", at_the_limits(65534), true},
      {"text of 65535 bytes", at_the_limits(65535), false},
      {"65536 layers, 65536 lines in a chain", long_chain(65536, 65536), true},
      {"65537 lines in a chain", long_chain(1, 65537), false},
      {"65537 layers", long_chain(65537, 0), false},
      {"layer in the bytes after the used part", past_used, false},
      {"layer inside the settings record", in_settings, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(is_valid_drawing(c.block), c.valid);
  }
}

}  // namespace
}  // namespace daub::test
