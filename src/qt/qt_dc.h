#pragma once
// The Dc over a QPainter: GDI's pixel rules on any paint device (a QImage for
// the off-screen picture and the pixel tests, a printer for paper). Never
// antialiased: every pixel is either the pen's, the brush's or untouched.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <memory>
#include <optional>
#include <vector>

#include "platform/dc.h"

namespace daub {

// A COLORREF is 0x00BBGGRR: red in the low byte.
QColor to_qcolor(Colorref c);
Colorref to_colorref(QRgb rgb);

// GetPixel's answer for a pixel that cannot be read.
constexpr Colorref kInvalidColor = 0xFFFFFFFF;

// How a QtDc on an image puts one-pixel lines and 1:1 pictures there. kFast
// writes them straight into the image's rows whenever that gives exactly the
// bytes QPainter would write (an image of 32-bit pixels, no transform, no
// clip, plain painting); kPlain always paints through QPainter, and is the
// reference the fast form is tested against.
enum class PixelPath { kFast, kPlain };

struct QtFontEntry;

class QtDc : public BitmapDc {
 public:
  // Paints on the image; get_pixel reads it back.
  explicit QtDc(QImage& image, PixelPath path = PixelPath::kFast);
  // Paints on any device (a printer, a widget); get_pixel answers kInvalidColor.
  explicit QtDc(QPaintDevice& device);
  // Paints through a painter somebody else began and ends (a print job).
  explicit QtDc(QPainter& painter);
  ~QtDc() override;
  QtDc(const QtDc&) = delete;
  QtDc& operator=(const QtDc&) = delete;

  void set_pen(const DcPen& pen) override { pen_ = pen; }
  void set_brush(const DcBrush& brush) override { brush_ = brush; }
  DcPen pen() const override { return pen_; }
  DcBrush brush() const override { return brush_; }

  void move_to(int x, int y) override;
  void line_to(int x, int y) override;
  void rectangle(int left, int top, int right, int bottom) override;
  void fill_rect(int left, int top, int right, int bottom, Colorref color) override;
  void polygon(const std::vector<IntPoint>& points) override;
  void set_pixel(int x, int y, Colorref color) override;
  Colorref get_pixel(int x, int y) const override;
  void draw_image(int x, int y, int width, int height, const DcImage& image) override;
  void draw_rows(int x, int y, int width, int height, const RowMaker& rows) override;
  // The pixels of the image it paints on (empty on other devices).
  DcImage image() const override;

  // Text through the fonts of qt_fonts.h. Fonts and the widths of their
  // characters are kept between paints (a font is made once per LOGFONT,
  // a width measured once per character), so a repaint costs the drawing.
  // A vertical face ("@") set along its escapement stands full-width
  // characters upright in their vertical forms and lays half-width ones
  // along the line.
  void select_font(const LogFont& font) override;
  TextMetrics text_metrics() const override;
  TextExtent text_extent(std::string_view cp932) const override;
  void text_out(int x, int y, std::string_view cp932) override;

  QPainter& painter() { return *painter_; }

 private:
  // The image's rows, when pixels may be written there directly.
  struct Rows {
    std::uint32_t* bits = nullptr;
    std::ptrdiff_t stride = 0;  // in pixels
    int width = 0, height = 0;
    std::uint32_t opaque = 0;  // or-ed into a picture's pixels (none on RGB32)
  };

  void prepare_painter();
  const QtFontEntry& font_entry() const;
  void draw_char(const QtFontEntry& f, double x, double y, double along, std::string_view bytes);

  void stroke(IntPoint from, IntPoint to);
  void thin_line(IntPoint a, IntPoint b);
  QRect visible_rect() const;
  std::optional<Rows> direct_rows();
  // Selects the pen for Qt's own stroking; the QPen is made once per pen.
  void use_pen(const DcPen& pen);

  std::unique_ptr<QPainter> owned_;
  QPainter* painter_ = nullptr;
  QImage* image_ = nullptr;
  PixelPath path_ = PixelPath::kPlain;
  DcPen qpen_for_;  // the pen qpen_ was made for
  QPen qpen_;
  bool qpen_made_ = false;
  std::vector<QPoint> points_;      // a one-pixel line's pixels, for Qt
  std::vector<std::uint32_t> row_;  // a picture row that is partly off the image
  DcPen pen_;
  DcBrush brush_;
  IntPoint position_;
  mutable std::shared_ptr<const QtFontEntry> font_entry_;
  const QtFontEntry* painter_font_ = nullptr;  // the font the painter holds
};

struct QtBitmapStorage {
  QImage storage;
};

// An off-screen picture filled white, with the Dc that paints on it.
class QtBitmapDc : private QtBitmapStorage, public QtDc {
 public:
  QtBitmapDc(int width, int height);
  bool valid() const { return !storage.isNull(); }

 private:
  static QImage white_image(int width, int height);
};

// A white off-screen picture, or null when the size is not positive or the
// memory cannot be had.
std::unique_ptr<BitmapDc> make_bitmap_dc(int width, int height);

}  // namespace daub
