#include "render/text_painters.h"

#include <cmath>

#include "drawing/chain.h"
#include "drawing/layers.h"
#include "drawing/texts.h"
#include "geometry/view_transform.h"
#include "model/app.h"
#include "platform/dc.h"
#include "render/display.h"
#include "render/view.h"

namespace daub {
namespace {

constexpr double kRadiansPerDegree = 0.017453292519944444;

// The direction of a line of the text and the direction in which its lines
// follow one another, as world vectors.
struct TextAxes {
  DPoint along, across;
};

TextAxes axes(int escapement) {
  const double phi = -(escapement / 10.0) * kRadiansPerDegree;
  return {{std::cos(phi), std::sin(phi)}, {-std::sin(phi), std::cos(phi)}};
}

DPoint offset(DPoint p, DPoint dir, double t) { return {p.x + dir.x * t, p.y + dir.y * t}; }

// The font at the view scale: height and width, where not zero, times the
// scale and truncated.
LogFont screen_font(const App& app, const LogFont& font) {
  LogFont f = font;
  if (f.height != 0) f.height = trunc_to_int(f.height * app.settings.scale);
  if (f.width != 0) f.width = trunc_to_int(f.width * app.settings.scale);
  return f;
}

std::string_view cell_bytes(const CharCell& c) {
  return std::string_view(c.bytes, static_cast<std::size_t>(c.byte_count));
}

// The box from P1 across the character and down the line, rotated like the
// text, filled in the highlight colour.
void highlight_box(App& app, Dc& dc, const CharCell& c, const TextAxes& ax, Colorref color) {
  DcSelection keep(dc);
  dc.set_pen(DcPen{kPenSolid, 1, color});
  dc.set_brush(DcBrush{BrushKind::kSolid, color});
  const DPoint right = offset(c.p1, ax.along, c.cx);
  const DPoint corners[4] = {c.p1, right, offset(right, ax.across, c.H),
                             offset(c.p1, ax.across, c.H)};
  std::vector<IntPoint> poly;
  for (const DPoint& p : corners) poly.push_back(to_screen(app, p.x, p.y));
  dc.polygon(poly);
}

// Restores the font and text colour a painter changed.
class TextSelection {
 public:
  explicit TextSelection(Dc& dc) : dc_(dc), font_(dc.font()), color_(dc.text_color()) {}
  ~TextSelection() {
    dc_.select_font(font_);
    dc_.set_text_color(color_);
  }
  TextSelection(const TextSelection&) = delete;
  TextSelection& operator=(const TextSelection&) = delete;

