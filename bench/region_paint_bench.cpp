// Repainting a drawing of regions in display mode 0 on a 1920 × 1080 client,
// through QtDc onto a QImage, beside plain QPainter drawing the same polygons
// and the same hatch segments onto a QImage. Half of the regions are solid,
// half hatched with a lattice of width 5; each has 20 to 60 edges around a
// centre, and in a quarter of the regions every other edge is a curve. The
// lines have a pen style that draws nothing, so the repaint is the regions'.
// The argument is the number of regions; items per second are regions.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <random>

#include "drawing/chain.h"
#include "drawing/layers.h"
#include "drawing/regions.h"
#include "geometry/angle.h"
#include "geometry/hatching.h"
#include "model/app.h"
#include "model/view.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "qt/qt_dc.h"
#include "qt_main.h"
#include "render/display.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kWidth = 1920, kHeight = 1080;
constexpr int kRegionsPerLayer = 1000;  // keeps each line chain well inside its limit

// Uniform numbers from raw generator output, the same on every library.
double uniform(std::mt19937& rng, double lo, double hi) {
  return lo + (hi - lo) * (static_cast<double>(rng()) / 4294967296.0);
}

struct Shape {
  std::vector<LineRecord> lines;
  RegionParam fill;
};

// A star-shaped outline around a random centre; edges turn by a bulge when curved.
Shape make_shape(std::mt19937& rng, int i) {
  const int edges = 20 + static_cast<int>(rng() % 41);
  const bool curved = i % 4 == 3;
  const double cx = uniform(rng, 60, kWidth - 60), cy = uniform(rng, 60, kHeight - 60);
  std::vector<DPoint> corners;
  for (int k = 0; k < edges; ++k) {
    const double a = 2 * kPi * k / edges, r = uniform(rng, 25, 55);
    corners.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
  Shape s;
  for (int k = 0; k < edges; ++k) {
    const DPoint p = corners[k], q = corners[(k + 1) % edges];
    const double chord = std::atan2(q.y - p.y, q.x - p.x);
    const bool curve = curved && k % 2 == 0;
    LineRecord line;
    line.pen.style = 2;  // draws nothing
    line.geom = {p.x,
                 p.y,
                 curve ? chord - 0.3 : chord,
                 q.x,
                 q.y,
                 curve ? chord + 0.3 : chord,
                 curve ? kShapeCurve : kShapeStraight};
    s.lines.push_back(line);
  }
  s.fill.brush_style = i % 2;
  s.fill.color = static_cast<Colorref>(i * 2654435761u) & 0xFFFFFF;
  s.fill.hatch_pen.width = 1;
  s.fill.hatch_pen.color = s.fill.color;
  s.fill.hatch_type = kHatchLattice;
  s.fill.hatch_width = 5.0;
  s.fill.hatch_angle = uniform(rng, -90, 90);
  return s;
}

// The drawing laid out directly, layer by layer: the layer records, then
// each layer's lines and its regions with their entries.
Block build_drawing(int regions) {
  std::mt19937 rng(20240611);
  std::vector<Shape> shapes;
  for (int i = 0; i < regions; ++i) shapes.push_back(make_shape(rng, i));
  const int layers = (regions + kRegionsPerLayer - 1) / kRegionsPerLayer;
  std::uint64_t size = kHeaderSize + layers * sizeof(LayerRecord);
  for (const Shape& s : shapes)
    size += s.lines.size() * (sizeof(LineRecord) + sizeof(BoundaryEntry)) + sizeof(RegionRecord);
  Block block{std::vector<std::uint8_t>(size)};
  block.put(0, DrawingHeader{static_cast<std::uint32_t>(size), kHeaderSize, 0});
  std::uint32_t at = kHeaderSize + layers * sizeof(LayerRecord);
  for (int n = 0; n < layers; ++n) {
    const std::uint32_t layer_at = kHeaderSize + n * sizeof(LayerRecord);
    if (n + 1 < layers) block.put<std::uint32_t>(layer_at + 20, layer_at + sizeof(LayerRecord));
    const int first = n * kRegionsPerLayer, last = std::min(regions, first + kRegionsPerLayer);
    std::uint64_t line_slot = layer_at + offsetof(LayerRecord, lines);
    std::vector<int> first_line;
    int number = 1;
    for (int i = first; i < last; ++i) {
      first_line.push_back(number);
      for (const LineRecord& line : shapes[i].lines) {
        block.put<std::uint32_t>(line_slot, at);
        block.put(at, line);
        line_slot = at + offsetof(LineRecord, next);
        at += sizeof(LineRecord), ++number;
      }
    }
    std::uint64_t region_slot = layer_at + offsetof(LayerRecord, regions);
    for (int i = first; i < last; ++i) {
      RegionRecord r;
      r.param = shapes[i].fill;
      r.count = static_cast<std::int32_t>(shapes[i].lines.size());
      r.entries = at + sizeof(RegionRecord);
      block.put<std::uint32_t>(region_slot, at);
      block.put(at, r);
      region_slot = at + offsetof(RegionRecord, next);
      at += sizeof(RegionRecord);
      for (int k = 0; k < r.count; ++k, at += sizeof(BoundaryEntry))
        block.put(at, BoundaryEntry{first_line[i - first] + k, 1});
    }
  }
  return block;
}

struct Fixture {
  ScriptUi ui{nullptr};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  explicit Fixture(int regions) {
    FileInit(app);
    app.view.client_width = kWidth;
    app.view.client_height = kHeight;
    app.view.vieworigin_x = kWidth / 2;
    app.view.vieworigin_y = kHeight / 2;
    app.drawing = build_drawing(regions);
    app.in.dispmode = 0;
  }
};

void BM_RepaintRegions(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)));
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QtDc dc(image);
    paint_cycle(f.app, dc);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What plain QPainter draws: the polygons in screen points and the hatch
