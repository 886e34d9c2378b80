// The scaled display of a 4000 × 3000 canvas onto a 1920 × 1080 client at
// three view scales, the fast form against the plain one (each displayed
// pixel sampling its source position on its own). Both give the same bytes;
// the tests check that on random inputs.

#include <benchmark/benchmark.h>

#include <random>

#include "model/app.h"
#include "picture/dib.h"
#include "picture/scaled_display.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"

namespace daub {
namespace {

const Dib& canvas() {
  static const Dib picture = [] {
    ScriptUi ui(nullptr);
    MemoryClipboard clipboard;
    App app(ui, clipboard);
    Dib dib = *MakeDIB(app, 4000, 3000, 0);
    std::mt19937 random(7);
    DibInfo info = dib_info(dib);
    for (std::size_t i = info.pixel_offset; i < dib.size(); ++i)
      dib[i] = static_cast<std::uint8_t>(random());
    return dib;
  }();
  return picture;
}

constexpr PixelRect kClient{0, 0, 1920, 1080};

template <ScaledPiece (*Piece)(const Dib&, int, int, double, PixelRect)>
void BM_ScaledDisplay(benchmark::State& state) {
  const double scale = static_cast<double>(state.range(0)) / 100.0;
  const Dib& dib = canvas();
  std::size_t pixels = 0;
  for (auto _ : state) {
    ScaledPiece piece = Piece(dib, 0, 0, scale, kClient);
    pixels = piece.image.pixels.size();
    benchmark::DoNotOptimize(piece.image.pixels.data());
  }
  state.counters["pixels"] = static_cast<double>(pixels);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * pixels));
}

BENCHMARK(BM_ScaledDisplay<scaled_piece>)
    ->Arg(25)
    ->Arg(100)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaledDisplay<scaled_piece_plain>)
    ->Arg(25)
    ->Arg(100)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

BENCHMARK_MAIN();
