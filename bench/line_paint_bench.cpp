// Repainting a drawing of 50,000 lines in display mode 0 at three view
// scales: half of the lines are curves, a quarter are dotted. The picture goes
// to a Dc that only counts primitives, so the figures are the cost of walking
// the drawing, sampling curves and cutting dot patterns, not of a rasteriser.
// Items per second are lines painted per second.

#include <benchmark/benchmark.h>

#include <random>

#include "geometry/angle.h"
#include "model/app.h"
#include "model/records.h"
#include "platform/clipboard.h"
#include "platform/dc.h"
#include "platform/script_ui.h"
#include "render/display.h"
#include "render/pens.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kLayers = 10;
constexpr int kLinesPerLayer = 5000;

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

void BM_RepaintModeZero(benchmark::State& state) {
  ScriptUi ui(nullptr);
  MemoryClipboard clipboard;
  App app(ui, clipboard);
  FileInit(app);
  app.drawing = build_drawing();
  app.in.dispmode = 0;
  app.settings.scale = static_cast<double>(state.range(0)) / 1000.0;
  CountingDc dc;
  for (auto _ : state) paint_cycle(app, dc);
  const std::int64_t per_paint = std::int64_t{kLayers} * kLinesPerLayer;
  state.SetItemsProcessed(state.iterations() * per_paint);
  state.counters["line_to_per_paint"] =
      static_cast<double>(dc.lines) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RepaintModeZero)->Arg(250)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

BENCHMARK_MAIN();
