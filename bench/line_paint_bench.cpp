// Repainting a drawing of 50,000 lines in display mode 0 at view scales 0.25,
// 1 and 4 onto a 1920 × 1080 picture: half of the lines are curves, a quarter
// are dotted, widths 1 to 3 world units. Three figures per scale:
//   Real   the painter through QtDc onto the QImage, as the window paints;
//   Raw    plain QPainter drawing the very same polylines (recorded once from
//          the painter) with one pen each, the anchor the real path is held to;
//   Walk   the painter into a Dc that only counts primitives: the cost of
//          walking the drawing, sampling curves and cutting dot patterns.
// Compare Real with Raw as a ratio within one run (the CPU column counts the
// whole process, as Qt may work on several threads). Items per second are lines
// painted per second.

#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygon>

#include <random>

#include "geometry/angle.h"
#include "model/app.h"
#include "model/records.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/recording_dc.h"
#include "platform/script_ui.h"
#include "qt/qt_dc.h"
#include "qt_main.h"
#include "render/display.h"
#include "render/pens.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kLayers = 10;
constexpr int kLinesPerLayer = 5000;
constexpr int kScreenW = 1920, kScreenH = 1080;

class CountingDc : public Dc {
 public:
  void set_pen(const DcPen& pen) override { pen_ = pen; }
  void set_brush(const DcBrush& brush) override { brush_ = brush; }
  DcPen pen() const override { return pen_; }
  DcBrush brush() const override { return brush_; }
  void move_to(int x, int y) override { last_ = x ^ y, ++moves; }
  void line_to(int x, int y) override { last_ = x ^ y, ++lines; }
  void rectangle(int, int, int, int) override { ++others; }
  void fill_rect(int, int, int, int, Colorref) override { ++others; }
  void polygon(const std::vector<IntPoint>&) override { ++others; }
  void set_pixel(int, int, Colorref) override { ++others; }
  Colorref get_pixel(int, int) const override { return 0xFFFFFF; }
  void draw_image(int, int, int, int, const DcImage&) override { ++others; }

  std::int64_t moves = 0, lines = 0, others = 0;

 private:
  DcPen pen_;
  DcBrush brush_;
  int last_ = 0;
};

// Line i of the drawing: every second one a quarter-turn curve, every fourth
// one dotted with the "１点鎖線" pattern; ends scattered over a page.
LineRecord make_line(std::mt19937& rng, int i) {
  std::uniform_real_distribution<double> pos(0.0, 800.0), len(10.0, 120.0), turn(-kPi, kPi);
  LineRecord line;
  line.pen.style = i % 4 == 3 ? 1 : 0;
  line.pen.width = 1 + i % 3;
  line.pen.color = static_cast<Colorref>(i * 2654435761u) & 0xFFFFFF;
  line.pen.dot_length = 5.0;
  line_bits_from_string("111010", line.pen.bit_count, line.pen.bits);
  double x = pos(rng), y = pos(rng), a = turn(rng), l = len(rng);
  bool curve = i % 2 == 1;
  // A quarter turn: the chord leaves at 45 degrees to both end directions.
  double chord = curve ? a + kPi / 4 : a;
  line.geom = LineGeometry{x,
                           y,
                           a,
                           x + l * std::cos(chord),
                           y + l * std::sin(chord),
                           curve ? normalize_angle(a + kPi / 2) : a,
                           curve ? kShapeCurve : kShapeStraight};
  return line;
}

