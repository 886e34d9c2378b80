#pragma once
// A GDI-style device context: integer device coordinates, one selected pen and
// brush, current position, no antialiasing. The core draws only through this.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "platform/log_font.h"

namespace daub {

using Colorref = std::uint32_t;

struct IntPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

// GDI pen styles used by the painters. A style word from a file that is none
// of these is passed on as it is; the device draws it solid.
enum PenStyle : int { kPenSolid = 0, kPenDash = 1, kPenNull = 5 };

struct DcPen {
  int style = kPenSolid;
  int width = 1;  // device pixels; 0 means one pixel, as in GDI
  Colorref color = 0;
  friend bool operator==(const DcPen&, const DcPen&) = default;
};

enum class BrushKind { kSolid, kNull };

struct DcBrush {
  BrushKind kind = BrushKind::kSolid;
  Colorref color = 0xFFFFFF;
  friend bool operator==(const DcBrush&, const DcBrush&) = default;
};

// A picture in device form: top-down rows of 0x00RRGGBB pixels.
struct DcImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height entries
};

// Makes row `row` (0 at the top) of a picture: its pixels, 0x00RRGGBB.
using RowMaker = std::function<void(int row, std::uint32_t* out)>;

// The metrics of the selected font, device units (GetTextMetrics).
struct TextMetrics {
  int height = 0;  // ascent + descent: the cell height
  int ascent = 0;
  int external_leading = 0;
  int ave_char_width = 0;
};

// The extent of a piece of text, device units (GetTextExtentPoint).
struct TextExtent {
  int cx = 0;
  int cy = 0;
};

class Dc {
 public:
  virtual ~Dc() = default;

  virtual void set_pen(const DcPen& pen) = 0;
  virtual void set_brush(const DcBrush& brush) = 0;
  virtual DcPen pen() const = 0;
  virtual DcBrush brush() const = 0;

  virtual void move_to(int x, int y) = 0;
  // Draws from the current position to (x, y), leaving out the end pixel as
  // GDI does, and makes (x, y) the current position.
  virtual void line_to(int x, int y) = 0;
  // GDI Rectangle: outline with the pen, inside filled with the brush; the
  // right and bottom edges are exclusive.
  virtual void rectangle(int left, int top, int right, int bottom) = 0;
  // Fills [left, right) x [top, bottom) with a colour (PatBlt / FillRect).
  virtual void fill_rect(int left, int top, int right, int bottom, Colorref color) = 0;
  // Alternate-fill polygon outlined with the pen and filled with the brush.
  virtual void polygon(const std::vector<IntPoint>& points) = 0;
  virtual void set_pixel(int x, int y, Colorref color) = 0;
  virtual Colorref get_pixel(int x, int y) const = 0;
  // Puts the picture with its top-left at (x, y), stretched to width x height
  // by taking the nearest source pixel (SetDIBitsToDevice when the sizes
  // match, StretchDIBits otherwise).
  virtual void draw_image(int x, int y, int width, int height, const DcImage& image) = 0;
  // Puts a width x height picture with its top-left at (x, y), 1:1, its rows
  // made on demand: what draw_image of the picture they make puts. A device
  // that can take the rows where they belong needs no picture in between,
  // and may leave rows it would not show unmade.
  virtual void draw_rows(int x, int y, int width, int height, const RowMaker& rows) {
    if (width <= 0 || height <= 0) return;
    DcImage image{width, height, {}};
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row)
      rows(row, image.pixels.data() + static_cast<std::size_t>(row) * width);
    draw_image(x, y, width, height, image);
  }

  // Text. The selected font is a LOGFONT with its height and width in
  // device units; text is code page 932 bytes drawn with a transparent
  // background, its cell's top-left corner at (x, y), along the font's
  // escapement. A device without fonts of its own has fixed metrics: the
  // character height h is |height| (16 for 0), the average width |width| or
  // h / 2, a single byte that many wide and a double byte twice that, a
  // control character (below 0x20) no width; it draws nothing.
  virtual void select_font(const LogFont& font) { font_ = font; }
  const LogFont& font() const { return font_; }
  virtual TextMetrics text_metrics() const;
  virtual TextExtent text_extent(std::string_view cp932) const;
  virtual void set_text_color(Colorref color) { text_color_ = color; }
  Colorref text_color() const { return text_color_; }
  virtual void text_out(int, int, std::string_view) {}

 protected:
  LogFont font_;
  Colorref text_color_ = 0;
};

// A device context on an off-screen picture whose pixels can be read back.
class BitmapDc : public Dc {
 public:
  virtual DcImage image() const = 0;
};

// Keeps a pen and brush selected for the life of a painter and puts back what
// was selected before, the way a GDI painter restores its device context.
class DcSelection {
 public:
  explicit DcSelection(Dc& dc) : dc_(dc), pen_(dc.pen()), brush_(dc.brush()) {}
  ~DcSelection() {
    dc_.set_pen(pen_);
    dc_.set_brush(brush_);
  }
  DcSelection(const DcSelection&) = delete;
  DcSelection& operator=(const DcSelection&) = delete;

 private:
  Dc& dc_;
  DcPen pen_;
  DcBrush brush_;
};

}  // namespace daub