// segments, worked out once beforehand by the program's own geometry.
struct RawPicture {
  std::vector<std::pair<QPolygon, QColor>> polygons;
  std::vector<std::pair<std::vector<QLine>, QColor>> hatches;
};

RawPicture raw_picture(App& app) {
  RawPicture raw;
  std::vector<DPoint> outline;
  std::vector<HatchPiece> pieces;
  for (int n = 1; n <= layer_count(app.drawing); ++n) {
    const std::uint32_t layer_at = layer_offset(app.drawing, n);
    const std::vector<LineGeometry> table = line_table(app.drawing, layer_at);
    for_each_in_chain(app.drawing, layer_at, ChainKind::kRegions, [&](int, std::uint32_t at) {
      const RegionRecord r = app.drawing.get<RegionRecord>(at);
      region_outline(app.drawing, at, table, outline);
      const QColor color = to_qcolor(r.param.color);
      if (r.param.brush_style == 0) {
        QPolygon poly;
        for (const DPoint& p : outline) {
          const IntPoint s = to_screen(app, p.x, p.y);
          poly << QPoint(s.x, s.y);
        }
        raw.polygons.emplace_back(poly, color);
        return;
      }
      const HatchParams params{r.param.hatch_type, r.param.hatch_width, r.param.hatch_angle};
      if (hatch_outline(outline, params, pieces) != HatchVerdict::kDrawn) return;
      std::vector<QLine> lines;
      for (const HatchPiece& piece : pieces) {
        const IntPoint a = to_screen(app, piece.from.x, piece.from.y);
        const IntPoint b = to_screen(app, piece.to.x, piece.to.y);
        lines.emplace_back(a.x, a.y, b.x, b.y);
      }
      raw.hatches.emplace_back(std::move(lines), color);
    });
  }
  return raw;
}

void BM_RawQPainter(benchmark::State& state) {
  Fixture f(static_cast<int>(state.range(0)));
  f.app.settings.view_center_x = kWidth / 2;
  f.app.settings.view_center_y = kHeight / 2;
  const RawPicture raw = raw_picture(f.app);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  std::int64_t segments = 0;
  for (const auto& h : raw.hatches) segments += static_cast<std::int64_t>(h.first.size());
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    for (const auto& [poly, color] : raw.polygons) {
      p.setPen(QPen(color, 0));
      p.setBrush(color);
      p.drawPolygon(poly, Qt::OddEvenFill);
    }
    for (const auto& [lines, color] : raw.hatches) {
      p.setPen(QPen(color, 0));
      p.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.counters["hatch_segments"] = static_cast<double>(segments);
}

BENCHMARK(BM_RepaintRegions)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawQPainter)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

int main(int argc, char** argv) { return daub::bench::run_with_qt(argc, argv); }
