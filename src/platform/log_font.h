#pragma once
// The font description that text elements store and that a Dc creates its
// fonts from: the Win32 ANSI LOGFONT, 60 bytes, part of the file format.

#include <cstddef>
#include <cstdint>

namespace daub {

struct LogFont {
  std::int32_t height = 0;      // negative: character height; positive: cell height; 0: default
  std::int32_t width = 0;       // average character width; 0: the face's own
  std::int32_t escapement = 0;  // tenths of a degree, counter-clockwise
  std::int32_t orientation = 0;
  std::int32_t weight = 0;  // 100..900, 0 = normal
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strike_out = 0;
  std::uint8_t char_set = 0;
  std::uint8_t out_precision = 0;
  std::uint8_t clip_precision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitch_and_family = 0;  // low 2 bits pitch (1 fixed, 2 variable), high 4 family
  char face_name[32] = {};            // code page 932, NUL-terminated
};
static_assert(sizeof(LogFont) == 60);
static_assert(offsetof(LogFont, italic) == 20);
static_assert(offsetof(LogFont, face_name) == 28);

}  // namespace daub
