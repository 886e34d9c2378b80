#pragma once
// Copying parts of the current pen onto one line element.

namespace daub {
struct App;

// Each copies one part of the current pen into line n of the layer (a layer
// below 1 means layer 1) and returns n; 0 after "レイヤーが存在しません",
// "データが存在しません" (no lines) or "該当データが存在しません" (no line n),
// captioned with the operation's name, and nothing changes.

// The style.
int linenowpenstyle(App& app, int n, int layer);
// The width.
int linenowpenwidth(App& app, int n, int layer);
// The dot pattern: dot length, start length, line-bit count and bits.
int linenowdot(App& app, int n, int layer);
// The colour.
int linenowcolor(App& app, int n, int layer);

}  // namespace daub
