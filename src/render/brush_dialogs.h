#pragma once
// The dialogs that set the current brush of new regions: the pen and brush
// dialog with its chooser of standard pens and brushes, and the one-line
// brush style and hatch inputs.

namespace daub {
struct App;

// PENDOTINPUTBOX ("ペン,ブラシデータ入力"): the current pen as the pen dialog
// sets it, and the brush style, hatch type, width (a negative one reads as
// 0) and angle. 1 after OK (the refresh step has run), 0 on cancel. Its
// preview adds the entered brush filling (270, 180)-(420, 280).
int pen_dot_input_dialog(App& app);

// What STANDARDPENDOTINPUTBOX chose.
struct StandardChoice {
  enum Kind { kNone, kPen, kBrush } kind = kNone;
  int row = 0;  // into standard_pens() or standard_brushes()
};
StandardChoice standard_pen_brush_dialog(App& app);

// INPUTBOX "0=単色ブラシ 1=ハッチブラシ": the brush style, read with "%d" and
// stored as read; 1 when one was read (the refresh step has run).
int brush_style_input(App& app);
// INPUTBOX "ハッチタイプ，ハッチ幅，ハッチ角": type, width and angle, all three or
// nothing, stored as read (the painters skip a hatch they cannot draw); 1
// when stored.
int hatch_param_input(App& app);

}  // namespace daub
