#include "drawing/regions.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "drawing/append.h"
#include "drawing/chain.h"
#include "drawing/layers.h"
#include "drawing/lines.h"
#include "geometry/hatching.h"
#include "model/app.h"

namespace daub {
namespace {

constexpr ChainKind kRegions = ChainKind::kRegions;
constexpr ChainShape kShape = chain_shape(kRegions);

BoundaryEntry entry_of(const Block& block, const RegionRecord& region, int i) {
  return block.get<BoundaryEntry>(std::uint64_t{region.entries} +
                                  std::uint64_t{sizeof(BoundaryEntry)} * static_cast<unsigned>(i));
}

// The entries a walk may read: a damaged count is held to what a region can have.
int entry_count(const RegionRecord& region) {
  return std::clamp(region.count, 0, kMaxRegionEntries);
}

// Whether a boundary entry names a line of the table.
bool names_line(const BoundaryEntry& e, const std::vector<LineGeometry>& table) {
  return e.line >= 1 && static_cast<std::size_t>(e.line) <= table.size();
}

// Appends the record and its entries, refusing more entries than a drawing can hold.
int append_region(App& app, RegionRecord record, const std::vector<BoundaryEntry>& entries,
                  int layer, const char* caption) {
  if (entries.size() > static_cast<std::size_t>(kMaxRegionEntries)) {
    message(app.ui, "memck", "メモリー不足、データをセーブしてください");
    return 0;
  }
  record.count = static_cast<std::int32_t>(entries.size());
  record.reserved = 0;
  return append_element(app, layer, kRegions, record, entries.data(),
                        static_cast<std::uint32_t>(entries.size() * sizeof(BoundaryEntry)),
                        caption);
}

// The slot of the last link of the layer's region chain.
std::uint64_t chain_end_slot(const Block& block, std::uint32_t layer_at) {
  std::uint64_t slot = std::uint64_t{layer_at} + kShape.head_field;
  const std::uint64_t bound = walk_bound(block, kShape.record_size);
  for (std::uint64_t i = 0; i < bound; ++i) {
    const std::uint32_t at = block.get<std::uint32_t>(slot);
    if (at == 0) break;
    slot = std::uint64_t{at} + kShape.link_field;
  }
  return slot;
}

// Takes the region that `slot` points at out of the chain; returns its offset.
std::uint32_t unlink_region(Block& block, std::uint64_t slot) {
  const std::uint32_t at = block.get<std::uint32_t>(slot);
  block.put<std::uint32_t>(slot, chain_next(block, at, kRegions));
  block.put<std::uint32_t>(std::uint64_t{at} + kShape.link_field, 0);
  return at;
}

// Writes part of the current settings into region n; returns n, or 0 after the message.
template <class Change>
int change_region(App& app, int n, int layer, const char* caption, Change change) {
  const std::uint32_t at = find_element(app, n, layer, kRegions, caption);
  if (at == 0) return 0;
  RegionRecord region = app.drawing.get<RegionRecord>(at);
  change(region.param, app.settings);
  app.drawing.put(at, region);
  return n;
}

}  // namespace

int order_outline(App& app, std::vector<ExtractionItem>& items, PointDir& out, ChainEnds ends) {
  switch (chain_outline(items, out, ends)) {
    case OutlineVerdict::kClosed:
      return 1;
    case OutlineVerdict::kOpen:
      return 2;
    case OutlineVerdict::kEmpty:
      message(app.ui, "rgnsort", "抽出線はありません");
      return 0;
    case OutlineVerdict::kNotClosed:
      break;
  }
  message(app.ui, "rgnsort", "データが閉じていません");
  return 0;
}

int rgnsort(App& app, PointDir& out, ChainEnds ends) {
  return order_outline(app, app.line_stock, out, ends);
}

void add_stock_line(App& app, const ExtractionItem& item) { app.line_stock.push_back(item); }

void add_stock_line_front(App& app, const ExtractionItem& item) {
  app.line_stock.insert(app.line_stock.begin(), item);
}

void toggle_stock_line(App& app, const ExtractionItem& item) {
  auto& stock = app.line_stock;
  auto held = std::find_if(stock.begin(), stock.end(),
                           [&](const ExtractionItem& s) { return s.line == item.line; });
  if (held != stock.end())
    stock.erase(held);
  else
    stock.push_back(item);
}

int pick_stock_line(App& app, DPoint click, int layer) {
  LineRecord line;
  const int n = pickline(app, click, line, layer);
  if (n == 0) return 0;
  const bool on_b =
      std::fabs(click.x - line.geom.x1) < 1e-10 && std::fabs(click.y - line.geom.y1) < 1e-10;
  toggle_stock_line(app, {line.geom, n, on_b ? 1 : -1});
  return n;
}

std::vector<LineGeometry> line_table(const Block& block, std::uint32_t layer_at) {
  std::vector<LineGeometry> table;
  for_each_in_chain(block, layer_at, ChainKind::kLines, [&](int, std::uint32_t at) {
    table.push_back(block.get<LineRecord>(at).geom);
  });
  return table;
}

void region_outline(const Block& block, std::uint32_t region_at,
                    const std::vector<LineGeometry>& table, std::vector<DPoint>& out) {
  out.clear();
  const RegionRecord region = block.get<RegionRecord>(region_at);
  const int count = entry_count(region);
  for (int i = 0; i < count; ++i) {
    const BoundaryEntry e = entry_of(block, region, i);
    if (!names_line(e, table)) continue;
    const ExtractionItem item{table[static_cast<std::size_t>(e.line) - 1], e.line, e.direction};
    append_edge_points(walked_geometry(item), out);
  }
}

int setrgn(App& app, const RegionParam& param, int& number, int layer) {
  if (rgnsort(app, app.in.nowpoint) != 1) {
    // An empty list has no break to show.
    if (!app.line_stock.empty()) app.in.nowpointvalid = 1;
    return 0;
  }
  std::vector<BoundaryEntry> entries;
  for (const ExtractionItem& item : app.line_stock) entries.push_back({item.line, item.direction});
  RegionRecord record;
  record.param = param;
  const int n = append_region(app, record, entries, layer, "setrgn");
  if (n != 0) number = n;
  return n;
}

int setaltrgn(App& app, const RegionRecord& record, const std::vector<BoundaryEntry>& entries,
              int layer) {
  return append_region(app, record, entries, layer, "setaltrgn");
}

int getrgn(App& app, int n, RegionRecord& out, int layer) {
  const std::uint32_t at = find_element(app, n, layer, kRegions, "getrgn");
  if (at == 0) return 0;
  out = app.drawing.get<RegionRecord>(at);
  return n;
}

int rgnnow(App& app, int n, int layer) {
  return change_region(app, n, layer, "rgnnow",
                       [](RegionParam& r, const Settings& s) { r = s.fill; });
}

int delpolygon(App& app, int n, int layer) {
  const std::uint64_t slot = find_element_slot(app, n, layer, kRegions, "delpolygon");
  if (slot == 0) return 0;
  unlink_region(app.drawing, slot);
  return n;
}

int rgnswaplast(App& app, int n, int layer) {
  const std::uint64_t slot = find_element_slot(app, n, layer, kRegions, "rgnswaplast");
  if (slot == 0) return 0;
  Block& block = app.drawing;
  if (chain_next(block, block.get<std::uint32_t>(slot), kRegions) == 0) return 1;
  const std::uint32_t at = unlink_region(block, slot);
  block.put<std::uint32_t>(chain_end_slot(block, layer_offset(block, layer)), at);
  return 1;
}

int rgnswaptop(App& app, int n, int layer) {
  const std::uint64_t slot = find_element_slot(app, n, layer, kRegions, "rgnswaptop");
  if (slot == 0) return 0;
  if (n == 1) return 1;
  Block& block = app.drawing;
  const std::uint64_t head = std::uint64_t{layer_offset(block, layer)} + kShape.head_field;
  const std::uint32_t at = unlink_region(block, slot);
  block.put<std::uint32_t>(std::uint64_t{at} + kShape.link_field, block.get<std::uint32_t>(head));
  block.put<std::uint32_t>(head, at);
  return 1;
}

int polygonnum(App& app, DPoint p, int layer) {
  const std::uint32_t layer_at = layer_with_chain(app, layer, kRegions, "polygonnum");
  if (layer_at == 0) return 0;
  const Block& block = app.drawing;
  const std::vector<LineGeometry> table = line_table(block, layer_at);
  std::vector<DPoint> outline;
  int found = 0;
  std::uint32_t found_at = 0;
  for_each_in_chain(block, layer_at, kRegions, [&](int n, std::uint32_t at) {
    region_outline(block, at, table, outline);
    if (outline_contains(outline, p)) found = n, found_at = at;
  });
  if (found == 0) {
    message(app.ui, "polygonnum", "指定された場所にポリゴンはありません");
    return 0;
  }
  std::vector<ExtractionItem> stock;
  const RegionRecord region = block.get<RegionRecord>(found_at);
  for (int i = 0; i < entry_count(region); ++i) {
    const BoundaryEntry e = entry_of(block, region, i);
    if (names_line(e, table))
      stock.push_back({table[static_cast<std::size_t>(e.line) - 1], e.line, e.direction});
  }
  app.line_stock = std::move(stock);
  return found;
}

int region_total(const Block& block, int layer) {
  const std::uint32_t layer_at = layer_offset(block, layer);
  int total = 0;
  if (layer_at != 0)
    for_each_in_chain(block, layer_at, kRegions, [&](int n, std::uint32_t) { total = n; });
  return total;
}

int rgnnowbrstyle(App& app, int n, int layer) {
  return change_region(app, n, layer, "rgnnowbrstyle",
                       [](RegionParam& r, const Settings& s) { r.brush_style = s.brush_style; });
}

int rgnnowhatchparam(App& app, int n, int layer) {
  return change_region(app, n, layer, "rgnnowhatchparam", [](RegionParam& r, const Settings& s) {
    r.hatch_type = s.hatch_type;
    r.hatch_width = s.hatch_width;
    r.hatch_angle = s.hatch_angle;
  });
}

int rgnnowhatchpen(App& app, int n, int layer) {
  return change_region(app, n, layer, "rgnnowhatchpen", [](RegionParam& r, const Settings& s) {
    const PenRecord pen = current_pen(s);
    r.hatch_pen.style = pen.style;
    r.hatch_pen.width = pen.width;
    r.hatch_pen.dot_length = pen.dot_length;
    r.hatch_pen.start_length = pen.start_length;
    r.hatch_pen.bit_count = pen.bit_count;
    r.hatch_pen.bits = pen.bits;
  });
}

int rgnnowcolor(App& app, int n, int layer) {
  return change_region(app, n, layer, "rgnnowcolor", [](RegionParam& r, const Settings& s) {
    r.color = s.color;
    r.hatch_pen.color = s.color;
  });
}

}  // namespace daub
