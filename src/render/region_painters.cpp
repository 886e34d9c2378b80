#include "render/region_painters.h"

#include "drawing/chain.h"
#include "drawing/layers.h"
#include "drawing/regions.h"
#include "geometry/hatching.h"
#include "model/app.h"
#include "platform/dc.h"
#include "render/brushes.h"
#include "render/display.h"
#include "render/line_painters.h"
#include "render/view.h"

namespace daub {
namespace {

std::vector<IntPoint> to_screen_points(const App& app, const std::vector<DPoint>& outline) {
  std::vector<IntPoint> screen;
  screen.reserve(outline.size());
  for (const DPoint& p : outline) screen.push_back(to_screen(app, p.x, p.y));
  return screen;
}

void fill_solid(App& app, Dc& dc, const std::vector<DPoint>& outline, Colorref color) {
  DcSelection keep(dc);
  dc.set_pen(DcPen{kPenSolid, 1, color});
  dc.set_brush(DcBrush{BrushKind::kSolid, color});
  dc.polygon(to_screen_points(app, outline));
}

void fill_hatch(App& app, Dc& dc, const std::vector<DPoint>& outline, const RegionParam& fill) {
  std::vector<HatchPiece> pieces;
  const HatchParams params{fill.hatch_type, fill.hatch_width, fill.hatch_angle};
  if (hatch_outline(outline, params, pieces) != HatchVerdict::kDrawn) return;
  LineRecord line;
  line.pen = fill.hatch_pen;
  for (const HatchPiece& piece : pieces) {
    line.pen.start_length = fill.hatch_pen.start_length + piece.shift;
    line.geom = {piece.from.x, piece.from.y, piece.angle,   piece.to.x,
                 piece.to.y,   piece.angle,  kShapeStraight};
    draw_line(app, dc, line);
  }
}

// Calls draw(place, region record, outline) for every region of the layer in
// chain order; see the painters for what is returned.
template <class Draw>
int for_each_region(App& app, int layer, const char* caption, Draw draw) {
  const std::uint32_t layer_at = existing_layer(app, layer, caption);
  if (layer_at == 0) return 0;
  const Block& block = app.drawing;
  const std::vector<LineGeometry> table = line_table(block, layer_at);
  if (table.empty()) return 0;
  std::vector<DPoint> outline;
  for_each_in_chain(block, layer_at, ChainKind::kRegions, [&](int n, std::uint32_t at) {
    region_outline(block, at, table, outline);
    draw(n, block.get<RegionRecord>(at), outline);
  });
  return 1;
}

// Every region but the one at place `skip` as a gray polygon.
int gray_regions(App& app, Dc& dc, int layer, int skip, const char* caption) {
  const Colorref gray = display_color(app, 752);
  return for_each_region(app, layer, caption,
                         [&](int n, const RegionRecord&, const std::vector<DPoint>& outline) {
                           if (n == skip) return;
                           DcSelection keep(dc);
                           dc.set_brush(DcBrush{BrushKind::kSolid, gray});
                           dc.polygon(to_screen_points(app, outline));
                         });
}

}  // namespace

void paint_region(App& app, Dc& dc, const std::vector<DPoint>& outline, const RegionParam& fill) {
  if (fill.brush_style == kBrushSolid)
    fill_solid(app, dc, outline, fill.color);
  else if (fill.brush_style == kBrushHatch)
    fill_hatch(app, dc, outline, fill);
}

int allrgn(App& app, Dc& dc, int layer) {
  return for_each_region(app, layer, "allrgn",
                         [&](int, const RegionRecord& r, const std::vector<DPoint>& outline) {
                           paint_region(app, dc, outline, r.param);
                         });
}

int allrgngray(App& app, Dc& dc, int layer) {
  return gray_regions(app, dc, layer, 0, "allrgngray");
}

int allrgngraybutspot(App& app, Dc& dc, int layer) {
  return gray_regions(app, dc, layer, app.in.nowrgn, "allrgngraybutspot");
}

int dispspotrgn(App& app, Dc& dc, int index, int layer) {
  return for_each_region(app, layer, "dispspotrgn",
                         [&](int n, const RegionRecord& r, const std::vector<DPoint>& outline) {
                           if (n == index) paint_region(app, dc, outline, r.param);
                         });
}

void stocklinedisp(App& app, Dc& dc, Colorref color) {
  LineRecord line;
  line.pen.style = kPenSolid;
  line.pen.width = 1;
  line.pen.color = color;
  for (const ExtractionItem& item : app.line_stock) {
    if (item.line == 0) continue;
    line.geom = item.geom;
    draw_line(app, dc, line);
  }
}

}  // namespace daub
