// One freehand brush stroke about 2,000 pixels long, laid through the mouse
// handlers as the user lays it (select for undo, build, rasterise, blend), on
// the 400 × 300 start canvas and on a 4000 × 3000 canvas: the stroke is the
// same, so the two figures should be close. Then the undo of such a stroke,
// and the undo of canvas 1's stroke into canvas 2 (which needs the whole old
// picture). Compare the sizes as ratios within one run.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "model/app.h"
#include "paint/canvas.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "shell/startup.h"
#include "shell/window.h"

namespace daub {
namespace {

// Five passes across the start canvas (which lies at 10..410, 10..310),
// waving up and down: about 2,000 pixels in 4-pixel mouse steps.
std::vector<IntPoint> stroke_path() {
  std::vector<IntPoint> path;
  for (int pass = 0; pass < 5; ++pass) {
    for (int i = 0; i <= 90; ++i) {
      const int x = pass % 2 == 0 ? 30 + 4 * i : 390 - 4 * i;
      const double wave = 12.0 * std::sin(i * 0.21);
      path.push_back({x, 50 + 50 * pass + static_cast<int>(wave)});
    }
  }
  return path;
}

struct Painter {
  ScriptUi ui{nullptr};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  std::vector<IntPoint> path = stroke_path();

  explicit Painter(int w, int h) {
    FileInit(app);
    app.brush.width = 12, app.brush.blur = 1.0;
    app.settings.color = 0x2060C0;
    if (w != 400) make_canvas(app, 1, {10, 10}, {10.0 + w, 10.0 + h}, 0xFFFFFF);
    app.in.mousecmd = 1062;
  }
  void stroke() {
    on_lbutton_down(app, path.front().x, path.front().y);
    for (std::size_t i = 1; i + 1 < path.size(); ++i) on_mouse_move(app, path[i].x, path[i].y);
    on_lbutton_up(app, path.back().x, path.back().y);
  }
};

int width_of(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void BM_Stroke(benchmark::State& state) {
  Painter p(width_of(state), width_of(state) * 3 / 4);
  for (auto _ : state) p.stroke();
}

// A stroke and its undo on the same canvas.
void BM_StrokeAndUndo(benchmark::State& state) {
  Painter p(width_of(state), width_of(state) * 3 / 4);
  for (auto _ : state) {
    p.stroke();
    undo_canvas_change(p.app, 1);
  }
}

BENCHMARK(BM_Stroke)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StrokeAndUndo)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

BENCHMARK_MAIN();
