// A closed outline of segments filled as a mask: the polygon is filled white
// on black off screen, at the canvas size or, for soft edges, at twice the
// size and averaged back over 2 × 2 blocks.

#include <algorithm>
#include <climits>

#include "geometry/curves.h"
#include "paint/stroke.h"
#include "render/view.h"

namespace daub {

std::vector<IntPoint> outline_polygon(const App& app, const SegmentBuffer& ordered,
                                      DPoint canvas_pos, int scale) {
  std::vector<IntPoint> polygon;
  auto add = [&](double x, double y) {
    polygon.push_back(
        {trunc_to_int((x - canvas_pos.x) * scale), trunc_to_int((y - canvas_pos.y) * scale)});
  };
  if (ordered.empty()) return polygon;
  add(ordered.front().geom.x0, ordered.front().geom.y0);
  for (const ExtractionItem& item : ordered) {
    const LineGeometry& g = item.geom;
    if (g.kind != kShapeCurve) {
      add(g.x1, g.y1);
      continue;
    }
    const CurvePoints points = curve_points(g);
    for (int k = 1; k < kCurvePointCount; ++k) add(points[k].x, points[k].y);
  }
  return polygon;
}

Mask outline_mask(const DcImage& picture, int w, int h, OutlineFill fill) {
  const int scale = fill == OutlineFill::kPlain ? 1 : 2;
  Mask mask = make_mask(w, h);
  if (mask.w == 0 || picture.width != w * scale || picture.height != h * scale ||
      picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height)
    return Mask{};
  auto red = [&](int x, int y) {
    return static_cast<int>(
        (picture.pixels[static_cast<std::size_t>(y) * picture.width + x] >> 16) & 255u);
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int v = red(x * scale, y * scale);
      if (scale == 2) {
        v = (v + red(2 * x + 1, 2 * y) + red(2 * x, 2 * y + 1) + red(2 * x + 1, 2 * y + 1)) / 4;
      }
      mask.bytes[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(std::min(v, 255));
    }
  }
  mask.spans.clear();  // written everywhere: every pixel is blended
  return mask;
}

int paint_outline(App& app, const SegmentBuffer& ordered, CanvasView canvas, DPoint canvas_pos,
                  BlendKind kind, OutlineFill fill) {
  const int scale = fill == OutlineFill::kPlain ? 1 : 2;
  if (ordered.empty() || canvas.bits == nullptr || canvas.w <= 0 || canvas.h <= 0 ||
      canvas.w > INT_MAX / scale || canvas.h > INT_MAX / scale)
    return 0;
  auto dc = app.ui.create_bitmap_dc(canvas.w * scale, canvas.h * scale);
  if (!dc) return 0;
  app.ui.set_busy(true);
  dc->fill_rect(0, 0, canvas.w * scale, canvas.h * scale, 0x000000);
  dc->set_pen(DcPen{kPenSolid, 1, 0xFFFFFF});
  dc->set_brush(DcBrush{BrushKind::kSolid, 0xFFFFFF});
  dc->polygon(outline_polygon(app, ordered, canvas_pos, scale));
  const Mask mask = outline_mask(dc->image(), canvas.w, canvas.h, fill);
  blend_mask(canvas, mask, kind, app.settings.color);
  app.ui.set_busy(false);
  return mask.w == 0 ? 0 : 1;
}

}  // namespace daub
