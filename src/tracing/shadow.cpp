#include "tracing/shadow.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace daub {
namespace {

static_assert(std::endian::native == std::endian::little, "the shadow block is little-endian");

std::uint32_t word_at(const std::vector<std::uint8_t>& block, std::size_t at) {
  std::uint32_t v = 0;
  std::memcpy(&v, block.data() + at, sizeof v);
  return v;
}

OutlineRecord record_at(const std::vector<std::uint8_t>& block, std::size_t i) {
  OutlineRecord r;
  std::memcpy(&r, block.data() + kShadowHeaderSize + sizeof(OutlineRecord) * i, sizeof r);
  return r;
}

}  // namespace

ShadowProblem check_shadow(const std::vector<std::uint8_t>& block) {
  if (block.size() < kShadowHeaderSize) return ShadowProblem::kShort;
  const std::uint64_t n = word_at(block, 0), m = word_at(block, 4);
  if (shadow_bytes(n, m) != block.size()) return ShadowProblem::kSizeMismatch;
  for (std::size_t i = 0; i < n; ++i) {
    const OutlineRecord r = record_at(block, i);
    if (std::uint64_t{r.first} + r.count > m) return ShadowProblem::kPointsOutside;
    if (r.orientation != 1 && r.orientation != -1) return ShadowProblem::kBadOrientation;
  }
  return ShadowProblem::kNone;
}

std::vector<std::uint8_t> shadow_block(const Shadow& shadow) {
  const std::uint64_t n = shadow.outlines.size(), m = shadow.points.size();
  if (shadow_bytes(n, m) > kMaxShadowBytes) return {};
  std::vector<std::uint8_t> block(shadow_bytes(n, m));
  const std::uint32_t counts[2] = {static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(m)};
  std::memcpy(block.data(), counts, sizeof counts);
  if (n > 0)
    std::memcpy(block.data() + kShadowHeaderSize, shadow.outlines.data(),
                sizeof(OutlineRecord) * n);
  static_assert(sizeof(IntPoint) == kShadowPointSize);
  if (m > 0)
    std::memcpy(block.data() + shadow_bytes(n, 0), shadow.points.data(), kShadowPointSize * m);
  return block;
}

std::optional<Shadow> read_shadow(const std::vector<std::uint8_t>& block) {
  if (check_shadow(block) != ShadowProblem::kNone) return std::nullopt;
  const std::size_t n = word_at(block, 0), m = word_at(block, 4);
  Shadow s;
  s.outlines.resize(n);
  s.points.resize(m);
  if (n > 0)
    std::memcpy(s.outlines.data(), block.data() + kShadowHeaderSize, sizeof(OutlineRecord) * n);
  if (m > 0) std::memcpy(s.points.data(), block.data() + shadow_bytes(n, 0), kShadowPointSize * m);
  return s;
}

void sort_by_start(std::vector<OutlineRecord>& outlines) {
  std::stable_sort(outlines.begin(), outlines.end(),
                   [](const OutlineRecord& a, const OutlineRecord& b) {
                     if (a.start != b.start) return a.start < b.start;
                     return a.orientation < b.orientation;
                   });
}

int recolor_shadow(std::vector<std::uint8_t>& block, int orientation, Colorref color) {
  if (check_shadow(block) != ShadowProblem::kNone) return 0;
  const std::size_t n = word_at(block, 0);
  int changed = 0;
  for (std::size_t i = 0; i < n; ++i) {
    OutlineRecord r = record_at(block, i);
    if (r.orientation != orientation) continue;
    r.color = color;
    std::memcpy(block.data() + kShadowHeaderSize + sizeof(OutlineRecord) * i, &r, sizeof r);
    ++changed;
  }
  return changed;
}

}  // namespace daub
