#include "drawing/lines.h"

#include <algorithm>

#include "drawing/append.h"
#include "drawing/chain.h"
#include "drawing/curve_checks.h"
#include "drawing/layers.h"
#include "drawing/lines_internal.h"
#include "drawing/memory.h"
#include "geometry/angle.h"

namespace daub {
namespace lines_detail {
namespace {

constexpr ChainShape kLineShape = chain_shape(ChainKind::kLines);

std::uint64_t line_slot(const Block& block, std::uint32_t layer_at, int n) {
  return element_slot(block, layer_at, ChainKind::kLines, n);
}

}  // namespace

std::uint32_t find_line(App& app, int n, int layer, const char* caption) {
  return find_element(app, n, layer, ChainKind::kLines, caption);
}

std::vector<LineRecord> layer_lines(const Block& block, std::uint32_t layer_at) {
  std::vector<LineRecord> lines;
  const std::uint64_t bound = walk_bound(block, kLineShape.record_size);
  for (std::uint32_t at = chain_head(block, layer_at, ChainKind::kLines);
       at != 0 && lines.size() < bound; at = chain_next(block, at, ChainKind::kLines))
    lines.push_back(block.get<LineRecord>(at));
  return lines;
}

bool room_for_lines(App& app, int existing, int added) {
  if (static_cast<std::uint64_t>(existing) + added > kMaxChainLength) {
    message(app.ui, "memck", "メモリー不足、データをセーブしてください");
    return false;
  }
  return memck(app, std::uint64_t{sizeof(LineRecord)} * added) != 0;
}

namespace {

// Renumbers the boundary entries of the region at `at` for the deletion of
// line n; true when one of them named n (the region has lost a side).
bool repair_entries(Block& block, std::uint32_t at, int n) {
  const RegionRecord region = block.get<RegionRecord>(at);
  const int count = std::clamp(region.count, 0, kMaxRegionEntries);
  bool lost_side = false;
  for (int i = 0; i < count; ++i) {
    const std::uint64_t e =
        std::uint64_t{region.entries} + std::uint64_t{sizeof(BoundaryEntry)} * i;
    BoundaryEntry entry = block.get<BoundaryEntry>(e);
    if (entry.line == n) {
      entry.line = 0;
      lost_side = true;
    } else if (entry.line > n) {
      --entry.line;
    }
    block.put(e, entry);
  }
  return lost_side;
}

// Applies the deletion of line n to every region of the layer: a region that
// used the line is unlinked, the others keep their sides under the new numbers.
void repair_regions(Block& block, std::uint32_t layer_at, int n) {
  const ChainShape shape = chain_shape(ChainKind::kRegions);
  std::uint64_t slot = std::uint64_t{layer_at} + shape.head_field;
  const std::uint64_t bound = walk_bound(block, shape.record_size);
  for (std::uint64_t step = 0; step < bound; ++step) {
    const std::uint32_t at = block.get<std::uint32_t>(slot);
    if (at == 0) return;
    if (repair_entries(block, at, n))
      block.put<std::uint32_t>(slot, chain_next(block, at, ChainKind::kRegions));
    else
      slot = std::uint64_t{at} + shape.link_field;
  }
}

int line_count(const App& app, int layer) {
  return static_cast<int>(layer_lines(app.drawing, layer_offset(app.drawing, layer)).size());
}

}  // namespace
}  // namespace lines_detail

using namespace lines_detail;

int setskl(App& app, const LineRecord& line, LineRecord& out, int& number, int layer,
           GeometryCheck check) {
  if (check == GeometryCheck::kCheck && sklck(app, line.geom) == 0) return 0;
  LineRecord stored = line;
  stored.next = 0;
  const int n = append_element(app, layer, ChainKind::kLines, stored, nullptr, 0, "setskl");
  if (n == 0) return 0;
  out = stored;
  number = n;
  app.in.nowline = stored;
  app.in.nowlinevalid = n;
  return n;
}

int totalskl(App& app, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, "totalskl");
  if (layer_at == 0) return 0;
  return static_cast<int>(layer_lines(app.drawing, layer_at).size());
}

