#include "shell/startup.h"

#include <cmath>

#include "drawing/drawing_file.h"
#include "drawing/layers.h"
#include "drawing/title.h"
#include "geometry/angle.h"
#include "model/app.h"
#include "model/block.h"
#include "paint/canvas.h"
#include "platform/atomic_file.h"

namespace daub {
namespace {

// World and client coordinates coincide at start: the client centre shows
// the world point with the same numbers.
void set_start_view(App& app) {
  int cx = app.view.client_width / 2;
  int cy = app.view.client_height / 2;
  app.view.vieworigin_x = cx;
  app.view.vieworigin_y = cy;
  app.settings.view_center_x = cx;
  app.settings.view_center_y = cy;
  app.settings.scale = 1.0;
}

// The painting configuration the program opens with: the brush on canvas 1.
void set_painting_start(App& app) {
  app.in.pressworld = DPoint{10, 10};
  app.in.releaseworld = DPoint{410, 310};
  make_canvas(app, 1, app.in.pressworld, app.in.releaseworld, 0xFFFFFF);
  app.canvases.slots[0].shown = 1;
  app.canvases.slots[0].frame = 1;
  app.in.mousecmd = 1062;
  app.in.dispmode = 7;
}

}  // namespace

int FileInit(App& app) {
  app.settings = Settings{};
  set_start_view(app);
  set_drawing_defaults(app.settings);

  app.in.mousecmd = 600;
  app.in.dispmode = 1;
  app.in.nowpoint = PointDir{0, 0, 0};
  app.in.nowpointvalid = 1;

  app.drawing = Block::empty_drawing();
  app.in.nowlayer = 1;
  makelayer(app, 1);
  settitle(app, app.files.titlebuf, app.files.current_file);
  app.files.working_folder = current_directory();
  app.files.page_folder = app.files.working_folder;

  set_painting_start(app);
  // Nothing the start-up made needs saving.
  mark_drawing_saved(app);
  for (int slot = 1; slot <= kCanvasSlots; ++slot) mark_canvas_saved(app, slot);
  return 0;
}

}  // namespace daub
