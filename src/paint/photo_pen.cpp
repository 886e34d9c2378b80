#include "paint/photo_pen.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

#include "model/app.h"
#include "paint/stroke.h"
#include "picture/dib.h"
#include "platform/dialog.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "resources/dialogs.h"

namespace daub {
namespace {

constexpr int kWidth = 967;
constexpr int kBlur = 969;
constexpr int kDensity = 971;
constexpr int kRatio = 973;
constexpr int kPlainEnds = 975;  // 975..977: end type 0..2
constexpr int kStartEnd = 978;   // 978..980: tapered end 0..2
constexpr int kTest = 981;

constexpr double kDialogMaxBlur = 2.0;
constexpr double kNoMaxBlur = std::numeric_limits<double>::infinity();

// Where the dialog shows its test stroke.
constexpr int kSampleX = 100;
constexpr int kSampleY = 170;

constexpr int kSampleWidth = 150;
constexpr int kSampleHeight = 80;

// Which of the three radio buttons from `first` on is checked (0 when none).
int checked_of_three(const DialogState& state, int first) {
  for (int k = 0; k < 3; ++k)
    if (state.checked(first + k)) return k;
  return 0;
}

int within_0_to_2(int v) { return v >= 0 && v <= 2 ? v : 0; }

class PhotoPenProc : public DialogProc {
 public:
  explicit PhotoPenProc(App& app) : app_(app) {}

  void init(DialogState& state) override { show(state, app_.brush); }

  void command(DialogState& state, int id) override {
    if (id == kIdOk) {
      app_.brush = read(state);
      state.end(1);
    } else if (id == kIdCancel) {
      state.end(0);
    } else if (id == kTest) {
      read(state);
      state.request_preview();
    }
  }

  void paint(DialogState& state, Dc& dc) override {
    draw_brush_sample(app_, dc, kSampleX, kSampleY, read(state), 0x000000);
  }

 private:
  static void show(DialogState& state, const BrushParams& b) {
    state.set_text(kWidth, printf_text("%5.1lf", b.width));
    state.set_text(kBlur, printf_text("%4.2lf", b.blur));
    state.set_text(kDensity, printf_text("%4.2lf", b.density));
    state.set_text(kRatio, printf_text("%4.2lf", b.taper_ratio));
    state.check_radio(kPlainEnds, kPlainEnds + 2, kPlainEnds + within_0_to_2(b.end_type));
    state.check_radio(kStartEnd, kStartEnd + 2, kStartEnd + within_0_to_2(b.tapered_end));
  }

  // The fields within their limits, written back as they will be used.
  BrushParams read(DialogState& state) const {
    BrushParams b = app_.brush;
    b.width = state.number(kWidth, b.width);
    b.blur = state.number(kBlur, b.blur);
    b.density = state.number(kDensity, b.density);
    b.taper_ratio = state.number(kRatio, b.taper_ratio);
    b.end_type = checked_of_three(state, kPlainEnds);
    b.tapered_end = checked_of_three(state, kStartEnd);
    b = clamp_brush(b, kDialogMaxBlur);
    show(state, b);
    return b;
  }

  App& app_;
};

}  // namespace

int draw_brush_sample(App& app, Dc& dc, int x, int y, const BrushParams& brush, Colorref color) {
  std::optional<Dib> sample = MakeDIB(app, kSampleWidth, kSampleHeight, 0xFFFFFF);
  if (!sample) return 0;
  std::optional<CanvasView> view = canvas_view(*sample);
  if (!view) return 0;
  // The stroke is laid with the app's brush and colour, lent for the sample.
  const BrushParams saved_brush = app.brush;
  const Colorref saved_color = app.settings.color;
  app.brush = brush;
  app.settings.color = color;
  paint_straight_stroke(app, {20, 40}, {130, 40}, *view, {0, 0}, BlendKind::kColor);
  app.brush = saved_brush;
  app.settings.color = saved_color;
  return DispBmp(app, dc, *sample, x, y);
}

BrushParams clamp_brush(BrushParams b, double max_blur) {
  b.width = std::max(b.width, 0.0);
  b.blur = std::clamp(b.blur, 0.0, max_blur);
  b.density = std::clamp(b.density, 0.0, 1.0);
  b.taper_ratio = std::max(b.taper_ratio, 0.0);
  return b;
}

int photo_pen_dialog(App& app) {
  PhotoPenProc proc(app);
  return app.ui.run_dialog(photopeninputbox_template(), proc) == 1 ? 1 : 0;
}

int photo_pen_input(App& app) {
  BrushParams& b = app.brush;
  if (input_box(app.ui, app.input, "写真用ペン幅，ペンぼかし係数，ペン濃度",
                printf_text("%5.1lf,%4.1lf,%5.2lf", b.width, b.blur, b.density)) != 1)
    return 0;
  double width = 0, blur = 0, density = 0;
  if (std::sscanf(app.input.buffer.c_str(), "%lf,%lf,%lf", &width, &blur, &density) != 3) return 0;
  // A brush that is not a number would lay nothing sensible anywhere.
  if (!std::isfinite(width) || !std::isfinite(blur) || !std::isfinite(density)) return 0;
  BrushParams entered = b;
  entered.width = width;
  entered.blur = blur;
  entered.density = density;
  b = clamp_brush(entered, kNoMaxBlur);
  return 1;
}

int photo_pen_ends_input(App& app) {
  BrushParams& b = app.brush;
  if (input_box(app.ui, app.input,
                "端タイプ(しない=0 細め=1 ぼかし=2)，指定端(始点=0 終点=1 両端=2)，細線化長/線幅",
                printf_text("%2d,%2d,%5.1lf", b.end_type, b.tapered_end, b.taper_ratio)) != 1)
    return 0;
  int end_type = 0, tapered_end = 0;
  double ratio = 0;
  if (std::sscanf(app.input.buffer.c_str(), "%d,%d,%lf", &end_type, &tapered_end, &ratio) != 3)
    return 0;
  if (!std::isfinite(ratio)) return 0;
  b.end_type = within_0_to_2(end_type);
  b.tapered_end = within_0_to_2(tapered_end);
  b.taper_ratio = ratio;
  return 1;
}

}  // namespace daub
