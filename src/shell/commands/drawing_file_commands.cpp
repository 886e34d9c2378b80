// Drawing file and drawing block commands (160–165, 800, 880). The
// dialogs keep sklname as a bare name and move the working folder, where the
// file operations resolve relative names.

#include "drawing/bitmaps.h"
#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/memory.h"
#include "drawing/pack.h"
#include "drawing/selection.h"
#include "model/app.h"
#include "platform/input_box.h"
#include "reading/file_dialogs.h"
#include "reading/page_files.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {

namespace {

enum class Bitmaps { kKeep, kDrop };

// 162, 163: the drawing's name typed into the one-line input instead of
// chosen in the file dialog; a name that does not end in "skl" is refused.
int type_skl_name(App& app) {
  if (input_box(app.ui, app.input, "図面ファイル名入力", app.files.sklname) != 1) return 0;
  if (!sklnamecheck(app, app.input.buffer)) return 0;
  app.files.sklname = app.input.buffer;
  return 1;
}

using NameChooser = int (*)(App&);

// Opens a drawing chosen in the dialog. The current layer is clamped and the
// current elements reset even when the read was refused: the old drawing is
// then still there and both steps leave it as it was.
void open_drawing(App& app, Bitmaps bitmaps, NameChooser choose = open_skl_dialog) {
  if (!choose(app)) return;
  sklfilein(app, app.files.sklname);
  layerfix(app);
  nowreset(app);
  if (bitmaps == Bitmaps::kDrop) {
    const int layers = layer_count(app.drawing);
    for (int n = 1; n <= layers; ++n) allbmpdel(app, n);
    sklpack(app);
  }
  setdispmode(app, 1);
}

// Saves under a name chosen in the dialog. The settings record is dropped
// before the dialog, so a cancelled save still leaves the block without it.
void save_drawing(App& app, NameChooser choose = save_skl_dialog) {
  sklsetclear(app);
  if (!choose(app)) return;
  sklpack(app);
  sklfileout(app, app.files.sklname);
  repaint(app);
}

// Saves as a page file under a name chosen in the page dialog (page folder).
void save_page(App& app) {
  sklsetclear(app);
  if (!save_page_dialog(app)) return;
  sklpack(app);
  // The page number follows a page saved under a page name.
  if (sklpagefileout(app, app.files.pagename) && is_page_name(app.files.pagename))
    app.reading.pageno = pagenumber(app, app.files.pagename);
  repaint(app);
}

}  // namespace

bool drawing_file_command(App& app, int id) {
  switch (id) {
    case 160:
      open_drawing(app, Bitmaps::kKeep);
      return true;
    case 800:
      open_drawing(app, Bitmaps::kDrop);
      return true;
    case 161:
      save_drawing(app);
      return true;
    case 880:
      save_page(app);
      return true;
    case 162:
      open_drawing(app, Bitmaps::kKeep, type_skl_name);
      return true;
    case 163:
      save_drawing(app, type_skl_name);
      return true;
    case 164:
      memdisp(app);
      return true;
    case 165:
      sklpack(app);
      return true;
    default:
      return false;
  }
}

}  // namespace daub
