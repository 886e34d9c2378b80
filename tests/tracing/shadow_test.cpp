#include "tracing/shadow.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace daub {
namespace {

// Two outlines of 3 and 2 points; the second holds the last two points.
Shadow two_outlines() {
  Shadow s;
  s.outlines = {{3, 9, 1, 3, 36, 0, 0x000000}, {2, 4, -1, 2, 50, 3, 0xFFFFFF}};
  s.points = {{1, 1}, {1, 4}, {4, 4}, {7, 7}, {9, 8}};
  return s;
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  std::uint32_t v;
  std::memcpy(&v, b.data() + at, 4);
  return v;
}

TEST(ShadowBlock, LayoutAndRoundTrip) {
  const std::vector<std::uint8_t> block = shadow_block(two_outlines());
  ASSERT_EQ(block.size(), 8u + 2 * 28 + 5 * 8);
  // Record 2 (count, area, orientation, extent, start, first, colour), the last point.
  std::vector<std::uint32_t> words;
  for (std::size_t at : {36, 40, 44, 48, 52, 56, 60, 96, 100}) words.push_back(u32(block, at));
  EXPECT_EQ(words, (std::vector<std::uint32_t>{2, 4, 0xFFFFFFFFu, 2, 50, 3, 0xFFFFFF, 9, 8}));
  const auto back = read_shadow(block);
  ASSERT_TRUE(back);
  EXPECT_EQ(shadow_block(*back), block);
}

// Every damage is named and refused; the sound block just inside each limit passes.
TEST(ShadowBlock, DamagesAreRefused) {
  const std::vector<std::uint8_t> sound = shadow_block(two_outlines());
  const auto put = [](std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    std::memcpy(b.data() + at, &v, 4);
  };
  const struct {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    ShadowProblem problem;
  } cases[] = {
      {"sound", [](auto&) {}, ShadowProblem::kNone},
      {"seven bytes", [](auto& b) { b.resize(7); }, ShadowProblem::kShort},
      {"a byte more", [](auto& b) { b.push_back(0); }, ShadowProblem::kSizeMismatch},
      {"one outline more", [&](auto& b) { put(b, 0, 3); }, ShadowProblem::kSizeMismatch},
      {"a huge point count", [&](auto& b) { put(b, 4, 0x20000000); }, ShadowProblem::kSizeMismatch},
      {"last outline ends at the last point", [&](auto& b) { put(b, 8 + 28 + 20, 3); },
       ShadowProblem::kNone},
      {"last outline one past the points", [&](auto& b) { put(b, 8 + 28 + 20, 4); },
       ShadowProblem::kPointsOutside},
      {"a count that wraps", [&](auto& b) { put(b, 8, 0xFFFFFFFFu); },
       ShadowProblem::kPointsOutside},
      {"orientation 0", [&](auto& b) { put(b, 8 + 8, 0); }, ShadowProblem::kBadOrientation},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> b = sound;
    c.damage(b);
    EXPECT_EQ(check_shadow(b), c.problem);
    EXPECT_EQ(read_shadow(b).has_value(), c.problem == ShadowProblem::kNone);
  }
}

}  // namespace
}  // namespace daub
