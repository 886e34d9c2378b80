#include "render/canvas_painters.h"

#include "model/app.h"
#include "model/view.h"
#include "picture/dib.h"
#include "picture/scaled_display.h"
#include "platform/dc.h"
#include "render/display.h"

namespace daub {

void show_canvases(App& app, Dc& dc) {
  for (const CanvasSlot& s : app.canvases.slots) {
    if (s.shown == 0 || s.image.empty()) continue;
    scaled_display(app, dc, s.image, s.x, s.y, app.settings.scale);
  }
}

void show_frames(App& app, Dc& dc) {
  const DcPen saved = dc.pen();
  for (const CanvasSlot& s : app.canvases.slots) {
    if (s.shown == 0 || s.frame == 0 || s.image.empty()) continue;
    const DibInfo info = dib_info(s.image);
    if (info.width <= 0 || info.height <= 0) continue;
    const IntPoint a = to_screen(app, s.x, s.y);
    const IntPoint b = to_screen(app, s.x + info.width, s.y + info.height);
    dc.set_pen(DcPen{kPenSolid, 1, display_color(app, 728)});
    dc.move_to(a.x, a.y);
    dc.line_to(b.x, a.y);
    dc.line_to(b.x, b.y);
    dc.line_to(a.x, b.y);
    dc.line_to(a.x, a.y);
  }
  dc.set_pen(saved);
}

}  // namespace daub
