#include "qt/qt_clipboard.h"

#include <gtest/gtest.h>

#include "picture/bmp_file.h"
#include "support/picture_builder.h"
#include "support/sample_dib.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace daub {
namespace {

class QtClipboardTest : public testing::Test {
 protected:
  void SetUp() override { QGuiApplication::clipboard()->clear(); }
  QtClipboard clipboard;
};

// Each form replaces the others (the drawing and text between programs are
// the clipboard peers test's).
TEST_F(QtClipboardTest, TextAndDrawingData) {
  clipboard.set_text("x");
  clipboard.set_drawing({20, 0, 0, 0, 'T', 'O', 'R', 'V'});
  EXPECT_EQ(clipboard.text(), std::nullopt);
  clipboard.clear();
  EXPECT_EQ(clipboard.drawing(), std::nullopt);
  EXPECT_EQ(clipboard.dib(), std::nullopt);
}

TEST_F(QtClipboardTest, PicturesComeBackByteForByteAndReachOtherPrograms) {
  Dib indexed = test::make_picture(5, 2, 4, {0x0000FF, 0x00FF00, 0xFF0000}, [](int x, int y) {
    return static_cast<std::uint32_t>((x + y) % 3);
  });
  for (const std::vector<std::uint8_t>& dib : {test::small_dib(), dib_to_packed(indexed)}) {
    SCOPED_TRACE(dib.size());
    clipboard.set_dib(dib);
    EXPECT_EQ(clipboard.dib(), dib);
    DibRead read = dib_from_packed(dib);
    ASSERT_TRUE(read.ok());
    const DcImage mine = *dib_to_dc_image(read.dib);
    QImage image = QGuiApplication::clipboard()->image();
    ASSERT_EQ(image.size(), QSize(mine.width, mine.height));
    for (int y = 0; y < mine.height; ++y)
      for (int x = 0; x < mine.width; ++x)
        EXPECT_EQ(image.pixel(x, y) & 0xFFFFFF, mine.pixels[y * mine.width + x]) << x << "," << y;
  }
}

}  // namespace
}  // namespace daub
