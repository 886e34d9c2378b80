#pragma once
// What the reading modules share among themselves.

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/ui.h"

namespace daub {

// The hourglass for as long as it lives.
class BusyCursor {
 public:
  explicit BusyCursor(Ui& ui) : ui_(ui) { ui_.set_busy(true); }
  ~BusyCursor() { ui_.set_busy(false); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Ui& ui_;
};

// The first integer of a typed text as "%d" finds it (leading blanks, a
// sign, digits), held within long long; nothing when there is no digit.
inline std::optional<long long> scan_integer(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const long long n = std::strtoll(begin, &end, 10);
  if (end == begin) return std::nullopt;
  return n;
}

// The page-name message of sklpagefilename.
void report_not_page_name(Ui& ui);

}  // namespace daub
