#include "render/pen_dialogs.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <type_traits>

#include "drawing/selection.h"
#include "geometry/angle.h"
#include "model/app.h"
#include "model/settings.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "render/line_painters.h"
#include "render/pens.h"
#include "render/view.h"
#include "resources/dialogs.h"

namespace daub {
namespace {

constexpr int kSolid = 975;
constexpr int kDotted = 976;
constexpr int kWidth = 967;
constexpr int kDotLength = 969;
constexpr int kStartLength = 971;
constexpr int kLineBits = 973;
constexpr int kTest = 981;
constexpr int kStandardPens = 999;
constexpr int kColor = 1024;

// The pattern buttons and the standard pen each one stands for.
struct PatternButton {
  int id;
  int row;  // index into standard_pens()
};
constexpr PatternButton kPatternButtons[] = {{982, 1}, {983, 3}, {996, 5}};

// The standard-pen chooser's buttons, in the order of standard_pens().
constexpr int kStandardPenButtons[] = {981, 982, 983, 996, 997, 998, 999};

// The check boxes of PENPARAMCHANGEBOX and the parts of the pen they copy.
struct PartBox {
  int id;
  unsigned parts;
};
constexpr PartBox kPenPartBoxes[] = {
    {1038, kPenWidth}, {1039, kPenStyle | kPenDots}, {1040, kPenColor}};

// PENINPUTBOX, and PENPARAMCHANGEBOX when there is a place for the parts
// its check boxes choose.
class PenInputProc : public DialogProc {
 public:
  explicit PenInputProc(App& app, unsigned* parts = nullptr)
      : app_(app), fields_(app), parts_(parts) {}

  void init(DialogState& state) override { fields_.init(state); }

  void command(DialogState& state, int id) override {
    if (id == kIdOk) {
      fields_.store(state);
      refresh_pens(app_.settings);
      if (parts_ != nullptr) {
        *parts_ = 0;
        for (const PartBox& box : kPenPartBoxes)
          if (state.checked(box.id)) *parts_ |= box.parts;
      }
      state.end(1);
    } else if (id == kIdCancel) {
      state.end(0);
    } else {
      fields_.command(state, id);
    }
  }

  void paint(DialogState& state, Dc& dc) override { fields_.paint(state, dc); }

 private:
  App& app_;
  PenFields fields_;
  unsigned* parts_;
};

class StandardPenProc : public DialogProc {
 public:
  void init(DialogState&) override {}
  void command(DialogState& state, int id) override {
    for (int row = 0; row < static_cast<int>(std::size(kStandardPenButtons)); ++row)
      if (id == kStandardPenButtons[row]) state.end(row + 1);
    if (id == kIdCancel) state.end(0);
  }
};

// The three channels of a colour.
struct Rgb {
  int r = 0, g = 0, b = 0;
};
constexpr int kRed = 967;
constexpr int kGreen = 969;
constexpr int kBlue = 971;
constexpr int kChooser = 982;

class ColorInputProc : public DialogProc {
 public:
  explicit ColorInputProc(App& app) : app_(app) {}

  void init(DialogState& state) override { show(state, app_.settings.color); }

  void command(DialogState& state, int id) override {
    if (id == kIdOk) {
      Rgb c = entered(state);
      app_.settings.color = static_cast<Colorref>(c.r + 256 * c.g + 65536 * c.b);
      refresh_pens(app_.settings);
      state.end(1);
    } else if (id == kIdCancel) {
      state.end(0);
    } else if (id == kChooser) {
      if (auto chosen = pick_color(app_)) show(state, *chosen);
    } else if (id == kTest) {
      state.request_preview();
    }
  }

  void paint(DialogState& state, Dc& dc) override {
    Rgb c = entered(state);
    dc.fill_rect(50, 170, 150, 240, rgb(c.r, c.g, c.b));
  }

 private:
  static void show(DialogState& state, Colorref c) {
    state.set_text(kRed, printf_text("%d", static_cast<int>(c & 255)));
    state.set_text(kGreen, printf_text("%d", static_cast<int>((c >> 8) & 255)));
    state.set_text(kBlue, printf_text("%d", static_cast<int>((c >> 16) & 255)));
  }

  // The fields clamped to 0..255; a field without a number keeps the
  // channel of the current colour.
  Rgb entered(const DialogState& state) const {
    Colorref now = app_.settings.color;
    auto channel = [&](int id, int shift) {
      int value = static_cast<int>((now >> shift) & 255);
      std::sscanf(state.text(id).c_str(), "%d", &value);
      return value < 0 ? 0 : value > 255 ? 255 : value;
    };
    return Rgb{channel(kRed, 0), channel(kGreen, 8), channel(kBlue, 16)};
  }

