// Entry: the window, or with --headless a script run without a screen.

#include <QApplication>
#include <QGuiApplication>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "app/headless.h"
#include "app/main_window.h"

namespace {

struct Options {
  bool headless = false;
  std::string script;
  int width = 800;
  int height = 600;
  bool ok = true;
};

// A side of the client area: a whole number 1..16384, nothing else (a number
// past the int range must not wrap into a small one).
bool parse_side(const char* text, int& side) {
  const char* end = text + std::strlen(text);
  auto [stop, ec] = std::from_chars(text, end, side);
  return ec == std::errc() && stop == end && side >= 1 && side <= 16384;
}

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--headless") {
      o.headless = true;
    } else if (a == "--script" && i + 1 < argc) {
      o.script = argv[++i];
    } else if (a == "--size" && i + 2 < argc) {
      const bool width_ok = parse_side(argv[++i], o.width);
      const bool height_ok = parse_side(argv[++i], o.height);
      o.ok = o.ok && width_ok && height_ok;
    } else {
      o.ok = false;
    }
  }
  if (o.headless && o.script.empty()) o.ok = false;
  return o;
}

constexpr const char* kUsage =
    "usage: daubery [--headless --script FILE [--size W H]]  (W and H: 1..16384 pixels)\n";

bool has_display() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

// Qt takes the C library's locale from the environment when it starts; numbers
// in dialogs, files and messages are always written and read with a point.
void use_decimal_point() { std::setlocale(LC_NUMERIC, "C"); }

}  // namespace

int main(int argc, char** argv) {
  Options o = parse(argc, argv);
  if (!o.ok) {
    std::cerr << kUsage;
    return 2;
  }
  if (o.headless) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication qapp(argc, argv);
    use_decimal_point();
    return daub::run_headless(o.script, o.width, o.height);
  }
  if (!has_display()) {
    std::cerr << "daubery: there is no display to open the window on.\n"
                 "To run without a screen, use: daubery --headless --script FILE [--size W H]\n";
    return 2;
  }
  QApplication qapp(argc, argv);
  use_decimal_point();
  if (daub::install_japanese_translations(qapp) == nullptr)
    std::cerr << "daubery: Qt's Japanese translations are not installed "
                 "(qt6-translations-l10n); its dialogs speak English.\n";
  return daub::run_window();
}
