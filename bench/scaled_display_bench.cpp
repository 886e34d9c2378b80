// The scaled display of a 4000 × 3000 canvas of random pixels onto a
// 1920 × 1080 picture at view scales 0.25, 1 and 3. Three figures per scale:
//   Real   scaled_display through QtDc onto the QImage, as the window paints;
//   Qt     QPainter::drawImage of the same picture (as a QImage) with smooth
//          scaling onto the same target, the anchor the real path is held to;
//   Plain  the plain form of the piece alone (each displayed pixel sampling
//          its source position on its own), the reference the fast form
//          matches byte for byte (the tests check that on random inputs).
// Compare Real with Qt as a ratio within one run. Qt may scale on several
// threads, so the CPU column counts the whole process.

#include <benchmark/benchmark.h>
#include <QImage>
#include <QPainter>

#include <random>

#include "model/app.h"
#include "picture/dib.h"
#include "picture/scaled_display.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "qt/qt_dc.h"
#include "qt_main.h"
#include "render/view.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kScreenW = 1920, kScreenH = 1080;

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

double scale_of(const benchmark::State& state) {
  return static_cast<double>(state.range(0)) / 100.0;
}

QImage white_screen() {
  QImage image(kScreenW, kScreenH, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void count_pixels(benchmark::State& state, double scale) {
  const double shown =
      std::min(4000 * scale, double{kScreenW}) * std::min(3000 * scale, double{kScreenH});
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * shown));
}

// The picture's top-left on the client's top-left, as the canvas painter
// places a canvas there.
void BM_ScaledDisplayReal(benchmark::State& state) {
  ScriptUi ui(nullptr);
  MemoryClipboard clipboard;
  App app(ui, clipboard);
  FileInit(app);
  app.view.client_width = kScreenW;
  app.view.client_height = kScreenH;
  app.settings.scale = scale_of(state);
  center_view_on_client(app);
  show_at_top_left(app, 0, 0);
  app.view.viewworldmin = to_world(app, 0, 0);
  app.view.viewworldmax = to_world(app, kScreenW, kScreenH);
  const Dib& dib = canvas();
  QImage image = white_screen();
  for (auto _ : state) {
    QtDc dc(image);
    benchmark::DoNotOptimize(scaled_display(app, dc, dib, 0, 0, app.settings.scale));
  }
  count_pixels(state, app.settings.scale);
}

// The same picture as Qt holds pictures, scaled by Qt itself.
void BM_ScaledDisplayQt(benchmark::State& state) {
  const Dib& dib = canvas();
  const DibInfo info = dib_info(dib);
  QImage source(info.width, info.height, QImage::Format_RGB32);
  for (int y = 0; y < info.height; ++y) {
    const std::uint8_t* row = dib.data() + info.pixel_offset +
                              static_cast<std::size_t>(info.height - 1 - y) * info.stride;
    auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
    for (int x = 0; x < info.width; ++x) line[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
  }
  const double scale = scale_of(state);
  QImage image = white_screen();
  for (auto _ : state) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(QRectF(0, 0, info.width * scale, info.height * scale), source);
  }
  count_pixels(state, scale);
}

void BM_ScaledDisplayPlain(benchmark::State& state) {
  const Dib& dib = canvas();
  const double scale = scale_of(state);
  for (auto _ : state) {
    ScaledPiece piece = scaled_piece_plain(dib, 0, 0, scale, {0, 0, kScreenW, kScreenH});
    benchmark::DoNotOptimize(piece.image.pixels.data());
  }
  count_pixels(state, scale);
}

BENCHMARK(BM_ScaledDisplayReal)
    ->Arg(25)
    ->Arg(100)
    ->Arg(300)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaledDisplayQt)
    ->Arg(25)
    ->Arg(100)
    ->Arg(300)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaledDisplayPlain)
    ->Arg(25)
    ->Arg(100)
    ->Arg(300)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

int main(int argc, char** argv) { return daub::bench::run_with_qt(argc, argv); }
