// BMP files against a second, independent implementation: Qt's own image
// reader and writer. Files written here must read there with the same pixels,
// and Qt's files of 1, 4, 8 and 24 bits must read here the same way.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "picture/bmp_file.h"
#include "picture/dib.h"
#include "support/picture_builder.h"

namespace daub {
namespace {

using Bytes = std::vector<std::uint8_t>;

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

TEST(BmpInterop, FilesGoBothWaysAtEveryBitCount) {
  struct Case {
    int bits, w, h, colours;
  } cases[] = {{1, 19, 5, 2}, {4, 11, 6, 16}, {8, 13, 6, 100}, {24, 5, 3, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits");
    std::vector<Colorref> table;
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(c.colours); ++i)
      table.push_back((i * 97 & 255) | (i * 31 & 255) << 8 | (i * 13 & 255) << 16);
    Dib ours = c.bits == 24
                   ? test::gradient_picture(c.w, c.h)
                   : test::make_picture(c.w, c.h, c.bits, table, [&](int x, int y) {
                       return static_cast<std::uint32_t>((x * 3 + y * 5 + x * y) % c.colours);
                     });
    const Bytes file = dib_to_bmp_file(ours);
    QImage theirs = QImage::fromData(
        QByteArray(reinterpret_cast<const char*>(file.data()), static_cast<qsizetype>(file.size())),
        "BMP");
    ASSERT_FALSE(theirs.isNull());
    expect_same_pixels(theirs, ours);

    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(theirs.save(&buffer, "BMP"));
    const Bytes written(out.begin(), out.end());
    EXPECT_EQ(written[28] | written[29] << 8, c.bits);  // what Qt wrote
    DibRead read = dib_from_bmp_file(written);
    ASSERT_TRUE(read.ok());
    expect_same_pixels(theirs, read.dib);
  }
}

}  // namespace
}  // namespace daub
