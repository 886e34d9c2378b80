#pragma once
// A Dc that records every primitive, so a painter's output can be checked exactly.

#include <string>
#include <vector>

#include "platform/dc.h"

namespace daub {

struct DcOp {
  enum Kind {
    kMoveTo,
    kLineTo,
    kRectangle,
    kFillRect,
    kPolygon,
    kSetPixel,
    kDrawImage,
    kTextOut
  } kind;
  std::vector<IntPoint> points;  // MoveTo/LineTo/SetPixel: one; rectangles: two corners
  DcPen pen;                     // the pen selected when the primitive was drawn
  DcBrush brush;
  Colorref color = 0;  // fill_rect and set_pixel; text_out: the text colour
  DcImage image;       // draw_image: the picture; points hold the corner and the size
  std::string text;    // text_out: the bytes; points hold the position
  LogFont font;        // text_out: the font selected
};

class RecordingDc : public Dc {
 public:
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
  Colorref get_pixel(int, int) const override { return 0xFFFFFF; }
  void draw_image(int x, int y, int width, int height, const DcImage& image) override;
  // Records the text with the fixed metrics of a device without fonts.
  void text_out(int x, int y, std::string_view cp932) override;

  const std::vector<DcOp>& ops() const { return ops_; }
  // Forgets the primitives; the current position stays where it is.
  void clear() {
    ops_.clear();
    origin_ = position_;
  }
  // Line segments drawn, as (from, to) pairs, optionally only in one colour.
  std::vector<std::pair<IntPoint, IntPoint>> segments() const;
  std::vector<std::pair<IntPoint, IntPoint>> segments_in(Colorref color) const;
  int count(DcOp::Kind kind) const;

 private:
  DcPen pen_;
  DcBrush brush_;
  IntPoint position_;
  IntPoint origin_;  // the position when the first recorded primitive was drawn
  std::vector<DcOp> ops_;
};

}  // namespace daub
