#include "render/enclosure_painter.h"

#include "model/app.h"
#include "model/view.h"
#include "platform/dc.h"
#include "render/display.h"

namespace daub {

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

namespace daub {

void stocktextheddisp(App& app, Dc& dc, TextKind kind, Colorref color) {
  for (const TextStockItem& item : app.text_stocks[text_index(kind)])
    dispmark(app, dc, item.record.x, item.record.y, color);
}

void stockbmpheddisp(App& app, Dc& dc, Colorref color) {
  for (const BitmapStockItem& item : app.bitmap_stock)
    dispmark(app, dc, item.record.x, item.record.y, color);
}

}  // namespace daub
