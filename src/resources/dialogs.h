#pragma once
// The dialog templates: each dialog's controls with their ids, kinds, labels
// and places, in dialog pixels. One function per dialog.

#include "platform/dialog.h"

namespace daub {

// PENINPUTBOX: the current pen: style radios 975/976, width 967, dot length
// 969, start length 971, line bits 973, pattern buttons 982/983/996, TEST 981,
// standard pens 999, colour 1024; the preview lies below the controls.
const DialogTemplate& peninputbox_template();
// PENPARAMCHANGEBOX ("線群変更"): PENINPUTBOX's controls and, under
// "変更項目", the check boxes 1038 "ペン幅", 1039 "線の種類", 1040 "色".
const DialogTemplate& penparamchangebox_template();
// STANDARDPENINPUTBOX: one button per standard pen (981, 982, 983, 996, 997,
// 998, 999); pressing one closes it.
const DialogTemplate& standardpeninputbox_template();
// PENDOTINPUTBOX: the pen fields of PENINPUTBOX (with 999 opening the
// standard pen and brush chooser instead) and the brush: style radios
// 977/978, hatch type radios 979/980, hatch width 984 and angle 986, the
// texture buttons 997/998. The pen sample, colour swatch and brush preview lie
// below and beside the controls.
const DialogTemplate& pendotinputbox_template();
// STANDARDPENDOTINPUTBOX: the standard pens (981, 982, 983, 996, 997, 998,
// 999), the standard brushes (1024-1036) and CANCEL 1037; pressing one closes it.
const DialogTemplate& standardpendotinputbox_template();
// COLORINPUTBOX: red 967, green 969, blue 971, the chooser 982, TEST 981.
const DialogTemplate& colorinputbox_template();

// PHOTOPENINPUTBOX: the brush of the canvases: width 967, blur 969, density
// 971, taper length ratio 973; end type radios 975-977, tapered end radios
// 978-980; TEST 981 draws a sample stroke in the preview below the fields.
const DialogTemplate& photopeninputbox_template();

// DAUBERYDLG, the painting palette: brush width radios 1072-1076, blur
// 1077-1081, density 1082-1085, screen scale 1086-1090, mouse commands
// 1091-1097; TEST 1100, colour 1101, input/output 1102, the action buttons
// 1103-1109; the sample stroke's preview covers (60, 180)-(210, 260).
const DialogTemplate& dauberydlg_template();
// DBRYIODLG: the four picture input/output actions 1100-1103 and Cancel.
const DialogTemplate& dbryiodlg_template();
// DBRYHELPDLG: one button per help topic (1100-1106) and Cancel.
const DialogTemplate& dbryhelpdlg_template();

// TEXTBOX ("テキスト入力"): the multi-line edit 292 of the text buffer.
const DialogTemplate& textbox_template();
// FORMATINPUTBOX ("書式データ入力"): characters per line 967, character
// spacing 969, column spacing 971, maximum stretch rate 973, line length
// 984, direction 986, font height 992 and width 994, face name 1055; 982
// characters per line from the line length, 983 standard column spacing,
// 996 font chooser, 998 tabs, 997 colour, 981 TEST (preview below).
const DialogTemplate& formatinputbox_template();
// FORMATPARAMCHANGEBOX ("文字群変更"): FORMATINPUTBOX's controls and,
// under "変更項目", the check boxes 1038 "フォント", 1039 "書式", 1040 "タブ",
// 1041 "色".
const DialogTemplate& formatparamchangebox_template();
// TABINPUTBOX ("タブ入力"): the ten tab intervals 967, 969, 971, 973, 984,
// 986, 988, 990, 992, 994.
const DialogTemplate& tabinputbox_template();

}  // namespace daub
