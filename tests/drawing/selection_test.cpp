#include "drawing/selection.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/line_fixtures.h"
#include "drawing/regions.h"
#include "drawing/selection_transforms.h"
#include "drawing/texts.h"
#include "geometry/angle.h"
#include "support/region_entries.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

// An L-shaped enclosure: the square (0, 0)-(100, 100) without its top right
// quarter, so that a straight line between two inside points can leave it.
// Its last edge, back to the first point, is the bottom one, which the rays
// of inside points cross.
const std::vector<DPoint> kEll = {{0, 100}, {0, 0}, {50, 0}, {50, 50}, {100, 50}, {100, 100}};

TEST(EnclosurePick, PicksWhatLiesWhollyInsideByItsEndsOrAnchor) {
  TestApp t;
  add_geom(t.app, straight(10, 10, 40, 40));     // 1: both ends in
  add_geom(t.app, straight(10, 10, 80, 20));     // 2: B in the cut-out quarter
  add_geom(t.app, straight(40, 10, 90, 60));     // 3: both in, the middle outside
  add_geom(t.app, straight(-1e-9, 60, 20, 60));  // 4: A just left of the enclosure
  add_geom(t.app, straight(1e-9, 60, 20, 60));   // 5: A just inside
  add_text(t.app, 1, ChainKind::kLetters, "a", {10, 90});
  add_text(t.app, 1, ChainKind::kLetters, "a", {90, 10});
  add_text(t.app, 1, ChainKind::kEnglishes, "a", {99, 99});
  add_text(t.app, 1, ChainKind::kEnglishes, "a", {10, 99.5});  // its ray leaves by the bottom edge
  add_bitmap(t.app, 1, {}, {60, 40});
  add_bitmap(t.app, 1, {}, {60, 60});
  t.app.enclosure = kEll;
  const Sets picked = {{1, 3, 5}, {1}, {1, 2}, {2}};
  ASSERT_EQ(jordenpickall(t.app, 1), 1);
  EXPECT_EQ(stock_numbers(t.app), picked);
  // A second pick replaces the sets: nothing is held twice.
  EXPECT_EQ(jordenpick(t.app, 1), 5);
  jordentextpick(t.app, TextKind::kLetter, 1);
  jordenbmppick(t.app, 1);
  EXPECT_EQ(stock_numbers(t.app), picked);
  EXPECT_TRUE(t.messages().empty());
}

// The ray leaves from below the lowest point: had it ended one unit above,
// it would end on this enclosure's vertex (100, 99) and count both edges. An
// empty enclosure is reported once and keeps the sets.
TEST(EnclosurePick, TheRayEndsBelowTheEnclosureAndAnEmptyOneIsReported) {
  TestApp t;
  add_bitmap(t.app, 1, {}, {50, 50});
  t.app.enclosure = {{0, 0}, {100, 0}, {100, 99}, {50, 100}, {0, 100}};
  EXPECT_EQ(jordenbmppick(t.app, 1), 1);
  EXPECT_EQ(stock_numbers(t.app), (Sets{{}, {}, {}, {1}}));
  t.app.enclosure.clear();
  add_geom(t.app, straight(10, 10, 40, 40));
  t.app.line_stock = {ExtractionItem{straight(1, 1, 2, 2), 1, 1}};
  EXPECT_EQ(jordenpickall(t.app, 1), 0);
  EXPECT_EQ(t.messages(), std::vector<std::string>{"jordenpick\t囲み線が存在しません"});
  EXPECT_EQ(stock_numbers(t.app), (Sets{{1}, {}, {}, {1}}));
}

TEST(StockToggle, TheNearerTextIsTakenAndGivenBackTheLetterOnATie) {
  TestApp t;
  add_text(t.app, 1, ChainKind::kLetters, "a", {0, 0});
  add_text(t.app, 1, ChainKind::kEnglishes, "a", {10, 0});
  EXPECT_EQ(toggle_stock_text(t.app, {5, 0}, 1), 1);  // a tie
  EXPECT_EQ(stock_numbers(t.app), (Sets{{}, {1}, {}, {}}));
  EXPECT_EQ(toggle_stock_text(t.app, {5.001, 0}, 1), 1);
  EXPECT_EQ(toggle_stock_text(t.app, {4.999, 0}, 1), 1);
  add_bitmap(t.app, 1, {}, {3, 3});
  EXPECT_EQ(toggle_stock_bmp(t.app, {0, 0}, 1), 1);
  EXPECT_EQ(stock_numbers(t.app), (Sets{{}, {}, {1}, {1}}));
  EXPECT_EQ(toggle_stock_bmp(t.app, {0, 0}, 1), 1);
  EXPECT_TRUE(t.app.bitmap_stock.empty());
  EXPECT_TRUE(t.messages().empty());
}

