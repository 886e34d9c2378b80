// Entry: the window, or with --headless a script run without a screen.

#include <QApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "app/headless.h"
#include "app/main_window.h"
#include "app/print_pdf.h"

namespace {

struct Options {
  bool headless = false;
  bool print_pdf = false;
  daub::PrintPdfRequest pdf;
  std::string error;
  std::string script;
  int width = 800;
  int height = 600;
  bool ok = true;
};

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--headless") {
      o.headless = true;
    } else if (a == "--script" && i + 1 < argc) {
      o.script = argv[++i];
    } else if (a == "--print-pdf" && i + 2 < argc) {
      o.print_pdf = true;
      o.pdf.pdf = argv[++i];
      o.pdf.page = argv[++i];
    } else if (a == "--pages" && i + 1 < argc) {
      o.ok = o.ok && daub::parse_page_range(argv[++i], o.pdf, o.error);
    } else if (a == "--size" && i + 2 < argc) {
      o.width = std::atoi(argv[++i]);
      o.height = std::atoi(argv[++i]);
      o.ok = o.ok && o.width > 0 && o.height > 0 && o.width <= 16384 && o.height <= 16384;
    } else {
      o.ok = false;
    }
  }
  if (o.headless && o.script.empty()) o.ok = false;
  if (o.print_pdf && o.headless) o.ok = false;
  if (o.pdf.ranged && !o.print_pdf) o.ok = false;
  return o;
}

constexpr const char* kUsage =
    "usage: daubery [--headless --script FILE [--size W H]]\n"
    "       daubery --print-pdf OUT.pdf BOOK/page0001.skl [--pages FIRST-LAST[:STEP]]\n";

bool has_display() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
  Options o = parse(argc, argv);
  if (!o.ok) {
    if (!o.error.empty()) std::cerr << "daubery: " << o.error << "\n";
    std::cerr << kUsage;
    return 2;
  }
  if (o.print_pdf) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    return daub::run_print_pdf(o.pdf);
  }
  if (o.headless) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    return daub::run_headless(o.script, o.width, o.height);
  }
  if (!has_display()) {
    std::cerr << "daubery: there is no display to open the window on.\n"
                 "To run without a screen, use: daubery --headless --script FILE [--size W H]\n";
    return 2;
  }
  QApplication qapp(argc, argv);
  return daub::run_window();
}
