#pragma once
// The dialogs and one-line inputs of text: the text buffer and the piece
// dialog, the format and tab dialogs, the font, format and tab inputs, the
// standard print ratio, the most characters shown, the line length, the
// rotation and the font chooser.
//
// Values that would make every layout meaningless are refused with a
// message under "CAUTION" and the old value kept: a standard print ratio that
// is not a positive number, fewer than one character per line or a most
// characters shown below 1.

#include "model/text_state.h"

namespace daub {
struct App;

// TEXTBOX ("テキスト入力"): a multi-line edit of the text buffer, prefilled
// when the buffer holds 1 to 990 bytes; OK puts the text (at most 1000 bytes)
// into the buffer. 1 after OK.
int text_buffer_dialog(App& app);
// letterclicdlg: the text dialog on the buffer; the edited text goes to the
// clipboard and, when not empty, replaces the range of element n (or goes in
// at the caret). Needs a caret. 1 when the element changed.
int textclicdlg(App& app, TextKind kind, int n, int layer);

// FORMATINPUTBOX ("書式データ入力"): the current format, font height, width,
// face name and direction, with the font chooser, the tab dialog and the
// colour behind its buttons. 1 after OK; a cancel puts every setting back.
int format_input_dialog(App& app);
// FORMATPARAMCHANGEBOX ("文字群変更"): as FORMATINPUTBOX; `parts` gets the
// parts of the text style (TextParts) checked under "変更項目": 1038 the
// font, 1039 the format, 1040 the tabs, 1041 the colour.
int format_param_change_dialog(App& app, unsigned& parts);
// TABINPUTBOX ("タブ入力"): the ten tab intervals. 1 after OK.
int tab_input_dialog(App& app);

// INPUTBOX "Windows APIのLogFontを参照": the whole current font.
int font_input(App& app);
// INPUTBOX "一行文字数，文字間長，列幅，最大引延率": the format.
int format_input(App& app);
// INPUTBOX "第一タブ，第二タブ，第三タブ，": the ten tab intervals.
int tab_input(App& app);
// The standard print ratio and the most characters shown: an explanation,
// then INPUTBOX.
int print_ratio_input(App& app);
int max_chars_input(App& app);
// INPUTBOX "一行の長さ入力": shows the line length of the current format and
// sets the characters per line from the length entered.
int line_length_input(App& app);
// Characters per line: the most whose line length does not exceed `length`.
void set_line_length(App& app, double length);
// INPUTBOX "回転角入力": the direction of the text in degrees.
int rotation_input(App& app);
// The system font chooser for the current font. 1 when a font was chosen.
int font_chooser(App& app);
// The vertical-writing note (caption "縦書き方法の説明").
void vertical_writing_note(App& app);

}  // namespace daub
