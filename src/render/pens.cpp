#include "render/pens.h"

#include "model/app.h"
#include "render/view.h"

namespace daub {

bool line_bits_from_string(const std::string& text, std::int32_t& count, std::uint32_t& bits) {
  if (text.size() > static_cast<std::size_t>(kMaxLineBits)) return false;
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '1') value |= 1u << i;
  count = static_cast<std::int32_t>(text.size());
  bits = value;
  return true;
}

bool line_bits_to_string(std::int32_t count, std::uint32_t bits, std::string& text) {
  if (count < 0 || count > kMaxLineBits) return false;
  text.clear();
  for (int i = 0; i < count; ++i) text += ((bits >> i) & 1u) ? '1' : '0';
  return true;
}

int device_pen_width(const App& app, int width) {
  int device = trunc_to_int(width * app.settings.scale);
  return device < 1 ? 1 : device;
}

DcPen device_pen(const App& app, const PenRecord& pen) {
  return DcPen{pen.style, device_pen_width(app, pen.width), pen.color};
}

const StandardPens& standard_pens() {
  static const StandardPens kPens = {{
      {"実線", 0, 5.0, "10"},
      {"点線", 1, 5.0, "10"},
      {"長い点線", 1, 10.0, "10"},
      {"１点鎖線", 1, 5.0, "111010"},
      {"長い１点鎖線", 1, 10.0, "111010"},
      {"２点鎖線", 1, 5.0, "11101010"},
      {"長い２点鎖線", 1, 10.0, "11101010"},
  }};
  return kPens;
}

}  // namespace daub
