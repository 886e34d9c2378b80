#include "platform/recording_dc.h"

#include <algorithm>
#include <optional>

namespace daub {

namespace {

DcOp make_op(DcOp::Kind kind, std::vector<IntPoint> points, const DcPen& pen, const DcBrush& brush,
             Colorref color = 0) {
  DcOp op{};
  op.kind = kind;
  op.points = std::move(points);
  op.pen = pen;
  op.brush = brush;
  op.color = color;
  return op;
}

// Each segment starts where the previous move or line left the position; the
// first starts where the position was when recording began.
std::vector<std::pair<IntPoint, IntPoint>> collect_segments(const std::vector<DcOp>& ops,
                                                            IntPoint at,
                                                            std::optional<Colorref> color) {
  std::vector<std::pair<IntPoint, IntPoint>> out;
  for (const DcOp& op : ops) {
    if (op.kind == DcOp::kLineTo && (!color || op.pen.color == *color))
      out.emplace_back(at, op.points[0]);
    if (op.kind == DcOp::kMoveTo || op.kind == DcOp::kLineTo) at = op.points[0];
  }
  return out;
}

}  // namespace

void RecordingDc::move_to(int x, int y) {
  position_ = {x, y};
  ops_.push_back(make_op(DcOp::kMoveTo, {position_}, pen_, brush_));
}

void RecordingDc::line_to(int x, int y) {
  position_ = {x, y};
  ops_.push_back(make_op(DcOp::kLineTo, {position_}, pen_, brush_));
}

void RecordingDc::rectangle(int left, int top, int right, int bottom) {
  ops_.push_back(make_op(DcOp::kRectangle, {{left, top}, {right, bottom}}, pen_, brush_));
}

void RecordingDc::fill_rect(int left, int top, int right, int bottom, Colorref color) {
  ops_.push_back(make_op(DcOp::kFillRect, {{left, top}, {right, bottom}}, pen_, brush_, color));
}

void RecordingDc::polygon(const std::vector<IntPoint>& points) {
  ops_.push_back(make_op(DcOp::kPolygon, points, pen_, brush_));
}

void RecordingDc::set_pixel(int x, int y, Colorref color) {
  ops_.push_back(make_op(DcOp::kSetPixel, {{x, y}}, pen_, brush_, color));
}

void RecordingDc::draw_image(int x, int y, int width, int height, const DcImage& image) {
  DcOp op = make_op(DcOp::kDrawImage, {{x, y}, {width, height}}, pen_, brush_, 0);
  op.image = image;
  ops_.push_back(std::move(op));
}

void RecordingDc::text_out(int x, int y, std::string_view cp932) {
  DcOp op = make_op(DcOp::kTextOut, {{x, y}}, pen_, brush_, text_color_);
  op.text = std::string(cp932);
  op.font = font_;
  ops_.push_back(std::move(op));
}

std::vector<std::pair<IntPoint, IntPoint>> RecordingDc::segments() const {
  return collect_segments(ops_, origin_, std::nullopt);
}

std::vector<std::pair<IntPoint, IntPoint>> RecordingDc::segments_in(Colorref color) const {
  return collect_segments(ops_, origin_, color);
}

int RecordingDc::count(DcOp::Kind kind) const {
  return static_cast<int>(
      std::count_if(ops_.begin(), ops_.end(), [kind](const DcOp& op) { return op.kind == kind; }));
}

}  // namespace daub
