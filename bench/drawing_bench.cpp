// Compaction, saving and validated loading of a large drawing: N line records
// spread over 100 layers, laid out as if created layer after layer in turn (so
// every chain zigzags through the block), with every tenth line unlinked (dead
// bytes).
// Each should grow linearly with N.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>

#include "drawing/chain.h"
#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/pack.h"
#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"

namespace daub {
namespace {

constexpr int kLayers = 100;

void unlink_every_tenth_line(Block& block) {
  for (int n = 1; n <= kLayers; ++n) {
    std::uint64_t slot = layer_offset(block, n) + offsetof(LayerRecord, lines);
    int index = 0;
    for (std::uint32_t at = block.get<std::uint32_t>(slot); at != 0;
         at = block.get<std::uint32_t>(slot)) {
      if (++index % 10 == 0)
        block.put<std::uint32_t>(slot, chain_next(block, at, ChainKind::kLines));
      else
        slot = at + offsetof(LineRecord, next);
    }
  }
}

// Lays the block out directly: the appender walks each chain to its end, which
// would make building the largest drawings the slowest part of the run.
Block build(int lines) {
  const std::uint32_t first_line = kHeaderSize + kLayers * sizeof(LayerRecord);
  Block block(std::vector<std::uint8_t>(first_line + std::uint64_t{sizeof(LineRecord)} * lines));
  block.put(0, DrawingHeader{static_cast<std::uint32_t>(block.allocated()), kHeaderSize, 0});
  for (int n = 0; n < kLayers; ++n) {
    LayerRecord layer;
    if (n < lines) layer.lines = first_line + n * sizeof(LineRecord);
    if (n + 1 < kLayers) layer.next = kHeaderSize + (n + 1) * sizeof(LayerRecord);
    block.put(kHeaderSize + n * sizeof(LayerRecord), layer);
  }
  LineRecord line;
  line.geom.kind = kShapeStraight;
  for (int i = 0; i < lines; ++i) {
    line.geom.x0 = i;
    line.next = i + kLayers < lines ? first_line + (i + kLayers) * sizeof(LineRecord) : 0;
    block.put(first_line + std::uint64_t{sizeof(LineRecord)} * i, line);
  }
  unlink_every_tenth_line(block);
  return block;
}

const Block& drawing(int lines) {
  static std::map<int, Block> built;
  auto it = built.find(lines);
  if (it == built.end()) it = built.emplace(lines, build(lines)).first;
  return it->second;
}

void finish(benchmark::State& state, std::uint64_t bytes) {
  state.SetComplexityN(state.range(0));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_Pack(benchmark::State& state) {
  const Block& block = drawing(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(packed(block));
  finish(state, block.used());
}

void BM_Save(benchmark::State& state) {
  ScriptUi ui(nullptr);
  MemoryClipboard clipboard;
  App app(ui, clipboard);
  app.drawing = packed(drawing(static_cast<int>(state.range(0))));
  app.files.working_folder = std::filesystem::temp_directory_path().string();
  const std::string name = "daubery-bench-drawing.skl";
  for (auto _ : state) benchmark::DoNotOptimize(sklfilesave(app, name));
  std::filesystem::remove(path_in_folder(app.files.working_folder, name));
  finish(state, app.drawing.used());
}

void BM_ValidatedLoad(benchmark::State& state) {
  const std::vector<std::uint8_t> bytes = packed(drawing(static_cast<int>(state.range(0)))).bytes();
  for (auto _ : state) {
    Block block(bytes);
    if (!is_valid_drawing(block)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(block);
  }
  finish(state, bytes.size());
}

// The unpacked block: chains zigzag through it and skip dead bytes.
void BM_ValidateUnpacked(benchmark::State& state) {
  const Block& block = drawing(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(is_valid_drawing(block));
  finish(state, block.used());
}

void lines_range(benchmark::internal::Benchmark* b) {
  for (int n : {10000, 30000, 100000, 300000, 1000000}) b->Arg(n);
  b->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Pack)->Apply(lines_range);
BENCHMARK(BM_Save)->Apply(lines_range);
BENCHMARK(BM_ValidatedLoad)->Apply(lines_range);
BENCHMARK(BM_ValidateUnpacked)->Apply(lines_range);

}  // namespace
}  // namespace daub

BENCHMARK_MAIN();
