#pragma once
// The shared one-line input dialog INPUTBOX: prompt label 589, edit field 292.

#include <string>

namespace daub {
struct App;

// Opens INPUTBOX with app.input.label as the prompt and app.input.buffer as the
// text. OK with a non-empty field stores it in the buffer and returns 1; an
// empty field keeps the dialog open; Cancel returns 0. The label is reset to
// "Data Input" afterwards.
int input_box(App& app);

// Convenience: fills the buffer with `initial` and the label with `prompt`.
int input_box(App& app, const std::string& prompt, const std::string& initial);

}  // namespace daub
