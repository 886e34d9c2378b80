#include "platform/qt/qt_clipboard.h"

#include <gtest/gtest.h>

#include "paint/bmp_file.h"
#include "paint/picture_builder.h"
#include "support/sample_dib.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

namespace daub {
namespace {

using test::small_dib;

class QtClipboardTest : public testing::Test {
 protected:
  void SetUp() override { QGuiApplication::clipboard()->clear(); }
  QtClipboard clipboard;
};

TEST_F(QtClipboardTest, TextIsCodePage932OnOurSideAndUnicodeOutside) {
  const std::string cp932 = "\x83\x66\x81\x5B\x83\x5E\x93\xFC\x97\xCD,12.5";  // データ入力,12.5
  clipboard.set_text(cp932);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("データ入力,12.5"));
  EXPECT_EQ(clipboard.text(), cp932);

  QGuiApplication::clipboard()->setText(QString::fromUtf8("ｷｬﾝｾﾙ"));
  EXPECT_EQ(clipboard.text(), "\xB7\xAC\xDD\xBE\xD9");
}

// Pictures come back byte for byte, and other programs see the same pixels.
TEST_F(QtClipboardTest, PicturesComeBackByteForByteAndReachOtherPrograms) {
  Dib indexed = test::make_picture(5, 2, 4, {0x0000FF, 0x00FF00, 0xFF0000}, [](int x, int y) {
    return static_cast<std::uint32_t>((x + y) % 3);
  });
  for (const std::vector<std::uint8_t>& dib : {small_dib(), dib_to_packed(indexed)}) {
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

TEST_F(QtClipboardTest, PicturesFromOtherProgramsBecomePackedDibs) {
  QImage image(3, 2, QImage::Format_RGB32);
  image.fill(qRgb(10, 20, 30));
  image.setPixel(2, 0, qRgb(200, 100, 50));
  QGuiApplication::clipboard()->setImage(image);
  auto dib = clipboard.dib();
  ASSERT_TRUE(dib.has_value());
  ASSERT_GE(dib->size(), 40u + 2 * 12);
  EXPECT_EQ((*dib)[14], 24);  // 24 bits per pixel
  // Top row (stored last), third pixel, in blue-green-red order.
  std::size_t at = 40 + 12 + 2 * 3;
  EXPECT_EQ((*dib)[at], 50);
  EXPECT_EQ((*dib)[at + 1], 100);
  EXPECT_EQ((*dib)[at + 2], 200);
}

// Another program's BMP data this program does not read (a top-down picture)
// gives way to the image beside it.
TEST_F(QtClipboardTest, UnreadableBmpDataFallsBackToTheImage) {
  QImage image(2, 1, QImage::Format_RGB32);
  image.setPixel(0, 0, qRgb(10, 20, 30));
  image.setPixel(1, 0, qRgb(40, 50, 60));
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(image.save(&buffer, "BMP"));
  ASSERT_EQ(bmp[22], 1);
  bmp[22] = '\xFF';  // height -1: rows stored top-down
  for (int i = 23; i < 26; ++i) bmp[i] = '\xFF';
  auto* mime = new QMimeData;
  mime->setData("image/bmp", bmp);
  mime->setImageData(image);
  QGuiApplication::clipboard()->setMimeData(mime);

  auto packed = clipboard.dib();
  ASSERT_TRUE(packed.has_value());
  DibRead read = dib_from_packed(*packed);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(dib_info(read.dib).bit_count, 24);
  EXPECT_EQ(dib_to_dc_image(read.dib)->pixels.front(), 0x0A141Eu);
}

TEST_F(QtClipboardTest, DrawingDataHasItsOwnType) {
  const std::vector<std::uint8_t> block = {20, 0, 0, 0, 'T', 'O', 'R', 'V'};
  clipboard.set_text("abc");
  clipboard.set_drawing(block);
  EXPECT_EQ(clipboard.drawing(), block);
  EXPECT_EQ(clipboard.text(), std::nullopt);  // one form replaces the others
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(kDrawingMimeType));
  clipboard.clear();
  EXPECT_EQ(clipboard.drawing(), std::nullopt);
  EXPECT_EQ(clipboard.dib(), std::nullopt);
}

}  // namespace
}  // namespace daub
