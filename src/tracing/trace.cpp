#include "tracing/trace.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>

#include "geometry/chord_chain.h"

namespace daub {
namespace {

// The code of a corner from its four cells (in the region or not), indexed
// by top-left · 8 + top-right · 4 + bottom-left · 2 + bottom-right.
constexpr std::array<std::uint8_t, 16> corner_codes() {
  std::array<std::uint8_t, 16> codes{};
  for (int i = 0; i < 16; ++i) {
    const bool tl = i & 8, tr = i & 4, bl = i & 2, br = i & 1;
    const bool right = tr && !br, left = !tl && bl;  // top edges of the cells below
    const bool up = tl && !tr, down = !bl && br;     // left edges of the cells to the right
    codes[i] = right && left ? 8 : up && down ? 9 : right ? 4 : left ? 6 : up ? 7 : down ? 5 : 0;
  }
  return codes;
}
constexpr std::array<std::uint8_t, 16> kCornerCode = corner_codes();

// Whether each cell of buffer row map_y + 2 lies in the region, for the
// cells x = 1 .. width + 2 at index x - 1 (the two ends are the frame).
void fill_row(const LevelMap& map, int map_y, const std::array<std::uint8_t, 256>& in,
              std::vector<std::uint8_t>& row) {
  const std::uint8_t frame = in[1];
  row.assign(static_cast<std::size_t>(map.width) + 2, frame);
  if (map_y < 0 || map_y >= map.height) return;
  const std::uint8_t* levels = map.levels.data() + static_cast<std::size_t>(map_y) * map.width;
  for (int x = 0; x < map.width; ++x) row[x + 1] = in[levels[x]];
}

constexpr int kDx[4] = {1, 0, -1, 0};
constexpr int kDy[4] = {0, 1, 0, -1};

// One boundary walk and what it makes of it.
class Tracer {
 public:
  Tracer(EdgeMap& edges, const TraceParams& params, Shadow& out, std::uint64_t limit)
      : edges_(edges), params_(params), out_(out), limit_(limit), chain_(params.factor) {
    right_ = edges.width - kTraceGrowth + kTraceMargin;
    bottom_ = edges.height - kTraceGrowth + kTraceMargin;
  }

  // Traces the outline starting at corner (x, y); false when the shadow
  // would grow past the limit.
  bool trace(int x, int y, Colorref color, bool color_by_orientation);

 private:
  void record(int x, int y);
  bool fits(std::size_t more_points) const {
    return shadow_bytes(out_.outlines.size() + 1, out_.points.size() + more_points) <= limit_;
  }

  EdgeMap& edges_;
  const TraceParams& params_;
  Shadow& out_;
  std::uint64_t limit_;
  ChordChain chain_;
  int right_ = 0, bottom_ = 0;  // the map's rectangle is kTraceMargin .. right_, bottom_
  // The outline so far: twice the signed area, the bounding box, the first
  // and the last recorded corner.
  std::int64_t area2_ = 0;
  int min_x_ = 0, min_y_ = 0, max_x_ = 0, max_y_ = 0;
  int first_x_ = 0, first_y_ = 0, last_x_ = 0, last_y_ = 0;
  bool started_ = false;
};

void Tracer::record(int x, int y) {
  if (!started_) {
    first_x_ = min_x_ = max_x_ = x;
    first_y_ = min_y_ = max_y_ = y;
    started_ = true;
  } else {
    area2_ += std::int64_t{y + last_y_} * (x - last_x_);
    min_x_ = std::min(min_x_, x);
    max_x_ = std::max(max_x_, x);
    min_y_ = std::min(min_y_, y);
    max_y_ = std::max(max_y_, y);
  }
  last_x_ = x;
  last_y_ = y;
  const bool border = x == kTraceMargin || x == right_ || y == kTraceMargin || y == bottom_;
  chain_.add({x - kTraceMargin, y - kTraceMargin}, border);
}

bool Tracer::trace(int x, int y, Colorref color, bool color_by_orientation) {
  const int w = edges_.width;
  const std::ptrdiff_t step[4] = {1, w, -1, -w};
  const std::uint32_t start =
      static_cast<std::uint32_t>(y) * static_cast<std::uint32_t>(w) + static_cast<std::uint32_t>(x);
  std::uint8_t* at = edges_.codes.data() + start;
  area2_ = 0;
  started_ = false;
  // Each step takes one edge out of the map, so the walk ends.
  for (int dir = -1;;) {
    const std::uint8_t code = *at;
    if (code == 0) break;
    int next;
    if (code < 8) {
      next = code - 4;
      *at = 0;
    } else {
      // Two edges leave a junction: turn right from the one that came in,
      // leaving the other for the walk that comes in the other way.
      next = dir < 0 ? code - 8 : (dir + 1) & 3;
      *at = static_cast<std::uint8_t>(((next + 2) & 3) + 4);
    }
    if (next != dir) {
      record(x, y);
      if (!fits(chain_.kept_count() + 1)) return false;
    }
    x += kDx[next];
    y += kDy[next];
    at += step[next];
    dir = next;
  }
  area2_ += std::int64_t{first_y_ + last_y_} * (first_x_ - last_x_);
  const std::int64_t area = area2_ / 2;
  const int extent = std::max(max_x_ - min_x_, max_y_ - min_y_);
  if (std::llabs(area) <= params_.min_area && extent <= params_.min_extent) {
    chain_.finish();
    return true;
  }
  // The chain closes on its first point, which is then dropped again: the
  // outline closes by itself.
  chain_.add({first_x_ - kTraceMargin, first_y_ - kTraceMargin}, false);
  std::vector<IntPoint> kept = chain_.finish();
  kept.pop_back();
  if (!fits(kept.size())) return false;
  OutlineRecord r;
  r.count = static_cast<std::uint32_t>(kept.size());
  r.area = static_cast<std::uint32_t>(std::llabs(area));
  r.orientation = area >= 0 ? 1 : -1;
  r.extent = static_cast<std::uint32_t>(extent);
  r.start = start;
  r.first = static_cast<std::uint32_t>(out_.points.size());
  r.color = color_by_orientation ? threshold_color(r.orientation) : color;
  out_.outlines.push_back(r);
  out_.points.insert(out_.points.end(), kept.begin(), kept.end());
  return true;
}

// The first non-zero byte of [from, end), or end.
const std::uint8_t* next_marked(const std::uint8_t* from, const std::uint8_t* end) {
  while (from + 8 <= end) {
    std::uint64_t word;
    std::memcpy(&word, from, sizeof word);
    if (word != 0) break;
    from += 8;
  }
  while (from < end && *from == 0) ++from;
  return from;
}

}  // namespace

TracedRegion traced_region(LevelKind kind, int pass) {
  if (kind == LevelKind::kThreshold) return {1, true};
  return {static_cast<std::uint8_t>(pass + 1), false};
}

void edge_map(const LevelMap& map, TracedRegion region, EdgeMap& out) {
  out.width = map.width + kTraceGrowth;
  out.height = map.height + kTraceGrowth;
  out.codes.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), 0);
  std::array<std::uint8_t, 256> in{};
  for (int v = 0; v < 256; ++v) in[v] = region.contains(static_cast<std::uint8_t>(v)) ? 1 : 0;
  std::vector<std::uint8_t> above, below;
  fill_row(map, -1, in, below);
  // Corners of the map's rectangle and inside it: the frame has no edges.
  for (int y = kTraceMargin; y <= map.height + kTraceMargin; ++y) {
    above.swap(below);
    fill_row(map, y - kTraceMargin, in, below);
    std::uint8_t* codes = out.codes.data() + static_cast<std::size_t>(y) * out.width;
    for (int x = kTraceMargin; x <= map.width + kTraceMargin; ++x) {
      const int cells = above[x - 2] << 3 | above[x - 1] << 2 | below[x - 2] << 1 | below[x - 1];
      codes[x] = kCornerCode[cells];
    }
  }
}

