// Repainting a drawing of 2,000 text elements of 50 characters (half
// Japanese, half Latin, a quarter of all set vertically) in display mode 0
// through QtDc onto a QImage, beside Qt alone drawing the same characters
// one by one at the same positions with the same fonts. The first includes
// everything a paint does: the layout of every element, the fonts and the
// character widths (kept between paints), the view transform.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "drawing/texts.h"
#include "model/app.h"
#include "platform/clipboard.h"
#include "platform/cp932.h"
#include "platform/script_ui.h"
#include "qt/qt_dc.h"
#include "qt/qt_fonts.h"
#include "qt_main.h"
#include "render/display.h"
#include "render/text_layout.h"
#include "render/view.h"
#include "shell/startup.h"

namespace daub {
namespace {

constexpr int kWidth = 1600, kHeight = 1200;
constexpr int kElements = 2000;

const char kJapanese[] =
    "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。何でも薄暗いじめじめした所で"
    "ニャーニャー泣いていた事だけは記憶している";
const char kLatin[] = "The quick brown fox jumps over the lazy dog again.";

struct Drawing {
  ScriptUi ui{nullptr};
  MemoryClipboard clipboard;
  App app{ui, clipboard};

  Drawing() {
    app.view.client_width = kWidth;
    app.view.client_height = kHeight;
    FileInit(app);
    for (CanvasSlot& slot : app.canvases.slots) slot.shown = 0;
    app.in.dispmode = 0;
    const std::string japanese = utf8_to_cp932(kJapanese).substr(0, 100);  // 50 characters
    const LogFont horizontal = app.settings.font;
    LogFont vertical = horizontal;
    std::memcpy(vertical.face_name, "@\x82\x6C\x82\x72\x96\xBE\x92\xA9", 10);  // @ＭＳ明朝
    vertical.escapement = 2700;
    std::mt19937 random(12345);
    for (int i = 0; i < kElements; ++i) {
      const bool letter = i % 2 == 0;
      app.settings.font = i % 4 == 0 ? vertical : horizontal;
      app.in.nowpoint = PointDir{static_cast<double>(random() % kWidth) - kWidth / 2 + 400,
                                 static_cast<double>(random() % kHeight) - kHeight / 2 + 300, 0};
      app.text.buffer = letter ? japanese : std::string(kLatin);
      settext(app, letter ? TextKind::kLetter : TextKind::kEnglish, 1);
    }
    app.text.buffer.clear();
  }
};

Drawing& drawing() {
  static Drawing d;
  return d;
}

void BM_RepaintTexts(benchmark::State& state) {
  Drawing& d = drawing();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QtDc dc(image);
    paint_cycle(d.app, dc);
  }
  state.SetItemsProcessed(state.iterations() * kElements * 50);
}

// One character as Qt alone draws it: where, in which font, turned how.
struct Glyph {
  QPointF at;
  QString text;
  double angle;
};
struct Run {
  QFont font;
  int ascent;
  std::vector<Glyph> glyphs;
};

// The characters of every element where the real path puts them, laid out
// once beforehand.
std::vector<Run> runs() {
  Drawing& d = drawing();
  App& app = d.app;
  QImage scratch(1, 1, QImage::Format_RGB32);
  QtDc dc(scratch);
  center_view_on_client(app);
  std::vector<Run> out;
  for (TextKind kind : {TextKind::kEnglish, TextKind::kLetter}) {
    const int count = totaltext(app, kind, 1);
    for (int n = 1; n <= count; ++n) {
      TextRecord r;
      const std::string bytes = *gettextstr(app, kind, n, r, 1);
      const std::vector<CharCell> cells = textlayout(app, dc, r, bytes, kind);
      const QFont font = qfont_for(r.font);
      Run run{font, QFontMetrics(font).ascent(), {}};
      for (const CharCell& c : cells) {
        const IntPoint s = to_screen(app, c.p1.x, c.p1.y);
        run.glyphs.push_back({QPointF(s.x, s.y),
                              QString::fromStdString(cp932_to_utf8(std::string(c.bytes))),
                              -r.font.escapement / 10.0});
      }
      out.push_back(std::move(run));
    }
  }
  return out;
}

void BM_QtDrawsTheSameCharacters(benchmark::State& state) {
  const std::vector<Run> all = runs();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(Qt::black);
    for (const Run& run : all) {
      p.setFont(run.font);
      for (const Glyph& g : run.glyphs) {
        if (g.angle == 0) {
          p.drawText(QPointF(g.at.x(), g.at.y() + run.ascent), g.text);
          continue;
        }
        p.save();
        p.translate(g.at);
        p.rotate(g.angle);
        p.drawText(QPointF(0, run.ascent), g.text);
        p.restore();
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kElements * 50);
}

BENCHMARK(BM_RepaintTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtDrawsTheSameCharacters)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

int main(int argc, char** argv) { return daub::bench::run_with_qt(argc, argv); }
