#pragma once
// Drawing parameters as short texts on the clipboard: each kind is written
// as numbers separated by commas ("%d" integers, "%lf" reals with six
// decimals; the font ends with its face name, the bitmap name is the text
// itself) and read back with a trial read first, so that a text which does
// not read leaves everything as it was. Angles in the point text are
// degrees. Texts are read and written the same in every locale.

#include <string>
#include <string_view>

#include "geometry/point.h"
#include "model/settings.h"

namespace daub {
struct App;

enum class ParamKind {
  kPoint,       // nowpoint x, y, angle in degrees
  kFont,        // the LOGFONT: five numbers, eight bytes, the face name
  kFormat,      // characters per line, character spacing, column spacing, stretch bound
  kTabs,        // up to ten tab intervals
  kBrushStyle,  // 504
  kHatchParam,  // 136 type, 144 width, 152 angle
  kHatchType,   // 136
  kHatchWidth,  // 144
  kBmpName,     // 508, the raw text
  kBmpRate,     // 640
  kPenStyle,    // 496
  kPenWidth,    // 500
  kDotParam,    // 72 dot length, 80 start length, 88 bit count, 92 bits
  kColor,       // 648 as red, green, blue
  kPrintParam,  // 48, 56, 64
  kGridParam,   // 656, 664, 672
};

// The text of the current value.
std::string param_text(ParamKind kind, const Settings& s, const PointDir& nowpoint);

// Reads the text into the settings (the point text into `nowpoint`, the
// angle brought into −π..π). False, with nothing changed, when it does not
// read as the kind's fields or names a value no drawing can use: a number
// that is not finite or not in its field's range, a colour channel outside
// 0..255, fewer than one character per line, a first tab not above 1e-10, a
// face name of 32 bytes or more. The text counts up to its first NUL; a
// bitmap name keeps at most 128 bytes, cut before a character.
bool read_param_text(ParamKind kind, std::string_view text, Settings& s, PointDir& nowpoint);

// The paste and copy commands of one kind and the captions of the paste's
// two refusals (no text, a text that does not read).
struct ParamCommand {
  ParamKind kind;
  int paste_id, copy_id;
  const char* caption;      // no text on the clipboard
  const char* bad_caption;  // "読み取りできません"
  bool refresh;             // the paste ends with the refresh step of the pens
};
// The command of a paste or copy id; nullptr for any other id.
const ParamCommand* param_command(int id);

// The paste: the clipboard's text read into the settings (the point paste
// also makes the current point valid), the refresh step where marked.
// Returns 1; 0 after "クリップボードにデータがありません" or "読み取りできません".
int param_paste(App& app, const ParamCommand& command);
// The copy: the current value's text onto the clipboard.
void param_copy(App& app, const ParamCommand& command);

// clipdisp: the clipboard's text in a message box (caption "clipbord");
// "クリップボードにデータがありません" (caption "clipdisp") without one.
int clipdisp(App& app);

}  // namespace daub