EdgeMap edge_map_plain(const LevelMap& map, TracedRegion region) {
  EdgeMap e;
  e.width = map.width + kTraceGrowth;
  e.height = map.height + kTraceGrowth;
  const auto index = [&](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(e.width) +
           static_cast<std::size_t>(x);
  };
  std::vector<std::uint8_t> buffer(index(0, e.height), 1);
  for (int y = 0; y < map.height; ++y)
    for (int x = 0; x < map.width; ++x)
      buffer[index(x + kTraceMargin, y + kTraceMargin)] = map.at(x, y);
  e.codes.assign(buffer.size(), 0);
  const auto in = [&](int x, int y) { return region.contains(buffer[index(x, y)]); };
  const auto mark = [&](int x, int y, std::uint8_t code, std::uint8_t junction) {
    if (x >= e.width || y >= e.height) return;
    std::uint8_t& c = e.codes[index(x, y)];
    c = c == 0 ? code : junction;
  };
  for (int x = 0; x < e.width; ++x)
    for (int y = 1; y < e.height; ++y) {
      if (in(x, y - 1) && !in(x, y)) mark(x, y, 4, 8);
      if (!in(x, y - 1) && in(x, y)) mark(x + 1, y, 6, 8);
    }
  for (int y = 0; y < e.height; ++y)
    for (int x = 1; x < e.width; ++x) {
      if (in(x - 1, y) && !in(x, y)) mark(x, y + 1, 7, 9);
      if (!in(x - 1, y) && in(x, y)) mark(x, y, 5, 9);
    }
  return e;
}

TraceVerdict trace_edges(EdgeMap& edges, const TraceParams& params, Colorref color,
                         bool color_by_orientation, Shadow& out, std::uint64_t limit) {
  Tracer tracer(edges, params, out, limit);
  for (int y = 0; y < edges.height; ++y) {
    std::uint8_t* row = edges.codes.data() + static_cast<std::size_t>(y) * edges.width;
    std::uint8_t* end = row + edges.width;
    for (std::uint8_t* at = row; (at = const_cast<std::uint8_t*>(next_marked(at, end))) != end;) {
      // A corner may start more than one walk (a junction keeps its other edge).
      if (!tracer.trace(static_cast<int>(at - row), y, color, color_by_orientation))
        return TraceVerdict::kTooLarge;
    }
  }
  return TraceVerdict::kOk;
}

TraceVerdict trace_map(const LevelMap& map, LevelKind kind, const TraceParams& params, Shadow& out,
                       std::uint64_t limit) {
  Shadow traced;
  EdgeMap edges;
  const bool threshold = kind == LevelKind::kThreshold;
  for (int pass = 0; pass < region_count(kind); ++pass) {
    edge_map(map, traced_region(kind, pass), edges);
    const Colorref color = threshold ? 0 : level_color(kind, pass + 1);
    if (trace_edges(edges, params, color, threshold, traced, limit) != TraceVerdict::kOk) {
      out = Shadow();
      return TraceVerdict::kTooLarge;
    }
  }
  if (!threshold) sort_by_start(traced.outlines);
  out = std::move(traced);
  return TraceVerdict::kOk;
}

}  // namespace daub
