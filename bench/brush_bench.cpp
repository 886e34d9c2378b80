// The brush on a 2000 × 1500 canvas: one 2000-pixel stroke (a gentle curve
// of straight and curved segments, as the stroke builder makes them) laid
// into a fresh mask and colour-blended, in the plain form and the fast one,
// for widths 60 and 3, blurs 2 and 0, and with thinned ends. Also the plain
// blend of the whole canvas alone, the fast one over the stroke's mask, and
// the two forms of darken and lighten. Compare the times as ratios within one
// run; the fast form gives byte-identical pictures (checked once before timing).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "model/app.h"
#include "paint/brush.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kW = 2000, kH = 1500;

struct Picture {
  int stride = (3 * kW + 3) / 4 * 4;
  std::vector<std::uint8_t> bytes =
      std::vector<std::uint8_t>(static_cast<std::size_t>(stride) * kH, 255);
  CanvasView view() { return {kW, kH, stride, bytes.data()}; }
};

struct Fixture {
  std::ostringstream log;
  ScriptUi ui{&log};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  Fixture() { FileInit(app); }
};

// About 2000 pixels across the canvas: two straight runs joined by curves.
std::vector<LineGeometry> stroke() {
  return {
      {50.3, 708.9, -0.165, 700.3, 600.6, -0.165, kShapeStraight},
      {700.3, 600.6, -0.165, 1100.7, 650.2, 0.5, kShapeCurve},
      {1100.7, 650.2, 0.5, 1500.1, 900.9, 0.559, kShapeStraight},
      {1500.1, 900.9, 0.559, 1900.4, 800.5, -0.6, kShapeCurve},
  };
}

using Rasterise = int (*)(const App&, const LineGeometry&, const BrushParams&, Mask&);
using Blend = void (*)(CanvasView, const Mask&, BlendKind, Colorref);

void paint(const App& app, Rasterise rasterise, Blend blend, const BrushParams& b, Picture& p) {
  Mask mask = make_mask(kW, kH);
  for (const LineGeometry& g : stroke()) rasterise(app, g, b, mask);
  blend(p.view(), mask, BlendKind::kColor, 0x3070C0);
}

// {width, blur, thinned ends}: with thinned ends both ends of every segment
// narrow over two widths, so those dabs each have a brush of their own.
BrushParams brush_of(const benchmark::State& state) {
  BrushParams b;
  b.width = static_cast<double>(state.range(0));
  b.blur = static_cast<double>(state.range(1));
  if (state.range(2) != 0) b.end_type = 1, b.tapered_end = 2, b.taper_ratio = 2;
  return b;
}

void check_same_picture(const App& app, const BrushParams& b) {
  Picture plain, fast;
  paint(app, rasterise_segment_plain, blend_mask_plain, b, plain);
  paint(app, rasterise_segment, blend_mask, b, fast);
  if (plain.bytes != fast.bytes) {
    std::fprintf(stderr, "fast and plain pictures differ (W %g, B %g)\n", b.width, b.blur);
    std::abort();
  }
}

void BM_StrokePlain(benchmark::State& state) {
  Fixture f;
  const BrushParams b = brush_of(state);
  check_same_picture(f.app, b);
  Picture p;
  for (auto _ : state) paint(f.app, rasterise_segment_plain, blend_mask_plain, b, p);
}

void BM_StrokeFast(benchmark::State& state) {
  Fixture f;
  const BrushParams b = brush_of(state);
  Picture p;
  for (auto _ : state) paint(f.app, rasterise_segment, blend_mask, b, p);
}

BENCHMARK(BM_StrokePlain)
    ->Args({60, 2, 0})
    ->Args({60, 0, 0})
    ->Args({3, 2, 0})
    ->Args({60, 2, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeFast)
    ->Args({60, 2, 0})
    ->Args({60, 0, 0})
    ->Args({3, 2, 0})
    ->Args({60, 2, 1})
    ->Unit(benchmark::kMillisecond);

// A mask holding the width-60 stroke, blended by each form and kind.
void BM_Blend(benchmark::State& state) {
  Fixture f;
  BrushParams b;
  b.width = 60;
  Mask mask = make_mask(kW, kH);
  for (const LineGeometry& g : stroke()) rasterise_segment(f.app, g, b, mask);
  const auto kind = static_cast<BlendKind>(state.range(1));
  const Blend blend = state.range(0) == 0 ? blend_mask_plain : blend_mask;
  Picture p;
  for (auto _ : state) blend(p.view(), mask, kind, 0x3070C0);
}

// {0 plain / 1 fast, kind 0 colour / 1 darken / 2 lighten}
BENCHMARK(BM_Blend)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 2})
    ->Args({1, 2})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

BENCHMARK_MAIN();
