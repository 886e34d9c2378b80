#pragma once
// The shared one-line input dialog INPUTBOX: prompt label 589, edit field 292.
// Many commands print the current value into its buffer, open it, and read
// the answer back from the buffer.

#include <string>

namespace daub {
class Ui;

// The dialog's buffer and prompt label, shared by every caller.
struct InputBoxState {
  std::string buffer;                // UTF-8; at most 999 bytes are kept
  std::string label = "Data Input";  // the prompt; callers reset it after use
};

// Opens INPUTBOX with box.label as the prompt and box.buffer as the text. OK
// with a non-empty field stores it in the buffer and returns 1; an empty
// field keeps the dialog open; Cancel returns 0. The label is reset to
// "Data Input" afterwards.
int input_box(Ui& ui, InputBoxState& box);

// Convenience: fills the buffer with `initial` and the label with `prompt`.
int input_box(Ui& ui, InputBoxState& box, const std::string& prompt, const std::string& initial);

}  // namespace daub
