#include "tracing/tracing_inputs.h"

#include <cmath>
#include <cstdio>

#include "geometry/view_transform.h"
#include "model/app.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "render/pen_dialogs.h"

namespace daub {
namespace {

// What the factor shown in the box lacks: 1.07 shows as 1.0.
constexpr double kFactorShift = 0.07;

}  // namespace

int shadow_position_input(App& app, ShadowPlace& place) {
  const std::string shown =
      printf_text("%lf,%lf", static_cast<double>(place.x), static_cast<double>(place.y));
  if (input_box(app.ui, app.input, "ｘ座標，ｙ座標", shown) != 1) return 0;
  double x = 0, y = 0;
  if (std::sscanf(app.input.buffer.c_str(), "%lf,%lf", &x, &y) != 2) return 0;
  if (!std::isfinite(x) || !std::isfinite(y)) return 0;
  place.x = trunc_to_int(x);
  place.y = trunc_to_int(y);
  return 1;
}

int shadow_scale_input(App& app, ShadowPlace& place) {
  double scale = place.scale;
  if (!ask_value(app, "倍率入力", "%lf", scale)) return 0;
  if (!(scale > 0)) {
    message(app.ui, "CAUTION", "縮尺は正の数で指定してください");
    return 0;
  }
  place.scale = scale;
  return 1;
}

int chord_factor_input(App& app) {
  double shown = app.chord_tolerance - kFactorShift;
  if (!ask_value(app, "許容誤差入力", "%lf", shown)) return 0;
  if (!(shown + kFactorShift >= 0)) {
    message(app.ui, "CAUTION", "許容誤差は0以上で指定してください");
    return 0;
  }
  app.chord_tolerance = shown + kFactorShift;
  return 1;
}

int min_area_input(App& app) {
  return ask_value(app, "最小面積入力", "%d", app.tracing.min_area) ? 1 : 0;
}

int min_extent_input(App& app) {
  return ask_value(app, "最小サイズ入力", "%d", app.tracing.min_extent) ? 1 : 0;
}

int round_turn_input(App& app) {
  return ask_value(app, "最大丸め角度入力", "%lf", app.tracing.max_round_turn) ? 1 : 0;
}

int rounding_size_input(App& app) {
  return ask_value(app, "丸めサイズ入力", "%lf", app.tracing.rounding_size) ? 1 : 0;
}

int smoothing_input(App& app) {
  return ask_value(app, "平滑化パラメータ入力", "%lf", app.tracing.smoothing) ? 1 : 0;
}

}  // namespace daub
