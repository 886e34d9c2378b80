#pragma once
// The dialogs that set the current pen and colour, and the one-line inputs of
// the pen and of the construction commands.

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>

#include "model/app.h"
#include "platform/dialog.h"
#include "platform/input_box.h"
#include "platform/printf_text.h"
#include "render/pens.h"
#include "render/view.h"

namespace daub {

// Shows `value` with `format` in INPUTBOX and reads it back with the same
// format; true with `value` changed only when one finite value was read.
template <class T>
bool ask_value(App& app, const std::string& prompt, const char* format, T& value) {
  if (input_box(app.ui, app.input, prompt, printf_text(format, value)) != 1) return false;
  T read{};
  if (std::sscanf(app.input.buffer.c_str(), format, &read) != 1) return false;
  if constexpr (std::is_floating_point_v<T>)
    if (!std::isfinite(read)) return false;
  value = read;
  return true;
}

// The system colour chooser, starting from the colour last chosen in any
// chooser; a choice is remembered for the next one.
std::optional<Colorref> pick_color(App& app);

// The pen half of the pen dialogs (PENINPUTBOX and the dialogs built on it):
// style radios 975/976, width 967, dot length 969, start length 971, line
// bits 973, pattern buttons 982/983/996, standard pens 999, colour 1024 and
// the TEST preview 981.
class PenFields {
 public:
  explicit PenFields(App& app) : app_(app) {}

  // Shows the current pen; the working colour starts as the current colour.
  void init(DialogState& state);
  // Handles a click on one of the pen controls; false for any other id.
  bool command(DialogState& state, int id);
  // Puts a pen's style and dot pattern into the fields.
  void show_pattern(DialogState& state, const PenPattern& pen);
  // The pen the fields describe, in the working colour.
  PenRecord entered_pen(const DialogState& state) const;
  // Stores what the fields say into the current pen fields of the settings
  // (without the refresh step): a negative width or dot length reads as 0,
  // the width is rounded, a line-bit string too long leaves the bits alone.
  void store(const DialogState& state);
  // The preview at one pixel per world unit: a sample line from (10, 220) to
  // (110, 220) with the entered pen in black, and the working colour in a
  // 100 × 30 swatch at (460, 250).
  void paint(const DialogState& state, Dc& dc);

 private:
  App& app_;
  Colorref color_ = 0;
};

// PENINPUTBOX ("ペンデータ入力"): 1 after OK (the current pen is set and the
// refresh step has run), 0 on cancel.
int pen_input_dialog(App& app);
// PENPARAMCHANGEBOX ("線群変更"): as PENINPUTBOX; `parts` gets the parts of
// the pen (PenParts) checked under "変更項目": 1038 the width, 1039 the
// style and dot pattern, 1040 the colour. 1 after OK, 0 on cancel.
int pen_param_change_dialog(App& app, unsigned& parts);
// STANDARDPENINPUTBOX ("定型ペンデータ入力"): the index of the chosen row of
// standard_pens(), or -1 when none was chosen.
int standard_pen_dialog(App& app);
// COLORINPUTBOX ("色入力"): 1 after OK (the current colour is set), 0 on cancel.
int color_input_dialog(App& app);

// INPUTBOX "0=実線　　1=点線": the current pen style; 1 when one was read.
int pen_style_input(App& app);
// INPUTBOX with the default prompt: the current pen width; 1 when one was read.
int pen_width_input(App& app);
// INPUTBOX "ドット長，スタート長，ラインビット": the dot pattern; 1 when stored.
int nowdotparamdlg(App& app);
// INPUTBOX "注目距離入力": the construction distance; 1 when one was read.
int construction_distance_input(App& app);
// INPUTBOX "円弧分割角入力": the arc division angle in degrees; 1 when one was read.
int arc_angle_input(App& app);

}  // namespace daub
