// Painting mouse commands, run at release: making canvases and laying brush
// strokes on them, and freehand lines.

#include "shell/mouse_painting.h"

#include <array>

#include "model/app.h"
#include "paint/painting_strokes.h"
#include "render/view.h"
#include "shell/mouse_commands.h"

namespace daub {
namespace {

// The stroke commands come in threes, one id per canvas.
struct StrokeIds {
  std::array<int, 3> ids;
  PaintingAction action;
  BlendKind kind;
};

constexpr StrokeIds kStrokeIds[] = {
    {{1062, 1065, 1068}, PaintingAction::kFreehand, BlendKind::kColor},
    {{1063, 1066, 1069}, PaintingAction::kFreehand, BlendKind::kDarken},
    {{1064, 1067, 1070}, PaintingAction::kFreehand, BlendKind::kLighten},
    {{675, 708, 737}, PaintingAction::kStraight, BlendKind::kColor},
    {{920, 932, 944}, PaintingAction::kStraight, BlendKind::kDarken},
    {{926, 938, 950}, PaintingAction::kStraight, BlendKind::kLighten},
    {{909, 910, 911}, PaintingAction::kTwoClickCurve, BlendKind::kColor},
    {{923, 935, 947}, PaintingAction::kTwoClickCurve, BlendKind::kDarken},
    {{929, 941, 953}, PaintingAction::kTwoClickCurve, BlendKind::kLighten},
    {{892, 893, 894}, PaintingAction::kCurveFromPoint, BlendKind::kColor},
    {{921, 933, 945}, PaintingAction::kCurveFromPoint, BlendKind::kDarken},
    {{927, 939, 951}, PaintingAction::kCurveFromPoint, BlendKind::kLighten},
    {{895, 896, 897}, PaintingAction::kDragCurve, BlendKind::kColor},
    {{922, 934, 946}, PaintingAction::kDragCurve, BlendKind::kDarken},
    {{928, 940, 952}, PaintingAction::kDragCurve, BlendKind::kLighten},
    {{887, 888, 889}, PaintingAction::kColorCanvas, BlendKind::kColor},
};

constexpr Colorref kWhite = 0xFFFFFF;

}  // namespace

int slot_of(const std::array<int, 3>& ids, int id) {
  for (std::size_t k = 0; k < ids.size(); ++k)
    if (ids[k] == id) return static_cast<int>(k) + 1;
  return 0;
}

std::optional<PaintingMouse> painting_mouse(int cmd) {
  if (cmd == 904) return PaintingMouse{PaintingAction::kWhiteCanvas, 1, BlendKind::kColor};
  if (cmd == 1071) return PaintingMouse{PaintingAction::kFreehandLines, 1, BlendKind::kColor};
  for (const StrokeIds& set : kStrokeIds)
    if (const int slot = slot_of(set.ids, cmd)) return PaintingMouse{set.action, slot, set.kind};
  return std::nullopt;
}

bool painting_mouse_command(App& app, int cmd) {
  const std::optional<PaintingMouse> m = painting_mouse(cmd);
  if (!m) return false;
  switch (m->action) {
    case PaintingAction::kWhiteCanvas:
      make_canvas_command(app, m->slot, kWhite);
      break;
    case PaintingAction::kColorCanvas:
      make_canvas_command(app, m->slot, app.settings.color);
      break;
    case PaintingAction::kFreehand:
      freehand_stroke(app, m->slot, m->kind);
      break;
    case PaintingAction::kStraight:
      straight_stroke(app, m->slot, m->kind);
      break;
    case PaintingAction::kTwoClickCurve:
      two_click_curve(app, m->slot, m->kind);
      break;
    case PaintingAction::kCurveFromPoint:
      // Without a current point the command stops at its message, unpainted.
      if (app.in.nowpointvalid == 0) {
        message(app.ui, "CAUTION", "注目点を指定してください");
        return true;
      }
      curve_from_nowpoint(app, m->slot, m->kind);
      break;
    case PaintingAction::kDragCurve:
      drag_curve(app, m->slot, m->kind);
      break;
    case PaintingAction::kFreehandLines:
      freehand_lines(app);
      setdispmode(app, 2);
      return true;
  }
  repaint(app);
  return true;
}

}  // namespace daub
