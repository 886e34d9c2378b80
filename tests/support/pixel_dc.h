#pragma once
// An off-screen picture for tests that keeps what the core puts on it
// pixel by pixel: fills, pixels and 1:1 images exactly, and a polygon as its
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
  void move_to(int, int) override {}
  void line_to(int, int) override {}
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
      for (int x = std::max(left, 0); x < std::min(right, image_.width); ++x) put(x, y, color);
  }
  void set_pixel(int x, int y, Colorref color) override {
    if (x >= 0 && y >= 0 && x < image_.width && y < image_.height) put(x, y, color);
  }
  Colorref get_pixel(int, int) const override { return 0; }
  void draw_image(int x, int y, int, int, const DcImage& image) override {
    for (int r = 0; r < image.height; ++r)
      for (int c = 0; c < image.width; ++c) {
        const int px = x + c, py = y + r;
        if (px >= 0 && py >= 0 && px < image_.width && py < image_.height)
          image_.pixels[std::size_t(py) * image_.width + px] =
              image.pixels[std::size_t(r) * image.width + c];
      }
  }
  DcImage image() const override { return image_; }

 private:
  // Colorref 0x00BBGGRR to the picture's 0x00RRGGBB.
  void put(int x, int y, Colorref c) {
    image_.pixels[std::size_t(y) * image_.width + x] =
        (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  }
  DcImage image_;
  DcPen pen_;
  DcBrush brush_;
  std::vector<std::vector<IntPoint>>* polygons_;
};

}  // namespace daub::test
