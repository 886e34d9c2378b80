#include "paint/bmp_file.h"

#include <gtest/gtest.h>

#include "support/sample_dib.h"

#include <string>

namespace daub {
namespace {

using test::put_u32;
using test::small_dib;

TEST(BmpFile, JoinsHeaderAndBitsWhereverTheOffsetPutsThem) {
  const std::vector<std::uint8_t> dib = small_dib();
  auto bmp = packed_dib_to_bmp_file(dib);
  ASSERT_TRUE(bmp.has_value());
  ASSERT_EQ(bmp->size(), 14u + 56u);
  EXPECT_EQ(std::string(bmp->begin(), bmp->begin() + 2), "BM");
  EXPECT_EQ((*bmp)[10], 14 + 40);  // bits right after the header of a 24-bit picture
  EXPECT_EQ(bmp_file_to_packed_dib(*bmp), dib);

  // A file with four spare bytes before its bits (the in-memory form's gap).
  std::vector<std::uint8_t> gapped(bmp->begin(), bmp->begin() + 14 + 40);
  gapped.insert(gapped.end(), 4, 0x7F);
  gapped.insert(gapped.end(), bmp->begin() + 14 + 40, bmp->end());
  gapped[10] = 14 + 44;
  EXPECT_EQ(bmp_file_to_packed_dib(gapped), dib);
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
    EXPECT_EQ(packed_dib_to_bmp_file(c.bytes), std::nullopt);
    std::vector<std::uint8_t> bmp = {'B', 'M'};
    bmp.resize(14, 0);
    bmp.insert(bmp.end(), c.bytes.begin(), c.bytes.end());
    EXPECT_EQ(bmp_file_to_packed_dib(bmp), std::nullopt);
  }
  std::vector<std::uint8_t> bits_past_end = *packed_dib_to_bmp_file(dib);
  bits_past_end[10] = 200;
  EXPECT_EQ(bmp_file_to_packed_dib(bits_past_end), std::nullopt);
}

}  // namespace
}  // namespace daub
