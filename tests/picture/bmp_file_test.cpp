#include "picture/bmp_file.h"

#include <gtest/gtest.h>

#include <string>

#include "support/picture_builder.h"
#include "support/sample_dib.h"
#include "support/test_app.h"

namespace daub {
namespace {

using test::make_picture;
using test::plain_bmp_file;
using test::put_u32;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t u32_at(const Bytes& b, std::size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(BmpFile, WritesTheGapInsideWithABitsOffsetPastIt) {
  test::TestApp t;
  Dib picture = *MakeDIB(t.app, 2, 2, 0x0000FF);
  Bytes file = dib_to_bmp_file(picture);
  ASSERT_EQ(file.size(), 74u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 2), "BM");
  EXPECT_EQ(u32_at(file, 2), 74u);
  EXPECT_EQ(u32_at(file, 6), 0u);
  EXPECT_EQ(u32_at(file, 10), 58u);
  EXPECT_TRUE(std::equal(picture.begin(), picture.end(), file.begin() + 14));

  // Read back it is the same block, and written again the same file.
  DibRead read = dib_from_bmp_file(file);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.dib, picture);
  EXPECT_EQ(dib_to_bmp_file(read.dib), file);
}

TEST(BmpFile, APlainFileGetsItsBitsAfterTheGap) {
  Dib picture = test::gradient_picture(3, 2);
  Bytes file = plain_bmp_file(picture);
  ASSERT_EQ(u32_at(file, 10), 54u);
  DibRead read = dib_from_bmp_file(file);
  ASSERT_TRUE(read.ok());
  ASSERT_EQ(read.dib.size(), file.size() - 54 + 44);
  EXPECT_TRUE(std::equal(file.begin() + 54, file.end(), read.dib.begin() + 44));
  // The gap holds what followed the header in the file: the first pixel bytes.
  EXPECT_TRUE(std::equal(file.begin() + 54, file.begin() + 58, read.dib.begin() + 40));
  EXPECT_EQ(dib_to_dc_image(read.dib)->pixels, dib_to_dc_image(picture)->pixels);
}

// With a colour table and bytes trailing the rows, still byte for byte.
TEST(BmpFile, ClipboardFormDropsTheGapAndLongerHeadersAreCut) {
  Dib indexed = make_picture(3, 3, 8, {0x10, 0x20, 0x30}, [](int x, int) { return x; });
  indexed.insert(indexed.end(), {9, 8, 7});
  Bytes packed = dib_to_packed(indexed);
  ASSERT_EQ(packed.size(), indexed.size() - 4);
  EXPECT_TRUE(std::equal(packed.begin(), packed.begin() + 40, indexed.begin()));
  EXPECT_EQ(dib_from_packed(packed).dib, indexed);

  // Later header forms of uncompressed pictures read like the plain one.

  Dib picture = make_picture(3, 2, 8, {0x0000FF, 0x00FF00}, [](int x, int) { return x % 2; });
  for (std::uint32_t size : {108u, 124u}) {
    Bytes longer = dib_to_packed(picture);
    longer.insert(longer.begin() + 40, size - 40, 0xEE);
    put_u32(longer, 0, size);
    EXPECT_EQ(dib_from_packed(longer).dib, picture) << size;
  }
}

TEST(BmpFile, RefusesBytesItCannotRead) {
  const Bytes good = plain_bmp_file(test::gradient_picture(3, 2));
  // One header field set to a value the reader must refuse, and why it must.
  const struct {
    const char* name;
    std::size_t at;
    std::uint32_t value;
    DibProblem problem;
    int size = 4;  // bytes of the field
  } cases[] = {
      {"CM", 0, 'C', DibProblem::kNotBmp, 1},
      {"BX", 1, 'X', DibProblem::kNotBmp, 1},
      {"bits offset on the last header byte", 10, 53, DibProblem::kDamaged},
      {"bits offset past the end", 10, static_cast<std::uint32_t>(good.size() + 1),
       DibProblem::kDamaged},
      {"core header", 14, 12, DibProblem::kUnsupported},
      {"huge header size", 14, 0xFFFFFFFF, DibProblem::kDamaged},
      {"width 0", 18, 0, DibProblem::kDamaged},
      {"height huge", 22, 0x7FFFFFFF, DibProblem::kTooLarge},
      {"top-down", 22, 0xFFFFFFFE, DibProblem::kUnsupported},
      {"32 bits", 28, 32, DibProblem::kUnsupported, 2},
      {"run-length", 30, 1, DibProblem::kUnsupported},
      {"rows missing", 22, 5, DibProblem::kDamaged},
      {"colour table past the end", 46, 0xFFFF, DibProblem::kDamaged},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes bytes = good;
    for (int i = 0; i < c.size; ++i) bytes[c.at + i] = static_cast<std::uint8_t>(c.value >> 8 * i);
    DibRead read = dib_from_bmp_file(bytes);
    EXPECT_EQ(read.problem, c.problem);
    EXPECT_TRUE(read.dib.empty());
  }
  for (std::size_t n : {0, 14, 53}) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(dib_from_bmp_file(Bytes(good.begin(), good.begin() + n)).ok());
    EXPECT_FALSE(dib_from_packed(Bytes(good.begin() + 14, good.begin() + 14 + n)).ok());
  }
  EXPECT_TRUE(dib_to_bmp_file(Dib(10, 0)).empty());
  EXPECT_TRUE(dib_to_packed(Dib()).empty());
}

}  // namespace
}  // namespace daub
