#pragma once
// Drawing text elements: the painters of a layer's letter and english
// elements, the head markers, the caret and range markers, and where the
// input method's composition window goes.

#include <optional>
#include <string_view>
#include <vector>

#include "model/records.h"
#include "model/text_state.h"
#include "render/text_layout.h"

namespace daub {
struct App;
class Dc;

// How a painter colours the elements: each with its own colour (allletter),
// all in the guide-line colour (allletterguide), or the current element in
// the edit colour with its selected range highlighted (allletteredit).
enum class TextPaint { kOwnColor, kGuide, kEdit };

// Every element of the kind in the layer, in chain order; 1 when the chain
// is not empty. "レイヤーが存在しません" (caption the painter's name) when the
// layer does not exist.
int alltext(App& app, Dc& dc, TextKind kind, TextPaint how, int layer);
// allletterhed: a point marker at the anchor of every element of the kind.
int alltexthed(App& app, Dc& dc, TextKind kind, Colorref color, int layer);

// Draws laid-out cells: the visible ones at their P1 with the element's
// font at the view scale, in `color`; the cells after `from` up to and
// including `to` (end offsets) highlighted when `highlight` is set.
struct Highlight {
  int from = 0;
  int to = 0;
};
void draw_text_cells(App& app, Dc& dc, const LogFont& font, const std::vector<CharCell>& cells,
                     Colorref color, std::optional<Highlight> highlight);

// The cell of the current element of the kind whose end offset is `offset`
// (the start cell for 0), laid out without the message for long texts.
std::optional<CharCell> caret_cell(App& app, Dc& dc, TextKind kind, int offset);

// The caret markers of the kind's current element: a bar across the line
// after cell A, and after cell B for a range (display colour 760).
void paint_caret_markers(App& app, Dc& dc, TextKind kind);
// A point marker at the anchor of the current element of the kind (720).
void paint_current_anchor(App& app, Dc& dc, TextKind kind);

// Places the composition window at the screen position of P2 of cell A of
// the caret of the text mode, when that caret is set.
void place_composition_window(App& app, Dc& dc);

}  // namespace daub
