#pragma once
// An off-screen picture for the tests that keeps pixels, fills, 1:1 images
// and lines along the axes (drawn with the pen's width, the end pixel left
// out), which is all a drawing of bitmap elements and straight lines along
// the axes puts on it. It starts white.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/dc.h"

namespace daub::test {

class PixelDc : public BitmapDc {
 public:
  PixelDc(int w, int h) : image_{w, h, std::vector<std::uint32_t>(std::size_t(w) * h, 0xFFFFFF)} {}
  void set_pen(const DcPen& pen) override { pen_ = pen; }
  void set_brush(const DcBrush&) override {}
  DcPen pen() const override { return pen_; }
  DcBrush brush() const override { return {}; }
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
  void polygon(const std::vector<IntPoint>&) override {}
  void fill_rect(int left, int top, int right, int bottom, Colorref color) override {
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) put(x, y, to_rgb(color));
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
  static std::uint32_t to_rgb(Colorref c) {
    return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
  }
  void put(int x, int y, std::uint32_t rgb) {
    if (x >= 0 && y >= 0 && x < image_.width && y < image_.height)
      image_.pixels[std::size_t(y) * image_.width + x] = rgb;
  }
  DcImage image_;
  DcPen pen_;
  IntPoint at_;
};

}  // namespace daub::test
