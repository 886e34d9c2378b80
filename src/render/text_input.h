#pragma once
// Keyboard input into the current text element: character input, backspace
// and delete, one set for letter (Japanese) and one for english (Latin) text.

#include <cstdint>

namespace daub {
struct App;

// A character of a WM_CHAR message; lparam 1 marks a character committed by
// the input method.
void letter_char(App& app, int code, std::int64_t lparam);
void english_char(App& app, int code, std::int64_t lparam);
void letter_backspace(App& app);
void english_backspace(App& app);
void letter_delete(App& app);
void english_delete(App& app);

}  // namespace daub
