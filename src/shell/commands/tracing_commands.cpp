// Tracing: the clipboard's picture traced into the shadow, the shadow shown,
// moved, recoloured and converted into lines and regions, and the tracing
// parameters. The shadow is drawn straight onto the window after a repaint,
// so these commands end with their own drawing rather than a repaint.

#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"
#include "tracing/tracing.h"
#include "tracing/tracing_inputs.h"

namespace daub {
namespace {

bool trace_command(App& app, int id) {
  switch (id) {
    case 1001:
      trace_clipboard(app, LevelKind::kThreshold);
      return true;
    case 1002:
      trace_clipboard(app, LevelKind::kTwoLevels);
      return true;
    case 1003:
      trace_clipboard(app, LevelKind::kFourLevels);
      return true;
    case 1015:
    case 1021:
      convert_current_shadow(app, id == 1015 ? OutlineShape::kStraight : OutlineShape::kRounded);
      repaint(app);
      return true;
    case 642:
    case 870:
      trace_and_convert(app, id == 642 ? OutlineShape::kStraight : OutlineShape::kRounded);
      setdispmode(app, 2);
      return true;
    default:
      return false;
  }
}

bool shadow_command(App& app, int id) {
  switch (id) {
    case 1004:
      show_shadow(app);
      return true;
    case 1007:
      show_shadow_twice(app, ShadowStyle::kPlain);
      return true;
    case 1013:
      show_shadow_twice(app, ShadowStyle::kSmoothed);
      return true;
    case 1019:
      show_shadow(app, ShadowStyle::kSmoothed);
      return true;
    case 1016:
      app.in.mousecmd = 1016;
      draw_window_shadow(app, app.tracing.place);
      return true;
    case 1022:
    case 1023:
      recolor_outlines(app, id == 1022 ? 1 : -1);
      return true;
    case 1014:
      show_shadow_size(app);
      return true;
    default:
      return false;
  }
}

// The inputs change a value and leave the window as it is.
bool tracing_input(App& app, int id) {
  TracingState& t = app.tracing;
  switch (id) {
    case 1005:
      shadow_position_input(app, t.place);
      return true;
    case 1006:
      shadow_scale_input(app, t.place);
      return true;
    case 1008:
      shadow_position_input(app, t.second_place);
      return true;
    case 1009:
      shadow_scale_input(app, t.second_place);
      return true;
    case 1010:
      chord_factor_input(app);
      return true;
    case 1011:
      min_area_input(app);
      return true;
    case 1012:
      min_extent_input(app);
      return true;
    case 1017:
      round_turn_input(app);
      return true;
    case 1018:
      smoothing_input(app);
      return true;
    case 1020:
      rounding_size_input(app);
      return true;
    default:
      return false;
  }
}

}  // namespace

bool tracing_command(App& app, int id) {
  return trace_command(app, id) || shadow_command(app, id) || tracing_input(app, id);
}

}  // namespace daub
