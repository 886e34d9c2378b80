#pragma once
// Byte layouts of everything stored in the drawing block and the drawing file.
// Every record is trivially copyable and read/written with memcpy by Block, so
// the sizes and offsets below are part of the file format.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "geometry/line_geometry.h"
#include "platform/log_font.h"

static_assert(std::endian::native == std::endian::little,
              "drawing files are little-endian byte images of these records");

namespace daub {

// GDI colour value 0x00BBGGRR.
using Colorref = std::uint32_t;

constexpr Colorref rgb(int r, int g, int b) {
  return static_cast<Colorref>(r & 255) | (static_cast<Colorref>(g & 255) << 8) |
         (static_cast<Colorref>(b & 255) << 16);
}

// Pen record: ten words, the same wherever a pen is stored.
struct PenRecord {
  std::int32_t style = 0;  // 0 solid, 1 dotted, other values draw nothing
  std::int32_t width = 0;  // world units
  Colorref color = 0;
  std::uint32_t reserved = 0;
  double dot_length = 0;
  double start_length = 0;
  std::int32_t bit_count = 0;  // pieces in one repeat of the dot pattern
  std::uint32_t bits = 0;      // bit i set: piece i is drawn
};
static_assert(sizeof(PenRecord) == 40);
static_assert(offsetof(PenRecord, dot_length) == 16);
static_assert(offsetof(PenRecord, start_length) == 24);
static_assert(offsetof(PenRecord, bit_count) == 32);
static_assert(offsetof(PenRecord, bits) == 36);

// The dot pattern of a pen: dot length, start length, line-bit count and bits.
inline void copy_dot_pattern(const PenRecord& from, PenRecord& to) {
  to.dot_length = from.dot_length;
  to.start_length = from.start_length;
  to.bit_count = from.bit_count;
  to.bits = from.bits;
}

// Region parameter record: the fill of a region, 80 bytes.
struct RegionParam {
  std::int32_t brush_style = 0;  // 0 solid, 1 hatch
  std::uint32_t reserved1 = 0;
  PenRecord hatch_pen;
  std::int32_t hatch_type = 0;  // 0 slanted lines, 1 grid
  std::uint32_t reserved13 = 0;
  double hatch_width = 0;
  double hatch_angle = 0;  // degrees
  Colorref color = 0;
  std::uint32_t reserved19 = 0;
};
static_assert(sizeof(RegionParam) == 80);
static_assert(offsetof(RegionParam, hatch_pen) == 8);
static_assert(offsetof(RegionParam, hatch_type) == 48);
static_assert(offsetof(RegionParam, hatch_width) == 56);
static_assert(offsetof(RegionParam, hatch_angle) == 64);
static_assert(offsetof(RegionParam, color) == 72);

// Drawing header at offset 0 of every block.
struct DrawingHeader {
  std::uint32_t used = 0;         // first free byte; the file length
  std::uint32_t first_layer = 0;  // 0 = no layer
  std::uint32_t settings = 0;     // 0, or 20 when a settings record follows
  char magic[8] = {'T', 'O', 'R', 'V', 'C', 'A', 'D', '\0'};
};
static_assert(sizeof(DrawingHeader) == 20);
static_assert(offsetof(DrawingHeader, magic) == 12);

constexpr std::uint32_t kHeaderSize = 20;
constexpr std::uint32_t kSettingsSize = 776;
constexpr char kMagic[] = "TORVCAD";

struct LayerRecord {
  std::uint32_t lines = 0;
  std::uint32_t regions = 0;
  std::uint32_t letters = 0;
  std::uint32_t englishes = 0;
  std::uint32_t bitmaps = 0;
  std::uint32_t next = 0;
};
static_assert(sizeof(LayerRecord) == 24);

struct LineRecord {
  PenRecord pen;
  LineGeometry geom;
  std::uint32_t next = 0;
  std::uint32_t reserved = 0;
};
static_assert(sizeof(LineRecord) == 104);
static_assert(offsetof(LineRecord, geom) == 40);
static_assert(offsetof(LineRecord, next) == 96);

struct RegionRecord {
  RegionParam param;
  std::uint32_t entries = 0;  // offset of the boundary entry array
  std::uint32_t next = 0;
  std::int32_t count = 0;  // number of boundary entries
  std::uint32_t reserved = 0;
};
static_assert(sizeof(RegionRecord) == 96);
static_assert(offsetof(RegionRecord, entries) == 80);
static_assert(offsetof(RegionRecord, next) == 84);
static_assert(offsetof(RegionRecord, count) == 88);

struct BoundaryEntry {
  std::int32_t line = 0;       // element number of a line of the same layer; 0 = skip
  std::int32_t direction = 1;  // 1 = as stored, anything else = reversed
};
static_assert(sizeof(BoundaryEntry) == 8);

// Text element: letter (Japanese) and english (Latin) elements share it.
struct TextRecord {
  double x = 0, y = 0;  // anchor
  LogFont font;
  std::uint32_t reserved19 = 0;
  std::int32_t chars_per_line = 0;
  std::uint32_t reserved21 = 0;
  double char_spacing = 0;
  double column_spacing = 0;
  double max_stretch = 0;
  double tabs[10] = {};
  Colorref color = 0;
  std::uint32_t chars = 0;  // offset of the code page 932 bytes
  std::int32_t length = 0;  // without the terminating NUL
  std::uint32_t next = 0;
};
static_assert(sizeof(TextRecord) == 208);
static_assert(offsetof(TextRecord, font) == 16);
static_assert(offsetof(TextRecord, chars_per_line) == 80);
static_assert(offsetof(TextRecord, char_spacing) == 88);
static_assert(offsetof(TextRecord, tabs) == 112);
static_assert(offsetof(TextRecord, color) == 192);
static_assert(offsetof(TextRecord, chars) == 196);
static_assert(offsetof(TextRecord, length) == 200);
static_assert(offsetof(TextRecord, next) == 204);

struct BitmapRecord {
  double x = 0, y = 0;
  double rate = 0;  // world units per pixel
  std::uint32_t image = 0;
  std::uint32_t size = 0;
  std::uint32_t next = 0;
  std::uint32_t reserved = 0;
};
static_assert(sizeof(BitmapRecord) == 40);
static_assert(offsetof(BitmapRecord, image) == 24);
static_assert(offsetof(BitmapRecord, next) == 32);

static_assert(std::is_trivially_copyable_v<LineRecord> && std::is_trivially_copyable_v<TextRecord>);

}  // namespace daub