  App& app_;
};

// Pen settings changed through ask_value: stored, then the refresh step.
int ask_pen_value(App& app, const std::string& prompt, std::int32_t& field) {
  if (!ask_value(app, prompt, "%d", field)) return 0;
  refresh_pens(app.settings);
  return 1;
}

}  // namespace

std::optional<Colorref> pick_color(App& app) {
  std::optional<Colorref> chosen = app.ui.choose_color(app.last_chosen_color);
  if (chosen) app.last_chosen_color = *chosen;
  return chosen;
}

void PenFields::init(DialogState& state) {
  const Settings& s = app_.settings;
  state.check_radio(kSolid, kDotted, s.pen_style == 1 ? kDotted : kSolid);
  state.set_text(kWidth, printf_text("%5.1lf", static_cast<double>(s.pen_width)));
  state.set_text(kDotLength, printf_text("%4.2lf", s.dot_length));
  state.set_text(kStartLength, printf_text("%4.2lf", s.start_length));
  std::string bits;
  line_bits_to_string(s.line_bit_count, s.line_bits, bits);
  state.set_text(kLineBits, bits);
  color_ = s.color;
}

bool PenFields::command(DialogState& state, int id) {
  for (const PatternButton& b : kPatternButtons) {
    if (id != b.id) continue;
    show_pattern(state, standard_pens()[b.row].pattern());
    state.request_preview();
    return true;
  }
  if (id == kStandardPens) {
    int row = standard_pen_dialog(app_);
    if (row >= 0) show_pattern(state, standard_pens()[row].pattern());
  } else if (id == kColor) {
    if (auto chosen = pick_color(app_)) color_ = *chosen;
  } else if (id != kTest) {
    return false;
  }
  state.request_preview();
  return true;
}

void PenFields::show_pattern(DialogState& state, const PenPattern& pen) {
  state.check_radio(kSolid, kDotted, pen.style == 1 ? kDotted : kSolid);
  state.set_text(kDotLength, printf_text("%4.2lf", pen.dot_length));
  state.set_text(kStartLength, printf_text("%4.2lf", pen.start_length));
  state.set_text(kLineBits, pen.line_bits);
}

PenRecord PenFields::entered_pen(const DialogState& state) const {
  const Settings& s = app_.settings;
  PenRecord pen;
  pen.style = state.checked(kDotted) ? 1 : 0;
  double width = state.number(kWidth, s.pen_width);
  pen.width = trunc_to_int((width < 0 ? 0 : width) + 0.5);
  double dot = state.number(kDotLength, s.dot_length);
  pen.dot_length = dot < 0 ? 0 : dot;
  pen.start_length = state.number(kStartLength, s.start_length);
  pen.bit_count = s.line_bit_count;
  pen.bits = s.line_bits;
  line_bits_from_string(state.text(kLineBits), pen.bit_count, pen.bits);
  pen.color = color_;
  return pen;
}

void PenFields::store(const DialogState& state) {
  set_current_pen(app_.settings, entered_pen(state));
}

void PenFields::paint(const DialogState& state, Dc& dc) {
  UnitView unit(app_);
  LineRecord sample;
  sample.pen = entered_pen(state);
  sample.pen.width = sample.pen.width < 1 ? 1 : sample.pen.width;
  sample.pen.color = 0x000000;
  sample.geom.x0 = 10;
  sample.geom.y0 = 220;
  sample.geom.x1 = 110;
  sample.geom.y1 = 220;
  sample.geom.kind = kShapeStraight;
  draw_line(app_, dc, sample);
  dc.fill_rect(460, 250, 560, 280, color_);
}

int pen_input_dialog(App& app) {
  PenInputProc proc(app);
  return app.ui.run_dialog(peninputbox_template(), proc) == 1 ? 1 : 0;
}

int pen_param_change_dialog(App& app, unsigned& parts) {
  parts = 0;
  PenInputProc proc(app, &parts);
  return app.ui.run_dialog(penparamchangebox_template(), proc) == 1 ? 1 : 0;
}

int standard_pen_dialog(App& app) {
  StandardPenProc proc;
  return app.ui.run_dialog(standardpeninputbox_template(), proc) - 1;
}

int color_input_dialog(App& app) {
  ColorInputProc proc(app);
  return app.ui.run_dialog(colorinputbox_template(), proc) == 1 ? 1 : 0;
}

int pen_style_input(App& app) {
  return ask_pen_value(app, "0=実線　　1=点線", app.settings.pen_style);
}

int pen_width_input(App& app) { return ask_pen_value(app, "Data Input", app.settings.pen_width); }

int nowdotparamdlg(App& app) {
  Settings& s = app.settings;
  std::string bits;
  line_bits_to_string(s.line_bit_count, s.line_bits, bits);
  if (input_box(app.ui, app.input, "ドット長，スタート長，ラインビット",
                printf_text("%lf,%lf,%s", s.dot_length, s.start_length, bits.c_str())) != 1)
    return 0;
  const std::string& text = app.input.buffer;
  if (text.size() >= 128) return 0;
  double dot = 0, start = 0;
  char entered_bits[128] = {};
  if (std::sscanf(text.c_str(), "%lf,%lf,%127s", &dot, &start, entered_bits) != 3) return 0;
  if (!std::isfinite(dot) || !std::isfinite(start)) return 0;
  if (dot < 0.001) {
    message(app.ui, "nowdotparamdlg", "ドット長が小さすぎます");
    return 0;
  }
  s.dot_length = dot;
  s.start_length = start;
  line_bits_from_string(entered_bits, s.line_bit_count, s.line_bits);
  refresh_pens(s);
  return 1;
}

int construction_distance_input(App& app) {
  return ask_value(app, "注目距離入力", "%lf", app.construction.distance) ? 1 : 0;
}

int arc_angle_input(App& app) {
  double degrees = app.construction.arc_angle * 180.0 / kPi;
  if (!ask_value(app, "円弧分割角入力", "%lf", degrees)) return 0;
  // The arc commands divide by this angle: only a positive one can be used.
  if (!(degrees > 0)) return 0;
  app.construction.arc_angle = degrees * kPi / 180.0;
  return 1;
}

}  // namespace daub
