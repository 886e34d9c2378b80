// Clipboard exchange: the parameter texts (paste and copy of each kind),
// showing the clipboard's text, the pick-ups of the current line and
// region, whole drawings and the selection as drawing data. None of them
// repaints, but the point paste (display mode 1) and the drawing and
// selection pastes and the selection copy (a plain repaint).

#include "drawing/drawing_clipboard.h"
#include "drawing/parameter_texts.h"
#include "drawing/pickups.h"
#include "drawing/spare.h"
#include "model/app.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {
namespace {

using Pickup = int (*)(App&);
Pickup pickup(int id) {
  switch (id) {
    case 254:
      return NowLinePenstyle;
    case 255:
      return NowLinePenwidth;
    case 256:
      return NowLineColor;
    case 257:
      return NowRgnBrstyle;
    case 258:
      return NowRgnHatchParam;
    case 260:
      return NowRgnColor;
    case 505:
      return NowLineDotParam;
    case 506:
      return NowRgnHatchPenDotParam;
    default:
      return nullptr;
  }
}

}  // namespace

bool clipboard_command(App& app, int id) {
  if (const ParamCommand* command = param_command(id)) {
    if (id == command->paste_id)
      param_paste(app, *command);
    else
      param_copy(app, *command);
    if (id == 119) setdispmode(app, 1);
    return true;
  }
  if (Pickup pick = pickup(id)) {
    pick(app);
    return true;
  }
  switch (id) {
    case 210:
      clipdisp(app);
      return true;
    case 523:
      drawing_copy(app);
      return true;
    case 524:
      drawdatapaste(app);
      break;
    case 526:
      copy_selection(app);
      break;
    case 527:
      paste_selection(app);
      break;
    default:
      return false;
  }
  repaint(app);
  return true;
}

}  // namespace daub
