#pragma once
// What text entry keeps between messages: which kind of text is typed, the
// caret or selected range in the current element of each kind, the text
// buffer, the character messages not yet handled and where the input
// method's composition window goes.

#include <cstdint>
#include <deque>
#include <string>

#include "platform/dc.h"

namespace daub {

// Letter elements hold Japanese text, english elements Latin text; the two
// kinds share their record and their operations.
enum class TextKind { kLetter = 0, kEnglish = 1 };

constexpr int text_index(TextKind kind) { return kind == TextKind::kLetter ? 0 : 1; }

// The caret (state 1) or the selected range (state 2) in the current
// element. Each end is the byte offset just after a character cell: the caret
// lies after the character ending at `a` (0: before the first); a range runs
// from after `a` to after `b`, with a < b.
struct CaretRecord {
  int state = 0;  // 0 nothing chosen, 1 a caret, 2 a range
  int a = 0;
  int b = 0;
  friend bool operator==(const CaretRecord&, const CaretRecord&) = default;
};

// Adds the end of a cell: state 0 makes it the caret, state 1 the range's
// second end (the ends ordered), state 2 starts again with it as the caret. A
// range whose ends meet falls back to a caret.
inline void add_caret_cell(CaretRecord& caret, int end_offset) {
  if (caret.state == 1) {
    caret.b = end_offset;
    caret.state = 2;
    if (caret.b < caret.a) {
      caret.b = caret.a;
      caret.a = end_offset;
    }
  } else {
    caret = CaretRecord{1, end_offset, 0};
  }
  if (caret.state == 2 && caret.a == caret.b) caret = CaretRecord{1, caret.a, 0};
}

// One character message (WM_CHAR): the code and its lParam, 1 for a
// character committed by the input method.
struct CharMessage {
  int code = 0;
  std::int64_t lparam = 0;
};

struct TextEditing {
  CaretRecord carets[2];          // letter, english
  std::string buffer;             // the text buffer, code page 932 bytes
  std::deque<CharMessage> queue;  // character messages waiting to be handled
  // Where the composition window was last placed (client pixels).
  IntPoint composition;
  bool composition_placed = false;

  CaretRecord& caret(TextKind kind) { return carets[text_index(kind)]; }
  const CaretRecord& caret(TextKind kind) const { return carets[text_index(kind)]; }
};

}  // namespace daub
