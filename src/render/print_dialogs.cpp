#include "render/print_dialogs.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "geometry/view_transform.h"
#include "picture/dib.h"
#include "platform/dc.h"
#include "platform/dialog.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "render/pen_dialogs.h"
#include "resources/dialogs.h"

namespace daub {

namespace {

constexpr int kFirst = 967;
constexpr int kSecond = 969;
constexpr int kThird = 971;
constexpr int kTest = 981;
constexpr int kLatticeColor = 1024;
constexpr const char* kFieldFormat = "%6.2lf";

// The preview: gray backing, the page at (20, 20), 200 pixels on its longer side.
constexpr int kPreviewSize = 280;
constexpr int kPreviewMargin = 20;
constexpr double kPreviewPage = 200.0;
constexpr Colorref kPreviewGray = 0xBFBFBF;
constexpr Colorref kLatticeOutline = 0x00FFFF;
constexpr Colorref kCanvasOutline = 0x7F00FF;

void show_three(DialogState& state, double a, double b, double c, const char* format) {
  state.set_text(kFirst, printf_text(format, a));
  state.set_text(kSecond, printf_text(format, b));
  state.set_text(kThird, printf_text(format, c));
}

// Reads the print fields (keeping `shown` where one does not read) and shows
// what was read.
PrintParams read_print_fields(DialogState& state, const PrintParams& shown) {
  PrintParams p{state.number(kFirst, shown.x), state.number(kSecond, shown.y),
                state.number(kThird, shown.magnification)};
  p.magnification = std::max(p.magnification, 0.0);
  show_three(state, p.x, p.y, p.magnification, kFieldFormat);
  return p;
}

PrintParams settings_print_params(const Settings& s) {
  return {s.print_origin_x, s.print_origin_y, s.print_magnification};
}

// The outline of a rectangle, right and bottom exclusive, in one colour.
void outline(Dc& dc, int left, int top, int width, int height, Colorref color) {
  DcSelection keep(dc);
  dc.set_pen(DcPen{kPenSolid, 1, color});
  dc.set_brush(DcBrush{BrushKind::kNull, 0});
  dc.rectangle(left, top, left + width, top + height);
}

// PRINTPARAMINPUTBOX and DBRYPRINTDLG: the same fields; the second has a
// page to preview and a drag that moves the origin.
class PrintParamProc : public DialogProc {
 public:
  PrintParamProc(App& app, int width, int height) : app_(app), width_(width), height_(height) {}

  void init(DialogState& state) override {
    shown_ = settings_print_params(app_.settings);
    show_three(state, shown_.x, shown_.y, shown_.magnification, kFieldFormat);
    if (width_ > 0) state.request_preview();
  }

  void command(DialogState& state, int id) override {
    if (id == kIdCancel) state.end(0);
    if (id != kIdOk && id != kTest) return;
    shown_ = read_print_fields(state, shown_);
    if (id == kTest) state.request_preview();
    if (id != kIdOk) return;
    app_.settings.print_origin_x = shown_.x;
    app_.settings.print_origin_y = shown_.y;
    app_.settings.print_magnification = shown_.magnification;
    state.end(1);
  }

  void paint(DialogState& state, Dc& dc) override {
    if (width_ > 0)
      paint_print_preview(app_, dc, read_print_fields(state, shown_), width_, height_);
  }

  void drag(DialogState& state, int dx, int dy) override {
    if (width_ <= 0) return;
    shown_ = dragged_print_params(read_print_fields(state, shown_), dx, dy, width_, height_);
    show_three(state, shown_.x, shown_.y, shown_.magnification, kFieldFormat);
    state.request_preview();
  }

 private:
  App& app_;
  int width_;
  int height_;
  PrintParams shown_;
};

// Clamps a typed page number into int; keeps `current` when none is read.
int read_page_field(const DialogState& state, int id, int current) {
  const std::string text = state.text(id);
  char* end = nullptr;
  const long long n = std::strtoll(text.c_str(), &end, 10);
  if (end == text.c_str()) return current;
  return static_cast<int>(std::clamp<long long>(n, INT_MIN, INT_MAX));
}

class ContinuousPrintProc : public DialogProc {
 public:
  explicit ContinuousPrintProc(App& app) : app_(app) {}

  void init(DialogState& state) override {
    const Reading& r = app_.reading;
    show(state, r.printfirst, r.printlast, r.printstep);
  }

  void command(DialogState& state, int id) override {
    if (id == kIdCancel) state.end(0);
    if (id != kIdOk && id != kTest) return;
    Reading& r = app_.reading;
    int first = std::max(read_page_field(state, kFirst, r.printfirst), 0);
    int last = std::max(read_page_field(state, kSecond, r.printlast), first);
    int step = std::max(read_page_field(state, kThird, r.printstep), 1);
    show(state, first, last, step);
    if (id != kIdOk) return;
    r.printfirst = first;
    r.printlast = last;
    r.printstep = step;
    state.end(1);
  }

 private:
  static void show(DialogState& state, int first, int last, int step) {
    state.set_text(kFirst, printf_text("%d", first));
    state.set_text(kSecond, printf_text("%d", last));
    state.set_text(kThird, printf_text("%d", step));
  }

