// The brush as plainly as it can be said: every pixel of every dab evaluated,
// every pixel of the canvas blended. The fast forms must match these byte for
// byte; tests and the benchmark compare against them.

#include <algorithm>
#include <cmath>

#include "geometry/angle.h"
#include "paint/brush.h"
#include "paint/brush_internal.h"
#include "render/view.h"

namespace daub {

using namespace brush_detail;

namespace {

int clamp_byte(double v) { return std::clamp(trunc_to_int(v), 0, 255); }

// The lighten curve: coverage a pushes the channel v (0..1) towards 1.
double lighten_curve(double a, double v) {
  return a + (1.0 - a) * (1.0 - std::pow(1.0 - v, 1.0 / (1.0 - a)));
}

}  // namespace

int falloff_value(double r, double width, double blur, double density) {
  return brush_detail::falloff_of_u(2.0 * r / width, blur, density);
}

int brush_detail::falloff_of_u(double u, double blur, double density) {
  const double v = u <= 1.0 ? std::pow(std::cos(u * kPi / 2.0), blur) : 0.0;
  return clamp_byte(v * density * 255.0);
}

int color_channel(double a, int old, int color) { return clamp_byte((1.0 - a) * old + a * color); }

int lighten_channel(double a, int old) {
  if (a <= 1e-10) return old;
  return clamp_byte(lighten_curve(a, old / 255.0) * 255.0);
}

// Darkening is lightening of the inverted channel.
int darken_channel(double a, int old) {
  if (a <= 1e-10) return old;
  return clamp_byte((1.0 - lighten_curve(a, 1.0 - old / 255.0)) * 255.0);
}

void dab_plain(const BrushParams& brush, double cx, double cy, Mask& mask) {
  if (!mask_ok(mask)) return;
  const DabBox box = dab_box(cx, cy, brush.width, mask.w, mask.h);
  for (int y = box.y0; y <= box.y1; ++y) {
    const double dy = centre_offset(y, cy);
    std::uint8_t* row = mask_row(mask, y);
    for (int x = box.x0; x <= box.x1; ++x) {
      const double dx = centre_offset(x, cx);
      const int value =
          falloff_value(std::sqrt(dx * dx + dy * dy), brush.width, brush.blur, brush.density);
      if (value > row[x]) row[x] = static_cast<std::uint8_t>(value);
    }
    widen_span(mask, y, box.x0, box.x1);
  }
}

void blend_mask_plain(CanvasView canvas, const Mask& mask, BlendKind kind, Colorref color) {
  if (!blend_fits(canvas, mask)) return;
  for (int y = 0; y < canvas.h; ++y) {
    for (int x = 0; x < canvas.w; ++x) {
      const int m = mask.bytes[static_cast<std::size_t>(y) * mask.w + x];
      std::uint8_t* px = canvas_pixel(canvas, x, y);
      for (int c = 0; c < 3; ++c)
        px[c] = static_cast<std::uint8_t>(blend_byte(kind, m, px[c], channel_of(color, c)));
    }
  }
}

int rasterise_segment_plain(const App& app, const LineGeometry& seg, const BrushParams& brush,
                            Mask& mask) {
  return lay_segment(app, seg, brush, mask, Form::kPlain);
}

}  // namespace daub
