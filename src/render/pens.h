#pragma once
// The pen: its dot pattern in text form, its width on the device, and the
// standard pens the pen dialogs offer.

#include <array>
#include <cstdint>
#include <string>

#include "model/records.h"
#include "platform/dc.h"

namespace daub {
struct App;

// Most pieces one repeat of a dot pattern may have.
constexpr int kMaxLineBits = 18;

// The line-bit string: one character per piece, "1" where the piece is drawn.
// A string of more than kMaxLineBits characters is refused (false) and the
// count and bits are left as they were; any character but '1' counts as "0".
bool line_bits_from_string(const std::string& text, std::int32_t& count, std::uint32_t& bits);
// The string of a pattern; false (and `text` untouched) for a count outside
// 0..kMaxLineBits.
bool line_bits_to_string(std::int32_t count, std::uint32_t bits, std::string& text);

// Width in device pixels of a pen `width` world units wide at the current
// scale: truncated, and never below one pixel.
int device_pen_width(const App& app, int width);
// The device pen a line is stroked with: its style word, device width, colour.
DcPen device_pen(const App& app, const PenRecord& pen);

// A pen's style and dot pattern as a standard row gives it.
struct PenPattern {
  std::int32_t style = 0;
  double dot_length = 5.0;
  double start_length = 0.0;
  const char* line_bits = "10";
};

// A row of the standard pens ("定型ペン"); every row starts its pattern at 0.
struct StandardPen {
  const char* label;
  std::int32_t style;
  double dot_length;
  const char* line_bits;
  PenPattern pattern() const { return {style, dot_length, 0.0, line_bits}; }
};
using StandardPens = std::array<StandardPen, 7>;
// 実線, 点線, 長い点線, １点鎖線, 長い１点鎖線, ２点鎖線, 長い２点鎖線.
const StandardPens& standard_pens();

}  // namespace daub
