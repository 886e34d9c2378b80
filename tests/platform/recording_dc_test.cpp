#include "platform/recording_dc.h"

#include <gtest/gtest.h>

namespace daub {
namespace {

using Segments = std::vector<std::pair<IntPoint, IntPoint>>;

TEST(RecordingDc, SegmentsFollowTheCurrentPosition) {
  RecordingDc dc;
  dc.line_to(5, 0);  // from (0, 0), where a device context starts
  dc.set_pen({kPenSolid, 1, 0x0000FF});
  dc.move_to(10, 10);
  dc.line_to(20, 10);
  EXPECT_EQ(dc.segments(), (Segments{{{0, 0}, {5, 0}}, {{10, 10}, {20, 10}}}));
  dc.clear();  // keeps the position
  dc.line_to(20, 30);
  dc.set_pen({kPenDash, 1, 0x00FF00});
  dc.line_to(10, 10);
  dc.rectangle(0, 0, 4, 4);

  EXPECT_EQ(dc.segments(), (Segments{{{20, 10}, {20, 30}}, {{20, 30}, {10, 10}}}));
  EXPECT_EQ(dc.segments_in(0x0000FF), (Segments{{{20, 10}, {20, 30}}}));
  EXPECT_EQ(dc.count(DcOp::kLineTo), 2);
  EXPECT_EQ(dc.count(DcOp::kRectangle), 1);
  EXPECT_EQ(dc.ops().back().pen, (DcPen{kPenDash, 1, 0x00FF00}));
}

}  // namespace
}  // namespace daub
