#include "resources/command_filter.h"

#include <algorithm>

namespace daub {
namespace {

// Full-width forms U+FF01..U+FF5E are EF BC 81..EF BC BF and EF BD 80..EF BD 9E
// in UTF-8; the ideographic space U+3000 is E3 80 80.
bool full_width_ascii(std::string_view s, std::size_t i, char& out) {
  if (i + 3 > s.size()) return false;
  const auto b0 = static_cast<unsigned char>(s[i]);
  const auto b1 = static_cast<unsigned char>(s[i + 1]);
  const auto b2 = static_cast<unsigned char>(s[i + 2]);
  if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) {
    out = ' ';
    return true;
  }
  if (b0 != 0xEF || b2 < 0x80 || b2 > 0xBF) return false;
  int code = 0;
  if (b1 == 0xBC && b2 >= 0x81)
    code = 0xFF00 + (b2 - 0x80);
  else if (b1 == 0xBD && b2 <= 0x9E)
    code = 0xFF40 + (b2 - 0x80);
  else
    return false;
  out = static_cast<char>(code - 0xFEE0);
  return true;
}

char lower_ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string> words(std::string_view query) {
  std::vector<std::string> out;
  std::string word;
  for (char c : fold_for_search(query)) {
    if (c == ' ' || c == '\t') {
      if (!word.empty()) out.push_back(std::move(word));
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) out.push_back(std::move(word));
  return out;
}

std::string searchable(const CommandLabel& row) {
  return fold_for_search(std::string(row.label) + " F" + std::to_string(row.family) + " " +
                         std::string(family_name(row.family)) + " " + std::to_string(row.id));
}

}  // namespace

std::string fold_for_search(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char c = 0;
    if (full_width_ascii(text, i, c)) {
      out += lower_ascii(c);
      i += 3;
    } else {
      out += lower_ascii(text[i]);
      ++i;
    }
  }
  return out;
}

std::vector<const CommandLabel*> filter_commands(std::string_view query) {
  const std::vector<std::string> terms = words(query);
  std::vector<const CommandLabel*> found;
  for (const CommandLabel& row : command_labels()) {
    const std::string text = searchable(row);
    if (std::all_of(terms.begin(), terms.end(),
                    [&](const std::string& t) { return text.find(t) != std::string::npos; }))
      found.push_back(&row);
  }
  std::stable_sort(found.begin(), found.end(), [](const CommandLabel* a, const CommandLabel* b) {
    return a->family < b->family;
  });
  return found;
}

}  // namespace daub