  App& app_;
};

// Width, height and interval of the lattice, none below 1.
struct LatticeSize {
  double width = 0;
  double height = 0;
  double interval = 0;
};

constexpr double kLatticeFloor = 1.0;

LatticeSize floored(LatticeSize s) {
  return {std::max(s.width, kLatticeFloor), std::max(s.height, kLatticeFloor),
          std::max(s.interval, kLatticeFloor)};
}

struct LatticePreset {
  int id;
  double width;
  double height;
};
constexpr LatticePreset kLatticePresets[] = {
    {982, 630.0, 891.0}, {983, 445.5, 630.0}, {996, 315.0, 445.5},
    {997, 891.0, 630.0}, {998, 630.0, 445.5}, {999, 445.5, 315.0},
};

class LatticeProc : public DialogProc {
 public:
  explicit LatticeProc(App& app) : app_(app) {}

  void init(DialogState& state) override {
    const Settings& s = app_.settings;
    shown_ = {s.lattice_width, s.lattice_height, s.lattice_interval};
    color_ = s.lattice_pen.color;
    show_three(state, shown_.width, shown_.height, shown_.interval, kFieldFormat);
  }

  void command(DialogState& state, int id) override {
    if (id == kIdCancel) state.end(0);
    if (id == kLatticeColor)
      if (std::optional<Colorref> c = pick_color(app_)) color_ = *c;
    for (const LatticePreset& p : kLatticePresets) {
      if (id != p.id) continue;
      state.set_text(kFirst, printf_text(kFieldFormat, p.width));
      state.set_text(kSecond, printf_text(kFieldFormat, p.height));
    }
    if (id != kIdOk && id != kTest) return;
    shown_ = floored({state.number(kFirst, shown_.width), state.number(kSecond, shown_.height),
                      state.number(kThird, shown_.interval)});
    show_three(state, shown_.width, shown_.height, shown_.interval, kFieldFormat);
    if (id != kIdOk) return;
    Settings& s = app_.settings;
    s.lattice_width = shown_.width;
    s.lattice_height = shown_.height;
    s.lattice_interval = shown_.interval;
    s.lattice_pen.color = color_;
    state.end(1);
  }

 private:
  App& app_;
  LatticeSize shown_;
  Colorref color_ = 0;
};

}  // namespace

void paint_print_preview(App& app, Dc& dc, const PrintParams& p, int width, int height) {
  dc.fill_rect(0, 0, kPreviewSize, kPreviewSize, kPreviewGray);
  if (width <= 0 || height <= 0) return;
  const double k = kPreviewPage / std::max(width, height);
  const double k2 = k * p.magnification;
  const int m = kPreviewMargin;
  dc.fill_rect(m, m, m + trunc_to_int(k * width), m + trunc_to_int(k * height), 0xFFFFFF);
  const Settings& s = app.settings;
  outline(dc, trunc_to_int(k2 * p.x + m), trunc_to_int(k2 * p.y + m),
          trunc_to_int(k2 * s.lattice_width), trunc_to_int(k2 * s.lattice_height), kLatticeOutline);
  const CanvasSlot& canvas = app.canvases.slots[0];
  const DibInfo info = canvas.image.empty() ? DibInfo{} : dib_info(canvas.image);
  if (info.width <= 0 || info.height <= 0) return;
  outline(dc, trunc_to_int(k2 * p.x + k2 * canvas.x + m),
          trunc_to_int(k2 * p.y + k2 * canvas.y + m), trunc_to_int(k2 * info.width),
          trunc_to_int(k2 * info.height), kCanvasOutline);
}

PrintParams dragged_print_params(PrintParams p, int dx, int dy, int width, int height) {
  if (width <= 0 || height <= 0) return p;
  const double per_unit = kPreviewPage / std::max(width, height) * p.magnification;
  if (!(per_unit > 0)) return p;
  p.x += dx / per_unit;
  p.y += dy / per_unit;
  return p;
}

int dbryprintdlg(App& app, int width, int height) {
  PrintParamProc proc(app, width, height);
  return app.ui.run_dialog(dbryprintdlg_template(), proc) == 1 ? 1 : 0;
}

int print_param_dialog(App& app) {
  PrintParamProc proc(app, 0, 0);
  return app.ui.run_dialog(printparaminputbox_template(), proc) == 1 ? 1 : 0;
}

int continuous_print_dialog(App& app) {
  ContinuousPrintProc proc(app);
  return app.ui.run_dialog(currentprintparaminputbox_template(), proc) == 1 ? 1 : 0;
}

int lattice_dialog(App& app) {
  LatticeProc proc(app);
  return app.ui.run_dialog(ratticeparaminputbox_template(), proc) == 1 ? 1 : 0;
}

int lattice_input(App& app) {
  Settings& s = app.settings;
  const std::string shown =
      printf_text("%lf,%lf,%lf", s.lattice_width, s.lattice_height, s.lattice_interval);
  if (input_box(app.ui, app.input, "ます目の横長，縦長，間隔", shown) != 1) return 0;
  LatticeSize read;
  if (std::sscanf(app.input.buffer.c_str(), "%lf,%lf,%lf", &read.width, &read.height,
                  &read.interval) != 3)
    return 0;
  if (!std::isfinite(read.width) || !std::isfinite(read.height) || !std::isfinite(read.interval))
    return 0;
  read = floored(read);
  s.lattice_width = read.width;
  s.lattice_height = read.height;
  s.lattice_interval = read.interval;
  return 1;
}

}  // namespace daub
