#pragma once
// Current elements and the selection sets ("抽出"): lines (the line
// extraction list), letter and english elements, bitmaps. Elements are
// picked by the enclosure ("囲み線"), by a rectangle or one by one; the sets
// hold copies that the transformations of drawing/selection_transforms.h
// change and that stockmove writes back. Every set names its elements by
// number in one layer, so anything that renumbers or leaves the layer resets
// them (nowreset).

#include <optional>

#include "geometry/point.h"
#include "model/app.h"

namespace daub {

// The selection set of letter or english elements.
TextStock& text_stock(App& app, TextKind kind);
const TextStock& text_stock(const App& app, TextKind kind);

// Clears the current letter, english, bitmap and region elements, the
// current line, the four selection sets and both caret records.
void nowreset(App& app);
// Empties the four selection sets.
void clear_stocks(App& app);
// True when no set holds anything.
bool stocks_empty(const App& app);

// jordenpick: the line set becomes the lines of the layer whose two ends
// both lie inside the enclosure, in chain order (direction 1). Returns the
// number of lines examined; 0 after "囲み線が存在しません" (caption
// "jordenpick") when the enclosure is empty, or "レイヤーが存在しません".
int jordenpick(App& app, int layer);
// jordenletterpick, jordenenglishpick: the same for the anchors of texts.
int jordentextpick(App& app, TextKind kind, int layer);
// jordenbmppick: the same for the anchors of bitmaps.
int jordenbmppick(App& app, int layer);
// The four picks; an empty enclosure is reported once, as jordenpick does.
// Returns 1 when the picks ran.
int jordenpickall(App& app, int layer);
// The enclosure becomes the rectangle of the two client points, then the
// four picks run.
int pick_by_rectangle(App& app, IntPoint a, IntPoint b, int layer);

// The text (letter or english, the letter on a tie) whose anchor is nearest
// the point is taken out of its set when it is there (the later items move
// up), else added. Returns its number, 0 when the layer has no text.
int toggle_stock_text(App& app, DPoint point, int layer);
// The same for the bitmap whose anchor is nearest.
int toggle_stock_bmp(App& app, DPoint point, int layer);

// stocklinenum, stockletternum, stockenglishnum, stockbmpnum: the item of
// element n when it is selected; returns n, else 0.
int stocklinenum(const App& app, int n, ExtractionItem& out);
int stocktextnum(const App& app, TextKind kind, int n, TextStockItem& out);
int stockbmpnum(const App& app, int n, BitmapStockItem& out);

// stockbox: the bounding box of every selected line end, text anchor and
// bitmap anchor; none when nothing is selected. Its centre is where the
// selection turns, scales and mirrors about.
struct StockBox {
  DPoint low, high;
  DPoint centre() const { return {(low.x + high.x) / 2, (low.y + high.y) / 2}; }
};
std::optional<StockBox> stockbox(const App& app);
// The enclosure becomes the four corners of stockbox (empty without a selection).
void enclose_selection(App& app);

// stockmove: writes the sets back into the layer. A selected line takes its
// item's geometry; a region some but not all of whose lines are selected is
// unlinked (entries naming line 0 do not count); a selected text takes its
// item's anchor, font and format; a selected bitmap its anchor and rate.
// Items naming no element of the layer are passed over. Returns 1, 0 after
// "レイヤーが存在しません" (caption "stockmove").
int stockmove(App& app, int layer);

// Keep selection: every element of the layer not in its set is deleted (a
// kind with an empty set loses all its elements; a region naming a deleted
// line goes with it, the others follow the new line numbers), then nowreset.
int keep_selection(App& app, int layer);
// Delete selection: every selected element is deleted, then nowreset.
int delete_selection(App& app, int layer);

// Parts of the current line pen.
enum PenParts : unsigned {
  kPenStyle = 1,
  kPenWidth = 2,
  kPenDots = 4,  // dot length, start length, line-bit count and bits
  kPenColor = 8,
  kPenWhole = 16,  // the whole pen record (stocknowpen)
};
// stocknowpen (kPenWhole), stocknowpenstyle, stocknowpenwidth,
// stocknowpendotparam, stocknowpencolor: the parts of the current line pen
// into every selected line of the layer. Returns the number of lines changed.
int stocknowpenparts(App& app, unsigned parts, int layer);
// stockletternowallparam, …font, …form, …tabparam, …color and their
// english twins: the parts of the current text style (TextParts) into every
// selected text of the kind, and into the set's copies so that a later
// commit keeps them. Returns the number of elements changed.
int stocktextnowparts(App& app, TextKind kind, unsigned parts, int layer);

// The length of every selected line added up.
double stock_line_length(const App& app);

}  // namespace daub