int getline(App& app, int n, LineRecord& out, int layer) {
  const std::uint32_t at = find_line(app, n, layer, "getline");
  if (at == 0) return 0;
  out = app.drawing.get<LineRecord>(at);
  return n;
}

int changeline(App& app, int n, const LineRecord& line, int layer) {
  const std::uint32_t at = find_line(app, n, layer, "changeline");
  if (at == 0) return 0;
  // The chain is ours: a stale link in the caller's copy must not cut it.
  LineRecord stored = line;
  stored.next = app.drawing.get<LineRecord>(at).next;
  app.drawing.put(at, stored);
  return n;
}

int linenow(App& app, int n, int layer) {
  const std::uint32_t at = find_line(app, n, layer, "linenow");
  if (at == 0) return 0;
  app.drawing.put(std::uint64_t{at} + offsetof(LineRecord, pen), app.settings.line_pen);
  return n;
}

int delskl(App& app, int n, int layer, DeletedPoint point) {
  if (find_line(app, n, layer, "delskl") == 0) return 0;
  Block& block = app.drawing;
  const std::uint32_t layer_at = layer_offset(block, layer);
  const std::uint64_t slot = line_slot(block, layer_at, n);
  const LineRecord line = block.get<LineRecord>(block.get<std::uint32_t>(slot));
  block.put<std::uint32_t>(slot, line.next);
  repair_regions(block, layer_at, n);
  if (point == DeletedPoint::kBecomesNowpoint) {
    app.in.nowpoint = {line.geom.x0, line.geom.y0, line.geom.a0};
    app.in.nowpointvalid = 1;
  }
  app.in.nowlinevalid = 0;
  std::vector<ExtractionItem>().swap(app.line_stock);
  return n;
}

int cut_line(App& app, int n, const LineGeometry& cutter, LineRecord& out, int& out_number,
             PointDir& cut_point, int layer, DeletedPoint point) {
  const std::uint32_t at = find_line(app, n, layer, "cutline");
  if (at == 0) return 0;
  const LineRecord line = app.drawing.get<LineRecord>(at);
  PointDir on_cutter, on_line;
  if (xseach(app, cutter, line.geom, on_cutter, on_line) == 0) return 0;
  LineRecord first = line;
  first.geom.x1 = on_line.x;
  first.geom.y1 = on_line.y;
  first.geom.a1 = on_line.angle;
  LineRecord second = line;
  second.geom.x0 = on_line.x;
  second.geom.y0 = on_line.y;
  second.geom.a0 = on_line.angle;
  if (cutsklck(app, first.geom) == 0 || cutsklck(app, second.geom) == 0) return 0;
  if (!room_for_lines(app, line_count(app, layer) - 1, 2)) return 0;
  delskl(app, n, layer, point);
  LineRecord stored;
  int number = 0;
  if (setskl(app, first, stored, number, layer, GeometryCheck::kTrusted) == 0 ||
      setskl(app, second, out, out_number, layer, GeometryCheck::kTrusted) == 0)
    return 0;
  cut_point = on_line;
  return 1;
}

int reverse_line(App& app, int n, LineRecord& out, int& out_number, int layer) {
  const std::uint32_t at = find_line(app, n, layer, "delskl");
  if (at == 0) return 0;
  LineRecord line = app.drawing.get<LineRecord>(at);
  line.geom = reversed_geometry(line.geom);
  if (!room_for_lines(app, line_count(app, layer) - 1, 1)) return 0;
  delskl(app, n, layer);
  if (setskl(app, line, out, out_number, layer, GeometryCheck::kTrusted) == 0) return 0;
  app.in.nowpoint = {line.geom.x1, line.geom.y1, line.geom.a1};
  app.in.nowpointvalid = 1;
  return out_number;
}

}  // namespace daub