// Ratios are checked on both sides of both limits, and in both directions.
TEST(StockTransforms, RatiosOutsideOneHundredthToAHundredAreRefused) {
  struct Case {
    double sx, sy;
    bool ok;
  };
  const Case cases[] = {{0.01, 1, true},       {0.0099999, 1, false}, {100.0, 1, true},
                        {100.00001, 1, false}, {1, 0.0099999, false}, {1, 100.00001, false},
                        {NAN, 1, false},       {1, INFINITY, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.sx << " " << c.sy);
    TestApp t;
    t.app.line_stock = {ExtractionItem{straight(1, 2, 3, 2), 1, 1}};
    EXPECT_EQ(stockrate_all(t.app, {0, 0}, c.sx, c.sy), c.ok ? 1 : 0);
    EXPECT_EQ(t.app.line_stock[0].geom.x0, c.ok ? c.sx : 1.0);
    EXPECT_EQ(t.last_message(), c.ok ? "" : "stockrate\t縮尺比が非常識です");
  }
}

TEST(StockTransforms, ScalingTurningAndMirroring) {
  std::vector<ExtractionItem> lines = {
      ExtractionItem{curve(3, 4, kPi / 4, 7, 2, -3 * kPi / 4), 1, 1}};
  rate_lines(lines, {1, 2}, 2, 1);
  const double a = std::atan(0.5);  // (1, 1) scaled to (2, 1)
  expect_near(ends(lines[0].geom), {5, 4, a, 13, 2, a - kPi});

  TextStock texts(1);
  TextRecord& r = texts[0].record;
  r.x = 3;
  r.font.height = -13;
  r.font.width = 1;
  r.column_spacing = 20;
  rate_texts(texts, {1, 2}, 2, 1);  // by the mean, 1.5; height -19.5 rounds away from 0
  EXPECT_EQ((std::vector<double>{r.x, r.font.height, r.font.width, r.column_spacing}),
            (std::vector<double>{5, -20, 2, 30}));
  rate_texts(texts, {1, 2}, 0.01, 0.01);
  EXPECT_EQ(r.font.width, 1);  // never 0, which would mean the face's own

  BitmapStock bitmaps(1);
  bitmaps[0].record.rate = 2;
  rate_bitmaps(bitmaps, {0, 0}, 3, 1);
  EXPECT_EQ(bitmaps[0].record.rate, 4);

  lines = {ExtractionItem{curve(2, 0, 3.0, 1, 1, kPi / 2), 1, 1}};
  rotate_lines(lines, {1, 0}, kPi / 2);
  // 3 + π/2 is brought into -π..π.
  expect_near(ends(lines[0].geom), {1, 1, 3.0 + kPi / 2 - 2 * kPi, 0, 0, kPi});
  mirror_lines(lines, {3, 0});
  expect_near(ends(lines[0].geom), {5, 1, kPi / 2 - 3.0, 6, 0, 0});

  // Escapement runs the other way and stays within 0..3600.
  struct Case {
    std::int32_t before;
    double degrees;
    std::int32_t after;
  };
  for (const Case& c : {Case{0, 90, 2700}, Case{2700, -90, 3600}, Case{3600, -30, 300},
                        Case{100, 10, 0}, Case{100, 11, 3590}, Case{3600, 0, 3600}}) {
    SCOPED_TRACE(c.before);
    TextStock texts(1);
    texts[0].record.font.escapement = c.before;
    rotate_texts(texts, {0, 0}, c.degrees * kPi / 180);
    EXPECT_EQ(texts[0].record.font.escapement, c.after);
  }
}

// Lines 1-3 and 4-6 are two triangles; line 7 stands alone.
void two_triangles(App& app) {
  for (double dx : {0.0, 100.0}) {
    add_geom(app, straight(dx, 0, dx + 10, 0));
    add_geom(app, straight(dx + 10, 0, dx, 10));
    add_geom(app, straight(dx, 10, dx, 0));
  }
  add_geom(app, straight(50, 50, 60, 60));
  add_region(app, 1, {{1, 1}, {2, 1}, {3, 1}});
  add_region(app, 1, {{4, 1}, {0, 1}, {5, 1}, {6, 1}});
  add_region(app, 1, {{7, 1}, {9, 1}});  // 9 names no line
}

