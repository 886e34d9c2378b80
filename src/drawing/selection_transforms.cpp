#include "drawing/selection_transforms.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "drawing/selection.h"
#include "geometry/angle.h"

namespace daub {
namespace {

DPoint scaled(DPoint p, DPoint c, double sx, double sy) {
  return {c.x + (p.x - c.x) * sx, c.y + (p.y - c.y) * sy};
}

double scaled_angle(double a, double sx, double sy) {
  return std::atan2(std::sin(a), std::cos(a) * sx / sy);
}

DPoint turned(DPoint p, DPoint c, double cos_a, double sin_a) {
  const double dx = p.x - c.x, dy = p.y - c.y;
  return {c.x + dx * cos_a - dy * sin_a, c.y + dx * sin_a + dy * cos_a};
}

DPoint mirrored(DPoint p, DPoint c) { return {2 * c.x - p.x, p.y}; }

double mirrored_angle(double a) { return std::atan2(std::sin(a), -std::cos(a)); }

// An integer size scaled and rounded, never turned into 0 (which a font
// reads as "the default size") and held inside the int range.
std::int32_t scaled_size(std::int32_t v, double s) {
  if (v == 0) return 0;
  double r = std::round(static_cast<double>(v) * s);
  if (r == 0) r = v > 0 ? 1 : -1;
  constexpr double kMax = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::fmax(-kMax, std::fmin(kMax, r)));
}

// Maps both ends of every line item; `angle` maps each end's direction.
template <class MapPoint, class MapAngle>
void map_lines(std::vector<ExtractionItem>& items, MapPoint point, MapAngle angle) {
  for (ExtractionItem& item : items) {
    LineGeometry& g = item.geom;
    const DPoint a = point(DPoint{g.x0, g.y0}), b = point(DPoint{g.x1, g.y1});
    g.x0 = a.x;
    g.y0 = a.y;
    g.x1 = b.x;
    g.y1 = b.y;
    g.a0 = angle(g.a0);
    g.a1 = angle(g.a1);
  }
}

template <class Items, class MapPoint>
void map_anchors(Items& items, MapPoint point) {
  for (auto& item : items) {
    const DPoint p = point(DPoint{item.record.x, item.record.y});
    item.record.x = p.x;
    item.record.y = p.y;
  }
}

}  // namespace

bool sane_ratio(double s) { return s >= 0.01 && s <= 100.0; }

void shift_lines(std::vector<ExtractionItem>& items, double dx, double dy) {
  map_lines(
      items,
      [&](DPoint p) {
        return DPoint{p.x + dx, p.y + dy};
      },
      [](double a) { return a; });
}

void rate_lines(std::vector<ExtractionItem>& items, DPoint c, double sx, double sy) {
  map_lines(
      items, [&](DPoint p) { return scaled(p, c, sx, sy); },
      [&](double a) { return scaled_angle(a, sx, sy); });
}

void rotate_lines(std::vector<ExtractionItem>& items, DPoint c, double angle) {
  const double cos_a = std::cos(angle), sin_a = std::sin(angle);
  map_lines(
      items, [&](DPoint p) { return turned(p, c, cos_a, sin_a); },
      [&](double a) { return normalize_angle(a + angle); });
}

void mirror_lines(std::vector<ExtractionItem>& items, DPoint c) {
  map_lines(
      items, [&](DPoint p) { return mirrored(p, c); }, mirrored_angle);
}

void shift_texts(TextStock& items, double dx, double dy) {
  map_anchors(items, [&](DPoint p) { return DPoint{p.x + dx, p.y + dy}; });
}

void rate_texts(TextStock& items, DPoint c, double sx, double sy) {
  map_anchors(items, [&](DPoint p) { return scaled(p, c, sx, sy); });
  const double s = (sx + sy) / 2;
  for (TextStockItem& item : items) {
    item.record.font.height = scaled_size(item.record.font.height, s);
    item.record.font.width = scaled_size(item.record.font.width, s);
    item.record.column_spacing *= s;
  }
}

void rotate_texts(TextStock& items, DPoint c, double angle) {
  const double cos_a = std::cos(angle), sin_a = std::sin(angle);
  map_anchors(items, [&](DPoint p) { return turned(p, c, cos_a, sin_a); });
  // Escapement runs counter-clockwise on the screen, directions clockwise.
  const double tenths = std::round(angle / kPi * 1800.0);
  if (!std::isfinite(tenths)) return;
  for (TextStockItem& item : items) {
    std::int64_t e =
        item.record.font.escapement - static_cast<std::int64_t>(std::fmod(tenths, 3600));
    if (e < 0 || e > 3600) e = ((e % 3600) + 3600) % 3600;
    item.record.font.escapement = static_cast<std::int32_t>(e);
  }
}

void mirror_texts(TextStock& items, DPoint c) {
  map_anchors(items, [&](DPoint p) { return mirrored(p, c); });
}

void shift_bitmaps(BitmapStock& items, double dx, double dy) {
  map_anchors(items, [&](DPoint p) { return DPoint{p.x + dx, p.y + dy}; });
}

void rate_bitmaps(BitmapStock& items, DPoint c, double sx, double sy) {
  map_anchors(items, [&](DPoint p) { return scaled(p, c, sx, sy); });
  for (BitmapStockItem& item : items) item.record.rate *= (sx + sy) / 2;
}

void rotate_bitmaps(BitmapStock& items, DPoint c, double angle) {
  const double cos_a = std::cos(angle), sin_a = std::sin(angle);
  map_anchors(items, [&](DPoint p) { return turned(p, c, cos_a, sin_a); });
}

void mirror_bitmaps(BitmapStock& items, DPoint c) {
  map_anchors(items, [&](DPoint p) { return mirrored(p, c); });
}

void stockshift_all(App& app, double dx, double dy) {
  shift_lines(app.line_stock, dx, dy);
  for (TextStock& stock : app.text_stocks) shift_texts(stock, dx, dy);
  shift_bitmaps(app.bitmap_stock, dx, dy);
}

int stockrate_all(App& app, DPoint c, double sx, double sy) {
  if (!sane_ratio(sx) || !sane_ratio(sy)) {
    message(app.ui, "stockrate", "縮尺比が非常識です");
    return 0;
  }
  rate_lines(app.line_stock, c, sx, sy);
  for (TextStock& stock : app.text_stocks) rate_texts(stock, c, sx, sy);
  rate_bitmaps(app.bitmap_stock, c, sx, sy);
  return 1;
}

void stockrot_all(App& app, DPoint c, double angle) {
  rotate_lines(app.line_stock, c, angle);
  for (TextStock& stock : app.text_stocks) rotate_texts(stock, c, angle);
  rotate_bitmaps(app.bitmap_stock, c, angle);
}

void stockmirror_all(App& app, DPoint c) {
  mirror_lines(app.line_stock, c);
  for (TextStock& stock : app.text_stocks) mirror_texts(stock, c);
  mirror_bitmaps(app.bitmap_stock, c);
}

}  // namespace daub
