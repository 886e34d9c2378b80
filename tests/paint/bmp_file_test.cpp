#include "paint/bmp_file.h"

#include <gtest/gtest.h>

#include "support/sample_dib.h"

#include <string>

namespace daub {
namespace {

using test::put_u32;
using test::small_dib;

TEST(BmpFile, JoinsHeaderAndBitsWhereverTheOffsetPutsThem) {
  const std::vector<std::uint8_t> packed = small_dib();
  DibRead read = dib_from_packed(packed);
  ASSERT_TRUE(read.ok());
  std::vector<std::uint8_t> bmp = dib_to_bmp_file(read.dib);
  ASSERT_EQ(bmp.size(), 14u + 44u + 16u);
  EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
  EXPECT_EQ(bmp[10], 14 + 44);  // bits after the gap
  EXPECT_EQ(dib_to_packed(dib_from_bmp_file(bmp).dib), packed);
}

TEST(BmpFile, RefusesBytesShorterThanTheirHeaderSays) {
  std::vector<std::uint8_t> dib = small_dib();
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
  };
  std::vector<std::uint8_t> huge_header = dib;
  put_u32(huge_header, 0, 4000);
  std::vector<std::uint8_t> huge_table = dib;
  huge_table[14] = 8;
  put_u32(huge_table, 32, 0xFFFFFFFF);
  const Case cases[] = {
      {"empty", {}},
      {"cut header", std::vector<std::uint8_t>(dib.begin(), dib.begin() + 20)},
      {"header larger than the data", huge_header},
      {"colour table larger than the data", huge_table},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(dib_from_packed(c.bytes).ok());
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    bmp.resize(14, 0);
    bmp.insert(bmp.end(), c.bytes.begin(), c.bytes.end());
    EXPECT_FALSE(dib_from_bmp_file(bmp).ok());
  }
  std::vector<std::uint8_t> bits_past_end = dib_to_bmp_file(dib_from_packed(dib).dib);
  bits_past_end[10] = 200;
  EXPECT_FALSE(dib_from_bmp_file(bits_past_end).ok());
}

}  // namespace
}  // namespace daub
