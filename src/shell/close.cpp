// Closing the window: work that is not in a file yet is not lost without
// asking. Saving goes through the same commands and dialogs as the menu's.

#include <array>

#include "drawing/drawing_file.h"
#include "model/app.h"
#include "paint/canvas.h"
#include "reading/page_files.h"
#include "shell/window.h"

namespace daub {
namespace {

constexpr int kSaveDrawing = 161;
constexpr int kRestoreDrawing = 321;
constexpr std::array<int, kCanvasSlots> kSaveCanvas = {672, 691, 721};

bool anything_unsaved(App& app) {
  if (drawing_unsaved(app) || stored_drawing_unsaved(app)) return true;
  for (int slot = 1; slot <= kCanvasSlots; ++slot)
    if (canvas_unsaved(app, slot)) return true;
  return false;
}

// Saves what needs it, the drawing first; false as soon as one stays unsaved
// (a cancelled dialog, a declined overwrite, a failed write).
bool save_everything(App& app) {
  // While pages are read the user's own drawing comes back to be saved.
  if (stored_drawing_unsaved(app)) on_command(app, kRestoreDrawing);
  if (drawing_unsaved(app)) {
    on_command(app, kSaveDrawing);
    if (drawing_unsaved(app)) return false;
  }
  for (int slot = 1; slot <= kCanvasSlots; ++slot) {
    if (!canvas_unsaved(app, slot)) continue;
    on_command(app, static_cast<std::uint32_t>(kSaveCanvas[static_cast<std::size_t>(slot - 1)]));
    if (canvas_unsaved(app, slot)) return false;
  }
  return true;
}

}  // namespace

bool on_close(App& app) {
  if (!anything_unsaved(app)) return true;
  switch (app.ui.message_box(app.files.titlebuf, "変更を保存しますか？",
                             MessageButtons::kYesNoCancel)) {
    case MessageAnswer::kNo:
      return true;
    case MessageAnswer::kYes:
      return save_everything(app);
    default:
      return false;
  }
}

}  // namespace daub
