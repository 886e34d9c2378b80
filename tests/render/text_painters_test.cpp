// The text painters on a recording device with fixed metrics.

#include "render/text_painters.h"

#include <gtest/gtest.h>

#include "drawing/texts.h"
#include "platform/recording_dc.h"
#include "render/display.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

std::vector<DcOp> ops_of(const RecordingDc& dc, DcOp::Kind kind) {
  std::vector<DcOp> out;
  for (const DcOp& op : dc.ops())
    if (op.kind == kind) out.push_back(op);
  return out;
}

// "AB" at world (10, 20) in red, the view at scale 2 about the client centre.
struct PaintedText : TestApp {
  PaintedText() {
    app.settings.color = rgb(255, 0, 0);
    app.in.nowpoint = PointDir{10, 20, 0};
    app.text.buffer = "AB";
    settext(app, TextKind::kLetter, 1);
    app.settings.scale = 2;
  }
  RecordingDc paint(TextPaint how) {
    RecordingDc dc;
    alltext(app, dc, TextKind::kLetter, how, 1);
    return dc;
  }
};

TEST(TextPainters, EachVisibleCharacterAtItsScreenPositionInItsColour) {
  const struct {
    TextPaint how;
    Colorref color;
  } cases[] = {{TextPaint::kOwnColor, rgb(255, 0, 0)},
               {TextPaint::kGuide, rgb(0, 255, 0)},
               {TextPaint::kEdit, rgb(0, 0, 0)}};
  for (const auto& c : cases) {
    PaintedText t;
    const RecordingDc dc = t.paint(c.how);
    const auto texts = ops_of(dc, DcOp::kTextOut);
    ASSERT_EQ(texts.size(), 2u);
    // x = (10 − 400)·2 + 400; the second character 6.5·1.05 world units on.
    EXPECT_EQ(std::pair(texts[0].points[0], texts[1].points[0]),
              std::pair(IntPoint{-380, -260}, IntPoint{-366, -260}));
    EXPECT_EQ(std::tuple(texts[1].text, texts[0].font.height, texts[0].color),
              std::tuple("B", -26, c.color));
  }
}

TEST(TextPainters, EditPainterHighlightsTheRange) {
  PaintedText t;
  t.app.text.buffer = "ABCD";
  textnowstr(t.app, TextKind::kLetter, 1, 1);
  t.app.in.nowletter = 1;
  t.app.text.caret(TextKind::kLetter) = CaretRecord{2, 1, 3};
  const RecordingDc dc = t.paint(TextPaint::kEdit);
  const auto boxes = ops_of(dc, DcOp::kPolygon);
  ASSERT_EQ(boxes.size(), 2u);  // B and C
  EXPECT_EQ(boxes[0].brush.color, rgb(0, 0, 127));
  const auto texts = ops_of(dc, DcOp::kTextOut);
  ASSERT_EQ(texts.size(), 6u);
  EXPECT_EQ(std::pair(texts[4].text, texts[4].color),
            std::pair(std::string("B"), rgb(255, 255, 255)));
  // The box runs one character wide and one line high from P1.
  EXPECT_EQ(boxes[0].points[0], texts[1].points[0]);
  EXPECT_EQ(boxes[0].points[2].y - boxes[0].points[0].y, 26);
}

TEST(TextPainters, EntryModeShowsTheCaretAndPlacesTheCompositionWindow) {
  PaintedText t;
  t.app.settings.scale = 1;
  t.app.in.nowletter = 1;
  t.app.text.caret(TextKind::kLetter) = CaretRecord{1, 1, 0};
  t.app.in.dispmode = 3;
  t.app.settings.display_colors[display_color_index(760)] = rgb(1, 2, 3);
  RecordingDc dc;
  paint_cycle(t.app, dc);
  // The caret bar after "A" runs down the line at its right edge.
  EXPECT_EQ(dc.segments_in(rgb(1, 2, 3)),
            (std::vector<std::pair<IntPoint, IntPoint>>{{{16, 20}, {16, 33}}}));
  EXPECT_EQ(std::pair(t.app.text.composition_placed, t.app.text.composition),
            std::pair(true, IntPoint{16, 26}));
}

}  // namespace
}  // namespace daub::test
