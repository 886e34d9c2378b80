#pragma once
// An off-screen picture for tests that keeps what the core puts on it pixel
// by pixel: fills, pixels and 1:1 images exactly, lines along the axes (drawn
// with the pen's width, the end pixel left out), and a polygon as its
// bounding box in the brush colour (enough for axis-parallel outlines). It
// starts white and remembers every polygon when asked to.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/dc.h"

namespace daub::test {

class PixelDc : public BitmapDc {
 public:
  PixelDc(int w, int h, std::vector<std::vector<IntPoint>>* polygons = nullptr)
      : image_{w, h, std::vector<std::uint32_t>(std::size_t(w) * h, 0xFFFFFF)},
        polygons_(polygons) {}
  void set_pen(const DcPen& pen) override { pen_ = pen; }
  void set_brush(const DcBrush& brush) override { brush_ = brush; }
  DcPen pen() const override { return pen_; }
  DcBrush brush() const override { return brush_; }
  void move_to(int x, int y) override { at_ = {x, y}; }
  // A line along an axis covers pen-width pixels across it, centred on it.
  void line_to(int x, int y) override {
    const int lo = -(std::max(pen_.width, 1) - 1) / 2, hi = lo + std::max(pen_.width, 1);
    if (y == at_.y)
      for (int c = std::min(at_.x, x); c < std::max(at_.x, x); ++c)
        for (int d = lo; d < hi; ++d) put(at_.x < x ? c : c + 1, y + d, to_rgb(pen_.color));
    if (x == at_.x)
      for (int r = std::min(at_.y, y); r < std::max(at_.y, y); ++r)
        for (int d = lo; d < hi; ++d) put(x + d, at_.y < y ? r : r + 1, to_rgb(pen_.color));
    at_ = {x, y};
  }
  void rectangle(int, int, int, int) override {}
  void polygon(const std::vector<IntPoint>& points) override {
    if (polygons_) polygons_->push_back(points);
    if (points.empty()) return;
    int l = points[0].x, t = points[0].y, r = l, b = t;
    for (IntPoint p : points) {
      l = std::min(l, p.x), r = std::max(r, p.x), t = std::min(t, p.y), b = std::max(b, p.y);
    }
    fill_rect(l, t, r, b, brush_.color);
  }
  void fill_rect(int left, int top, int right, int bottom, Colorref color) override {
    for (int y = std::max(top, 0); y < std::min(bottom, image_.height); ++y)
      for (int x = std::max(left, 0); x < std::min(right, image_.width); ++x)
        put(x, y, to_rgb(color));
  }
  void set_pixel(int x, int y, Colorref color) override { put(x, y, to_rgb(color)); }
  Colorref get_pixel(int, int) const override { return 0; }
  void draw_image(int x, int y, int, int, const DcImage& image) override {
    for (int r = 0; r < image.height; ++r)
      for (int c = 0; c < image.width; ++c)
        put(x + c, y + r, image.pixels[std::size_t(r) * image.width + c]);
  }
  DcImage image() const override { return image_; }

 private:
  // Colorref 0x00BBGGRR to the picture's 0x00RRGGBB.
  static std::uint32_t to_rgb(Colorref c) {
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  }
  void put(int x, int y, std::uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < image_.width && y < image_.height)
      image_.pixels[std::size_t(y) * image_.width + x] = rgb;
  }
  DcImage image_;
  DcPen pen_;
  DcBrush brush_;
  IntPoint at_;
  std::vector<std::vector<IntPoint>>* polygons_;
};

}  // namespace daub::test
