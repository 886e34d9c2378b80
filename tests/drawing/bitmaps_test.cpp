#include "drawing/bitmaps.h"

#include <gtest/gtest.h>

#include <functional>

#include "drawing/drawing_file.h"
#include "picture/bmp_file.h"
#include "platform/recording_dc.h"
#include "render/bitmap_painters.h"
#include "render/display.h"
#include "support/sample_dib.h"
#include "support/test_app.h"

namespace daub::test {
namespace {

constexpr std::uint32_t kEmptyDrawing = 44;  // header and one layer

Dib picture(App& app, int w, int h, Colorref color = rgb(10, 20, 30)) {
  return MakeDIB(app, w, h, color).value_or(Dib());
}

// A 1-bit w × 1 picture in memory form: a two-colour table (black, white),
// the gap, one row of alternating pixels.
Dib one_bit_picture(int w) {
  const std::size_t stride = ((w + 7) / 8 + 3) / 4 * 4;
  Dib d(40 + 8 + 4 + stride, 0);
  put_u32(d, 0, 40);
  put_u32(d, 4, static_cast<std::uint32_t>(w));
  put_u32(d, 8, 1);
  d[12] = 1;
  d[14] = 1;
  d[44] = d[45] = d[46] = 255;  // entry 1 white
  d[52] = 0x55;
  return d;
}

int place(App& app, const Dib& dib, double x, double y, double rate = 1.0, int layer = 1) {
  return setbmp(app, BitmapRecord{x, y, rate}, dib, layer);
}

// The picture primitives of a full paint in display mode 0, without the
// canvases that start-up shows.
std::vector<DcOp> painted_images(App& app) {
  for (CanvasSlot& slot : app.canvases.slots) slot.shown = 0;
  app.in.dispmode = 0;
  RecordingDc dc;
  paint_cycle(app, dc);
  std::vector<DcOp> images;
  for (const DcOp& op : dc.ops())
    if (op.kind == DcOp::kDrawImage) images.push_back(op);
  return images;
}

// Placing from a file is pinned by the bitmap_place script.
TEST(Bitmaps, FromTheClipboardAppendsAtTheCurrentPointWithTheSettingsRate) {
  TestApp t;
  t.app.in.nowpoint = PointDir{12.5, -7.0, 1.0};
  t.app.settings.bmp_rate = 0.5;
  place(t.app, picture(t.app, 1, 1), 0, 0);  // an earlier element: the new one is 2
  t.clipboard.set_dib(small_dib());
  ASSERT_EQ(SetClipboadBmp(t.app, 1), 2);
  EXPECT_EQ(t.app.in.nowbmp, 2);
  EXPECT_TRUE(t.messages().empty());
  BitmapRecord r;
  const std::optional<Dib> image = getbmphandle(t.app, 2, r, 1);
  EXPECT_EQ(std::tuple(r.x, r.y, r.rate), std::tuple(12.5, -7.0, 0.5));
  EXPECT_EQ(image, dib_from_packed(small_dib()).dib);
  EXPECT_EQ(r.size, image->size());
  EXPECT_EQ(r.image, t.app.drawing.used() - r.size);  // right behind its record
}

TEST(Bitmaps, APictureAtRateOneIsDrawnAtPixelSizeAndBmpnowScalesIt) {
  struct Case {
    const char* what;
    bool full_color;
  } cases[] = {{"24-bit, through the scaled display", true}, {"1-bit, stretched whole", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestApp t;
    Dib dib = c.full_color ? picture(t.app, 3, 2) : one_bit_picture(3);
    const int h = c.full_color ? 2 : 1;
    const int n = place(t.app, dib, 10, 20);  // world = client at start
    auto images = painted_images(t.app);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].points, (std::vector<IntPoint>{{10, 20}, {3, h}}));
    EXPECT_EQ(images[0].image.pixels, dib_to_dc_image(dib)->pixels);

    t.app.settings.bmp_rate = 2.0;
    ASSERT_EQ(bmpnow(t.app, n, 1), n);
    images = painted_images(t.app);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].points, (std::vector<IntPoint>{{10, 20}, {6, 2 * h}}));
  }
}

TEST(Bitmaps, DamagedPicturesAreNeverReadPastTheirBytes) {
  struct Case {
    const char* what;
    std::function<void(Dib&)> damage;
    const char* message;  // "" for none
  } cases[] = {
      {"header size 28", [](Dib& d) { put_u32(d, 0, 28); }, "bmpdisp\tsi=28,s=40\\n"},
      {"more rows than bytes", [](Dib& d) { put_u32(d, 8, 500); }, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestApp t;
    Dib dib = picture(t.app, 4, 3);
    c.damage(dib);
    place(t.app, dib, 0, 0);
    EXPECT_TRUE(painted_images(t.app).empty());
    EXPECT_EQ(t.last_message(), c.message);
  }
  // A record whose picture would run past the block gives no picture.
  TestApp t;
  BitmapRecord r;
  r.image = static_cast<std::uint32_t>(t.app.drawing.allocated() - 2);
  r.size = 2;
  EXPECT_EQ(picture_of(t.app.drawing, r).size(), 2u);
  r.size = 3;
  EXPECT_TRUE(picture_of(t.app.drawing, r).empty());
}

TEST(Bitmaps, BmpchangeKeepsAnchorAndRateAndPackingDropsTheOldPicture) {
  TestApp t;
  place(t.app, picture(t.app, 8, 8), 3, 4, 1.5);
  const Dib small = picture(t.app, 2, 1, rgb(255, 0, 0));
  ASSERT_EQ(bmpchange(t.app, 1, small, 1), 1);
  BitmapRecord r;
  EXPECT_EQ(getbmphandle(t.app, 1, r, 1), small);
  EXPECT_EQ(std::tuple(r.x, r.y, r.rate), std::tuple(3.0, 4.0, 1.5));
  EXPECT_EQ(t.app.drawing.used(), kEmptyDrawing + sizeof(BitmapRecord) + small.size());
}

TEST(Bitmaps, NearestbmpComparesAnchorsOnly) {
  TestApp t;
  place(t.app, picture(t.app, 160, 160), 0, 0);  // covers the click; over 64 KB
  place(t.app, picture(t.app, 2, 2), 60, 60);
  place(t.app, picture(t.app, 2, 2), 60, 60);  // a tie: the first one wins
  DPoint anchor;
  EXPECT_EQ(nearestbmp(t.app, DPoint{50, 50}, anchor, 1), 2);
  EXPECT_EQ(anchor, (DPoint{60, 60}));
  // Nothing is found from 10000 away or farther.
  EXPECT_EQ(nearestbmp(t.app, DPoint{-10000, 0}, anchor, 1), 0);
  EXPECT_TRUE(t.messages().empty());
}

}  // namespace
}  // namespace daub::test
