#include "render/text_input.h"

namespace daub {

// Text elements cannot be edited from the keyboard yet: every key is ignored.
void letter_char(App&, int, std::int64_t) {}
void english_char(App&, int, std::int64_t) {}
void letter_backspace(App&) {}
void english_backspace(App&) {}
void letter_delete(App&) {}
void english_delete(App&) {}

}  // namespace daub