// The drawing laid out directly, each layer's lines one after the other.
Block build_drawing() {
  const std::uint32_t first_line = kHeaderSize + kLayers * sizeof(LayerRecord);
  const std::uint64_t total = std::uint64_t{kLayers} * kLinesPerLayer;
  Block block(std::vector<std::uint8_t>(first_line + total * sizeof(LineRecord)));
  block.put(0, DrawingHeader{static_cast<std::uint32_t>(block.allocated()), kHeaderSize, 0});
  std::mt19937 rng(20240601);
  for (int n = 0; n < kLayers; ++n) {
    const std::uint32_t first = first_line + n * kLinesPerLayer * sizeof(LineRecord);
    LayerRecord layer;
    layer.lines = first;
    if (n + 1 < kLayers) layer.next = kHeaderSize + (n + 1) * sizeof(LayerRecord);
    block.put(kHeaderSize + n * sizeof(LayerRecord), layer);
    for (int i = 0; i < kLinesPerLayer; ++i) {
      LineRecord line = make_line(rng, n * kLinesPerLayer + i);
      const std::uint32_t at = first + i * sizeof(LineRecord);
      line.next = i + 1 < kLinesPerLayer ? at + sizeof(LineRecord) : 0;
      block.put(at, line);
    }
  }
  return block;
}

// The app with the drawing, shown in mode 0 at the benchmark's scale.
struct Scene {
  ScriptUi ui{nullptr};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  explicit Scene(const benchmark::State& state) {
    FileInit(app);
    app.drawing = build_drawing();
    app.in.dispmode = 0;
    app.view.client_width = kScreenW;
    app.view.client_height = kScreenH;
    app.settings.scale = static_cast<double>(state.range(0)) / 1000.0;
    // Lines only: the start-up canvas is not shown.
    for (CanvasSlot& slot : app.canvases.slots) slot.shown = 0;
  }
};

void count_lines(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * std::int64_t{kLayers} * kLinesPerLayer);
}

QImage white_screen() {
  QImage image(kScreenW, kScreenH, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void BM_RepaintReal(benchmark::State& state) {
  Scene scene(state);
  QImage image = white_screen();
  for (auto _ : state) {
    image.fill(Qt::white);
    QtDc dc(image);
    paint_cycle(scene.app, dc);
  }
  count_lines(state);
}

// One polyline as the painter drew it: a move and the line_to's after it, all
// with one pen.
struct Polyline {
  QPen pen;
  QPolygon points;
};

QPen raw_pen(const DcPen& p) {
  QPen pen(to_qcolor(p.color));
  if (p.width <= 1) {
    pen.setWidth(1);
    pen.setCosmetic(true);
  } else {
    pen.setWidth(p.width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
  }
  return pen;
}

std::vector<Polyline> record_polylines(App& app) {
  RecordingDc dc;
  paint_cycle(app, dc);
  std::vector<Polyline> out;
  IntPoint at;
  for (const DcOp& op : dc.ops()) {
    if (op.kind == DcOp::kMoveTo) {
      at = op.points[0];
      continue;
    }
    if (op.kind != DcOp::kLineTo) continue;
    const bool joins = !out.empty() && out.back().points.back() == QPoint(at.x, at.y) &&
                       out.back().pen == raw_pen(op.pen);
    if (!joins) out.push_back({raw_pen(op.pen), QPolygon{QPoint(at.x, at.y)}});
    at = op.points[0];
    out.back().points << QPoint(at.x, at.y);
  }
  return out;
}

void BM_RepaintRaw(benchmark::State& state) {
  Scene scene(state);
  const std::vector<Polyline> lines = record_polylines(scene.app);
  QImage image = white_screen();
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const Polyline& line : lines) {
      painter.setPen(line.pen);
      painter.drawPolyline(line.points);
    }
  }
  count_lines(state);
  state.counters["polylines"] = static_cast<double>(lines.size());
}

void BM_RepaintWalk(benchmark::State& state) {
  Scene scene(state);
  CountingDc dc;
  for (auto _ : state) paint_cycle(scene.app, dc);
  count_lines(state);
  state.counters["line_to_per_paint"] =
      static_cast<double>(dc.lines) / static_cast<double>(state.iterations());
}

BENCHMARK(BM_RepaintReal)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(4000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintRaw)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(4000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWalk)
    ->Arg(250)
    ->Arg(1000)
    ->Arg(4000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

int main(int argc, char** argv) { return daub::bench::run_with_qt(argc, argv); }
