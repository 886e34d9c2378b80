#include "shell/enclosure.h"

#include <algorithm>

#include "platform/dc.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/view.h"

namespace daub {

void set_enclosure_rectangle(App& app, IntPoint a, IntPoint b) {
  const int left = std::min(a.x, b.x), right = std::max(a.x, b.x);
  const int top = std::min(a.y, b.y), bottom = std::max(a.y, b.y);
  app.enclosure = {to_world(app, left, top), to_world(app, right, top),
                   to_world(app, right, bottom), to_world(app, left, bottom)};
}

std::optional<EnclosureRect> enclosure_rectangle(const App& app) {
  if (app.enclosure.size() != 4) return std::nullopt;
  return EnclosureRect{app.enclosure[0], app.enclosure[2]};
}

void jordenlinedisp(App& app, Dc& dc) {
  if (app.enclosure.size() < 2) return;
  DcSelection keep(dc);
  dc.set_pen(DcPen{kPenSolid, 1, display_color(app, 728)});
  const IntPoint start = to_screen(app, app.enclosure.front().x, app.enclosure.front().y);
  dc.move_to(start.x, start.y);
  for (std::size_t k = 1; k <= app.enclosure.size(); ++k) {
    const DPoint& p = app.enclosure[k % app.enclosure.size()];
    const IntPoint s = to_screen(app, p.x, p.y);
    dc.line_to(s.x, s.y);
  }
}

}  // namespace daub
