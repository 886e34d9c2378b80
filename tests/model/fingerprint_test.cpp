#include "model/fingerprint.h"

#include <gtest/gtest.h>

#include <set>

namespace daub {
namespace {

// Any one changed byte, in the eight-byte words or in the tail, and any added
// zero byte give another fingerprint; equal bytes give the same.
TEST(Fingerprint, EveryByteAndTheLengthCount) {
  for (std::size_t n = 0; n <= 17; ++n) {
    SCOPED_TRACE(n);
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(37 * i + 1);
    std::set<std::uint64_t> seen = {fingerprint(bytes)};
    EXPECT_EQ(fingerprint(std::vector<std::uint8_t>(bytes)), fingerprint(bytes));
    for (std::size_t i = 0; i < n; ++i) {
      std::vector<std::uint8_t> changed = bytes;
      changed[i] ^= 0x80;
      EXPECT_TRUE(seen.insert(fingerprint(changed)).second) << "byte " << i;
    }
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_TRUE(seen.insert(fingerprint(longer)).second);
  }
}

}  // namespace
}  // namespace daub
