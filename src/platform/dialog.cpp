#include "platform/dialog.h"

#include <cmath>
#include <cstdio>

namespace daub {

const ControlTemplate* DialogTemplate::control(int id) const {
  for (const ControlTemplate& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

std::size_t utf8_length(const std::string& s) {
  std::size_t n = 0;
  for (unsigned char c : s)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

namespace {

// The first `limit` characters of UTF-8 text.
std::string utf8_prefix(const std::string& s, std::size_t limit) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
      if (chars == limit) return s.substr(0, i);
      ++chars;
    }
  }
  return s;
}

}  // namespace

std::string DialogState::text(int id) const {
  auto it = texts_.find(id);
  return it == texts_.end() ? std::string() : it->second;
}

void DialogState::set_text(int id, const std::string& utf8) {
  const ControlTemplate* c = template_.control(id);
  texts_[id] = (c && c->limit > 0) ? utf8_prefix(utf8, static_cast<std::size_t>(c->limit)) : utf8;
}

bool DialogState::checked(int id) const {
  auto it = checks_.find(id);
  return it != checks_.end() && it->second;
}

void DialogState::set_checked(int id, bool on) { checks_[id] = on; }

double DialogState::number(int id, double current) const {
  double value = 0;
  if (std::sscanf(text(id).c_str(), "%lf", &value) != 1 || !std::isfinite(value)) return current;
  return value;
}

const std::vector<std::string>& DialogState::items(int id) const {
  static const std::vector<std::string> kNone;
  auto it = items_.find(id);
  return it == items_.end() ? kNone : it->second;
}

void DialogState::set_items(int id, std::vector<std::string> items) {
  items_[id] = std::move(items);
}

void DialogState::check_radio(int first, int last, int id) {
  for (const ControlTemplate& c : template_.controls)
    if (c.kind == ControlKind::kRadio && c.id >= first && c.id <= last) checks_[c.id] = false;
  checks_[id] = true;
}

}  // namespace daub
