#include "picture/scaled_display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <tuple>

#include "platform/recording_dc.h"
#include "render/view.h"
#include "support/first_difference.h"
#include "support/picture_builder.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::gradient_picture;
using test::make_picture;

constexpr PixelRect kWide{-100000, -100000, 100000, 100000};
constexpr PixelRect kTopRow{-100000, 0, 100000, 1};
constexpr PixelRect kLeftColumn{0, -100000, 1, 100000};

// Four equal rows of grey levels (x across), or one column (bottom row first).
Dib grey_row(const std::vector<int>& levels) {
  return make_picture(static_cast<int>(levels.size()), 4, 24, {},
                      [&](int x, int) { return static_cast<std::uint32_t>(levels[x] * 0x010101); });
}
Dib grey_column(const std::vector<int>& levels) {
  return make_picture(1, static_cast<int>(levels.size()), 24, {},
                      [&](int, int y) { return static_cast<std::uint32_t>(levels[y] * 0x010101); });
}
std::vector<int> greys(const ScaledPiece& piece) {
  std::vector<int> out;
  for (std::uint32_t p : piece.image.pixels) out.push_back(static_cast<int>(p & 0xFF));
  return out;
}

TEST(ScaledDisplay, MixesNeighboursAndRepeatsTheEdge) {
  // Across: halfway pixels mix, the last one repeats the edge.
  EXPECT_EQ(greys(scaled_piece(grey_row({0, 200}), 0, 0, 2.0, kTopRow)),
            (std::vector<int>{0, 100, 200, 200}));
  // Down: the top displayed row is the top stored row.
  EXPECT_EQ(greys(scaled_piece(grey_column({0, 200}), 0, 0, 2.0, kLeftColumn)),
            (std::vector<int>{200, 200, 100, 0}));
  // Each channel is truncated: 255 × 0.25 + 0 × 0.75 is 63.75.
  EXPECT_EQ(greys(scaled_piece(grey_row({255, 0}), 0, 0, 4.0, kTopRow)),
            (std::vector<int>{255, 191, 127, 63, 0, 0, 0, 0}));
  // A fraction not above 0.0001 uses the one pixel; a larger one mixes, so
  // 100 next to 0 drops to 99.
  const double s = 1.0 / 1.00005;
  EXPECT_EQ(greys(scaled_piece(grey_row({0, 100, 0, 100, 0}), 0, 0, s, kTopRow)),
            (std::vector<int>{0, 100, 0, 99}));
  // Shrinking picks the pixels it falls on.
  EXPECT_EQ(greys(scaled_piece(grey_row({10, 20, 30, 40}), 0, 0, 0.5, kTopRow)),
            (std::vector<int>{10, 30}));
}

TEST(ScaledDisplay, OnlyTheVisiblePartIsBuilt) {
  // At scale 1 the piece is the picture's own pixels.
  const Dib picture = gradient_picture(20, 10);
  const std::vector<std::uint32_t> whole = dib_to_dc_image(picture)->pixels;
  ScaledPiece piece = scaled_piece(picture, -3, -4, 1.0, PixelRect{0, 0, 8, 5});
  ASSERT_EQ(std::tie(piece.x, piece.y, piece.image.width, piece.image.height),
            std::make_tuple(0, 0, 8, 5));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 8; ++x)
      ASSERT_EQ(piece.image.pixels[y * 8 + x], whole[(y + 4) * 20 + x + 3]) << x << "," << y;

  // Nothing for a picture left of the client or far away, nor for a scale
  // that is not a number or too small to show a pixel.
  const std::tuple<int, int, double> nothing[] = {
      {-20, 0, 1.0}, {std::numeric_limits<int>::min(), 0, 3.0}, {0, 0, std::nan("")}, {0, 0, 0.01}};
  for (const auto& [left, top, scale] : nothing) {
    SCOPED_TRACE(testing::Message() << left << " " << scale);
    EXPECT_TRUE(
        scaled_piece(picture, left, top, scale, PixelRect{0, 0, 8, 5}).image.pixels.empty());
  }
  Dib indexed = make_picture(2, 2, 8, {0xFF}, [](int, int) { return 0; });
  EXPECT_TRUE(scaled_piece(indexed, 0, 0, 1.0, kWide).image.pixels.empty());
}

// The fast form mixes across once per stored row and reads whole pixels four
// bytes wide; it must give the plain form's bytes for any picture (rows with
// and without padding), scale and placement.
TEST(ScaledDisplay, FastFormMatchesThePlainFormByteForByte) {
  std::mt19937 random(20240611);
  auto uniform = [&](int lo, int hi) { return lo + static_cast<int>(random() % (hi - lo + 1)); };
  const double exact_scales[] = {1.0, 2.0, 0.5, 3.0, 0.25, 1.0 / 3.0, 1.0001, 0.9999};
  for (int round = 0; round < 400; ++round) {
    // Every other picture's rows have no padding, so its last pixel ends it.
    const int w = round % 2 == 0 ? 4 * uniform(1, 10) : uniform(1, 40), h = uniform(1, 40);
    Dib picture = make_picture(
        w, h, 24, {}, [&](int, int) { return static_cast<std::uint32_t>(random()) & 0xFFFFFF; });
    const double scale =
        round % 3 == 0 ? exact_scales[round % 8] : std::exp(-3.0 + 5.0 * random() / 4294967296.0);
    const int left = uniform(-60, 60), top = uniform(-60, 60);
    PixelRect visible{uniform(-10, 30), uniform(-10, 30), 0, 0};
    visible.right = visible.left + uniform(0, 80);
    visible.bottom = visible.top + uniform(0, 80);
    if (round % 5 == 0) visible = kWide;  // the whole picture, its last row and column too
    SCOPED_TRACE(testing::Message() << "round " << round << ": " << w << "x" << h << " at " << left
                                    << "," << top << " scale " << scale);
    ScaledPiece fast = scaled_piece(picture, left, top, scale, visible);
    ScaledPiece plain = scaled_piece_plain(picture, left, top, scale, visible);
    ASSERT_EQ(std::tie(fast.x, fast.y, fast.image.width, fast.image.height),
              std::tie(plain.x, plain.y, plain.image.width, plain.image.height));
    ASSERT_EQ(test::first_difference(fast.image.pixels, plain.image.pixels, fast.image.width), "");
  }
}

TEST(ScaledDisplay, DrawsAtThePicturesClientPositionClippedToTheClient) {
  test::TestApp t;
  App& app = t.app;
  app.view.client_width = 100, app.view.client_height = 80;
  center_view_on_client(app);
  app.view.viewworldmin = to_world(app, 0, 0);
  app.view.viewworldmax = to_world(app, 100, 80);
  const Dib picture = gradient_picture(30, 20);
  const DPoint corner = to_world(app, 90, 70), outside = to_world(app, 200, 10);
  RecordingDc dc;
  ASSERT_EQ(scaled_display(app, dc, picture, corner.x, corner.y, 1.0), 1);
  ASSERT_EQ(dc.ops().size(), 1u);
  const DcOp& op = dc.ops()[0];
  EXPECT_EQ(op.points[0], (IntPoint{90, 70}));
  // The client's last column and row, and the one more the device clips.
  EXPECT_EQ((IntPoint{op.image.width, op.image.height}), (IntPoint{11, 11}));
  dc.clear();
  EXPECT_EQ(scaled_display(app, dc, picture, outside.x, outside.y, 1.0), 0);
  EXPECT_TRUE(dc.ops().empty());
}

}  // namespace
}  // namespace daub
