// Painting commands: choosing the painting mouse commands, erasing and
// undoing canvases, painting the line template, the segment buffer and its
// outline, the brush settings, and which canvases and frames are shown.

#include <array>
#include <utility>

#include "model/app.h"
#include "paint/canvas.h"
#include "paint/painting_strokes.h"
#include "paint/photo_pen.h"
#include "render/pen_dialogs.h"
#include "render/view.h"
#include "shell/commands/command_families.h"
#include "shell/mouse_painting.h"

namespace daub {
namespace {

enum class SlotOperation {
  kErase,
  kUndo,
  kTemplate,
  kSegments,
  kOutline,
  kSoftOutline,
};

// The commands that act on one canvas come in threes, one id per canvas.
struct SlotIds {
  std::array<int, 3> ids;
  SlotOperation operation;
  BlendKind kind;
};

constexpr SlotIds kSlotIds[] = {
    {{653, 706, 735}, SlotOperation::kErase, BlendKind::kColor},
    {{674, 707, 736}, SlotOperation::kUndo, BlendKind::kColor},
    {{655, 709, 738}, SlotOperation::kTemplate, BlendKind::kColor},
    {{924, 936, 948}, SlotOperation::kTemplate, BlendKind::kDarken},
    {{930, 942, 954}, SlotOperation::kTemplate, BlendKind::kLighten},
    {{657, 710, 739}, SlotOperation::kSegments, BlendKind::kColor},
    {{925, 937, 949}, SlotOperation::kSegments, BlendKind::kDarken},
    {{931, 943, 955}, SlotOperation::kSegments, BlendKind::kLighten},
    {{659, 711, 740}, SlotOperation::kOutline, BlendKind::kColor},
    {{956, 960, 964}, SlotOperation::kOutline, BlendKind::kDarken},
    {{958, 962, 966}, SlotOperation::kOutline, BlendKind::kLighten},
    {{668, 712, 741}, SlotOperation::kSoftOutline, BlendKind::kColor},
    {{957, 961, 965}, SlotOperation::kSoftOutline, BlendKind::kDarken},
    {{959, 963, 967}, SlotOperation::kSoftOutline, BlendKind::kLighten},
};

void run_slot_operation(App& app, SlotOperation operation, int slot, BlendKind kind) {
  switch (operation) {
    case SlotOperation::kErase:
      select_canvas_for_change(app, slot);
      erase_canvas(app, slot);
      break;
    case SlotOperation::kUndo:
      undo_canvas_change(app, slot);
      break;
    case SlotOperation::kTemplate:
      template_command(app, slot, kind);
      break;
    case SlotOperation::kSegments:
      segments_command(app, slot, kind);
      break;
    case SlotOperation::kOutline:
    case SlotOperation::kSoftOutline:
      outline_command(app, slot, kind, operation == SlotOperation::kSoftOutline);
      break;
  }
}

bool slot_command(App& app, int id) {
  for (const SlotIds& set : kSlotIds) {
    if (const int slot = slot_of(set.ids, id)) {
      run_slot_operation(app, set.operation, slot, set.kind);
      repaint(app);
      return true;
    }
  }
  return false;
}

// How a visibility command leaves a canvas's flags; -1 keeps a flag.
struct Visibility {
  int id;
  int slot;  // 0: all three
  int shown;
  int frame;
};

constexpr Visibility kVisibility[] = {
    {660, 1, 0, -1}, {661, 2, 0, -1}, {662, 3, 0, -1}, {663, 0, 0, -1},  // hide
    {664, 1, 1, -1}, {665, 2, 1, -1}, {666, 3, 1, -1}, {878, 0, 1, -1},  // show
    {875, 1, 1, 1},  {876, 2, 1, 1},  {877, 3, 1, 1},                    // show framed
    {900, 1, 1, 0},  {901, 2, 1, 0},  {902, 3, 1, 0},                    // show unframed
};

void apply_visibility(CanvasSlot& s, const Visibility& v) {
  s.shown = v.shown;
  if (v.frame >= 0) s.frame = v.frame;
}

bool visibility_command(App& app, int id) {
  for (const Visibility& v : kVisibility) {
    if (v.id != id) continue;
    for (int slot = 1; slot <= kCanvasSlots; ++slot)
      if (v.slot == 0 || v.slot == slot) apply_visibility(*canvas_slot(app, slot), v);
    repaint(app);
    return true;
  }
  if (id != 886 && id != 891) return false;
  // 886, 891: canvas 1 or 2 shown or hidden, whichever it is not.
  CanvasSlot& s = *canvas_slot(app, id == 886 ? 1 : 2);
  s.shown = s.shown ? 0 : 1;
  repaint(app);
  return true;
}

// 754-758 the brush width presets; 747 a hard and 763 a soft dab; 360 the
// brush as at start.
bool brush_preset(App& app, int id) {
  constexpr std::pair<int, double> kWidths[] = {{754, 1}, {755, 3}, {756, 5}, {757, 10}, {758, 20}};
  for (auto [preset, width] : kWidths)
    if (preset == id) app.brush.width = width;
  if (id == 747) app.brush.blur = 0;
  if (id == 763) app.brush.blur = BrushParams{}.blur;
  if (id == 360) app.brush = BrushParams{};
  return (id >= 754 && id <= 758) || id == 747 || id == 763 || id == 360;
}

// 704: the dab's density at its centre, 0..1.
void density_input(App& app) {
  double d = app.brush.density;
  if (!ask_value(app, "ブラシ濃度入力（０〜１）", "%lf", d)) return;
  if (!(d >= 0 && d <= 1)) {
    message(app.ui, "CAUTION", "ブラシ濃度は０から１で指定してください");
    return;
  }
  app.brush.density = d;
}

// The brush settings and the painting display.
bool brush_command(App& app, int id) {
  switch (id) {
    case 654:
      photo_pen_input(app);
      repaint(app);
      return true;
    case 899:
      photo_pen_ends_input(app);
      return true;
    case 1028:
      photo_pen_dialog(app);
      return true;
    case 903:
      setdispmode(app, 7);
      return true;
    case 704:
      density_input(app);
      return true;
    default:
      if (!brush_preset(app, id)) return false;
      repaint(app);
      return true;
  }
}

}  // namespace

bool painting_command(App& app, int id) {
  if (std::optional<PaintingMouse> m = painting_mouse(id)) {
    app.in.mousecmd = static_cast<std::uint16_t>(id);
    // Freehand lines are line commands: choosing them shows the lines.
    m->action == PaintingAction::kFreehandLines ? setdispmode(app, 1) : repaint(app);
    return true;
  }
  return slot_command(app, id) || visibility_command(app, id) || brush_command(app, id);
}

}  // namespace daub
