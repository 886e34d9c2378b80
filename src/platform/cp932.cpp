#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>

namespace daub {

namespace {

// Bytes of the input character that cannot be converted: the whole character,
// so one bad character gives one '?'.
using BadLength = std::size_t (*)(const char* p, std::size_t left);

std::size_t cp932_char_length(const char* p, std::size_t left) {
  auto lead = static_cast<unsigned char>(p[0]);
  if (left >= 2 && is_lead_byte(lead) && is_trail_byte(static_cast<unsigned char>(p[1]))) return 2;
  return 1;
}

std::size_t utf8_char_length(const char* p, std::size_t left) {
  auto lead = static_cast<unsigned char>(p[0]);
  std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (n > left) return 1;
  for (std::size_t i = 1; i < n; ++i)
    if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) return 1;
  return n;
}

// Runs iconv over the whole input. Every pass either consumes input or grows
// the output, so the loop ends; what iconv refuses becomes '?'.
std::string convert(const char* to, const char* from, const std::string& in, BadLength bad) {
  if (in.empty()) return {};
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in.size(), '?');
  std::string out(in.size() * 2 + 16, '\0');
  char* src = const_cast<char*>(in.data());
  std::size_t src_left = in.size();
  std::size_t used = 0;
  while (src_left > 0) {
    char* dst = out.data() + used;
    std::size_t dst_left = out.size() - used;
    std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    used = out.size() - dst_left;
    if (r != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      out.resize(out.size() * 2);
      continue;
    }
    // EILSEQ (a character with no counterpart or a malformed one) and EINVAL
    // (a character cut off at the end): one '?' for the character, then go on.
    std::size_t skip = errno == EINVAL ? src_left : bad(src, src_left);
    src += skip;
    src_left -= skip;
    if (used == out.size()) out.resize(out.size() * 2);
    out[used++] = '?';
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
  }
  iconv_close(cd);
  out.resize(used);
  return out;
}

}  // namespace

std::string cp932_to_utf8(const std::string& cp932) {
  return convert("UTF-8", "CP932", cp932, cp932_char_length);
}

std::string utf8_to_cp932(const std::string& utf8) {
  return convert("CP932", "UTF-8", utf8, utf8_char_length);
}

bool is_lead_byte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

bool is_trail_byte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

}  // namespace daub
