#include "render/brush_dialogs.h"

#include <iterator>

#include "geometry/hatching.h"
#include "model/app.h"
#include "render/brushes.h"
#include "render/pen_dialogs.h"
#include "render/region_painters.h"
#include "resources/dialogs.h"

namespace daub {
namespace {

constexpr int kSolidBrush = 977;
constexpr int kHatchBrush = 978;
constexpr int kParallel = 979;
constexpr int kLattice = 980;
constexpr int kHatchWidth = 984;
constexpr int kHatchAngle = 986;
constexpr int kCross = 997;
constexpr int kSquare = 998;
constexpr int kStandard = 999;

// The chooser's buttons: the standard pens in their order, then the brushes.
constexpr int kPenButtons[] = {981, 982, 983, 996, 997, 998, 999};
constexpr int kFirstBrushButton = 1024;
constexpr int kChooserCancel = 1037;
// Dialog results of the chooser: a pen row + 1, or a brush row + kBrushResult.
constexpr int kBrushResult = 100;

void show_brush(DialogState& state, const BrushPattern& b) {
  state.check_radio(kSolidBrush, kHatchBrush, b.style == kBrushHatch ? kHatchBrush : kSolidBrush);
  state.check_radio(kParallel, kLattice, b.hatch_type == kHatchLattice ? kLattice : kParallel);
  state.set_text(kHatchWidth, printf_text("%4.2lf", b.hatch_width));
  state.set_text(kHatchAngle, printf_text("%4.2lf", b.hatch_angle));
}

class PenDotInputProc : public DialogProc {
 public:
  explicit PenDotInputProc(App& app) : app_(app), fields_(app) {}

  void init(DialogState& state) override {
    fields_.init(state);
    const Settings& s = app_.settings;
    show_brush(state, {s.brush_style, s.hatch_type, s.hatch_width, s.hatch_angle});
  }

  void command(DialogState& state, int id) override {
    if (id == kIdOk) {
      store(state);
      state.end(1);
    } else if (id == kIdCancel) {
      state.end(0);
    } else if (id == kCross || id == kSquare) {
      show_row(state, standard_brushes()[id == kCross ? kCrossRow : kSquareRow]);
    } else if (id == kStandard) {
      const StandardChoice c = standard_pen_brush_dialog(app_);
      if (c.kind == StandardChoice::kPen)
        fields_.show_pattern(state, standard_pens()[c.row].pattern());
      if (c.kind == StandardChoice::kBrush) show_row(state, standard_brushes()[c.row]);
      state.request_preview();
    } else {
      fields_.command(state, id);
    }
  }

  // The pen sample and colour swatch, then the entered brush in its rectangle.
  void paint(DialogState& state, Dc& dc) override {
    fields_.paint(state, dc);
    UnitView unit(app_);
    const std::vector<DPoint> box = {{270, 180}, {420, 180}, {420, 280}, {270, 280}};
    paint_region(app_, dc, box, entered_fill(state));
  }

 private:
  void show_row(DialogState& state, const StandardBrush& row) {
    fields_.show_pattern(state, row.pen);
    show_brush(state, row.brush);
    state.request_preview();
  }

  RegionParam entered_fill(const DialogState& state) const {
    const Settings& s = app_.settings;
    RegionParam fill;
    fill.hatch_pen = fields_.entered_pen(state);
    fill.color = fill.hatch_pen.color;
    fill.brush_style = state.checked(kHatchBrush) ? kBrushHatch : kBrushSolid;
    fill.hatch_type = state.checked(kLattice) ? kHatchLattice : kHatchParallel;
    const double width = state.number(kHatchWidth, s.hatch_width);
    fill.hatch_width = width < 0 ? 0 : width;
    fill.hatch_angle = state.number(kHatchAngle, s.hatch_angle);
    return fill;
  }

  void store(const DialogState& state) {
    const RegionParam fill = entered_fill(state);
    fields_.store(state);
    Settings& s = app_.settings;
    s.brush_style = fill.brush_style;
    s.hatch_type = fill.hatch_type;
    s.hatch_width = fill.hatch_width;
    s.hatch_angle = fill.hatch_angle;
    refresh_pens(s);
  }

  App& app_;
  PenFields fields_;
};

class StandardPenBrushProc : public DialogProc {
 public:
  void init(DialogState&) override {}
  void command(DialogState& state, int id) override {
    for (int row = 0; row < static_cast<int>(std::size(kPenButtons)); ++row)
      if (id == kPenButtons[row]) state.end(row + 1);
    const int brush = id - kFirstBrushButton;
    if (brush >= 0 && brush < static_cast<int>(standard_brushes().size()))
      state.end(kBrushResult + brush);
    if (id == kChooserCancel || id == kIdCancel) state.end(0);
  }
};

}  // namespace

int pen_dot_input_dialog(App& app) {
  PenDotInputProc proc(app);
  return app.ui.run_dialog(pendotinputbox_template(), proc) == 1 ? 1 : 0;
}

StandardChoice standard_pen_brush_dialog(App& app) {
  StandardPenBrushProc proc;
  const int result = app.ui.run_dialog(standardpendotinputbox_template(), proc);
  if (result >= kBrushResult) return {StandardChoice::kBrush, result - kBrushResult};
  if (result >= 1) return {StandardChoice::kPen, result - 1};
  return {};
}

int brush_style_input(App& app) {
  if (!ask_value(app, "0=単色ブラシ 1=ハッチブラシ", "%d", app.settings.brush_style)) return 0;
  refresh_pens(app.settings);
  return 1;
}

int hatch_param_input(App& app) {
  Settings& s = app.settings;
  if (input_box(app.ui, app.input, "ハッチタイプ，ハッチ幅，ハッチ角",
                printf_text("%2d,%5.1lf,%6.1lf", s.hatch_type, s.hatch_width, s.hatch_angle)) != 1)
    return 0;
  int type = 0;
  double width = 0, angle = 0;
  if (std::sscanf(app.input.buffer.c_str(), "%d,%lf,%lf", &type, &width, &angle) != 3) return 0;
  s.hatch_type = type;
  s.hatch_width = width;
  s.hatch_angle = angle;
  refresh_pens(s);
  return 1;
}

}  // namespace daub
