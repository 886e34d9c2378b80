#include "tracing/tracing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/app.h"
#include "picture/bmp_file.h"
#include "support/picture_builder.h"
#include "support/test_app.h"
#include "tracing/shadow.h"

namespace daub {
namespace {

using test::TestApp;

// A 7 x 7 picture, white with a dark 3 x 3 square at (2, 2), at `bits` bits.
Dib square_picture(int bits) {
  const auto dark = [](int x, int y) { return x >= 2 && x < 5 && y >= 2 && y < 5; };
  if (bits == 24)
    return test::make_picture(7, 7, 24, {},
                              [&](int x, int y) { return dark(x, y) ? 0x202020u : 0xFFFFFFu; });
  return test::make_picture(7, 7, bits, {0xFFFFFF, 0x202020},
                            [&](int x, int y) { return dark(x, y) ? 1u : 0u; });
}

std::vector<IntPoint> pts(std::initializer_list<IntPoint> l) { return l; }

// The picture on the clipboard is traced; one that is not 24-bit is traced
// in its full-colour form; every refusal names its operation and keeps the
// shadow there was.
TEST(TraceClipboard, PicturesAndRefusals) {
  for (int bits : {24, 8, 4, 1}) {
    SCOPED_TRACE(bits);
    TestApp t;
    t.clipboard.set_dib(dib_to_packed(square_picture(bits)));
    EXPECT_EQ(trace_clipboard(t.app, LevelKind::kThreshold), 1);
    const auto s = read_shadow(t.app.tracing.shadow);
    ASSERT_TRUE(s);
    ASSERT_EQ(s->outlines.size(), 1u);
    EXPECT_EQ(std::vector<IntPoint>(s->points.begin(), s->points.end()),
              pts({{2, 2}, {2, 5}, {5, 5}, {5, 2}}));
    EXPECT_TRUE(t.messages().empty());
  }
  TestApp t;
  t.clipboard.set_dib(dib_to_packed(square_picture(24)));
  ASSERT_EQ(trace_clipboard(t.app, LevelKind::kThreshold), 1);
  const std::vector<std::uint8_t> kept = t.app.tracing.shadow;
  t.app.tracing.shadow_limit = shadow_bytes(1, 3);
  EXPECT_EQ(trace_clipboard(t.app, LevelKind::kThreshold), 0);
  EXPECT_EQ(t.last_message(), "GetLineDataFromBmp\tCan not get memory");
  std::vector<std::uint8_t> packed = dib_to_packed(square_picture(24));
  packed.resize(60);
  t.clipboard.set_dib(packed);
  EXPECT_EQ(trace_clipboard(t.app, LevelKind::kThreshold), 0);
  EXPECT_EQ(t.last_message(), "GetLineDataFromBmp\tno bmp data");
  EXPECT_EQ(t.app.tracing.shadow, kept);
}

// Smoothing cuts each corner at the depth (times the scale), at most half of
// each edge, with a parabola through eight pieces; depth 0 is the outline.
TEST(DrawShadow, SmoothingCutsCorners) {
  const std::vector<IntPoint> square = pts({{0, 0}, {0, 40}, {40, 40}, {40, 0}});
  EXPECT_EQ(smoothed_points(square.data(), 4, {5, 5, 1}, 0),
            placed_points(square.data(), 4, {5, 5, 1}));
  const std::vector<IntPoint> cut = smoothed_points(square.data(), 4, {0, 0, 2}, 5);
  ASSERT_EQ(cut.size(), 4u * 9);
  // Corner (0, 0) at scale 2: from (10, 0) through (0, 0) to (0, 10);
  // half way along the parabola lies (2.5, 2.5).
  EXPECT_EQ((std::vector<IntPoint>{cut[0], cut[4], cut[8]}), pts({{10, 0}, {2, 2}, {0, 10}}));
  // A depth beyond half an edge is held there: the sides vanish.
  const std::vector<IntPoint> round = smoothed_points(square.data(), 4, {0, 0, 1}, 100);
  EXPECT_EQ((std::vector<IntPoint>{round[0], round[8]}), pts({{20, 0}, {0, 20}}));
}

}  // namespace
}  // namespace daub
