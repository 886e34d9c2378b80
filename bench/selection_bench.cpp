// The selection on one large layer: N lines and N / 10 letter elements in a
// grid, half of them inside a rectangle. A rectangle pick (all four picks
// through the enclosure test), and a shift of the picked half followed by
// the commit that writes it back (regions checked, texts and lines
// rewritten). Beside them, the plain anchor: every line end and anchor read
// from the block and compared with the rectangle's bounds, the least any
// pick must do. Each should grow linearly with N.
//
// A layer of more than 65,536 lines could not be saved; the block is laid
// out directly so that the largest size shows the growth.

#include <benchmark/benchmark.h>

#include <sstream>

#include "drawing/layers.h"
#include "drawing/selection.h"
#include "drawing/selection_transforms.h"
#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kColumns = 1000;
constexpr double kPitch = 10.0;

struct Program {
  std::ostringstream log;
  ScriptUi ui{&log};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
};

// Line i runs 5 units right from grid point i; text j sits at grid point j
// of a second grid between the lines. The block is laid out directly: one
// layer, its lines, then its texts, each chain in order.
void build(App& app, int lines, int texts) {
  FileInit(app);
  constexpr std::uint32_t kLayer = kHeaderSize;
  const std::uint32_t first_line = kLayer + sizeof(LayerRecord);
  const std::uint32_t first_text = first_line + sizeof(LineRecord) * lines;
  constexpr std::uint32_t kTextSize = sizeof(TextRecord) + 2;
  Block block(std::vector<std::uint8_t>(first_text + std::uint64_t{kTextSize} * texts));
  block.put(0, DrawingHeader{static_cast<std::uint32_t>(block.allocated()), kLayer, 0});
  LayerRecord layer;
  layer.lines = lines > 0 ? first_line : 0;
  layer.letters = texts > 0 ? first_text : 0;
  block.put(kLayer, layer);
  LineRecord line;
  line.geom.kind = kShapeStraight;
  for (int i = 0; i < lines; ++i) {
    const std::uint32_t at = first_line + sizeof(LineRecord) * i;
    line.geom.x0 = (i % kColumns) * kPitch;
    line.geom.y0 = (i / kColumns) * kPitch;
    line.geom.x1 = line.geom.x0 + 5;
    line.geom.y1 = line.geom.y0;
    line.next = i + 1 < lines ? at + static_cast<std::uint32_t>(sizeof(LineRecord)) : 0;
    block.put(at, line);
  }
  TextRecord text;
  text.length = 1;
  for (int j = 0; j < texts; ++j) {
    const std::uint32_t at = first_text + kTextSize * j;
    text.x = (j % kColumns) * kPitch + 2;
    text.y = (j / kColumns) * kPitch * 10 + 5;
    text.chars = at + static_cast<std::uint32_t>(sizeof(TextRecord));
    text.next = j + 1 < texts ? at + kTextSize : 0;
    block.put(at, text);
    block.put<std::uint8_t>(text.chars, 'a');
  }
  app.drawing = std::move(block);
}

// The left half of the grid.
void enclose_half(App& app, int lines) {
  const double bottom = (lines / kColumns) * kPitch;
  app.enclosure = {
      {-1, -1}, {kColumns * kPitch / 2 - 1, -1}, {kColumns * kPitch / 2 - 1, bottom}, {-1, bottom}};
}

void set_counters(benchmark::State& state, int lines) {
  state.SetItemsProcessed(state.iterations() * (lines + lines / 10));
  state.counters["elements"] = lines + lines / 10;
}

void BM_RectanglePick(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  Program p;
  build(p.app, lines, lines / 10);
  enclose_half(p.app, lines);
  for (auto _ : state) {
    jordenpickall(p.app, 1);
    benchmark::DoNotOptimize(p.app.line_stock.data());
  }
  if (p.app.line_stock.size() != static_cast<std::size_t>(lines / 2))
    state.SkipWithError("the pick did not take half the lines");
  set_counters(state, lines);
}

void BM_ShiftAndCommit(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  Program p;
  build(p.app, lines, lines / 10);
  enclose_half(p.app, lines);
  jordenpickall(p.app, 1);
  for (auto _ : state) {
    stockshift_all(p.app, 0.5, 0);
    stockmove(p.app, 1);
    benchmark::DoNotOptimize(p.app.drawing.data());
  }
  set_counters(state, lines);
}

// The anchor: the same ends and anchors read and compared with the bounds.
void BM_PlainBoundsTest(benchmark::State& state) {
  const int lines = static_cast<int>(state.range(0));
  Program p;
  build(p.app, lines, lines / 10);
  enclose_half(p.app, lines);
  const DPoint low = p.app.enclosure[0], high = p.app.enclosure[2];
  const Block& block = p.app.drawing;
  const std::uint32_t layer_at = layer_offset(block, 1);
  auto inside = [&](double x, double y) {
    return x >= low.x && x <= high.x && y >= low.y && y <= high.y;
  };
  for (auto _ : state) {
    std::size_t count = 0;
    for_each_in_chain(block, layer_at, ChainKind::kLines, [&](int, std::uint32_t at) {
      const auto g = block.get<LineGeometry>(std::uint64_t{at} + offsetof(LineRecord, geom));
      count += inside(g.x0, g.y0) && inside(g.x1, g.y1);
    });
    for_each_in_chain(block, layer_at, ChainKind::kLetters, [&](int, std::uint32_t at) {
      const auto t = block.get<TextRecord>(at);
      count += inside(t.x, t.y);
    });
    benchmark::DoNotOptimize(count);
  }
  set_counters(state, lines);
}

BENCHMARK(BM_RectanglePick)->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShiftAndCommit)->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainBoundsTest)->Arg(25000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

BENCHMARK_MAIN();
