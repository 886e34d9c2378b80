#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "drawing/bitmaps.h"
#include "drawing/drawing_builder.h"
#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/memory.h"
#include "drawing/pack.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

void unlink_first_line(Block& b, int layer) {
  const std::uint32_t at = layer_offset(b, layer);
  const std::uint32_t head = chain_head(b, at, ChainKind::kLines);
  if (head != 0) b.put<std::uint32_t>(at, chain_next(b, head, ChainKind::kLines));
}

TEST(Pack, PutsEveryLayerInCanonicalOrderWithoutDeadBytes) {
  TestApp t;
  fill_sample(t.app);
  // A deleted layer in the middle of the block leaves dead bytes behind.
  makelayer(t.app, 2);
  add_line(t.app, 2, 99);
  ASSERT_EQ(dellayer(t.app, 2), 2);
  const auto before = content(t.app.drawing);

  EXPECT_EQ(sklpack(t.app), 0);
  const Block& b = t.app.drawing;
  ASSERT_TRUE(is_valid_drawing(b));
  EXPECT_EQ(b.allocated(), b.used());
  EXPECT_EQ(content(b), before);

  // Canonical order: each record starts where the previous record's data ended.
  std::uint32_t expected = kHeaderSize;
  for (int n = 1; n <= 2; ++n) {
    EXPECT_EQ(layer_offset(b, n), expected);
    expected += sizeof(LayerRecord);
    for (ChainKind kind : kCanonicalChainOrder) {
      for (std::uint32_t at : chain_offsets(b, n, kind)) {
        EXPECT_EQ(at, expected);
        const DataRange data = trailing_data(b, kind, at);
        expected += chain_shape(kind).record_size;
        if (data.size > 0) {
          EXPECT_EQ(data.offset, expected);
        }
        expected += static_cast<std::uint32_t>(data.size);
      }
    }
  }
  EXPECT_EQ(b.used(), expected);
}

// Random edits from a fixed seed, empty texts among them (runs of them too):
// compaction keeps what the user sees but the empty texts, gives a valid
// block, and packing the result again changes nothing.
TEST(Pack, RandomEditsKeepContentAndPackIdempotently) {
  std::mt19937 rng(20240607);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    TestApp t;
    for (int step = 0; step < 60; ++step) {
      const int layer = 1 + static_cast<int>(rng() % layer_count(t.app.drawing));
      const auto up_to = [&](int n) { return static_cast<int>(rng() % n); };
      const std::function<void(App&)> edits[] = {
          [&](App& a) { makelayer(a, 1 + up_to(layer_count(a.drawing) + 1)); },
          [&](App& a) { dellayer(a, layer); },
          [&](App& a) { layerswapback(a, layer); },
          [&](App& a) { add_text(a, layer, ChainKind::kEnglishes, std::string(up_to(3), 'e')); },
          [&](App& a) { add_text(a, layer, ChainKind::kLetters, std::string(up_to(3), 'l')); },
          [&](App& a) { add_region(a, layer, std::vector<BoundaryEntry>(up_to(3))); },
          [&](App& a) { add_bitmap(a, layer, std::vector<std::uint8_t>(up_to(5), 9)); },
          [&](App& a) { allbmpdel(a, layer); },
          [&](App& a) { unlink_first_line(a.drawing, layer); },
          [&](App& a) { sklpack(a); },
          [&](App& a) { add_line(a, layer, step); },
      };
      edits[up_to(static_cast<int>(std::size(edits)))](t.app);
    }
    ASSERT_TRUE(is_valid_drawing(t.app.drawing));
    Block expected = t.app.drawing;
    emptystrpurge(expected);
    const Block once = packed(t.app.drawing);
    ASSERT_TRUE(is_valid_drawing(once));
    EXPECT_EQ(content(once), content(expected));
    EXPECT_EQ(packed(once).bytes(), once.bytes());
    EXPECT_LE(once.used(), t.app.drawing.used());
  }
}

TEST(Memory, RefusesGrowthPastTheLimitAndLeavesTheBlock) {
  TestApp t;
  t.app.block_limit = 44 + 20;
  EXPECT_EQ(memck(t.app, 20), 64u);
  t.app.drawing.resize(44);
  EXPECT_EQ(memck(t.app, 21), 0u);
  EXPECT_EQ(t.last_message(), "memck\tメモリー不足、データをセーブしてください");
  EXPECT_EQ(t.app.drawing.allocated(), 44u);

  t.clear_log();
  EXPECT_EQ(add_line(t.app, 1, 1), 0);
  makelayer(t.app, 2);
  EXPECT_EQ(std::tuple(t.messages().size(), t.app.drawing.allocated(), layer_count(t.app.drawing)),
            std::tuple(2u, 44u, 1));

  memdisp(t.app);
  EXPECT_EQ(t.last_message(), "memdisp\t使用メモリー44バイト");
}

}  // namespace
}  // namespace daub::test
