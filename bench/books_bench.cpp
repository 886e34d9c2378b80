// Reading and printing books. Turning a page (command 242) reads the page
// file whole, validates it, makes it the drawing and repaints it in display
// mode 0 through QtDc onto a QImage, as the window does. Measured on each
// page of the sample book and on a page file of about 1 MB (10,000 lines);
// beside the latter, the raw anchor reads the same file with fread and has
// plain QPainter draw its lines from the records. Writing the whole sample
// book to a PDF file (six A4 pages through QPrinter) is measured beside
// plain QPainter writing six empty pages.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <cstdio>
#include <filesystem>
#include <random>

#include "drawing/drawing_file.h"
#include "drawing/lines.h"
#include "model/app.h"
#include "platform/atomic_file.h"
#include "platform/clipboard.h"
#include "platform/script_ui.h"
#include "qt/qt_dc.h"
#include "qt/qt_print.h"
#include "reading/page_files.h"
#include "reading/page_print.h"
#include "shell/startup.h"
#include "shell/window.h"

namespace daub {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 630, kHeight = 891;  // an A4 page of the lattice at scale 1
constexpr int kBigLines = 10000;

// A reader: every repaint renders the whole page into an image.
struct Reader {
  ScriptUi ui{nullptr};
  MemoryClipboard clipboard;
  App app{ui, clipboard};
  QImage screen{kWidth, kHeight, QImage::Format_RGB32};

  explicit Reader(const std::string& folder, const std::string& page) {
    app.view.client_width = kWidth;
    app.view.client_height = kHeight;
    FileInit(app);
    for (CanvasSlot& slot : app.canvases.slots) slot.shown = 0;
    ui.set_repaint_hook([this] {
      screen.fill(Qt::white);
      QtDc dc(screen);
      on_paint(app, dc);
    });
    app.files.page_folder = folder;
    app.files.pagename = page;
    storedrawdata(app);
    app.in.dispmode = 0;
  }
  // Turns to page n from the page before it and repaints, as the window
  // does once the command's events are handled.
  void turn_to(int n) {
    app.reading.pageno = n - 1;
    setpagenumber(n - 1, app.files.pagename);
    on_command(app, 242);
    ui.flush_repaint();
  }
};

std::string sample_book() { return DAUBERY_SAMPLE_BOOK; }

// A book of two pages: an empty page 0 and a page 1 of 10,000 straight lines.
struct BigBook {
  std::string folder = (fs::temp_directory_path() / "daubery-books-bench").string();
  std::string page1;
  BigBook() {
    fs::create_directories(folder);
    ScriptUi ui{nullptr};
    MemoryClipboard clipboard;
    App app{ui, clipboard};
    FileInit(app);
    write_file_atomically(folder + "/big0000.skl", app.drawing.data(), app.drawing.used());
    std::mt19937 random(14);
    for (int i = 0; i < kBigLines; ++i) {
      LineRecord line, out;
      line.pen.width = 1;
      line.geom = {double(random() % kWidth),
                   double(random() % kHeight),
                   0,
                   double(random() % kWidth),
                   double(random() % kHeight),
                   0,
                   kShapeStraight};
      int n = 0;
      setskl(app, line, out, n, 1, GeometryCheck::kTrusted);
    }
    page1 = folder + "/big0001.skl";
    write_file_atomically(page1, app.drawing.data(), app.drawing.used());
  }
  ~BigBook() { fs::remove_all(folder); }
};

BigBook& big_book() {
  static BigBook b;
  return b;
}

void BM_TurnToSamplePage(benchmark::State& state) {
  Reader r(sample_book(), "text0000.skl");
  const int page = static_cast<int>(state.range(0));
  const int paints = r.ui.paint_count();
  for (auto _ : state) r.turn_to(page);
  if (r.app.reading.pageno != page || r.ui.paint_count() == paints)
    state.SkipWithError("the page was not read and painted");
  state.SetBytesProcessed(state.iterations() *
                          static_cast<std::int64_t>(r.app.drawing.allocated()));
}
BENCHMARK(BM_TurnToSamplePage)->DenseRange(1, 5)->Unit(benchmark::kMillisecond);

void BM_TurnToOneMegabytePage(benchmark::State& state) {
  BigBook& b = big_book();
  Reader r(b.folder, "big0000.skl");
  const int paints = r.ui.paint_count();
  for (auto _ : state) r.turn_to(1);
  if (r.app.reading.pageno != 1 || r.ui.paint_count() == paints)
    state.SkipWithError("the page was not read and painted");
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(b.page1)));
}
BENCHMARK(BM_TurnToOneMegabytePage)->Unit(benchmark::kMillisecond);

// Only the reading and validating part of a turn.
void BM_ReadAndValidateOneMegabytePage(benchmark::State& state) {
  BigBook& b = big_book();
  for (auto _ : state) {
    auto bytes = read_whole_file(b.page1);
    benchmark::DoNotOptimize(is_valid_drawing(*bytes));
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(b.page1)));
}
BENCHMARK(BM_ReadAndValidateOneMegabytePage)->Unit(benchmark::kMillisecond);

// The raw anchor: fread the file and draw its lines with plain QPainter,
// walking the records by their size without any check.
void BM_RawReadAndQPainterLines(benchmark::State& state) {
  BigBook& b = big_book();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  const std::size_t size = fs::file_size(b.page1);
  std::vector<std::uint8_t> bytes(size);
  for (auto _ : state) {
    std::FILE* f = std::fopen(b.page1.c_str(), "rb");
    benchmark::DoNotOptimize(std::fread(bytes.data(), 1, size, f));
    std::fclose(f);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    // The lines follow the 20-byte header and the 24-byte layer.
    for (std::size_t at = 44; at + sizeof(LineRecord) <= size; at += sizeof(LineRecord)) {
      LineRecord line;
      std::memcpy(&line, bytes.data() + at, sizeof line);
      p.drawLine(QPointF(line.geom.x0, line.geom.y0), QPointF(line.geom.x1, line.geom.y1));
    }
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(size));
}
BENCHMARK(BM_RawReadAndQPainterLines)->Unit(benchmark::kMillisecond);

void BM_SampleBookToPdf(benchmark::State& state) {
  const std::string pdf = (fs::temp_directory_path() / "daubery-bench-book.pdf").string();
  for (auto _ : state) {
    Reader r(sample_book(), "text0000.skl");
    std::unique_ptr<PrintJob> job = make_pdf_print_job(pdf);
    bool complete = false;
    print_pages(r.app, *job, PageRange{0, 5, 1}, PageParams::kOwnPage, complete);
    if (!complete) state.SkipWithError("the book was not printed");
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(pdf));
  fs::remove(pdf);
}
BENCHMARK(BM_SampleBookToPdf)->Unit(benchmark::kMillisecond);

// The anchor: the same printer writing six empty A4 pages with QPainter.
void BM_QPainterSixEmptyPdfPages(benchmark::State& state) {
  const std::string pdf = (fs::temp_directory_path() / "daubery-bench-empty.pdf").string();
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    printer.setResolution(kPrintDpi);
    QPainter p(&printer);
    for (int page = 1; page < 6; ++page) printer.newPage();
  }
  fs::remove(pdf);
}
BENCHMARK(BM_QPainterSixEmptyPdfPages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace daub

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
