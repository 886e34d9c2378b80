#include "qt/vertical_glyphs.h"

#include <vector>

namespace daub {
namespace {

// Big-endian reads that answer 0 outside the table.
class Table {
 public:
  explicit Table(const QByteArray& bytes) : bytes_(bytes) {}
  std::uint32_t u16(std::size_t at) const {
    if (at + 2 > size()) return 0;
    return (byte(at) << 8) | byte(at + 1);
  }
  std::uint32_t u32(std::size_t at) const { return (u16(at) << 16) | u16(at + 2); }
  std::size_t size() const { return static_cast<std::size_t>(bytes_.size()); }

 private:
  std::uint32_t byte(std::size_t at) const { return static_cast<unsigned char>(bytes_[at]); }
  const QByteArray& bytes_;
};

// The glyphs a coverage table lists, in coverage order.
std::vector<std::uint32_t> coverage(const Table& t, std::size_t at) {
  std::vector<std::uint32_t> glyphs;
  const std::uint32_t format = t.u16(at);
  const std::uint32_t count = t.u16(at + 2);
  if (format == 1) {
    for (std::uint32_t i = 0; i < count && at + 4 + 2 * i + 2 <= t.size(); ++i)
      glyphs.push_back(t.u16(at + 4 + 2 * i));
  } else if (format == 2) {
    for (std::uint32_t i = 0; i < count && at + 4 + 6 * i + 6 <= t.size(); ++i) {
      const std::uint32_t first = t.u16(at + 4 + 6 * i);
      const std::uint32_t last = t.u16(at + 6 + 6 * i);
      for (std::uint32_t g = first; g <= last && glyphs.size() < 65536; ++g) glyphs.push_back(g);
    }
  }
  return glyphs;
}

// A single substitution subtable (lookup type 1).
void single_substitution(const Table& t, std::size_t at,
                         std::unordered_map<std::uint32_t, std::uint32_t>& out) {
  const std::vector<std::uint32_t> glyphs = coverage(t, at + t.u16(at + 2));
  const std::uint32_t format = t.u16(at);
  if (format == 1) {
    const auto delta = static_cast<std::int16_t>(t.u16(at + 4));
    for (std::uint32_t g : glyphs) out.emplace(g, (g + static_cast<std::uint32_t>(delta)) & 0xFFFF);
  } else if (format == 2) {
    const std::uint32_t count = t.u16(at + 4);
    for (std::uint32_t i = 0; i < glyphs.size() && i < count; ++i)
      out.emplace(glyphs[i], t.u16(at + 6 + 2 * i));
  }
}

void lookup(const Table& t, std::size_t at, std::unordered_map<std::uint32_t, std::uint32_t>& out) {
  const std::uint32_t type = t.u16(at);
  const std::uint32_t subtables = t.u16(at + 4);
  for (std::uint32_t i = 0; i < subtables; ++i) {
    std::size_t sub = at + t.u16(at + 6 + 2 * i);
    std::uint32_t sub_type = type;
    if (type == 7 && t.u16(sub) == 1) {  // an extension: the real subtable lies further on
      sub_type = t.u16(sub + 2);
      sub += t.u32(sub + 4);
    }
    if (sub_type == 1) single_substitution(t, sub, out);
  }
}

}  // namespace

std::unordered_map<std::uint32_t, std::uint32_t> vertical_forms(const QByteArray& gsub) {
  std::unordered_map<std::uint32_t, std::uint32_t> out;
  const Table t(gsub);
  const std::size_t features = t.u16(6);
  const std::size_t lookups = t.u16(8);
  if (features == 0 || lookups == 0) return out;
  const std::uint32_t feature_count = t.u16(features);
  for (std::uint32_t f = 0; f < feature_count; ++f) {
    const std::size_t record = features + 2 + 6 * f;
    if (record + 6 > t.size()) break;
    if (t.u32(record) != 0x76657274) continue;  // "vert"
    const std::size_t feature = features + t.u16(record + 4);
    const std::uint32_t count = t.u16(feature + 2);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint32_t index = t.u16(feature + 4 + 2 * i);
      if (index >= t.u16(lookups)) continue;
      lookup(t, lookups + t.u16(lookups + 2 + 2 * index), out);
    }
  }
  return out;
}

}  // namespace daub
