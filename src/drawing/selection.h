#pragma once
// Current elements and the selection sets.

namespace daub {
struct App;

// Clears the current letter, english, bitmap and region elements, the current
// line, the selection sets (so far the line set) and both caret records.
void nowreset(App& app);

}  // namespace daub
