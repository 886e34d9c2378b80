// Selection commands: the mouse-command setters of picking and
// transforming the selection, emptying and committing the selection sets,
// keeping or deleting the selection, the spare screen, duplicating and
// moving the selection between layers, and restyling the selected lines
// and texts. The ids are listed in docs/command_ids.md.

#include <algorithm>
#include <iterator>

#include "drawing/pack.h"
#include "drawing/selection.h"
#include "drawing/selection_transforms.h"
#include "drawing/spare.h"
#include "drawing/texts.h"
#include "model/app.h"
#include "platform/printf_text.h"
#include "render/pen_dialogs.h"
#include "render/text_dialogs.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {
namespace {

// Mouse-command setters, by what they do to the enclosure first.
constexpr int kPickSetters[] = {185, 448, 588, 794};                 // emptied
constexpr int kTransformSetters[] = {190, 192, 193, 194, 519, 603};  // around the selection
constexpr int kAlignSetters[] = {604, 605, 606, 607};                // kept
constexpr int kPivotSetters[] = {614, 615};                          // kept; the lines are shown

template <std::size_t N>
bool listed(const int (&ids)[N], int id) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

bool selection_setter(App& app, int id) {
  if (listed(kPickSetters, id))
    app.enclosure.clear();
  else if (listed(kTransformSetters, id))
    enclose_selection(app);
  else if (!listed(kAlignSetters, id) && !listed(kPivotSetters, id))
    return false;
  app.in.mousecmd = static_cast<std::uint16_t>(id);
  setdispmode(app, listed(kPivotSetters, id) ? 1 : 2);
  return true;
}

// 586, 590 and 276: the change dialogs copy the chosen parts of the current
// pen or text style into the selection.
void pen_change(App& app) {
  unsigned parts = 0;
  if (pen_param_change_dialog(app, parts) == 1 && parts != 0)
    stocknowpenparts(app, parts, app.in.nowlayer);
}

void text_parts_into_selection(App& app, unsigned parts) {
  stocktextnowparts(app, TextKind::kEnglish, parts, app.in.nowlayer);
  stocktextnowparts(app, TextKind::kLetter, parts, app.in.nowlayer);
}

void format_change(App& app) {
  unsigned parts = 0;
  if (format_param_change_dialog(app, parts) == 1 && parts != 0)
    text_parts_into_selection(app, parts);
}

// 627: the total length of the selected lines.
void show_total_length(App& app) {
  message(app.ui, "stocklength", printf_text("抽出線の全長 %lf", stock_line_length(app)));
}

// The commands that end by showing the selection (display mode 2).
bool stock_command(App& app, int id) {
  const int layer = app.in.nowlayer;
  switch (id) {
    case 132:
      break;
    case 133:
      clear_stocks(app);
      break;
    case 446:
      app.line_stock.clear();
      break;
    case 447:
      for (TextStock& stock : app.text_stocks) stock.clear();
      break;
    case 795:
      app.bitmap_stock.clear();
      break;
    case 181:
      altswap(app);
      break;
    case 182:
      keep_selection(app, layer);
      sklpack(app);
      break;
    case 183:
      delete_selection(app, layer);
      sklpack(app);
      break;
    case 184:
      altapend(app, layer);
      break;
    case 186:
      jordenpickall(app, layer);
      app.enclosure.clear();
      app.in.mousecmd = 0;
      break;
    case 191:
      if (const std::optional<StockBox> box = stockbox(app)) stockmirror_all(app, box->centre());
      break;
    case 195:
      stockmove(app, layer);
      enclose_selection(app);
      break;
    case 196:
      duplicate_selection(app);
      break;
    case 586:
      pen_change(app);
      enclose_selection(app);
      break;
    case 590:
      format_change(app);
      enclose_selection(app);
      break;
    case 622:
    case 623:
    case 624:
    case 625:
      move_selection_to_layer(app, id < 624 ? LayerStep::kNext : LayerStep::kPrevious,
                              id % 2 == 0 ? Transfer::kMove : Transfer::kCopy);
      break;
    default:
      return false;
  }
  setdispmode(app, 2);
  return true;
}

// 313, 548-551: the current pen into the selected lines; 552-556: the
// current text style into the selected texts of both kinds. Display mode 0.
bool restyle_command(App& app, int id) {
  constexpr unsigned kPenParts[] = {kPenStyle, kPenWidth, kPenDots, kPenColor};
  constexpr unsigned kTextParts[] = {kTextStyle, kTextFont, kTextFormat, kTextTabs, kTextColor};
  if (id == 313)
    stocknowpenparts(app, kPenWhole, app.in.nowlayer);
  else if (id >= 548 && id <= 551)
    stocknowpenparts(app, kPenParts[id - 548], app.in.nowlayer);
  else if (id >= 552 && id <= 556)
    text_parts_into_selection(app, kTextParts[id - 552]);
  else
    return false;
  setdispmode(app, 0);
  return true;
}

}  // namespace

bool selection_command(App& app, int id) {
  switch (id) {
    case 180:
      save_to_spare(app);
      return true;
    case 276:
      format_change(app);
      return true;
    case 627:
      show_total_length(app);
      return true;
    default:
      break;
  }
  return selection_setter(app, id) || stock_command(app, id) || restyle_command(app, id);
}

}  // namespace daub