TEST(StockMove, WholeRegionsFollowTheirLinesTornOnesGo) {
  struct Case {
    std::vector<int> selected;
    std::vector<std::vector<int>> regions;
  };
  const Case cases[] = {
      {{1, 2, 3}, {{1, 2, 3}, {4, 0, 5, 6}, {7, 9}}},     // a whole region
      {{4, 5, 6, 7}, {{1, 2, 3}, {4, 0, 5, 6}, {7, 9}}},  // 0 and 9 name no line
      {{1, 2}, {{4, 0, 5, 6}, {7, 9}}},                   // torn
      {{6}, {{1, 2, 3}, {7, 9}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.selected.size());
    TestApp t;
    two_triangles(t.app);
    select_lines(t.app, c.selected);
    shift_lines(t.app.line_stock, 1000, 0);
    ASSERT_EQ(stockmove(t.app, 1), 1);
    EXPECT_EQ(region_lines(t.app.drawing), c.regions);
    for (int n = 1; n <= 7; ++n) {
      const bool moved = std::find(c.selected.begin(), c.selected.end(), n) != c.selected.end();
      EXPECT_EQ(geoms(t.app)[n - 1].x1 >= 1000, moved) << n;
    }
  }
}

// The anchor, font and format of a committed text and a bitmap's anchor and
// rate are pinned by the selection script.
TEST(StockMove, TextsTakeNeitherTabsNorColourAndOthersStay) {
  TestApp t;
  add_text(t.app, 1, ChainKind::kEnglishes, "a", {1, 1});
  add_text(t.app, 1, ChainKind::kEnglishes, "a", {2, 2});
  TextStockItem item{
      t.app.drawing.get<TextRecord>(chain_offsets(t.app.drawing, 1, ChainKind::kEnglishes)[1]), 2,
      0};
  item.record.x = 7;
  item.record.tabs[0] = 9;
  item.record.color = 0xFF;
  text_stock(t.app, TextKind::kEnglish).push_back(item);
  ASSERT_EQ(stockmove(t.app, 1), 1);
  const auto texts = chain_offsets(t.app.drawing, 1, ChainKind::kEnglishes);
  const auto m = t.app.drawing.get<TextRecord>(texts[1]);
  EXPECT_EQ((std::vector<double>{m.x, m.tabs[0], double(m.color)}), (std::vector<double>{7, 0, 0}));
  EXPECT_EQ(text_bytes(t.app.drawing, m), "a");
  EXPECT_EQ(t.app.drawing.get<TextRecord>(texts[0]).x, 1);
}

TEST(KeepSelection, DeletesTheRestOrTheSelectionAndRenumbersRegions) {
  struct Case {
    bool keep;
    std::vector<int> selected;
    std::vector<double> lines;  // start x of the lines left
    std::vector<std::vector<int>> regions;
  };
  const Case cases[] = {
      {true, {4, 5, 6}, {100, 110, 100}, {{1, 0, 2, 3}}},
      {false, {1, 2, 3}, {100, 110, 100, 50}, {{1, 0, 2, 3}, {4, 6}}},  // 9 moves down by 3
      {false, {7}, {0, 10, 0, 100, 110, 100}, {{1, 2, 3}, {4, 0, 5, 6}}},
      {true, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.keep << c.selected.size());
    TestApp t;
    two_triangles(t.app);
    add_text(t.app, 1, ChainKind::kLetters, "a", {0, 0});
    for (int n : c.selected) t.app.line_stock.push_back(ExtractionItem{{}, n, 1});
    t.app.in.nowlinevalid = 3;
    ASSERT_EQ(c.keep ? keep_selection(t.app, 1) : delete_selection(t.app, 1), 1);
    EXPECT_EQ(line_tags(t.app.drawing, 1), c.lines);
    EXPECT_EQ(region_lines(t.app.drawing), c.regions);
    // Texts have an empty set: keeping drops them, deleting keeps them.
    EXPECT_EQ(chain_offsets(t.app.drawing, 1, ChainKind::kLetters).size(), c.keep ? 0u : 1u);
    EXPECT_TRUE(stocks_empty(t.app));
    EXPECT_EQ(t.app.in.nowlinevalid, 0);
  }
}

TEST(StockRestyle, CurrentPenPartsGoToSelectedLinesAndTextStylesToTheSetsToo) {
  TestApp t;
  add_geom(t.app, straight(0, 0, 1, 1));
  add_geom(t.app, straight(0, 0, 2, 2));
  t.app.line_stock = {ExtractionItem{{}, 2, 1}};
  t.app.settings.line_pen = PenRecord{1, 7, 0xABCDEF, 0, 3.5, 1.5, 4, 0b1011};
  EXPECT_EQ(stocknowpenparts(t.app, kPenWidth | kPenDots, 1), 1);
  LineRecord line;
  getline(t.app, 2, line, 1);
  EXPECT_EQ(pen_values(line.pen), pen_values(PenRecord{0, 7, 0, 0, 3.5, 1.5, 4, 0b1011}));
  getline(t.app, 1, line, 1);
  EXPECT_EQ(line.pen.width, 1);

  add_text(t.app, 1, ChainKind::kLetters, "a", {0, 0});
  text_stock(t.app, TextKind::kLetter).push_back(TextStockItem{{}, 1, 0});
  t.app.settings.color = 0x123456;
  t.app.settings.font.height = -30;
  EXPECT_EQ(stocktextnowparts(t.app, TextKind::kLetter, kTextColor, 1), 1);
  EXPECT_EQ(text_stock(t.app, TextKind::kLetter)[0].record.color, 0x123456u);
  // A later commit writes the set's font back: the colour stays.
  ASSERT_EQ(stockmove(t.app, 1), 1);
  const auto text =
      t.app.drawing.get<TextRecord>(chain_offsets(t.app.drawing, 1, ChainKind::kLetters)[0]);
  EXPECT_EQ(std::pair(text.color, text.font.height), std::pair(0x123456u, 0));
}

}  // namespace
}  // namespace daub::test