 private:
  Dc& dc_;
  LogFont font_;
  Colorref color_;
};

const char* painter_name(TextKind kind, TextPaint how) {
  static const char* const kNames[2][3] = {{"allletter", "allletterguide", "allletteredit"},
                                           {"allenglish", "allenglishguide", "allenglishedit"}};
  return kNames[text_index(kind)][static_cast<int>(how)];
}

// The current element's record and characters, silently; nothing when
// there is none.
std::optional<std::pair<TextRecord, std::string>> current_text(App& app, TextKind kind) {
  const int n = now_text(app, kind);
  const std::uint32_t layer = layer_offset(app.drawing, app.in.nowlayer);
  if (n == 0 || layer == 0) return std::nullopt;
  std::optional<std::pair<TextRecord, std::string>> found;
  for_each_in_chain(app.drawing, layer, text_chain(kind), [&](int number, std::uint32_t at) {
    if (number != n) return;
    const auto record = app.drawing.get<TextRecord>(at);
    found.emplace(record, text_bytes(app.drawing, record));
  });
  return found;
}

}  // namespace

void draw_text_cells(App& app, Dc& dc, const LogFont& font, const std::vector<CharCell>& cells,
                     Colorref color, std::optional<Highlight> highlight) {
  if (cells.empty()) return;
  TextSelection keep(dc);
  dc.select_font(screen_font(app, font));
  dc.set_text_color(color);
  for (const CharCell& c : cells) {
    if (!c.visible) continue;
    const IntPoint s = to_screen(app, c.p1.x, c.p1.y);
    dc.text_out(s.x, s.y, cell_bytes(c));
  }
  if (!highlight) return;
  const TextAxes ax = axes(font.escapement);
  dc.set_text_color(display_color(app, 768));
  for (const CharCell& c : cells) {
    if (c.end_offset <= highlight->from || c.end_offset > highlight->to) continue;
    highlight_box(app, dc, c, ax, display_color(app, 772));
    if (!c.visible) continue;
    const IntPoint s = to_screen(app, c.p1.x, c.p1.y);
    dc.text_out(s.x, s.y, cell_bytes(c));
  }
}

int alltext(App& app, Dc& dc, TextKind kind, TextPaint how, int layer) {
  const std::uint32_t layer_at = existing_layer(app, layer, painter_name(kind, how));
  if (layer_at == 0) return 0;
  const bool current_layer = layer_offset(app.drawing, app.in.nowlayer) == layer_at;
  int count = 0;
  // Each element is drawn from its own copy: the layout may show a message.
  for_each_in_chain(app.drawing, layer_at, text_chain(kind), [&](int n, std::uint32_t at) {
    count = n;
    const auto record = app.drawing.get<TextRecord>(at);
    const std::string bytes = text_bytes(app.drawing, record);
    const std::vector<CharCell> cells = textlayout(app, dc, record, bytes, kind);
    Colorref color = how == TextPaint::kGuide ? display_color(app, 756) : record.color;
    std::optional<Highlight> range;
    if (how == TextPaint::kEdit && current_layer && n == now_text(app, kind)) {
      color = display_color(app, 764);
      const CaretRecord& caret = app.text.caret(kind);
      if (caret.state == 2) range = Highlight{caret.a, caret.b};
    }
    draw_text_cells(app, dc, record.font, cells, color, range);
  });
  return count > 0 ? 1 : 0;
}

int alltexthed(App& app, Dc& dc, TextKind kind, Colorref color, int layer) {
  const std::uint32_t layer_at =
      existing_layer(app, layer, text_op_name(kind, "allletterhed").c_str());
  if (layer_at == 0) return 0;
  for_each_in_chain(app.drawing, layer_at, text_chain(kind), [&](int, std::uint32_t at) {
    const auto record = app.drawing.get<TextRecord>(at);
    dispmark(app, dc, record.x, record.y, color);
  });
  return 1;
}

std::optional<CharCell> caret_cell(App& app, Dc& dc, TextKind kind, int offset) {
  const auto text = current_text(app, kind);
  if (!text) return std::nullopt;
  const auto& [record, bytes] = *text;
  // An empty element is measured as a single space.
  const std::vector<CharCell> cells = textlayout(
      app, dc, record, bytes.empty() ? std::string(" ") : bytes, kind, LayoutMessage::kSilent);
  if (cells.empty()) return std::nullopt;
  if (offset == 0)
    return start_cell(cells[0].W, cells[0].H, {record.x, record.y}, record.font.escapement);
  for (const CharCell& c : cells)
    if (c.end_offset == offset && !bytes.empty()) return c;
  return std::nullopt;
}

void paint_caret_markers(App& app, Dc& dc, TextKind kind) {
  const CaretRecord caret = app.text.caret(kind);
  if (caret.state == 0) return;
  const auto text = current_text(app, kind);
  if (!text) return;
  const TextAxes ax = axes(text->first.font.escapement);
  DcSelection keep(dc);
  dc.set_pen(DcPen{kPenSolid, 1, display_color(app, 760)});
  for (int end : {caret.a, caret.b}) {
    if (end == caret.b && caret.state != 2) break;
    const std::optional<CharCell> c = caret_cell(app, dc, kind, end);
    if (!c) continue;
    // From the top of the line to its bottom, at the character's right edge.
    const DPoint top = offset(c->p2, ax.across, -c->H / 2);
    const DPoint bottom = offset(c->p2, ax.across, c->H / 2);
    const IntPoint a = to_screen(app, top.x, top.y);
    const IntPoint b = to_screen(app, bottom.x, bottom.y);
    dc.move_to(a.x, a.y);
    dc.line_to(b.x, b.y);
  }
}

void paint_current_anchor(App& app, Dc& dc, TextKind kind) {
  const auto text = current_text(app, kind);
  if (text) dispmark(app, dc, text->first.x, text->first.y, display_color(app, 720));
}

void place_composition_window(App& app, Dc& dc) {
  const TextKind kind = app.in.englishentry == 1 ? TextKind::kEnglish : TextKind::kLetter;
  const CaretRecord caret = app.text.caret(kind);
  if (caret.state == 0) return;
  const std::optional<CharCell> a = caret_cell(app, dc, kind, caret.a);
  if (!a) return;
  const IntPoint s = to_screen(app, a->p2.x, a->p2.y);
  app.text.composition = s;
  app.text.composition_placed = true;
  app.ui.set_composition_window(s.x, s.y);
}

}  // namespace daub
