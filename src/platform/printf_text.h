#pragma once
// printf into a std::string of exactly the needed length, for the dialog
// fields that show numbers with a fixed printf format ("%lf", "%6.2lf", ...).

#include <cstdio>
#include <string>

namespace daub {

template <class... Args>
std::string printf_text(const char* format, Args... args) {
  int n = std::snprintf(nullptr, 0, format, args...);
  if (n <= 0) return std::string();
  std::string text(static_cast<std::size_t>(n) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, args...);
  text.resize(static_cast<std::size_t>(n));
  return text;
}

}  // namespace daub
