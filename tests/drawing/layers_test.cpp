#include <gtest/gtest.h>

#include <functional>

#include "drawing/bitmaps.h"
#include "drawing/chain.h"
#include "drawing/drawing_builder.h"
#include "drawing/layers.h"
#include "drawing/line_fixtures.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

// Layers told apart by the tag of their one line (0 for a layer without lines).
std::vector<double> layer_tags(const Block& b) {
  std::vector<double> tags;
  for (int n = 1; n <= layer_count(b); ++n) {
    const auto lines = line_tags(b, n);
    tags.push_back(lines.empty() ? 0 : lines[0]);
  }
  return tags;
}

// Three layers tagged 1, 2, 3; layer 2 has a second line tagged 22.
void three_layers(TestApp& t) {
  makelayer(t.app, 2);
  makelayer(t.app, 3);
  for (int n = 1; n <= 3; ++n) add_line(t.app, n, n);
  add_line(t.app, 2, 22);
}

// Appending zero layers, byte for byte, is pinned by the layers script.
TEST(Layers, MakelayerInsertsBeforeLayerNUpToTheLayerLimit) {
  TestApp t;
  three_layers(t);
  makelayer(t.app, 3);
  EXPECT_EQ(layer_tags(t.app.drawing), (std::vector<double>{1, 2, 0, 3}));
  makelayer(t.app, 1);
  EXPECT_EQ(layer_tags(t.app.drawing), (std::vector<double>{0, 1, 2, 0, 3}));
  EXPECT_EQ(t.messages().size(), 0u);
  // More layers could be saved but never read back: the last one is made, one
  // more is refused.
  for (std::uint32_t count : {kMaxLayers - 1, kMaxLayers}) {
    SCOPED_TRACE(count);
    t.app.drawing = long_chain(count, 0);
    makelayer(t.app, 1);
    const bool room = count < kMaxLayers;
    EXPECT_EQ(layer_count(t.app.drawing), static_cast<int>(room ? count + 1 : count));
    EXPECT_EQ(t.last_message(), room ? "" : "memck\tメモリー不足、データをセーブしてください");
  }
}

TEST(Layers, RefusedOperationsReportAndChangeNothing) {
  const struct {
    const char* name;
    int layers;  // 0: an empty layer chain
    std::function<int(App&)> run;
    std::string message;
  } cases[] = {
      {"make beyond the end + 1", 3, [](App& a) { return makelayer(a, 5), 0; },
       "makelayer\tレイヤーが存在しません"},
      {"make at 2 in an empty chain", 0, [](App& a) { return makelayer(a, 2), 0; },
       "makelayer\t該当レイヤーが存在しません"},
      {"top beyond the last", 3, [](App& a) { return layerswaptop(a, 4); },
       "layerswaptop\t該当レイヤーが存在しません"},
      {"bitmaps of a missing layer", 3, [](App& a) { return allbmpdel(a, 4); },
       "allbmpdel\tレイヤーが存在しません"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestApp t;
    if (c.layers == 0) t.app.drawing = Block::empty_drawing();
    if (c.layers == 3) three_layers(t);
    const Block before = t.app.drawing;
    t.app.in.nowlayer = 2;
    EXPECT_EQ(c.run(t.app), 0);
    EXPECT_EQ(t.messages(), std::vector<std::string>{c.message});
    EXPECT_EQ(t.app.drawing.bytes(), before.bytes());
    EXPECT_EQ(t.app.in.nowlayer, 2);
  }
}

// The element lookups every operation shares: each text once, and number 0,
// under the operation's own caption, changing nothing. The situations are
// (elements of the kind in layer 1, number, layer).
TEST(Layers, ElementOperationsNameWhatIsMissingUnderTheirOwnCaption) {
  const struct {
    const char* caption;
    ChainKind kind;
    int elements, n, layer;
    const char* text;
    std::function<int(App&, int n, int layer)> op;
  } cases[] = {
      {"getline", ChainKind::kLines, 2, 1, 2, "レイヤーが存在しません",
       [](App& a, int n, int l) {
         LineRecord r;
         return getline(a, n, r, l);
       }},
      {"linenow", ChainKind::kLines, 2, 0, 1, "該当データが存在しません",
       [](App& a, int n, int l) { return linenow(a, n, l); }},
      {"delskl", ChainKind::kLines, 0, 1, 1, "データが存在しません",
       [](App& a, int n, int l) { return delskl(a, n, l); }},
      {"cutline", ChainKind::kLines, 2, 3, 1, "該当データが存在しません",
       [](App& a, int n, int l) {
         LineRecord r;
         int k;
         PointDir p;
         return cut_line(a, n, straight(12, -5, 12, 5), r, k, p, l);
       }},
      {"nearestbmp", ChainKind::kBitmaps, 1, 1, 2, "レイヤーが存在しません",
       [](App& a, int, int l) {
         DPoint anchor;
         return nearestbmp(a, DPoint{0, 0}, anchor, l);
       }},
      {"getbmp", ChainKind::kBitmaps, 0, 1, 1, "データが存在しません",
       [](App& a, int n, int l) {
         BitmapRecord r;
         return getbmp(a, n, r, l);
       }},
      {"bmpmove", ChainKind::kBitmaps, 2, 0, 1, "該当データが存在しません",
       [](App& a, int n, int l) { return bmpmove(a, n, 5, 5, l); }},
      {"delbmp", ChainKind::kBitmaps, 2, 3, 1, "該当データが存在しません",
       [](App& a, int n, int l) { return delbmp(a, n, l); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    TestApp t;
    for (int i = 1; i <= c.elements; ++i)
      c.kind == ChainKind::kLines ? add_line(t.app, 1, 10 * i) : add_bitmap(t.app, 1, {1, 2, 3});
    const Block before = t.app.drawing;
    EXPECT_EQ(c.op(t.app, c.n, c.layer), 0);
    EXPECT_EQ(t.messages(), std::vector<std::string>{std::string(c.caption) + "\t" + c.text});
    EXPECT_EQ(t.app.drawing.bytes(), before.bytes());
  }
}

TEST(Layers, AllbmpdelDetachesOnlyTheBitmapChain) {
  TestApp t;
  add_bitmap(t.app, 1, {1, 2, 3});
  add_line(t.app, 1, 5);
  EXPECT_EQ(allbmpdel(t.app, 1), 1);
  EXPECT_TRUE(chain_offsets(t.app.drawing, 1, ChainKind::kBitmaps).empty());
  EXPECT_EQ(line_tags(t.app.drawing, 1), std::vector<double>{5});
}

}  // namespace
}  // namespace daub::test
