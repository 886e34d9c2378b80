// BMP files against a second, independent implementation: Qt's own image
// reader and writer. Files written here must read there with the same pixels,
// and files written there (1, 4, 8 and 24 bits) must read here the same way.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QColor>
#include <QImage>

#include "paint/bmp_file.h"
#include "paint/dib.h"
#include "paint/picture_builder.h"

namespace daub {
namespace {

using Bytes = std::vector<std::uint8_t>;

QByteArray qbytes(const Bytes& v) {
  return QByteArray(reinterpret_cast<const char*>(v.data()), static_cast<qsizetype>(v.size()));
}

Bytes bytes_of(const QByteArray& a) {
  auto* p = reinterpret_cast<const std::uint8_t*>(a.constData());
  return Bytes(p, p + a.size());
}

Bytes written_by_qt(const QImage& image) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "BMP"));
  return bytes_of(out);
}

int bit_count_of_file(const Bytes& file) { return file[28] | file[29] << 8; }

// Both pictures' pixels as 0x00RRGGBB, row by row from the top.
void expect_same_pixels(const QImage& theirs, const Dib& ours) {
  std::optional<DcImage> mine = dib_to_dc_image(ours);
  ASSERT_TRUE(mine.has_value());
  ASSERT_EQ(theirs.width(), mine->width);
  ASSERT_EQ(theirs.height(), mine->height);
  for (int y = 0; y < theirs.height(); ++y)
    for (int x = 0; x < theirs.width(); ++x)
      ASSERT_EQ(theirs.pixel(x, y) & 0xFFFFFF, mine->pixels[y * mine->width + x]) << x << "," << y;
}

std::uint32_t pattern(int x, int y, int colours) {
  return static_cast<std::uint32_t>((x * 3 + y * 5 + x * y) % colours);
}

TEST(BmpInterop, FilesWrittenHereReadInQt) {
  const std::vector<Colorref> palette = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x123456,
                                         0x808080, 0x00FFFF, 0xFF00FF, 0x654321, 0x0F0F0F, 0xF0F0F0,
                                         0x00007F, 0x007F00, 0x7F0000, 0x7F7F7F};
  struct Case {
    int bits, w, h, colours;
  };
  const Case cases[] = {{1, 19, 5, 2}, {4, 11, 6, 16}, {8, 7, 4, 16}, {24, 5, 3, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits");
    std::vector<Colorref> table(palette.begin(), palette.begin() + c.colours);
    Dib picture = c.bits == 24 ? test::gradient_picture(c.w, c.h)
                               : test::make_picture(c.w, c.h, c.bits, table, [&](int x, int y) {
                                   return pattern(x, y, c.colours);
                                 });
    QImage theirs = QImage::fromData(qbytes(dib_to_bmp_file(picture)), "BMP");
    ASSERT_FALSE(theirs.isNull());
    expect_same_pixels(theirs, picture);
  }
}

TEST(BmpInterop, FilesWrittenByQtReadHere) {
  QImage rgb(9, 5, QImage::Format_RGB888);
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x)
      rgb.setPixel(x, y, qRgb(x * 28, y * 50, (x * y * 7) & 255));

  auto indexed = [](int colours, QImage::Format format) {
    QImage image(13, 6, format);
    QList<QRgb> table;
    for (int i = 0; i < colours; ++i) table.append(qRgb(i * 97 & 255, i * 31 & 255, i * 13 & 255));
    image.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, pattern(x, y, colours));
    return image;
  };
  struct Case {
    const char* name;
    QImage image;
    int bits;  // what Qt writes for it
  };
  const Case cases[] = {
      {"two-colour", indexed(2, QImage::Format_Mono), 1},
      {"sixteen colours", indexed(16, QImage::Format_Indexed8), 4},
      {"a hundred colours", indexed(100, QImage::Format_Indexed8), 8},
      {"full colour", rgb, 24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes file = written_by_qt(c.image);
    EXPECT_EQ(bit_count_of_file(file), c.bits);
    DibRead read = dib_from_bmp_file(file);
    ASSERT_TRUE(read.ok());
    expect_same_pixels(c.image, read.dib);
    std::optional<Dib> full = full_color_dib(read.dib);
    ASSERT_TRUE(full.has_value());
    expect_same_pixels(c.image, *full);
  }
}

}  // namespace
}  // namespace daub
