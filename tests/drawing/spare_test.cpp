// Copy, paste and duplicate of the selection, the swap with the spare and
// what is refused without a spare or a neighbouring layer are pinned by the
// selection, selection_edit and layers scripts, refused pastes by
// clipboard_exchange.

#include "drawing/spare.h"

#include <gtest/gtest.h>

#include "drawing/bitmaps.h"
#include "drawing/drawing_clipboard.h"
#include "drawing/drawing_file.h"
#include "drawing/line_fixtures.h"
#include "drawing/pack.h"
#include "drawing/selection.h"
#include "drawing/selection_transforms.h"
#include "drawing/texts.h"
#include "support/region_entries.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

// Layer 1 of the spare: lines 1-3, a region naming 1, 0, 3 and a stale 7,
// one text of each kind and a bitmap.
Block spare_layer() {
  TestApp s;
  for (double x : {10.0, 11.0, 12.0}) add_geom(s.app, straight(x, 0, x, 5));
  add_region(s.app, 1, {{1, 1}, {0, 1}, {3, -1}, {7, 1}});
  add_text(s.app, 1, ChainKind::kLetters, "\x82\xa0");
  add_text(s.app, 1, ChainKind::kEnglishes, "ab");
  add_bitmap(s.app, 1, std::vector<std::uint8_t>(44, 7));
  return s.app.drawing;
}

// The room for the whole layer is made before the first element goes in: one
// byte short of it, nothing goes in at all.
TEST(Spare, AltapendAddsTheLayerAsTheSelectionOrNothingWithoutRoomForAll) {
  TestApp t, short_of_room;
  add_geom(t.app, straight(1, 0, 1, 5));
  add_geom(t.app, straight(2, 0, 2, 5));
  t.app.spare = spare_layer();
  App& s = short_of_room.app;
  s.drawing = t.app.drawing;
  s.spare = t.app.spare;
  ASSERT_EQ(altapend(t.app, 1), 1);
  EXPECT_EQ(line_tags(t.app.drawing, 1), (std::vector<double>{1, 2, 10, 11, 12}));
  const std::uint32_t region = chain_offsets(t.app.drawing, 1, ChainKind::kRegions)[0];
  EXPECT_EQ(region_entries(t.app.drawing, region),
            (std::vector<std::pair<int, int>>{{3, 1}, {0, 1}, {5, -1}, {0, 1}}));
  ASSERT_EQ(stock_numbers(t.app), (Sets{{3, 4, 5}, {1}, {1}, {1}}));
  EXPECT_EQ(text_bytes(t.app.drawing, text_stock(t.app, TextKind::kLetter)[0].record), "\x82\xa0");
  EXPECT_EQ(picture_of(t.app.drawing, t.app.bitmap_stock[0].record),
            std::vector<std::uint8_t>(44, 7));
  EXPECT_EQ(t.app.in.nowlinevalid, 5);
  EXPECT_TRUE(is_valid_drawing(t.app.drawing));
  EXPECT_TRUE(t.messages().empty());

  const std::uint32_t needed = t.app.drawing.used() - s.drawing.used();
  const std::vector<std::uint8_t> before = s.drawing.bytes();
  s.block_limit = s.drawing.used() + needed - 1;
  expect_refused(short_of_room, altapend(s, 1), "altapend\t画面合成に失敗しました");
  EXPECT_EQ(s.drawing.bytes(), before);
  EXPECT_TRUE(stocks_empty(s));
  s.block_limit = s.drawing.used() + needed;
  EXPECT_EQ(altapend(s, 1), 1);
}

// From layer 2 the selection goes to layer 3 or 1, which becomes current.
TEST(LayerMoves, TheSelectionGoesToTheNeighbourWhichBecomesCurrent) {
  const LayerStep kNext = LayerStep::kNext, kPrevious = LayerStep::kPrevious;
  const Transfer kMove = Transfer::kMove, kCopy = Transfer::kCopy;
  struct Case {
    LayerStep step;
    Transfer transfer;
    int to;
    std::size_t left_behind;
  };
  const Case cases[] = {{kNext, kMove, 3, 1},
                        {kNext, kCopy, 3, 2},
                        {kPrevious, kMove, 1, 1},
                        {kPrevious, kCopy, 1, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "to " << c.to << " " << static_cast<int>(c.transfer));
    TestApp t;
    makelayer(t.app, 2);
    makelayer(t.app, 3);
    add_geom(t.app, straight(7, 0, 7, 1), 1);
    add_geom(t.app, straight(7, 0, 7, 1), 3);
    add_geom(t.app, straight(1, 0, 1, 1), 2);
    add_geom(t.app, straight(2, 0, 2, 1), 2);
    t.app.in.nowlayer = 2;
    select_lines(t.app, {2});
    shift_lines(t.app.line_stock, 100, 0);
    ASSERT_EQ(move_selection_to_layer(t.app, c.step, c.transfer), 1);
    EXPECT_EQ(t.app.in.nowlayer, c.to);
    EXPECT_EQ(line_tags(t.app.drawing, c.to), (std::vector<double>{7, 102}));
    EXPECT_EQ(geoms(t.app, 2).size(), c.left_behind);
    EXPECT_EQ(line_tags(t.app.drawing, 2)[0], 1);
    EXPECT_EQ(stock_numbers(t.app), (Sets{{2}, {}, {}, {}}));
    // The clipboard holds the selection as it lies in the target layer.
    Block held(*t.clipboard.drawing());
    EXPECT_EQ(chain_offsets(held, c.to, ChainKind::kLines).size(), 1u);
    EXPECT_TRUE(t.messages().empty());
  }
}

TEST(DrawingData, CopyAndPasteCarryTheUsedPartExactly) {
  TestApp a;
  fill_sample(a.app);
  sklpack(a.app);
  a.app.drawing.resize(a.app.drawing.used() + 16);  // room beyond the used part
  drawing_copy(a.app);
  TestApp b;
  b.app.in.nowlayer = 5;
  b.app.in.nowletter = 3;
  // Another program may send more bytes than the drawing uses.
  std::vector<std::uint8_t> sent = *a.clipboard.drawing();
  EXPECT_EQ(sent, used_bytes(a.app.drawing));
  sent.resize(sent.size() + 16, 0xEE);
  b.clipboard.set_drawing(sent);
  ASSERT_EQ(drawdatapaste(b.app), 1);
  EXPECT_EQ(b.app.drawing.bytes(), used_bytes(a.app.drawing));
  EXPECT_EQ(std::pair(b.app.in.nowlayer, b.app.in.nowletter), std::pair(2, 0));  // layerfix
  EXPECT_EQ(b.app.files.current_file, "drawdata.skl");
}

}  // namespace
}  // namespace daub::test
