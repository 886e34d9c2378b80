#pragma once
// Text elements: letter (Japanese) and english (Latin) elements share one
// record and one set of operations; each operation takes the kind, and its
// caption is the letter name or its english twin ("lettercliccut",
// "englishcliccut"). Elements are named by their number in the layer's chain
// of that kind; a layer below 1 means layer 1. Failures report
// "レイヤーが存在しません", "データが存在しません" or "該当データが存在しません"
// under the operation's name and return 0 with the drawing unchanged.
//
// The characters are code page 932 bytes stored behind the record with a
// terminating NUL. Restyling or re-texting appends new bytes and leaves the
// old ones as dead bytes until compaction.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/chain.h"
#include "geometry/point.h"
#include "model/app.h"
#include "model/records.h"

namespace daub {

constexpr ChainKind text_chain(TextKind kind) {
  return kind == TextKind::kLetter ? ChainKind::kLetters : ChainKind::kEnglishes;
}

// The current element of the kind: nowletter or nowenglish.
int& now_text(App& app, TextKind kind);

// The operation's name for the kind: "letter" becomes "english" and
// "Letter" "English" ("SetZeroStrLetter" → "SetZeroStrEnglish").
std::string text_op_name(TextKind kind, std::string_view letter_name);

// The parts of a text's style that the restyling operations and the
// pick-ups copy.
enum TextParts : unsigned {
  kTextFont = 1,    // words 4-18, settings 320-379
  kTextFormat = 2,  // words 20-27, settings 384-415
  kTextTabs = 4,    // words 28-47, settings 416-495
  kTextColor = 8,   // word 48, settings 648
  kTextStyle = 15,  // all four
};

// Copies the chosen parts between the settings and a record.
void style_from_settings(const Settings& s, TextRecord& t, unsigned parts);
void style_to_settings(const TextRecord& t, Settings& s, unsigned parts);
void copy_text_style(const TextRecord& from, TextRecord& to, unsigned parts);

// The entry check of the operations that change text: a letter operation
// refuses while Latin entry is chosen ("英語が選ばれています"), an english
// one while Japanese entry is ("日本語が選ばれています"), caption "CAUTION".
bool entry_matches(App& app, TextKind kind);

// setletter: appends an element at nowpoint with the settings' text style
// and the text buffer's characters; sets the current element of the kind.
// Returns its number; 0 without a message when the buffer is empty.
int settext(App& app, TextKind kind, int layer);
// SetZeroStrLetter: appends an element of length 0 at `anchor` with the
// settings' style (a place to start typing), makes it current and puts the
// caret of the kind before its first character. Returns its number.
int SetZeroStr(App& app, TextKind kind, DPoint anchor, int layer);

// nearestletter: the element whose anchor is nearest (strictly nearer than
// 10000.0 and than every earlier one) and its anchor; 0 when there is none.
int nearesttext(App& app, TextKind kind, DPoint point, DPoint& anchor, int layer);
// getletter: copies the record of element n; returns n (n = 0: 0 at once).
int gettext(App& app, TextKind kind, int n, TextRecord& out, int layer);
// getletterstr: the record and the characters of element n; nothing when the
// element cannot be found (an element of length 0 gives an empty string).
std::optional<std::string> gettextstr(App& app, TextKind kind, int n, TextRecord& out, int layer);
// The characters of a record: never more than the block holds.
std::string text_bytes(const Block& block, const TextRecord& record);

// lettermove: puts the anchor of element n at (x, y); returns n.
int textmove(App& app, TextKind kind, int n, double x, double y, int layer);
// letternow: element n takes the settings' style and the text buffer's
// characters; returns n.
int textnow(App& app, TextKind kind, int n, int layer);

// The restyling operations: element n takes the chosen parts of the settings
// (letternowallparam, letternowfont, letternowform, letternowtab,
// letternowcolor); returns n.
int textnowparts(App& app, TextKind kind, int n, unsigned parts, int layer);
// letternowstr: element n takes the text buffer's characters; returns n.
int textnowstr(App& app, TextKind kind, int n, int layer);

// lettercut: splits element n at the byte offset: when 0 < offset < length
// the characters from it on replace the text buffer and the element keeps
// the first ones (shortened in place). Returns 1 when it split.
int textcut(App& app, TextKind kind, int n, int offset, int layer);

// The range operations on element n with the caret record of the kind
// (lettercliccut, lettercliccopy, letterclicpaste, letterclicdel). Each
// leaves the element's style as it is. Cut leaves the piece in the text
// buffer; copy only fills the buffer with it; paste puts the buffer over the
// range (or in at the caret) and leaves the caret after it; cut and delete
// remove the range and leave the caret where it was. Without a range
// (without a caret for paste): "クリック点を二つ用意してください". Returns 1
// when done.
int textcliccut(App& app, TextKind kind, int n, int layer);
int textcliccopy(App& app, TextKind kind, int n, int layer);
int textclicpaste(App& app, TextKind kind, int n, int layer);
int textclicdel(App& app, TextKind kind, int n, int layer);
// Paste with the caption of another operation (the dialog's).
int replace_range(App& app, TextKind kind, int n, const char* caption, int layer);

// delletter: unlinks element n; its anchor becomes the current point (angle
// 0). Returns n.
int deltext(App& app, TextKind kind, int n, int layer);
// totalletter: the number of elements of the kind in the layer.
int totaltext(App& app, TextKind kind, int layer);
// allletterdel: detaches the layer's chain of the kind. Returns 1.
int alltextdel(App& app, TextKind kind, int layer);
// allstrdel: detaches both text chains. Returns 1.
int allstrdel(App& app, int layer);
// allskldel: detaches the line and region chains, or all five chains.
enum class Chains { kLinesAndRegions, kAll };
int allskldel(App& app, int layer, Chains chains);

// "-", one or more decimal digits, "-".
bool is_page_mark(std::string_view bytes);
// letterpagestrnum: the number of the last letter element whose text is a
// page mark, 0 when none.
int letterpagestrnum(App& app, int layer);

// The text pick-ups: the current element of the kind (in the current layer)
// gives its characters to the text buffer (`chars`) and the chosen parts of
// its style to the settings. Refuses like the entry check. Returns 1 when
// there was an element to pick up from.
int textpickup(App& app, TextKind kind, unsigned parts, bool chars);

}  // namespace daub
