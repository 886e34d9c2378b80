#include "model/settings.h"

#include <cstring>

namespace daub {
namespace {

// "ＭＳ明朝" in code page 932: the face every new text starts with.
constexpr unsigned char kDefaultFace[] = {0x82, 0x6C, 0x82, 0x72, 0x96, 0xBE, 0x92, 0xA9};

void set_font_defaults(LogFont& f) {
  f = LogFont{};
  f.height = -13;
  f.weight = 400;
  f.char_set = 128;  // SHIFTJIS_CHARSET
  f.out_precision = 3;
  f.clip_precision = 2;
  f.quality = 1;
  f.pitch_and_family = 17;
  std::memcpy(f.face_name, kDefaultFace, sizeof kDefaultFace);
}

void set_text_defaults(Settings& s) {
  set_font_defaults(s.font);
  s.chars_per_line = 80;
  s.char_spacing = 0.05;
  s.column_spacing = 20.0;
  s.max_stretch = 0.95;
  for (double& t : s.tabs) t = 0.0;
  s.tabs[0] = 4.0;
}

void set_pen_defaults(Settings& s) {
  s.dot_length = 5.0;
  s.start_length = 0.0;
  s.line_bit_count = 2;
  s.line_bits = 1;  // the pattern "10": one piece drawn, one left out
  s.hatch_type = 0;
  s.hatch_width = 5.0;
  s.hatch_angle = 0.0;
  s.pen_style = 0;
  s.pen_width = 1;
  s.brush_style = 0;
  s.color = 0x000000;
}

void set_display_colors(Settings& s) {
  constexpr Colorref kColors[14] = {
      rgb(255, 0, 0),   rgb(0, 127, 0),   rgb(255, 0, 255),   rgb(0, 0, 0),       rgb(0, 127, 255),
      rgb(0, 255, 255), rgb(0, 127, 255), rgb(0, 127, 255),   rgb(192, 192, 192), rgb(0, 255, 0),
      rgb(255, 0, 255), rgb(0, 0, 0),     rgb(255, 255, 255), rgb(0, 0, 127)};
  for (int i = 0; i < 14; ++i) s.display_colors[i] = kColors[i];
}

}  // namespace

void set_drawing_defaults(Settings& s) {
  s.print_ratio = 4.0;
  s.vector_length = 30.0;
  s.max_chars = 10000;
  s.print_origin_x = 0.0;
  s.print_origin_y = 0.0;
  s.print_magnification = 4.7;
  set_text_defaults(s);
  set_pen_defaults(s);
  s.bmp_rate = 1.0;
  refresh_pens(s);
  set_display_colors(s);

  s.sketch_pen = s.line_pen;
  s.sketch_pen.width = 0;
  s.lattice_pen = s.sketch_pen;
  s.lattice_pen.color = rgb(255, 255, 0);
  s.lattice_width = 630.0;
  s.lattice_height = 891.0;
  s.lattice_interval = 20.0;
}

PenRecord current_pen(const Settings& s) {
  PenRecord pen;
  pen.style = s.pen_style;
  pen.width = s.pen_width;
  pen.color = s.color;
  pen.dot_length = s.dot_length;
  pen.start_length = s.start_length;
  pen.bit_count = s.line_bit_count;
  pen.bits = s.line_bits;
  return pen;
}

void set_current_pen(Settings& s, const PenRecord& pen) {
  s.pen_style = pen.style;
  s.pen_width = pen.width;
  s.color = pen.color;
  s.dot_length = pen.dot_length;
  s.start_length = pen.start_length;
  s.line_bit_count = pen.bit_count;
  s.line_bits = pen.bits;
}

void refresh_pens(Settings& s) {
  const PenRecord pen = current_pen(s);
  s.line_pen = pen;
  s.hatch_pen = pen;

  s.fill.brush_style = s.brush_style;
  s.fill.hatch_pen = pen;
  s.fill.hatch_type = s.hatch_type;
  s.fill.hatch_width = s.hatch_width;
  s.fill.hatch_angle = s.hatch_angle;
  s.fill.color = s.color;
}

}  // namespace daub
