#pragma once
// Typing into the drawing: the hit test that turns a point into a caret,
// clicking a caret or dragging a range, the text frame a drag sets, and the
// keyboard handlers (characters, Backspace, Delete) of each text kind.
// Positions come from the layout, so every function that needs them takes
// the device whose font metrics the layout uses.

#include <cstdint>
#include <optional>

#include "geometry/point.h"
#include "model/app.h"
#include "model/text_state.h"
#include "platform/recording_dc.h"

namespace daub {

// Runs f with the device the layout measures with outside a paint: the
// window's own, or a device with fixed metrics when there is no window
// picture (as in unit tests).
template <class F>
decltype(auto) with_text_dc(App& app, F&& f) {
  if (Dc* dc = app.ui.window_dc()) return f(*dc);
  RecordingDc fixed;
  return f(fixed);
}

// Where a point falls in the texts of a layer: the element, the byte offset
// the caret would have (0: before the first character) and how far the
// point lies from the cell edge that was hit.
struct TextHit {
  TextKind kind = TextKind::kLetter;
  int element = 0;
  int offset = 0;
  double distance = 0;
};

// The hit test over every letter element and then every english element of
// the layer; a later hit wins when it is not farther. Nothing when no
// character edge lies within 3 line heights (and 1000 world units).
std::optional<TextHit> hit_text(App& app, Dc& dc, DPoint q, int layer);
// The same over element n of the kind alone.
std::optional<TextHit> hit_element(App& app, Dc& dc, TextKind kind, int n, DPoint q, int layer);

// Mouse commands 421 / 401: a click puts the caret, a drag selects a range,
// in one element of the kind (the press and the release must hit the same
// element). Returns 1 when the caret record was set.
int click_caret(App& app, Dc& dc, TextKind kind);

// lettercut with the point: splits element n at the caret position the hit
// test gives for the point. Returns 1 when it split.
int textcut_at(App& app, Dc& dc, TextKind kind, DPoint point, int n, int layer);

// The average character width W of the settings' font, as the layout
// measures it.
double settings_char_width(App& app, Dc& dc);
// The largest number of characters per line whose line length does not
// exceed `length`, at least 1 (and at most 100000).
int chars_for_length(double length, double W, double spacing);

// How a text frame sets the size: from the frame's length the characters
// per line, or (keeping those) the font height.
enum class FrameFit { kCharsPerLine, kFontHeight };
// The text frame from P to Q: the settings' format and font take the
// frame's direction (escapement), size and the column spacing of the font
// height.
void text_frame(App& app, Dc& dc, DPoint p, DPoint q, FrameFit fit);
// The escapement that makes lines run along `angle` (radians, world axes).
int escapement_for(double angle);

// What the shell does after a key: nothing more, or delete the range just
// chosen (commands 426 / 406).
enum class KeyResult { kDone, kDeleteRange };

// WM_CHAR: inserts the character (for a character committed by the input
// method, with the committed characters queued behind it) at the caret of
// the current element of the kind.
void text_char(App& app, TextKind kind, int code, std::int64_t lparam);
// VK_BACK and VK_DELETE: choose the character before / after the caret (or
// keep the range) for the range delete.
KeyResult text_backspace(App& app, TextKind kind);
KeyResult text_delete(App& app, TextKind kind);

}  // namespace daub
