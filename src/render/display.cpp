#include "render/display.h"

#include <cmath>

#include "drawing/bitmaps.h"
#include "drawing/layers.h"
#include "platform/dc.h"
#include "render/bitmap_painters.h"
#include "render/canvas_painters.h"
#include "render/enclosure_painter.h"
#include "render/line_painters.h"
#include "render/pens.h"
#include "render/region_painters.h"
#include "render/text_painters.h"
#include "render/view.h"

namespace daub {
namespace {

// More lattice lines than this in one direction cannot be told apart on any
// screen; such a lattice (a tiny interval or a huge size) is not drawn, which
// also keeps the loops short whatever the parameters say.
constexpr double kMaxLatticeLines = 4000;

// Each painter below is its list of steps in drawing order. The steps that
// draw elements, canvases and carets are the helpers here, one call per
// element painter, so that every element kind joins all modes in one place.

// The canvases, with their frames when the mode shows them.
enum class CanvasFrames { kHidden, kShown };
void paint_canvases(App& app, Dc& dc, CanvasFrames frames) {
  show_canvases(app, dc);
  if (frames == CanvasFrames::kShown) show_frames(app, dc);
}

// Every layer but the current one as a guide: bitmaps, then lines in the
// guide colour.
void paint_other_layer_guides(App& app, Dc& dc) {
  int count = layer_count(app.drawing);
  for (int n = 1; n <= count; ++n) {
    if (n == app.in.nowlayer) continue;
    allbmp(app, dc, n);
    alllineguide(app, dc, n);
    alltext(app, dc, TextKind::kLetter, TextPaint::kGuide, n);
    alltext(app, dc, TextKind::kEnglish, TextPaint::kGuide, n);
  }
}

// Every element of layer n as it prints: bitmaps, regions, lines, texts.
void paint_layer_elements(App& app, Dc& dc, int n) {
  allbmp(app, dc, n);
  allrgn(app, dc, n);
  allline(app, dc, n);
  alltext(app, dc, TextKind::kEnglish, TextPaint::kOwnColor, n);
  alltext(app, dc, TextKind::kLetter, TextPaint::kOwnColor, n);
}

void paint_all_layers(App& app, Dc& dc) {
  int count = layer_count(app.drawing);
  for (int n = 1; n <= count; ++n) paint_layer_elements(app, dc, n);
}

// The current line, highlighted as a solid one-pixel line.
void paint_nowline(App& app, Dc& dc) {
  if (app.in.nowlinevalid == 0) return;
  LineRecord line = app.in.nowline;
  line.pen.style = kPenSolid;
  line.pen.width = 0;
  line.pen.color = display_color(app, 728);
  draw_line(app, dc, line);
}

// How an editing mode shows the regions of the layer being edited.
enum class RegionLook {
  kNone,
  kGray,            // all in the gray display colour
  kCurrentBrushed,  // gray but the current region, which has its own brush
  kBrushed,         // each with its own brush
};

// The current layer's bitmaps, its regions and its lines as sketch lines,
// what every editing mode shows of the layer being edited.
void paint_current_sketch(App& app, Dc& dc, RegionLook regions) {
  const int layer = app.in.nowlayer;
  allbmp(app, dc, layer);
  switch (regions) {
    case RegionLook::kNone:
      break;
    case RegionLook::kGray:
      allrgngray(app, dc, layer);
      break;
    case RegionLook::kCurrentBrushed:
      allrgngraybutspot(app, dc, layer);
      if (app.in.nowrgn != 0) dispspotrgn(app, dc, app.in.nowrgn, layer);
      break;
    case RegionLook::kBrushed:
      allrgn(app, dc, layer);
      break;
  }
  alllinesketch(app, dc, layer);
}

// The marker at the anchor of the current bitmap element.
void paint_nowbmp(App& app, Dc& dc) {
  BitmapRecord bmp;
  if (app.in.nowbmp == 0 || getbmp(app, app.in.nowbmp, bmp, app.in.nowlayer) == 0) return;
  dispmark(app, dc, bmp.x, bmp.y, display_color(app, 720));
}

// The texts of the current layer, drawn last by the editing modes.
void paint_current_texts(App& app, Dc& dc) {
  alltext(app, dc, TextKind::kEnglish, TextPaint::kOwnColor, app.in.nowlayer);
  alltext(app, dc, TextKind::kLetter, TextPaint::kOwnColor, app.in.nowlayer);
}

// The text entry modes 3 and 8: the other kind as it is, the kind being
// typed with the current element and its range shown, the anchors, the
// current element's anchor and its caret. Entering one kind forgets the
// other kind's caret.
void paint_text_entry(App& app, Dc& dc, TextKind kind) {
  const TextKind other = kind == TextKind::kLetter ? TextKind::kEnglish : TextKind::kLetter;
  const int layer = app.in.nowlayer;
  alltext(app, dc, other, TextPaint::kOwnColor, layer);
  alltext(app, dc, kind, TextPaint::kEdit, layer);
  alltexthed(app, dc, kind, display_color(app, 740), layer);
  paint_current_anchor(app, dc, kind);
  paint_caret_markers(app, dc, kind);
}

void paint_text_heads(App& app, Dc& dc) {
  alltexthed(app, dc, TextKind::kEnglish, display_color(app, 740), app.in.nowlayer);
  alltexthed(app, dc, TextKind::kLetter, display_color(app, 740), app.in.nowlayer);
}

// The direction tick and the marker of the current point.
void paint_nowpoint(App& app, Dc& dc) {
  if (app.in.nowpointvalid != 1) return;
  dispvector(app, dc, app.in.nowpoint, tick_length(app), display_color(app, 736));
  dispmark(app, dc, app.in.nowpoint.x, app.in.nowpoint.y, display_color(app, 720));
}

void paint_heldpoint(App& app, Dc& dc) {
  if (app.in.heldpointvalid != 1) return;
  dispmark(app, dc, app.in.heldpoint.x, app.in.heldpoint.y, display_color(app, 724));
}

// What the editing modes 1..6 and 8 draw under the current layer: the
// canvases with their frames, the other layers as guides, the lattice.
void paint_editing_background(App& app, Dc& dc) {
  paint_canvases(app, dc, CanvasFrames::kShown);
  paint_other_layer_guides(app, dc);
  displattice(app, dc);
}

void lattice_line(App& app, Dc& dc, double x0, double y0, double x1, double y1) {
  IntPoint a = to_screen(app, x0, y0);
  IntPoint b = to_screen(app, x1, y1);
  dc.move_to(a.x, a.y);
  dc.line_to(b.x, b.y);
}

bool lattice_drawable(const Settings& s) {
  double d = s.lattice_interval;
  if (!std::isfinite(d) || d <= 0) return false;
  if (!std::isfinite(s.lattice_width) || !std::isfinite(s.lattice_height)) return false;
  return s.lattice_width / d < kMaxLatticeLines && s.lattice_height / d < kMaxLatticeLines;
}

}  // namespace

Colorref display_color(const App& app, int offset) {
  return app.settings.display_colors[display_color_index(offset)];
}

double tick_length(const App& app) { return app.settings.vector_length / app.settings.scale; }

void paint_cycle(App& app, Dc& dc) {
  center_view_on_client(app);
  app.view.viewworldmin = to_world(app, 0, 0);
  app.view.viewworldmax = to_world(app, app.view.client_width, app.view.client_height);
  using Painter = int (*)(App&, Dc&);
  static constexpr Painter kPainters[9] = {dispall,     displine, dispstock, displetter, dispbmp,
                                           disprgnedit, disprgn,  disppaint, dispenglish};
  place_composition_window(app, dc);
  int mode = app.in.dispmode;
  if (mode >= 0 && mode <= 8) kPainters[mode](app, dc);
}

int dispall(App& app, Dc& dc) {
  paint_canvases(app, dc, CanvasFrames::kHidden);
  paint_all_layers(app, dc);
  return 0;
}

int displine(App& app, Dc& dc) {
  paint_editing_background(app, dc);
  paint_current_sketch(app, dc, RegionLook::kNone);
  allpoint(app, dc, display_color(app, 740), app.in.nowlayer);
  paint_nowline(app, dc);
  paint_nowpoint(app, dc);
  paint_heldpoint(app, dc);
  paint_current_texts(app, dc);
  return 0;
}

int dispstock(App& app, Dc& dc) {
  paint_editing_background(app, dc);
  paint_current_sketch(app, dc, RegionLook::kGray);
  allpoint(app, dc, display_color(app, 740), app.in.nowlayer);
  stocklinedisp(app, dc, display_color(app, 744));
  jordenlinedisp(app, dc);
  paint_nowpoint(app, dc);
  paint_current_texts(app, dc);
  paint_text_heads(app, dc);
  const Colorref selected = display_color(app, 748);
  stocktextheddisp(app, dc, TextKind::kEnglish, selected);
  stocktextheddisp(app, dc, TextKind::kLetter, selected);
  stockbmpheddisp(app, dc, selected);
  return 0;
}

int displetter(App& app, Dc& dc) {
  app.text.caret(TextKind::kEnglish) = CaretRecord{};
  paint_editing_background(app, dc);
  jordenlinedisp(app, dc);
  paint_current_sketch(app, dc, RegionLook::kGray);
  paint_text_entry(app, dc, TextKind::kLetter);
  return 0;
}

int dispbmp(App& app, Dc& dc) {
  paint_editing_background(app, dc);
  paint_current_sketch(app, dc, RegionLook::kGray);
  paint_current_texts(app, dc);
  allbmphed(app, dc, display_color(app, 740), app.in.nowlayer);
  paint_nowbmp(app, dc);
  return 0;
}

int disprgnedit(App& app, Dc& dc) {
  paint_editing_background(app, dc);
  paint_current_sketch(app, dc, RegionLook::kCurrentBrushed);
  paint_current_texts(app, dc);
  return 0;
}

int disprgn(App& app, Dc& dc) {
  paint_editing_background(app, dc);
  paint_current_sketch(app, dc, RegionLook::kBrushed);
  paint_current_texts(app, dc);
  return 0;
}

int disppaint(App& app, Dc& dc) {
  paint_canvases(app, dc, CanvasFrames::kShown);
  paint_all_layers(app, dc);
  paint_nowpoint(app, dc);
  return 0;
}

int dispenglish(App& app, Dc& dc) {
  app.text.caret(TextKind::kLetter) = CaretRecord{};
  paint_editing_background(app, dc);
  jordenlinedisp(app, dc);
  paint_current_sketch(app, dc, RegionLook::kGray);
  paint_text_entry(app, dc, TextKind::kEnglish);
  return 0;
}

void displattice(App& app, Dc& dc) {
  const Settings& s = app.settings;
  if (!lattice_drawable(s)) return;
  DcSelection keep(dc);
  dc.set_pen(device_pen(app, s.lattice_pen));
  for (int i = 0;; ++i) {
    double x = i * s.lattice_interval;
    if (!(x <= s.lattice_width + 1e-10)) break;
    lattice_line(app, dc, x, 0, x, s.lattice_height);
  }
  for (int i = 0;; ++i) {
    double y = i * s.lattice_interval;
    if (!(y <= s.lattice_height + 1e-10)) break;
    lattice_line(app, dc, 0, y, s.lattice_width, y);
  }
}

void dispmark(App& app, Dc& dc, double wx, double wy, Colorref color) {
  DcSelection keep(dc);
  dc.set_pen(DcPen{kPenSolid, 1, color});
  dc.set_brush(DcBrush{BrushKind::kSolid, color});
  IntPoint s = to_screen(app, wx, wy);
  dc.rectangle(add_clamped(s.x, -2), add_clamped(s.y, -2), add_clamped(s.x, 2),
               add_clamped(s.y, 2));
}

void dispvector(App& app, Dc& dc, const PointDir& p, double length, Colorref color) {
  DcSelection keep(dc);
  dc.set_pen(DcPen{kPenSolid, 1, color});
  IntPoint a = to_screen(app, p.x, p.y);
  IntPoint b = to_screen(app, p.x + std::cos(p.angle) * length, p.y + std::sin(p.angle) * length);
  dc.move_to(a.x, a.y);
  dc.line_to(b.x, b.y);
}

}  // namespace daub
