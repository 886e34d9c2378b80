#include "tracing/convert.h"

#include <optional>

#include "drawing/append.h"
#include "drawing/chain.h"
#include "drawing/layers.h"
#include "drawing/lines.h"
#include "drawing/memory.h"
#include "drawing/regions.h"
#include "geometry/curves.h"
#include "geometry/outline.h"
#include "model/app.h"
#include "tracing/outline_lines.h"
#include "tracing/shadow.h"

namespace daub {
namespace {

const char* caption_of(OutlineShape shape) {
  return shape == OutlineShape::kStraight ? "shadowline" : "shadowcurve";
}

std::vector<LineGeometry> sides_of(const TracingState& t, const std::vector<DPoint>& points,
                                   OutlineShape shape, double scale) {
  if (shape == OutlineShape::kStraight) return straight_sides(points);
  return rounded_sides(points, RoundingParams{t.max_round_turn, t.rounding_size, scale});
}

// How many lines and regions the layer holds; the conversion counts on.
struct LayerCounts {
  std::uint64_t lines = 0, regions = 0;
};

// The sides as a chain of extraction items in outline order, item k naming
// side k (k + 1), or none when they do not pass the curve check or do not
// close (neither happens to sides made from a shadow).
std::optional<std::vector<ExtractionItem>> chained(const std::vector<LineGeometry>& sides) {
  std::vector<ExtractionItem> items(sides.size());
  for (std::size_t k = 0; k < sides.size(); ++k) {
    if (check_curve(sides[k]) != CurveVerdict::kOk) return std::nullopt;
    items[k] = {sides[k], static_cast<std::int32_t>(k + 1), 1};
  }
  PointDir out;
  if (chain_outline(items, out, ChainEnds::kClosed) != OutlineVerdict::kClosed) return std::nullopt;
  return items;
}

// Room for n more lines and one region with n entries; false after the message.
bool room_for(App& app, const LayerCounts& counts, std::size_t n, const char* caption) {
  if (counts.lines + n > kMaxChainLength || counts.regions + 1 > kMaxChainLength ||
      n > static_cast<std::size_t>(kMaxRegionEntries)) {
    message(app.ui, caption, kChainFullMessage);
    return false;
  }
  const std::uint64_t bytes =
      n * (sizeof(LineRecord) + sizeof(BoundaryEntry)) + sizeof(RegionRecord);
  return memck(app, bytes) != 0;
}

// Appends the sides with the current line pen and their region with the
// current fill in `color`; false when anything was refused.
bool make_outline(App& app, LayerAppender& layer, const std::vector<LineGeometry>& sides,
                  const std::vector<ExtractionItem>& items, Colorref color, const char* caption) {
  std::vector<int> numbers(sides.size());
  LineRecord line;
  line.pen = app.settings.line_pen;
  for (std::size_t k = 0; k < sides.size(); ++k) {
    line.geom = sides[k];
    numbers[k] = layer.append(ChainKind::kLines, line, nullptr, 0, caption);
    if (numbers[k] == 0) return false;
    app.in.nowline = line;
    app.in.nowlinevalid = numbers[k];
  }
  std::vector<BoundaryEntry> entries;
  entries.reserve(items.size());
  for (const ExtractionItem& item : items)
    entries.push_back({numbers[item.line - 1], item.direction});
  RegionRecord region;
  region.param = app.settings.fill;
  region.param.color = color;
  region.param.hatch_pen.color = color;
  region.count = static_cast<std::int32_t>(entries.size());
  return layer.append(ChainKind::kRegions, region, entries.data(),
                      static_cast<std::uint32_t>(entries.size() * sizeof(BoundaryEntry)),
                      caption) != 0;
}

}  // namespace

int convert_shadow(App& app, const std::vector<std::uint8_t>& block, ShadowPlace place,
                   OutlineShape shape, int layer) {
  const char* caption = caption_of(shape);
  if (existing_layer(app, layer, caption) == 0) return 0;
  const std::optional<Shadow> shadow = read_shadow(block);
  if (!shadow) return 0;
  LayerCounts counts{static_cast<std::uint64_t>(totalskl(app, layer)),
                     static_cast<std::uint64_t>(region_total(app.drawing, layer))};
  LayerAppender appender(app, layer);
  int made = 0;
  for (std::size_t i = 0; i < shadow->outlines.size(); ++i) {
    const OutlineRecord& r = shadow->outlines[i];
    const std::vector<DPoint> points =
        outline_world_points(outline_points(*shadow, i), r.count, place);
    if (points.size() < 2) continue;  // nothing to enclose
    const std::vector<LineGeometry> sides = sides_of(app.tracing, points, shape, place.scale);
    const std::optional<std::vector<ExtractionItem>> items = chained(sides);
    if (!items) continue;
    if (!room_for(app, counts, sides.size(), caption)) break;
    if (!make_outline(app, appender, sides, *items, r.color, caption)) break;
    counts.lines += sides.size();
    counts.regions += 1;
    ++made;
  }
  return made;
}

}  // namespace daub
