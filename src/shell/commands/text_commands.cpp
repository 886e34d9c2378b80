// Text commands: the mouse-command setters of the text kinds, deleting and
// detaching texts, the range operations with the clipboard, restyling the
// current element, the pick-ups, the direction and the text dialogs. The
// ids are listed in docs/command_ids.md.

#include <algorithm>
#include <iterator>

#include "drawing/bitmaps.h"
#include "drawing/pack.h"
#include "drawing/selection.h"
#include "drawing/texts.h"
#include "geometry/angle.h"
#include "geometry/view_transform.h"
#include "model/app.h"
#include "model/settings.h"
#include "render/text_dialogs.h"
#include "render/text_input.h"
#include "render/view.h"
#include "shell/commands/command_families.h"

namespace daub {
namespace {

constexpr int kLetterMode = 3;
constexpr int kEnglishMode = 8;

int mode_of(TextKind kind) { return kind == TextKind::kLetter ? kLetterMode : kEnglishMode; }

// The mouse-command setters of each kind.
constexpr int kLetterSetters[] = {154, 156, 158, 421, 441, 629, 631, 906};
constexpr int kEnglishSetters[] = {371, 373, 375, 401, 442, 630, 632, 907};

template <std::size_t N>
bool listed(const int (&ids)[N], int id) {
  return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

// 153 / 370: a new empty element at the current point, its lines running in
// the current point's direction, ready for typing.
void new_text_at_nowpoint(App& app, TextKind kind) {
  sklpack(app);
  app.settings.font.escapement = escapement_for(app.in.nowpoint.angle);
  SetZeroStr(app, kind, {app.in.nowpoint.x, app.in.nowpoint.y}, app.in.nowlayer);
  app.in.mousecmd = static_cast<std::uint16_t>(kind == TextKind::kLetter ? 421 : 401);
}

// 155 / 372: the current element goes.
void delete_current(App& app, TextKind kind) {
  if (!entry_matches(app, kind)) return;
  deltext(app, kind, now_text(app, kind), app.in.nowlayer);
  nowreset(app);
  sklpack(app);
}

// 422-426 / 402-406: the range operations; cut and copy leave the piece on
// the clipboard, paste and the dialog take the clipboard's text.
void range_command(App& app, TextKind kind, int step) {
  const int n = now_text(app, kind);
  const int layer = app.in.nowlayer;
  std::string& buffer = app.text.buffer;
  switch (step) {
    case 0:
    case 1:
      if ((step == 0 ? textcliccut : textcliccopy)(app, kind, n, layer) == 1)
        app.clipboard.set_text(buffer);
      buffer.clear();
      break;
    case 2:
      if (const std::optional<std::string> text = app.clipboard.text()) {
        buffer = *text;
        textclicpaste(app, kind, n, layer);
      } else {
        message(app.ui, "nowstrpaste", "クリップボードにデータがありません");
      }
      buffer.clear();
      break;
    case 3:
      buffer = app.clipboard.text().value_or(std::string());
      textclicdlg(app, kind, n, layer);
      buffer.clear();
      break;
    default:
      textclicdel(app, kind, n, layer);
      break;
  }
}

// 443-445, 796: whole chains of the current layer are detached and dropped.
bool detach_command(App& app, int id) {
  const int layer = app.in.nowlayer;
  switch (id) {
    case 443:
      allskldel(app, layer, Chains::kAll);
      break;
    case 444:
      allskldel(app, layer, Chains::kLinesAndRegions);
      break;
    case 445:
      allstrdel(app, layer);
      break;
    case 796:
      allbmpdel(app, layer);
      break;
    default:
      return false;
  }
  sklpack(app);
  nowreset(app);
  repaint(app);
  return true;
}

// The restyling of the current element: one id per part and kind.
struct PartIds {
  unsigned parts;  // 0: the text buffer as the characters
  int letter, english;
};
constexpr PartIds kRestyles[] = {{0, 564, 434},         {kTextStyle, 565, 435},
                                 {kTextFont, 566, 500}, {kTextFormat, 567, 501},
                                 {kTextTabs, 568, 502}, {kTextColor, 569, 571}};
// The pick-ups of the current element of the entry target (the letter
// element in Japanese entry, the english element in Latin entry):
// characters, font, format, tabs, colour, everything.
struct PickupIds {
  unsigned parts;
  bool chars;
  int id;
};
constexpr PickupIds kPickups[] = {
    {0, true, 557},          {kTextFont, false, 558},  {kTextFormat, false, 559},
    {kTextTabs, false, 560}, {kTextColor, false, 561}, {kTextStyle, true, 562}};

bool element_command(App& app, int id) {
  for (const PartIds& p : kRestyles) {
    if (id != p.letter && id != p.english) continue;
    const TextKind kind = id == p.letter ? TextKind::kLetter : TextKind::kEnglish;
    const int n = now_text(app, kind);
    if (p.parts == 0)
      textnowstr(app, kind, n, app.in.nowlayer);
    else
      textnowparts(app, kind, n, p.parts, app.in.nowlayer);
    repaint(app);
    return true;
  }
  for (const PickupIds& p : kPickups) {
    if (id != p.id) continue;
    const TextKind kind = app.in.englishentry == 1 ? TextKind::kEnglish : TextKind::kLetter;
    textpickup(app, kind, p.parts, p.chars);
    return true;
  }
  return false;
}

// 504, 620, 621: the direction of new texts.
bool direction_command(App& app, int id) {
  std::int32_t& escapement = app.settings.font.escapement;
  switch (id) {
    case 504:
      escapement = 2700;
      return true;
    case 621:
      escapement = 0;
      return true;
    case 620: {
      double degrees = app.in.nowpoint.angle * 180.0 / kPi;
      if (degrees < 0) degrees += 360;
      escapement = trunc_to_int((360 - degrees) * 10);
      return true;
    }
    default:
      return false;
  }
}

// The text buffer and the clipboard, and the page mark.
bool buffer_command(App& app, int id) {
  switch (id) {
    case 563:
      app.in.nowletter = letterpagestrnum(app, app.in.nowlayer);
      return true;
    case 626:
      if (const std::optional<std::string> text = app.clipboard.text()) {
        app.text.buffer = *text;
      } else {
        app.text.buffer.clear();
        message(app.ui, "nowstrpaste", "クリップボードにデータがありません");
      }
      return true;
    case 646:
      app.clipboard.set_text(app.text.buffer);
      return true;
    default:
      return false;
  }
}

// The text dialogs; none of them repaints.
bool dialog_command(App& app, int id) {
  switch (id) {
    case 270:
      text_buffer_dialog(app);
      return true;
    case 271:
      format_input_dialog(app);
      return true;
    case 272:
      tab_input_dialog(app);
      return true;
    case 273:
      font_input(app);
      return true;
    case 274:
      format_input(app);
      return true;
    case 275:
      tab_input(app);
      return true;
    case 361:
      font_chooser(app);
      return true;
    case 399:
      print_ratio_input(app);
      return true;
    case 518:
      max_chars_input(app);
      return true;
    case 638:
      line_length_input(app);
      return true;
    case 867:
      rotation_input(app);
      return true;
    case 872:
      set_line_length(app, 545.0);
      return true;
    case 873:
      set_line_length(app, 467.0);
      return true;
    case 430:
      vertical_writing_note(app);
      return true;
    default:
      return false;
  }
}

// 866: the text parameters back to their start values.
bool text_defaults_command(App& app, int id) {
  if (id != 866) return false;
  Settings d;
  set_drawing_defaults(d);
  Settings& s = app.settings;
  s.font = d.font;
  s.chars_per_line = d.chars_per_line;
  s.char_spacing = d.char_spacing;
  s.column_spacing = d.column_spacing;
  s.max_stretch = d.max_stretch;
  std::copy(std::begin(d.tabs), std::end(d.tabs), std::begin(s.tabs));
  return true;
}

}  // namespace

bool text_command(App& app, int id) {
  const bool letter_setter = listed(kLetterSetters, id);
  if (letter_setter || listed(kEnglishSetters, id)) {
    app.in.mousecmd = static_cast<std::uint16_t>(id);
    setdispmode(app, letter_setter ? kLetterMode : kEnglishMode);
    return true;
  }
  TextKind kind = TextKind::kLetter;
  switch (id) {
    case 370:
    case 372:
      kind = TextKind::kEnglish;
      [[fallthrough]];
    case 153:
    case 155:
      (id == 153 || id == 370) ? new_text_at_nowpoint(app, kind) : delete_current(app, kind);
      setdispmode(app, mode_of(kind));
      return true;
    default:
      break;
  }
  if (id >= 402 && id <= 406) kind = TextKind::kEnglish;
  if ((id >= 402 && id <= 406) || (id >= 422 && id <= 426)) {
    range_command(app, kind, id % 10 - 2);
    setdispmode(app, mode_of(kind));
    return true;
  }
  return detach_command(app, id) || element_command(app, id) || direction_command(app, id) ||
         buffer_command(app, id) || dialog_command(app, id) || text_defaults_command(app, id);
}

}  // namespace daub
