#pragma once
// The live drawing settings: current parameters of the view, printing, pens,
// hatching, fill, font, text format, bitmap, lattice and the display colours.
// Its byte image is the optional 776-byte settings record of a drawing block.

#include "model/records.h"

namespace daub {

struct Settings {
  double view_center_x = 0;  // client pixel at which the view origin is shown
  double view_center_y = 0;
  double scale = 0;  // screen pixels per world unit
  double print_ratio = 0;
  double vector_length = 0;  // on-screen length of a direction tick, pixels
  std::int32_t max_chars = 0;
  std::uint32_t reserved44 = 0;
  double print_origin_x = 0;
  double print_origin_y = 0;
  double print_magnification = 0;
  double dot_length = 0;
  double start_length = 0;
  std::int32_t line_bit_count = 0;
  std::uint32_t line_bits = 0;
  PenRecord hatch_pen;
  std::int32_t hatch_type = 0;
  std::uint32_t reserved140 = 0;
  double hatch_width = 0;
  double hatch_angle = 0;
  PenRecord line_pen;
  PenRecord sketch_pen;
  RegionParam fill;
  LogFont font;
  std::uint32_t reserved380 = 0;
  std::int32_t chars_per_line = 0;
  std::uint32_t reserved388 = 0;
  double char_spacing = 0;
  double column_spacing = 0;
  double max_stretch = 0;
  double tabs[10] = {};
  std::int32_t pen_style = 0;
  std::int32_t pen_width = 0;
  std::int32_t brush_style = 0;
  char bmp_name[132] = {};
  double bmp_rate = 0;
  Colorref color = 0;
  std::uint32_t reserved652 = 0;
  double lattice_width = 0;
  double lattice_height = 0;
  double lattice_interval = 0;
  PenRecord lattice_pen;
  Colorref display_colors[14] = {};
};

static_assert(sizeof(Settings) == kSettingsSize);
static_assert(offsetof(Settings, scale) == 16);
static_assert(offsetof(Settings, print_ratio) == 24);
static_assert(offsetof(Settings, vector_length) == 32);
static_assert(offsetof(Settings, max_chars) == 40);
static_assert(offsetof(Settings, print_origin_x) == 48);
static_assert(offsetof(Settings, print_magnification) == 64);
static_assert(offsetof(Settings, dot_length) == 72);
static_assert(offsetof(Settings, start_length) == 80);
static_assert(offsetof(Settings, line_bit_count) == 88);
static_assert(offsetof(Settings, line_bits) == 92);
static_assert(offsetof(Settings, hatch_pen) == 96);
static_assert(offsetof(Settings, hatch_type) == 136);
static_assert(offsetof(Settings, hatch_width) == 144);
static_assert(offsetof(Settings, hatch_angle) == 152);
static_assert(offsetof(Settings, line_pen) == 160);
static_assert(offsetof(Settings, sketch_pen) == 200);
static_assert(offsetof(Settings, fill) == 240);
static_assert(offsetof(Settings, font) == 320);
static_assert(offsetof(Settings, chars_per_line) == 384);
static_assert(offsetof(Settings, char_spacing) == 392);
static_assert(offsetof(Settings, column_spacing) == 400);
static_assert(offsetof(Settings, max_stretch) == 408);
static_assert(offsetof(Settings, tabs) == 416);
static_assert(offsetof(Settings, pen_style) == 496);
static_assert(offsetof(Settings, pen_width) == 500);
static_assert(offsetof(Settings, brush_style) == 504);
static_assert(offsetof(Settings, bmp_name) == 508);
static_assert(offsetof(Settings, bmp_rate) == 640);
static_assert(offsetof(Settings, color) == 648);
static_assert(offsetof(Settings, lattice_width) == 656);
static_assert(offsetof(Settings, lattice_height) == 664);
static_assert(offsetof(Settings, lattice_interval) == 672);
static_assert(offsetof(Settings, lattice_pen) == 680);
static_assert(offsetof(Settings, display_colors) == 720);

// Index into display_colors of the colour at settings offset `offset` (720..772).
constexpr int display_color_index(int offset) { return (offset - 720) / 4; }

// Start-up values of every drawing parameter (steps 4 to 7 of start-up): font,
// text format, tabs, pens, hatching, print, display colours, sketch and lattice
// pens and the lattice. The view fields are left to the caller.
void set_drawing_defaults(Settings& s);

// The current pen as the separate pen fields hold it (style, width, colour,
// dot length, start length, line bits), and those fields set from a pen.
PenRecord current_pen(const Settings& s);
void set_current_pen(Settings& s, const PenRecord& pen);

// Rebuilds the current line pen from the separate pen fields and copies it into
// the hatch pen and the fill record, with the brush style, hatch fields and colour.
void refresh_pens(Settings& s);

}  // namespace daub
