// Mouse commands on text elements; each shows the text entry mode of its
// kind afterwards (display mode 3 for letters, 8 for english).

#include "drawing/pack.h"
#include "drawing/texts.h"
#include "model/app.h"
#include "render/text_input.h"
#include "render/view.h"
#include "shell/mouse.h"
#include "shell/mouse_commands.h"

namespace daub {
namespace {

// The letter and the english id of each text mouse command.
struct TextMouseIds {
  int letter, english;
};
constexpr TextMouseIds kPick{154, 371}, kMove{156, 373}, kSplit{158, 375}, kCaret{421, 401},
    kFrame{441, 442}, kFrameHeight{906, 907}, kRangeInCurrent{629, 630}, kCaretInCurrent{631, 632};
constexpr TextMouseIds kAll[] = {kPick,  kMove,        kSplit,          kCaret,
                                 kFrame, kFrameHeight, kRangeInCurrent, kCaretInCurrent};

DPoint drag_point(const App& app) { return DPoint{app.in.dragvector.x, app.in.dragvector.y}; }

void clear_carets(App& app) {
  app.text.carets[0] = CaretRecord{};
  app.text.carets[1] = CaretRecord{};
}

// 154 / 371: the element nearest to the drag becomes current.
bool pick(App& app, TextKind kind) {
  if (!entry_matches(app, kind)) return false;
  take_held_point(app);
  DPoint anchor;
  now_text(app, kind) = nearesttext(app, kind, drag_point(app), anchor, app.in.nowlayer);
  clear_carets(app);
  return true;
}

// 158 / 375: the current element is split at the point; the tail goes to
// the clipboard as text.
void split(App& app, TextKind kind) {
  take_held_point(app);
  with_text_dc(app, [&](Dc& dc) {
    return textcut_at(app, dc, kind, drag_point(app), now_text(app, kind), app.in.nowlayer);
  });
  if (!app.text.buffer.empty()) app.clipboard.set_text(app.text.buffer);
  app.text.buffer.clear();
  sklpack(app);
}

// 441, 906 / 442, 907: a new empty element in the frame of the drag, ready
// for typing.
void frame(App& app, TextKind kind, FrameFit fit) {
  sklpack(app);
  with_text_dc(app, [&](Dc& dc) {
    text_frame(app, dc, app.in.pressworld, app.in.releaseworld, fit);
    return 0;
  });
  SetZeroStr(app, kind, app.in.pressworld, app.in.nowlayer);
  app.in.mousecmd =
      static_cast<std::uint16_t>(kind == TextKind::kLetter ? kCaret.letter : kCaret.english);
}

// 629 / 630 (press to release) and 631 / 632 (the drag point): a caret or a
// range in the current element alone.
void caret_in_current(App& app, TextKind kind, bool range) {
  if (!range) take_held_point(app);
  const int n = now_text(app, kind);
  const int layer = app.in.nowlayer;
  with_text_dc(app, [&](Dc& dc) {
    const auto first =
        hit_element(app, dc, kind, n, range ? app.in.pressworld : drag_point(app), layer);
    const auto second = range ? hit_element(app, dc, kind, n, app.in.releaseworld, layer) : first;
    if (!first || !second) return 0;
    CaretRecord& caret = app.text.caret(kind);
    caret = CaretRecord{};
    add_caret_cell(caret, first->offset);
    if (range) add_caret_cell(caret, second->offset);
    return 1;
  });
}

}  // namespace

bool text_mouse_command(App& app, int cmd) {
  TextKind kind = TextKind::kLetter;
  TextMouseIds ids{0, 0};
  for (const TextMouseIds& candidate : kAll) {
    if (cmd == candidate.letter || cmd == candidate.english) {
      ids = candidate;
      kind = cmd == candidate.letter ? TextKind::kLetter : TextKind::kEnglish;
    }
  }
  if (ids.letter == 0) return false;
  const int layer = app.in.nowlayer;
  if (ids.letter == kPick.letter) {
    if (!pick(app, kind)) return true;
  } else if (ids.letter == kMove.letter) {
    take_held_point(app);
    textmove(app, kind, now_text(app, kind), app.in.dragvector.x, app.in.dragvector.y, layer);
  } else if (ids.letter == kSplit.letter) {
    split(app, kind);
  } else if (ids.letter == kCaret.letter) {
    with_text_dc(app, [&](Dc& dc) { return click_caret(app, dc, kind); });
  } else if (ids.letter == kFrame.letter || ids.letter == kFrameHeight.letter) {
    frame(app, kind, ids.letter == kFrame.letter ? FrameFit::kCharsPerLine : FrameFit::kFontHeight);
  } else {
    caret_in_current(app, kind, ids.letter == kRangeInCurrent.letter);
  }
  setdispmode(app, kind == TextKind::kLetter ? 3 : 8);
  return true;
}

}  // namespace daub
